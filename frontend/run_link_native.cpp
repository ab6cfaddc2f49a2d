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

std::optional<std::string> inflateRaw(std::string_view compressed, std::size_t limit)
{
    z_stream stream{};
    if (inflateInit2(&stream, RawWindowBits) != Z_OK) return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    std::string out;
    char buffer[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - stream.avail_out);
        if (out.size() > limit) break;
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END && out.size() <= limit) return std::nullopt;
    return out;
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
    const std::optional<std::string> text = inflateRaw(*compressed, runfile::MaxFileBytes);
    if (!text) return {std::nullopt, damagedSentence()};
    return readLinkedRun(*text); // the reader refuses one past MaxFileBytes by its size
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
