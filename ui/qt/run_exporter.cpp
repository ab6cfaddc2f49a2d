// sliding-window-run: plays a run file or a lesson without a window and
// writes its per-tick CSV and its chart, for homework sheets and slides.
//
//   sliding-window-run FILE|--lesson NAME|--link LINK|--protocol NAME [--ticks N] [--csv OUT] [--svg OUT]
//                      [--png OUT] [--ladder-svg OUT] [--ladder-png OUT] [--from T] [--to T]
//
// The run plays exactly as in the window: the recorded actions happen at
// their ticks; past the end of the recording the run goes on live with no
// further actions, ticking as a Step does even where the recording left
// the clock paused. A link is read by the page's own parser: its settings
// (a homework sheet's 'options=slowstart&tx=8', started here), the lesson it
// names, or the run in its "#run=" fragment.
// --ticks counts the ticks of the whole recording, across its Resets. The
// chart is the window's own, drawn on Qt's offscreen platform, so no display
// is needed.
//
// Every file is written to a temporary file beside it and renamed over it
// once whole (QSaveFile): a full disk leaves no half file, only a sentence on
// standard error and exit status 1.
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/protocol_presets.h"
#include "frontend/run_link.h"
#include "frontend/run_player.h"
#include "history/display_text.h"
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
    std::optional<std::string> link;
    std::optional<std::int32_t> ticks;
    std::optional<std::string> csv, svg, png, ladderSvg, ladderPng;
    std::optional<std::int32_t> from, to; // the diagram's ticks
    bool help = false;
    std::string error;
};

std::string usage()
{
    return std::string("Usage: ") + ProgramName +
           " FILE|--lesson NAME|--link LINK|--protocol NAME [--ticks N] [--csv OUT] [--svg OUT] [--png OUT]"
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
        "  --ticks N    play N ticks of the whole recording, Resets included\n"
        "               (default: its length; past its end the run goes on unattended)\n"
        "  --lesson NAME  a built-in lesson instead of a file\n"
        "  --link LINK  the page's settings ('options=slowstart,avoidance&tx=8'), started,\n"
        "               or a whole link of the page, with its lesson or its run\n"
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
                request.error = displaytext::name(argument) + " needs a value";
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
        } else if (argument == "--link") {
            value(request.link);
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
            request.error = "unknown option " + displaytext::name(argument);
        } else if (request.runFile) {
            request.error = "only one run file, please";
        } else {
            request.runFile = argument;
        }
        if (!request.error.empty()) return request;
    }
    const int sources =
        int(request.runFile.has_value()) + int(request.lesson.has_value()) + int(request.link.has_value());
    if (sources > 1 || (request.link && request.protocol))
        request.error = "give one of a run file, --lesson NAME or --link LINK";
    else if (sources == 0 && !request.protocol)
        request.error = "give a run file, --lesson NAME, --link LINK or --protocol NAME";
    return request;
}

// Writes through a QSaveFile; an empty string when the file is in place, or
// why it is not (and then no file is left).
struct SavedFile {
    explicit SavedFile(const std::string& path) : file(QString::fromStdString(path)) {}

    // Refuses what is not, or would not become, a plain file: renaming a
    // temporary file over a device or a folder is never what was meant.
    std::string open()
    {
        std::error_code ignored;
        const std::filesystem::path path(file.fileName().toStdString());
        if (std::filesystem::exists(path, ignored) && !std::filesystem::is_regular_file(path, ignored))
            return "it is not a plain file";
        if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
        return {};
    }

    std::string commit()
    {
        if (file.error() != QFileDevice::NoError) {
            const std::string why = reason();
            file.cancelWriting();
            return why;
        }
        if (!file.commit()) return reason();
        return {};
    }

    // Qt words some failures "Unknown error" (an encoder's write that failed).
    std::string reason() const
    {
        const int code = errno;
        const std::string said = file.errorString().toStdString();
        if (!said.empty() && said != "Unknown error") return said;
        return code != 0 ? std::strerror(code) : "the disk refused the data";
    }

    QSaveFile file;
};

// A std::ostream onto a QIODevice, so that the CSV streams to the file
// instead of being built whole in memory first.
class DeviceBuffer : public std::streambuf {
public:
    explicit DeviceBuffer(QIODevice& device) : device_(device) { setp(buffer_, buffer_ + sizeof buffer_); }
    ~DeviceBuffer() override { sync(); }

protected:
    int_type overflow(int_type c) override
    {
        if (sync() != 0) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override
    {
        const qint64 size = pptr() - pbase();
        errno = 0;
        const bool written = size == 0 || device_.write(pbase(), size) == size;
        if (!written && failure_ == 0) failure_ = errno != 0 ? errno : EIO;
        setp(buffer_, buffer_ + sizeof buffer_);
        return written ? 0 : -1;
    }

public:
    // Why the first write failed (an errno value), 0 while none has.
    int failure() const { return failure_; }

private:
    QIODevice& device_;
    int failure_ = 0;
    char buffer_[64 * 1024];
};

// The encoders do not all report a write that fell short: what they make is
// put in memory first and written in one checked write.
std::string writeBytes(const std::string& path, const QByteArray& bytes)
{
    SavedFile saved(path);
    if (std::string why = saved.open(); !why.empty()) return why;
    errno = 0;
    if (saved.file.write(bytes) != bytes.size() || !saved.file.flush()) {
        const std::string why = saved.reason();
        saved.file.cancelWriting();
        return why;
    }
    return saved.commit();
}

std::string writeCsv(const std::string& path, const RunTrace& trace)
{
    if (path == "-") {
        writeRunCsv(std::cout, trace);
        return std::cout.flush() ? std::string() : std::string("standard output refused the data");
    }
    SavedFile saved(path);
    if (std::string why = saved.open(); !why.empty()) return why;
    DeviceBuffer buffer(saved.file);
    std::ostream out(&buffer);
    writeRunCsv(out, trace);
    if (!out.flush()) {
        saved.file.cancelWriting();
        return std::strerror(buffer.failure() != 0 ? buffer.failure() : EIO);
    }
    return saved.commit();
}

// The chart is drawn into memory first (a few hundred kilobytes at most) and
// written in one checked write: the SVG generator and the PNG encoder do
// not all report a write that fell short.
std::string writeChart(const std::string& path, const RunTrace& trace, bool svg)
{
    RunChart chart(trace);
    chart.resize(ChartSize);
    chart.showWholeRun();
    const QRectF target(QPointF(0, 0), ChartSize);
    QBuffer drawing;
    drawing.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&drawing);
        generator.setSize(ChartSize);
        generator.setViewBox(QRect(QPoint(0, 0), ChartSize));
        generator.setTitle(QStringLiteral("Quill's Sliding Window Demo"));
        QPainter painter;
        if (!painter.begin(&generator)) return "the drawing could not begin";
        chart.renderTo(painter, target, ChartSize);
        if (!painter.end()) return "the drawing could not be finished";
    } else {
        QImage image(ChartSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            chart.renderTo(painter, target, ChartSize);
        }
        if (!image.save(&drawing, "PNG")) return "the image could not be encoded";
    }
    return writeBytes(path, drawing.data());
}

void refuseWrite(const std::string& path, const std::string& why)
{
    std::cerr << ProgramName << ": could not write " << displaytext::name(path) << ": "
              << displaytext::name(why) << ".\n";
}

// What the CSV and chart hold, when it is not the whole recording: the run
// since its last Reset, or only the end of a run too long for the memory budget.
void sayWhatIsShown(const RunHistory& history, std::int32_t played, std::int32_t recordingEnd)
{
    if (played > recordingEnd)
        std::cerr << ProgramName << ": the recording ends at tick " << recordingEnd
                  << "; the run went on from there with no more actions to tick " << played << ".\n";
    const std::int32_t runStart = played - history.ticks();
    const std::int32_t first = history.trace().firstTick();
    if (runStart > 0)
        std::cerr << ProgramName << ": the CSV and the chart show the run since the last Reset, at tick "
                  << runStart << " of the recording.\n";
    if (first > 0)
        std::cerr << ProgramName << ": the run was too long to keep whole within the memory budget: the CSV "
                  << "and the chart start at its tick " << first << " (tick " << runStart + first
                  << " of the recording).\n";
}

// The diagram of ticks from .. to, at 100 %: the SVG by the shared writer, the PNG drawn by Qt.
std::string writeLadder(const std::string& path, const RunHistory& history, const Request& request, bool svg)
{
    const ladder::Description diagram = ladder::describe(history.ladder(), history.trace(),
                                                         request.from.value_or(0), request.to.value_or(-1));
    const ladder::Layout layout;
    const ladder::Palette palette = ladder::palette(false);
    if (svg)
        return writeBytes(path, QByteArray::fromStdString(ladder::toSvg(diagram, layout, palette, false)));
    QImage image(
        QSize(static_cast<int>(layout.width), static_cast<int>(layout.height(diagram.from, diagram.to))),
        QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintLadder(painter, diagram, layout, palette, false);
    }
    QBuffer drawing;
    drawing.open(QIODevice::WriteOnly);
    if (!image.save(&drawing, "PNG")) return "the image could not be encoded";
    return writeBytes(path, drawing.data());
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
    // What the window would show in its message box (the last packet number
    // used, no free flight slot) goes to standard error, each text once.
    Form1 form;
    std::vector<std::string> said;
    form.showMessageBox = [&said](const std::string& text) {
        if (said.size() >= 10 || std::find(said.begin(), said.end(), text) != said.end()) return;
        said.push_back(text);
        std::cerr << ProgramName << ": the run says: " << displaytext::plain(text, 300) << '\n';
    };
    form.Form_Load();
    RunHistory history(form);
    if (request.link) {
        const runlink::OpenedLink opened = runlink::openLink(form, history, *request.link);
        if (!opened.error.empty()) {
            std::cerr << ProgramName << ": " << opened.error << '\n';
            return 1;
        }
        for (const std::string& ignored : opened.outcome.ignored)
            std::cerr << ProgramName << ": " << ignored << '\n';
        if (!opened.openedRun) {
            if (!request.ticks) {
                std::cerr << ProgramName << ": a link of settings alone needs --ticks N\n" << usage() << '\n';
                return 2;
            }
            // Settings alone: the run is started, as a user would after opening the page.
            if (!form.Timer1.Enabled) history.apply(form, {EventKind::StartReset, 0, 0});
        }
    } else {
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
        history.open(form, *read.script);
    }

    // Past a file-size limit a write fails instead of ending the program
    // with its temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);

    const bool recorded = history.replaying();
    const std::int32_t recordingEnd = history.recordedEnd();
    const std::int32_t played = run_player::play(form, history, request.ticks.value_or(recordingEnd));
    sayWhatIsShown(history, played, recorded ? recordingEnd : played);

    if (request.csv) {
        if (const std::string why = writeCsv(*request.csv, history.trace()); !why.empty()) {
            refuseWrite(*request.csv, why);
            return 1;
        }
    }
    if (request.ladderSvg) {
        if (const std::string why = writeLadder(*request.ladderSvg, history, request, true); !why.empty()) {
            refuseWrite(*request.ladderSvg, why);
            return 1;
        }
    }
    if (request.svg || request.png || request.ladderPng) {
        // Drawing needs a QApplication, but never a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        char* qtArgv[] = {argv[0], nullptr};
        QApplication application(qtArgc, qtArgv);
        for (const auto& [path, svg] : {std::pair{request.svg, true}, std::pair{request.png, false}}) {
            if (!path) continue;
            if (const std::string why = writeChart(*path, history.trace(), svg); !why.empty()) {
                refuseWrite(*path, why);
                return 1;
            }
        }
        if (request.ladderPng) {
            if (const std::string why = writeLadder(*request.ladderPng, history, request, false);
                !why.empty()) {
                refuseWrite(*request.ladderPng, why);
                return 1;
            }
        }
    }
    return 0;
}
