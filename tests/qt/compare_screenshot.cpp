// Stop-and-wait, go-back-N as the textbooks teach it and selective repeat in
// the Compare window, after the same loss: the first transmission of packet 2
// is planned lost, so each protocol pays for that one packet in its own way.
//
//   compare_screenshot OUTPUT_DIR [EXPORTER]
//
// writes compare.png (docs/pictures/compare.png comes from here, run under
// xvfb-run for the real X platform) and fails unless go-back-N resent the
// lost packet and the ones behind it once each, in order, while selective
// repeat and stop-and-wait resent only the lost one. Given the exporter, it
// also fails unless the exporter's table of the same comparison is, cell for
// cell, the one the window shows.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "tests/qt/window_support.h"
#include "ui/qt/compare_window.h"

namespace {

constexpr std::int16_t LostPacket = 2;
constexpr int Ticks = 600;

// Packet numbers in the order the configuration's sender sent them again.
std::vector<int> resends(const RunHistory& history)
{
    std::vector<int> packets;
    for (const LogEntry& entry : history.trace().log()) {
        const std::size_t at = entry.text.find("etransmitting packet ");
        if (at != std::string::npos) packets.push_back(std::stoi(entry.text.substr(at + 21)));
    }
    return packets;
}

std::string list(const std::vector<int>& packets)
{
    std::string text;
    for (const int packet : packets)
        text += " " + std::to_string(packet);
    return text;
}

// The window's table as the exporter writes its CSV.
QString tableCsv(QTableWidget* table)
{
    QString csv =
        QStringLiteral("configuration,delivered,retransmissions,timeouts,drops,goodput,recent_goodput\n");
    for (int column = 0; column < table->columnCount(); ++column) {
        csv += table->horizontalHeaderItem(column)->text();
        for (int row = 0; row < table->rowCount(); ++row)
            csv += QLatin1Char(',') + table->item(row, column)->text();
        csv += QLatin1Char('\n');
    }
    return csv;
}

bool exporterAgrees(const QString& exporter, QTableWidget* table)
{
    QProcess run;
    run.start(exporter,
              {QStringLiteral("--compare"), QStringLiteral("stop-and-wait,go-back-n,selective-repeat"),
               QStringLiteral("--lose"), QStringLiteral("p%1").arg(LostPacket), QStringLiteral("--ticks"),
               QString::number(Ticks), QStringLiteral("--csv"), QStringLiteral("-")});
    if (!run.waitForFinished(60'000) || run.exitCode() != 0) return false;
    const QString exported = QString::fromUtf8(run.readAllStandardOutput());
    const QString shown = tableCsv(table);
    if (exported == shown) return true;
    std::fprintf(stderr, "the exporter wrote:\n%s\nthe window shows:\n%s\n", qPrintable(exported),
                 qPrintable(shown));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: compare_screenshot OUTPUT_DIR [EXPORTER]\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));

    MainWindow window;
    window.show();
    LossSettings losses;
    losses.planned.push_back({PlannedLoss::What::Packet, LostPacket, 1});
    window.setLosses(losses);
    window.openComparison(Comparison::readPresetList("stop-and-wait,go-back-n,selective-repeat"));
    CompareWindow* compare = window.compareWindow();
    if (compare == nullptr || !QTest::qWaitForWindowExposed(compare)) return 1;
    compare->runEvent(0, {EventKind::StartReset, 0, 0});
    for (int tick = 0; tick < Ticks; ++tick)
        compare->step();
    QTest::qWait(300); // the chart's next refresh
    const bool saved = compare->grab().toImage().save(output.filePath(QStringLiteral("compare.png")));

    const Comparison& comparison = compare->comparison();
    const std::vector<int> stopAndWait = resends(comparison.history(0));
    const std::vector<int> goBackN = resends(comparison.history(1));
    const std::vector<int> selective = resends(comparison.history(2));
    std::printf("at zoom %d %%: stop-and-wait resent%s; go-back-N resent%s; selective repeat resent%s\n",
                compare->zoom(), list(stopAndWait).c_str(), list(goBackN).c_str(), list(selective).c_str());
    bool inOrderOnce = goBackN.size() > 1;
    for (std::size_t i = 0; i < goBackN.size(); ++i)
        inOrderOnce = inOrderOnce && goBackN[i] == LostPacket + static_cast<int>(i);
    const std::vector<int> one = {LostPacket};
    const bool agrees = argc < 3 || exporterAgrees(QString::fromLocal8Bit(argv[2]), compare->table());
    return saved && inOrderOnce && selective == one && stopAndWait == one && agrees ? 0 : 1;
}
