// Pictures of the lecture-hall view options, from a run with slow start,
// avoidance and fast retransmit, one packet held and one just lost:
//
//   hall_screenshot OUTPUT_DIR
//
// writes zoom-200.png (the client area at 200 %) and safe-colours.png (the
// colour-blind safe palette with state marks, and the legend beside it as
// legend.png). docs/ holds copies of them.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>
#include <vector>

#include "tests/qt/window_support.h"
#include "ui/qt/form_view.h"
#include "ui/qt/legend_dialog.h"

using namespace window_support;

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
    std::printf("saved in %s\n", qPrintable(output.absolutePath()));
    return safe && legendSaved && zoomed ? 0 : 1;
}
