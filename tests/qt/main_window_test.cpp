// The window as a user meets it: what it shows at start-up, and what clicks,
// keys and slider moves do, with the real 50 ms clock running.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "frontend/window_layout.h"
#include "ui/qt/font_config_preload.h"
#include "ui/qt/form_view.h"
#include "ui/qt/main_window.h"

namespace {

template <typename Widget> Widget* find(const MainWindow& window, const QString& name)
{
    auto* widget = window.findChild<Widget*>(name);
    if (!widget) qFatal("no control named %s", qPrintable(name));
    return widget;
}

QLabel* label(const MainWindow& window, const QString& name) { return find<QLabel>(window, name); }
QPushButton* button(const MainWindow& window, const QString& name) { return find<QPushButton>(window, name); }
QCheckBox* checkBox(const MainWindow& window, const QString& name) { return find<QCheckBox>(window, name); }
QScrollBar* slider(const MainWindow& window, const QString& name) { return find<QScrollBar>(window, name); }
QTimer* clock(const MainWindow& window) { return find<QTimer>(window, QStringLiteral("Timer1")); }

QString cell(const char* strip, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(strip)).arg(index);
}

QColor textColour(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

QPushButton* firstVisiblePacket(const MainWindow& window)
{
    for (int i = 0; i < FlightSlots; ++i) {
        QPushButton* packet = button(window, cell("cmdPacket", i));
        if (packet->isVisible()) return packet;
    }
    return nullptr;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheStartupPicture();
    void everyWidgetIsBuiltFromTheLayoutTable();
    void startRunsTheClockAndPacketsTravelDown();
    void pauseFreezesTheRunAndContResumesIt();
    void oneClickHoldsAPacketAndASecondLosesIt();
    void sliderMovesChangeTheFigureAndTheModel();
    void keyboardReachesAndUsesThePanel();
    void messageBoxStopsTheClockUntilOk();
    void fontReadingThreadNeverHoldsTheWindowBack();
};

void MainWindowTest::opensWithTheStartupPicture()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), QStringLiteral("Quill's Sliding Window Demo"));
    // The client area keeps its size; the menu bar sits above it.
    QCOMPARE(window.clientArea()->size(), QSize(855, 595));
    QCOMPARE(window.clientArea()->y(), window.menuBar()->height());
    QCOMPARE(window.size(), QSize(855, 595 + window.menuBar()->height() + window.statusBar()->height()));
    QCOMPARE(window.minimumSize(), window.maximumSize()); // nothing to reflow: it cannot be resized

    for (int i = 0; i < 19; ++i) {
        QLabel* tx = label(window, cell("lblTx", i));
        QLabel* rx = label(window, cell("lblRx", i));
        QCOMPARE(tx->text(), QString::number(i));
        QCOMPARE(rx->text(), QString::number(i));
        QCOMPARE(tx->geometry(), QRect(10 + 44 * i, 44, 41, 25));
        QCOMPARE(rx->geometry(), QRect(10 + 44 * i, 364, 41, 25));
        QCOMPARE(textColour(tx), QColor(160, 160, 160));
        // The receive window of 8 is green; outside it the receiver's grey is one red step off.
        QCOMPARE(textColour(rx), i < 8 ? QColor(0, 128, 0) : QColor(161, 160, 160));
        QCOMPARE(find<QWidget>(window, cell("shpTx", i))->geometry(), QRect(8 + 44 * i, 36, 45, 37));
        QCOMPARE(find<QWidget>(window, cell("shpTimeOut", i))->width(), 0);
    }
    // The sender frame is a marker at cell 0, the receiver frame spans cells 0..7.
    QCOMPARE(find<QWidget>(window, QStringLiteral("shpTxWindow"))->geometry(), QRect(4, 32, 9, 45));
    QCOMPARE(find<QWidget>(window, QStringLiteral("shpRxWindow"))->geometry(), QRect(4, 356, 361, 41));

    for (int i = 0; i < FlightSlots; ++i) {
        QVERIFY(!button(window, cell("cmdPacket", i))->isVisible());
        QVERIFY(!button(window, cell("cmdACK", i))->isVisible());
    }

    QCOMPARE(button(window, QStringLiteral("cmdReset"))->text(), QStringLiteral("Start"));
    QCOMPARE(button(window, QStringLiteral("cmdPause"))->text(), QStringLiteral("Pause"));
    QCOMPARE(label(window, QStringLiteral("lblRxInfo"))->text(), QStringLiteral("Press 'Start' to go..."));
    QCOMPARE(label(window, QStringLiteral("lblTxInfo"))->text(), QString());
    QCOMPARE(label(window, QStringLiteral("lblState"))->text(), QStringLiteral("Normal"));
    QCOMPARE(textColour(label(window, QStringLiteral("lblRxInfo"))), QColor(0, 0, 128));
    QCOMPARE(textColour(label(window, QStringLiteral("lblState"))), QColor(0, 0, 128));

    QCOMPARE(label(window, QStringLiteral("lblTxWindow_1"))->text().trimmed(), QStringLiteral("4"));
    QCOMPARE(label(window, QStringLiteral("lblRxWindow_1"))->text().trimmed(), QStringLiteral("8"));
    QCOMPARE(label(window, QStringLiteral("lblTxWindow_3"))->text(), QStringLiteral("0"));
    QCOMPARE(label(window, QStringLiteral("lblTimeOut_1"))->text(), QStringLiteral("6"));
    QCOMPARE(label(window, QStringLiteral("lblSequences_1"))->text(), QStringLiteral("15"));
    QCOMPARE(label(window, QStringLiteral("lblTxWindow_2"))->text(), QStringLiteral("Current Flight Size"));
    // Duplicate ACKs and SSThresh belong to options that are off.
    QVERIFY(!label(window, QStringLiteral("lblDupACKs"))->isVisible());
    QVERIFY(!label(window, QStringLiteral("lblTxWindow_4"))->isVisible());
    QVERIFY(!label(window, QStringLiteral("lblSSThresh"))->isVisible());
    QVERIFY(!label(window, QStringLiteral("lblTxWindow_5"))->isVisible());

    QCOMPARE(slider(window, QStringLiteral("VScroll1"))->value(), 13);
    QCOMPARE(slider(window, QStringLiteral("VScroll2"))->value(), 9);
    QCOMPARE(slider(window, QStringLiteral("VScroll3"))->value(), 17);
    QCOMPARE(slider(window, QStringLiteral("HScroll1"))->value(), 6);

    for (const char* name : {"chkSlowStart", "chkAvoidance", "chkFastRetransmit", "chkSelective",
                             "chkDelayedACK", "chkAutoRTT", "chkSlide"}) {
        QVERIFY2(!checkBox(window, QLatin1String(name))->isChecked(), name);
    }
    // Avoidance and fast retransmit build on slow start, which is off.
    QVERIFY(checkBox(window, QStringLiteral("chkSlowStart"))->isEnabled());
    QVERIFY(!checkBox(window, QStringLiteral("chkAvoidance"))->isEnabled());
    QVERIFY(!checkBox(window, QStringLiteral("chkFastRetransmit"))->isEnabled());

    QVERIFY(!clock(window)->isActive());
}

// The browser window reads the same table, so the desktop one must not keep
// places or fonts of its own.
void MainWindowTest::everyWidgetIsBuiltFromTheLayoutTable()
{
    using namespace window_layout;
    MainWindow window;
    FormView* area = window.clientArea();
    const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    for (const Control& control : Controls) {
        QString name = QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size()));
        if (control.index != NotAnArray) name += QStringLiteral("_%1").arg(control.index);
        auto* widget = area->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(widget != nullptr, qPrintable(name));
        const QRect design(px(control.place.left), px(control.place.top), px(control.place.width),
                           px(control.place.height));
        switch (control.kind) {
        case Kind::WindowFrame: // placed by the model
            QCOMPARE(widget->height(), design.height());
            break;
        case Kind::TimeoutBar: // width is the time left
            QCOMPARE(widget->pos(), design.topLeft());
            break;
        case Kind::FlightButton: // moves; only its height is fixed
            QCOMPARE(widget->height(), design.height());
            QCOMPARE(widget->font().bold(), control.bold);
            break;
        default:
            QCOMPARE(widget->geometry(), design);
        }
        if (control.fontPixels > 0) {
            QVERIFY2(widget->font().pixelSize() <= control.fontPixels, qPrintable(name));
            QVERIFY(widget->font().pixelSize() >= control.fontPixels * SmallestFontPercent / 100);
            QCOMPARE(widget->font().family(), QString::fromLatin1(FontFamilies[0].data()));
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const Qt::Alignment expected = control.align == Align::Right    ? Qt::AlignRight
                                           : control.align == Align::Centre ? Qt::AlignHCenter
                                                                            : Qt::AlignLeft;
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, expected);
        }
    }
    // Nothing on the form that the table does not list, besides the sheet drawn over it all.
    QCOMPARE(area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
             static_cast<qsizetype>(Controls.size()) + 1);
}

void MainWindowTest::startRunsTheClockAndPacketsTravelDown()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(button(window, QStringLiteral("cmdReset")), Qt::LeftButton);
    QCOMPARE(button(window, QStringLiteral("cmdReset"))->text(), QStringLiteral("Reset"));
    QVERIFY(clock(window)->isActive());
    QCOMPARE(clock(window)->interval(), 50);

    QTRY_VERIFY(firstVisiblePacket(window) != nullptr);
    QPushButton* packet = firstVisiblePacket(window);
    QCOMPARE(packet->x(), 64);      // the packet lane starts 960 twips in
    QCOMPARE(packet->width(), 333); // and is 4995 twips wide
    const int launchedAt = packet->y();
    QTRY_VERIFY(packet->y() > launchedAt + 10);
    // Its sender cell turned from grey to the in-flight navy, and its timeout bar runs.
    QTRY_COMPARE(textColour(label(window, cell("lblTx", 0))), QColor(0, 0, 128));
    QVERIFY(find<QWidget>(window, cell("shpTimeOut", 0))->width() > 0);

    // Reset stops the clock and clears the flight area.
    QTest::mouseClick(button(window, QStringLiteral("cmdReset")), Qt::LeftButton);
    QVERIFY(!clock(window)->isActive());
    QCOMPARE(button(window, QStringLiteral("cmdReset"))->text(), QStringLiteral("Start"));
    QCOMPARE(firstVisiblePacket(window), nullptr);
}

void MainWindowTest::pauseFreezesTheRunAndContResumesIt()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(button(window, QStringLiteral("cmdReset")), Qt::LeftButton);
    QTRY_VERIFY(firstVisiblePacket(window) != nullptr);
    QPushButton* packet = firstVisiblePacket(window);

    QTest::mouseClick(button(window, QStringLiteral("cmdPause")), Qt::LeftButton);
    QCOMPARE(button(window, QStringLiteral("cmdPause"))->text(), QStringLiteral("Cont"));
    QVERIFY(!clock(window)->isActive());
    const int pausedAt = packet->y();
    QTest::qWait(300);
    QCOMPARE(packet->y(), pausedAt);

    QTest::mouseClick(button(window, QStringLiteral("cmdPause")), Qt::LeftButton);
    QCOMPARE(button(window, QStringLiteral("cmdPause"))->text(), QStringLiteral("Pause"));
    QTRY_VERIFY(packet->y() > pausedAt);
}

void MainWindowTest::oneClickHoldsAPacketAndASecondLosesIt()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(button(window, QStringLiteral("cmdReset")), Qt::LeftButton);
    QTRY_VERIFY(firstVisiblePacket(window) != nullptr);
    QPushButton* packet = firstVisiblePacket(window);
    const auto index = static_cast<std::size_t>(packet->objectName().section(QLatin1Char('_'), 1).toInt());

    QTest::mouseClick(packet, Qt::LeftButton);
    QCOMPARE(window.form().cmdPacket[index].TravelMarker, colours::Held);
    const int heldAt = packet->y();
    QTest::qWait(200); // about four ticks, well inside the seven that make a second click a loss
    QVERIFY(clock(window)->isActive());
    QCOMPARE(packet->y(), heldAt);

    // A second click soon after removes it from the network.
    QTest::mouseClick(packet, Qt::LeftButton);
    QVERIFY(!packet->isVisible());
    QVERIFY(!window.form().cmdPacket[index].Visible);
}

void MainWindowTest::sliderMovesChangeTheFigureAndTheModel()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QScrollBar* txWindow = slider(window, QStringLiteral("VScroll1"));
    QLabel* txFigure = label(window, QStringLiteral("lblTxWindow_1"));

    // The up arrow makes the window larger: the bar grows downwards.
    txWindow->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(window.form().VScroll1.value(), 12);
    QCOMPARE(window.form().TxWindowBytes, 5000);
    QCOMPARE(txFigure->text().trimmed(), QStringLiteral("5"));

    // A drag is one change, on release.
    txWindow->setSliderDown(true);
    txWindow->setSliderPosition(14);
    txWindow->setSliderPosition(10);
    QCOMPARE(window.form().VScroll1.value(), 12);
    txWindow->setSliderDown(false);
    QCOMPARE(window.form().VScroll1.value(), 10);
    QCOMPARE(txFigure->text().trimmed(), QStringLiteral("7"));

    // A move made by the model is shown without coming back as a user's move.
    QScrollBar* rxWindow = slider(window, QStringLiteral("VScroll2"));
    QSignalSpy userMoves(rxWindow, &QScrollBar::valueChanged);
    window.form().VScroll2.setValue(5);
    window.showModel();
    QCOMPARE(rxWindow->value(), 5);
    QCOMPARE(label(window, QStringLiteral("lblRxWindow_1"))->text().trimmed(), QStringLiteral("12"));
    QCOMPARE(userMoves.count(), 0);
}

void MainWindowTest::keyboardReachesAndUsesThePanel()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTRY_COMPARE(QApplication::focusWidget(), button(window, QStringLiteral("cmdReset")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button(window, QStringLiteral("cmdPause")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), checkBox(window, QStringLiteral("chkSlide")));

    // Space ticks Slow Start; the boxes that build on it come alive.
    QCheckBox* slowStart = checkBox(window, QStringLiteral("chkSlowStart"));
    slowStart->setFocus();
    QTest::keyClick(slowStart, Qt::Key_Space);
    QVERIFY(slowStart->isChecked());
    QCOMPARE(window.form().chkSlowStart.Value, 1);
    QCOMPARE(window.form().UseSlowStart, True);
    QVERIFY(checkBox(window, QStringLiteral("chkAvoidance"))->isEnabled());
    QVERIFY(checkBox(window, QStringLiteral("chkFastRetransmit"))->isEnabled());

    // Ticking Fast Retransmit shows its figure and moves the timeout slider.
    QTest::mouseClick(checkBox(window, QStringLiteral("chkFastRetransmit")), Qt::LeftButton);
    QVERIFY(label(window, QStringLiteral("lblDupACKs"))->isVisible());
    QCOMPARE(slider(window, QStringLiteral("HScroll1"))->value(), 12);
    QCOMPARE(label(window, QStringLiteral("lblTimeOut_1"))->text(), QStringLiteral("12"));

    // Space on the focused Start button starts the run.
    QPushButton* start = button(window, QStringLiteral("cmdReset"));
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Space);
    QVERIFY(clock(window)->isActive());
}

void MainWindowTest::messageBoxStopsTheClockUntilOk()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy ticks(clock(window), &QTimer::timeout);
    QTest::mouseClick(button(window, QStringLiteral("cmdReset")), Qt::LeftButton);

    // Every packet slot taken by a held packet: the first launch finds none free.
    for (FlightButton& slot : window.form().cmdPacket) {
        slot.Visible = true;
        slot.TravelMarker = colours::Held;
        slot.Tag.assign(1, '0'); // byte offset 0; held, it never arrives
    }
    window.showModel();

    // Answers each box after a pause long enough for several ticks to have run
    // if the clock were still going.
    QStringList texts;
    int buttonsOnBox = 0;
    bool clockRanDuringBox = false;
    QTimer answerer;
    answerer.setInterval(20);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        answerer.stop();
        texts << box->text();
        buttonsOnBox = static_cast<int>(box->buttons().size());
        const auto ticksWhenShown = ticks.count();
        clockRanDuringBox = clock(window)->isActive();
        QTest::qWait(300);
        clockRanDuringBox = clockRanDuringBox || ticks.count() != ticksWhenShown;
        box->button(QMessageBox::Ok)->click();
        answerer.start();
    });
    answerer.start();

    QTRY_COMPARE(texts.size(), 1);
    QCOMPARE(texts.front(), QStringLiteral("Run Out of Packets to Send"));
    QCOMPARE(buttonsOnBox, 1);
    QVERIFY(!clockRanDuringBox);

    // After OK the clock runs again, and the shortage is not reported again.
    QTRY_VERIFY(clock(window)->isActive());
    const auto ticksAfterOk = ticks.count();
    QTRY_VERIFY(ticks.count() > ticksAfterOk + 5);
    QCOMPARE(texts.size(), 1);
}

void MainWindowTest::fontReadingThreadNeverHoldsTheWindowBack()
{
    // Waiting returns whatever was announced before, and so does the end:
    // a thread left waiting for the application would hang the program here.
    { FontConfigPreload neverUsed; }
    {
        FontConfigPreload unannounced;
        unannounced.wait();
        unannounced.applicationMade();
        unannounced.wait();
    }
    FontConfigPreload preload;
    preload.applicationMade();
    int waits = 0;
    MainWindow window(nullptr, [&preload, &waits] {
        preload.wait();
        ++waits;
    });
    QCOMPARE(waits, 1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.clientArea()->size(), QSize(855, 595));
    QCOMPARE(label(window, QStringLiteral("lblRxInfo"))->text(), QStringLiteral("Press 'Start' to go..."));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
