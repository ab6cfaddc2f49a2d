// sliding-window-run: plays a run file or a lesson without a window and
// writes its per-tick CSV and its chart, for homework sheets and slides.
//
//   sliding-window-run FILE|--lesson NAME|--protocol NAME [--ticks N] [--csv OUT] [--svg OUT] [--png OUT]
//                      [--ladder-svg OUT] [--ladder-png OUT] [--from T] [--to T]
//
// The run plays exactly as in the window: the recorded actions happen at
// their ticks; past the end of the recording the clock goes on while it runs.
// The chart is the window's own, drawn on Qt's offscreen platform, so no
// display is needed.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/protocol_presets.h"
#include "history/lessons.h"
#include "history/run_csv.h"
#include "history/run_file.h"
#include "history/run_history.h"
#include "ui/qt/ladder_view.h"
#include "ui/qt/run_chart.h"

namespace {

constexpr const char* ProgramName = "sliding-window-run";
const QSize ChartSize(1200, 600);

struct Request {
    std::optional<std::string> runFile;
    std::optional<std::string> lesson;
    std::optional<std::string> protocol;
    std::optional<std::int32_t> ticks;
    std::optional<std::string> csv, svg, png, ladderSvg, ladderPng;
    std::optional<std::int32_t> from, to; // the diagram's ticks
    bool help = false;
    std::string error;
};

std::string usage()
{
    return std::string("Usage: ") + ProgramName +
           " FILE|--lesson NAME|--protocol NAME [--ticks N] [--csv OUT] [--svg OUT] [--png OUT]"
           " [--ladder-svg OUT] [--ladder-png OUT] [--from T] [--to T]";
}

std::string help()
{
    std::string text =
        usage() +
        "\n\nPlays a run file or a built-in lesson without a window and writes:\n"
        "  --csv OUT    one row per tick: figures, markers and the log (\"-\": standard output)\n"
        "  --svg OUT    the chart as an SVG drawing\n"
        "  --png OUT    the chart as a PNG image\n"
        "  --ladder-svg OUT  the time-sequence diagram as an SVG drawing\n"
        "  --ladder-png OUT  the time-sequence diagram as a PNG image\n"
        "  --from T, --to T  the diagram's ticks (default: the whole run), e.g. --from 0 --to 600\n"
        "  --ticks N    play N ticks (default: the length of the recorded run)\n"
        "  --lesson NAME  a built-in lesson instead of a file\n"
        "  --protocol NAME  the run's protocol in place of its own settings; alone, a run\n"
        "               of that protocol without losses (" +
        presets::presetNames() +
        ")\n"
        "  --help       this text\n\nLessons:\n";
    for (const LessonEntry& lesson : lessonList())
        text += "  " + lesson.name + "  " + lesson.title + "\n";
    return text;
}

Request parse(const std::vector<std::string>& arguments)
{
    Request request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&](std::optional<std::string>& into) {
            if (i + 1 >= arguments.size()) {
                request.error = argument + " needs a value";
                return;
            }
            into = arguments[++i];
        };
        if (argument == "--help" || argument == "-h") {
            request.help = true;
            return request;
        } else if (argument == "--lesson") {
            value(request.lesson);
        } else if (argument == "--protocol") {
            value(request.protocol);
            if (request.protocol && presets::findPreset(*request.protocol) == nullptr)
                request.error =
                    "unknown protocol " + *request.protocol + "; the protocols are " + presets::presetNames();
        } else if (argument == "--csv") {
            value(request.csv);
        } else if (argument == "--svg") {
            value(request.svg);
        } else if (argument == "--png") {
            value(request.png);
        } else if (argument == "--ladder-svg") {
            value(request.ladderSvg);
        } else if (argument == "--ladder-png") {
            value(request.ladderPng);
        } else if (argument == "--ticks" || argument == "--from" || argument == "--to") {
            std::optional<std::string> text;
            value(text);
            std::int32_t ticks = -1;
            if (text) {
                const auto [end, status] = std::from_chars(text->data(), text->data() + text->size(), ticks);
                if (status != std::errc() || end != text->data() + text->size() || ticks < 0 ||
                    ticks > runfile::MaxTicks)
                    request.error =
                        argument + " needs a whole number from 0 to " + std::to_string(runfile::MaxTicks);
                (argument == "--ticks"  ? request.ticks
                 : argument == "--from" ? request.from
                                        : request.to) = ticks;
            }
        } else if (argument.starts_with("-") && argument != "-") {
            request.error = "unknown option " + argument;
        } else if (request.runFile) {
            request.error = "only one run file, please";
        } else {
            request.runFile = argument;
        }
        if (!request.error.empty()) return request;
    }
    if (request.runFile && request.lesson)
        request.error = "give a run file or --lesson NAME";
    else if (!request.runFile && !request.lesson && !request.protocol)
        request.error = "give a run file, --lesson NAME or --protocol NAME";
    return request;
}

bool writeCsv(const std::string& path, const RunTrace& trace)
{
    if (path == "-") {
        writeRunCsv(std::cout, trace);
        return static_cast<bool>(std::cout.flush());
    }
    std::ofstream out(path, std::ios::binary);
    writeRunCsv(out, trace);
    out.flush();
    return static_cast<bool>(out);
}

bool writeChart(const std::string& path, const RunTrace& trace, bool svg)
{
    RunChart chart(trace);
    chart.resize(ChartSize);
    chart.showWholeRun();
    const QString file = QString::fromStdString(path);
    const QRectF target(QPointF(0, 0), ChartSize);
    if (svg) {
        QSvgGenerator generator;
        generator.setFileName(file);
        generator.setSize(ChartSize);
        generator.setViewBox(QRect(QPoint(0, 0), ChartSize));
        generator.setTitle(QStringLiteral("Quill's Sliding Window Demo"));
        QPainter painter;
        if (!painter.begin(&generator)) return false;
        chart.renderTo(painter, target, ChartSize);
        return painter.end();
    }
    QImage image(ChartSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        chart.renderTo(painter, target, ChartSize);
    }
    return image.save(file, "PNG");
}

// The diagram of ticks from .. to, at 100 %: the SVG by the shared writer, the PNG drawn by Qt.
bool writeLadder(const std::string& path, const RunHistory& history, const Request& request, bool svg)
{
    const ladder::Description diagram = ladder::describe(history.ladder(), history.trace(),
                                                         request.from.value_or(0), request.to.value_or(-1));
    const ladder::Layout layout;
    const ladder::Palette palette = ladder::palette(false);
    if (svg) {
        std::ofstream out(path, std::ios::binary);
        out << ladder::toSvg(diagram, layout, palette, false);
        out.flush();
        return static_cast<bool>(out);
    }
    QImage image(
        QSize(static_cast<int>(layout.width), static_cast<int>(layout.height(diagram.from, diagram.to))),
        QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintLadder(painter, diagram, layout, palette, false);
    }
    return image.save(QString::fromStdString(path), "PNG");
}

} // namespace

int main(int argc, char* argv[])
{
    const Request request = parse(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (request.help) {
        std::cout << help();
        return 0;
    }
    if (!request.error.empty()) {
        std::cerr << ProgramName << ": " << request.error << '\n' << usage() << '\n';
        return 2;
    }
    RunFileResult read;
    if (request.lesson || request.runFile) {
        read = request.lesson ? loadLesson(*request.lesson) : loadRunFile(*request.runFile);
    } else {
        RunScript lossless; // Start at tick 0 and nothing else
        lossless.ticks = 600;
        lossless.actions.push_back(RecordedEvent{0, UserEvent{EventKind::StartReset, 0, 0}});
        read.script = lossless;
    }
    if (!read.script) {
        std::cerr << ProgramName << ": " << read.error << '\n';
        return 1;
    }
    if (request.protocol) {
        // The same actions, and so the same losses, under the protocol's settings.
        Form1 settings;
        settings.Form_Load();
        for (const UserEvent& event :
             presets::presetEvents(settings, *presets::findPreset(*request.protocol)))
            applyEvent(settings, event);
        const bool slide = read.script->settings.options[static_cast<int>(OptionBox::Slide)];
        read.script->settings = settingsOf(settings);
        read.script->settings.options[static_cast<int>(OptionBox::Slide)] = slide;
    }

    Form1 form;
    form.Form_Load();
    RunHistory history(form);
    history.open(form, *read.script);
    const std::int32_t ticks = request.ticks.value_or(read.script->ticks);
    while (history.ticks() < ticks && (history.replaying() || form.Timer1.Enabled))
        history.tick(form);

    if (request.csv && !writeCsv(*request.csv, history.trace())) {
        std::cerr << ProgramName << ": could not write " << *request.csv << '\n';
        return 1;
    }
    if (request.ladderSvg && !writeLadder(*request.ladderSvg, history, request, true)) {
        std::cerr << ProgramName << ": could not write " << *request.ladderSvg << '\n';
        return 1;
    }
    if (request.svg || request.png || request.ladderPng) {
        // Drawing needs a QApplication, but never a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        char* qtArgv[] = {argv[0], nullptr};
        QApplication application(qtArgc, qtArgv);
        for (const auto& [path, svg] : {std::pair{request.svg, true}, std::pair{request.png, false}}) {
            if (path && !writeChart(*path, history.trace(), svg)) {
                std::cerr << ProgramName << ": could not write " << *path << '\n';
                return 1;
            }
        }
        if (request.ladderPng && !writeLadder(*request.ladderPng, history, request, false)) {
            std::cerr << ProgramName << ": could not write " << *request.ladderPng << '\n';
            return 1;
        }
    }
    return 0;
}
