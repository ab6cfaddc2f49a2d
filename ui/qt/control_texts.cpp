#include "ui/qt/control_texts.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <utility>

#include "core/geometry.h"
#include "frontend/view_texts.h"
#include "ui/qt/translation.h"

namespace control_texts {

namespace {

QString fromView(std::string_view text) { return translation::shown(text); }

constexpr std::array<std::pair<std::string_view, const char*>, 31> ToolTips = {{
    {"cmdReset", "Start: reset and run the clock. Reset: back to the start, clock stopped. (F5)"},
    {"cmdPause", "Pause stops the clock without changing anything; Cont runs it again. (F6)"},
    {"chkSlide", "Slide the strip numbers along as the windows move, so the windows stay in view."},
    {"chkSlowStart", "Slow start: the window starts at one packet and grows by one for every ACK."},
    {"chkAvoidance", "Congestion avoidance: above SSThresh the window grows by about one packet per "
                     "round trip."},
    {"chkFastRetransmit", "Fast retransmit and recovery: three duplicate ACKs resend the missing packet "
                          "at once, without waiting for its timeout."},
    {"chkSelective", "Selective repeat: the receiver keeps packets that arrive after a gap, and only "
                     "the missing ones are resent."},
    {"chkDelayedACK", "Delayed ACKs: the receiver waits for a second packet, or a while, before it "
                      "acknowledges."},
    {"chkAutoRTT", "Auto RTT: the timeout adjusts itself to the round trips it measures."},
    {"HScroll1", "Timeout timer: how long a sent packet waits for its ACK before it is sent again."},
    {"VScroll1", "Tx window size: how many packets the sender may have unacknowledged. Up for more."},
    {"VScroll2", "Rx window size: how many packets the receiver takes in ahead. Up for more."},
    {"VScroll3", "Max sequence number: sequence numbers count from 0 to this and start again. Up for "
                 "more."},
    {"lblTxInfo", "What the sender is doing."},
    {"lblRxInfo", "What the receiver is doing."},
    {"lblState", "The sender's state: normal, slow start, congestion avoidance or fast recovery."},
    {"lblTxWindow_0", "Tx window size: how many packets the sender may have unacknowledged."},
    {"lblTxWindow_1", "The sender's window, in packets."},
    {"lblTxWindow_2", "Current flight size: packets sent and not yet acknowledged."},
    {"lblTxWindow_3", "The flight size, in packets."},
    {"lblTxWindow_4", "Duplicate ACKs: ACKs that asked again for the same packet."},
    {"lblDupACKs", "How many duplicate ACKs have arrived in a row; three start a fast retransmit."},
    {"lblTxWindow_5", "SSThresh: above this window size, slow start gives way to congestion avoidance."},
    {"lblSSThresh", "The slow-start threshold, in packets."},
    {"lblRxWindow_0", "Rx window size: how many packets the receiver takes in ahead."},
    {"lblRxWindow_1", "The receiver's window, in packets."},
    {"lblTimeOut_0", "Timeout timer: how long a packet waits for its ACK before it is resent."},
    {"lblTimeOut_1", "The timeout setting; red when shorter than a round trip."},
    {"lblSequences_0", "Max sequence number: sequence numbers count from 0 to this and start again."},
    {"lblSequences_1", "The highest sequence number."},
    {"lblTx", "A sender cell: a packet's number. Its colour (and, with state marks on, its mark) "
              "says what has happened to the packet; View > Legend explains them."},
}};

} // namespace

QString flightRule() { return fromView(view_texts::FlightRule); }

QString toolTip(std::string_view objectName)
{
    const std::string_view base = objectName.substr(0, objectName.find('_'));
    if (base == "lblRx") {
        return QObject::tr("A receiver cell: a packet's number. Its colour (and, with state marks on, "
                           "its mark) says whether the receiver awaits or holds the packet; View > "
                           "Legend explains them.");
    }
    if (base == "cmdPacket") return QObject::tr("A packet on its way to the receiver. ") + flightRule();
    if (base == "cmdACK") return QObject::tr("An ACK on its way back to the sender. ") + flightRule();
    for (const auto& [name, text] : ToolTips) {
        if (name == objectName || name == base) return QObject::tr(text);
    }
    return {};
}

QString cellName(cell_states::Strip strip, const std::string& caption, Colour colour)
{
    const QString side =
        strip == cell_states::Strip::Sender ? QObject::tr("sender cell") : QObject::tr("receiver cell");
    const cell_states::CellState* state = cell_states::find(strip, colour);
    const QString number = QString::fromStdString(caption).trimmed();
    if (state == nullptr) return QStringLiteral("%1 %2").arg(side, number);
    return QStringLiteral("%1 %2: %3").arg(side, number, fromView(state->words));
}

QString cellDescription(cell_states::Strip strip, Colour colour)
{
    const cell_states::CellState* state = cell_states::find(strip, colour);
    return state == nullptr ? QString() : fromView(state->legend);
}

QString flightName(bool ack, const std::string& caption, bool held)
{
    return QString::fromStdString(view_texts::flightName(ack, caption, held));
}

QString sliderName(std::string_view objectName)
{
    if (objectName == "HScroll1") return QObject::tr("Timeout Timer");
    if (objectName == "VScroll1") return QObject::tr("Tx Window Size");
    if (objectName == "VScroll2") return QObject::tr("Rx Window Size");
    return QObject::tr("Max Sequence No");
}

QString sliderDescription(std::string_view objectName, const std::string& figure)
{
    const QString value = QString::fromStdString(figure).trimmed();
    if (objectName == "HScroll1") return QObject::tr("setting %1").arg(value);
    if (objectName == "VScroll3") return QObject::tr("highest sequence number %1").arg(value);
    return QObject::tr("%1 packets").arg(value);
}

QString flightAreaName() { return fromView(view_texts::FlightAreaName); }

QString flightAreaDescription() { return fromView(view_texts::FlightAreaDescription); }

QString backgroundToolTip(int x, int y)
{
    using namespace geometry;
    const int right = cellBoxLeft(LastCell) + CellBoxWidth;
    if (x >= CellBoxLeft && x < right) {
        if (y >= TimeoutBarTop && y < TimeoutBarTop + TimeoutBarHeight) {
            return QObject::tr("Timeout bar: runs down while the packet waits for its ACK; when it is "
                               "empty the packet is sent again.");
        }
        if (y >= TxFrameTop && y < TxFrameTop + TxFrameHeight) {
            return QObject::tr("The sender strip. The purple frame is the sender's window: the packets "
                               "it may send before an ACK comes back.");
        }
        if (y >= RxFrameTop && y < RxFrameTop + RxFrameHeight) {
            return QObject::tr("The receiver strip. The purple frame is the receiver's window: the "
                               "packets it takes in.");
        }
    }
    if (y > TxFrameTop + TxFrameHeight && y < RxFrameTop) {
        return QObject::tr("Packets travel down on the left, ACKs up on the right. ") + flightRule();
    }
    return {};
}

} // namespace control_texts
