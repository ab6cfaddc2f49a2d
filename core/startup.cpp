// Construction, start-up, reset and the two run-control buttons.
//
// Run control is the pair of captions plus the clock:
//
//   state            cmdReset  cmdPause  clock   Start/Reset -> Pause/Cont ->
//   Waiting          "Start"   "Pause"   off     Running        Waiting paused
//   Running          "Reset"   "Pause"   on      Waiting        Paused
//   Paused           "Reset"   "Cont"    off     Waiting        Running
//   Waiting paused   "Start"   "Cont"    off     Running        Free-running
//   Free-running     "Start"   "Pause"   on      Running        Waiting paused
//
// Only Start/Reset resets; Pause and Cont never touch the simulation state.
#include "core/form.h"
#include "core/numbers.h"

namespace {

void placeDesignControls(FormState& f)
{
    for (int i = 0; i < geometry::CellCount; ++i) {
        f.lblTx[i] = Label{"000", colours::Black, geometry::cellLabelLeft(i), geometry::TxCellTop, true};
        f.lblRx[i] = Label{"000", colours::Black, geometry::cellLabelLeft(i), geometry::RxCellTop, true};
        f.shpTimeOut[i] = TimeoutBar{geometry::FullTimeout, ""};
    }
    for (auto& button : f.cmdPacket) {
        button = FlightButton{"Packet X : Sequence Number X",
                              geometry::PacketLeft,
                              geometry::PacketLaunchTop,
                              geometry::PacketWidth,
                              false,
                              "",
                              colours::Travelling};
    }
    for (auto& button : f.cmdACK) {
        button = FlightButton{"ACK for X : Sent After Packet X Arrived",
                              geometry::AckLeft,
                              geometry::AckLaunchTop,
                              geometry::AckWidth,
                              false,
                              "",
                              colours::Travelling};
    }
    f.shpTxWindow = Frame{2700, 3435, true};
    f.shpRxWindow = Frame{1800, 1695, true};
    f.lblTxInfo = Label{"Label1", colours::Navy};
    f.lblRxInfo = Label{"Label1", colours::Navy};
    f.lblState = Label{"Label1", colours::Navy};
    f.lblTxWindow = {Label{"Tx Window Size"}, Label{"2"},       Label{"Current Flight Size"}, Label{"0"},
                     Label{"Duplicate ACKs"}, Label{"SSThresh"}};
    f.lblRxWindow = {Label{"Rx Window Size"}, Label{"2"}};
    f.lblTimeOut = {Label{"Timeout Timer"}, Label{"TimeOut Timer"}};
    f.lblSequences = {Label{"Max Sequence No"}, Label{"15"}};
    f.lblDupACKs = Label{"0"};
    f.lblSSThresh = Label{"0"};
    f.cmdReset = Button{"Reset"};
    f.cmdPause = Button{"Pause"};
    f.chkSlowStart = CheckBox{"Slow Start"};
    f.chkAvoidance = CheckBox{"Avoidance"};
    f.chkFastRetransmit = CheckBox{"Fast Retransmit"};
    f.chkSelective = CheckBox{"Selective Repeat"};
    f.chkDelayedACK = CheckBox{"Delayed ACKs"};
    f.chkAutoRTT = CheckBox{"Auto RTT"};
    f.chkSlide = CheckBox{"Slide Numbers"};
    f.chkInOrderReceiver = CheckBox{"Receiver keeps only in-order packets"};
    f.chkGoBackN = CheckBox{"Sender resends the whole window on a timeout"};
    f.chkTahoeRule = CheckBox{"Fast retransmit restarts slow start (Tahoe)"};
}

} // namespace

Form1::Form1()
{
    placeDesignControls(*this);
    bindScrollBars();
    reserveTextRoom();
}

Form1::Form1(const Form1& other)
    : FormState(other), showMessageBox(other.showMessageBox), senderLine_(other.senderLine_),
      receiverLine_(other.receiverLine_), shownFigures_(other.shownFigures_)
{
    bindScrollBars();
    reserveTextRoom();
}

Form1& Form1::operator=(const Form1& other)
{
    if (this != &other) {
        FormState::operator=(other);
        showMessageBox = other.showMessageBox;
        senderLine_ = other.senderLine_;
        receiverLine_ = other.receiverLine_;
        shownFigures_ = other.shownFigures_;
        bindScrollBars();
        reserveTextRoom();
    }
    return *this;
}

// The bars call back into their own form; a copied form must not call the original.
void Form1::bindScrollBars()
{
    HScroll1.bind(this, &Form1::HScroll1_Change);
    VScroll1.bind(this, &Form1::VScroll1_Change);
    VScroll2.bind(this, &Form1::VScroll2_Change);
    VScroll3.bind(this, &Form1::VScroll3_Change);
}

// Every text the program writes is well under this, so once a form has its
// room no tick needs the heap. A copied string only gets the room its text
// needs, hence the copies reserve again.
void Form1::reserveTextRoom()
{
    constexpr std::size_t room = 128;
    for (auto* store : {&TxMessages, &RxMessages}) {
        for (MessageLine& line : *store)
            line.Text.reserve(room);
    }
    for (auto* buttons : {&cmdPacket, &cmdACK}) {
        for (FlightButton& button : *buttons)
            button.Caption.reserve(room);
    }
    lblTxInfo.Caption.reserve(room);
    lblRxInfo.Caption.reserve(room);
}

void Form1::forgetDrawnTexts()
{
    senderLine_.key = -1;
    receiverLine_.key = -1;
    shownFigures_.reset();
}

void Form1::reportMessage(std::string_view text)
{
    if (!showMessageBox) return;
    showMessageBox(std::string(text));
    // Whoever showed the box may have changed the form meanwhile.
    if (tickOrigins_.known) readStripOrigins();
}

void Form1::Form_Load()
{
    SeqModulus = 16;
    lblSequences[1].Caption = numbers::plainText(SeqModulus - 1);
    VScroll3.setValue(33 - SeqModulus);

    LaunchHoldoff = 0;
    TimeoutDrain = 4;
    HScroll1.setValue(numbers::roundToInt32(25.0 / TimeoutDrain));
    lblTimeOut[1].Caption = numbers::plainText(HScroll1.value());

    cmdReset.Caption = "Start";

    RxWindowBytes = 8000;
    SegmentBytes = 1000;
    TxWindowBytes = 4000;
    LossWindowBytes = 1000;
    FlightBytes = 0;
    SSThreshBytes = 16000;

    // Sets the window sliders, whose handlers write the window figures that the
    // reset reads the receiver window back from.
    ShowState();
    ResetSimulation();
    Timer1.Enabled = false;
    ApplyOptions();
}

void Form1::ResetSimulation()
{
    for (int slot = 0; slot < FlightSlots; ++slot) {
        cmdPacket[slot].Visible = false;
        cmdPacket[slot].TravelMarker = colours::Travelling;
        cmdACK[slot].Visible = false;
        cmdACK[slot].TravelMarker = colours::Travelling;
    }
    PacketShortageReported = false;
    AckShortageReported = false;

    // The receiver window carries over from the figure on screen.
    RxWindowBytes = numbers::roundToInt32(numbers::parseNumber(lblRxWindow[1].Caption) * SegmentBytes);
    if (RxWindowBytes < TxWindowBytes) TxWindowBytes = RxWindowBytes;

    for (int i = 0; i < geometry::CellCount; ++i) {
        lblTx[i].Caption = numbers::plainText(i);
        lblRx[i].Caption = numbers::plainText(i);
        lblTx[i].ForeColor = colours::TxNotSent;
        lblRx[i].ForeColor = colours::RxOutside;
        lblTx[i].Left = geometry::cellLabelLeft(i);
        lblRx[i].Left = geometry::cellLabelLeft(i);
        lblTx[i].Top = geometry::TxCellTop;
        lblRx[i].Top = geometry::RxCellTop;
        stopTimer(shpTimeOut[i], 0);
    }

    SendQueue.fill(-1);
    GoBackNext = -1;
    TahoeAnswered = False;
    QueueTail = 0;
    QueueHead = 0;

    for (int i = 0; i < MessageSlots; ++i) {
        for (MessageLine* line : {&TxMessages[i], &RxMessages[i]}) {
            line->Text.clear(); // keeps its room, so later messages need no allocation
            line->TicksLeft = 0;
            line->Priority = 0;
        }
    }
    AddMessageLine(true, 40, 1, "");
    AddMessageLine(false, 40, 1, "Press 'Start' to go...");

    RxNext = 0;
    TxBase = 0;
    TxOutstanding = 0;
    RefreshRxStrip();
    RefreshTxStrip(TxBase, TxOutstanding);

    LastAckSeq = -1;
    DupAckCount = 0;
    lblTxWindow[4].Visible = UseFastRetransmit != False;
    lblDupACKs.Visible = UseFastRetransmit != False;

    RecoveryWindow = static_cast<std::int16_t>(16 * SegmentBytes);
    DelayedAckTicks = 0;
    HeldAckOffset = -1;
    TxState = txstate::Normal;
    if (UseSlowStart) {
        TxState = txstate::SlowStart;
        TxWindowBytes = 2 * SegmentBytes;
        SSThreshBytes = 16 * SegmentBytes;
    }
    ShowState();
}

void Form1::cmdReset_Click()
{
    const bool starting = cmdReset.Caption == "Start";
    cmdReset.Caption = starting ? "Reset" : "Start";
    cmdPause.Caption = "Pause";
    ResetSimulation();
    Timer1.Enabled = starting;
}

void Form1::cmdPause_Click()
{
    const bool pausing = cmdPause.Caption == "Pause";
    cmdPause.Caption = pausing ? "Cont" : "Pause";
    Timer1.Enabled = !pausing;
}
