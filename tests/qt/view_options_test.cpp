// The view options for a lecture hall: zoom and full screen, the safe
// palette and state marks, keyboard play, screen-reader texts and remembered
// preferences. None of them may change what the simulation does.
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <cmath>
#include <set>

#include "core/state_digest.h"
#include "frontend/run_clock.h"
#include "frontend/window_layout.h"
#include "tests/qt/window_support.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/form_view.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/screen_units.h"

using namespace window_support;

namespace {

QString controlName(const window_layout::Control& control)
{
    QString name = QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size()));
    if (control.index != window_layout::NotAnArray) name += QStringLiteral("_%1").arg(control.index);
    return name;
}

bool isStatic(window_layout::Kind kind)
{
    using window_layout::Kind;
    return kind != Kind::WindowFrame && kind != Kind::TimeoutBar && kind != Kind::FlightButton;
}

// Mean difference per channel, 0..255.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

QString accessible(QWidget* widget, QAccessible::Text which)
{
    return QAccessible::queryAccessibleInterface(widget)->text(which);
}

std::int16_t firstVisible(const std::array<FlightButton, FlightSlots>& buttons)
{
    for (std::int16_t slot = 0; slot < FlightSlots; ++slot)
        if (buttons[static_cast<std::size_t>(slot)].Visible) return slot;
    return -1;
}

void press(QWidget* widget, Qt::Key key) { QTest::keyClick(widget, key); }

} // namespace

class ViewOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void zoomScalesEveryControlInProportion();
    void paletteAndMarksMapTheModelWithoutTouchingIt();
    void keysPickHoldAndLoseAsTheMouseDoes();
    void screenReadersHearWhatEachControlShows();
    void preferencesSurviveARestartAndTheRunDoesNot();
};

void ViewOptionsTest::zoomScalesEveryControlInProportion()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    startCongestionControlRun(window);
    steps(window, 40); // packets in flight, bars running
    FormView* area = window.clientArea();
    const QImage actual = area->grab().toImage();

    window.findChild<QAction*>(QStringLiteral("actionZoomIn"))->trigger();
    QCOMPARE(window.zoom(), 125);
    window.setZoom(200);
    QCOMPARE(area->size(), QSize(1710, 1190));
    for (const auto& control : window_layout::Controls) {
        if (!isStatic(control.kind)) continue;
        auto* widget = area->findChild<QWidget*>(controlName(control));
        const QRect design(control.place.left / 15, control.place.top / 15, control.place.width / 15,
                           control.place.height / 15);
        QCOMPARE(widget->geometry(), QRect(design.topLeft() * 2, design.size() * 2));
        if (control.fontPixels > 0 && control.kind != window_layout::Kind::Label)
            QCOMPARE(widget->font().pixelSize(), control.fontPixels * 2);
    }
    // Redrawn at twice the size, not stretched: shrunk back it is the picture at 100 %.
    const QImage zoomed = area->grab().toImage();
    QCOMPARE(zoomed.size(), actual.size() * 2);
    const double difference =
        meanDifference(zoomed.scaled(actual.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), actual);
    QVERIFY2(difference < 6, qPrintable(QString::number(difference)));
    window.setZoom(1000);
    QCOMPARE(window.zoom(), 300);
    window.findChild<QAction*>(QStringLiteral("actionActualSize"))->trigger();
    QCOMPARE(area->size(), QSize(855, 595));

    // Full screen: as large as the screen allows, proportions kept, centred.
    window.setFullScreenView(true);
    QTRY_VERIFY(area->width() > 855 || area->height() > 595 || area->size() != QSize(855, 595));
    const double scale = area->pixelsPerTwip() * 15;
    const QRect client = area->placeOf({0, 0, geometry::ClientWidth, geometry::ClientHeight});
    QVERIFY(std::abs(client.width() - std::lround(855 * scale)) <= 1);
    QVERIFY(std::abs(client.height() - std::lround(595 * scale)) <= 1);
    QVERIFY(client.width() == area->width() || client.height() == area->height());
    const QRect reset = area->findChild<QWidget*>(QStringLiteral("cmdReset"))->geometry();
    QCOMPARE(reset, area->placeOf(window_layout::find("cmdReset")->place));
    window.setFullScreenView(false);
    QCOMPARE(area->size(), QSize(855, 595));
}

void ViewOptionsTest::paletteAndMarksMapTheModelWithoutTouchingIt()
{
    MainWindow plain;
    MainWindow dressed;
    dressed.setZoom(150);
    dressed.setSafeColours(true);
    dressed.setStateMarks(true);

    // The same random gestures on both: ticks, clicks on flights, options and sliders.
    std::uint64_t seed = 11;
    const auto random = [&seed](int n) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((seed >> 33) % static_cast<std::uint64_t>(n));
    };
    const auto both = [&](const UserEvent& event) {
        plain.runEvent(event);
        dressed.runEvent(event);
    };
    both(box(OptionBox::SlowStart));
    both(box(OptionBox::Selective));
    both(slider(SliderId::Sequences, 25)); // few sequence numbers: aliased receiver cells
    both({EventKind::StartReset, 0, 0});
    std::set<std::pair<bool, Colour>> seen;
    for (int i = 0; i < 1500; ++i) {
        const int roll = random(100);
        if (roll < 3) {
            both({random(2) ? EventKind::ClickAck : EventKind::ClickPacket,
                  static_cast<std::int16_t>(random(16)), 0});
        } else if (roll < 4) {
            both(box(static_cast<OptionBox>(random(OptionBoxCount))));
        } else if (roll < 5) {
            both(slider(static_cast<SliderId>(random(SliderCount)), 1 + random(16)));
        }
        plain.step();
        dressed.step();
        QCOMPARE(stateDigest(dressed.form()), stateDigest(plain.form()));
        if (i % 50 != 0) continue;
        for (int cell = 0; cell < 19; ++cell) {
            for (const bool sender : {true, false}) {
                const Label& model = sender ? dressed.form().lblTx[cell] : dressed.form().lblRx[cell];
                const auto strip = sender ? cell_states::Strip::Sender : cell_states::Strip::Receiver;
                const auto* state = cell_states::find(strip, model.ForeColor);
                QVERIFY(state != nullptr);
                seen.insert({sender, model.ForeColor});
                auto* label = find<CellLabel>(
                    dressed, QStringLiteral("%1_%2").arg(sender ? "lblTx" : "lblRx").arg(cell));
                QCOMPARE(label->mark(),
                         QString::fromUtf8(state->mark.data(), static_cast<qsizetype>(state->mark.size())));
                QCOMPARE(label->palette().color(QPalette::WindowText), toQColor(state->safe));
            }
        }
    }
    QVERIFY2(seen.size() >= 8, "the run should show most states");
    dressed.setStateMarks(false);
    dressed.setSafeColours(false);
    for (int cell = 0; cell < 19; ++cell) {
        auto* label = find<CellLabel>(dressed, QStringLiteral("lblTx_%1").arg(cell));
        QVERIFY(label->mark().isEmpty());
        const Colour model = dressed.form().lblTx[cell].ForeColor;
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 QColor(model & 0xFF, (model >> 8) & 0xFF, (model >> 16) & 0xFF));
    }
}

void ViewOptionsTest::keysPickHoldAndLoseAsTheMouseDoes()
{
    MainWindow keyboard;
    MainWindow mouse;
    keyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
    for (MainWindow* window : {&keyboard, &mouse}) {
        window->setStateMarks(true);
        window->runEvent({EventKind::StartReset, 0, 0});
    }
    // Page Down is a single step, for a presenter's clicker.
    QTest::keyClick(&keyboard, Qt::Key_PageDown);
    QCOMPARE(keyboard.history().ticks(), 1);
    mouse.step();
    while (firstVisible(keyboard.form().cmdACK) < 0) {
        keyboard.step();
        mouse.step();
    }
    FormView* area = keyboard.clientArea();
    area->setFocus();
    QVERIFY(area->hasFocus());
    const auto mouseClick = [&mouse](const FormView::FlightPick& pick) {
        const QString name = QStringLiteral("%1_%2").arg(pick.ack ? "cmdACK" : "cmdPacket").arg(pick.slot);
        QTest::mouseClick(find<QPushButton>(mouse, name), Qt::LeftButton);
    };

    // A packet: picked, held with Space.
    press(area, Qt::Key_Left);
    press(area, Qt::Key_Down);
    const auto packet = area->pickedFlight();
    QVERIFY(packet && !packet->ack);
    press(area, Qt::Key_Space);
    mouseClick(*packet);
    QCOMPARE(keyboard.form().cmdPacket[packet->slot].TravelMarker, colours::Held);
    for (MainWindow* window : {&keyboard, &mouse})
        steps(*window, 10); // past the hold-off

    // An ACK: picked across the lanes, lost with Delete (two clicks within the hold-off).
    press(area, Qt::Key_Right);
    const auto ack = area->pickedFlight();
    QVERIFY(ack && ack->ack);
    press(area, Qt::Key_Delete);
    mouseClick(*ack);
    mouseClick(*ack);
    QVERIFY(!keyboard.form().cmdACK[ack->slot].Visible);
    QVERIFY(!area->pickedFlight());
    QCOMPARE(area->lostMarks().size(), std::size_t{1});

    QCOMPARE(keyboard.history().recorder().events(), mouse.history().recorder().events());
    QCOMPARE(stateDigest(keyboard.form()), stateDigest(mouse.form()));

    // The timeout slider's Right key goes the way of its right arrow.
    auto* timeout = find<QScrollBar>(keyboard, QStringLiteral("HScroll1"));
    timeout->setFocus();
    const int before = keyboard.form().HScroll1.value();
    press(timeout, Qt::Key_Right);
    QCOMPARE(keyboard.form().HScroll1.value(), before + 1);

    // Help > Keys lists every key of every menu, and the rule that surprises.
    QString keysText;
    QTimer::singleShot(0, [&keysText] {
        QWidget* box = qApp->activeModalWidget();
        auto* text = box != nullptr ? box->findChild<QTextBrowser*>(QStringLiteral("keysBoxText")) : nullptr;
        if (text == nullptr) return;
        keysText = text->toPlainText();
        box->close();
    });
    action(keyboard, "actionKeys")->trigger();
    QVERIFY(keysText.contains(QStringLiteral("seven ticks")));
    for (const QAction* each : keyboard.findChildren<QAction*>()) {
        for (const QKeySequence& key : each->shortcuts())
            QVERIFY2(keysText.contains(key.toString(QKeySequence::NativeText).toHtmlEscaped()),
                     qPrintable(key.toString()));
    }
}

void ViewOptionsTest::screenReadersHearWhatEachControlShows()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* cell = find<QWidget>(window, QStringLiteral("lblTx_0"));
    auto* packet = find<QWidget>(window, QStringLiteral("cmdPacket_0"));
    auto* txWindow = find<QWidget>(window, QStringLiteral("VScroll1"));
    QCOMPARE(accessible(cell, QAccessible::Name), QStringLiteral("sender cell 0: not sent yet"));
    QCOMPARE(accessible(txWindow, QAccessible::Name), QStringLiteral("Tx Window Size"));
    QCOMPARE(accessible(txWindow, QAccessible::Description), QStringLiteral("4 packets"));

    window.runEvent({EventKind::StartReset, 0, 0});
    window.step();
    QCOMPARE(accessible(cell, QAccessible::Name), QStringLiteral("sender cell 0: in flight"));
    QCOMPARE(accessible(packet, QAccessible::Name),
             QStringLiteral("packet 0, sequence number 0, travelling"));
    QVERIFY(accessible(packet, QAccessible::Description).contains(QStringLiteral("seven ticks")));
    window.runEvent({EventKind::ClickPacket, 0, 0});
    QCOMPARE(accessible(packet, QAccessible::Name), QStringLiteral("packet 0, sequence number 0, held"));
    window.runEvent(slider(SliderId::TxWindow, 12));
    QCOMPARE(accessible(txWindow, QAccessible::Description), QStringLiteral("5 packets"));
    for (QWidget* widget : window.clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (widget->testAttribute(Qt::WA_TransparentForMouseEvents)) continue; // shapes and the sheet
        QVERIFY2(!widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
    }
}

void ViewOptionsTest::preferencesSurviveARestartAndTheRunDoesNot()
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("preferences.ini")), QSettings::IniFormat);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    {
        MainWindow window;
        window.usePreferences(&settings);
        window.show();
        window.setZoom(150);
        window.setSafeColours(true);
        window.setStateMarks(true);
        window.setSpeed(3);
        window.rememberFolder(folder.filePath(QStringLiteral("run.csv")));
        window.runEvent(box(OptionBox::SlowStart));
        window.runEvent(slider(SliderId::TxWindow, 5));
        window.runEvent({EventKind::StartReset, 0, 0});
        steps(window, 20);
        QAction* panel = action(window, "actionPanel");
        panel->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(window.runPanel()));
        // Opened wholly on the main window's screen, however large the zoom made it.
        QVERIFY(screen.contains(window.runPanel()->frameGeometry()));
        window.runPanel()->setGeometry(QRect(screen.topLeft() + QPoint(20, 10), QSize(700, 520)));
        panel->trigger();
    }
    MainWindow window;
    window.usePreferences(&settings);
    QCOMPARE(window.zoom(), 150);
    QVERIFY(window.clientArea()->safeColours());
    QVERIFY(window.clientArea()->stateMarks());
    QCOMPARE(window.speed(), run_clock::NormalSpeed); // every start at 1x
    QCOMPARE(window.lastFolder(), folder.path());

    Form1 startup;
    startup.Form_Load();
    QCOMPARE(stateDigest(window.form()), stateDigest(startup));
    QVERIFY(!window.form().Timer1.Enabled);

    window.show();
    action(window, "actionPanel")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(window.runPanel()));
    QVERIFY(screen.contains(window.runPanel()->frameGeometry()));
    QCOMPARE(window.runPanel()->size(), QSize(700, 520));
}

QTEST_MAIN(ViewOptionsTest)
#include "view_options_test.moc"
