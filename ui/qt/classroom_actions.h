// The window's side of a classroom session: Run > Classroom Session... and
// File > Export Class Answers..., the session itself (classroom_session.h),
// which hears the window's history from its very first call, and the panel
// beside the window on the projector. MainWindow makes it right after its
// history, so that a phone joining at any time rebuilds the run from start-up.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "ui/qt/classroom_session.h"

class ClassroomPanel;
class MainWindow;
class QMenu;

class ClassroomActions {
public:
    ClassroomActions(MainWindow& window, const Form1& form, RunHistory& history);
    ~ClassroomActions();

    // Run > Classroom Session... at the end of `run`; Export Class Answers...
    // with the other exports of `file`, before the separator above Quit.
    void buildActions(QMenu* run, QMenu* file);

    // Starts the session (if it is not running) and shows its panel; false,
    // with the reason in `error`, when it cannot listen or find the page.
    bool start(const ClassroomSession::Options& options, QString* error);
    bool exportAnswers(const QString& path, QString* error) const;

    ClassroomSession* session() const { return session_.get(); }
    ClassroomPanel* panel() const { return panel_; }

private:
    void askAndExport();

    MainWindow& window_;
    std::unique_ptr<ClassroomSession> session_;
    ClassroomPanel* panel_ = nullptr; // the window's child, made on first start
};
