#include "ui/qt/classroom_actions.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>

#include "ui/qt/classroom_panel.h"
#include "ui/qt/main_window.h"
#include "ui/qt/menu_actions.h"

ClassroomActions::ClassroomActions(MainWindow& window, const Form1& form, RunHistory& history)
    : window_(window), session_(std::make_unique<ClassroomSession>(form, history))
{
}

// The panel is the window's child and goes with it; the session stops
// hearing the history here, before the history goes.
ClassroomActions::~ClassroomActions() = default;

void ClassroomActions::buildActions(QMenu* run, QMenu* file)
{
    run->addSeparator();
    QObject::connect(addMenuAction(run, QStringLiteral("actionClassroom"),
                                   QObject::tr("Classroom &Session\u2026"), QKeySequence()),
                     &QAction::triggered, &window_, [this] {
                         QString error;
                         if (!start({}, &error)) window_.refuse(error);
                     });

    auto* exportAnswers = new QAction(QObject::tr("Export Class &Answers\u2026"), &window_);
    exportAnswers->setObjectName(QStringLiteral("actionExportClassAnswers"));
    const QList<QAction*> actions = file->actions();
    const auto quit = actions.indexOf(window_.findChild<QAction*>(QStringLiteral("actionQuit")));
    file->insertAction(quit > 0 ? actions[quit - 1] : nullptr, exportAnswers);
    QObject::connect(exportAnswers, &QAction::triggered, &window_, [this] { askAndExport(); });
}

bool ClassroomActions::start(const ClassroomSession::Options& options, QString* error)
{
    if (!session_->running() && !session_->start(options, error)) return false;
    if (panel_ == nullptr) {
        panel_ = new ClassroomPanel(*session_, &window_);
        // Beside the window on the projector, so that the room sees both.
        panel_->move(window_.frameGeometry().topRight() + QPoint(8, 0));
    } else {
        panel_->showSession();
    }
    panel_->show();
    panel_->raise();
    return true;
}

bool ClassroomActions::exportAnswers(const QString& path, QString* error) const
{
    return session_->exportAnswers(path, error);
}

void ClassroomActions::askAndExport()
{
    QString path =
        QFileDialog::getSaveFileName(&window_, QObject::tr("Export Class Answers"),
                                     QDir(window_.lastFolder()).filePath(QStringLiteral("class-answers.csv")),
                                     QObject::tr("CSV files (*.csv)"));
    if (path.isEmpty()) return;
    window_.rememberFolder(path);
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) path += QStringLiteral(".csv");
    QString error;
    if (!exportAnswers(path, &error)) window_.refuse(error);
}
