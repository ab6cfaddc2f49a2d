#include "history/run_file_messages.h"

#include <algorithm>

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

// Rounded up, so that a file one byte past the limit never reads as the limit.
std::string sizeText(std::uint64_t bytes)
{
    const std::uint64_t tenths = (bytes * 10 + 1024 * 1024 - 1) / (1024 * 1024);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " MB";
}

std::string limitText() { return std::to_string(runfile::MaxFileBytes / (1024 * 1024)) + " MB"; }

} // namespace

std::string tooLarge(std::uint64_t bytes)
{
    return "The file is " + sizeText(bytes) + ", larger than a run file may be (" + limitText() + ").";
}

std::string linkTooLarge()
{
    return "The run in this link cannot be opened. It is larger than a run file may be (" + limitText() +
           ").";
}

} // namespace runfile::messages

std::string runfile::tooLargeSentence(std::uint64_t bytes) { return messages::tooLarge(bytes); }

std::string runfile::linkTooLargeSentence() { return messages::linkTooLarge(); }
