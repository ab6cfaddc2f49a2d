// The two engine states the benchmarks measure, reached the way a user reaches
// them: through the window's own events, never by writing the state directly.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

#include "core/form.h"

namespace bench {

// Form_Load and a click on Start: the clock runs and nothing has been sent yet.
inline Form1 justStarted()
{
    Form1 form;
    form.Form_Load();
    form.cmdReset_Click();
    return form;
}

// A user who, at most every LossSpacingTicks ticks, loses a packet or an ACK
// (alternately) by a quick double click on the lowest visible button. The user
// waits for a busy screen, at least BusyScreen buttons in flight, and looks
// only every LookEveryTicks ticks: a loss at any quiet moment would hit the one
// packet a timed-out sender has in flight and keep the run idle.
class LossInjector {
public:
    static constexpr long LossSpacingTicks = 200;
    static constexpr long LookEveryTicks = 20;
    static constexpr int BusyScreen = 8;

    void beforeTick(Form1& form)
    {
        if (++sinceLoss_ < LossSpacingTicks || sinceLoss_ % LookEveryTicks != 0) return;
        if (buttonsInFlight(form) < BusyScreen) return;
        const Click packet = &Form1::cmdPacket_Click;
        const Click ack = &Form1::cmdACK_Click;
        if (ackNext_) {
            if (!loseOne(form, form.cmdACK, ack)) loseOne(form, form.cmdPacket, packet);
        } else {
            if (!loseOne(form, form.cmdPacket, packet)) loseOne(form, form.cmdACK, ack);
        }
        ackNext_ = !ackNext_;
        sinceLoss_ = 0;
        ++losses_;
    }

    long losses() const { return losses_; }

private:
    using Click = void (Form1::*)(std::int16_t);

    static bool loseOne(Form1& form, const std::array<FlightButton, FlightSlots>& buttons, Click click)
    {
        for (std::int16_t slot = 0; slot < FlightSlots; ++slot) {
            if (!buttons[slot].Visible) continue;
            (form.*click)(slot); // holds it
            (form.*click)(slot); // and, within the hold-off, removes it
            return true;
        }
        return false;
    }

    static int buttonsInFlight(const Form1& form)
    {
        int count = 0;
        for (int slot = 0; slot < FlightSlots; ++slot)
            count += (form.cmdPacket[slot].Visible ? 1 : 0) + (form.cmdACK[slot].Visible ? 1 : 0);
        return count;
    }

    long sinceLoss_ = 0;
    long losses_ = 0;
    bool ackNext_ = false;
};

inline constexpr int BusyWarmupTicks = 4000;

// Windows of 16 packets, every option ticked (Slow Start first, so that the
// boxes that depend on it are enabled), started, and run with losses until
// slow start has long opened the window.
inline Form1 busy()
{
    Form1 form;
    form.Form_Load();
    form.VScroll1.setValue(1); // transmit window 16 packets
    form.VScroll2.setValue(1); // receive window 16 packets
    for (CheckBox* box : {&form.chkSlowStart, &form.chkAvoidance, &form.chkFastRetransmit, &form.chkSelective,
                          &form.chkDelayedACK, &form.chkAutoRTT, &form.chkSlide})
        form.clickCheckBox(*box);
    form.cmdReset_Click();

    LossInjector loss;
    for (int tick = 0; tick < BusyWarmupTicks; ++tick) {
        loss.beforeTick(form);
        form.Timer1_Timer();
    }
    return form;
}

// A busy run stays representative for this many ticks before it is restored
// from its warmed-up copy; far fewer than it takes to use up the packet numbers.
inline constexpr int BusyRestoreTicks = 20000;

// What a stretch of ticks looked like, to show that a state is as busy as claimed.
struct RunProfile {
    long ticks = 0;
    long packetsInFlight = 0; // summed over the ticks
    long acksInFlight = 0;
    long windowSegments = 0;
    std::array<long, 6> ticksInState{};
    std::int16_t firstTxBase = -1;
    std::int16_t lastTxBase = 0;
    bool clockStopped = false;

    void record(const Form1& form)
    {
        if (firstTxBase < 0) firstTxBase = form.TxBase;
        lastTxBase = form.TxBase;
        ++ticks;
        for (int slot = 0; slot < FlightSlots; ++slot) {
            packetsInFlight += form.cmdPacket[slot].Visible ? 1 : 0;
            acksInFlight += form.cmdACK[slot].Visible ? 1 : 0;
        }
        windowSegments += form.TxWindowBytes / form.SegmentBytes;
        if (form.TxState >= 0 && form.TxState < static_cast<int>(ticksInState.size()))
            ++ticksInState[form.TxState];
        clockStopped = clockStopped || !form.Timer1.Enabled;
    }
};

} // namespace bench
