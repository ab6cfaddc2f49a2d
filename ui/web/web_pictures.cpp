// The page's picture downloads: every view of a run or a comparison as the
// same SVG document the desktop and the exporter write (frontend/pictures.h),
// title line included unless switched off. The page downloads it as it is, or
// draws it on a canvas of its size for a PNG; the figures go as the same CSV.
#include "frontend/pictures.h"
#include "frontend/run_names.h"
#include "history/run_figures.h"
#include "ui/web/web_comparison.h"
#include "ui/web/web_ladder.h"
#include "ui/web/web_session.h"

namespace web {
namespace {

pictures::Request requestOf(int from, int to, double width, double height, bool titled, bool safeColours,
                            bool stateMarks)
{
    pictures::Request request;
    request.from = from;
    request.to = to;
    request.width = width;
    request.height = height;
    request.titled = titled;
    request.safeColours = safeColours;
    request.stateMarks = stateMarks;
    return request;
}

} // namespace

std::string WebSession::pictureSvg(const std::string& view, int from, int to, double width, double height,
                                   bool titled, bool safeColours, bool stateMarks) const
{
    const RunHistory::Run& run = history_->run(history_->runCount() - 1);
    return pictures::runPicture(run, history_->losses(),
                                pictures::viewNamed(view).value_or(pictures::View::Chart),
                                requestOf(from, to, width, height, titled, safeColours, stateMarks));
}

std::string WebSession::figuresCsv() const
{
    const RunHistory::Run& run = history_->run(history_->runCount() - 1);
    return figures::csvTable({run.title.empty() ? "Run " + std::to_string(run.number) : run.title},
                             {figuresOf(run.trace, run.ladder)});
}

std::string WebSession::pictureFileName(const std::string& ending) const
{
    const bool fromLesson = !lesson_.empty() && history_->title() == lessonScript_.title;
    return run_names::suggestedFileName(fromLesson ? lesson_ : std::string(), history_->title(),
                                        history_->ticks(), "-" + ending);
}

std::string WebComparison::pictureSvg(const std::string& views, int from, int to, double width, double height,
                                      bool titled, bool safeColours, bool stateMarks) const
{
    if (!comparison_) return {};
    return pictures::comparisonPicture(*comparison_, pictures::readViews(views),
                                       requestOf(from, to, width, height, titled, safeColours, stateMarks));
}

std::string WebComparison::figuresCsv() const
{
    if (!comparison_) return {};
    return figures::csvTable(comparison_->labels(), comparison_->figures());
}

std::string WebComparison::pictureFileName(const std::string& ending) const
{
    return run_names::suggestedFileName({}, "comparison", ticks(), "-" + ending);
}

std::string WebComparison::ladderViewJson(int index, double width) const
{
    if (!valid(index)) return "{}";
    return web::ladderViewJson(comparison_->history(static_cast<std::size_t>(index)), width);
}

std::string WebComparison::ladderSvg(int index, int from, int to, double width, bool safeColours,
                                     bool stateMarks)
{
    if (!valid(index)) return {};
    const auto at = static_cast<std::size_t>(index);
    ladders_.resize(comparison_->size());
    return web::ladderSvg(comparison_->history(at), ladders_[at], from, to, width, safeColours, stateMarks);
}

int WebComparison::ladderPick(int index, int from, int to, double width, double x, double y)
{
    if (!valid(index)) return 0;
    const auto at = static_cast<std::size_t>(index);
    ladders_.resize(comparison_->size());
    return web::ladderPick(comparison_->history(at), ladders_[at], from, to, width, x, y);
}

} // namespace web
