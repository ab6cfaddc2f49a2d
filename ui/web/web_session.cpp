#include "ui/web/web_session.h"

#include <cmath>
#include <limits>

#include "core/events.h"
#include "core/numbers.h"
#include "core/random_events.h"
#include "core/state_digest.h"
#include "frontend/chart_looks.h"
#include "frontend/classroom_texts.h"
#include "frontend/control_events.h"
#include "frontend/run_link.h"
#include "frontend/run_names.h"
#include "frontend/run_player.h"
#include "frontend/view_texts.h"
#include "history/display_text.h"
#include "history/lessons.h"
#include "ui/web/json_text.h"
#include "ui/web/page_layout.h"

namespace web {

std::string hexDigest(std::uint64_t digest)
{
    constexpr char hex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, digest >>= 4)
        text[static_cast<std::size_t>(i)] = hex[digest & 0xF];
    return text;
}

WebSession::WebSession(const std::string& address)
{
    form_.showMessageBox = [this](const std::string& text) { messages_.push_back(text); };
    follower_.onChecked = [this](const std::string& teachers, const std::string& own) {
        noteFollowed(teachers, own);
    };
    form_.Form_Load();
    history_.emplace(form_);
    // A link longer than any the program makes is refused whole, unread.
    linkRefused_ = runlink::tooLongRefusal(address.size());
    if (!linkRefused_.empty()) return;
    outcome_ = links::applyLink(form_, *history_, runlink::linkQueryPart(address));
    speed_ = outcome_.speedIndex;
    practice_.setOn(outcome_.practice);
    if (!outcome_.lesson.empty()) {
        opened_ = openLesson(outcome_.lesson);
    } else if (!outcome_.compare.empty()) {
        // The page opens it at start-up as it opens a file with runs alongside;
        // run=1 starts the comparison, the single window behind it stays put.
        waitingComparison_ = std::make_unique<Comparison>(outcome_.compare, history_->losses());
        if (outcome_.run && !waitingComparison_->running())
            waitingComparison_->applyToAll(UserEvent{EventKind::StartReset, 0, 0});
    } else if (outcome_.run && !form_.Timer1.Enabled) {
        apply(static_cast<int>(EventKind::StartReset), 0, 0);
    }
}

WebSession::~WebSession() { form_.showMessageBox = nullptr; }

void WebSession::tick()
{
    if (!clockRuns()) return;
    history_->tick(form_);
    practiceAfterTick();
}

void WebSession::apply(int kind, int target, int value)
{
    if (messageOpen_ || classDrives() || kind < 0 || kind >= EventKindCount) return;
    history_->apply(form_, UserEvent{static_cast<EventKind>(kind), static_cast<std::int16_t>(target),
                                     static_cast<std::int16_t>(value)});
    if (kind == static_cast<int>(EventKind::Tick)) {
        practiceAfterTick();
    } else {
        practice_.userActed();
    }
}

void WebSession::use(const std::string& control, int index, int value)
{
    if (const std::optional<UserEvent> event = control_events::eventFor(control, index, value))
        apply(static_cast<int>(event->kind), event->target, event->value);
}

void WebSession::step()
{
    if (messageOpen_ || classDrives()) return;
    // The desktop's step, so that both play a recording the same way.
    history_->step(form_);
    practiceAfterTick();
}

void WebSession::stepBack()
{
    if (history_->ticks() > 0) rewindTo(history_->ticks() - 1);
}

bool WebSession::rewindTo(int tick)
{
    if (messageOpen_ || classDrives()) return false;
    practice_.userActed();
    return history_->rewindTo(form_, tick, RunHistory::Landing::Paused);
}

int WebSession::goToTick(int tick)
{
    if (messageOpen_) return history_->ticks();
    practice_.userActed();
    return run_player::goTo(form_, *history_, tick);
}

void WebSession::setSpeed(int index)
{
    if (run_clock::isSpeed(index)) speed_ = index;
}

std::string WebSession::takeMessage()
{
    if (messages_.empty()) return {};
    std::string text = std::move(messages_.front());
    messages_.pop_front();
    messageOpen_ = true;
    return text;
}

void WebSession::messageClosed() { messageOpen_ = false; }

bool WebSession::clockRuns() const
{
    // Following the class, the teacher's clock drives the run.
    if (classDrives()) return false;
    return run_clock::runs(form_.Timer1.Enabled, {.messageBox = messageOpen_ || !messages_.empty(),
                                                  .practice = practice_.holdsClock()});
}

int WebSession::clockInterval() const { return run_clock::tickInterval(form_.Timer1.Interval, speed_); }

std::string WebSession::layoutJson() const { return pageLayoutJson(); }

RunState WebSession::runState() const
{
    return {history_->ticks(), form_.Timer1.Enabled, speed_, history_->ticks() > 0, history_->atLessonEnd()};
}

std::string WebSession::windowJson() const { return web::windowJson(form_, runState()); }

std::string WebSession::changesJson() { return changes_.take(form_, runState()); }

std::string WebSession::viewOptionsJson() const { return web::viewOptionsJson(); }

std::string WebSession::nextPickJson(bool ack, int slot, const std::string& arrow) const
{
    return web::nextPickJson(form_, ack, slot, arrow);
}

std::string WebSession::flightName(bool ack, int slot) const
{
    const auto& buttons = ack ? form_.cmdACK : form_.cmdPacket;
    if (slot < 0 || slot >= static_cast<int>(buttons.size())) return {};
    const FlightButton& button = buttons[static_cast<std::size_t>(slot)];
    return view_texts::flightName(ack, button.Caption, button.TravelMarker == colours::Held);
}

std::string WebSession::samplesJson(int from) const
{
    const std::vector<TickSample>& samples = history_->trace().samples();
    if (from < 0) from = 0;
    JsonText json;
    json.beginObject().key("from").value(from);
    const auto column = [&](const char* name, auto read) {
        json.key(name).beginArray();
        for (std::size_t i = static_cast<std::size_t>(from); i < samples.size(); ++i)
            read(samples[i]);
        json.endArray();
    };
    column("txWindow", [&json](const TickSample& s) { json.value(s.txWindow()); });
    // Without Slow Start the threshold means nothing: null, a gap in the chart.
    column("ssThresh", [&json](const TickSample& s) {
        json.value(s.slowStart ? s.ssThresh() : std::numeric_limits<double>::quiet_NaN());
    });
    column("flight", [&json](const TickSample& s) { json.value(s.flight()); });
    column("rxWindow", [&json](const TickSample& s) { json.value(s.rxWindow()); });
    column("markers", [&json](const TickSample& s) { json.value(static_cast<int>(s.markers())); });
    json.key("avoidance").beginArray();
    for (std::size_t i = static_cast<std::size_t>(from); i < samples.size(); ++i)
        json.value(i > 0 && chart_looks::growsByAvoidance(samples[i - 1]) ? 1 : 0);
    json.endArray();
    json.endObject();
    return json.take();
}

std::string WebSession::logJson(int from) const
{
    const std::vector<LogEntry>& log = history_->trace().log();
    if (from < 0) from = 0;
    JsonText json;
    json.beginArray();
    for (std::size_t i = static_cast<std::size_t>(from); i < log.size(); ++i) {
        const char* side = log[i].source == LogSource::Sender     ? "sender"
                           : log[i].source == LogSource::Receiver ? "receiver"
                                                                  : "user";
        json.beginObject().key("tick").value(log[i].tick).key("side").value(side);
        json.key("text").value(log[i].text).endObject();
    }
    json.endArray();
    return json.take();
}

std::string WebSession::linkQuery() const
{
    if (!showsUnmodifiedLesson()) return links::linkQuery(form_, speed_, history_->losses());
    std::string query = "lesson=" + lesson_;
    if (const std::string speed = links::speedParameter(speed_); !speed.empty()) query += "&" + speed;
    return query;
}

// ---------------------------------------------------------------------------
// Run files and lessons

std::string openAnswer(const std::string& error, const RunScript* script)
{
    JsonText json;
    json.beginObject().key("error").value(error);
    json.key("title").value(script != nullptr ? script->title : std::string());
    json.key("note").value(script != nullptr ? script->note : std::string());
    json.key("compare").value(script != nullptr && !script->alongside.empty());
    json.endObject();
    return json.take();
}

std::string WebSession::openScript(const RunScript& script, const std::string& lesson)
{
    if (classDrives()) return openAnswer(std::string(classroom::texts::OwnCopyFirst), nullptr);
    // Runs side by side open as a comparison; the single run stays as it was.
    if (!script.alongside.empty()) {
        waitingComparison_ = std::make_unique<Comparison>(script);
        return openAnswer({}, &script);
    }
    // Whatever the old run still wanted to say belongs to it, not to the new one.
    messages_.clear();
    history_->open(form_, script);
    practice_.setLesson(script.questions);
    practice_.userActed();
    lesson_ = lesson;
    lessonScript_ = lesson.empty() ? RunScript{} : script;
    return openAnswer({}, &script);
}

std::string WebSession::openRunText(const std::string& fileName, const std::string& text)
{
    if (messageOpen_) return openAnswer("Close the message box first, then open the run again.", nullptr);
    const RunFileResult read = readRunText(text);
    if (!read.script)
        return openAnswer(displaytext::name(fileName) + " cannot be opened. " + read.error, nullptr);
    return openScript(*read.script, {});
}

std::string WebSession::openLesson(const std::string& name)
{
    if (messageOpen_) return openAnswer("Close the message box first, then open the lesson again.", nullptr);
    const RunFileResult read = loadLesson(name);
    if (!read.script) return openAnswer(read.error, nullptr);
    return openScript(*read.script, name);
}

std::string WebSession::fileSizeRefusal(const std::string& fileName, double bytes) const
{
    if (!(bytes > static_cast<double>(runfile::MaxFileBytes))) return {};
    // The size as the browser gives it, past 4 GiB too.
    return displaytext::name(fileName) + " cannot be opened. " +
           runfile::tooLargeSentence(static_cast<std::uint64_t>(bytes));
}

std::string WebSession::lessonsJson() const
{
    JsonText json;
    json.beginArray();
    for (const LessonEntry& lesson : lessonList())
        json.beginObject().key("name").value(lesson.name).key("title").value(lesson.title).endObject();
    json.endArray();
    return json.take();
}

std::string WebSession::savedRunJson() const
{
    const RunHistory::SavedRun saved = history_->script();
    JsonText json;
    json.beginObject().key("error").value(saved.error);
    json.key("text").value(saved.error.empty() ? writeRunText(saved.script) : std::string());
    const bool fromLesson = !lesson_.empty() && history_->title() == lessonScript_.title;
    json.key("fileName")
        .value(run_names::suggestedFileName(fromLesson ? lesson_ : std::string(), history_->title(),
                                            history_->ticks()));
    json.endObject();
    return json.take();
}

bool WebSession::showsUnmodifiedLesson() const
{
    if (lesson_.empty() || history_->title() != lessonScript_.title) return false;
    const RunHistory::SavedRun saved = history_->script();
    return saved.error.empty() && !saved.script.carried && saved.script.settings == lessonScript_.settings &&
           saved.script.actions == lessonScript_.actions;
}

std::string WebSession::linkOutcomeJson() const
{
    JsonText json;
    json.beginObject().key("embed").value(outcome_.embed).key("follow").value(!outcome_.follow.empty());
    json.key("ignored").beginArray();
    for (const std::string& sentence : outcome_.ignored)
        json.value(sentence);
    json.endArray().key("refused").value(linkRefused_).endObject();
    return json.take();
}

std::string WebSession::digest() const { return hexDigest(stateDigest(form_)); }

std::string randomEventDigests(double seed, int batches, int batchSize)
{
    reliability::Driver driver(static_cast<std::uint64_t>(seed));
    std::string digests;
    for (int batch = 0; batch < batches; ++batch) {
        if (!driver.run(batchSize)) return "invariant broken: " + driver.failure();
        if (batch > 0) digests += ',';
        digests += hexDigest(stateDigest(driver.form()));
    }
    return digests;
}

} // namespace web
