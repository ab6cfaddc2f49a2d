// A strict JSON reader (RFC 8259) that can stop between any two values and
// go on later, so that a front end with one thread (the browser page) reads
// a large file in short steps and stays responsive in between.
//
// It hands what it reads to a handler with the calls of nlohmann's SAX
// interface (null, boolean, number_integer, number_unsigned, number_float,
// string, start_object, key, end_object, start_array, end_array), so that
// the document it builds is the one nlohmann's own parser would build. The
// text must be well-formed UTF-8 already (the run-file reader checks that
// first); strings come back unescaped.
//
// Where the text is not JSON, reading stops with the first byte that cannot
// go on a valid document, or with the end of the text when it is cut short,
// or with the first byte after the document when more follows it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace jsonsteps {

enum class Outcome { Reading, Whole, Unexpected, EndsEarly, MoreAfterEnd };

class Reader {
public:
    // `text` must outlive the reader.
    explicit Reader(std::string_view text) : text_(text) {}

    // Reads on until about `bytes` more of the text are read, or the
    // document is whole, or it is found wrong; `handler` receives the
    // values. A handler may throw to stop the reading: the reader is then
    // left where it was. Returns what reading() returns.
    template <class Handler> Outcome step(Handler& handler, std::size_t bytes);

    Outcome outcome() const { return outcome_; }
    // Where the reading stopped: the offending byte, or the first one after
    // the document (for EndsEarly: the text's size).
    std::size_t at() const { return at_; }

private:
    enum class Expect : std::uint8_t { Value, ValueOrEnd, Key, KeyOrEnd, Colon, CommaOrEnd };
    // What the next token is, once the blanks before it are skipped; 0 at the end of the text.
    char next();
    Outcome fail(Outcome outcome, std::size_t at);
    // Reads the string whose opening quote is at at_, into text; false (and
    // the reading failed) when it is not a valid string.
    bool readString(std::string& into);
    // The number at at_: its token, and false when it is not a valid number.
    bool scanNumber(std::string_view& token);

    template <class Handler> bool value(Handler& handler);
    template <class Handler> bool number(Handler& handler);

    std::string_view text_;
    std::size_t at_ = 0;
    Outcome outcome_ = Outcome::Reading;
    Expect expect_ = Expect::Value;
    std::vector<bool> inObject_; // the open lists and objects, innermost last
    bool started_ = false;
    std::string scratch_;
};

// --- The stepping loop ------------------------------------------------------

template <class Handler> Outcome Reader::step(Handler& handler, std::size_t bytes)
{
    const std::size_t stop = bytes > text_.size() ? text_.size() + 1 : at_ + bytes;
    while (outcome_ == Outcome::Reading && at_ < stop) {
        const char c = next();
        if (started_ && inObject_.empty()) {
            // The document is whole: nothing but blanks may follow it.
            return c == 0 ? (outcome_ = Outcome::Whole) : fail(Outcome::MoreAfterEnd, at_);
        }
        if (c == 0) return fail(Outcome::EndsEarly, text_.size());
        switch (expect_) {
        case Expect::Value:
            if (!value(handler)) return outcome_;
            break;
        case Expect::ValueOrEnd:
            if (c == ']') {
                ++at_;
                inObject_.pop_back();
                handler.end_array();
                expect_ = Expect::CommaOrEnd;
            } else if (!value(handler)) {
                return outcome_;
            }
            break;
        case Expect::KeyOrEnd:
        case Expect::Key:
            if (c == '}' && expect_ == Expect::KeyOrEnd) {
                ++at_;
                inObject_.pop_back();
                handler.end_object();
                expect_ = Expect::CommaOrEnd;
                break;
            }
            if (c != '"') return fail(Outcome::Unexpected, at_);
            if (!readString(scratch_)) return outcome_;
            handler.key(scratch_);
            expect_ = Expect::Colon;
            break;
        case Expect::Colon:
            if (c != ':') return fail(Outcome::Unexpected, at_);
            ++at_;
            expect_ = Expect::Value;
            break;
        case Expect::CommaOrEnd: {
            const bool object = inObject_.back();
            if (c == ',') {
                ++at_;
                expect_ = object ? Expect::Key : Expect::Value;
            } else if (c == (object ? '}' : ']')) {
                ++at_;
                inObject_.pop_back();
                if (object)
                    handler.end_object();
                else
                    handler.end_array();
            } else {
                return fail(Outcome::Unexpected, at_);
            }
            break;
        }
        }
    }
    if (outcome_ == Outcome::Reading && started_ && inObject_.empty() && next() == 0)
        outcome_ = Outcome::Whole;
    return outcome_;
}

template <class Handler> bool Reader::value(Handler& handler)
{
    const char c = text_[at_];
    started_ = true;
    expect_ = Expect::CommaOrEnd;
    switch (c) {
    case '{':
        ++at_;
        inObject_.push_back(true);
        expect_ = Expect::KeyOrEnd;
        handler.start_object(static_cast<std::size_t>(-1));
        return true;
    case '[':
        ++at_;
        inObject_.push_back(false);
        expect_ = Expect::ValueOrEnd;
        handler.start_array(static_cast<std::size_t>(-1));
        return true;
    case '"':
        if (!readString(scratch_)) return false;
        handler.string(scratch_);
        return true;
    case 't':
    case 'f':
    case 'n': {
        const std::string_view word = c == 't' ? "true" : c == 'f' ? "false" : "null";
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (at_ + i >= text_.size()) {
                fail(Outcome::EndsEarly, text_.size());
                return false;
            }
            if (text_[at_ + i] != word[i]) {
                fail(Outcome::Unexpected, at_ + i);
                return false;
            }
        }
        at_ += word.size();
        if (c == 'n')
            handler.null();
        else
            handler.boolean(c == 't');
        return true;
    }
    default:
        if (c == '-' || (c >= '0' && c <= '9')) return number(handler);
        fail(Outcome::Unexpected, at_);
        return false;
    }
}

// A number token as nlohmann reads it: a whole number as unsigned when it
// has no sign, as signed when it has; anything else, or a whole number too
// large for 64 bits, as a double.
struct NumberValue {
    enum class Kind : std::uint8_t { Unsigned, Signed, Real } kind = Kind::Real;
    std::uint64_t whole = 0;
    std::int64_t signedWhole = 0;
    double real = 0;
};
NumberValue numberValue(std::string_view token);

template <class Handler> bool Reader::number(Handler& handler)
{
    std::string_view token;
    if (!scanNumber(token)) return false;
    const NumberValue number = numberValue(token);
    switch (number.kind) {
    case NumberValue::Kind::Unsigned:
        handler.number_unsigned(number.whole);
        break;
    case NumberValue::Kind::Signed:
        handler.number_integer(number.signedWhole);
        break;
    case NumberValue::Kind::Real:
        scratch_.assign(token);
        handler.number_float(number.real, scratch_);
        break;
    }
    return true;
}

} // namespace jsonsteps
