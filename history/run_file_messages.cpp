#include "history/run_file_messages.h"

#include <algorithm>

#include "history/run_file.h"
#include "history/translatable.h"

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
    return texts::fill(texts::translatable("run files", "line %1, column %2"), line, byte - lineStart + 1);
}

namespace {

// Rounded up, so that a file one byte past the limit never reads as the limit.
std::string sizeText(std::uint64_t bytes)
{
    const std::uint64_t tenths = (bytes * 10 + 1024 * 1024 - 1) / (1024 * 1024);
    return texts::fill(texts::translatable("run files", "%1.%2 MB"), tenths / 10, tenths % 10);
}

std::string limitText()
{
    return texts::fill(texts::translatable("run files", "%1 MB"), runfile::MaxFileBytes / (1024 * 1024));
}

} // namespace

std::string tooLarge(std::uint64_t bytes)
{
    return texts::fill(
        texts::translatable("run files", "The file is %1, larger than a run file may be (%2)."),
        sizeText(bytes), limitText());
}

std::string linkTooLarge()
{
    return texts::fill(texts::translatable("run files",
                                           "The run in this link cannot be opened. It is larger than a "
                                           "run file may be (%1)."),
                       limitText());
}

} // namespace runfile::messages

std::string runfile::tooLargeSentence(std::uint64_t bytes) { return messages::tooLarge(bytes); }

std::string runfile::linkTooLargeSentence() { return messages::linkTooLarge(); }
