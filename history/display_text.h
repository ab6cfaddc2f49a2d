// Text that came from outside the program (a run file, a link, a file's
// name) made safe to show, on screen or on a terminal: whatever it holds,
// it stays plain, short and in the order it was written.
//
//   - Bytes that are not UTF-8 become U+FFFD.
//   - Control characters (C0, DEL, C1) are dropped, except that a note keeps
//     its line breaks (tabs become spaces). An escape sequence thus loses its
//     ESC and shows as harmless letters.
//   - The bidirectional embeddings, overrides and isolates (U+202A..U+202E,
//     U+2066..U+2069) and the direction marks are dropped, so that no text
//     can reverse or hide the words after it.
//   - Format characters that draw nothing (the zero-width space, the word
//     joiner, the byte-order mark, the soft hyphen, the interlinear
//     annotation marks, the tag characters and the like) are dropped, so
//     that no text can hide words or pass for another.
//   - Past `limit` characters the text is cut and ends in "…".
//
// The front ends still show the result as plain text (Qt::PlainText, DOM
// text nodes): this is about length and invisible characters, not markup.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace displaytext {

// Lengths, in characters, past which a text is shortened.
inline constexpr std::size_t TitleLength = 200;  // a run's title
inline constexpr std::size_t NoteLength = 20000; // a lesson's note
inline constexpr std::size_t NameLength = 80;    // a name or value echoed in a message

enum class Lines { Join, Keep };

std::string plain(std::string_view text, std::size_t limit, Lines lines = Lines::Join);

// The offset of the first byte of `text` that is not well-formed UTF-8,
// or npos when all of it is.
std::size_t malformedUtf8At(std::string_view text);

// The code point at `at`, advancing `at` past it; a byte that does not
// begin a well-formed sequence reads as U+FFFD and advances by one.
char32_t codePointAt(std::string_view text, std::size_t& at);

// "12,345": a count as a sentence writes it, in groups of three digits.
std::string grouped(long long value);

// A name echoed in a sentence: plain(text, NameLength).
inline std::string name(std::string_view text) { return plain(text, NameLength); }

} // namespace displaytext
