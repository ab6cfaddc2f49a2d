// libFuzzer target for the run file reader: any bytes are either refused with
// a sentence or read into a run that writes back to text reading the same,
// and whose start state can be built. Sentences, titles and notes are plain.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "history/run_file.h"
#include "tests/reliability/plain_text_check.h"

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
    return 0;
}
