// libFuzzer target for a link's run as it is read: any bytes, taken as the
// compressed run after "#run=", are inflated no further than a run file's
// limit (the smoke test runs it under a memory limit far below what a bomb
// would take whole) and either open or are refused with one plain sentence.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "frontend/run_link.h"
#include "tests/reliability/plain_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view compressed(reinterpret_cast<const char*>(data), size);
    const RunFileResult read = runlink::readPayload(runlink::base64UrlEncode(compressed));
    if (!read.script && (read.error.empty() || read.error.back() != '.' || !isPlainSentence(read.error))) {
        std::fprintf(stderr, "a link refused without a sentence: \"%s\"\n", read.error.c_str());
        std::abort();
    }
    return 0;
}
