// What the question finder and the question writer share: a small picture of
// the model taken before and after each tick of the look-ahead, and the event
// found between two of them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/colours.h"
#include "core/form.h"
#include "frontend/practice_questions.h"

namespace practice::detail {

// The few values the events are told by, cheap to take on every tick.
struct Snapshot {
    std::int16_t txOrigin = 0;
    std::int16_t rxOrigin = 0;
    std::int16_t txBase = 0;
    std::int16_t txOutstanding = 0;
    std::int16_t rxNext = 0;
    std::int16_t dupAcks = 0;
    std::int16_t seqModulus = 1;
    std::int32_t txState = 0;
    std::int32_t threshold = 0;
    std::int32_t window = 0;
    std::int32_t flight = 0;
    std::int32_t rxWindow = 0;
    std::int32_t segment = 1000;
    bool slowStart = false;
    bool avoidance = false;
    bool selective = false;
    bool inOrder = false;
    bool goBack = false;        // the go-back-N sender
    bool tahoe = false;         // Tahoe's rule answers the third duplicate ACK
    bool tahoeAnswered = false; // and has answered the count standing now
    int goBackNext = -1;        // the next packet a go-back round sends again; -1 none
    std::array<Colour, geometry::CellCount> tx{};
    std::array<Colour, geometry::CellCount> rx{};
    std::array<std::int32_t, geometry::CellCount> barWidth{};
    std::array<bool, geometry::CellCount> barRunning{};
    // What the next tick delivers: the packet arriving at the receiver (-1
    // none; packets leave at least ten ticks apart, so one at most) and the
    // packet the first arriving ACK asks for (-1 none).
    int arriving = -1;
    int ackAsksFor = -1;
    // The send queue, oldest first, and the packet launched by the tick that
    // led here (-1 none): together they tell which packets a tick queued.
    std::array<std::int16_t, SendQueueSlots> queue{};
    int queued = 0;
    int launched = -1;

    Colour txColour(int packet) const
    {
        const int cell = packet - txOrigin;
        return Form1::onStrip(cell) ? tx[cell] : colours::TxNotSent;
    }
    Colour rxColour(int packet) const
    {
        const int cell = packet - rxOrigin;
        return Form1::onStrip(cell) ? rx[cell] : colours::RxOutside;
    }
    int sequence(int packet) const { return packet % seqModulus; }
};

Snapshot take(const Form1& form);

// The packets the tick from `before` to `after` put on the send queue, in
// ascending order, whether or not they have already left again.
std::vector<int> queuedBetween(const Snapshot& before, const Snapshot& after);

struct Detected {
    Happening happening = Happening::WindowSlide;
    int packet = -1;          // the packet the event is about
    std::vector<int> packets; // resent packets; the aliased cell's packet
    // A timeout or fast retransmit that sets a go-back round going: every
    // packet it sends again until it is over, when the look-ahead saw it end.
    std::vector<int> round{};
    bool roundSeen = false;
};

// The events of one tick, most instructive first.
std::vector<Detected> detect(const Snapshot& before, const Snapshot& after);

// Adds what the tick from `before` to `after` queued below `sentEnd` to `into`,
// each packet once, in ascending order.
void addResends(std::vector<int>& into, const Snapshot& before, const Snapshot& after, int sentEnd);

// The question about `event`, from the pictures around its tick.
Question writeQuestion(const Detected& event, const Snapshot& before, const Snapshot& after, int ticksAhead,
                       unsigned variety);

// Texts the question writer and the explanations share.
std::string packetText(int packet);
std::int32_t halfOf(std::int32_t bytes, std::int32_t segment);

// The paragraph naming the rule the run followed (practice_explanations.cpp).
std::string explainTimeout(const Detected& e, const Snapshot& before, const Snapshot& after);
std::string explainFastRetransmit(const Detected& e, const Snapshot& before, const Snapshot& after);
std::string explainWindowChange(const Snapshot& before, const Snapshot& after);

} // namespace practice::detail
