// What the time-sequence diagram costs: working it out for a whole
// ten-minute run, following one live tick, drawing the part in view at
// 200 %, and its share of the record's memory budget.
// Ends with a met / not met line for each target. Times are medians.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "frontend/ladder_drawing.h"
#include "history/ladder_description.h"
#include "history/run_history.h"
#include "ui/qt/ladder_view.h"

namespace {

constexpr std::int32_t TenMinutes = 12000;
constexpr int Repetitions = 15;
using Steady = std::chrono::steady_clock;

template <typename Work> double medianMs(Work work)
{
    std::vector<double> times;
    for (int i = 0; i < Repetitions; ++i) {
        const auto start = Steady::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Steady::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + Repetitions / 2, times.end());
    return times[Repetitions / 2];
}

void verdict(bool met, const char* what) { std::printf("  [%s] %s\n", met ? "met" : "not met", what); }

// Windows of 16 kept full (the busiest the network gets), a packet or an ACK
// double-clicked away every 2000 ticks.
void playTenMinutes(Form1& form, RunHistory& history)
{
    for (const UserEvent& e :
         {UserEvent{EventKind::MoveSlider, static_cast<std::int16_t>(SliderId::TxWindow), 1},
          UserEvent{EventKind::MoveSlider, static_cast<std::int16_t>(SliderId::RxWindow), 1},
          UserEvent{EventKind::StartReset, 0, 0}})
        history.apply(form, e);
    for (std::int32_t t = 1; t <= TenMinutes; ++t) {
        const bool ack = t % 4000 == 0;
        if (t % 2000 == 0) {
            const auto& buttons = ack ? form.cmdACK : form.cmdPacket;
            for (std::int16_t slot = 0; slot < FlightSlots; ++slot) {
                if (!buttons[slot].Visible) continue;
                const UserEvent click{ack ? EventKind::ClickAck : EventKind::ClickPacket, slot, 0};
                history.apply(form, click);
                history.apply(form, click);
                break;
            }
        }
        history.tick(form);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    Form1 form;
    form.Form_Load();
    RunHistory history(form);
    playTenMinutes(form, history);
    const LadderTrace& trace = history.ladder();

    ladder::Description whole;
    const double describeMs = medianMs([&] { ladder::describeInto(whole, trace, history.trace(), 0, -1); });

    // One live tick: the flight buttons compared across a tick, on a copy
    // of the run's last 1000 ticks replayed.
    Form1 replayed = history.recorder().stateAt(TenMinutes - 1000);
    LadderTrace live(replayed);
    FlightSnapshot before;
    std::vector<double> tickUs;
    for (std::int32_t t = TenMinutes - 999; t <= TenMinutes; ++t) {
        before.capture(replayed);
        replayed.Timer1_Timer();
        const auto start = Steady::now();
        live.recordTick(before, replayed, t);
        tickUs.push_back(std::chrono::duration<double, std::micro>(Steady::now() - start).count());
    }
    std::sort(tickUs.begin(), tickUs.end());
    const double tickMedianUs = tickUs[tickUs.size() / 2];
    const double tickWorstUs = tickUs.back();

    // The view at 200 %: 720 pixels of height show 180 ticks; the busiest stretch is drawn.
    ladder::Layout layout;
    layout.scale = 2;
    layout.width = 640;
    const std::int32_t from = TenMinutes - 400;
    QImage image(static_cast<int>(layout.width * layout.scale), 720, QImage::Format_ARGB32_Premultiplied);
    ladder::Description view;
    const double drawMs = medianMs([&] {
        ladder::describeInto(view, trace, history.trace(), from, from + 180);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintLadder(painter, view, layout, ladder::palette(false), true);
    });

    const std::size_t ladderBytes = trace.approximateBytes();
    const std::size_t recordBytes = history.approximateBytes();
    std::printf("Ladder of a %d-tick run: %zu lines, %zu marks; worked out in %.2f ms\n", TenMinutes,
                whole.lines.size(), whole.marks.size(), describeMs);
    std::printf("One live tick's update: median %.2f us, worst %.2f us\n", tickMedianUs, tickWorstUs);
    std::printf("Drawing 180 ticks in view at 200 %%: %.2f ms (%zu lines)\n", drawMs, view.lines.size());
    std::printf("Memory: the diagram's record %zu KB, the whole record %zu KB of %zu MB\n", ladderBytes >> 10,
                recordBytes >> 10, RunHistory::DefaultBudgetBytes >> 20);
    verdict(describeMs <= 20, "ladder of a 12,000-tick run worked out in at most 20 ms");
    verdict(tickMedianUs < 50, "one live tick's ladder update under 50 us");
    verdict(drawMs < 16, "drawing the visible ladder at 200 % under 16 ms");
    verdict(recordBytes <= RunHistory::DefaultBudgetBytes, "record with the ladder within its 64 MB budget");
    return 0;
}
