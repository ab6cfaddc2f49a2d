// libFuzzer target for the link parser: any query applies to a fresh model
// and yields at most MaxNotices notices and one "and more", each plain.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "frontend/link_settings.h"
#include "history/run_history.h"
#include "tests/reliability/plain_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    Form1 form;
    form.Form_Load();
    RunHistory history(form);
    const links::LinkOutcome outcome = links::applyLink(form, history, query);
    if (outcome.ignored.size() > links::MaxNotices + 1) {
        std::fprintf(stderr, "%zu notices for one link\n", outcome.ignored.size());
        std::abort();
    }
    for (const std::string& notice : outcome.ignored) {
        if (!isPlainSentence(notice) || notice.size() > 1000) {
            std::fprintf(stderr, "a notice that is not plain and short: \"%s\"\n", notice.c_str());
            std::abort();
        }
    }
    return 0;
}
