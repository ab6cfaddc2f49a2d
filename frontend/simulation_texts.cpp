#include "frontend/simulation_texts.h"

#include <array>

#include "history/translatable.h"

namespace simulation_texts {

namespace {

using texts::translatable;

// As the model writes them; a number's leading blank is the blank before
// its placeholder.
constexpr std::array Texts = {
    // The run buttons and the option boxes.
    translatable("simulation", "Start"),
    translatable("simulation", "Reset"),
    translatable("simulation", "Pause"),
    translatable("simulation", "Cont"),
    translatable("simulation", "Slow Start"),
    translatable("simulation", "Avoidance"),
    translatable("simulation", "Fast Retransmit"),
    translatable("simulation", "Selective Repeat"),
    translatable("simulation", "Delayed ACKs"),
    translatable("simulation", "Auto RTT"),
    translatable("simulation", "Slide Numbers"),
    // The figures' names.
    translatable("simulation", "Tx Window Size"),
    translatable("simulation", "Current Flight Size"),
    translatable("simulation", "Duplicate ACKs"),
    translatable("simulation", "SSThresh"),
    translatable("simulation", "Rx Window Size"),
    translatable("simulation", "Timeout Timer"),
    translatable("simulation", "TimeOut Timer"),
    translatable("simulation", "Max Sequence No"),
    // The sender's states.
    translatable("simulation", "Normal"),
    translatable("simulation", "SlowStart"),
    translatable("simulation", "TimedOut"),
    translatable("simulation", "FastRetransmit"),
    translatable("simulation", "Selective"),
    translatable("simulation", "Unknown"),
    // Packets and ACKs in flight.
    translatable("simulation", "Packet X : Sequence Number X"),
    translatable("simulation", "ACK for X : Sent After Packet X Arrived"),
    translatable("simulation", "Packet %1 : Sequence Number %2"),
    translatable("simulation", "ACK with Seq Num %1 (packet %2) : Packet %3 Arrived"),
    // The commentary lines and the message box.
    translatable("simulation", "Press 'Start' to go..."),
    translatable("simulation", "Hoping for ACK with sequence number %1"),
    translatable("simulation", "Hoping for ACK with sequence number between %1 and %2"),
    translatable("simulation", "Waiting for packet %1 with sequence number %2"),
    translatable("simulation", "Transmit window now %1 only %2 in flight, so sending packet %3"),
    translatable("simulation",
                 "Sending ACK for packet %1 (sequence number %2) asking for packet with sequence number %3"),
    translatable("simulation", " %1 Duplicate ACK for sequence number %2 arrived"),
    translatable("simulation", "Non-Duplicate ACK arrived: leaving fast re-transmit."),
    translatable("simulation", "New ACK arrived: increasing window size to %1"),
    translatable("simulation",
                 "Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet %1"),
    translatable("simulation", "Third duplicate ACK arrived.  Tahoe: retransmitting packet %1 and starting "
                               "again from a window of one packet"),
    translatable("simulation", "Retransmitting packet %1"),
    translatable("simulation", "Going back: retransmitting packet %1"),
    translatable("simulation", "Run Out of Packets to Send"),
};

// The model holds them, but the original window never showed them: they
// read in the reader's language whatever the option says.
[[maybe_unused]] constexpr std::array WindowTexts = {
    translatable("window", "Receiver keeps only in-order packets"),
    translatable("window", "Sender resends the whole window on a timeout"),
    translatable("window", "Fast retransmit restarts slow start (Tahoe)"),
    translatable("window", "This run has used every packet number up to %1. Press Reset to start a new run."),
};

} // namespace

std::span<const std::string_view> all() { return Texts; }

} // namespace simulation_texts
