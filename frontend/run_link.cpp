#include "frontend/run_link.h"

#include <algorithm>
#include <array>

#include "core/numbers.h"
#include "frontend/link_settings.h"
#include "history/display_text.h"
#include "history/run_history.h"
#include "history/translatable.h"

namespace runlink {

namespace {

constexpr std::string_view Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

constexpr std::array<int, 256> decodingTable()
{
    std::array<int, 256> table{};
    table.fill(-1);
    for (std::size_t i = 0; i < Alphabet.size(); ++i)
        table[static_cast<unsigned char>(Alphabet[i])] = static_cast<int>(i);
    return table;
}
constexpr std::array<int, 256> Decoding = decodingTable();

// A run that is nothing yet but settings at its start (a settings link opened,
// boxes ticked, sliders moved) travels as the short settings link.
bool onlySettings(const RunScript& script)
{
    if (script.carried || !script.title.empty()) return false;
    return std::all_of(script.actions.begin(), script.actions.end(), [](const RecordedEvent& action) {
        return action.tick == 0 &&
               (action.event.kind == EventKind::ClickCheckBox || action.event.kind == EventKind::MoveSlider);
    });
}

} // namespace

std::string base64UrlEncode(std::string_view bytes)
{
    std::string text;
    text.reserve((bytes.size() * 4 + 2) / 3);
    std::size_t i = 0;
    const auto byte = [&](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[at]));
    };
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned group = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
        for (int shift = 18; shift >= 0; shift -= 6)
            text += Alphabet[(group >> shift) & 63];
    }
    const std::size_t left = bytes.size() - i;
    if (left == 1) {
        const unsigned group = byte(i) << 16;
        text += Alphabet[(group >> 18) & 63];
        text += Alphabet[(group >> 12) & 63];
    } else if (left == 2) {
        const unsigned group = byte(i) << 16 | byte(i + 1) << 8;
        text += Alphabet[(group >> 18) & 63];
        text += Alphabet[(group >> 12) & 63];
        text += Alphabet[(group >> 6) & 63];
    }
    return text;
}

std::optional<std::string> base64UrlDecode(std::string_view text)
{
    if (text.size() % 4 == 1) return std::nullopt;
    std::string bytes;
    bytes.reserve(text.size() * 3 / 4);
    unsigned group = 0;
    int bits = 0;
    for (const char c : text) {
        const int value = Decoding[static_cast<unsigned char>(c)];
        if (value < 0) return std::nullopt;
        group = (group << 6 | static_cast<unsigned>(value)) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((group >> bits) & 0xFF);
        }
    }
    return bytes;
}

std::string_view fragmentPayload(std::string_view link)
{
    // Only the fragment carries a run: a query of settings alone has its own
    // run=1, which starts the run and is no payload.
    const std::size_t hash = link.find('#');
    if (hash == std::string_view::npos) return {};
    const std::string_view fragment = link.substr(hash + 1);
    // Other parameters may share the fragment: "a=1&run=...".
    for (std::size_t start = 0; start <= fragment.size();) {
        std::size_t end = fragment.find('&', start);
        if (end == std::string_view::npos) end = fragment.size();
        const std::string_view part = fragment.substr(start, end - start);
        if (part.starts_with(FragmentKey)) return part.substr(FragmentKey.size());
        start = end + 1;
    }
    return {};
}

std::string_view linkQueryPart(std::string_view link)
{
    const std::size_t hash = link.find('#');
    if (hash != std::string_view::npos) link = link.substr(0, hash);
    const std::size_t question = link.find('?');
    if (question != std::string_view::npos) return link.substr(question + 1);
    return link.find("://") == std::string_view::npos ? link : std::string_view{}; // an address alone
}

std::string tooLongSentence(std::size_t characters)
{
    return texts::fill(
        texts::translatable("links", "This run makes a link of %1 characters, too long for a browser's "
                                     "address bar (%2 at most): save it as a run file and share the file "
                                     "instead."),
        displaytext::grouped(characters), displaytext::grouped(MaxLinkCharacters));
}

std::string tooLongRefusal(std::size_t characters)
{
    return characters > MaxLinkCharacters ? tooLongSentence(characters) : std::string();
}

std::string qrTooLongSentence(std::size_t characters)
{
    return texts::fill(
        texts::translatable("links", "The link to this run has %1 characters, more than a QR code holds "
                                     "(%2): share the link itself or the run file instead."),
        displaytext::grouped(characters), displaytext::grouped(MaxQrCharacters));
}

std::string damagedSentence()
{
    return std::string(texts::translatable("links",
                                           "The run in this link cannot be opened. The link is damaged: part "
                                           "of it may have been cut off when it was copied. Copy the whole "
                                           "link again."));
}

RunFileResult readLinkedRun(std::string_view json)
{
    RunFileResult read = readRunText(json);
    if (!read.script)
        read.error = texts::fill(texts::translatable("links", "The run in this link cannot be opened. %1"),
                                 read.error);
    return read;
}

LinkParts linkParts(const RunHistory& history, int speedIndex)
{
    LinkParts parts;
    RunHistory::SavedRun saved = history.script();
    if (!saved.error.empty()) {
        parts.error = saved.error;
        return parts;
    }
    if (onlySettings(saved.script)) {
        Form1 settled = startState(saved.script);
        for (const RecordedEvent& action : saved.script.actions)
            applyEvent(settled, action.event);
        parts.query = links::linkQuery(settled, speedIndex, saved.script.losses);
        return parts;
    }
    parts.query = links::speedParameter(speedIndex);
    parts.runText = writeRunText(saved.script);
    return parts;
}

} // namespace runlink
