// The window in a lecture hall, on a 1600 x 900 screen: every text around the
// client area grows with the zoom and fits its place, a remembered window
// never opens past the screen, full screen leaves the animation uncovered,
// and the click rule reads the same wherever it is written.
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <cmath>

#include "frontend/run_clock.h"
#include "frontend/view_texts.h"
#include "frontend/window_layout.h"
#include "tests/qt/window_support.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/control_texts.h"
#include "ui/qt/event_log_view.h"
#include "ui/qt/form_view.h"
#include "ui/qt/legend_dialog.h"
#include "ui/qt/lessons_dialog.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/translation.h"

using namespace window_support;

namespace {

const QString Sentence =
    QString::fromUtf8(view_texts::FlightRule.data(), static_cast<qsizetype>(view_texts::FlightRule.size()));

QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// Every one-line label shown in `top` whose text is wider than its room.
QStringList cutLabels(const QWidget& top)
{
    QStringList cut;
    for (const QLabel* label : top.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().isEmpty()) continue;
        if (Qt::mightBeRichText(label->text())) continue;
        if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width())
            cut += label->text();
    }
    return cut;
}

// Texts the chart draws cut short ("Drop…", or nothing but the swatch).
QStringList cutChartTexts(const RunChart& chart)
{
    QStringList drawn;
    for (const QGraphicsItem* item : chart.scene()->items()) {
        if (!item->isVisible()) continue;
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item)) drawn += text->toPlainText();
        if (const auto* text = dynamic_cast<const QGraphicsSimpleTextItem*>(item)) drawn += text->text();
    }
    QStringList cut;
    for (const QLegendMarker* entry : chart.chart()->legend()->markers()) {
        if (entry->isVisible() && !drawn.contains(entry->label())) cut += entry->label();
    }
    for (const QString& text : drawn) {
        if (text.endsWith(QStringLiteral("...")) || text.endsWith(QChar(0x2026))) cut += text;
    }
    return cut;
}

// Every menu item of the bar whose text, shortcut and check column are wider than its row.
QStringList cutMenuItems(const QMenuBar& bar)
{
    QStringList cut;
    for (QMenu* menu : bar.findChildren<QMenu*>()) {
        const QFontMetrics metrics(menu->font());
        for (QAction* item : menu->actions()) {
            if (item->isSeparator() || !item->isVisible()) continue;
            const QRect row = menu->actionGeometry(item);
            QString text = item->text();
            text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
            const QString keys = item->shortcut().toString(QKeySequence::NativeText);
            // The check column is drawn about as wide as the row is tall.
            const int needed =
                metrics.horizontalAdvance(text) + row.height() +
                (keys.isEmpty() ? 0 : metrics.horizontalAdvance(keys) + metrics.averageCharWidth());
            if (needed > row.width()) cut += text;
        }
    }
    return cut;
}

// A run of the in-order receiver with a loss, so that every legend entry is listed.
void runWithDrops(MainWindow& window)
{
    window.runEvent({EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::InOrderReceiver), 0});
    startCongestionControlRun(window);
    steps(window, 200);
    QVERIFY(loseAPacket(window));
    steps(window, 150);
}

QString collapsed(QString text)
{
    text.replace(QStringLiteral("\\(mu"), QStringLiteral("\u00d7"));
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

} // namespace

class HallTest : public QObject {
    Q_OBJECT

private slots:
    void textsGrowWithTheZoomAndFit();
    void restoredWindowAndPanelStayOnTheScreen();
    void fullScreenSharesTheScreenWithThePanel();
    void theClickRuleIsOneSentenceEverywhere();
};

void HallTest::textsGrowWithTheZoomAndFit()
{
    const auto size = [](const QFont& font) { return QFontInfo(font).pointSizeF(); };
    const double baseSize = size(QApplication::font());
    for (const int zoom : {100, 250}) {
        MainWindow window;
        window.show();
        runWithDrops(window);
        window.setZoom(zoom);
        const double factor = zoom / 100.0;
        QVERIFY(std::abs(size(window.menuBar()->font()) - baseSize * factor) < 1.0);
        QCOMPARE(cutMenuItems(*window.menuBar()), QStringList());

        RunPanel* panel = window.runPanel();
        action(window, "actionPanel")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        panel->refreshNow();
        // Under a window manager the frame is known only once it has framed the panel.
        QTRY_VERIFY(available().contains(panel->frameGeometry()));
        QVERIFY(std::abs(size(panel->font()) - baseSize * factor) < 1.0);
        QCOMPARE(panel->chart()->chart()->legend()->font(), panel->chart()->font());
        QTRY_COMPARE(cutChartTexts(*panel->chart()), QStringList());
        QCOMPARE(cutLabels(*panel), QStringList());
        // Every tool in sight, none pushed into the overflow menu.
        for (const QToolBar* tools : panel->findChildren<QToolBar*>())
            QVERIFY2(tools->sizeHint().width() <= tools->width(), qPrintable(QString::number(zoom)));
        // The log's tick and side columns hold their header and their widest entry.
        auto* log = panel->findChild<QTreeView*>(QStringLiteral("eventLog"));
        const QFontMetrics metrics(log->font());
        for (const int column : {EventLogModel::TickColumn, EventLogModel::SideColumn}) {
            int widest =
                metrics.horizontalAdvance(log->model()->headerData(column, Qt::Horizontal).toString());
            for (int row = 0; row < log->model()->rowCount(); ++row)
                widest = std::max(
                    widest, metrics.horizontalAdvance(log->model()->index(row, column).data().toString()));
            QVERIFY2(log->columnWidth(column) > widest, qPrintable(QString::number(column)));
        }

        LegendDialog* legend = window.legend();
        legend->show();
        QVERIFY(QTest::qWaitForWindowExposed(legend));
        QCOMPARE(cutLabels(*legend), QStringList());
        // CellLabel has no meta-object of its own: findChildren would list every label.
        for (const QLabel* label : legend->findChildren<QLabel*>()) {
            if (dynamic_cast<const CellLabel*>(label) != nullptr && label->isVisible())
                QCOMPARE(label->font().pixelSize(),
                         static_cast<int>(std::lround(window_layout::CellTextPixels * factor)));
        }

        LessonsDialog lessons(&window);
        lessons.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lessons));
        // Centred on a window that the test zoomed past the screen; its size must still fit.
        QVERIFY(lessons.frameGeometry().width() <= available().width() &&
                lessons.frameGeometry().height() <= available().height());
        for (const QLabel* note : lessons.findChildren<QLabel*>()) {
            if (note->wordWrap())
                QVERIFY(note->heightForWidth(note->contentsRect().width()) <= note->height());
        }
    }
    // Each window leaves the fonts as it found them.
    QCOMPARE(size(QApplication::font()), baseSize);
}

void HallTest::restoredWindowAndPanelStayOnTheScreen()
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("preferences.ini")), QSettings::IniFormat);
    // The last session: 250 %, 4x, and the panel's place saved from a full screen.
    {
        QWidget fullScreenPanel;
        fullScreenPanel.showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&fullScreenPanel));
        settings.setValue(QStringLiteral("panel/geometry"), fullScreenPanel.saveGeometry());
    }
    settings.setValue(QStringLiteral("view/zoom"), 250);
    settings.setValue(QStringLiteral("run/speed"), 4);

    {
        MainWindow window;
        window.usePreferences(&settings);
        QCOMPARE(window.speed(), run_clock::NormalSpeed);
        QCOMPARE(window.zoom(), 125); // 150 % would be 893 pixels of client area alone
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(available().contains(window.frameGeometry()));
        // At that zoom, zooming in stops where the window still fits.
        action(window, "actionZoomIn")->trigger();
        QCOMPARE(window.zoom(), 125);

        action(window, "actionPanel")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(window.runPanel()));
        QVERIFY(!window.runPanel()->isFullScreen());
        QCOMPARE(window.runPanel()->width(), 1200); // the size at 125 %, not the screen's
        QTRY_VERIFY(available().contains(window.runPanel()->frameGeometry()));

        // Closed in full screen: nothing of the full-screen layout is kept.
        window.runPanel()->resize(900, 500);
        window.setFullScreenView(true);
    }
    MainWindow window;
    window.usePreferences(&settings);
    window.show();
    action(window, "actionPanel")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(window.runPanel()));
    QCOMPARE(window.runPanel()->size(), QSize(900, 500));
}

void HallTest::fullScreenSharesTheScreenWithThePanel()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    startCongestionControlRun(window);
    steps(window, 30);
    QAction* panelAction = action(window, "actionPanel");
    panelAction->trigger();
    RunPanel* panel = window.runPanel();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    const QRect beside = panel->geometry();

    const auto uncovered = [&] {
        const FormView* area = window.clientArea();
        const QRect drawn = area->placeOf({0, 0, geometry::ClientWidth, geometry::ClientHeight})
                                .translated(area->mapTo(&window, QPoint()));
        const QRect chart = QRect(panel->mapTo(&window, QPoint()), panel->size());
        return panel->isVisible() && !panel->isWindow() && !drawn.intersects(chart) &&
               drawn.width() > window.width() / 2 && window.rect().contains(chart);
    };
    window.setFullScreenView(true);
    QTRY_VERIFY(window.isFullScreen() && uncovered());
    QVERIFY(panelAction->isChecked());
    // The narrow panel at a large zoom: its tools stack rather than overflow.
    window.setZoom(250);
    QTRY_VERIFY(uncovered());
    for (const QToolBar* tools : panel->findChildren<QToolBar*>())
        QTRY_VERIFY2(
            tools->sizeHint().width() <= tools->width(),
            qPrintable(QStringLiteral("%1 > %2").arg(tools->sizeHint().width()).arg(tools->width())));
    window.setZoom(100);
    // Closed and opened again while in full screen: beside the client area again.
    panelAction->trigger();
    QVERIFY(!panel->isVisible());
    panelAction->trigger();
    QTRY_VERIFY(uncovered());

    window.setFullScreenView(false);
    QTRY_VERIFY(!window.isFullScreen());
    QVERIFY(panel->isWindow() && panel->isVisible() && panelAction->isChecked());
    QCOMPARE(panel->geometry(), beside);
    QCOMPARE(window.clientArea()->size(), QSize(855, 595));

    // Opened for the first time in full screen: beside the client area too.
    panelAction->trigger();
    window.setFullScreenView(true);
    panelAction->trigger();
    QTRY_VERIFY(uncovered());
}

void HallTest::theClickRuleIsOneSentenceEverywhere()
{
    MainWindow window;
    // The figures it gives are the clock's own.
    window.setSpeed(run_clock::NormalSpeed);
    QVERIFY(Sentence.contains(QStringLiteral("%1 ms at 1\u00d7").arg(7 * window.tickInterval())));
    window.setSpeed(static_cast<int>(run_clock::Speeds.size()) - 1);
    QCOMPARE(run_clock::Speeds.back(), 4.0);
    QVERIFY(Sentence.contains(QStringLiteral("%1 ms at 4\u00d7").arg(7 * window.tickInterval())));

    QVERIFY(control_texts::toolTip("cmdPacket_3").endsWith(Sentence));
    QVERIFY(control_texts::toolTip("cmdACK_0").endsWith(Sentence));
    bool inLegend = false;
    for (const QLabel* label : window.legend()->findChildren<QLabel*>())
        inLegend = inLegend || label->text().contains(Sentence);
    QVERIFY(inLegend);
    window.setZoom(300);
    QString keysText;
    bool fitsScreen = false;
    QTimer::singleShot(0, [&keysText, &fitsScreen] {
        QWidget* box = QApplication::activeModalWidget();
        if (auto* text =
                box != nullptr ? box->findChild<QTextBrowser*>(QStringLiteral("keysBoxText")) : nullptr) {
            keysText = text->toPlainText();
            // Taller than the screen at 250 % and more: it scrolls within the screen instead.
            fitsScreen = available().contains(box->frameGeometry());
            box->close();
        }
    });
    action(window, "actionKeys")->trigger();
    QVERIFY(keysText.contains(Sentence));
    QVERIFY(fitsScreen);

    for (const char* path : {"README.md", "packaging/sliding-window-demo.1.in",
                             "packaging/sliding-window-demo.metainfo.xml.in"}) {
        QFile file(QStringLiteral(SWD_SOURCE_DIR "/") + QLatin1String(path));
        QVERIFY2(file.open(QIODevice::ReadOnly), path);
        QVERIFY2(collapsed(QString::fromUtf8(file.readAll())).contains(Sentence), path);
    }
}

// SWD_TEST_LANGUAGE runs the same tests in another language: "x-pseudo",
// every text accented and longer, finds any that would be cut off.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    if (const QString language = qEnvironmentVariable("SWD_TEST_LANGUAGE"); !language.isEmpty())
        translation::install(application, language);
    HallTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "hall_test.moc"
