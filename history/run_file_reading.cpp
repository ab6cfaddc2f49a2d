// Reading a run file's text: the bytes judged, the JSON parsed into a
// document with every cost bounded as it is read, then the run read from
// the document (run_file_reader.cpp). A front end with one thread reads in
// steps (RunTextReading); the others read at once (readRunText).
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "history/display_text.h"
#include "history/json_steps.h"
#include "history/run_file.h"
#include "history/run_file_document.h"
#include "history/run_file_messages.h"
#include "history/translatable.h"

using Json = runfile::document::Json;
using namespace runfile::messages;
using texts::fill;
using texts::translatable;

namespace {

// Builds the document as nlohmann's own parser does, with the nesting, the
// fields of an object and the cost of all values bounded as they are read:
// no shape of file then costs more than a small multiple of its size, and an
// object's fields (each looked up among the ones before it) stay few.
class BoundedBuilder {
public:
    explicit BoundedBuilder(Json& root) : dom_(root, true) {}

    bool null() { return spend(scalarCost()) && dom_.null(); }
    bool boolean(bool value) { return spend(scalarCost()) && dom_.boolean(value); }
    bool number_integer(Json::number_integer_t value)
    {
        return spend(scalarCost()) && dom_.number_integer(value);
    }
    bool number_unsigned(Json::number_unsigned_t value)
    {
        return spend(scalarCost()) && dom_.number_unsigned(value);
    }
    bool number_float(Json::number_float_t value, const Json::string_t& text)
    {
        return spend(scalarCost()) && dom_.number_float(value, text);
    }
    bool string(Json::string_t& value) { return spend(TextCost) && dom_.string(value); }
    bool start_object(std::size_t size) { return enter(0) && dom_.start_object(size); }
    bool key(Json::string_t& name)
    {
        if (++fields_.back() > runfile::MaxFields)
            refuse(fill(
                translatable(
                    "run files",
                    "The file holds an object with more than %1 fields; a run file's have a dozen at most."),
                runfile::MaxFields));
        return spend(KeyCost) && dom_.key(name);
    }
    bool end_object()
    {
        fields_.pop_back();
        return dom_.end_object();
    }
    bool start_array(std::size_t size) { return enter(InList) && dom_.start_array(size); }
    bool end_array()
    {
        fields_.pop_back();
        return dom_.end_array();
    }

private:
    // Roughly what each kind of value takes in memory, in units of a number
    // in an object. A number in a list costs more: the list's storage grows
    // by doubling, and while it grows the old and the new storage are both held.
    static constexpr std::size_t ScalarCost = 1;
    static constexpr std::size_t ListedScalarCost = 3;
    static constexpr std::size_t TextCost = 5;
    static constexpr std::size_t ContainerCost = 4;
    static constexpr std::size_t KeyCost = 3;
    // Marks an open list among the open objects' field counts.
    static constexpr std::size_t InList = static_cast<std::size_t>(-1);

    std::size_t scalarCost() const
    {
        return !fields_.empty() && fields_.back() == InList ? ListedScalarCost : ScalarCost;
    }
    bool enter(std::size_t fields)
    {
        if (fields_.size() >= static_cast<std::size_t>(runfile::MaxNesting))
            refuse(
                fill(translatable(
                         "run files",
                         "The file nests its lists and objects more than %1 deep; a run file needs three."),
                     runfile::MaxNesting));
        fields_.push_back(fields);
        return spend(ContainerCost);
    }
    bool spend(std::size_t cost)
    {
        cost_ += cost;
        if (cost_ > runfile::MaxValueCost)
            refuse(fill(translatable("run files", "The file holds more values than a run file of %1 MB can."),
                        runfile::MaxFileBytes / (1024 * 1024)));
        return true;
    }

    nlohmann::detail::json_sax_dom_parser<Json> dom_;
    std::vector<std::size_t> fields_; // fields so far of each open object, InList for a list
    std::size_t cost_ = 0;
};

} // namespace

// ---------------------------------------------------------------------------
// Reading in steps

struct RunTextReading::State {
    enum class Stage { Bytes, Parse, Run, Release, Done };

    std::string owned;
    std::string_view text;
    Stage stage = Stage::Bytes;
    std::size_t checked = 0; // bytes judged so far
    Json root;
    BoundedBuilder builder{root};
    jsonsteps::Reader parser{text};
    RunFileResult result;

    State(std::string ownedText, std::string_view view) : owned(std::move(ownedText)), text(view)
    {
        if (text.empty()) text = owned;
        parser = jsonsteps::Reader(text);
    }

    void refuse(std::string sentence)
    {
        result = {std::nullopt, std::move(sentence)};
        stage = Stage::Release;
    }

    // The same judgement of the bytes in every front end, before the parser's.
    void judgeBytes(std::size_t bytes)
    {
        if (checked == 0) {
            if (text.size() > runfile::MaxFileBytes) return refuse(tooLarge(text.size()));
            if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
                return refuse(fill(
                    translatable("run files", "The file holds a NUL byte at %1: a run file is plain text."),
                    placeOf(text, nul)));
        }
        const std::size_t end = std::min(text.size(), checked + bytes);
        while (checked < end) {
            const std::size_t start = checked;
            // A U+FFFD written out in the text is three bytes; a malformed byte reads as one.
            if (displaytext::codePointAt(text, checked) == 0xFFFD && checked == start + 1)
                return refuse(fill(
                    translatable("run files", "The file is not UTF-8 text: a malformed byte stands at %1."),
                    placeOf(text, start)));
        }
        if (checked < text.size()) return;
        if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
            return refuse(std::string(translatable("run files", "The file is empty.")));
        stage = Stage::Parse;
    }

    void parse(std::size_t bytes)
    {
        try {
            switch (parser.step(builder, bytes)) {
            case jsonsteps::Outcome::Reading:
                return;
            case jsonsteps::Outcome::Whole:
                stage = Stage::Run;
                return;
            case jsonsteps::Outcome::Unexpected:
                return refuse(
                    fill(translatable("run files",
                                      "The file is not valid JSON: something unexpected stands at %1."),
                         placeOf(text, parser.at())));
            case jsonsteps::Outcome::EndsEarly:
                return refuse(
                    fill(translatable("run files", "The file ends too early, at %1: it is cut short."),
                         placeOf(text, text.size())));
            case jsonsteps::Outcome::MoreAfterEnd:
                return refuse(fill(translatable("run files", "The file has more after its end, at %1."),
                                   placeOf(text, parser.at())));
            }
        } catch (const Refusal& refusal) {
            refuse(refusal.sentence);
        } catch (const Json::exception&) {
            refuse(std::string(translatable("run files", "The file is not valid JSON.")));
        }
    }

    void readRun()
    {
        try {
            result = {runfile::document::readScript(root), {}};
        } catch (const Refusal& refusal) {
            result = {std::nullopt, refusal.sentence};
        } catch (const Json::exception&) {
            result = {std::nullopt,
                      std::string(translatable("run files", "The file holds a value of the wrong kind."))};
        }
        stage = Stage::Release;
    }

    // The document's memory goes at once, not with the reading, in steps of
    // their own: freeing a million values takes as long as reading them.
    void release(std::size_t bytes)
    {
        std::size_t budget = std::max<std::size_t>(bytes / 8, 1);
        if (releaseSome(root, budget)) stage = Stage::Done;
    }

    // Frees values from the back of `value` until `budget` of them are gone;
    // true once `value` holds nothing more.
    static bool releaseSome(Json& value, std::size_t& budget)
    {
        if (!value.is_array() && !value.is_object()) return true;
        while (budget > 0) {
            if (value.is_array()) {
                auto& list = value.get_ref<Json::array_t&>();
                if (list.empty()) return true;
                if (!releaseSome(list.back(), budget)) return false;
                list.pop_back();
            } else {
                auto& fields = value.get_ref<Json::object_t&>();
                if (fields.empty()) return true;
                if (!releaseSome(fields.back().second, budget)) return false;
                fields.pop_back();
            }
            --budget;
        }
        return false;
    }
};

RunTextReading::RunTextReading(std::string text)
    : state_(std::make_unique<State>(std::move(text), std::string_view{}))
{
}

RunTextReading::RunTextReading(std::string_view text, ByView)
    : state_(std::make_unique<State>(std::string(), text))
{
}

RunTextReading::~RunTextReading() = default;
RunTextReading::RunTextReading(RunTextReading&&) noexcept = default;
RunTextReading& RunTextReading::operator=(RunTextReading&&) noexcept = default;

bool RunTextReading::step(std::size_t bytes)
{
    State& state = *state_;
    bytes = std::max<std::size_t>(bytes, 1);
    switch (state.stage) {
    case State::Stage::Bytes:
        state.judgeBytes(bytes);
        break;
    case State::Stage::Parse:
        state.parse(bytes);
        break;
    case State::Stage::Run:
        state.readRun();
        break;
    case State::Stage::Release:
        state.release(bytes);
        break;
    case State::Stage::Done:
        break;
    }
    return state.stage == State::Stage::Done;
}

bool RunTextReading::done() const { return state_->stage == State::Stage::Done; }

RunFileResult RunTextReading::result() { return std::move(state_->result); }

namespace {

RunFileResult readAtOnce(RunTextReading& reading)
{
    while (!reading.step(static_cast<std::size_t>(-1) / 2)) {
    }
    return reading.result();
}

} // namespace

RunFileResult RunTextReading::readWhole(std::string text)
{
    RunTextReading reading(std::move(text));
    return readAtOnce(reading);
}

RunFileResult readRunText(std::string_view text)
{
    RunTextReading reading(text, RunTextReading::ByView{});
    return readAtOnce(reading);
}

RunFileResult loadRunFile(const std::string& path)
{
    namespace fs = std::filesystem;
    const std::string shown = displaytext::name(path);
    std::error_code error;
    const fs::path file(path);
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found)
        return {std::nullopt,
                fill(translatable("run files", "Could not open %1: there is no such file."), shown)};
    if (status.type() == fs::file_type::directory)
        return {std::nullopt,
                fill(translatable("run files", "Could not open %1: it is a folder, not a file."), shown)};
    if (error)
        return {std::nullopt,
                fill(translatable("run files", "Could not open %1: %2."), shown, error.message())};
    if (status.type() != fs::file_type::regular)
        return {std::nullopt,
                fill(translatable("run files", "Could not open %1: it is not a plain file."), shown)};
    const std::uintmax_t size = fs::file_size(file, error);
    if (error)
        return {std::nullopt,
                fill(translatable("run files", "Could not open %1: %2."), shown, error.message())};
    if (size > runfile::MaxFileBytes) return {std::nullopt, tooLarge(size)};
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {std::nullopt,
                fill(translatable("run files", "Could not open %1: it cannot be read."), shown)};
    // The limit holds for what is read, not only for what the folder said:
    // the file may have grown, or been swapped, since.
    std::string text;
    text.reserve(static_cast<std::size_t>(size) + 1);
    char chunk[64 * 1024];
    while (text.size() <= runfile::MaxFileBytes && in.read(chunk, sizeof chunk).gcount() > 0)
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return {std::nullopt,
                fill(translatable("run files", "Could not open %1: it cannot be read."), shown)};
    if (text.size() > runfile::MaxFileBytes) return {std::nullopt, tooLarge(text.size())};
    return RunTextReading::readWhole(std::move(text));
}
