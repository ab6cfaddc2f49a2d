#include "ui/web/web_session.h"

#include <cmath>

#include "core/events.h"
#include "core/numbers.h"
#include "core/state_digest.h"
#include "frontend/run_names.h"
#include "history/lessons.h"
#include "tests/reliability/random_events.h"
#include "ui/web/json_text.h"
#include "ui/web/page_layout.h"

namespace web {

namespace {

std::string hexDigest(std::uint64_t digest)
{
    constexpr char hex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, digest >>= 4)
        text[static_cast<std::size_t>(i)] = hex[digest & 0xF];
    return text;
}

void writeLabel(JsonText& json, const Label& label)
{
    json.beginObject().key("caption").value(label.Caption).key("colour").colour(label.ForeColor);
    json.key("left").value(label.Left).key("top").value(label.Top).key("visible").value(label.Visible);
    json.endObject();
}

void writeFlight(JsonText& json, const FlightButton& button)
{
    json.beginObject().key("caption").value(button.Caption).key("left").value(button.Left);
    json.key("top").value(button.Top).key("width").value(button.Width).key("visible").value(button.Visible);
    json.endObject();
}

void writeCheck(JsonText& json, const char* name, const CheckBox& box)
{
    json.key(name).beginObject().key("caption").value(box.Caption).key("value").value(box.Value == 1);
    json.key("enabled").value(box.Enabled).endObject();
}

} // namespace

WebSession::WebSession(const std::string& query)
{
    form_.showMessageBox = [this](const std::string& text) { messages_.push_back(text); };
    form_.Form_Load();
    history_.emplace(form_);
    outcome_ = links::applyLink(form_, *history_, query);
    speed_ = outcome_.speedIndex;
    if (!outcome_.lesson.empty()) {
        opened_ = openLesson(outcome_.lesson);
    } else if (outcome_.run && !form_.Timer1.Enabled) {
        apply(static_cast<int>(EventKind::StartReset), 0, 0);
    }
}

WebSession::~WebSession() { form_.showMessageBox = nullptr; }

void WebSession::tick()
{
    if (!clockRuns()) return;
    history_->tick(form_);
}

void WebSession::apply(int kind, int target, int value)
{
    if (messageOpen_ || kind < 0 || kind >= EventKindCount) return;
    history_->apply(form_, UserEvent{static_cast<EventKind>(kind), static_cast<std::int16_t>(target),
                                     static_cast<std::int16_t>(value)});
}

void WebSession::step()
{
    if (messageOpen_) return;
    // The desktop's step, so that both play a recording the same way.
    history_->step(form_);
}

void WebSession::stepBack()
{
    if (history_->ticks() > 0) rewindTo(history_->ticks() - 1);
}

bool WebSession::rewindTo(int tick)
{
    if (messageOpen_) return false;
    return history_->rewindTo(form_, tick, RunHistory::Landing::Paused);
}

void WebSession::setSpeed(int index)
{
    if (index >= 0 && index < static_cast<int>(std::size(links::Speeds))) speed_ = index;
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

bool WebSession::clockRuns() const { return form_.Timer1.Enabled && !messageOpen_ && messages_.empty(); }

int WebSession::clockInterval() const
{
    return static_cast<int>(
        std::lround(form_.Timer1.Interval / links::Speeds[static_cast<std::size_t>(speed_)]));
}

std::string WebSession::layoutJson() const { return pageLayoutJson(); }

std::string WebSession::windowJson() const
{
    JsonText json;
    json.beginObject();
    json.key("lblTx").beginArray();
    for (const Label& label : form_.lblTx)
        writeLabel(json, label);
    json.endArray();
    json.key("lblRx").beginArray();
    for (const Label& label : form_.lblRx)
        writeLabel(json, label);
    json.endArray();
    json.key("shpTimeOut").beginArray();
    for (const TimeoutBar& bar : form_.shpTimeOut)
        json.value(bar.Width);
    json.endArray();
    json.key("cmdPacket").beginArray();
    for (const FlightButton& button : form_.cmdPacket)
        writeFlight(json, button);
    json.endArray();
    json.key("cmdACK").beginArray();
    for (const FlightButton& button : form_.cmdACK)
        writeFlight(json, button);
    json.endArray();
    for (const auto& [name, frame] :
         {std::pair{"shpTxWindow", &form_.shpTxWindow}, std::pair{"shpRxWindow", &form_.shpRxWindow}}) {
        json.key(name).beginObject().key("left").value(frame->Left).key("width").value(frame->Width);
        json.key("visible").value(frame->Visible).endObject();
    }

    json.key("labels").beginObject();
    const auto label = [&json](const char* name, const Label& model) {
        json.key(name);
        writeLabel(json, model);
    };
    label("lblTxInfo", form_.lblTxInfo);
    label("lblRxInfo", form_.lblRxInfo);
    label("lblState", form_.lblState);
    const char* const txNames[] = {"lblTxWindow_0", "lblTxWindow_1", "lblTxWindow_2",
                                   "lblTxWindow_3", "lblTxWindow_4", "lblTxWindow_5"};
    for (std::size_t i = 0; i < form_.lblTxWindow.size(); ++i)
        label(txNames[i], form_.lblTxWindow[i]);
    label("lblRxWindow_0", form_.lblRxWindow[0]);
    label("lblRxWindow_1", form_.lblRxWindow[1]);
    label("lblTimeOut_0", form_.lblTimeOut[0]);
    label("lblTimeOut_1", form_.lblTimeOut[1]);
    label("lblSequences_0", form_.lblSequences[0]);
    label("lblSequences_1", form_.lblSequences[1]);
    label("lblDupACKs", form_.lblDupACKs);
    label("lblSSThresh", form_.lblSSThresh);
    json.endObject();

    json.key("buttons").beginObject().key("cmdReset").value(form_.cmdReset.Caption);
    json.key("cmdPause").value(form_.cmdPause.Caption).endObject();
    json.key("checks").beginObject();
    writeCheck(json, "chkSlowStart", form_.chkSlowStart);
    writeCheck(json, "chkAvoidance", form_.chkAvoidance);
    writeCheck(json, "chkFastRetransmit", form_.chkFastRetransmit);
    writeCheck(json, "chkSelective", form_.chkSelective);
    writeCheck(json, "chkDelayedACK", form_.chkDelayedACK);
    writeCheck(json, "chkAutoRTT", form_.chkAutoRTT);
    writeCheck(json, "chkSlide", form_.chkSlide);
    writeCheck(json, "chkInOrderReceiver", form_.chkInOrderReceiver);
    json.endObject();
    json.key("sliders").beginObject();
    for (const auto& [name, bar] :
         {std::pair{"HScroll1", &form_.HScroll1}, std::pair{"VScroll1", &form_.VScroll1},
          std::pair{"VScroll2", &form_.VScroll2}, std::pair{"VScroll3", &form_.VScroll3}}) {
        json.key(name).beginObject().key("value").value(bar->value()).key("min").value(bar->Min);
        json.key("max").value(bar->Max).key("step").value(bar->SmallChange).endObject();
    }
    json.endObject();

    json.key("run")
        .beginObject()
        .key("tick")
        .value(history_->ticks())
        .key("clockOn")
        .value(form_.Timer1.Enabled)
        .key("speed")
        .value(speed_)
        .key("lessonEnd")
        .value(history_->atLessonEnd())
        .key("canStepBack")
        .value(history_->ticks() > 0)
        .endObject();
    json.endObject();
    return json.take();
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
    column("ssThresh", [&json](const TickSample& s) { json.value(s.ssThresh()); });
    column("flight", [&json](const TickSample& s) { json.value(s.flight()); });
    column("rxWindow", [&json](const TickSample& s) { json.value(s.rxWindow()); });
    column("markers", [&json](const TickSample& s) { json.value(static_cast<int>(s.markers())); });
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
    if (!showsUnmodifiedLesson()) return links::linkQuery(form_, speed_);
    std::string query = "lesson=" + lesson_;
    if (speed_ != links::NormalSpeed) query += "&speed=" + numbers::shortestText(links::Speeds[speed_]);
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
    json.endObject();
    return json.take();
}

std::string WebSession::openScript(const RunScript& script, const std::string& lesson)
{
    // Whatever the old run still wanted to say belongs to it, not to the new one.
    messages_.clear();
    history_->open(form_, script);
    lesson_ = lesson;
    lessonScript_ = lesson.empty() ? RunScript{} : script;
    return openAnswer({}, &script);
}

std::string WebSession::openRunText(const std::string& fileName, const std::string& text)
{
    if (messageOpen_) return openAnswer("Close the message box first, then open the run again.", nullptr);
    const RunFileResult read = readRunText(text);
    if (!read.script) return openAnswer(fileName + " cannot be opened. " + read.error, nullptr);
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
    return fileName + " cannot be opened. " + runfile::tooLargeSentence(static_cast<std::size_t>(bytes));
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
    json.beginObject().key("embed").value(outcome_.embed).key("ignored").beginArray();
    for (const std::string& sentence : outcome_.ignored)
        json.value(sentence);
    json.endArray().endObject();
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
