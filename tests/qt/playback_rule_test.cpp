// One rule of playback for every front end: the desktop window, the page's
// session and the exporter's player, driven by one script of presses over a
// saved run with two losses, give the same state tick by tick; and a lesson
// pauses at its end, where Cont goes on live.
#include <QLabel>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "core/state_digest.h"
#include "frontend/run_player.h"
#include "history/lessons.h"
#include "tests/qt/window_support.h"
#include "ui/web/web_session.h"

using namespace window_support;

namespace {

enum class Press { Start, Pause, Step, StepBack, Tick };

// The line under the window that the desktop and the page share.
QString statusLine(const MainWindow& window)
{
    return window.findChild<QLabel*>(QStringLiteral("statusLine"))->text();
}

std::string hex(std::uint64_t digest)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return text;
}

// Slow Start ticked before Start, so the recording's first action is not Start.
RunScript teachersRun()
{
    Form1 form;
    form.Form_Load();
    RunHistory history(form);
    history.apply(form, box(OptionBox::SlowStart));
    history.apply(form, {EventKind::StartReset, 0, 0});
    for (int t = 1; t <= 400; ++t) {
        history.tick(form);
        if (t == 20 || t == 170) {
            for (std::int16_t slot = 0; slot < FlightSlots; ++slot) {
                if (!form.cmdPacket[slot].Visible) continue;
                for (int click = 0; click < 2; ++click) // a double click loses it
                    history.apply(form, {EventKind::ClickPacket, slot, 0});
                break;
            }
        }
    }
    return history.script().script;
}

} // namespace

class PlaybackRuleTest : public QObject {
    Q_OBJECT

private slots:
    void desktopPageAndExporterPlayARecordingAlike();
    void aLessonPausesAtItsEndAndContGoesOnLive();
};

void PlaybackRuleTest::desktopPageAndExporterPlayARecordingAlike()
{
    const RunScript run = teachersRun();
    QCOMPARE(run.actions.size(), std::size_t(6));

    // The exporter's player: the recording, then live past its end.
    Form1 played;
    played.Form_Load();
    RunHistory playedHistory(played);
    playedHistory.open(played, run);
    std::map<std::int32_t, std::string> exported;
    run_player::play(played, playedHistory, 480,
                     [&](const Form1& form) { exported[playedHistory.ticks()] = hex(stateDigest(form)); });
    QCOMPARE(exported.size(), std::size_t(480));

    std::vector<Press> fromStart{Press::Start};
    std::vector<Press> fromStep{Press::Step, Press::Step, Press::Pause}; // the page's Step before Start
    for (std::vector<Press>* presses : {&fromStart, &fromStep}) {
        for (int i = 0; i < 60; ++i)
            presses->push_back(Press::Tick);
        for (Press p : {Press::Pause, Press::Step, Press::Step, Press::StepBack, Press::Pause})
            presses->push_back(p);
        for (int i = 0; i < 420; ++i)
            presses->push_back(Press::Tick);
    }
    for (const std::vector<Press>* presses : {&fromStart, &fromStep}) {
        MainWindow window;
        window.openScript(run);
        web::WebSession page("");
        QVERIFY(web::openAnswer({}, &run) == page.openRunText("run.swrun", writeRunText(run)));
        int comparedWithExporter = 0;
        for (std::size_t i = 0; i < presses->size(); ++i) {
            switch ((*presses)[i]) {
            case Press::Start:
                window.runEvent({EventKind::StartReset, 0, 0});
                page.apply(static_cast<int>(EventKind::StartReset), 0, 0);
                break;
            case Press::Pause:
                window.runEvent({EventKind::PauseCont, 0, 0});
                page.apply(static_cast<int>(EventKind::PauseCont), 0, 0);
                break;
            case Press::Step:
                window.step();
                page.step();
                break;
            case Press::StepBack:
                window.stepBack();
                page.stepBack();
                break;
            case Press::Tick: // the clock fires only while it runs
                window.runEvent({EventKind::Tick, 0, 0});
                page.tick();
                break;
            }
            const std::string shown = hex(stateDigest(window.form()));
            QVERIFY2(shown == page.digest(), qPrintable(QStringLiteral("press %1").arg(i)));
            QCOMPARE(page.ticks(), static_cast<int>(window.history().ticks()));
            // Where the clock runs as it ran in the recording, the state is the recording's.
            if (window.form().Timer1.Enabled && exported.count(window.history().ticks())) {
                QVERIFY2(
                    shown == exported[window.history().ticks()],
                    qPrintable(QStringLiteral("press %1, tick %2").arg(i).arg(window.history().ticks())));
                ++comparedWithExporter;
            }
        }
        // The losses were played, not dropped: nothing branched.
        QVERIFY(window.history().trace().log().end() ==
                std::find_if(window.history().trace().log().begin(), window.history().trace().log().end(),
                             [](const auto& entry) {
                                 return entry.text.find("as a new branch") != std::string::npos;
                             }));
        QVERIFY(comparedWithExporter > 400);
        QVERIFY(window.history().ticks() > 460); // on, live, past the recording's end
    }
}

void PlaybackRuleTest::aLessonPausesAtItsEndAndContGoesOnLive()
{
    const std::string name = lessonList().front().name;
    const RunFileResult lesson = loadLesson(name);
    QVERIFY(lesson.script);
    MainWindow window;
    window.openLesson(QString::fromStdString(name));
    web::WebSession page("lesson=" + name);
    window.runEvent({EventKind::StartReset, 0, 0});
    page.apply(static_cast<int>(EventKind::StartReset), 0, 0);
    while (window.form().Timer1.Enabled && window.history().ticks() < lesson.script->ticks + 50) {
        window.runEvent({EventKind::Tick, 0, 0});
        page.tick();
    }
    QCOMPARE(window.history().ticks(), lesson.script->ticks);
    QCOMPARE(page.clockRuns(), false);
    QVERIFY(statusLine(window).endsWith(QStringLiteral(": End of the lesson")));
    QVERIFY(page.windowJson().find("\"lessonEnd\":true") != std::string::npos);

    window.runEvent({EventKind::PauseCont, 0, 0});
    page.apply(static_cast<int>(EventKind::PauseCont), 0, 0);
    for (int i = 0; i < 5; ++i) {
        window.runEvent({EventKind::Tick, 0, 0});
        page.tick();
    }
    QCOMPARE(window.history().ticks(), lesson.script->ticks + 5);
    QCOMPARE(hex(stateDigest(window.form())), page.digest());
    QVERIFY(!statusLine(window).contains(QStringLiteral("End of the lesson")));
}

QTEST_MAIN(PlaybackRuleTest)
#include "playback_rule_test.moc"
