// Go-back-N as the textbooks teach it (the sender goes back on a timeout, the
// receiver keeps only in-order packets) beside selective repeat, after the
// same loss: two windows run the same script (Slow Start, then packet 5 lost
// on its way), and the picture shows both a little after the go-back-N
// sender has gone back over the packets behind the lost one, each window
// above its chart and log.
//
//   comparison_screenshot OUTPUT_DIR
//
// writes comparison.png (docs/comparison.png comes from here, run under
// xvfb-run for the real X platform) and fails unless go-back-N resent the
// lost packet and the ones behind it once each, in order, with no drop after
// its first resend arrived, while selective repeat resent one.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

#include "tests/qt/window_support.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/run_panel.h"

using namespace window_support;

namespace {

constexpr std::int16_t LostPacket = 5;
constexpr int Ticks = 540;
constexpr int PanelWidth = 1000;
constexpr int PanelHeight = 560;

struct Run {
    MainWindow window;
    std::set<int> resent;
    std::vector<int> resends; // packet numbers in the order they were sent again
    int drops = 0;
    std::int32_t firstResendTick = -1;
    std::int32_t lastDropTick = -1;
};

bool play(Run& run, std::initializer_list<OptionBox> options)
{
    run.window.show();
    run.window.runEvent(box(OptionBox::SlowStart));
    for (const OptionBox option : options)
        run.window.runEvent(box(option));
    run.window.runEvent({EventKind::StartReset, 0, 0});
    const std::string lostTag = std::to_string(LostPacket * 1000);
    bool lost = false;
    for (int tick = 1; tick <= Ticks; ++tick) {
        run.window.step();
        const Form1& form = run.window.form();
        for (std::int16_t slot = 0; slot < FlightSlots && !lost; ++slot) {
            const FlightButton& packet = form.cmdPacket[static_cast<std::size_t>(slot)];
            if (!packet.Visible || packet.Tag != lostTag || packet.Top < 2500) continue;
            run.window.runEvent({EventKind::ClickPacket, slot, 0});
            run.window.runEvent({EventKind::ClickPacket, slot, 0});
            lost = true;
        }
        for (const Label& cell : form.lblTx) {
            if (cell.ForeColor == colours::TxQueuedAgain || cell.ForeColor == colours::TxResentInFlight)
                run.resent.insert(numbers::parseWhole(cell.Caption));
        }
    }
    for (const LogEntry& entry : run.window.history().trace().log()) {
        if (entry.text.ends_with("dropped: out of order")) {
            ++run.drops;
            run.lastDropTick = entry.tick;
        }
        const std::size_t at = entry.text.find("etransmitting packet ");
        if (at == std::string::npos) continue;
        run.resends.push_back(std::stoi(entry.text.substr(at + 21)));
        if (run.firstResendTick < 0) run.firstResendTick = entry.tick;
    }

    RunPanel* panel = run.window.runPanel();
    panel->resize(PanelWidth, PanelHeight);
    action(run.window, "actionPanel")->trigger();
    if (!QTest::qWaitForWindowExposed(panel)) return false;
    panel->chart()->showWholeRun();
    return true;
}

// The window with its caption above it and its panel below.
QImage column(Run& run, const QString& caption)
{
    const QImage window = run.window.grab().toImage();
    const QImage panel = run.window.runPanel()->grab().toImage();
    constexpr int CaptionHeight = 44;
    QImage image(std::max(window.width(), panel.width()), CaptionHeight + window.height() + panel.height(),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, image.width(), CaptionHeight), Qt::AlignCenter, caption);
    painter.drawImage(0, CaptionHeight, window);
    painter.drawImage(0, CaptionHeight + window.height(), panel);
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: comparison_screenshot OUTPUT_DIR\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));

    Run goBackN;
    Run selective;
    if (!play(goBackN, {OptionBox::InOrderReceiver, OptionBox::GoBackN}) ||
        !play(selective, {OptionBox::Selective}))
        return 1;
    QTest::qWait(300);

    const QImage left = column(goBackN, QStringLiteral("Go-back-N (textbook)"));
    const QImage right = column(selective, QStringLiteral("Selective Repeat"));
    constexpr int Gap = 24;
    QImage picture(left.width() + Gap + right.width(), std::max(left.height(), right.height()),
                   QImage::Format_RGB32);
    picture.fill(QColor(220, 220, 220));
    QPainter painter(&picture);
    painter.drawImage(0, 0, left);
    painter.drawImage(left.width() + Gap, 0, right);
    painter.end();
    const bool saved = picture.save(output.filePath(QStringLiteral("comparison.png")));

    const auto list = [](const std::set<int>& packets) {
        std::string text;
        for (const int p : packets)
            text += " " + std::to_string(p);
        return text;
    };
    std::printf("go-back-N resent%s, %d drops logged (the last at tick %d, the first resend at %d); "
                "selective repeat resent%s\n",
                list(goBackN.resent).c_str(), goBackN.drops, goBackN.lastDropTick, goBackN.firstResendTick,
                list(selective.resent).c_str());
    // The first resend reaches the receiver 73 ticks after it leaves.
    bool inOrderOnce = goBackN.resends.size() > 1;
    for (std::size_t i = 0; i < goBackN.resends.size(); ++i)
        inOrderOnce = inOrderOnce && goBackN.resends[i] == LostPacket + static_cast<int>(i);
    const bool goBackNResentTheWindow =
        inOrderOnce && goBackN.drops > 0 && goBackN.lastDropTick < goBackN.firstResendTick + 73;
    const bool selectiveResentOne = selective.resent == std::set<int>{LostPacket};
    return saved && goBackNResentTheWindow && selectiveResentOne ? 0 : 1;
}
