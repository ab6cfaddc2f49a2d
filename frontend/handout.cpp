#include "frontend/handout.h"

#include <algorithm>
#include <charconv>
#include <functional>

#include "frontend/chart_looks.h"
#include "frontend/comparison.h"
#include "frontend/picture_parts.h"
#include "frontend/picture_title.h"
#include "history/ladder_description.h"

namespace handout {
namespace {

using pictures::Rect;

constexpr double Margin = 42;
constexpr double TitlePoints = 16;
constexpr double HeadingPoints = 11;
constexpr double BodyPoints = 9.5;
constexpr double SmallPoints = 8;
constexpr double Gap = 10;
constexpr Colour Ink = 0x000000;
constexpr Colour Grey = 0x505050;

// Pages filled from the top down; a part that does not fit what is left of
// a page begins the next one.
class Pages {
public:
    Pages(PageSize size, std::string title) : size_(size), title_(std::move(title)) { begin(); }

    double width() const { return current_->width() - 2 * Margin; }
    double left() const { return current_->height() - Margin - y_; }
    double y() const { return y_; }
    svg::Writer& out() { return *current_; }

    // Room for `height` on this page, or a new page.
    void need(double height)
    {
        if (height > left() && y_ > Margin + 1) begin();
    }
    void advance(double height) { y_ += height; }

    // A page of its own, turned on its side when `landscape`.
    void beginPage(bool landscape = false) { begin(landscape); }

    void heading(const std::string& text)
    {
        need(svg::lineHeight(HeadingPoints) * 3);
        text1(text, HeadingPoints, true, Ink);
        y_ += 2;
    }

    void text1(const std::string& text, double points, bool bold, Colour colour)
    {
        for (const std::string& line : svg::wrapped(text, width(), points, bold)) {
            need(svg::lineHeight(points));
            current_->text(Margin, y_ + svg::lineHeight(points) / 2, line,
                           {points, colour, svg::Anchor::Start, bold});
            y_ += svg::lineHeight(points);
        }
    }

    std::vector<std::string> finish()
    {
        end();
        return std::move(done_);
    }

private:
    void begin(bool landscape = false)
    {
        end();
        const double w = landscape ? size_.height : size_.width;
        const double h = landscape ? size_.width : size_.height;
        current_.emplace(w, h, title_ + ", page " + std::to_string(done_.size() + 1));
        y_ = Margin;
        // The page number at the foot of every page.
        current_->text(w / 2, h - Margin / 2, std::to_string(done_.size() + 1),
                       {SmallPoints, Grey, svg::Anchor::Middle});
    }
    void end()
    {
        if (current_) done_.push_back(current_->finish());
        current_.reset();
    }

    PageSize size_;
    std::string title_;
    std::optional<svg::Writer> current_;
    std::vector<std::string> done_;
    double y_ = Margin;
};

// The title, the line under it and the note, at the top of the first page.
void opening(Pages& pages, const pictures::TitleParts& title, const std::string& note)
{
    pages.text1(title.title, TitlePoints, true, Ink);
    pictures::TitleParts rest = title;
    rest.title.clear();
    pages.text1(pictures::titleLine(rest), SmallPoints + 1, false, Grey);
    pages.advance(Gap);
    if (!note.empty()) {
        pages.text1(note, BodyPoints, false, Ink);
        pages.advance(Gap);
    }
}

// Ticks from..to in pieces of at most MostTicksAPage, each with a page of its own.
std::vector<std::pair<std::int32_t, std::int32_t>> diagramPieces(std::int32_t from, std::int32_t to)
{
    std::vector<std::pair<std::int32_t, std::int32_t>> pieces;
    const std::int32_t count = std::max<std::int32_t>(1, (to - from + MostTicksAPage - 1) / MostTicksAPage);
    const std::int32_t each = (to - from + count - 1) / std::max(1, count);
    for (std::int32_t start = from; start < to || pieces.empty(); start += std::max(1, each))
        pieces.emplace_back(start, std::min(to, start + std::max(1, each)));
    return pieces;
}

void diagramPages(Pages& pages, std::int32_t from, std::int32_t to, bool landscape,
                  const std::function<void(const Rect&, std::int32_t, std::int32_t)>& draw)
{
    for (const auto& [start, end] : diagramPieces(from, to)) {
        pages.beginPage(landscape);
        pages.heading("The time-sequence diagram, " + pictures::ticksText(start, end));
        draw({Margin, pages.y(), pages.width(), pages.left()}, start, end);
    }
}

std::string noteOf(const RunHistory::Run& run) { return run.note; }

} // namespace

std::optional<Paper> paperNamed(std::string_view name)
{
    if (name == "a4" || name == "A4") return Paper::A4;
    if (name == "letter" || name == "Letter") return Paper::Letter;
    return std::nullopt;
}

const char* paperName(Paper paper) { return paper == Paper::A4 ? "A4" : "Letter"; }

PageSize pageSize(Paper paper) { return paper == Paper::A4 ? PageSize{595.28, 841.89} : PageSize{612, 792}; }

std::vector<std::int32_t> windowTicks(const Request& request, std::int32_t from, std::int32_t to)
{
    std::vector<std::int32_t> ticks;
    for (const std::int32_t tick : request.at)
        if (tick >= from && tick <= to && ticks.size() < MostWindows) ticks.push_back(tick);
    if (ticks.empty() && request.at.empty()) {
        for (std::int32_t quarter = 1; quarter <= 4; ++quarter)
            ticks.push_back(from + (to - from) * quarter / 4);
    }
    std::sort(ticks.begin(), ticks.end());
    ticks.erase(std::unique(ticks.begin(), ticks.end()), ticks.end());
    return ticks;
}

std::optional<std::vector<std::int32_t>> readTicks(std::string_view text, std::string* error)
{
    std::vector<std::int32_t> ticks;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        std::string_view part = text.substr(start, end - start);
        while (!part.empty() && part.front() == ' ')
            part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ')
            part.remove_suffix(1);
        std::int32_t tick = 0;
        const auto [stop, status] = std::from_chars(part.data(), part.data() + part.size(), tick);
        if (part.empty() || status != std::errc() || stop != part.data() + part.size() || tick < 0 ||
            ticks.size() == MostWindows) {
            if (error != nullptr)
                *error = "give up to " + std::to_string(MostWindows) + " ticks, such as \"0, 150, 300, 450\"";
            return std::nullopt;
        }
        ticks.push_back(tick);
        start = end + 1;
    }
    return ticks;
}

std::vector<std::string> runPages(const RunHistory::Run& run, const LossSettings& losses,
                                  const Request& request)
{
    const RunTrace& trace = run.trace;
    const std::int32_t first = std::max(trace.firstTick(), run.recorder.firstTick());
    const std::int32_t last = std::min(trace.ticks(), run.recorder.ticks());
    const std::int32_t from = std::clamp(request.from, first, last);
    const std::int32_t to = request.to < 0 ? last : std::clamp(request.to, from, last);
    const pictures::TitleParts title = pictures::runTitle(run, losses, from, to);
    Pages pages(pageSize(request.paper), "Handout: " + title.title);
    opening(pages, title, noteOf(run));

    const std::vector<std::int32_t> ticks = windowTicks(request, from, to);
    const double each = (pages.width() - Gap) / 2;
    const double windowHeight = each * geometry::ClientHeight / geometry::ClientWidth;
    const double cell = windowHeight + svg::lineHeight(BodyPoints) + Gap;
    // Two windows a row, each with its tick above it.
    if (!ticks.empty()) {
        pages.need(svg::lineHeight(HeadingPoints) * 2 + cell);
        pages.heading("The window");
    }
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        if (i % 2 == 0 && i > 0) pages.advance(cell);
        if (i % 2 == 0) pages.need(cell);
        const double x = Margin + (i % 2) * (each + Gap);
        pages.out().text(x, pages.y() + svg::lineHeight(BodyPoints) / 2,
                         "At tick " + std::to_string(ticks[i]),
                         {BodyPoints, Ink, svg::Anchor::Start, true, "windowCaption"});
        pictures::drawWindow(pages.out(), {x, pages.y() + svg::lineHeight(BodyPoints), each, windowHeight},
                             run.recorder.stateAt(ticks[i]), request.safeColours, request.stateMarks);
    }

    const ladder::Palette palette = ladder::palette(request.safeColours);
    diagramPages(pages, from, to, false, [&](const Rect& area, std::int32_t start, std::int32_t end) {
        pictures::drawDiagrams(pages.out(), area, {ladder::describe(run.ladder, trace, start, end)}, {},
                               palette, request.stateMarks, BodyPoints);
    });

    pages.beginPage();
    pages.heading("The run chart, " + pictures::ticksText(from, to));
    const double chartHeight = std::min(pages.left() * 0.55, pages.width() * 0.62);
    pictures::drawRunChart(pages.out(), {Margin, pages.y(), pages.width(), chartHeight}, trace, from, to,
                           SmallPoints);
    pages.advance(chartHeight + 2 * Gap);
    pages.heading("The run's figures at tick " + std::to_string(trace.ticks()));
    pictures::drawFiguresTable(pages.out(),
                               {Margin, pages.y(), pages.width(), 9 * svg::lineHeight(BodyPoints) * 1.4},
                               {title.title}, {figuresOf(trace, run.ladder)}, false, BodyPoints);
    return pages.finish();
}

std::vector<std::string> comparisonPages(const Comparison& comparison, const Request& request)
{
    std::int32_t first = 0;
    for (std::size_t i = 0; i < comparison.size(); ++i)
        first = std::max(
            {first, comparison.history(i).trace().firstTick(), comparison.history(i).recorder().firstTick()});
    const std::int32_t last = comparison.ticks();
    const std::int32_t from = std::clamp(request.from, first, last);
    const std::int32_t to = request.to < 0 ? last : std::clamp(request.to, from, last);
    const pictures::TitleParts title = pictures::comparisonTitle(comparison, from, to);
    Pages pages(pageSize(request.paper), "Handout: " + title.title);
    const RunHistory& lead = comparison.history(0);
    opening(pages, title, noteOf(lead.run(lead.runCount() - 1)));

    const std::size_t count = comparison.size();
    const double each = (pages.width() - (count - 1) * Gap) / count;
    const double windowHeight = each * geometry::ClientHeight / geometry::ClientWidth;
    const double row = svg::lineHeight(BodyPoints) * 2 + windowHeight + Gap;
    bool headed = false;
    for (const std::int32_t tick : windowTicks(request, from, to)) {
        pages.need((headed ? 0 : svg::lineHeight(HeadingPoints) * 2) + row);
        if (!headed) pages.heading("The windows side by side");
        headed = true;
        pages.out().text(Margin, pages.y() + svg::lineHeight(BodyPoints) / 2,
                         "At tick " + std::to_string(tick),
                         {BodyPoints, Ink, svg::Anchor::Start, true, "windowCaption"});
        pages.advance(svg::lineHeight(BodyPoints));
        for (std::size_t i = 0; i < count; ++i) {
            const double x = Margin + i * (each + Gap);
            pages.out().text(
                x + each / 2, pages.y() + svg::lineHeight(SmallPoints) / 2, comparison.label(i),
                {SmallPoints, chart_looks::ConfigurationColours[i % 3], svg::Anchor::Middle, true});
            pictures::drawWindow(
                pages.out(), {x, pages.y() + svg::lineHeight(SmallPoints), each, windowHeight},
                comparison.history(i).recorder().stateAt(tick), request.safeColours, request.stateMarks);
        }
        pages.advance(row - svg::lineHeight(BodyPoints));
    }

    const ladder::Palette palette = ladder::palette(request.safeColours);
    diagramPages(pages, from, to, true, [&](const Rect& area, std::int32_t start, std::int32_t end) {
        std::vector<ladder::Description> diagrams;
        for (std::size_t i = 0; i < count; ++i)
            diagrams.push_back(
                ladder::describe(comparison.history(i).ladder(), comparison.history(i).trace(), start, end));
        pictures::drawDiagrams(pages.out(), area, diagrams, comparison.labels(), palette, request.stateMarks,
                               SmallPoints);
    });

    pages.beginPage();
    pages.heading("The chart, " + pictures::ticksText(from, to));
    std::vector<pictures::ComparedRun> runs;
    for (std::size_t i = 0; i < count; ++i)
        runs.push_back({&comparison.history(i).trace(), comparison.label(i)});
    const double chartHeight = std::min(pages.left() * 0.55, pages.width() * 0.7);
    pictures::drawComparisonChart(pages.out(), {Margin, pages.y(), pages.width(), chartHeight}, runs, from,
                                  to, SmallPoints);
    pages.advance(chartHeight + 2 * Gap);
    pages.heading("The figures at tick " + std::to_string(last));
    pictures::drawFiguresTable(pages.out(),
                               {Margin, pages.y(), pages.width(), 9 * svg::lineHeight(BodyPoints) * 1.4},
                               comparison.labels(), comparison.figures(), true, BodyPoints);
    return pages.finish();
}

} // namespace handout
