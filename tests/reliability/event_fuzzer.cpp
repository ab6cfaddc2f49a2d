// libFuzzer target: any bytes are a sequence of user events (see
// byte_events.h) applied to a started form, with every invariant checked
// after every event. A broken invariant aborts with its report, so the fuzzer
// keeps the input that led there.
#include <cstdio>
#include <cstdlib>

#include "core/events.h"
#include "core/form.h"
#include "core/invariants.h"
#include "tests/reliability/byte_events.h"

namespace {

// Keeps a single input from running for minutes: at 256 ticks a byte, a few
// hundred bytes could otherwise ask for an hour of simulated time.
constexpr long MaxTicksPerInput = 8000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Form1 form;
    form.showMessageBox = [](const std::string&) {};
    form.Form_Load();
    form.cmdReset_Click();

    reliability::ByteEvents events(data, size);
    UserEvent event;
    long ticks = 0;
    while (events.next(form, event)) {
        if (event.kind == EventKind::Tick && ++ticks > MaxTicksPerInput) break;
        reliability::CheckContext context;
        context.ackArrived =
            event.kind == EventKind::Tick && form.Timer1.Enabled && reliability::ackArrivesNextTick(form);
        applyEvent(form, event);
        const std::string broken = reliability::checkInvariants(form, context);
        if (!broken.empty()) {
            std::fprintf(stderr, "invariant broken after event kind %d, target %d, value %d:\n%s",
                         static_cast<int>(event.kind), event.target, event.value, broken.c_str());
            std::abort();
        }
    }
    return 0;
}
