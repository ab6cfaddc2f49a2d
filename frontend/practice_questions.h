// Practice questions about the run on screen, answered by the run itself.
//
// The whole simulation is plain data, so a copy of the model can be run ahead
// of the one on screen. findQuestion does exactly that, tick by tick, and
// watches each tick of the copy for a teachable moment: a retransmission
// timeout, the fast-retransmit entry, the transmit window changing on an ACK,
// a packet dropped by the in-order receiver, a packet taken in under another
// packet's number (aliasing), the receive window jumping over held packets,
// the send window sliding on. The right choice is what the copy then shows;
// the wrong ones come from the rules students commonly apply instead (the
// threshold not halved, the whole window resent, an ACK for the packet that
// arrived rather than the one awaited). The engine is never hooked: the copy
// runs Timer1_Timer like the window does, and the question reads its figures.
//
// Nothing here knows a toolkit: the desktop window and the page only show the
// question and pass the answer back (see practice.h for the session).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/form.h"
#include "history/network_look_ahead.h"

namespace practice {

// What happens in the run that the question is about.
enum class Happening : std::uint8_t {
    Timeout,        // a retransmission timer runs out
    FastRetransmit, // the third duplicate ACK makes the sender resend at once
    InOrderDrop,    // the in-order receiver drops a packet it did not expect
    AliasedArrival, // a packet is taken in under another packet's number
    GapFilled,      // an arrival completes a run of held packets
    WindowChange,   // an ACK changes the transmit window
    WindowSlide,    // an ACK slides the send window on
};
inline constexpr int HappeningCount = 7;

// What the question asks for. Each is read off the window after the event.
enum class Asked : std::uint8_t {
    Threshold,         // the SSThresh figure
    TxWindow,          // the Tx Window Size figure
    ResentPackets,     // the packets queued again on the event's tick
    RoundResends,      // the packets a go-back round sends again, from the event's tick to its end
    ReceiverAsksFor,   // RxNext: the packet the receiver's ACK asks for
    CellTakenInto,     // the receiver cell the arriving packet is taken into
    SenderWindowStart, // TxBase: the oldest packet not yet acknowledged
};

struct Question {
    Happening happening = Happening::WindowSlide;
    Asked asked = Asked::TxWindow;
    // The event runs in the tick that ends ticksAhead ticks from the moment
    // the question was built: the tick count then is the event's tick.
    int ticksAhead = 0;
    std::string prompt;
    // Three or four, all different; choices[right] is what the run does.
    std::vector<std::string> choices;
    int right = 0;
    // One paragraph naming the rule, shown once the event has happened.
    std::string explanation;
    // The packet the event is about (the one timing out, arriving, resent
    // first or acknowledged up to), for marking it on the window.
    int packet = -1;
    // Written by a lesson's teacher rather than found by the look-ahead.
    bool fromLesson = false;
};

struct Finding {
    // Looks this many ticks ahead at most.
    int horizon = 300;
    // The question is about an event at least this many ticks away, so the
    // student sees it coming; the prompt says how many.
    int leastAhead = 4;
    // Picks among the questions an event allows, so that a run of one kind
    // of event still asks different things.
    unsigned variety = 0;
};

// The first teachable event of the most instructive kind within the horizon
// (a timeout before a fast retransmit before ... before a slide), and a
// question about it, asked `ticksAhead` ticks before. Nothing when the clock
// is off, or nothing teachable happens in time. `form` is not changed.
// `network` is the run's network from here on (RunHistory::networkAhead()):
// the copy loses what the run will lose.
std::optional<Question> findQuestion(const Form1& form, const Finding& finding = {},
                                     const NetworkLookAhead& network = {});

// The texts the window shows for a figure, as the choices write them.
std::string windowFigure(std::int32_t bytes, std::int32_t segment);
std::string thresholdFigure(std::int32_t bytes, std::int32_t segment);
// "packet 7", "packets 7 and 9", "packets 7 to 12", "packets 3, 5 and 9";
// each packet once, in ascending order, whatever order they are given in.
std::string packetList(std::vector<int> packets);

const char* happeningName(Happening happening);

} // namespace practice
