// Sharing the run on the page: the link's parts and its refusals. The same
// run-file reader and the same sentences as the desktop and the exporter.
#include <algorithm>

#include "frontend/run_link.h"
#include "ui/web/json_text.h"
#include "ui/web/web_session.h"

namespace web {

std::string WebSession::linkPartsJson() const
{
    runlink::LinkParts parts = runlink::linkParts(*history_, speed_);
    // A lesson as it was written travels by its name: the shortest link there is.
    if (showsUnmodifiedLesson()) parts = {linkQuery(), {}, {}};
    JsonText json;
    json.beginObject().key("query").value(parts.query).key("run").value(parts.runText);
    json.key("error").value(parts.error).endObject();
    return json.take();
}

std::string WebSession::runFragment(const std::string& deflated) const
{
    return std::string(runlink::FragmentKey) + runlink::base64UrlEncode(deflated);
}

std::string WebSession::fragmentPayload(const std::string& hash) const
{
    return std::string(runlink::fragmentPayload(hash));
}

std::optional<std::string> WebSession::payloadBytes(const std::string& payload) const
{
    return runlink::base64UrlDecode(payload);
}

std::string WebSession::linkRefusal(double characters) const
{
    if (!(characters > static_cast<double>(runlink::MaxLinkCharacters))) return {};
    return runlink::tooLongRefusal(static_cast<std::size_t>(std::min(characters, 1e15)));
}

std::string WebSession::qrRefusal(double characters) const
{
    if (!(characters > static_cast<double>(runlink::MaxQrCharacters))) return {};
    return runlink::qrTooLongSentence(static_cast<std::size_t>(characters));
}

std::string WebSession::openLinkedRun(const std::string& json)
{
    if (messageOpen_) return openAnswer("Close the message box first, then open the link again.", nullptr);
    const RunFileResult read = runlink::readLinkedRun(json);
    if (!read.script) return openAnswer(read.error, nullptr);
    return openScript(*read.script, {});
}

std::string WebSession::damagedLinkSentence() const { return runlink::damagedSentence(); }

double WebSession::linkInflateLimit() const { return static_cast<double>(runfile::MaxFileBytes); }

std::string WebSession::linkTooLargeSentence() const { return runfile::linkTooLargeSentence(); }

} // namespace web
