// The native half of the run link: zlib's raw deflate, the same format as the
// browser's CompressionStream("deflate-raw"), so either side reads the other's links.
#include <zlib.h>

#include "frontend/run_link.h"
#include "history/lessons.h"
#include "history/run_history.h"

namespace runlink {

namespace {

// Raw deflate: no zlib header or checksum, as "deflate-raw" in the browser.
constexpr int RawWindowBits = -15;

enum class Inflated { Whole, TooLarge, Damaged };

// Inflates as it goes and stops as soon as the text passes `limit`: a short
// link that would inflate into gigabytes costs no more than the limit. A
// stream with bytes after its end is damaged, as the browser judges it.
Inflated inflateRaw(std::string_view compressed, std::size_t limit, std::string& out)
{
    z_stream stream{};
    if (inflateInit2(&stream, RawWindowBits) != Z_OK) return Inflated::Damaged;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    char buffer[16384];
    int status = Z_OK;
    while (status == Z_OK && out.size() <= limit) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - stream.avail_out);
    }
    const bool trailing = stream.avail_in != 0;
    inflateEnd(&stream);
    if (out.size() > limit) return Inflated::TooLarge;
    return status == Z_STREAM_END && !trailing ? Inflated::Whole : Inflated::Damaged;
}

} // namespace

std::string runPayload(std::string_view runText)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, RawWindowBits, 9, Z_DEFAULT_STRATEGY);
    std::string compressed(deflateBound(&stream, static_cast<uLong>(runText.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(runText.data()));
    stream.avail_in = static_cast<uInt>(runText.size());
    stream.next_out = reinterpret_cast<Bytef*>(compressed.data());
    stream.avail_out = static_cast<uInt>(compressed.size());
    deflate(&stream, Z_FINISH);
    compressed.resize(stream.total_out);
    deflateEnd(&stream);
    return base64UrlEncode(compressed);
}

RunFileResult readPayload(std::string_view payload)
{
    const std::optional<std::string> compressed = base64UrlDecode(payload);
    if (!compressed) return {std::nullopt, damagedSentence()};
    std::string text;
    switch (inflateRaw(*compressed, runfile::MaxFileBytes, text)) {
    case Inflated::Damaged:
        return {std::nullopt, damagedSentence()};
    case Inflated::TooLarge:
        return {std::nullopt, runfile::linkTooLargeSentence()};
    case Inflated::Whole:
        break;
    }
    return readLinkedRun(text);
}

BuiltLink buildLink(std::string_view pageAddress, const LinkParts& parts)
{
    BuiltLink built;
    if (!parts.error.empty()) {
        built.error = parts.error;
        return built;
    }
    built.link = std::string(pageAddress);
    if (!parts.query.empty()) built.link += "?" + parts.query;
    if (!parts.runText.empty()) built.link += "#" + std::string(FragmentKey) + runPayload(parts.runText);
    if (built.link.size() > MaxLinkCharacters) {
        built.error = tooLongSentence(built.link.size());
        built.link.clear();
    }
    return built;
}

OpenedLink openLink(Form1& form, RunHistory& history, std::string_view link)
{
    OpenedLink opened;
    // A link longer than any this program makes is refused whole, before
    // anything in it is read, with the sentence that refuses making one.
    if (const std::string refusal = tooLongRefusal(link.size()); !refusal.empty()) {
        opened.error = refusal;
        return opened;
    }
    opened.outcome = links::applyLink(form, history, linkQueryPart(link));
    const std::string_view payload = fragmentPayload(link);
    if (!payload.empty()) {
        const RunFileResult read = readPayload(payload);
        if (!read.script) {
            opened.error = read.error;
            return opened;
        }
        history.open(form, *read.script);
        opened.openedRun = true;
    } else if (!opened.outcome.lesson.empty()) {
        const RunFileResult read = loadLesson(opened.outcome.lesson);
        if (read.script) {
            history.open(form, *read.script);
            opened.openedRun = true;
        }
    }
    return opened;
}

} // namespace runlink
