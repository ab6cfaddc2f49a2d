// Pictures of the lecture-hall view options, from a run with slow start,
// avoidance and fast retransmit, one packet held and one just lost:
//
//   hall_screenshot OUTPUT_DIR
//
// writes zoom-200.png (the client area at 200 %) and safe-colours.png (the
// colour-blind safe palette with state marks, and the legend beside it as
// legend.png); then, at 250 % on a 1920 x 1080 screen, what the back of the
// room reads around the client area: hall-250-menu.png (the View menu),
// hall-250-legend.png, hall-250-panel.png (the chart and log panel),
// hall-250-full-screen.png (full screen, the panel beside the client area)
// and hall-250-lesson-note.png. docs/ holds copies of them.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <cstdio>
#include <vector>

#include "tests/qt/window_support.h"
#include "ui/qt/form_view.h"
#include "ui/qt/legend_dialog.h"
#include "ui/qt/run_panel.h"

using namespace window_support;

namespace {

bool saveHall(MainWindow& window, const QDir& output)
{
    const auto save = [&output](QWidget& widget, const char* name) {
        QTest::qWait(50);
        return widget.grab().save(output.filePath(QLatin1String(name)));
    };
    window.setZoom(250);
    bool saved = true;

    QMenu* view = nullptr;
    for (QAction* menu : window.menuBar()->actions()) {
        if (menu->text() == QStringLiteral("&View")) view = menu->menu();
    }
    if (view == nullptr) return false;
    view->popup(window.mapToGlobal(QPoint(0, 0)));
    if (!QTest::qWaitForWindowExposed(view)) return false;
    saved = save(*view, "hall-250-menu.png") && saved;
    view->hide();

    LegendDialog* legend = window.legend();
    legend->show();
    if (!QTest::qWaitForWindowExposed(legend)) return false;
    saved = save(*legend, "hall-250-legend.png") && saved;
    legend->hide();

    window.findChild<QAction*>(QStringLiteral("actionPanel"))->trigger();
    RunPanel* panel = window.runPanel();
    if (!QTest::qWaitForWindowExposed(panel)) return false;
    panel->refreshNow();
    saved = save(*panel, "hall-250-panel.png") && saved;
    window.setFullScreenView(true);
    QTest::qWait(200);
    saved = save(window, "hall-250-full-screen.png") && saved;
    window.setFullScreenView(false);

    if (!window.openLesson(QStringLiteral("fast-retransmit"))) return false;
    auto* note = window.findChild<QDialog*>(QStringLiteral("lessonNote"));
    if (note == nullptr || !QTest::qWaitForWindowExposed(note)) return false;
    saved = save(*note, "hall-250-lesson-note.png") && saved;
    std::printf("saved in %s\n", qPrintable(output.absolutePath()));
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: hall_screenshot OUTPUT_DIR\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));

    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    startCongestionControlRun(window);
    steps(window, 330);
    if (!loseAPacket(window)) return 1;
    steps(window, 120);
    // Hold the first ACK, then lose the last one: the second click falls
    // within the hold-off of the first, so it removes the one it hits.
    window.setStateMarks(true);
    std::vector<std::int16_t> acks;
    for (std::int16_t slot = 0; slot < FlightSlots; ++slot)
        if (window.form().cmdACK[static_cast<std::size_t>(slot)].Visible) acks.push_back(slot);
    if (acks.size() < 2) return 1;
    window.runEvent({EventKind::ClickAck, acks.front(), 0});
    steps(window, 2);
    window.runEvent({EventKind::ClickAck, acks.back(), 0});

    window.setSafeColours(true);
    const bool safe = window.clientArea()->grab().save(output.filePath(QStringLiteral("safe-colours.png")));
    LegendDialog* legend = window.legend();
    legend->show();
    if (!QTest::qWaitForWindowExposed(legend)) return 1;
    const bool legendSaved = legend->grab().save(output.filePath(QStringLiteral("legend.png")));

    window.setSafeColours(false);
    window.setStateMarks(false);
    window.setZoom(200);
    QTest::qWait(50);
    const bool zoomed = window.clientArea()->grab().save(output.filePath(QStringLiteral("zoom-200.png")));
    legend->hide();
    return safe && legendSaved && zoomed && saveHall(window, output) ? 0 : 1;
}
