// "Save capture" on the page: the run written by the exporter's and the
// desktop's packet-capture writer, so a class gets the same file from each.
#include "frontend/packet_capture.h"
#include "frontend/run_names.h"
#include "ui/web/web_session.h"

namespace web {

std::string WebSession::captureBytes(bool atReceiver) const
{
    return capture::pcapFile(*history_, atReceiver ? capture::Point::Receiver : capture::Point::Sender);
}

std::string WebSession::captureFileName(bool atReceiver) const
{
    const bool fromLesson = !lesson_.empty() && history_->title() == lessonScript_.title;
    return run_names::suggestedFileName(fromLesson ? lesson_ : std::string(), history_->title(),
                                        history_->ticks(), atReceiver ? "-receiver.pcap" : ".pcap");
}

} // namespace web
