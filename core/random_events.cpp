#include "core/random_events.h"

#include <algorithm>
#include <optional>

#include "core/invariants.h"
#include "core/numbers.h"
#include "core/state_digest.h"

namespace reliability {

namespace {

// Tempers a run passes through, from an undisturbed transfer to a class of
// students hammering every control at once.
constexpr std::array<Temper, 7> Tempers = {{
    {0, 0, 0, 0},            // quiet: long undisturbed transfers
    {2000, 0, 20000, 0},     // the odd lost packet or ACK
    {100, 20000, 5000, 0},   // steady losses, rare setting changes
    {20, 5000, 2000, 50000}, // heavy clicking
    {300, 40, 500, 5000},    // fiddling with options and sliders
    {5, 10, 50, 300},        // everything at once
    {30, 3000, 0, 20000, 0}, // single clicks only: held buttons pile up until the slots run out
}};
// The first three never reset.
constexpr int LongHaulTempers = 3;

bool atPacketLimit(const Form1& form) { return form.TxBase + form.TxOutstanding >= PacketNumberLimit - 1; }

} // namespace

void RandomEvents::newTemper()
{
    temper_ = Tempers[random_.below(longHaul_ ? LongHaulTempers : static_cast<int>(Tempers.size()))];
    untilNewTemper_ = 2000 + random_.below(60000);
}

UserEvent RandomEvents::next(const Form1& form)
{
    if (--untilNewTemper_ <= 0) newTemper();

    if (!pending_.empty() && pending_.front().ticks <= 0) {
        UserEvent event = pending_.front().event;
        pending_.pop_front();
        // A second click meant for "whatever is there" picks its button now.
        if (event.target < 0) return click(form);
        return event;
    }

    if (!form.Timer1.Enabled) {
        // A stopped clock is restarted soon; clicks and settings go on meanwhile.
        if (form.cmdPause.Caption == "Cont" && atPacketLimit(form) && random_.oneIn(10))
            return {EventKind::StartReset};
        if (random_.oneIn(30)) {
            return {form.cmdPause.Caption == "Cont" ? EventKind::PauseCont : EventKind::StartReset};
        }
    }
    if (random_.oneIn(temper_.clickEvery)) return click(form);
    if (random_.oneIn(temper_.settingEvery)) return setting();
    if (random_.oneIn(temper_.pauseEvery)) return {EventKind::PauseCont};
    if (random_.oneIn(temper_.resetEvery)) return {EventKind::StartReset};

    for (Pending& p : pending_)
        --p.ticks;
    return {EventKind::Tick};
}

UserEvent RandomEvents::click(const Form1& form)
{
    std::array<UserEvent, 2 * FlightSlots> visible;
    int count = 0;
    for (std::int16_t i = 0; i < FlightSlots; ++i) {
        if (form.cmdPacket[i].Visible) visible[count++] = {EventKind::ClickPacket, i};
        if (form.cmdACK[i].Visible) visible[count++] = {EventKind::ClickAck, i};
    }
    if (count == 0) return {EventKind::Tick};
    const UserEvent chosen = visible[random_.below(count)];

    if (random_.oneIn(temper_.doubleClickOneIn) && pending_.size() < 4) {
        // A double click: mostly on the same button and quick, sometimes slow
        // enough to count as two single clicks, sometimes landing on another
        // button.
        UserEvent second = chosen;
        if (random_.oneIn(8)) second.target = -1;
        pending_.push_back({second, random_.below(9)});
    }
    return chosen;
}

UserEvent RandomEvents::setting()
{
    const int choice = random_.below(OptionBoxCount + SliderCount);
    if (choice < OptionBoxCount) return {EventKind::ClickCheckBox, static_cast<std::int16_t>(choice)};
    const int id = choice - OptionBoxCount;
    // Every bar's range is 1..16, 1..20 or 1..32; any position in it is legal.
    constexpr std::array<int, SliderCount> Maxima = {20, 16, 16, 32};
    return {EventKind::MoveSlider, static_cast<std::int16_t>(id),
            static_cast<std::int16_t>(1 + random_.below(Maxima[id]))};
}

RunFigures& RunFigures::operator+=(const RunFigures& other)
{
    events += other.events;
    ticks += other.ticks;
    clicks += other.clicks;
    resets += other.resets;
    messageBoxes += other.messageBoxes;
    limitStops += other.limitStops;
    highestPacket = std::max(highestPacket, other.highestPacket);
    highestRxNext = std::max(highestRxNext, other.highestRxNext);
    return *this;
}

Driver::Driver(std::uint64_t seed) : seed_(seed), events_(seed)
{
    form_.showMessageBox = [this](const std::string& text) {
        ++figures_.messageBoxes;
        lastMessage_ = text;
    };
    form_.Form_Load();
}

bool Driver::step()
{
    if (!failure_.empty()) return false;
    const UserEvent event = events_.next(form_);
    recent_[figures_.events % recent_.size()] = describeEvent(form_, event);

    CheckContext context;
    const bool ticking = event.kind == EventKind::Tick && form_.Timer1.Enabled;
    context.ackArrived = ticking && ackArrivesNextTick(form_);
    const std::int16_t txOriginBefore = form_.txOrigin();
    const std::int16_t rxOriginBefore = form_.rxOrigin();
    // Copying a whole form is dear; only Pause/Cont needs the state before.
    std::optional<Form1> beforePause;
    if (event.kind == EventKind::PauseCont) beforePause = form_;

    applyEvent(form_, event);

    ++figures_.events;
    if (ticking) ++figures_.ticks;
    if (ticking && !form_.Timer1.Enabled) ++figures_.limitStops;
    if (event.kind == EventKind::ClickPacket || event.kind == EventKind::ClickAck) ++figures_.clicks;
    if (event.kind == EventKind::StartReset) ++figures_.resets;
    figures_.highestPacket = std::max(figures_.highestPacket, form_.TxBase + form_.TxOutstanding);
    figures_.highestRxNext = std::max(figures_.highestRxNext, static_cast<int>(form_.RxNext));

    std::string broken = checkInvariants(form_, context);
    if (event.kind != EventKind::StartReset &&
        (form_.txOrigin() < txOriginBefore || form_.rxOrigin() < rxOriginBefore))
        broken += "a strip slid backwards without a reset\n";
    if (beforePause && !pauseChangedOnlyTheClock(*beforePause))
        broken += "Pause/Cont changed the simulation state:\n" + stateDifferences(*beforePause, form_);
    if (!broken.empty()) fail(broken);
    return failure_.empty();
}

bool Driver::run(long count)
{
    for (long i = 0; i < count; ++i) {
        if (!step()) return false;
    }
    return true;
}

bool Driver::pauseChangedOnlyTheClock(const Form1& before) const
{
    Form1 expected = before;
    expected.cmdPause = form_.cmdPause;
    expected.Timer1 = form_.Timer1;
    return static_cast<const FormState&>(expected) == static_cast<const FormState&>(form_);
}

void Driver::fail(const std::string& what)
{
    std::string report = "seed " + numbers::plainText(static_cast<long>(seed_)) + ", after event " +
                         numbers::plainText(figures_.events) + ":\n" + what + "last events, oldest first:\n";
    const long shown = std::min<long>(figures_.events, static_cast<long>(recent_.size()));
    for (long k = figures_.events - shown; k < figures_.events; ++k)
        report += "  " + numbers::plainText(k + 1) + ": " + recent_[k % recent_.size()] + "\n";
    if (!lastMessage_.empty()) report += "last message box: " + lastMessage_ + "\n";
    report += "state:\n" + dumpState(form_);
    failure_ = report;
}

} // namespace reliability
