#include "core/state_digest.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace {

// Where a value lives: "TxBase", "lblTx[3].Caption", "cmdReset.Caption".
struct FieldName {
    const char* owner;
    int index = -1; // element of a control array; -1 for a single control or variable
    const char* member = nullptr;
};

// Calls visit.number, visit.colour or visit.text once for every variable and
// control property, always in the same order.
template <class Visitor> class StateWalk {
public:
    explicit StateWalk(Visitor& visit) : visit_(visit) {}

    void walk(const FormState& s)
    {
        number({"TxBase"}, s.TxBase);
        number({"TxOutstanding"}, s.TxOutstanding);
        number({"RxNext"}, s.RxNext);
        number({"LaunchHoldoff"}, s.LaunchHoldoff);
        number({"SeqModulus"}, s.SeqModulus);
        number({"ClickHoldoff"}, s.ClickHoldoff);
        number({"RecoveryWindow"}, s.RecoveryWindow);
        number({"LastAckSeq"}, s.LastAckSeq);
        number({"DupAckCount"}, s.DupAckCount);
        number({"TimeoutDrain"}, s.TimeoutDrain);
        number({"DelayedAckTicks"}, s.DelayedAckTicks);
        number({"UseSelective"}, s.UseSelective);
        number({"UseFastRetransmit"}, s.UseFastRetransmit);
        number({"UseSlowStart"}, s.UseSlowStart);
        number({"UseAvoidance"}, s.UseAvoidance);
        number({"UseDelayedAck"}, s.UseDelayedAck);
        number({"RxWindowBytes"}, s.RxWindowBytes);
        number({"TxWindowBytes"}, s.TxWindowBytes);
        number({"LossWindowBytes"}, s.LossWindowBytes);
        number({"FlightBytes"}, s.FlightBytes);
        number({"SSThreshBytes"}, s.SSThreshBytes);
        number({"SegmentBytes"}, s.SegmentBytes);
        number({"TxState"}, s.TxState);
        number({"HeldAckOffset"}, s.HeldAckOffset);
        for (int i = 0; i < SendQueueSlots; ++i)
            number({"SendQueue", i}, s.SendQueue[i]);
        number({"QueueHead"}, s.QueueHead);
        number({"QueueTail"}, s.QueueTail);
        messages("TxMessages", s.TxMessages);
        messages("RxMessages", s.RxMessages);
        number({"PacketShortageReported"}, s.PacketShortageReported);
        number({"AckShortageReported"}, s.AckShortageReported);

        for (int i = 0; i < geometry::CellCount; ++i)
            label({"lblTx", i}, s.lblTx[i]);
        for (int i = 0; i < geometry::CellCount; ++i)
            label({"lblRx", i}, s.lblRx[i]);
        for (int i = 0; i < geometry::CellCount; ++i) {
            number({"shpTimeOut", i, "Width"}, s.shpTimeOut[i].Width);
            text({"shpTimeOut", i, "Tag"}, s.shpTimeOut[i].Tag);
        }
        for (int i = 0; i < FlightSlots; ++i)
            flight({"cmdPacket", i}, s.cmdPacket[i]);
        for (int i = 0; i < FlightSlots; ++i)
            flight({"cmdACK", i}, s.cmdACK[i]);
        frame("shpTxWindow", s.shpTxWindow);
        frame("shpRxWindow", s.shpRxWindow);
        label({"lblTxInfo"}, s.lblTxInfo);
        label({"lblRxInfo"}, s.lblRxInfo);
        label({"lblState"}, s.lblState);
        for (int i = 0; i < static_cast<int>(s.lblTxWindow.size()); ++i)
            label({"lblTxWindow", i}, s.lblTxWindow[i]);
        for (int i = 0; i < 2; ++i)
            label({"lblRxWindow", i}, s.lblRxWindow[i]);
        for (int i = 0; i < 2; ++i)
            label({"lblTimeOut", i}, s.lblTimeOut[i]);
        for (int i = 0; i < 2; ++i)
            label({"lblSequences", i}, s.lblSequences[i]);
        label({"lblDupACKs"}, s.lblDupACKs);
        label({"lblSSThresh"}, s.lblSSThresh);
        text({"cmdReset", -1, "Caption"}, s.cmdReset.Caption);
        text({"cmdPause", -1, "Caption"}, s.cmdPause.Caption);
        checkBox("chkSlowStart", s.chkSlowStart);
        checkBox("chkAvoidance", s.chkAvoidance);
        checkBox("chkFastRetransmit", s.chkFastRetransmit);
        checkBox("chkSelective", s.chkSelective);
        checkBox("chkDelayedACK", s.chkDelayedACK);
        checkBox("chkAutoRTT", s.chkAutoRTT);
        checkBox("chkSlide", s.chkSlide);
        scrollBar("HScroll1", s.HScroll1);
        scrollBar("VScroll1", s.VScroll1);
        scrollBar("VScroll2", s.VScroll2);
        scrollBar("VScroll3", s.VScroll3);
        number({"Timer1", -1, "Enabled"}, s.Timer1.Enabled);
        number({"Timer1", -1, "Interval"}, s.Timer1.Interval);
        additions(s);
    }

private:
    // Options this program adds to the original come last, and the hash takes
    // them in only once one differs from its start-up value: a run that leaves
    // them alone keeps the digest it had before they existed, so recorded and
    // golden digests stay valid. The listing always shows them.
    void additions(const FormState& s)
    {
        const bool inOrderUntouched =
            s.UseInOrderReceiver == False && s.chkInOrderReceiver.Value == 0 && s.chkInOrderReceiver.Enabled;
        if (!inOrderUntouched || Visitor::ListsUntouchedAdditions) {
            number({"UseInOrderReceiver"}, s.UseInOrderReceiver);
            checkBox("chkInOrderReceiver", s.chkInOrderReceiver);
        }
        // Whether the box is enabled follows Selective Repeat, which the hash
        // already holds, so an unticked box counts as untouched either way.
        const bool goBackUntouched = s.UseGoBackN == False && s.chkGoBackN.Value == 0 && s.GoBackNext == -1;
        if (!goBackUntouched || Visitor::ListsUntouchedAdditions) {
            number({"UseGoBackN"}, s.UseGoBackN);
            number({"GoBackNext"}, s.GoBackNext);
            checkBox("chkGoBackN", s.chkGoBackN);
        }
        // Enabled follows Fast Retransmit, which the hash holds already.
        const bool tahoeUntouched =
            s.UseTahoeRule == False && s.chkTahoeRule.Value == 0 && s.TahoeAnswered == False;
        if (!tahoeUntouched || Visitor::ListsUntouchedAdditions) {
            number({"UseTahoeRule"}, s.UseTahoeRule);
            number({"TahoeAnswered"}, s.TahoeAnswered);
            checkBox("chkTahoeRule", s.chkTahoeRule);
        }
    }

    void number(FieldName name, std::int64_t value) { visit_.number(name, value); }
    void colour(FieldName name, Colour value) { visit_.colour(name, value); }
    void text(FieldName name, std::string_view value) { visit_.text(name, value); }

    void label(FieldName name, const Label& l)
    {
        name.member = "Caption";
        text(name, l.Caption);
        name.member = "ForeColor";
        colour(name, l.ForeColor);
        name.member = "Left";
        number(name, l.Left);
        name.member = "Top";
        number(name, l.Top);
        name.member = "Visible";
        number(name, l.Visible);
    }

    void flight(FieldName name, const FlightButton& b)
    {
        name.member = "Caption";
        text(name, b.Caption);
        name.member = "Left";
        number(name, b.Left);
        name.member = "Top";
        number(name, b.Top);
        name.member = "Width";
        number(name, b.Width);
        name.member = "Visible";
        number(name, b.Visible);
        name.member = "Tag";
        text(name, b.Tag);
        name.member = "TravelMarker";
        colour(name, b.TravelMarker);
    }

    void frame(const char* owner, const Frame& f)
    {
        number({owner, -1, "Left"}, f.Left);
        number({owner, -1, "Width"}, f.Width);
        number({owner, -1, "Visible"}, f.Visible);
    }

    void checkBox(const char* owner, const CheckBox& box)
    {
        text({owner, -1, "Caption"}, box.Caption);
        number({owner, -1, "Value"}, box.Value);
        number({owner, -1, "Enabled"}, box.Enabled);
    }

    void scrollBar(const char* owner, const ScrollBar& bar)
    {
        number({owner, -1, "Min"}, bar.Min);
        number({owner, -1, "Max"}, bar.Max);
        number({owner, -1, "SmallChange"}, bar.SmallChange);
        number({owner, -1, "LargeChange"}, bar.LargeChange);
        number({owner, -1, "Value"}, bar.value());
    }

    void messages(const char* owner, const std::array<MessageLine, MessageSlots>& store)
    {
        for (int i = 0; i < MessageSlots; ++i) {
            text({owner, i, "Text"}, store[i].Text);
            number({owner, i, "TicksLeft"}, store[i].TicksLeft);
            number({owner, i, "Priority"}, store[i].Priority);
        }
    }

    Visitor& visit_;
};

class Fnv1a {
public:
    static constexpr bool ListsUntouchedAdditions = false;
    void number(FieldName, std::int64_t value) { word(static_cast<std::uint64_t>(value)); }
    void colour(FieldName, Colour value) { word(value); }
    void text(FieldName, std::string_view value)
    {
        // The length first, so "ab","c" and "a","bc" hash apart.
        word(value.size());
        for (const char c : value)
            byte(static_cast<unsigned char>(c));
    }
    std::uint64_t value() const { return hash_; }

private:
    void byte(unsigned char b)
    {
        hash_ ^= b;
        hash_ *= 0x100000001b3ULL;
    }
    void word(std::uint64_t w)
    {
        for (int shift = 0; shift < 64; shift += 8)
            byte(static_cast<unsigned char>(w >> shift));
    }

    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

class Listing {
public:
    static constexpr bool ListsUntouchedAdditions = true;
    void number(FieldName name, std::int64_t value) { line(name, std::to_string(value)); }
    void colour(FieldName name, Colour value)
    {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "0x%06X", static_cast<unsigned>(value));
        line(name, buffer);
    }
    void text(FieldName name, std::string_view value)
    {
        std::string quoted = "\"";
        quoted += value;
        quoted += '"';
        line(name, quoted);
    }

    std::vector<std::pair<std::string, std::string>> lines;

private:
    void line(FieldName name, std::string value)
    {
        std::string key = name.owner;
        if (name.index >= 0) key += "[" + std::to_string(name.index) + "]";
        if (name.member != nullptr) {
            key += '.';
            key += name.member;
        }
        lines.emplace_back(std::move(key), std::move(value));
    }
};

Listing listingOf(const FormState& state)
{
    Listing listing;
    StateWalk<Listing>(listing).walk(state);
    return listing;
}

} // namespace

std::uint64_t stateDigest(const FormState& state)
{
    Fnv1a hash;
    StateWalk<Fnv1a>(hash).walk(state);
    return hash.value();
}

std::string dumpState(const FormState& state)
{
    std::string out;
    for (const auto& [name, value] : listingOf(state).lines)
        out += name + " = " + value + "\n";
    return out;
}

std::string stateDifferences(const FormState& a, const FormState& b, int maxLines)
{
    const auto left = listingOf(a).lines;
    const auto right = listingOf(b).lines;
    std::string out;
    int shown = 0;
    for (std::size_t i = 0; i < left.size() && i < right.size(); ++i) {
        if (left[i].second == right[i].second) continue;
        if (shown++ == maxLines) {
            out += "...\n";
            break;
        }
        out += left[i].first + ": " + left[i].second + " -> " + right[i].second + "\n";
    }
    return out;
}
