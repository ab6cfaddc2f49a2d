// WebSession: the model, its history and the run controls of the page, as
// one object the page holds. Every decision is taken here, in the same C++
// the desktop window runs; the page only draws what the JSON documents say
// and passes the user's gestures back as events.
//
// How the page uses it:
//   - start-up:        new WebSession(location.search); layoutJson(); windowJson()
//   - each clock firing (every clockInterval() ms while clockRuns()): tick()
//   - each user action: apply(kind, target, value), step(), stepBack(), rewindTo(t)
//   - after each of those: frameJson() (what changed, the clock, a modal box
//     to show and the practice panel, in one call; or takeMessage() and
//     changesJson() apart) and, for the chart and log, samplesJson(from), logJson(from)
//   - the view options: viewOptionsJson() once; flightName(ack, slot) for the
//     packet or ACK the keyboard picks
//   - run files and lessons: fileSizeRefusal(name, bytes) before reading a
//     file, then openRunText(name, text); openLesson(name); lessonsJson();
//     savedRunJson() for "Save run"; openedJson() after start-up for the
//     note of a lesson the link opened
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "core/form.h"
#include "frontend/classroom_journal.h"
#include "frontend/comparison.h"
#include "frontend/link_settings.h"
#include "frontend/practice.h"
#include "frontend/run_clock.h"
#include "history/ladder_description.h"
#include "history/run_history.h"
#include "ui/web/window_json.h"

namespace web {

class WebSession {
public:
    // `address` is the page's whole address, or only its query ("?tx=8").
    explicit WebSession(const std::string& address);
    WebSession(const WebSession&) = delete;
    WebSession& operator=(const WebSession&) = delete;
    ~WebSession();

    // One firing of the clock; does nothing while the clock is off or a box is open.
    void tick();
    // A user event (EventKind, target, value as in core/events.h).
    void apply(int kind, int target, int value);
    // The user's gesture on the control named `control` (frontend/control_events.h):
    // the page sends the names it built its controls from.
    void use(const std::string& control, int index, int value);
    // One tick, as the desktop steps: the recording plays first, a running clock is paused.
    void step();
    void stepBack();
    bool rewindTo(int tick);
    // Go to tick: rewinds to a tick reached or steps on to a later one as
    // step() would, paused there (the desktop's run_player::goTo); the tick reached.
    int goToTick(int tick);
    void setSpeed(int index);

    // The text of the next modal box the model asked for, "" when none. The
    // clock stands still from the model's request until messageClosed().
    std::string takeMessage();
    void messageClosed();

    bool clockRuns() const;
    int clockInterval() const;
    int speedIndex() const { return speed_; }
    int ticks() const { return history_->ticks(); }

    std::string layoutJson() const;
    // Every control the model draws, plus the run controls' state.
    std::string windowJson() const;
    // What changed in windowJson since the last call, everything the first time.
    std::string changesJson();
    // All the page reads after a tick or an action, in one call:
    // {"changes": changesJson(), "clockRuns", "clockInterval", "message":
    // takeMessage(), "practice": practiceJson(), or null when the same as in
    // the last frameJson()}.
    std::string frameJson();
    std::string viewOptionsJson() const;
    // What a screen reader calls flight slot `slot` of the packets or the ACKs.
    std::string flightName(bool ack, int slot) const;
    // The keyboard's next pick after `arrow` (window_json.h's nextPickJson).
    std::string nextPickJson(bool ack, int slot, const std::string& arrow) const;
    // Samples from tick `from` on, as columns: tx window, threshold, flight, rx window,
    // markers, and avoidance (1 where the window grew by congestion avoidance).
    std::string samplesJson(int from) const;
    // Log entries from index `from` on.
    std::string logJson(int from) const;
    // The settings link's query, and what applying the start-up link said:
    // {"embed", "ignored": [sentences], "refused": the sentence refusing a
    // link too long to read, "" for none}.
    std::string linkQuery() const;
    std::string linkOutcomeJson() const;
    // The language a link's lang= asks for ("" for none) and whether its
    // modeltext=1 asks for the simulation's texts translated too.
    std::string linkLanguage() const { return outcome_.language; }
    bool linkSimulationTexts() const { return outcome_.simulationTexts; }
    // Run files and lessons, as the desktop opens them: a new run paused at
    // its start whose recorded actions play at their ticks. Each returns
    // {"error": sentence or "", "title", "note"}; on an error the run on
    // screen is left exactly as it was.
    std::string openRunText(const std::string& fileName, const std::string& text);
    std::string openLesson(const std::string& name);
    // The sentence refusing a file of `bytes` unread, "" when it may be read.
    std::string fileSizeRefusal(const std::string& fileName, double bytes) const;
    // [{"name", "title"}] of every built-in lesson, in teaching order.
    std::string lessonsJson() const;
    // {"error", "text", "fileName"}: the current run as a run file.
    std::string savedRunJson() const;
    // What the start-up link opened: as openLesson's answer, or {} for nothing.
    std::string openedJson() const { return opened_; }

    // Practice mode (web_practice.cpp): the session's question as JSON
    // {"on", "phase", "prompt", "choices", "right" (-1 until explained),
    //  "chosen", "explanation" (once explained), "notice", "score",
    //  "answered", "perMinute", "eventTick", "packet"}; the clock holds while
    //  a question is asked.
    void setPractice(bool on);
    std::string practiceJson() const;
    void answerPractice(int choice);
    void skipPractice();
    void setQuestionsPerMinute(int questions);
    std::string practiceSummary() const { return practice_.summary(); }

    // Protocol presets (web_protocol.cpp): [{"name", "title"}] of every
    // preset; the name of the one in force ("" for a custom set); applying
    // one as the user's own clicks and slider moves; and the status line the
    // desktop shows under its window.
    std::string protocolsJson() const;
    std::string protocolInForce() const;
    bool applyProtocol(const std::string& name);
    std::string statusLine() const;

    // A run in a link (web_session_share.cpp). The page compresses and
    // inflates with the browser's own streams; everything else is here:
    // {"query", "run", "error"}, the parts of the link to the run on screen;
    // the sentence refusing a link of `characters`, "" when it may travel;
    // opening the inflated JSON of a link's run, answered as openRunText;
    // the sentence for a link whose run cannot be inflated.
    std::string linkPartsJson() const;
    // The link's fragment for a run the browser has raw-deflated: "run=" and
    // its base64url; the base64url payload in a location's fragment ("" for
    // none); and its bytes, nothing when it is no base64url.
    std::string runFragment(const std::string& deflated) const;
    std::string fragmentPayload(const std::string& hash) const;
    std::optional<std::string> payloadBytes(const std::string& payload) const;
    std::string linkRefusal(double characters) const;
    std::string qrRefusal(double characters) const; // as linkRefusal, for a QR code
    std::string openLinkedRun(const std::string& json);
    std::string damagedLinkSentence() const;
    // How far a link's run may inflate (the run-file limit, in bytes), and
    // the sentence refusing one that inflates further.
    double linkInflateLimit() const;
    std::string linkTooLargeSentence() const;

    // Opening a run file or a link's run in steps (web_reading.cpp), so that
    // the page's one thread never stands still for long: beginReading hands
    // over the text (fileName "" for a link's run); each readStep reads on
    // for a moment, true once the reading is over; openRead then opens what
    // was read and answers as openRunText does. Nothing changes on screen
    // before openRead; a new beginReading drops a reading not yet done.
    void beginReading(const std::string& fileName, const std::string& text);
    bool readStep();
    std::string openRead();

    // The time-sequence diagram (web_ladder.cpp), as the desktop's window
    // draws it. The page shows the shared SVG drawing of the ticks in view,
    // placed in a scrolled strip as tall as the whole run's drawing:
    //   ladderViewJson(width): {"first", "last" (the ticks kept), "height"
    //     (of the whole drawing), "header", "tickPixels"}, in pixels for a
    //     strip `width` pixels wide;
    //   ladderSvg(from, to, width, safeColours, stateMarks): ticks from..to
    //     as an SVG document (what the exporter writes), also for saving;
    //   ladderPick(from, to, width, x, y): the tick a click at (x, y) of
    //     that drawing picks: the tick a line left when it falls on one;
    //   ladderJson(from, to): the description itself, for the tests.
    std::string ladderViewJson(double width) const;
    std::string ladderSvg(int from, int to, double width, bool safeColours, bool stateMarks);
    int ladderPick(int from, int to, double width, double x, double y);
    std::string ladderJson(int from, int to);

    // Pictures of the run (web_pictures.cpp): view "window", "chart",
    // "diagram" or "table" of ticks from..to (to -1: the last), width x height
    // pixels, as the desktop exports it (its title line unless `titled` is
    // false); the figures as the desktop's CSV; the name proposed for a
    // download ending in `ending` ("chart.png").
    std::string pictureSvg(const std::string& view, int from, int to, double width, double height,
                           bool titled, bool safeColours, bool stateMarks) const;
    std::string figuresCsv() const;
    std::string pictureFileName(const std::string& ending) const;

    // The run as a packet capture (web_capture.cpp), for "Save capture": the
    // .pcap file's bytes, the exporter's and the desktop's own, and the name
    // proposed for the download.
    std::string captureBytes(bool atReceiver) const;
    std::string captureFileName(bool atReceiver) const;

    // The network's losses (web_losses.cpp), set from the page's Network
    // panel: lossesJson() as web::lossesJson; each change takes effect from
    // the next tick. figuresJson(): the run's figures, as web::figuresJson
    // with one unlabelled column, worked out again only when the tick moved.
    std::string lossesJson() const;
    void setLossRates(int packetPercent, int ackPercent, double seed);
    bool addPlannedLoss(bool ack, int number, int transmission);
    void removePlannedLoss(int index);
    std::string figuresJson() const;

    // A comparison the start-up link (compare=) or the last file, lesson or
    // linked run opened (one with runs alongside), waiting for the page to
    // show it; the open's answer says {"compare": true}. WebComparison takes it.
    bool comparisonWaiting() const { return waitingComparison_ != nullptr; }
    std::unique_ptr<Comparison> takeComparison() { return std::move(waitingComparison_); }
    const Form1& form() const { return form_; }
    const RunHistory& history() const { return *history_; }

    // stateDigest of the model, in hexadecimal.
    std::string digest() const;

    // Following a classroom session (web_follow.cpp), when the link carries
    // its join token (follow=): the page runs the teacher's run from the
    // calls the laptop sends (frontend/classroom_journal.h), and nothing the
    // student does reaches it; "Try it yourself" branches a private copy and
    // "Back to the class" rebuilds the class's run.
    //   followJson(): {"on", "token", "own" (trying it yourself), "synced",
    //     "strayed", "ahead" (ticks made on the phone's own clock, not yet
    //     checked), "texts": {the sentences the page shows}}
    //   followJoin(device), followVote(question, choice): the messages to send
    //   followTake(text): takes a message; {"rejoin" (join again to catch
    //     up), "room" (the question as it stands, {} for none), "end" (a
    //     sentence when the session turned the phone away), "sync" (the run
    //     was rebuilt), "ticks" (in the message, to be played at their pace), "calls" (the
    //     message moved the teacher's run: its clock stood there just now)}
    //   followAdvance(ticks), followOwed(): plays up to `ticks` of the ticks
    //     waiting, with the calls between them; true when the run strayed
    //     from the teacher's and the phone must join again
    //   followPredict(ticks), followAhead(): makes up to `ticks` ticks of the
    //     phone's own clock beyond the teacher's last message (the next
    //     batch checks them); the ticks made, or -1 when the run's clock is
    //     not running for the phone to keep (stopped, held by a question,
    //     calls waiting, trying it yourself)
    //   followOwnCopy(on): Try it yourself / Back to the class
    //   followDigests(): [[teacher's, own], ...] after each call of late, for the tests
    std::string followJson() const;
    std::string followJoin(const std::string& device) const;
    std::string followVote(int question, int choice) const;
    std::string followTake(const std::string& text);
    bool followAdvance(int ticks);
    int followOwed() const { return follower_.owed(); }
    int followPredict(int ticks);
    int followAhead() const { return follower_.ahead(); }
    void followOwnCopy(bool own);
    std::string followDigests() const;
    // The class drives the run on screen: the student's own gestures do nothing.
    bool classDrives() const { return !outcome_.follow.empty() && follower_.following(); }

private:
    Form1 form_;
    std::optional<RunHistory> history_;
    links::LinkOutcome outcome_;
    std::string linkRefused_; // why the start-up link was refused unread, "" when it was not
    WindowChanges changes_;
    RunState runState() const;
    std::string openScript(const RunScript& script, const std::string& lesson);
    // The lesson's run while it stays as the lesson wrote it, for the link.
    bool showsUnmodifiedLesson() const;

    std::deque<std::string> messages_;
    // The practice panel as frameJson() last sent it.
    std::string practiceSent_;
    std::string opened_ = "{}";
    std::string lesson_;     // the lesson last opened, "" for none
    RunScript lessonScript_; // and its script, to tell whether the run still is it
    bool messageOpen_ = false;
    practice::Session practice_;
    void practiceAfterTick();
    int speed_ = run_clock::NormalSpeed;
    // The diagram last described: the page asks for its visible ticks every
    // redraw, and a click right after asks about the same ticks again.
    ladder::Description ladder_;
    const ladder::Description& describeLadder(int from, int to);

    std::unique_ptr<Comparison> waitingComparison_;
    classroom::Follower follower_;
    classroom::RoomView room_;
    // The digests after each call taken, the teacher's and this page's, the last few hundred.
    std::deque<std::array<std::string, 2>> followed_;
    void noteFollowed(const std::string& teachers, const std::string& own);
    // The reading in steps under way, and whose text it reads ("" for a link's run).
    std::unique_ptr<RunTextReading> reading_;
    std::string readingName_;
    // The figures last worked out, and where the run stood: its tick, the
    // runs kept and the log's length (a rewind and a new branch change it).
    mutable std::string figures_;
    mutable std::array<std::size_t, 3> figuresAt_{};
};

// A state digest as the page shows it: sixteen hexadecimal digits.
std::string hexDigest(std::uint64_t digest);

// What every open answers: {"error", "title", "note"}; `script` null on an error.
std::string openAnswer(const std::string& error, const RunScript* script);

// The state digests of a seeded stream of random user events, one after
// each batch of `batchSize` events, comma-separated: the same numbers the
// native reference program prints for that seed.
std::string randomEventDigests(double seed, int batches, int batchSize);

} // namespace web
