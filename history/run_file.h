// Run files: one run of the demonstration as a small JSON document that any
// front end (the desktop window, the exporter, the browser page) can save,
// open and play. The format is described in docs/run-format.md.
//
// A run is its settings at the start, the user's actions with their ticks and
// the number of ticks it ran. Opening a file rebuilds the start state from a
// fresh start-up (startState) and plays the actions on it; the engine is
// deterministic, so every tick comes out exactly as recorded.
//
// Reading is strict and safe: anything that is not a valid run of this
// format version or older is refused with one sentence saying what is wrong
// and where; nothing in a file is ever executed, and no other file is read.
// The bytes are judged the same way in every front end: a NUL byte, bytes
// that are not UTF-8 and text after the JSON's end are refused. The title and
// the note come back as plain text (history/display_text.h), shortened, so
// that every front end shows the same; a name echoed in a refusal likewise.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/events.h"
#include "core/form.h"
#include "history/losses.h"
#include "history/run_recorder.h"

namespace runfile {

inline constexpr int FormatVersion = 4;
inline constexpr std::string_view FormatName = "sliding-window-run";
// Ten minutes of run take a few kilobytes; nothing a person records comes
// near this, and a file beyond it is refused before it is read.
inline constexpr std::size_t MaxFileBytes = 4 * 1024 * 1024;
// About six days at the fastest speed: far longer than any lesson, short
// enough that a file cannot ask for an endless replay.
inline constexpr std::int32_t MaxTicks = 40'000'000;
// A run file nests three deep, its objects have a dozen fields at most, and
// an action costs at least 16 units of MaxValueCost (4 for the object, 5 for
// a text, 3 for a field's name, 1 for a number; a number in a list costs 3)
// in 32 bytes or more: a file of MaxFileBytes holds at most 2.1 million. A
// unit stands for about 20 bytes of the parsed document, whatever the
// shape. These bounds, checked while the file is parsed, keep the parse of
// any file of up to MaxFileBytes within about 45 megabytes.
inline constexpr int MaxNesting = 16;
inline constexpr std::size_t MaxFields = 64;
inline constexpr std::size_t MaxValueCost = 2'150'000;

// The sentence refusing a file of `bytes`, for readers that check its size
// before reading it (the browser page, which is handed the size first).
std::string tooLargeSentence(std::uint64_t bytes);
// The sentence refusing a link whose run inflates past MaxFileBytes.
std::string linkTooLargeSentence();

} // namespace runfile

// The option boxes and the four sliders at the start of a run, as the window
// shows them.
struct RunSettings {
    std::array<bool, OptionBoxCount> options{}; // ticked, indexed by OptionBox
    std::int16_t timeout = 6;                   // timeout setting, 1..20
    std::int16_t txWindow = 4;                  // packets, 1..16
    std::int16_t rxWindow = 8;                  // packets, 1..16
    std::int16_t highestSequence = 15;          // 0..31

    bool operator==(const RunSettings&) const = default;
};

// What a Reset keeps from the run before it, beyond the settings. Present
// only for a run that began with a Reset; a run from start-up has none.
struct CarriedState {
    std::int32_t txWindowBytes = 0;
    std::int32_t ssThreshBytes = 0;
    std::int32_t lossWindowBytes = 0;
    std::int32_t flightBytes = 0;
    std::int16_t launchHoldoff = 0;
    std::int16_t clickHoldoff = 0;
    std::int16_t dupAckCount = 0;
    std::int32_t txState = 0;
    // The figures as the run before last drew them; the Reset does not redraw them.
    std::string txWindowFigure;
    std::string flightFigure;
    std::string duplicateAcksFigure;

    bool operator==(const CarriedState&) const = default;
};

// A question a teacher wrote into a lesson, asked when the run comes near
// `tick`: the tick on which its event happens, the figure read once that
// tick has run. A checkable one names what it asks about, and its right
// choice must be what the window shows then; a Text one is taken as written.
struct RunQuestion {
    enum class Asks : std::uint8_t { Text, SsThresh, TxWindow, Resent, AsksFor };
    std::int32_t tick = 0;
    Asks asks = Asks::Text;
    std::string prompt;
    std::vector<std::string> choices; // two to four, all different
    std::int32_t answer = 0;          // the index of the right choice
    std::string explanation;          // may be empty

    bool operator==(const RunQuestion&) const = default;
};

struct RunScript {
    std::string title; // lessons have both; a saved run may have neither
    std::string note;
    RunSettings settings;
    std::optional<CarriedState> carried;
    std::int32_t ticks = 0;             // ticks the run ran
    std::vector<RecordedEvent> actions; // stamped from the run's tick 0, in order
    std::vector<RunQuestion> questions; // a lesson's, by tick; none in a saved run
    LossSettings losses;                // the network's; none before version 3

    // A comparison: this run is its first configuration, named `label`
    // ("Stop-and-wait"), and `alongside` holds the one or two others, run
    // from the same clock with the same losses. Each of those has its own
    // label, settings, carried state and actions; its ticks and losses are
    // this run's, and it has no title, note, questions or further runs.
    std::string label;
    std::vector<RunScript> alongside;

    bool operator==(const RunScript&) const = default;
};

// The settings and carried state of `start`, the model at a run's tick 0;
// `afterReset` says whether that run began with a Reset.
RunSettings settingsOf(const Form1& start);
CarriedState carriedOf(const Form1& start);

// The model at the script's tick 0: a fresh start-up with the settings put in
// place as a user would (boxes, then sliders), and what a Reset carried over.
Form1 startState(const RunScript& script);

// Option and slider names as the file writes them ("slowStart", "txWindow").
std::string_view optionName(OptionBox box);
std::string_view sliderName(SliderId slider);

struct RunFileResult {
    std::optional<RunScript> script;
    std::string error; // one sentence, when script is empty
};

// The whole text of a run file, as written to disk.
std::string writeRunText(const RunScript& script);
RunFileResult readRunText(std::string_view text);

// Reading a run file's text in steps, for a front end with one thread that
// must stay responsive while it reads (the browser page): each step judges
// or parses about `bytes` more of the text, and the last one reads the run
// from what was parsed. The result is readRunText's, sentence for sentence.
class RunTextReading {
public:
    explicit RunTextReading(std::string text);
    ~RunTextReading();
    RunTextReading(RunTextReading&&) noexcept;
    RunTextReading& operator=(RunTextReading&&) noexcept;

    // True once the reading is over and result() is ready.
    bool step(std::size_t bytes);
    bool done() const;
    // The run or the sentence refusing it; once, after the last step.
    RunFileResult result();

    // The text read at once.
    static RunFileResult readWhole(std::string text);

private:
    friend RunFileResult readRunText(std::string_view text);
    struct ByView {};
    RunTextReading(std::string_view text, ByView); // reads `text` in place: it must outlive the reading
    struct State;
    std::unique_ptr<State> state_;
};

// Writes to a temporary file beside `path`, created under an unpredictable
// name (never through a link planted in the folder), and renames it over, so
// that a failure never leaves a half-written file. Returns an empty string on
// success, or a sentence saying what went wrong.
std::string saveRunFile(const std::string& path, const RunScript& script);
// Refuses a file larger than MaxFileBytes without reading more than that.
RunFileResult loadRunFile(const std::string& path);
