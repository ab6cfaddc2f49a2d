// Opening a run file or a link's run in steps: the page's one thread reads
// a slice of the text, then lets the browser draw and take input before the
// next, so that a 4 MB file never freezes the page. What is read and what
// is answered are the desktop's: the same reader, the same sentences.
#include "history/display_text.h"
#include "ui/web/web_session.h"

namespace web {

namespace {

// About as much text as the page reads in 20 ms on a slow phone, so that a
// step of the parse stays well under the 100 ms a user notices.
constexpr std::size_t ReadStepBytes = 128 * 1024;

} // namespace

void WebSession::beginReading(const std::string& fileName, const std::string& text)
{
    reading_ = std::make_unique<RunTextReading>(text);
    readingName_ = fileName;
}

bool WebSession::readStep() { return !reading_ || reading_->step(ReadStepBytes); }

std::string WebSession::openRead()
{
    if (!reading_ || !reading_->done()) return openAnswer("The run has not been read yet.", nullptr);
    const RunFileResult read = reading_->result();
    reading_.reset();
    const bool link = readingName_.empty();
    if (messageOpen_)
        return openAnswer(link ? "Close the message box first, then open the link again."
                               : "Close the message box first, then open the run again.",
                          nullptr);
    if (read.script) return openScript(*read.script, {});
    return openAnswer((link ? std::string("The run in this link") : displaytext::name(readingName_)) +
                          " cannot be opened. " + read.error,
                      nullptr);
}

} // namespace web
