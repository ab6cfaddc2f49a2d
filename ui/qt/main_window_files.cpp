// The main window's exports, run files and lessons: every way a run leaves
// the program or comes into it.
#include "ui/qt/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QBuffer>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QUrl>
#include <cmath>
#include <functional>
#include <memory>
#include <sstream>

#include "core/app_version.h"
#include "frontend/run_names.h"
#include "history/display_text.h"
#include "history/export_text.h"
#include "history/lessons.h"
#include "history/run_csv.h"
#include "ui/qt/compare_window.h"
#include "ui/qt/form_view.h"
#include "ui/qt/lessons_dialog.h"
#include "ui/qt/practice_panel.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/text_dialog.h"
#include "ui/qt/window_placement.h"

// ============================================================================
// Exports
// ============================================================================

void MainWindow::askAndExport(const QString& title, const QString& filter, const QString& suffix,
                              bool (MainWindow::*write)(const QString&))
{
    QString path = QFileDialog::getSaveFileName(
        this, title, QDir(lastFolder()).filePath(QStringLiteral("run.") + suffix), filter);
    if (path.isEmpty()) return;
    rememberFolder(path);
    if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive)) path += QLatin1Char('.') + suffix;
    if (!(this->*write)(path))
        refuse(tr("Could not write %1.")
                   .arg(QString::fromStdString(
                       displaytext::name(QDir::toNativeSeparators(path).toStdString()))));
}

// Every export goes to a temporary file beside the target, renamed over it
// only once whole and written without an error: a full disk leaves no half file.
namespace {

// The encoders do not all report a write that fell short: what they make is
// put in memory first and written in one checked write.
bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

bool MainWindow::exportChartPng(const QString& path)
{
    QBuffer drawing;
    drawing.open(QIODevice::WriteOnly);
    return runPanel()->chartImage().save(&drawing, "PNG") && writeWhole(path, drawing.data());
}

bool MainWindow::exportChartSvg(const QString& path)
{
    QBuffer drawing;
    drawing.open(QIODevice::WriteOnly);
    const QSize size = runPanel()->chartExportSize();
    QSvgGenerator svg;
    svg.setOutputDevice(&drawing);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(WindowCaption);
    svg.setDescription(tr("Windows and flight size in packets against the tick number"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    runPanel()->renderChart(painter, QRectF(QPointF(0, 0), size));
    // The drawing parses as XML whatever a run's texts hold.
    return painter.end() &&
           writeWhole(path, QByteArray::fromStdString(exporttext::xmlSafe(drawing.data().toStdString())));
}

bool MainWindow::exportRunCsv(const QString& path)
{
    std::ostringstream text;
    // The exporter's columns, the run's figures so far among them, for the run the panel shows.
    const LadderTrace* ladder = panel_ != nullptr ? panel_->shownLadder() : &history_->ladder();
    const RunTrace& trace = panel_ != nullptr ? panel_->shownTrace() : history_->trace();
    if (ladder != nullptr)
        writeRunCsv(text, trace, *ladder);
    else
        writeRunCsv(text, trace);
    return writeWhole(path, QByteArray::fromStdString(text.str()));
}

// ============================================================================
// Run files and lessons
// ============================================================================

void MainWindow::askAndOpen()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Run"), lastFolder(),
                                                      tr("Runs (*.swrun *.json);;All files (*)"));
    if (!path.isEmpty()) openRunFile(path);
}

void MainWindow::askAndSave() { askAndSaveScript(history_->script(), history_->ticks(), this); }

void MainWindow::askAndSaveScript(const RunHistory::SavedRun& saved, std::int32_t ticks, QWidget* over)
{
    if (!saved.error.empty()) {
        refuse(QString::fromStdString(saved.error));
        return;
    }
    const std::string proposed = run_names::suggestedFileName({}, saved.script.title, ticks);
    QString path = QFileDialog::getSaveFileName(over, tr("Save Run As"),
                                                QDir(lastFolder()).filePath(QString::fromStdString(proposed)),
                                                tr("Runs (*.swrun);;Runs, as before (*.json)"));
    if (path.isEmpty()) return;
    // Still JSON inside; ".json" kept where the user typed it.
    const QString extension = QString::fromUtf8(run_names::Extension.data(), run_names::Extension.size());
    if (!path.endsWith(extension, Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive))
        path += extension;
    saveScript(path, saved);
}

bool MainWindow::saveRun(const QString& path) { return saveScript(path, history_->script()); }

bool MainWindow::saveScript(const QString& path, const RunHistory::SavedRun& saved)
{
    std::string error = saved.error;
    if (error.empty()) error = saveRunFile(QFile::encodeName(path).toStdString(), saved.script);
    if (!error.empty()) {
        refuse(QString::fromStdString(error));
        return false;
    }
    rememberFolder(path);
    return true;
}

bool MainWindow::openRunFile(const QString& path)
{
    rememberFolder(path);
    const RunFileResult read = loadRunFile(QFile::encodeName(path).toStdString());
    if (!read.script) {
        refuse(tr("%1 cannot be opened. %2")
                   .arg(QString::fromStdString(displaytext::name(QFileInfo(path).fileName().toStdString())),
                        QString::fromStdString(read.error)));
        return false;
    }
    openScript(*read.script);
    return true;
}

bool MainWindow::openLesson(const QString& name)
{
    const RunFileResult read = loadLesson(name.toStdString());
    if (!read.script) {
        refuse(QString::fromStdString(read.error));
        return false;
    }
    openScript(*read.script);
    return true;
}

void MainWindow::openScript(const RunScript& script)
{
    if (eventRunning_) return;
    if (!script.alongside.empty()) {
        openComparison(script);
        showNote(script);
        return;
    }
    eventRunning_ = true;
    history_->open(form_, script);
    practice_->session().setLesson(script.questions);
    practice_->userActed();
    eventRunning_ = false;
    if (panel_ != nullptr) panel_->rewound();
    showModel();
    showNote(script);
}

void MainWindow::showNote(const RunScript& script)
{
    if (script.note.empty()) return;
    // Not modal: the teacher reads it beside the window and may start at once.
    // Over the comparison it belongs to, if it opened one, rather than behind it.
    QWidget* over = !script.alongside.empty() && compare_ != nullptr ? static_cast<QWidget*>(compare_) : this;
    // A file's text is never markup; a long note scrolls in a box that fits the screen.
    text_dialog::showPlain(over, QString::fromStdString(script.title), QString::fromStdString(script.note),
                           QStringLiteral("lessonNote"));
}

void MainWindow::showLessons()
{
    LessonsDialog dialog(this);
    connect(&dialog, &LessonsDialog::lessonChosen, this, [this](const QString& name) { openLesson(name); });
    dialog.exec();
}

// The refusal names what is wrong; the run on screen is untouched.
void MainWindow::refuse(const QString& sentence)
{
    lastRefusal_ = sentence;
    auto* box = new QMessageBox(QMessageBox::Warning, WindowCaption, sentence, QMessageBox::Ok, this);
    box->setTextFormat(Qt::PlainText); // it may quote a file's text
    box->setObjectName(QStringLiteral("refusal"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    openRunFile(urls.front().toLocalFile());
}
