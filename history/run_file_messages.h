// The sentences the run-file reader refuses a file with, and the pieces they
// are made of (where in the file, how large, a quoted name).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace runfile::messages {

// Thrown inside the reader only, with the sentence the user reads.
struct Refusal {
    std::string sentence;
};

[[noreturn]] void refuse(std::string sentence);

// A field's path or a name in double quotes.
std::string inQuotes(std::string_view text);

// "line 3, column 14" for a byte offset into the text.
std::string placeOf(std::string_view text, std::size_t byte);

// "The file is 5.0 MB, larger than a run file may be (4 MB)."
std::string tooLarge(std::uint64_t bytes);
// The same for a link's run, whose size is not known: its inflation stops at the limit.
std::string linkTooLarge();

} // namespace runfile::messages
