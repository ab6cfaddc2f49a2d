// The main window's exports, run files and lessons: every way a run leaves
// the program or comes into it.
#include "ui/qt/main_window.h"

#include <QAction>
#include <QActionGroup>
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
#include <QSvgGenerator>
#include <QUrl>
#include <cmath>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "core/app_version.h"
#include "frontend/run_names.h"
#include "history/lessons.h"
#include "history/run_csv.h"
#include "ui/qt/form_view.h"
#include "ui/qt/lessons_dialog.h"
#include "ui/qt/run_panel.h"
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
        QMessageBox::warning(this, WindowCaption,
                             tr("Could not write %1.").arg(QDir::toNativeSeparators(path)));
}

bool MainWindow::exportChartPng(const QString& path) { return runPanel()->chartImage().save(path, "PNG"); }

bool MainWindow::exportChartSvg(const QString& path)
{
    const QSize size = runPanel()->chartExportSize();
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(WindowCaption);
    svg.setDescription(tr("Windows and flight size in packets against the tick number"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    runPanel()->renderChart(painter, QRectF(QPointF(0, 0), size));
    return painter.end() && QFile(path).size() > 0;
}

bool MainWindow::exportRunCsv(const QString& path)
{
    std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!out) return false;
    writeRunCsv(out, panel_ != nullptr ? panel_->shownTrace() : history_->trace());
    out.flush();
    return static_cast<bool>(out);
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

void MainWindow::askAndSave()
{
    const RunHistory::SavedRun saved = history_->script();
    if (!saved.error.empty()) {
        refuse(QString::fromStdString(saved.error));
        return;
    }
    const std::string proposed = run_names::suggestedFileName({}, saved.script.title, history_->ticks());
    QString path = QFileDialog::getSaveFileName(this, tr("Save Run As"),
                                                QDir(lastFolder()).filePath(QString::fromStdString(proposed)),
                                                tr("Runs (*.swrun);;Runs, as before (*.json)"));
    if (path.isEmpty()) return;
    // Still JSON inside; ".json" kept where the user typed it.
    const QString extension = QString::fromUtf8(run_names::Extension.data(), run_names::Extension.size());
    if (!path.endsWith(extension, Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive))
        path += extension;
    saveRun(path);
}

bool MainWindow::saveRun(const QString& path)
{
    const RunHistory::SavedRun saved = history_->script();
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
                   .arg(QFileInfo(path).fileName(), QString::fromStdString(read.error)));
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
    eventRunning_ = true;
    history_->open(form_, script);
    eventRunning_ = false;
    if (panel_ != nullptr) panel_->rewound();
    showModel();
    if (script.note.empty()) return;
    // Not modal: the teacher reads it beside the window and may start at once.
    auto* note = new QMessageBox(QMessageBox::Information, QString::fromStdString(script.title),
                                 QString::fromStdString(script.note), QMessageBox::Ok, this);
    note->setObjectName(QStringLiteral("lessonNote"));
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setModal(false);
    note->show();
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
