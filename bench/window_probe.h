// Measures a top-level Qt window the way a user meets it: how long from the
// launch of the program to the first frame on screen, and how much CPU and
// memory the process uses while the window runs.
//
//   PROGRAM first-frame LAUNCH_NS
//       LAUNCH_NS is the wall-clock time (ns since the epoch, as `date +%s%N`
//       prints it) just before the program was launched. Prints
//       "first-frame-ms X" once the first frame has been handed to the display
//       server, and exits.
//   PROGRAM animate SECONDS
//       Shows the window, waits for its first frame, starts the run, plays
//       its first FastForwardTicks ticks at once and lets it animate for
//       SECONDS. Prints "cpu-percent X" (process CPU, all threads, over those
//       seconds, as a share of one core), "peak-rss-kib N" (the peak resident
//       set of the whole process life), "ticks N" (the ticks the clock ran in
//       those seconds), "paints N" (paint events of all widgets over those
//       seconds) and "widgets N", then exits.
//
// The fast-forward measures a run as a class watches it, minutes in, rather
// than its first seconds: a chart that spans the whole run, for one, costs
// more once the run is longer than its shortest span.
#pragma once

#include <functional>

class QWidget;

struct ProbeHooks {
    // Ticks a run plays at once after Start, before the measured seconds: 30 s at 1x.
    static constexpr long FastForwardTicks = 600;

    std::function<void()> startRun;        // starts the window's animation; may be empty
    std::function<void(long)> fastForward; // plays that many ticks at once; may be empty
    std::function<long()> ticksRun;        // clock firings so far, to prove it animated; may be empty
};

// Shows the window, measures as asked by the arguments and returns the exit code.
int runWindowProbe(int argc, char* argv[], QWidget& window, const ProbeHooks& hooks);
