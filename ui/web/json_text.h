// A small writer of JSON text: the page reads everything it draws as one
// JSON document per call, which crosses into JavaScript as a single string.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/colours.h"

namespace web {

class JsonText {
public:
    JsonText() = default;
    // Room for a text of about `bytes` at once: the window's state is written
    // as a hundred small texts every tick, each otherwise grown three or four times.
    explicit JsonText(std::size_t bytes) { text_.reserve(bytes); }

    JsonText& beginObject() { return open('{'); }
    JsonText& endObject() { return close('}'); }
    JsonText& beginArray() { return open('['); }
    JsonText& endArray() { return close(']'); }

    // The name of the next member of an object.
    JsonText& key(std::string_view name);

    JsonText& value(std::string_view text);
    JsonText& value(const char* text) { return value(std::string_view(text)); }
    JsonText& value(const std::string& text) { return value(std::string_view(text)); }
    JsonText& value(bool flag);
    JsonText& value(std::int64_t number);
    JsonText& value(int number) { return value(static_cast<std::int64_t>(number)); }
    JsonText& value(double number);
    // A model colour (0x00BBGGRR) as the page writes colours: "#rrggbb".
    JsonText& colour(Colour colour);

    const std::string& text() const { return text_; }
    std::string take() { return std::move(text_); }

private:
    JsonText& open(char bracket);
    JsonText& close(char bracket);
    void separate();

    std::string text_;
    bool first_ = true;
    bool afterKey_ = false;
};

} // namespace web
