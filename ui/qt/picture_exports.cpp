#include "ui/qt/picture_exports.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <algorithm>
#include <sstream>

#include "frontend/comparison.h"
#include "frontend/picture_title.h"
#include "frontend/run_names.h"
#include "history/display_text.h"
#include "history/run_figures.h"
#include "ui/qt/form_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/menu_actions.h"
#include "ui/qt/picture_dialog.h"
#include "ui/qt/picture_files.h"
#include "ui/qt/preferences.h"
#include "ui/qt/printing_module.h"

namespace {

const RunHistory::Run& currentRun(const MainWindow& window)
{
    return window.history().run(window.history().runCount() - 1);
}

// The ticks a run keeps: the recorder's and the trace's alike.
std::pair<std::int32_t, std::int32_t> keptTicks(const RunHistory::Run& run)
{
    return {std::max(run.trace.firstTick(), run.recorder.firstTick()),
            std::min(run.trace.ticks(), run.recorder.ticks())};
}

std::pair<std::int32_t, std::int32_t> keptTicks(const Comparison& comparison)
{
    std::int32_t first = 0;
    for (std::size_t i = 0; i < comparison.size(); ++i)
        first = std::max(first, comparison.history(i).trace().firstTick());
    return {first, comparison.ticks()};
}

bool isSvg(const QString& path) { return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive); }

bool writePicture(const QString& path, const std::string& svg)
{
    const QByteArray bytes = isSvg(path) ? picture_files::svgBytes(svg) : picture_files::png(svg);
    return !bytes.isEmpty() && picture_files::writeWhole(path, bytes);
}

} // namespace

PictureExports::PictureExports(MainWindow& window, Preferences& preferences)
    : window_(window), preferences_(preferences)
{
}

void PictureExports::addToMenu(QMenu* file)
{
    const auto on = [this](QAction* action, auto handler) {
        QObject::connect(action, &QAction::triggered, &window_, handler);
    };
    on(addMenuAction(file, QStringLiteral("actionExportPicture"), QObject::tr("Export P&icture..."),
                     QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E)),
       [this] { askAndExportPicture(std::nullopt, &window_); });
    on(addMenuAction(file, QStringLiteral("actionExportFigures"), QObject::tr("Export &Figures as CSV..."),
                     QKeySequence()),
       [this] {
           const QString path = askPath(&window_, QObject::tr("Export Figures as CSV"),
                                        QObject::tr("CSV files (*.csv)"), "figures.csv");
           if (!path.isEmpty() && !exportFiguresCsv(path)) refuseWrite(path);
       });
    on(addMenuAction(file, QStringLiteral("actionExportHandout"), QObject::tr("Export &Handout (PDF)..."),
                     QKeySequence()),
       [this] { askAndExportHandout(nullptr, &window_); });
    on(addMenuAction(file, QStringLiteral("actionPrintHandout"), QObject::tr("P&rint Handout..."),
                     QKeySequence(Qt::CTRL | Qt::Key_P)),
       [this] { askAndPrintHandout(nullptr, &window_); });
}

bool PictureExports::exportRunPicture(const QString& path, pictures::View view, pictures::Request request)
{
    request.safeColours = window_.clientArea()->safeColours();
    request.stateMarks = window_.clientArea()->stateMarks();
    return writePicture(path, pictures::runPicture(currentRun(window_), window_.losses(), view, request));
}

bool PictureExports::exportComparisonPicture(const QString& path, const Comparison& comparison,
                                             const std::vector<pictures::View>& views,
                                             pictures::Request request)
{
    request.safeColours = window_.clientArea()->safeColours();
    request.stateMarks = window_.clientArea()->stateMarks();
    return writePicture(path, pictures::comparisonPicture(comparison, views, request));
}

std::vector<std::string> PictureExports::handoutPages(handout::Request request,
                                                      const Comparison* comparison) const
{
    request.safeColours = window_.clientArea()->safeColours();
    request.stateMarks = window_.clientArea()->stateMarks();
    if (comparison != nullptr) return handout::comparisonPages(*comparison, request);
    return handout::runPages(currentRun(window_), window_.losses(), request);
}

bool PictureExports::exportHandout(const QString& path, handout::Request request,
                                   const Comparison* comparison)
{
    const std::string title = comparison != nullptr ? "Comparison handout" : currentRun(window_).title;
    const QByteArray document = picture_files::pdf(handoutPages(request, comparison), title);
    return !document.isEmpty() && picture_files::writeWhole(path, document);
}

bool PictureExports::exportFiguresCsv(const QString& path)
{
    const RunHistory::Run& run = currentRun(window_);
    std::ostringstream text;
    const std::string label = pictures::runTitle(run, window_.losses(), 0, 0).title;
    figures::writeCsv(text, {label}, {figuresOf(run.trace, run.ladder)});
    return picture_files::writeWhole(path, QByteArray::fromStdString(text.str()));
}

void PictureExports::askAndExportPicture(std::optional<pictures::View> view, QWidget* over)
{
    const auto [first, last] = keptTicks(currentRun(window_));
    PictureDialog dialog(PictureDialog::Kind::RunPicture, first, last, over);
    if (view) dialog.chooseView(*view);
    if (dialog.exec() != QDialog::Accepted) return;
    const pictures::View chosen = dialog.views().front();
    const QString path =
        askPath(over, QObject::tr("Export Picture"), QObject::tr("PNG images (*.png);;SVG drawings (*.svg)"),
                std::string(pictures::viewName(chosen)) + ".png");
    if (!path.isEmpty() && !exportRunPicture(path, chosen, dialog.pictureRequest())) refuseWrite(path);
}

void PictureExports::askAndExportComparison(const Comparison& comparison, QWidget* over)
{
    const auto [first, last] = keptTicks(comparison);
    PictureDialog dialog(PictureDialog::Kind::ComparisonPicture, first, last, over);
    if (dialog.exec() != QDialog::Accepted) return;
    const QString path = askPath(over, QObject::tr("Export Comparison Picture"),
                                 QObject::tr("PNG images (*.png);;SVG drawings (*.svg)"), "comparison.png");
    if (!path.isEmpty() &&
        !exportComparisonPicture(path, comparison, dialog.views(), dialog.pictureRequest()))
        refuseWrite(path);
}

void PictureExports::askAndExportHandout(const Comparison* comparison, QWidget* over)
{
    const auto [first, last] =
        comparison != nullptr ? keptTicks(*comparison) : keptTicks(currentRun(window_));
    PictureDialog dialog(PictureDialog::Kind::Handout, first, last, over);
    if (dialog.exec() != QDialog::Accepted) return;
    const QString path =
        askPath(over, QObject::tr("Export Handout"), QObject::tr("PDF documents (*.pdf)"), "handout.pdf");
    if (!path.isEmpty() && !exportHandout(path, dialog.handoutRequest(), comparison)) refuseWrite(path);
}

void PictureExports::askAndPrintHandout(const Comparison* comparison, QWidget* over)
{
    const auto [first, last] =
        comparison != nullptr ? keptTicks(*comparison) : keptTicks(currentRun(window_));
    PictureDialog dialog(PictureDialog::Kind::Handout, first, last, over);
    if (dialog.exec() != QDialog::Accepted) return;
    QString error;
    const PrintingModule* printing = loadPrintingModule(&error);
    if (printing == nullptr) {
        window_.refuse(error);
        return;
    }
    const PrintOutcome printed = printing->print(over, [&](QPagedPaintDevice& printer) {
        return picture_files::paintPages(handoutPages(dialog.handoutRequest(), comparison), printer);
    });
    if (printed == PrintOutcome::Failed) window_.refuse(QObject::tr("The handout could not be printed."));
}

QString PictureExports::askPath(QWidget* over, const QString& title, const QString& filters,
                                const std::string& proposed)
{
    const std::string name = run_names::suggestedFileName({}, window_.history().title(),
                                                          window_.history().ticks(), "-" + proposed);
    QString chosenFilter;
    QString path = QFileDialog::getSaveFileName(
        over, title, QDir(preferences_.lastFolder()).filePath(QString::fromStdString(name)), filters,
        &chosenFilter);
    if (path.isEmpty()) return path;
    preferences_.rememberFolder(path);
    // The suffix of the type chosen, where the name typed has none of its own.
    const QString suffix = chosenFilter.section(QStringLiteral("(*"), 1).section(QLatin1Char(')'), 0, 0);
    if (!suffix.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive) &&
        !(suffix == QStringLiteral(".png") && isSvg(path)) &&
        !(suffix == QStringLiteral(".svg") && path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)))
        path += suffix;
    return path;
}

void PictureExports::refuseWrite(const QString& path)
{
    window_.refuse(
        QObject::tr("Could not write %1.")
            .arg(QString::fromStdString(displaytext::name(QDir::toNativeSeparators(path).toStdString()))));
}
