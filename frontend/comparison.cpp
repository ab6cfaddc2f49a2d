#include "frontend/comparison.h"

#include <algorithm>

#include "frontend/protocol_presets.h"
#include "history/translatable.h"

namespace {

bool actsOnAll(const UserEvent& event)
{
    return event.kind == EventKind::StartReset || event.kind == EventKind::PauseCont;
}

// The comparison keeps within one run's memory budget, shared out.
std::size_t budgetEach(std::size_t count)
{
    return RunHistory::DefaultBudgetBytes / std::max<std::size_t>(count, 1);
}

} // namespace

Comparison::Entry::Entry(std::string label, const RunScript& script, std::size_t budgetBytes)
    : label(std::move(label)), form(startState(script)),
      history(form, RunRecorder::DefaultCheckpointSpacing, budgetBytes)
{
    if (!script.actions.empty() || script.ticks > 0 || !script.title.empty())
        history.open(form, script);
    else
        history.setLosses(script.losses);
}

Comparison::Configuration Comparison::presetConfiguration(std::string_view presetName)
{
    const presets::ProtocolPreset* preset = presets::findPreset(presetName);
    if (!preset) return {};
    Form1 form;
    form.Form_Load();
    for (const UserEvent& event : presets::presetEvents(form, *preset))
        applyEvent(form, event);
    return {preset->title, settingsOf(form)};
}

Comparison::Configuration Comparison::configurationOf(const Form1& form, std::string label)
{
    return {std::move(label), settingsOf(form)};
}

std::vector<Comparison::Configuration> Comparison::readPresetList(std::string_view names, std::string* error)
{
    std::vector<Configuration> configurations;
    std::size_t at = 0;
    while (at <= names.size()) {
        const std::size_t comma = std::min(names.find(',', at), names.size());
        const std::string_view name = names.substr(at, comma - at);
        at = comma + 1;
        Configuration configuration = presetConfiguration(name);
        if (configuration.label.empty()) {
            if (error)
                *error = texts::fill(
                    texts::translatable("protocols", "\"%1\" is not a protocol; the protocols are %2."),
                    name.substr(0, 24), presets::presetNames());
            return {};
        }
        configurations.push_back(std::move(configuration));
    }
    if (configurations.size() < FewestConfigurations || configurations.size() > MostConfigurations) {
        if (error)
            *error = texts::fill(
                texts::translatable("protocols", "A comparison runs two or three protocols, not %1."),
                configurations.size());
        return {};
    }
    return configurations;
}

Comparison::Comparison(const std::vector<Configuration>& configurations, const LossSettings& losses)
    : losses_(losses)
{
    const std::size_t count = std::min(configurations.size(), MostConfigurations);
    for (const Configuration& configuration : configurations) {
        if (entries_.size() == MostConfigurations) break;
        RunScript start;
        start.settings = configuration.settings;
        start.losses = losses;
        entries_.push_back(std::make_unique<Entry>(configuration.label, start, budgetEach(count)));
    }
}

Comparison::Comparison(const RunScript& script) : losses_(script.losses)
{
    const std::size_t count = std::min(1 + script.alongside.size(), MostConfigurations);
    RunScript first = script;
    first.alongside.clear();
    entries_.push_back(std::make_unique<Entry>(
        script.label.empty() ? texts::fill(texts::translatable("status", "Run %1"), 1) : script.label, first,
        budgetEach(count)));
    for (const RunScript& other : script.alongside) {
        if (entries_.size() == MostConfigurations) break;
        RunScript run = other;
        run.ticks = script.ticks;
        run.losses = script.losses;
        run.title.clear();
        // A lesson's note is what makes a run pause at its last tick: all
        // of a lesson's configurations end there together.
        run.note = script.note;
        const std::string label =
            other.label.empty() ? texts::fill(texts::translatable("status", "Run %1"), entries_.size() + 1)
                                : other.label;
        entries_.push_back(std::make_unique<Entry>(label, run, budgetEach(count)));
    }
}

void Comparison::tick()
{
    for (auto& entry : entries_)
        if (entry->form.Timer1.Enabled) entry->history.tick(entry->form);
}

void Comparison::step()
{
    for (auto& entry : entries_)
        entry->history.step(entry->form);
}

bool Comparison::stepBack() { return ticks() > 0 && rewindTo(ticks() - 1); }

bool Comparison::rewindTo(std::int32_t tick, RunHistory::Landing landing)
{
    // All or none: a tick one of them no longer keeps leaves them all where they are.
    for (const auto& entry : entries_) {
        const RunHistory& history = entry->history;
        if (tick < history.recorder().firstTick() || tick > history.ticks()) return false;
    }
    bool moved = true;
    for (auto& entry : entries_)
        moved = entry->history.rewindTo(entry->form, tick, landing) && moved;
    return moved;
}

void Comparison::apply(std::size_t index, const UserEvent& event)
{
    if (index >= entries_.size()) return;
    if (actsOnAll(event)) {
        applyToAll(event);
        return;
    }
    const bool click = event.kind == EventKind::ClickPacket || event.kind == EventKind::ClickAck;
    const auto direction =
        event.kind == EventKind::ClickAck ? ladder::Direction::Ack : ladder::Direction::Packet;
    Entry& entry = *entries_[index];
    const std::int32_t trip = click && event.target >= 0 && event.target < FlightSlots
                                  ? entry.history.ladder().activeTrip(direction, event.target)
                                  : -1;
    entry.history.apply(entry.form, event);
    if (trip < 0) return;
    const auto& trips = entry.history.ladder().trips();
    if (static_cast<std::size_t>(trip) >= trips.size() ||
        trips[static_cast<std::size_t>(trip)].ending != ladder::Ending::Lost)
        return;
    const ladder::Trip& lost = trips[static_cast<std::size_t>(trip)];
    const bool packet = direction == ladder::Direction::Packet;
    const PlannedLoss loss{packet ? PlannedLoss::What::Packet : PlannedLoss::What::Ack,
                           packet ? lost.number : lost.arrived, lost.transmission};
    if (!losses_.plan(loss)) return;
    for (std::size_t other = 0; other < entries_.size(); ++other) {
        Entry& there = *entries_[other];
        there.history.setLosses(losses_);
        if (other != index) loseNowIfPast(there, loss);
    }
}

// The same trip past the middle of the network elsewhere would escape the
// plan, which acts as a trip crosses the middle: it is lost at once instead.
void Comparison::loseNowIfPast(Entry& entry, const PlannedLoss& loss)
{
    const bool packet = loss.what == PlannedLoss::What::Packet;
    const auto direction = packet ? ladder::Direction::Packet : ladder::Direction::Ack;
    const auto& buttons = packet ? entry.form.cmdPacket : entry.form.cmdACK;
    for (int slot = 0; slot < FlightSlots; ++slot) {
        const std::int32_t index = entry.history.ladder().activeTrip(direction, slot);
        if (index < 0 || !buttons[static_cast<std::size_t>(slot)].Visible) continue;
        const ladder::Trip& trip = entry.history.ladder().trips()[static_cast<std::size_t>(index)];
        if ((packet ? trip.number : trip.arrived) != loss.number || trip.transmission != loss.transmission)
            continue;
        const double at = ladder::across(direction, buttons[static_cast<std::size_t>(slot)].Top);
        if (packet ? at < 0.5 : at > 0.5) return;
        const UserEvent click{packet ? EventKind::ClickPacket : EventKind::ClickAck,
                              static_cast<std::int16_t>(slot), 0};
        if (entry.form.ClickHoldoff <= 0) entry.history.apply(entry.form, click);
        entry.history.apply(entry.form, click);
        return;
    }
}

void Comparison::applyToAll(const UserEvent& event)
{
    for (auto& entry : entries_)
        entry->history.apply(entry->form, event);
}

bool Comparison::running() const
{
    return std::any_of(entries_.begin(), entries_.end(),
                       [](const auto& entry) { return entry->form.Timer1.Enabled; });
}

void Comparison::setLosses(const LossSettings& losses)
{
    losses_ = losses;
    for (auto& entry : entries_)
        entry->history.setLosses(losses);
}

std::vector<RunFigures> Comparison::figures() const
{
    std::vector<RunFigures> all;
    for (const auto& entry : entries_)
        all.push_back(figuresOf(entry->history));
    return all;
}

std::vector<std::string> Comparison::labels() const
{
    std::vector<std::string> all;
    for (const auto& entry : entries_)
        all.push_back(entry->label);
    return all;
}

RunHistory::SavedRun Comparison::script() const
{
    RunHistory::SavedRun saved = entries_.front()->history.script();
    if (!saved.error.empty()) return saved;
    saved.script.label = entries_.front()->label;
    saved.script.losses = losses_;
    for (std::size_t i = 1; i < entries_.size(); ++i) {
        RunHistory::SavedRun other = entries_[i]->history.script();
        if (!other.error.empty()) return {{}, other.error};
        saved.script.ticks = std::max(saved.script.ticks, other.script.ticks);
        other.script.label = entries_[i]->label;
        other.script.title.clear();
        other.script.note.clear();
        other.script.questions.clear();
        saved.script.alongside.push_back(std::move(other.script));
    }
    // As a file reads back: the runs alongside share the first one's ticks and losses.
    for (RunScript& other : saved.script.alongside) {
        other.ticks = saved.script.ticks;
        other.losses = losses_;
    }
    return saved;
}
