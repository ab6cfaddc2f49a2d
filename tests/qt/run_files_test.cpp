// Run files and lessons in the window: save and open through the window,
// a refused file leaves the run on screen untouched, a dropped file opens,
// a lesson shows its note, and the panel's picker reaches earlier runs.
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include "core/state_digest.h"
#include "history/lessons.h"
#include "tests/qt/window_support.h"
#include "ui/qt/picture_exports.h"
#include "ui/qt/qr_dialog.h"
#include "ui/qt/run_panel.h"

using namespace window_support;

class RunFilesTest : public QObject {
    Q_OBJECT

private slots:
    void aSavedRunOpensPausedAndPlaysAsRecorded();
    void aBadFileIsRefusedAndTheRunOnScreenStays();
    void aLessonOpensWithItsNoteAndEarlierRunsStayReachable();
    void aLongNoteScrollsInABoxThatFitsTheScreen();
    void theQrEntrySaysWhatToSetThenShowsTheLinkToTheRun();
    void everyViewExportsAsATitledPictureAndTheLessonAsAHandout();
};

void RunFilesTest::aSavedRunOpensPausedAndPlaysAsRecorded()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lesson.json"));
    std::vector<std::uint64_t> digests;
    {
        MainWindow window;
        startCongestionControlRun(window);
        for (int i = 0; i < 300; ++i) {
            if (i == 60) QVERIFY(loseAPacket(window));
            window.step();
            digests.push_back(stateDigest(window.form()));
        }
        QVERIFY(window.saveRun(path));
    }

    MainWindow window;
    // Dropped on the window, the file opens as a new run paused at its start.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(window.lastRefusal(), QString());
    QCOMPARE(window.history().runCount(), 2u);
    QCOMPARE(window.history().ticks(), 0);
    QVERIFY(window.history().replaying());
    QCOMPARE(window.form().cmdReset.Caption, "Start");

    // Stepping plays it: the options and Start as recorded, then every tick
    // as it was (the actions that followed a tick show with it).
    steps(window, static_cast<int>(digests.size()));
    QVERIFY(!window.history().replaying());
    QCOMPARE(stateDigest(window.form()), digests.back());
    for (std::size_t i = 0; i < digests.size(); ++i) {
        const auto tick = static_cast<std::int32_t>(i + 1);
        QVERIFY2(stateDigest(window.history().recorder().stateAt(tick)) == digests[i],
                 qPrintable(QString::number(tick)));
    }
}

void RunFilesTest::aBadFileIsRefusedAndTheRunOnScreenStays()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "sliding-window-run", "version": 1, "ticks": 10, "settings": {)");
    file.close();

    MainWindow window;
    startCongestionControlRun(window);
    steps(window, 40);
    const std::uint64_t before = stateDigest(window.form());
    const auto logBefore = window.history().trace().log().size();
    QVERIFY(!window.openRunFile(path));
    QVERIFY(window.lastRefusal().startsWith(
        QStringLiteral("broken.json cannot be opened. The file ends too early")));
    QCOMPARE(stateDigest(window.form()), before);
    QCOMPARE(window.history().ticks(), 40);
    QCOMPARE(window.history().runCount(), 1u);
    QCOMPARE(window.history().trace().log().size(), logBefore);
    // A file's name and text are never read as markup (no <img> fetched).
    auto* refusal = window.findChild<QMessageBox*>(QStringLiteral("refusal"));
    QVERIFY(refusal);
    QCOMPARE(refusal->textFormat(), Qt::PlainText);
}

void RunFilesTest::aLessonOpensWithItsNoteAndEarlierRunsStayReachable()
{
    MainWindow window;
    window.runPanel()->show();
    startCongestionControlRun(window);
    steps(window, 30);
    QVERIFY(window.openLesson(QStringLiteral("fast-retransmit")));
    auto* note = window.findChild<QDialog*>(QStringLiteral("lessonNote"));
    QVERIFY(note && note->isVisible());
    auto* noteText = note->findChild<QTextBrowser*>(QStringLiteral("lessonNoteText"));
    QVERIFY(noteText);
    QVERIFY(noteText->toPlainText().contains(QStringLiteral("tick 450")));
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("Fast retransmit after three duplicate ACKs")));

    window.runEvent({EventKind::StartReset, 0, 0}); // Start, as the lesson does: it follows the script
    QVERIFY(window.history().replaying());
    QTRY_VERIFY_WITH_TIMEOUT(window.history().ticks() >= 5, 5000);

    // The picker: the lesson's run now, the first run still there to look at.
    QComboBox* picker = window.runPanel()->runPicker();
    QCOMPARE(picker->count(), 2);
    QVERIFY(picker->itemText(0).contains(QStringLiteral("(current)")));
    picker->setCurrentIndex(1);
    emit picker->activated(1);
    QCOMPARE(window.runPanel()->shownTrace().ticks(), 30);
    QVERIFY(!window.runPanel()->showsCurrentRun());
}

void RunFilesTest::aLongNoteScrollsInABoxThatFitsTheScreen()
{
    MainWindow window;
    window.show();
    RunScript lesson = *loadLesson("go-back-n").script;
    lesson.note.clear();
    for (int line = 0; line < 6000; ++line)
        lesson.note += "Line " + std::to_string(line) + " of a very long note.\n";
    window.openScript(lesson);
    auto* note = window.findChild<QDialog*>(QStringLiteral("lessonNote"));
    QVERIFY(note && note->isVisible());
    const QRect screen = note->screen()->availableGeometry();
    // As wide as lines of about 70 characters, no taller than the screen.
    const int lineWidth = note->fontMetrics().averageCharWidth() * 60;
    QVERIFY2(note->height() <= screen.height() && note->width() <= screen.width() &&
                 note->width() >= lineWidth,
             qPrintable(QStringLiteral("%1 x %2").arg(note->width()).arg(note->height())));
    auto* text = note->findChild<QTextBrowser*>(QStringLiteral("lessonNoteText"));
    QVERIFY(text && text->verticalScrollBar()->maximum() > 0);
    QVERIFY(text->toPlainText().contains(QStringLiteral("Line 5999 of a very long note.")));
}

void RunFilesTest::theQrEntrySaysWhatToSetThenShowsTheLinkToTheRun()
{
    MainWindow window;
    QAction* showQr = action(window, "actionShowQr");
    QVERIFY(!showQr->isEnabled());
    QVERIFY(showQr->text().contains(QStringLiteral("--page-url")));

    window.setPageAddress(QStringLiteral("https://example.org/demo/?old=1"));
    QVERIFY(showQr->isEnabled());
    window.runEvent(box(OptionBox::SlowStart));
    window.step();
    window.showLinkQr();
    QVERIFY(window.qrDialog() != nullptr && window.qrDialog()->isVisible());
    const QString link = window.qrDialog()->link();
    QVERIFY2(link.startsWith(QStringLiteral("https://example.org/demo/#run=")), qPrintable(link));
    QCOMPARE(link, window.linkToRun());
    // Copy Link, in the menu and beside the code, puts the same link on the clipboard.
    QGuiApplication::clipboard()->clear();
    QVERIFY(action(window, "actionCopyLink")->isEnabled());
    QVERIFY(window.copyLink());
    QCOMPARE(QGuiApplication::clipboard()->text(), link);
    QGuiApplication::clipboard()->clear();
    find<QPushButton>(*window.qrDialog(), QStringLiteral("qrCopyLink"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), link);
}

void RunFilesTest::everyViewExportsAsATitledPictureAndTheLessonAsAHandout()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MainWindow window;
    QVERIFY(window.openLesson(QStringLiteral("go-back-n")));
    window.runEvent({EventKind::StartReset, 0, 0});
    steps(window, 600);
    for (const char* name : {"actionExportPicture", "actionExportHandout", "actionPrintHandout"})
        QVERIFY(action(window, name) != nullptr);
    PictureExports& exports = window.pictureExports();

    // Each view at the size asked for; the SVG titled with the ticks asked for.
    pictures::Request asked;
    asked.width = 1280;
    asked.height = 720;
    asked.from = 200;
    asked.to = 400;
    for (const auto view :
         {pictures::View::Window, pictures::View::Chart, pictures::View::Diagram, pictures::View::Table}) {
        const QString png = dir.filePath(QStringLiteral("%1.png").arg(pictures::viewName(view)));
        QVERIFY(exports.exportRunPicture(png, view, asked));
        QCOMPARE(QImage(png).size(), QSize(1280, 720));
    }
    const QString svg = dir.filePath(QStringLiteral("diagram.svg"));
    QVERIFY(exports.exportRunPicture(svg, pictures::View::Diagram, asked));
    QFile drawing(svg);
    QVERIFY(drawing.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(drawing.readAll());
    QVERIFY(text.contains(QStringLiteral(">Go-back-N (textbook) recovering one lost packet \u00b7 ")));
    QVERIFY(text.contains(QStringLiteral("ticks 200\u2013400</text>")));
    // The File menu's chart: a slide's size, from the run's first tick.
    const QString chart = dir.filePath(QStringLiteral("chart.png"));
    QVERIFY(window.exportChartPng(chart));
    QCOMPARE(QImage(chart).size(), QSize(1920, 1080));

    // The handout, read back as a reader of the PDF would.
    handout::Request paper;
    paper.paper = handout::Paper::Letter;
    paper.at = {100, 300};
    const QString pdf = dir.filePath(QStringLiteral("handout.pdf"));
    QVERIFY(exports.exportHandout(pdf, paper));
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(30000));
    const QString pages = QString::fromUtf8(reader.readAllStandardOutput());
    for (const char* expected : {"Go-back-N (textbook) recovering one lost packet", "At tick 100",
                                 "At tick 300", "The time-sequence diagram, ticks 0\u2013300",
                                 "The run chart, ticks 0\u2013600", "The run's figures at tick 600"})
        QVERIFY2(pages.contains(QString::fromUtf8(expected)), expected);
    QCOMPARE(pages.count(QLatin1Char('\f')), 4); // one form feed a page

    // A write that cannot happen is reported, not claimed.
    QVERIFY(!exports.exportRunPicture(dir.filePath(QStringLiteral("missing/chart.png")),
                                      pictures::View::Chart, pictures::Request{}));
}

QTEST_MAIN(RunFilesTest)
#include "run_files_test.moc"
