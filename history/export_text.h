// Text the program writes into files that other programs read: cells of a
// CSV table and the text of an SVG or XML document. Every CSV writer and
// every SVG/XML writer of the program goes through here, so that a label or
// a title from a stranger's file can neither run in a spreadsheet nor break
// a drawing.
#pragma once

#include <string>
#include <string_view>

namespace exporttext {

// A text cell that a spreadsheet would read as a formula (it begins with
// '=', '+', '-', '@', a tab or a carriage return) gets a leading apostrophe,
// as spreadsheet users write such text by hand; a plain number ("-1",
// "+2.5") is a number and stays as it is.
std::string spreadsheetSafe(std::string_view cell);

// The field as CSV writes it (RFC 4180): quoted, with inner quotes doubled,
// when it holds a comma, a quote, a CR or an LF; as it is otherwise.
std::string csvQuoted(std::string_view text);

// A text cell of a CSV table: made spreadsheet-safe, then quoted as needed.
inline std::string csvText(std::string_view text) { return csvQuoted(spreadsheetSafe(text)); }

// The characters XML 1.0 does not allow anywhere in a document (C0
// controls other than tab, LF and CR, U+FFFE and U+FFFF) removed, and bytes
// that are not UTF-8 replaced by U+FFFD, so that the document always parses.
std::string xmlSafe(std::string_view text);

} // namespace exporttext
