// The main window's dialogs: the model's modal message box, the keys and
// mouse help, and About.
#include "ui/qt/main_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <functional>

#include "core/app_version.h"
#include "ui/qt/control_texts.h"
#include "ui/qt/form_view.h"
#include "ui/qt/text_dialog.h"
#include "ui/qt/tick_timer.h"
#include "ui/qt/translation.h"

// ============================================================================
// The modal message box and help
// ============================================================================

// The model asks from inside a tick or an event. The clock stays stopped for
// as long as the box is open, so no tick can start inside the one that asked;
// it runs again after OK if Timer1 is still on.
void MainWindow::showMessageBox(const std::string& text)
{
    clock_->setMessageBoxOpen(true);
    syncClock();
    clientArea_->showModel(); // behind the box, the window shows how far the model got
    QMessageBox box(QMessageBox::NoIcon, WindowCaption, translation::shown(text), QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    clock_->setMessageBoxOpen(false);
    syncClock();
}

// Every menu key, read from the menus themselves so that none is missing,
// then the keys that belong to the client area. At a large zoom the list is
// taller than the screen, so it scrolls.
void MainWindow::showKeys()
{
    QString rows;
    const auto row = [&rows](const QString& keys, const QString& what) {
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(keys.toHtmlEscaped(), what);
    };
    const std::function<void(const QList<QAction*>&, const QString&)> listMenu =
        [&](const QList<QAction*>& actions, const QString& prefix) {
            const bool topMenus = actions == menuBar()->actions();
            for (const QAction* action : actions) {
                const QString text = QString(action->text()).remove(QLatin1Char('&'));
                if (action->menu() != nullptr) {
                    // A submenu's title goes before its items: "Speed 2x" rather than "2x".
                    listMenu(action->menu()->actions(), topMenus ? QString() : text + QLatin1Char(' '));
                    continue;
                }
                QStringList keys;
                for (const QKeySequence& key : action->shortcuts())
                    keys += key.toString(QKeySequence::NativeText);
                if (!keys.isEmpty()) row(keys.join(QStringLiteral(", ")), prefix + text);
            }
        };
    listMenu(menuBar()->actions(), QString());
    row(tr("Esc"), tr("Leave full screen"));
    row(tr("Tab, Shift+Tab"), tr("Move among the panel's controls, then into the flight area"));
    row(tr("Space"), tr("Press the focused button or tick the focused box"));
    row(tr("Arrow keys on a slider"), tr("Up for more on the window and sequence sliders; Right for a longer "
                                         "timeout"));
    row(tr("Arrow keys in the flight area"), tr("Pick a travelling packet or ACK (it is outlined)"));
    row(tr("Space in the flight area"), tr("Hold the picked one, or let it go on"));
    row(tr("Delete in the flight area"), tr("Lose the picked one"));
    text_dialog::exec(
        this, tr("Keys and Mouse"),
        QStringLiteral("<table>%1</table>"
                       "<p>%2</p>"
                       "<p>%3</p>")
            .arg(rows, control_texts::flightRule().toHtmlEscaped(),
                 tr("On the chart: the wheel zooms, the scroll bar below moves through the run, a "
                    "click puts the cursor on a tick, a double click (or <i>Rewind to Cursor</i>) "
                    "goes back to it. Selecting a line of the log moves the cursor to its tick.")),
        QStringLiteral("keysBox"));
}

void MainWindow::showAbout()
{
    QMessageBox::about(this, tr("About"),
                       tr("<p><b>%1</b><br>Version %2</p>"
                          "<p>A sliding-window transport protocol with congestion control, animated "
                          "on a 50 ms clock: slow start, congestion avoidance, fast retransmit and "
                          "recovery, selective repeat, delayed ACKs and an adaptive timeout.</p>"
                          "<p>The run is recorded as it goes, so it can be stepped back, rewound to "
                          "any earlier tick on the chart, and exported.</p>")
                           .arg(WindowCaption, QString::fromUtf8(app::Version)));
}
