#include "ui/web/web_comparison.h"

#include <cmath>
#include <iterator>

#include "core/state_digest.h"
#include "frontend/control_events.h"
#include "frontend/link_settings.h"
#include "frontend/run_clock.h"
#include "frontend/run_names.h"
#include "frontend/view_texts.h"
#include "ui/web/json_text.h"
#include "ui/web/network_json.h"
#include "ui/web/web_session.h"

namespace web {

namespace {

// The single window's settings, as a configuration of their own.
constexpr std::string_view CurrentChoice = "current";
constexpr const char* CurrentLabel = "Current settings";

std::vector<Comparison::Configuration> chosen(const Form1& current, const std::string& choices,
                                              std::string& error)
{
    std::vector<Comparison::Configuration> configurations;
    std::string_view rest = choices;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view name = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        if (name.empty()) continue;
        if (name == CurrentChoice) {
            configurations.push_back(Comparison::configurationOf(current, CurrentLabel));
            continue;
        }
        Comparison::Configuration configuration = Comparison::presetConfiguration(name);
        if (configuration.label.empty()) {
            error = "There is no protocol called \"" + std::string(name) + "\" to compare.";
            return {};
        }
        configurations.push_back(std::move(configuration));
    }
    if (configurations.size() < Comparison::FewestConfigurations ||
        configurations.size() > Comparison::MostConfigurations) {
        error = "A comparison needs two or three configurations.";
        return {};
    }
    return configurations;
}

} // namespace

WebComparison::WebComparison(WebSession& session, const std::string& choices) : speed_(session.speedIndex())
{
    if (session.comparisonWaiting()) {
        comparison_ = session.takeComparison();
    } else {
        const auto configurations = chosen(session.form(), choices, error_);
        if (configurations.empty()) return;
        comparison_ = std::make_unique<Comparison>(configurations, session.history().losses());
    }
    changes_.resize(comparison_->size());
    for (std::size_t i = 0; i < comparison_->size(); ++i)
        comparison_->form(i).showMessageBox = [this](const std::string& text) { messages_.push_back(text); };
}

WebComparison::~WebComparison()
{
    for (std::size_t i = 0; i < static_cast<std::size_t>(size()); ++i)
        comparison_->form(i).showMessageBox = nullptr;
}

std::string WebComparison::label(int index) const
{
    return valid(index) ? comparison_->label(static_cast<std::size_t>(index)) : std::string();
}

void WebComparison::tick()
{
    if (clockRuns()) comparison_->tick();
}

void WebComparison::apply(int index, int kind, int target, int value)
{
    if (messageOpen_ || !valid(index) || kind <= 0 || kind >= EventKindCount) return;
    comparison_->apply(static_cast<std::size_t>(index),
                       UserEvent{static_cast<EventKind>(kind), static_cast<std::int16_t>(target),
                                 static_cast<std::int16_t>(value)});
}

void WebComparison::use(int index, const std::string& control, int target, int value)
{
    if (const std::optional<UserEvent> event = control_events::eventFor(control, target, value))
        apply(index, static_cast<int>(event->kind), event->target, event->value);
}

void WebComparison::step()
{
    if (!messageOpen_ && comparison_) comparison_->step();
}

void WebComparison::stepBack()
{
    if (!messageOpen_ && comparison_) comparison_->stepBack();
}

bool WebComparison::rewindTo(int tick)
{
    return !messageOpen_ && comparison_ && comparison_->rewindTo(tick, RunHistory::Landing::Paused);
}

void WebComparison::setSpeed(int index)
{
    if (run_clock::isSpeed(index)) speed_ = index;
}

bool WebComparison::clockRuns() const
{
    return comparison_ &&
           run_clock::runs(comparison_->running(), {.messageBox = messageOpen_ || !messages_.empty()});
}

int WebComparison::clockInterval() const
{
    const int interval = comparison_ ? comparison_->form(0).Timer1.Interval : 50;
    return run_clock::tickInterval(interval, speed_);
}

std::string WebComparison::takeMessage()
{
    if (messages_.empty()) return {};
    std::string text = std::move(messages_.front());
    messages_.pop_front();
    messageOpen_ = true;
    return text;
}

RunState WebComparison::runState(int index) const
{
    const auto i = static_cast<std::size_t>(index);
    const RunHistory& history = comparison_->history(i);
    return {history.ticks(), comparison_->form(i).Timer1.Enabled, speed_, history.ticks() > 0,
            history.atLessonEnd()};
}

std::string WebComparison::windowJson(int index) const
{
    return valid(index) ? web::windowJson(comparison_->form(static_cast<std::size_t>(index)), runState(index))
                        : std::string("{}");
}

std::string WebComparison::changesJson(int index)
{
    if (!valid(index)) return "{}";
    const auto i = static_cast<std::size_t>(index);
    return changes_[i].take(comparison_->form(i), runState(index));
}

std::string WebComparison::flightName(int index, bool ack, int slot) const
{
    if (!valid(index)) return {};
    const Form1& form = comparison_->form(static_cast<std::size_t>(index));
    const auto& buttons = ack ? form.cmdACK : form.cmdPacket;
    if (slot < 0 || slot >= static_cast<int>(buttons.size())) return {};
    const FlightButton& button = buttons[static_cast<std::size_t>(slot)];
    return view_texts::flightName(ack, button.Caption, button.TravelMarker == colours::Held);
}

std::string WebComparison::nextPickJson(int index, bool ack, int slot, const std::string& arrow) const
{
    if (!valid(index)) return "null";
    return web::nextPickJson(comparison_->form(static_cast<std::size_t>(index)), ack, slot, arrow);
}

std::string WebComparison::samplesJson(int from) const
{
    if (from < 0) from = 0;
    JsonText json;
    json.beginObject().key("from").value(from);
    json.key("txWindow").beginArray();
    for (int c = 0; c < size(); ++c) {
        json.beginArray();
        const auto& samples = comparison_->history(static_cast<std::size_t>(c)).trace().samples();
        for (std::size_t i = static_cast<std::size_t>(from); i < samples.size(); ++i)
            json.value(samples[i].txWindow());
        json.endArray();
    }
    json.endArray().key("goodput").beginArray();
    for (int c = 0; c < size(); ++c) {
        json.beginArray();
        const RunTrace& trace = comparison_->history(static_cast<std::size_t>(c)).trace();
        for (std::size_t i = static_cast<std::size_t>(from); i < trace.samples().size(); ++i)
            json.value(goodputAt(trace, static_cast<std::int32_t>(i)));
        json.endArray();
    }
    json.endArray().endObject();
    return json.take();
}

std::string WebComparison::figuresJson() const
{
    if (!comparison_) return web::figuresJson(0, {}, {});
    return web::figuresJson(comparison_->ticks(), comparison_->labels(), comparison_->figures());
}

std::string WebComparison::statusLine() const
{
    return comparison_ ? losses::summary(comparison_->losses()) : std::string();
}

std::string WebComparison::lossesJson() const
{
    return web::lossesJson(comparison_ ? comparison_->losses() : LossSettings{});
}

void WebComparison::setLossRates(int packetPercent, int ackPercent, double seed)
{
    if (comparison_)
        comparison_->setLosses(withRates(comparison_->losses(), packetPercent, ackPercent, seed));
}

bool WebComparison::addPlannedLoss(bool ack, int number, int transmission)
{
    if (!comparison_) return false;
    LossSettings losses = comparison_->losses();
    if (!addPlanned(losses, ack, number, transmission)) return false;
    comparison_->setLosses(losses);
    return true;
}

void WebComparison::removePlannedLoss(int index)
{
    if (!comparison_) return;
    LossSettings losses = comparison_->losses();
    removePlanned(losses, index);
    comparison_->setLosses(losses);
}

std::string WebComparison::linkQuery() const
{
    return comparison_ ? links::compareQuery(*comparison_, speed_) : std::string();
}

std::string WebComparison::savedRunJson() const
{
    JsonText json;
    if (!comparison_) return json.beginObject().key("error").value(error_).endObject().take();
    const RunHistory::SavedRun saved = comparison_->script();
    json.beginObject().key("error").value(saved.error);
    json.key("text").value(saved.error.empty() ? writeRunText(saved.script) : std::string());
    json.key("fileName").value(run_names::suggestedFileName({}, "comparison", comparison_->ticks()));
    json.endObject();
    return json.take();
}

std::string WebComparison::digest(int index) const
{
    if (!valid(index)) return {};
    return hexDigest(stateDigest(comparison_->form(static_cast<std::size_t>(index))));
}

} // namespace web
