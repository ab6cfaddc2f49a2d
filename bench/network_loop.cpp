// Plays one of the network benchmark's runs once, inside one function, for
// callgrind to count its instructions: a ratio of two instruction counts
// repeats exactly, where a ratio of two timings on a shared machine does not.
//
//   valgrind --tool=callgrind --toggle-collect='*measuredRun*' network_loop RUN
//
// RUN is one of: without-losses, random-losses, checked-for-losses,
// one-configuration, three-protocols, three-times-go-back-n.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "bench/network_scenarios.h"

namespace {

using namespace bench::network;

// Everything the figure counts happens in here; preparing its arguments
// (start-up, the presets' configurations) is left outside.
[[gnu::noinline]] std::int32_t measuredRun(std::string_view run, const Form1& loadedForm,
                                           const std::vector<Comparison::Configuration>& compared)
{
    if (run == "without-losses") return followBusy(loadedForm, noLosses());
    if (run == "random-losses") return followBusy(loadedForm, tenPercent());
    if (run == "checked-for-losses") return followBusy(loadedForm, neverFiring());
    return playComparison(compared);
}

const char* presetsOf(std::string_view run)
{
    if (run == "one-configuration") return "go-back-n";
    if (run == "three-protocols") return "stop-and-wait,go-back-n,selective-repeat";
    if (run == "three-times-go-back-n") return "go-back-n,go-back-n,go-back-n";
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string_view run = argc > 1 ? argv[1] : "";
    const bool busy = run == "without-losses" || run == "random-losses" || run == "checked-for-losses";
    const char* presets = presetsOf(run);
    if (!busy && presets == nullptr) {
        std::fprintf(stderr,
                     "usage: %s without-losses | random-losses | checked-for-losses | one-configuration | "
                     "three-protocols | three-times-go-back-n\n",
                     argv[0]);
        return EXIT_FAILURE;
    }
    const Form1 loadedForm = loaded();
    const auto compared = presets ? configurations(presets) : std::vector<Comparison::Configuration>{};
    std::printf("%s: packet %d reached\n", argv[1], static_cast<int>(measuredRun(run, loadedForm, compared)));
    return EXIT_SUCCESS;
}
