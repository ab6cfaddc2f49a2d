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
#include "history/translatable.h"

namespace runfile::fields {

using Json = nlohmann::ordered_json;
using runfile::messages::inQuotes;
using runfile::messages::refuse;
using texts::fill;
using texts::translatable;

inline const char* typeWord(const Json& value)
{
    //: What a JSON value is, in "The field "x" should be a list, not %2."
    if (value.is_string()) return translatable("run files", "text").data();
    if (value.is_boolean()) return translatable("run files", "true or false").data();
    if (value.is_number()) return translatable("run files", "a number").data();
    if (value.is_array()) return translatable("run files", "a list").data();
    if (value.is_object()) return translatable("run files", "an object").data();
    return translatable("run files", "null").data();
}

inline const Json& field(const Json& object, std::string_view name, const std::string& path)
{
    const auto found = object.find(name);
    if (found == object.end())
        refuse(fill(translatable("run files", "The field %1 is missing."), inQuotes(path)));
    return *found;
}

inline const Json& objectField(const Json& object, std::string_view name, const std::string& path)
{
    const Json& value = field(object, name, path);
    if (!value.is_object())
        refuse(fill(translatable("run files", "The field %1 should be an object, not %2."), inQuotes(path),
                    typeWord(value)));
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
            refuse(fill(translatable("run files", "The field %1 is %2, outside %3 to %4."), inQuotes(path),
                        value.dump(), lowest, highest));
        refuse(whole
                   ? fill(translatable("run files", "The field %1 should be a whole number written without a "
                                                    "decimal point or an exponent, not %2."),
                          inQuotes(path), value.dump())
                   : fill(translatable("run files", "The field %1 should be a whole number, not %2."),
                          inQuotes(path), value.dump()));
    }
    if (!value.is_number_integer())
        refuse(fill(translatable("run files", "The field %1 should be a whole number, not %2."),
                    inQuotes(path), typeWord(value)));
    const bool negative =
        value.is_number_integer() && !value.is_number_unsigned() && value.get<std::int64_t>() < 0;
    if (!negative && value.is_number_unsigned() &&
        value.get<std::uint64_t>() > static_cast<std::uint64_t>(highest))
        refuse(fill(translatable("run files", "The field %1 is %2, outside %3 to %4."), inQuotes(path),
                    value.dump(), lowest, highest));
    const std::int64_t number = value.get<std::int64_t>();
    if (number < lowest || number > highest)
        refuse(fill(translatable("run files", "The field %1 is %2, outside %3 to %4."), inQuotes(path),
                    number, lowest, highest));
    return number;
}

inline std::string textField(const Json& object, std::string_view name, const std::string& path)
{
    const Json& value = field(object, name, path);
    if (!value.is_string())
        refuse(fill(translatable("run files", "The field %1 should be text, not %2."), inQuotes(path),
                    typeWord(value)));
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
        refuse(fill(translatable("run files", "The field %1 should be true or false, not %2."),
                    inQuotes(path), typeWord(value)));
    return value.get<bool>();
}

template <std::size_t N>
inline int nameIndex(const std::array<std::string_view, N>& names, const std::string& name,
                     const std::string& path, const char* what)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    refuse(fill(translatable("run files", "The field %1 names no %2 this program knows: %3."), inQuotes(path),
                what, inQuotes(displaytext::name(name))));
}

} // namespace runfile::fields
