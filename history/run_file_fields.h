// The reader's checked access to a run file's JSON: each refuses, with one
// sentence naming the field's path, anything but what it asks for.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "history/display_text.h"
#include "history/run_file_messages.h"

namespace runfile::fields {

using Json = nlohmann::ordered_json;
using runfile::messages::inQuotes;
using runfile::messages::refuse;

inline const char* typeWord(const Json& value)
{
    if (value.is_string()) return "text";
    if (value.is_boolean()) return "true or false";
    if (value.is_number()) return "a number";
    if (value.is_array()) return "a list";
    if (value.is_object()) return "an object";
    return "null";
}

inline const Json& field(const Json& object, std::string_view name, const std::string& path)
{
    const auto found = object.find(name);
    if (found == object.end()) refuse("The field " + inQuotes(path) + " is missing.");
    return *found;
}

inline const Json& objectField(const Json& object, std::string_view name, const std::string& path)
{
    const Json& value = field(object, name, path);
    if (!value.is_object())
        refuse("The field " + inQuotes(path) + " should be an object, not " + typeWord(value) + ".");
    return value;
}

inline std::int64_t wholeField(const Json& object, std::string_view name, const std::string& path,
                               std::int64_t lowest, std::int64_t highest)
{
    const Json& value = field(object, name, path);
    if (value.is_number_float()) {
        // Say which number was written: "not a number" would be wrong.
        const double number = value.get<double>();
        const bool whole = std::isfinite(number) && std::trunc(number) == number;
        if (whole && (number < static_cast<double>(lowest) || number > static_cast<double>(highest)))
            refuse("The field " + inQuotes(path) + " is " + value.dump() + ", outside " +
                   std::to_string(lowest) + " to " + std::to_string(highest) + ".");
        refuse("The field " + inQuotes(path) + " should be a whole number" +
               (whole ? " written without a decimal point or an exponent" : "") + ", not " + value.dump() +
               ".");
    }
    if (!value.is_number_integer())
        refuse("The field " + inQuotes(path) + " should be a whole number, not " + typeWord(value) + ".");
    const bool negative =
        value.is_number_integer() && !value.is_number_unsigned() && value.get<std::int64_t>() < 0;
    if (!negative && value.is_number_unsigned() &&
        value.get<std::uint64_t>() > static_cast<std::uint64_t>(highest))
        refuse("The field " + inQuotes(path) + " is " + value.dump() + ", outside " + std::to_string(lowest) +
               " to " + std::to_string(highest) + ".");
    const std::int64_t number = value.get<std::int64_t>();
    if (number < lowest || number > highest)
        refuse("The field " + inQuotes(path) + " is " + std::to_string(number) + ", outside " +
               std::to_string(lowest) + " to " + std::to_string(highest) + ".");
    return number;
}

inline std::string textField(const Json& object, std::string_view name, const std::string& path)
{
    const Json& value = field(object, name, path);
    if (!value.is_string())
        refuse("The field " + inQuotes(path) + " should be text, not " + typeWord(value) + ".");
    return value.get<std::string>();
}

inline std::string optionalText(const Json& object, std::string_view name)
{
    if (!object.contains(name)) return {};
    return textField(object, name, std::string(name));
}

inline bool flagField(const Json& object, std::string_view name, const std::string& path)
{
    const Json& value = field(object, name, path);
    if (!value.is_boolean())
        refuse("The field " + inQuotes(path) + " should be true or false, not " + typeWord(value) + ".");
    return value.get<bool>();
}

template <std::size_t N>
inline int nameIndex(const std::array<std::string_view, N>& names, const std::string& name,
                     const std::string& path, const char* what)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    refuse("The field " + inQuotes(path) + " names no " + what +
           " this program knows: " + inQuotes(displaytext::name(name)) + ".");
}

} // namespace runfile::fields
