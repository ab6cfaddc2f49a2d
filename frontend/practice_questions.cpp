// Finding the next teachable event by running a copy of the model ahead.
#include "frontend/practice_questions.h"

#include <algorithm>
#include <cstdlib>

#include "core/numbers.h"
#include "frontend/practice_detail.h"
#include "history/translatable.h"

namespace practice {
namespace detail {

namespace {

// The packet number an ACK's caption names after "(packet".
int askedPacket(const std::string& caption)
{
    const auto at = caption.find("(packet");
    if (at == std::string::npos) return -1;
    return std::atoi(caption.c_str() + at + 7);
}

constexpr std::int16_t LaunchSpacing = 10;

bool resent(Colour colour) { return colour == colours::TxQueuedAgain || colour == colours::TxResentInFlight; }

} // namespace

Snapshot take(const Form1& form)
{
    Snapshot s;
    s.txOrigin = form.txOrigin();
    s.rxOrigin = form.rxOrigin();
    s.txBase = form.TxBase;
    s.txOutstanding = form.TxOutstanding;
    s.rxNext = form.RxNext;
    s.dupAcks = form.DupAckCount;
    s.seqModulus = std::max<std::int16_t>(form.SeqModulus, 1);
    s.txState = form.TxState;
    s.threshold = form.SSThreshBytes;
    s.window = form.TxWindowBytes;
    s.flight = form.FlightBytes;
    s.rxWindow = form.RxWindowBytes;
    s.segment = form.SegmentBytes > 0 ? form.SegmentBytes : 1000;
    s.slowStart = form.UseSlowStart != 0;
    s.avoidance = form.UseAvoidance != 0;
    s.selective = form.UseSelective != 0;
    s.inOrder = form.UseInOrderReceiver != 0;
    s.goBack = form.UseGoBackN != 0;
    s.tahoe = form.UseTahoeRule != 0;
    s.tahoeAnswered = form.TahoeAnswered != 0;
    s.goBackNext = form.GoBackNext;
    for (int cell = 0; cell < geometry::CellCount; ++cell) {
        s.tx[cell] = form.lblTx[cell].ForeColor;
        s.rx[cell] = form.lblRx[cell].ForeColor;
        s.barWidth[cell] = form.shpTimeOut[cell].Width;
        s.barRunning[cell] = timerRunning(form.shpTimeOut[cell]);
    }
    // The tick moves every travelling button 50 twips before it delivers.
    for (const FlightButton& packet : form.cmdPacket) {
        if (packet.Visible && packet.TravelMarker == colours::Travelling &&
            packet.Top + geometry::FlightStep > geometry::PacketArrivalTop)
            s.arriving =
                numbers::intFloor(static_cast<double>(numbers::parseWhole(packet.Tag)) / s.segment + 0.5);
    }
    for (const FlightButton& ack : form.cmdACK) {
        if (ack.Visible && ack.TravelMarker == colours::Travelling &&
            ack.Top - geometry::FlightStep < geometry::AckArrivalTop && s.ackAsksFor < 0)
            s.ackAsksFor = askedPacket(ack.Caption);
    }
    for (int i = form.QueueHead; i != form.QueueTail; i = (i + 1) % SendQueueSlots)
        s.queue[static_cast<std::size_t>(s.queued++)] = form.SendQueue[static_cast<std::size_t>(i)];
    // A launch leaves the hold-off at its full spacing, which no other tick does.
    for (const FlightButton& packet : form.cmdPacket) {
        if (form.LaunchHoldoff == LaunchSpacing && packet.Visible && packet.Top == geometry::PacketLaunchTop)
            s.launched =
                numbers::intFloor(static_cast<double>(numbers::parseWhole(packet.Tag)) / s.segment + 0.5);
    }
    return s;
}

std::vector<int> queuedBetween(const Snapshot& before, const Snapshot& after)
{
    std::vector<int> now(after.queue.begin(), after.queue.begin() + after.queued);
    if (after.launched >= 0) now.push_back(after.launched);
    // What was waiting before either still waits or is the one launched.
    for (int i = 0; i < before.queued; ++i) {
        const auto found = std::find(now.begin(), now.end(), before.queue[static_cast<std::size_t>(i)]);
        if (found != now.end()) now.erase(found);
    }
    std::sort(now.begin(), now.end());
    return now;
}

void addResends(std::vector<int>& into, const Snapshot& before, const Snapshot& after, int sentEnd)
{
    for (const int packet : queuedBetween(before, after))
        if (packet < sentEnd) into.push_back(packet);
    std::sort(into.begin(), into.end());
    into.erase(std::unique(into.begin(), into.end()), into.end());
}

std::vector<Detected> detect(const Snapshot& before, const Snapshot& after)
{
    std::vector<Detected> found;
    const int first = before.txBase;
    const int last = before.txBase + before.txOutstanding - 1;

    // Reno enters FastRetransmit; Tahoe's rule leaves the sender in slow start
    // and is known by its mark of the count it answered.
    const bool renoEntry =
        before.txState != txstate::FastRetransmit && after.txState == txstate::FastRetransmit;
    const bool tahoeEntry = !before.tahoeAnswered && after.tahoeAnswered;
    if (renoEntry || tahoeEntry) {
        found.push_back({Happening::FastRetransmit, after.txBase, queuedBetween(before, after)});
    } else if (after.txState == txstate::TimedOut) {
        // A timer that ran out is refilled and left running as its packet is
        // queued again; the first-packet rule resends a stopped timer's packet,
        // the selective scan a marked one, so neither looks like this.
        Detected timeout{Happening::Timeout, -1, queuedBetween(before, after)};
        bool expiredAny = false;
        for (int packet = first; packet <= last; ++packet) {
            const int was = packet - before.txOrigin;
            const int is = packet - after.txOrigin;
            if (!Form1::onStrip(was) || !Form1::onStrip(is)) continue;
            const bool expired = before.barRunning[was] && before.barWidth[was] < geometry::FullTimeout &&
                                 !resent(before.tx[was]) && before.tx[was] != colours::TxMarkedForResend;
            if (expired && resent(after.tx[is]) && after.barRunning[is] &&
                after.barWidth[is] == geometry::FullTimeout && !expiredAny) {
                timeout.packet = packet;
                expiredAny = true;
            }
        }
        if (expiredAny) found.push_back(timeout);
    }

    if (before.arriving >= 0) {
        const int arriving = before.arriving;
        const bool expected = before.sequence(arriving) == before.sequence(before.rxNext);
        if (before.inOrder && !expected && after.rxNext == before.rxNext) {
            found.push_back({Happening::InOrderDrop, arriving, {}});
        } else {
            // A cell that turned dark red on this arrival, by its packet number.
            for (int cell = 0; cell < geometry::CellCount; ++cell) {
                const int packet = after.rxOrigin + cell;
                if (after.rx[cell] == colours::RxAliased && before.rxColour(packet) != colours::RxAliased &&
                    packet != arriving) {
                    found.push_back({Happening::AliasedArrival, arriving, {packet}});
                    break;
                }
            }
        }
        if (after.rxNext - before.rxNext >= 2) found.push_back({Happening::GapFilled, arriving, {}});
    }

    if (before.ackAsksFor >= 0 && found.empty()) {
        if (windowFigure(before.window, before.segment) != windowFigure(after.window, after.segment))
            found.push_back({Happening::WindowChange, before.ackAsksFor, {}});
        else if (after.txBase > before.txBase)
            found.push_back({Happening::WindowSlide, after.txBase, {}});
    }
    return found;
}

} // namespace detail

namespace {

// How long after its event a go-back round may take for a question about
// what it sends again: a few round trips, as slow start paces it.
constexpr int RoundHorizon = 600;

// Follows the round that the tick from `before` to `event` started, on copies
// of the model and its network, and notes every packet it sends again.
void followRound(detail::Detected& found, const detail::Snapshot& before, const detail::Snapshot& event,
                 const Form1& form, const NetworkLookAhead& network)
{
    const int sentEnd = before.txBase + before.txOutstanding;
    detail::addResends(found.round, before, event, sentEnd);
    Form1 copy = form;
    NetworkLookAhead ahead = network;
    bool boxShown = false;
    copy.showMessageBox = [&boxShown](const std::string&) { boxShown = true; };
    detail::Snapshot last = event;
    for (int tick = 0; tick < RoundHorizon && copy.GoBackNext >= 0 && copy.Timer1.Enabled && !boxShown;
         ++tick) {
        ahead.tick(copy);
        detail::Snapshot now = detail::take(copy);
        detail::addResends(found.round, last, now, sentEnd);
        last = std::move(now);
    }
    found.roundSeen = copy.GoBackNext < 0 && copy.Timer1.Enabled && !boxShown;
}

} // namespace

std::optional<Question> findQuestion(const Form1& form, const Finding& finding,
                                     const NetworkLookAhead& network)
{
    if (!form.Timer1.Enabled) return std::nullopt;
    Form1 copy = form;
    NetworkLookAhead copiedNetwork = network;
    // A modal box would stop the real clock here: what comes after it is not
    // what the student sees next.
    bool boxShown = false;
    copy.showMessageBox = [&boxShown](const std::string&) { boxShown = true; };

    std::optional<detail::Detected> best;
    detail::Snapshot bestBefore;
    detail::Snapshot bestAfter;
    int bestAhead = 0;
    detail::Snapshot before = detail::take(copy);
    for (int ahead = 1; ahead <= finding.horizon && copy.Timer1.Enabled && !boxShown; ++ahead) {
        copiedNetwork.tick(copy);
        detail::Snapshot after = detail::take(copy);
        if (ahead >= finding.leastAhead && !boxShown) {
            for (detail::Detected event : detail::detect(before, after)) {
                if (best && event.happening >= best->happening) continue;
                // A go-back round's resends are known only once it is over.
                const bool resends =
                    event.happening == Happening::Timeout || event.happening == Happening::FastRetransmit;
                if (resends && after.goBackNext >= 0) followRound(event, before, after, copy, copiedNetwork);
                best = std::move(event);
                bestBefore = before;
                bestAfter = after;
                bestAhead = ahead;
            }
            if (best && best->happening == Happening::Timeout) break;
        }
        before = std::move(after);
    }
    if (!best) return std::nullopt;
    return detail::writeQuestion(*best, bestBefore, bestAfter, bestAhead, finding.variety);
}

std::string windowFigure(std::int32_t bytes, std::int32_t segment)
{
    return numbers::plainText(static_cast<long>(numbers::floorDiv(bytes, segment)));
}

// As the SSThresh figure: whole segments plainly, otherwise cut to hundredths.
std::string thresholdFigure(std::int32_t bytes, std::int32_t segment)
{
    if (bytes % segment == 0) return numbers::plainText(bytes / segment);
    const std::int32_t hundredths = numbers::intFloor(static_cast<double>(bytes) / segment * 100);
    std::string text = numbers::plainText(hundredths / 100);
    const std::int32_t fraction = hundredths % 100;
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

std::string packetList(std::vector<int> packets)
{
    std::sort(packets.begin(), packets.end());
    packets.erase(std::unique(packets.begin(), packets.end()), packets.end());
    using texts::fill;
    using texts::translatable;
    if (packets.empty()) return std::string(translatable("practice", "no packet"));
    if (packets.size() == 1) return fill(translatable("practice", "packet %1"), packets.front());
    bool consecutive = true;
    for (std::size_t i = 1; i < packets.size(); ++i)
        consecutive = consecutive && packets[i] == packets[i - 1] + 1;
    if (consecutive && packets.size() > 2)
        return fill(translatable("practice", "packets %1 to %2"), packets.front(), packets.back());
    // "packets 1, 2 and 4": the list before the last one is a value of its own.
    std::string first = numbers::plainText(packets.front());
    for (std::size_t i = 1; i + 1 < packets.size(); ++i)
        first += ", " + numbers::plainText(packets[i]);
    return fill(translatable("practice", "packets %1 and %2"), first, packets.back());
}

const char* happeningName(Happening happening)
{
    switch (happening) {
    case Happening::Timeout:
        return "timeout";
    case Happening::FastRetransmit:
        return "fast retransmit";
    case Happening::InOrderDrop:
        return "in-order drop";
    case Happening::AliasedArrival:
        return "aliased arrival";
    case Happening::GapFilled:
        return "gap filled";
    case Happening::WindowChange:
        return "window change";
    case Happening::WindowSlide:
        break;
    }
    return "window slide";
}

} // namespace practice
