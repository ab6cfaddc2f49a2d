// libFuzzer target for the run file reader: any bytes are either refused with
// a sentence or read into a run that writes back to text reading the same,
// and whose start state can be built. Sentences, titles and notes are plain;
// its title and labels, written into a CSV table and a drawing, neither run
// in a spreadsheet nor break the XML.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/ladder_drawing.h"
#include "history/run_figures.h"
#include "history/run_file.h"
#include "tests/reliability/plain_text_check.h"

namespace {

// The title and the labels end up in the comparison's CSV table and its
// drawing: no cell a spreadsheet would run, no character XML forbids.
void checkExports(const RunScript& script)
{
    std::vector<std::string> labels{script.title, script.label};
    for (const RunScript& other : script.alongside)
        labels.push_back(other.label);
    std::ostringstream table;
    figures::writeCsv(table, labels, std::vector<RunFigures>(labels.size()));
    std::istringstream lines(table.str());
    std::string line;
    std::getline(lines, line); // the header
    while (std::getline(lines, line)) {
        const bool quoted = line.starts_with('"');
        const std::string_view row = quoted ? std::string_view(line).substr(1) : std::string_view(line);
        const std::string_view cell = row.substr(0, row.find(quoted ? '"' : ','));
        const bool number =
            cell.size() > 1 && cell.find_first_not_of("0123456789.", 1) == std::string_view::npos;
        if (!cell.empty() && std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos &&
            !number) {
            std::fprintf(stderr, "a CSV cell a spreadsheet would run: \"%s\"\n", line.c_str());
            std::abort();
        }
    }
    const std::string svg = ladder::comparisonSvg(std::vector<ladder::Description>(labels.size()), labels,
                                                  ladder::Layout{}, ladder::palette(false), false);
    if (!fitForXml(svg)) {
        std::fprintf(stderr, "a drawing that is not XML text\n");
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const RunFileResult read = readRunText(text);
    if (!read.script) {
        if (read.error.empty() || read.error.back() != '.' || !isPlainSentence(read.error)) {
            std::fprintf(stderr, "refused without a sentence: \"%s\"\n", read.error.c_str());
            std::abort();
        }
        return 0;
    }
    if (!isPlainSentence(read.script->title) || !isPlainSentence(read.script->note)) {
        std::fprintf(stderr, "a title or note that is not plain text\n");
        std::abort();
    }
    const RunFileResult again = readRunText(writeRunText(*read.script));
    if (!again.script || !(*again.script == *read.script)) {
        std::fprintf(stderr, "a run read from a file did not survive writing and reading: %s\n",
                     again.error.c_str());
        std::abort();
    }
    (void)startState(*read.script);
    checkExports(*read.script);
    return 0;
}
