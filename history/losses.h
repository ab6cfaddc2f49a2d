// Losses a run is given: at random, at a rate, or planned packet by packet.
//
// Every loss is made by the model's own gesture, the one a user makes: two
// clicks on the travelling button within the click hold-off (one click when
// a hold-off is already running). RunHistory makes it on the tick at which
// the packet or ACK crosses the middle of the network (ladder::across() passes
// one half), and records the clicks as ordinary actions, so a run with losses
// replays, rewinds and saves exactly like one clicked by hand.
//
// Whether a trip is lost depends only on the seed, what it is (a packet or an
// ACK), its number and which transmission of it this is, never on timing:
// two configurations given the same losses lose the same packets, however
// differently their senders pace them.
//
// Numbers. A packet is known by its number, an ACK by the packet whose
// arrival sent it ("the ACK for packet 9"). Transmissions count from 1 within
// a run: the first trip of packet 5 is its transmission 1, a resend its 2.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PlannedLoss {
    enum class What : std::uint8_t { Packet, Ack };
    What what = What::Packet;
    std::int16_t number = 0;       // packet number; for an ACK, the packet whose arrival sent it
    std::int16_t transmission = 1; // 1 for the first trip

    bool operator==(const PlannedLoss&) const = default;
};

struct LossSettings {
    static constexpr int MaxPercent = 30;
    static constexpr std::size_t MaxPlanned = 200;

    int packetPercent = 0; // 0..MaxPercent
    int ackPercent = 0;    // 0..MaxPercent
    std::uint32_t seed = 1;
    std::vector<PlannedLoss> planned; // at most MaxPlanned, no repeats

    bool any() const { return packetPercent > 0 || ackPercent > 0 || !planned.empty(); }
    // Whether the trip so described is to be lost, planned or drawn.
    bool loses(PlannedLoss::What what, int number, int transmission) const;
    // Adds a planned loss unless it is there already or the plan is full;
    // says whether the plan changed.
    bool plan(const PlannedLoss& loss);

    bool operator==(const LossSettings&) const = default;
};

namespace losses {

// Packet numbers never reach this (the model stops well before), nor does a
// packet travel this many times in a run a class would watch.
inline constexpr int PacketNumberLimitForPlans = 32767;
inline constexpr int MaxTransmissionForPlans = 999;

// The plan as links and command lines write it: "p5,p7.2,a9" is the first
// transmission of packet 5, the second of packet 7 and the ACK for packet 9.
std::string planText(const std::vector<PlannedLoss>& planned);
// Reads such a text; an empty optional, and `error` set to a sentence naming
// the entry, for anything else. An empty text is an empty plan.
std::optional<std::vector<PlannedLoss>> readPlan(std::string_view text, std::string* error = nullptr);
// One planned loss as a person reads it: "packet 5", "packet 7 (transmission 2)",
// "the ACK for packet 9".
std::string describe(const PlannedLoss& loss);
// The whole setting in one line, for a status line or a table's caption:
// "Losses: 5 % of packets, 2 % of ACKs (seed 7), 2 planned"; "No losses".
std::string summary(const LossSettings& settings);

} // namespace losses
