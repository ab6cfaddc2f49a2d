// A run carried in a link: the run file's JSON, compressed (raw deflate) and
// written in base64url into the link's fragment,
//
//   https://example.org/demo/?speed=2#run=q1ZKzs8rSc0rUbJS0lFKS8...
//
// The fragment never leaves the browser, so no server sees the run. Opening
// such a link opens the run paused at its start, exactly as its file would:
// the inflated text goes through the one run-file reader, with its sentences.
//
// The desktop and the exporter compress with zlib (runPayload, readPayload:
// native builds only); the page lets the browser's own compression streams
// do it and hands the plain JSON to readLinkedRun.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "frontend/link_settings.h"
#include "history/run_file.h"

class Form1;
class RunHistory;

namespace runlink {

// Browsers take longer addresses, but address bars, chat programs and QR
// codes read by a phone across a room do not; past this the file travels better.
inline constexpr std::size_t MaxLinkCharacters = 8000;
inline constexpr std::string_view FragmentKey = "run=";
// What the largest QR code holds as bytes at the lowest error correction (2,953), less a margin.
inline constexpr std::size_t MaxQrCharacters = 2900;

std::string base64UrlEncode(std::string_view bytes);
// Nothing for a character outside the alphabet or an impossible length.
std::optional<std::string> base64UrlDecode(std::string_view text);

// The payload after "#run=" in a link or a fragment ("#run=..."); "" when
// there is none. A link without '#' has no fragment: its "run=1" is a setting.
std::string_view fragmentPayload(std::string_view link);
// The part of a link between '?' and '#' (the whole text when it has neither).
std::string_view linkQueryPart(std::string_view link);

// The sentence refusing a link of `characters`, offering the file instead.
std::string tooLongSentence(std::size_t characters);
// The same for any link, read or made: "" when it is short enough.
std::string tooLongRefusal(std::size_t characters);
// The sentence refusing a QR code for a link of `characters`.
std::string qrTooLongSentence(std::size_t characters);
// The sentence for a payload that is not a compressed run.
std::string damagedSentence();

// Reads the inflated JSON of a link's run with the run-file reader.
RunFileResult readLinkedRun(std::string_view json);

// What a link to the run on screen carries: the settings alone while the run
// has no action yet (the short link of before), else the speed in the query
// and the whole run as its file's text, for the fragment.
struct LinkParts {
    std::string query;   // without '?'
    std::string runText; // "" for a settings-only link
    std::string error;   // a sentence when the run cannot travel (too long to save)
};
LinkParts linkParts(const RunHistory& history, int speedIndex);

// --- Native builds (zlib) ---------------------------------------------------

// base64url of the raw-deflated text.
std::string runPayload(std::string_view runText);
// The run in a "#run=" payload; a damaged or oversized one is refused with a sentence.
RunFileResult readPayload(std::string_view payload);

struct BuiltLink {
    std::string link;
    std::string error; // the sentence refusing it, "" when it can travel
};
// The whole link for `pageAddress` (no query or fragment of its own).
BuiltLink buildLink(std::string_view pageAddress, const LinkParts& parts);

// Opens what a whole link (or only its query, or only "#run=...") carries on
// a form at start-up, as the page does: the settings of its query, then the
// lesson it names or the run in its fragment, paused at its start. A link
// longer than MaxLinkCharacters is refused whole, as the page refuses it.
struct OpenedLink {
    links::LinkOutcome outcome;
    bool openedRun = false; // a lesson or the fragment's run is open
    std::string error;      // the sentence refusing the fragment's run
};
OpenedLink openLink(Form1& form, RunHistory& history, std::string_view link);

} // namespace runlink
