// Form1: the whole sliding-window demonstration, without a screen.
//
// Every variable of the simulation and every property of the window's controls
// that the simulation reads or writes lives here as plain data. The window
// (ui/qt) forwards its events to the public handlers below and mirrors the
// control properties; tests drive the same surface tick by tick.
//
// Member functions are defined in the file of the subsystem they belong to:
//   core/startup.cpp          construction, Form_Load, ResetSimulation, run control
//   core/tick.cpp             Timer1_Timer and the steps it runs itself
//   core/loss_by_click.cpp    clicks on packets and ACKs in flight
//   sender/sending.cpp        SendNewPackets, QueuePacket, LaunchPacket
//   sender/ack_processing.cpp AckArrived, the fast-retransmit entry (Reno's and Tahoe's)
//   sender/retransmission.cpp timers, first-packet rule, selective scan, RetransmitPacket
//   sender/go_back.cpp        the go-back-N sender's round of resends after a timeout
//   receiver/packet_arrival.cpp PacketArrived, release of a held ACK
//   receiver/ack_generation.cpp SendAck
//   settings/option_box_handlers.cpp  the option boxes' click handlers and ApplyOptions
//   settings/slider_handlers.cpp      the four sliders' change handlers
//   core/strips.cpp           strips, window frames and sliding
//   core/state_display.cpp    figures, state name and the two commentary lines
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/controls.h"
#include "core/geometry.h"
#include "core/numbers.h"

// One candidate for a commentary line.
struct MessageLine {
    std::string Text;
    std::int16_t TicksLeft = 0; // ticks until it expires; 0 = free
    std::int16_t Priority = 0;  // the higher wins the line

    bool operator==(const MessageLine&) const = default;
};

inline constexpr int FlightSlots = 16;
inline constexpr int SendQueueSlots = 15;
inline constexpr int MessageSlots = 6;

// Packet numbers are 16-bit; the strips and windows add up to 19 to them, so a
// run stops before it would hand out this number.
inline constexpr std::int16_t PacketNumberLimit = 32749;

// Sender states (TxState).
namespace txstate {
inline constexpr std::int32_t Normal = 0;
inline constexpr std::int32_t SlowStart = 1;
inline constexpr std::int32_t TimedOut = 2;
inline constexpr std::int32_t Avoidance = 3; // named, never entered: avoidance runs in SlowStart
inline constexpr std::int32_t FastRetransmit = 4;
inline constexpr std::int32_t Selective = 5;
} // namespace txstate

// Flags are 0 (off) and -1 (on), as the original program kept them.
inline constexpr std::int16_t True = -1;
inline constexpr std::int16_t False = 0;

// Everything that makes up the state of a run, comparable as a whole.
struct FormState {
    // --- Simulation variables (16-bit counts, packet numbers, indexes and flags) ---
    std::int16_t TxBase = 0;          // oldest unacknowledged packet: left edge of the sender window
    std::int16_t TxOutstanding = 0;   // packets TxBase .. TxBase + TxOutstanding - 1 are out
    std::int16_t RxNext = 0;          // packet the receiver expects next
    std::int16_t LaunchHoldoff = 0;   // ticks before the next launch may leave
    std::int16_t SeqModulus = 0;      // distinct sequence numbers, 1..32
    std::int16_t ClickHoldoff = 0;    // ticks during which a click removes a flight slot
    std::int16_t RecoveryWindow = 0;  // bytes; window restored when the Selective state ends
    std::int16_t LastAckSeq = 0;      // sequence number of the last ACK; -1 none
    std::int16_t DupAckCount = 0;     // duplicate ACKs in a row
    std::int16_t TimeoutDrain = 0;    // twips x 2.9 a running timer bar loses per tick
    std::int16_t DelayedAckTicks = 0; // ticks before a held ACK goes out
    std::int16_t UseSelective = False;
    std::int16_t UseFastRetransmit = False;
    std::int16_t UseSlowStart = False;
    std::int16_t UseAvoidance = False;
    std::int16_t UseDelayedAck = False;
    // The receiver keeps only the packet it expects next and drops every other
    // one, as a textbook go-back-N receiver does (an addition to the original).
    std::int16_t UseInOrderReceiver = False;
    // On a timeout the sender goes back over every packet not yet
    // acknowledged and sends them all again, as a textbook go-back-N sender
    // does (an addition to the original).
    std::int16_t UseGoBackN = False;
    // The next packet such a go-back round sends again; -1 while no round is under way.
    std::int16_t GoBackNext = -1;
    // The third duplicate ACK is answered as TCP Tahoe does: the oldest packet
    // is resent and slow start begins again from one segment, instead of fast
    // recovery (an addition to the original; it acts only with fast retransmit).
    std::int16_t UseTahoeRule = False;
    // Tahoe's rule has answered the duplicate-ACK count standing now; the next
    // ACK, which changes the count, clears it.
    std::int16_t TahoeAnswered = False;

    // --- 32-bit byte counts and the sender state ---
    std::int32_t RxWindowBytes = 0;
    std::int32_t TxWindowBytes = 0;   // congestion window
    std::int32_t LossWindowBytes = 0; // window installed by new ACKs after a timeout
    std::int32_t FlightBytes = 0;     // recounted at the end of every tick
    std::int32_t SSThreshBytes = 0;
    std::int32_t SegmentBytes = 0;
    std::int32_t TxState = txstate::Normal;
    std::int32_t HeldAckOffset = 0; // byte offset whose ACK is held back; -1 none

    // --- Send queue: a ring of 15 packet numbers, one slot always empty ---
    std::array<std::int16_t, SendQueueSlots> SendQueue{};
    std::int16_t QueueHead = 0; // next to read
    std::int16_t QueueTail = 0; // next to write

    // --- Commentary candidates, six per side ---
    std::array<MessageLine, MessageSlots> TxMessages{};
    std::array<MessageLine, MessageSlots> RxMessages{};

    // A "Run Out of Packets to Send" box is shown once per shortage of flight
    // slots, not on every tick while the shortage lasts.
    bool PacketShortageReported = false;
    bool AckShortageReported = false;

    // --- Controls ---
    std::array<Label, geometry::CellCount> lblTx{};
    std::array<Label, geometry::CellCount> lblRx{};
    std::array<TimeoutBar, geometry::CellCount> shpTimeOut{};
    std::array<FlightButton, FlightSlots> cmdPacket{};
    std::array<FlightButton, FlightSlots> cmdACK{};
    Frame shpTxWindow;
    Frame shpRxWindow;
    Label lblTxInfo; // sender commentary line
    Label lblRxInfo; // receiver commentary line
    Label lblState;  // sender state name
    // 0 "Tx Window Size", 1 its figure, 2 "Current Flight Size", 3 its figure,
    // 4 "Duplicate ACKs", 5 "SSThresh".
    std::array<Label, 6> lblTxWindow{};
    std::array<Label, 2> lblRxWindow{};  // title, figure
    std::array<Label, 2> lblTimeOut{};   // title, figure
    std::array<Label, 2> lblSequences{}; // title, figure (highest sequence number)
    Label lblDupACKs;
    Label lblSSThresh;
    Button cmdReset;
    Button cmdPause;
    CheckBox chkSlowStart;
    CheckBox chkAvoidance;
    CheckBox chkFastRetransmit;
    CheckBox chkSelective;
    CheckBox chkDelayedACK;
    CheckBox chkAutoRTT;
    CheckBox chkSlide;
    // Not drawn in the window, which keeps its original layout: menus offer it.
    CheckBox chkInOrderReceiver;
    CheckBox chkGoBackN;                 // disabled while Selective Repeat is ticked
    CheckBox chkTahoeRule;               // enabled while Fast Retransmit is in force
    ScrollBar HScroll1{1, 20, 1, 2, 1};  // timeout setting
    ScrollBar VScroll1{1, 16, 1, 1, 15}; // transmit window, 17 - value packets
    ScrollBar VScroll2{1, 16, 1, 1, 13}; // receive window, 17 - value packets
    ScrollBar VScroll3{1, 32, 1, 2, 13}; // sequence space, 33 - value numbers
    Clock Timer1;

    bool operator==(const FormState&) const = default;
};

class Form1 : public FormState {
public:
    Form1();
    Form1(const Form1& other);
    Form1& operator=(const Form1& other);
    ~Form1() = default;

    // The window shows the modal box with one OK button; tests record the text.
    std::function<void(const std::string&)> showMessageBox;

    // --- Events ---
    void Form_Load();
    void Timer1_Timer();
    void cmdReset_Click();
    void cmdPause_Click();
    void cmdPacket_Click(std::int16_t index);
    void cmdACK_Click(std::int16_t index);
    void chkSlowStart_Click();
    void chkAvoidance_Click();
    void chkFastRetransmit_Click();
    void chkSelective_Click();
    void chkDelayedACK_Click();
    void chkInOrderReceiver_Click();
    void chkGoBackN_Click();
    void chkTahoeRule_Click();
    void HScroll1_Change();
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    // A user's click on a check box: toggles it (when enabled) and runs its handler.
    void clickCheckBox(CheckBox& box);

    // --- Procedures ---
    void ResetSimulation();
    void SendNewPackets();
    void QueuePacket(std::int16_t packet);
    void LaunchPacket();
    void AckArrived(std::int32_t value);
    void RetransmitPacket(std::int16_t packet);
    void PacketArrived(std::int32_t byteOffset);
    void SendAck(std::int32_t byteOffset);
    void ApplyOptions();
    void ShowState();
    void RefreshTxStrip(std::int16_t& base, std::int16_t& count);
    void RefreshRxStrip();
    void SlideStrips();
    void SlideTxStrip();
    void SlideRxStrip();
    void AddMessageLine(bool senderSide, std::int16_t ticks, std::int16_t priority, std::string_view text);
    void AgeMessages();

    // --- Reading the strips ---
    // The number shown in cell 0: packet n lives in cell n - origin.
    std::int16_t txOrigin() const
    {
        return tickOrigins_.known ? tickOrigins_.tx
                                  : static_cast<std::int16_t>(numbers::parseWhole(lblTx[0].Caption));
    }
    std::int16_t rxOrigin() const
    {
        return tickOrigins_.known ? tickOrigins_.rx
                                  : static_cast<std::int16_t>(numbers::parseWhole(lblRx[0].Caption));
    }
    static bool onStrip(int cell) { return cell >= 0 && cell <= geometry::LastCell; }
    bool sendQueueFull() const;

    // The tick keeps the standing lines it composed and what the figures were
    // drawn from, and skips that work while nothing behind them changes. Code
    // that writes captions or figures behind the handlers' back calls this so
    // that the next tick draws everything again.
    void forgetDrawnTexts();

private:
    void bindScrollBars();
    void reserveTextRoom();
    void reportMessage(std::string_view text);

    // Steps of the tick that belong to other subsystems.
    void RunRetransmissionTimers();
    void ApplyFirstPacketRule();
    void EnterFastRetransmitIfDue();
    void EnterTahoeRetransmit();
    void ReleaseHeldAck();
    void ScanForSelectiveResends();
    bool ContinueGoBack();
    void goBackFrom(int packet);
    [[gnu::noinline]] void SlideTxStripOneCell();
    [[gnu::noinline]] void SlideRxStripOneCell();
    void PostStandingLines();
    void RecountFlight();
    bool StopAtPacketNumberLimit();

    // The numbers in cell 0 of the two strips, read from their captions once
    // a tick rather than at each of the dozen places a tick asks for them.
    // Known only while a tick runs: the slides, the only steps of a tick that
    // move a strip, read them again, and so does the end of a message box in
    // case its owner touched the form meanwhile. Outside a tick every call
    // reads the caption, so code that writes captions directly needs no care.
    struct StripOrigins {
        bool known = false;
        std::int16_t tx = 0;
        std::int16_t rx = 0;
    };
    StripOrigins tickOrigins_;
    class TickOriginsScope;
    void readStripOrigins();

    // The last composed standing line of a side and what it was composed from.
    struct StandingLine {
        std::int64_t key = -1;
        numbers::TextBuilder text;
    };
    StandingLine senderLine_;
    StandingLine receiverLine_;

    // What the figures were last drawn from. Most ticks change none of it, and
    // drawing them again would write the same texts and slider positions. The
    // slider handlers, the only other writers of the window figures, forget it.
    struct FigureInputs {
        std::int32_t txWindow;
        std::int32_t rxWindow;
        std::int32_t flight;
        std::int32_t threshold;
        std::int32_t segment;
        std::int32_t state;
        bool operator==(const FigureInputs&) const = default;
    };
    std::optional<FigureInputs> shownFigures_;
    FigureInputs figureInputs() const
    {
        return {TxWindowBytes, RxWindowBytes, FlightBytes, SSThreshBytes, SegmentBytes, TxState};
    }

    void StoreMessage(bool senderSide, std::int16_t ticks, std::int16_t priority, std::string_view text);
    void RefreshLine(bool senderSide);
};
