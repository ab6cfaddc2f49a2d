#include "history/run_file_messages.h"

#include <algorithm>
#include <cstdio>

#include "history/run_file.h"

namespace runfile::messages {

void refuse(std::string sentence) { throw Refusal{std::move(sentence)}; }

std::string inQuotes(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string placeOf(std::string_view text, std::size_t byte)
{
    byte = std::min(byte, text.size());
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < byte; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(byte - lineStart + 1);
}

namespace {

std::string sizeText(std::size_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    return text;
}

} // namespace

std::string tooLarge(std::size_t bytes)
{
    return "The file is " + sizeText(bytes) + ", larger than a run file may be (" +
           std::to_string(runfile::MaxFileBytes / (1024 * 1024)) + " MB).";
}

} // namespace runfile::messages

std::string runfile::tooLargeSentence(std::size_t bytes) { return messages::tooLarge(bytes); }
