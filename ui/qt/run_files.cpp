#include "ui/qt/run_files.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <sstream>

#include "frontend/packet_capture.h"
#include "frontend/run_names.h"
#include "history/display_text.h"
#include "history/lessons.h"
#include "history/run_csv.h"
#include "history/run_file.h"
#include "ui/qt/lessons_dialog.h"
#include "ui/qt/main_window.h"
#include "ui/qt/menu_actions.h"
#include "ui/qt/panel_dock.h"
#include "ui/qt/picture_files.h"
#include "ui/qt/preferences.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/text_dialog.h"
#include "ui/qt/translation.h"

RunFiles::RunFiles(MainWindow& window, PanelDock& panel, Preferences& preferences)
    : window_(window), panel_(panel), preferences_(preferences), pictures_(window, preferences)
{
}

void RunFiles::buildMenu(QMenu* file, QList<QAction*>& panelKeys)
{
    const auto on = [this](QAction* action, auto handler) {
        QObject::connect(action, &QAction::triggered, &window_, handler);
    };
    on(addMenuAction(file, QStringLiteral("actionOpenRun"), QObject::tr("&Open Run..."),
                     QKeySequence(Qt::CTRL | Qt::Key_O)),
       [this] { askAndOpen(); });
    on(addMenuAction(file, QStringLiteral("actionSaveRun"), QObject::tr("&Save Run As..."),
                     QKeySequence(Qt::CTRL | Qt::Key_S)),
       [this] { askAndSaveScript(window_.history().script(), window_.history().ticks(), &window_); });
    file->addSeparator();
    on(addMenuAction(file, QStringLiteral("actionExportPng"), QObject::tr("Export Chart as &PNG..."),
                     QKeySequence(Qt::CTRL | Qt::Key_E)),
       [this] {
           askAndExport(QObject::tr("Export Chart as PNG"), QObject::tr("PNG images (*.png)"),
                        QStringLiteral("png"), &RunFiles::exportChartPng);
       });
    on(addMenuAction(file, QStringLiteral("actionExportSvg"), QObject::tr("Export Chart as S&VG..."),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)),
       [this] {
           askAndExport(QObject::tr("Export Chart as SVG"), QObject::tr("SVG drawings (*.svg)"),
                        QStringLiteral("svg"), &RunFiles::exportChartSvg);
       });
    on(addMenuAction(file, QStringLiteral("actionExportCsv"), QObject::tr("Export Run as &CSV..."),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)),
       [this] {
           askAndExport(QObject::tr("Export Run as CSV"), QObject::tr("CSV files (*.csv)"),
                        QStringLiteral("csv"), &RunFiles::exportRunCsv);
       });
    on(addMenuAction(file, QStringLiteral("actionExportPcap"),
                     QObject::tr("Export Run as Packet Ca&pture..."), QKeySequence()),
       [this] { askAndExportCapture(); });
    pictures_.addToMenu(file);
    panelKeys += file->actions();
    file->addSeparator();
    on(addMenuAction(file, QStringLiteral("actionQuit"), QObject::tr("&Quit"),
                     QKeySequence(Qt::CTRL | Qt::Key_Q)),
       [this] { window_.close(); });
}

// ============================================================================
// Exports
// ============================================================================

void RunFiles::askAndExport(const QString& title, const QString& filter, const QString& suffix,
                            bool (RunFiles::*write)(const QString&))
{
    QString path = QFileDialog::getSaveFileName(
        &window_, title, QDir(preferences_.lastFolder()).filePath(QStringLiteral("run.") + suffix), filter);
    if (path.isEmpty()) return;
    preferences_.rememberFolder(path);
    if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive)) path += QLatin1Char('.') + suffix;
    if (!(this->*write)(path))
        refuse(QObject::tr("Could not write %1.")
                   .arg(QString::fromStdString(
                       displaytext::name(QDir::toNativeSeparators(path).toStdString()))));
}

// Every export goes to a temporary file beside the target, renamed over it
// only once whole and written without an error: a full disk leaves no half file.
bool RunFiles::exportChartPng(const QString& path)
{
    return pictures_.exportRunPicture(path, pictures::View::Chart, pictures::Request{});
}

bool RunFiles::exportChartSvg(const QString& path)
{
    return pictures_.exportRunPicture(path, pictures::View::Chart, pictures::Request{});
}

bool RunFiles::exportRunCsv(const QString& path)
{
    std::ostringstream text;
    // The exporter's columns, the run's figures so far among them, for the run the panel shows.
    const RunPanel* panel = panel_.built();
    const RunHistory& history = window_.history();
    const LadderTrace* ladder = panel != nullptr ? panel->shownLadder() : &history.ladder();
    const RunTrace& trace = panel != nullptr ? panel->shownTrace() : history.trace();
    if (ladder != nullptr)
        writeRunCsv(text, trace, *ladder);
    else
        writeRunCsv(text, trace);
    return picture_files::writeWhole(path, QByteArray::fromStdString(text.str()));
}

// The run the panel shows, written by the same writer as the exporter's
// --pcap and the page's Save capture, so the three files of one run are the
// same bytes.
bool RunFiles::exportRunCapture(const QString& path, capture::Point at)
{
    const RunPanel* panel = panel_.built();
    const RunHistory& history = window_.history();
    const LadderTrace* ladder = panel != nullptr ? panel->shownLadder() : &history.ladder();
    const RunTrace* trace = panel != nullptr ? &panel->shownTrace() : &history.trace();
    if (ladder == nullptr) {
        ladder = &history.ladder();
        trace = &history.trace();
    }
    const capture::Connection run{ladder, trace};
    return picture_files::writeWhole(path,
                                     QByteArray::fromStdString(capture::pcapFile(std::span(&run, 1), at)));
}

// The file dialog's two types choose where the capture listens.
void RunFiles::askAndExportCapture()
{
    const QString atSender = QObject::tr("Packet capture at the sender (*.pcap)");
    const QString atReceiver = QObject::tr("Packet capture at the receiver (*.pcap)");
    const RunHistory& history = window_.history();
    const std::string proposed = run_names::suggestedFileName({}, history.title(), history.ticks(), ".pcap");
    QString chosen = atSender;
    QString path = QFileDialog::getSaveFileName(
        &window_, QObject::tr("Export Run as Packet Capture"),
        QDir(preferences_.lastFolder()).filePath(QString::fromStdString(proposed)),
        atSender + QStringLiteral(";;") + atReceiver, &chosen);
    if (path.isEmpty()) return;
    preferences_.rememberFolder(path);
    if (!path.endsWith(QStringLiteral(".pcap"), Qt::CaseInsensitive)) path += QStringLiteral(".pcap");
    const capture::Point at = chosen == atReceiver ? capture::Point::Receiver : capture::Point::Sender;
    if (!exportRunCapture(path, at))
        refuse(QObject::tr("Could not write %1.")
                   .arg(QString::fromStdString(
                       displaytext::name(QDir::toNativeSeparators(path).toStdString()))));
}

// ============================================================================
// Run files and lessons
// ============================================================================

void RunFiles::askAndOpen()
{
    const QString path =
        QFileDialog::getOpenFileName(&window_, QObject::tr("Open Run"), preferences_.lastFolder(),
                                     QObject::tr("Runs (*.swrun *.json);;All files (*)"));
    if (!path.isEmpty()) openRunFile(path);
}

void RunFiles::askAndSaveScript(const RunHistory::SavedRun& saved, std::int32_t ticks, QWidget* over)
{
    if (!saved.error.empty()) {
        refuse(translation::shown(saved.error));
        return;
    }
    const std::string proposed = run_names::suggestedFileName({}, saved.script.title, ticks);
    QString path = QFileDialog::getSaveFileName(
        over, QObject::tr("Save Run As"),
        QDir(preferences_.lastFolder()).filePath(QString::fromStdString(proposed)),
        QObject::tr("Runs (*.swrun);;Runs, as before (*.json)"));
    if (path.isEmpty()) return;
    // Still JSON inside; ".json" kept where the user typed it.
    const QString extension = QString::fromUtf8(run_names::Extension.data(), run_names::Extension.size());
    if (!path.endsWith(extension, Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive))
        path += extension;
    saveScript(path, saved);
}

bool RunFiles::saveRun(const QString& path) { return saveScript(path, window_.history().script()); }

bool RunFiles::saveScript(const QString& path, const RunHistory::SavedRun& saved)
{
    std::string error = saved.error;
    if (error.empty()) error = saveRunFile(QFile::encodeName(path).toStdString(), saved.script);
    if (!error.empty()) {
        refuse(translation::shown(error));
        return false;
    }
    preferences_.rememberFolder(path);
    return true;
}

bool RunFiles::openRunFile(const QString& path)
{
    preferences_.rememberFolder(path);
    const RunFileResult read = loadRunFile(QFile::encodeName(path).toStdString());
    if (!read.script) {
        refuse(QObject::tr("%1 cannot be opened. %2")
                   .arg(QString::fromStdString(displaytext::name(QFileInfo(path).fileName().toStdString())),
                        translation::shown(read.error)));
        return false;
    }
    window_.openScript(*read.script);
    return true;
}

bool RunFiles::openLesson(const QString& name)
{
    const RunFileResult read = loadLesson(name.toStdString());
    if (!read.script) {
        refuse(translation::shown(read.error));
        return false;
    }
    window_.openScript(*read.script);
    return true;
}

void RunFiles::showNote(const RunScript& script, QWidget* over)
{
    if (script.note.empty()) return;
    // A file's text is never markup; a long note scrolls in a box that fits the screen.
    text_dialog::showPlain(over, QString::fromStdString(script.title), QString::fromStdString(script.note),
                           QStringLiteral("lessonNote"));
}

void RunFiles::showLessons()
{
    LessonsDialog dialog(&window_);
    QObject::connect(&dialog, &LessonsDialog::lessonChosen, &window_,
                     [this](const QString& name) { openLesson(name); });
    dialog.exec();
}

void RunFiles::refuse(const QString& sentence)
{
    lastRefusal_ = sentence;
    auto* box =
        new QMessageBox(QMessageBox::Warning, MainWindow::WindowCaption, sentence, QMessageBox::Ok, &window_);
    box->setTextFormat(Qt::PlainText); // it may quote a file's text
    box->setObjectName(QStringLiteral("refusal"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
