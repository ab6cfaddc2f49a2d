// The window under abuse: a monkey clicks the real widgets (flight buttons,
// check boxes, sliders, Start/Reset, Pause/Cont) for minutes while the clock
// runs, answers every message box, and checks at the end that
//   - the program is still alive and the model kept every invariant;
//   - no tick ever started while another was still running, and nothing
//     changed while a message box was open inside a tick;
//   - resident memory grew by less than 2 MiB from the end of the first
//     minute to the end (checked for runs of two minutes or more).
//
//   window_soak [SECONDS] [SEED] [--self-check]   (under xvfb-run; default 180 s)
//
// --self-check proves the watch on nested ticks can fail: it holds packets
// from the start and, inside the tick that opens the first message box,
// fires the clock once more by hand; the run passes only if that was seen.
#include <malloc.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/invariants.h"
#include "core/random_events.h"
#include "core/state_digest.h"
#include "ui/qt/main_window.h"

namespace {

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Bytes the program holds on the heap: RSS growth without heap growth is the
// allocator or the X server's shared memory, not something kept.
long heapKiB()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
}

class Monkey : public QObject {
public:
    Monkey(MainWindow& window, long seconds, std::uint64_t seed, bool selfCheck)
        : window_(window), seconds_(seconds), random_(seed), selfCheck_(selfCheck)
    {
        watchTheClock();
        watchMessageBoxes();
        collectWidgets();
        connect(&actions_, &QTimer::timeout, this, &Monkey::act);
        actions_.start(30);
        elapsed_.start();
    }

    int exitCode() const { return exitCode_; }

protected:
    // Sees every firing of the window's clock before the window does.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == clock_ && event->type() == QEvent::Timer) {
            if (inTick_) {
                ++nestedTicks_;
                std::fprintf(stderr, "a clock firing arrived while a tick was still running\n");
            }
            inTick_ = true;
            ackDue_ = reliability::ackArrivesNextTick(window_.form());
            clockWasOn_ = window_.form().Timer1.Enabled;
        }
        return false;
    }

private:
    void watchTheClock()
    {
        clock_ = window_.findChild<QTimer*>(QStringLiteral("Timer1"));
        if (clock_ == nullptr) fatal("the window has no clock named Timer1");
        clock_->installEventFilter(this);
        // Connected after the window's own handler, so this runs when the tick is over.
        connect(clock_, &QTimer::timeout, this, [this] {
            inTick_ = false;
            if (clockWasOn_) ++ticks_;
            check(reliability::CheckContext{ackDue_ && clockWasOn_});
        });
    }

    // The model's box opens inside a tick; while it is open nothing may move.
    void watchMessageBoxes()
    {
        auto shown = window_.form().showMessageBox;
        window_.form().showMessageBox = [this, shown](const std::string& text) {
            ++boxes_;
            boxDigest_ = stateDigest(window_.form());
            boxOpen_ = true;
            boxAnswerAfterMs_ = 100 + random_.below(400);
            boxSince_.start();
            if (selfCheck_ && boxes_ == 1) {
                QTimerEvent firing(clock_->timerId());
                QCoreApplication::sendEvent(clock_, &firing);
            }
            shown(text);
            boxOpen_ = false;
        };
    }

    void collectWidgets()
    {
        for (int i = 0; i < FlightSlots; ++i) {
            flights_.push_back(button(QStringLiteral("cmdPacket_%1").arg(i)));
            flights_.push_back(button(QStringLiteral("cmdACK_%1").arg(i)));
        }
        for (const char* name : {"chkSlowStart", "chkAvoidance", "chkFastRetransmit", "chkSelective",
                                 "chkDelayedACK", "chkAutoRTT", "chkSlide"}) {
            auto* box = window_.findChild<QCheckBox*>(QString::fromLatin1(name));
            if (box == nullptr) fatal(name);
            checkBoxes_.push_back(box);
        }
        for (const char* name : {"HScroll1", "VScroll1", "VScroll2", "VScroll3"}) {
            auto* bar = window_.findChild<QScrollBar*>(QString::fromLatin1(name));
            if (bar == nullptr) fatal(name);
            sliders_.push_back(bar);
        }
        reset_ = button(QStringLiteral("cmdReset"));
        pause_ = button(QStringLiteral("cmdPause"));
    }

    QPushButton* button(const QString& name)
    {
        auto* found = window_.findChild<QPushButton*>(name);
        if (found == nullptr) fatal(name.toStdString().c_str());
        return found;
    }

    void act()
    {
        actions_.setInterval(2 + random_.below(40));
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            answer(box);
            return;
        }
        if (acting_) return;
        if (finishing_) {
            finish();
            return;
        }
        if (elapsed_.elapsed() >= seconds_ * 1000) {
            finishing_ = true;
            return;
        }
        if (elapsed_.elapsed() >= (minutesLogged_ + 1) * 60000) {
            ++minutesLogged_;
            if (firstMinuteKiB_ < 0) firstMinuteKiB_ = residentKiB();
            std::printf("minute %ld: resident %ld KiB, heap in use %ld KiB, %ld ticks\n", minutesLogged_,
                        residentKiB(), heapKiB(), ticks_);
            std::fflush(stdout);
        }

        acting_ = true;
        doSomething();
        acting_ = false;
        check({});
    }

    void doSomething()
    {
        const Form1& form = window_.form();
        if (!form.Timer1.Enabled && random_.oneIn(20)) {
            click(form.cmdPause.Caption == "Cont" ? pause_ : reset_);
            return;
        }
        if (hoarding()) {
            holdPackets();
            return;
        }
        // Per call, some 45 a second: a flight button about twice a second (so
        // that some clicks hold and others, within 7 ticks, lose), a box or a
        // slider every two seconds, Pause every seven and Reset every thirty.
        const int choice = random_.below(1000);
        if (choice < 40) {
            clickFlightButton();
        } else if (choice < 50) {
            auto* box = checkBoxes_[random_.below(static_cast<int>(checkBoxes_.size()))];
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            ++actionsDone_;
        } else if (choice < 60) {
            moveSlider(sliders_[random_.below(static_cast<int>(sliders_.size()))]);
        } else if (choice < 63) {
            click(pause_);
        } else if (choice < 64 && random_.oneIn(2)) {
            click(reset_);
        }
    }

    // One stretch in three holds every packet that leaves, with single clicks
    // far enough apart not to count as double clicks, until the packet slots
    // run out and the model says so in a message box.
    // The first such stretch lies inside the first minute, so the message box
    // has been shown once before memory is first measured.
    bool hoarding() const { return selfCheck_ || elapsed_.elapsed() / 20000 % 3 == 1; }

    void holdPackets()
    {
        if (!sinceHold_.isValid()) sinceHold_.start();
        if (sinceHold_.elapsed() < 450) return;
        const Form1& form = window_.form();
        // Both windows at 16 packets, so that enough packets leave to fill every slot.
        for (QScrollBar* bar : {sliders_[2], sliders_[1]}) {
            if (bar->value() != bar->minimum()) {
                drag(bar, bar->minimum());
                return;
            }
        }
        for (int i = 0; i < FlightSlots; ++i) {
            if (form.cmdPacket[i].Visible && form.cmdPacket[i].TravelMarker == colours::Travelling) {
                click(flights_[2 * i]);
                ++flightClicks_;
                sinceHold_.restart();
                return;
            }
        }
    }

    void click(QPushButton* target)
    {
        QTest::mouseClick(target, Qt::LeftButton);
        ++actionsDone_;
    }

    // A single click holds or releases; a double click, or two clicks in a
    // row, loses the packet or ACK.
    void clickFlightButton()
    {
        std::vector<QPushButton*> visible;
        for (QPushButton* b : flights_) {
            if (b->isVisible()) visible.push_back(b);
        }
        if (visible.empty()) return;
        QPushButton* target = visible[random_.below(static_cast<int>(visible.size()))];
        const int how = random_.below(20);
        if (how < 12) {
            click(target);
        } else if (how < 17) {
            // What the system sends for a double click: press, release, double click, release.
            QTest::mousePress(target, Qt::LeftButton);
            QTest::mouseRelease(target, Qt::LeftButton);
            if (target->isVisible()) QTest::mouseDClick(target, Qt::LeftButton);
            QTest::mouseRelease(target, Qt::LeftButton);
            ++actionsDone_;
        } else {
            click(target);
            if (target->isVisible()) click(target);
        }
        ++flightClicks_;
    }

    // Half the moves drag the thumb to any position and let go; the others
    // click somewhere on the bar, an arrow or the page area beside the thumb.
    void moveSlider(QScrollBar* bar)
    {
        if (random_.oneIn(2)) {
            drag(bar, bar->minimum() + random_.below(bar->maximum() - bar->minimum() + 1));
        } else {
            const QPoint at(random_.below(bar->width()), random_.below(bar->height()));
            QTest::mouseClick(bar, Qt::LeftButton, {}, at);
            ++actionsDone_;
        }
    }

    // With tracking off, a drag changes the value once, when the thumb is let go.
    void drag(QScrollBar* bar, int position)
    {
        bar->setSliderDown(true);
        bar->setSliderPosition(position);
        bar->setSliderDown(false);
        ++actionsDone_;
    }

    void answer(QMessageBox* box)
    {
        if (!boxOpen_) return; // the window's own box, outside any tick
        if (stateDigest(window_.form()) != boxDigest_) {
            ++changedUnderBox_;
            std::fprintf(stderr, "the model changed while a message box was open\n");
        }
        if (boxSince_.elapsed() < boxAnswerAfterMs_) return;
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        if (ok == nullptr) fatal("a message box without OK");
        QTest::mouseClick(ok, Qt::LeftButton);
        ++answered_;
    }

    void check(const reliability::CheckContext& context)
    {
        const std::string broken = reliability::checkInvariants(window_.form(), context);
        if (broken.empty()) return;
        std::fprintf(stderr, "invariant broken after %ld ticks:\n%s", ticks_, broken.c_str());
        ++brokenChecks_;
        if (brokenChecks_ > 20) finishing_ = true;
    }

    void finish()
    {
        actions_.stop();
        const long lastKiB = residentKiB();
        const double minutes = elapsed_.elapsed() / 60000.0;
        std::printf(
            "window soak: %.1f minutes, %ld ticks, %ld actions (%ld on flight buttons), %ld message "
            "boxes (%ld answered), %ld nested ticks, %ld changes under a box, %ld broken invariants\n",
            minutes, ticks_, actionsDone_, flightClicks_, boxes_, answered_, nestedTicks_, changedUnderBox_,
            brokenChecks_);
        bool memoryOk = true;
        if (firstMinuteKiB_ >= 0) {
            const long growth = lastKiB - firstMinuteKiB_;
            std::printf(
                "resident memory: %ld KiB after the first minute, %ld KiB at the end, growth %ld KiB\n",
                firstMinuteKiB_, lastKiB, growth);
            memoryOk = seconds_ < 120 || growth < 2048;
        } else {
            std::printf("resident memory at the end: %ld KiB (run too short to compare minutes)\n", lastKiB);
        }
        if (selfCheck_) {
            const bool seen = boxes_ > 0 && nestedTicks_ > 0;
            std::printf("self-check: the nested firing was %s\n", seen ? "seen" : "missed");
            exitCode_ = seen ? 0 : 1;
            QApplication::exit(exitCode_);
            return;
        }
        const bool clean = nestedTicks_ == 0 && changedUnderBox_ == 0 && brokenChecks_ == 0 && memoryOk &&
                           ticks_ > seconds_ * 5;
        exitCode_ = clean ? 0 : 1;
        QApplication::exit(exitCode_);
    }

    [[noreturn]] static void fatal(const char* what)
    {
        std::fprintf(stderr, "window soak: %s\n", what);
        std::exit(2);
    }

    MainWindow& window_;
    long seconds_;
    reliability::Random random_;
    bool selfCheck_;
    QTimer actions_;
    QElapsedTimer elapsed_;
    QTimer* clock_ = nullptr;
    std::vector<QPushButton*> flights_;
    std::vector<QCheckBox*> checkBoxes_;
    std::vector<QScrollBar*> sliders_;
    QPushButton* reset_ = nullptr;
    QPushButton* pause_ = nullptr;

    bool acting_ = false;
    bool finishing_ = false;
    bool inTick_ = false;
    bool ackDue_ = false;
    bool clockWasOn_ = false;
    bool boxOpen_ = false;
    std::uint64_t boxDigest_ = 0;
    long boxAnswerAfterMs_ = 0;
    QElapsedTimer boxSince_;
    QElapsedTimer sinceHold_;

    long ticks_ = 0;
    long actionsDone_ = 0;
    long flightClicks_ = 0;
    long boxes_ = 0;
    long answered_ = 0;
    long nestedTicks_ = 0;
    long changedUnderBox_ = 0;
    long brokenChecks_ = 0;
    long firstMinuteKiB_ = -1;
    long minutesLogged_ = 0;
    int exitCode_ = 1;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const long seconds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 180;
    const auto seed = static_cast<std::uint64_t>(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1);
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: %s [SECONDS] [SEED]\n", argv[0]);
        return 2;
    }
    MainWindow window;
    window.show();
    const bool selfCheck = argc > 3 && std::string(argv[3]) == "--self-check";
    Monkey monkey(window, seconds, seed, selfCheck);
    const int code = QApplication::exec();
    return code == 0 ? monkey.exitCode() : code;
}
