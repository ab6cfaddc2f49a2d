// Run > Classroom Session... and File > Export Class Answers...: the window's
// side of a classroom session. The session itself (classroom_session.h) hears
// the run; the window starts it, shows its panel, holds the clock while the
// room is asked, and writes the class's answers.
#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

#include "ui/qt/classroom_panel.h"
#include "ui/qt/main_window.h"

void MainWindow::buildClassroomActions(QMenu* run, QMenu* file)
{
    run->addSeparator();
    QAction* start =
        addMenuAction(run, QStringLiteral("actionClassroom"), tr("Classroom &Session\u2026"), QKeySequence());
    connect(start, &QAction::triggered, this, [this] {
        if (!startClassroom()) refuse(lastRefusal_);
    });

    exportClassAnswers_ = new QAction(tr("Export Class &Answers\u2026"), this);
    exportClassAnswers_->setObjectName(QStringLiteral("actionExportClassAnswers"));
    // With the other exports: before the separator above Quit.
    const QList<QAction*> actions = file->actions();
    const qsizetype quit = actions.indexOf(findChild<QAction*>(QStringLiteral("actionQuit")));
    file->insertAction(quit > 0 ? actions[quit - 1] : nullptr, exportClassAnswers_);
    connect(exportClassAnswers_, &QAction::triggered, this, [this] {
        askAndExport(tr("Export Class Answers"), tr("CSV files (*.csv)"), QStringLiteral("csv"),
                     &MainWindow::exportClassAnswers);
    });

    connect(classroom_.get(), &ClassroomSession::clockHoldChanged, this, &MainWindow::syncClock);
    connect(classroom_.get(), &ClassroomSession::continueRequested, this, [this] {
        if (!form_.Timer1.Enabled) runEvent(UserEvent{EventKind::PauseCont, 0, 0});
    });
}

bool MainWindow::startClassroom(const ClassroomSession::Options& options)
{
    QString error;
    if (!classroom_->running() && !classroom_->start(options, &error)) {
        lastRefusal_ = error;
        return false;
    }
    if (classroomPanel_ == nullptr) {
        classroomPanel_ = new ClassroomPanel(*classroom_, this);
        // Beside the window on the projector, so that the room sees both.
        classroomPanel_->move(frameGeometry().topRight() + QPoint(8, 0));
    } else {
        classroomPanel_->showSession();
    }
    classroomPanel_->show();
    classroomPanel_->raise();
    return true;
}

bool MainWindow::exportClassAnswers(const QString& path)
{
    QString error;
    if (classroom_->exportAnswers(path, &error)) return true;
    lastRefusal_ = error;
    return false;
}
