// The teacher's side of the classroom load measurement (bench/classroom_load.cpp
// starts it): the desktop program's window with a classroom session on
// 127.0.0.1, as a teacher runs it, on a real X screen.
//
//   classroom_teacher PORT SECONDS QUESTIONS SEND_LOG
//
// Prints "ready RSS_KIB TOKEN" once listening, then waits for "go" on
// standard input. Then it plays SECONDS of a lossy run at 1x (Slow Start,
// Avoidance and Fast Retransmit, 5 % of packets lost, seed 7) on the window's
// own clock, losing a packet by two clicks every five seconds and asking the
// room QUESTIONS times at even spacing: three seconds of votes, Reveal, a
// second, Play. At each Reveal it prints "question Q answered A"; at the end
// the time of every call (its number, steady-clock microseconds and whether it
// was a tick) goes to SEND_LOG, and it prints "cpu-seconds S" (the whole
// process, window included), "system-seconds S" (the kernel's part),
// "peak-rss-kib K" and "ticks T".
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/events.h"
#include "core/form.h"
#include "ui/qt/classroom_server.h"
#include "ui/qt/classroom_session.h"
#include "ui/qt/main_window.h"

namespace {

long long nowMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double seconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// The whole process's CPU time, user and system, all threads.
std::pair<double, double> cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
}

long statusKib(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string name;
    long value = 0;
    while (status >> name) {
        if (name == field) {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 5) {
        std::cerr << "usage: classroom_teacher PORT SECONDS QUESTIONS SEND_LOG\n";
        return 2;
    }
    const auto port = static_cast<quint16>(std::stoi(argv[1]));
    const int ticksToRun = std::stoi(argv[2]) * 20;
    const int questions = std::stoi(argv[3]);
    const std::string sendLog = argv[4];

    // The phones of the measurement never ask for the page: a page of one line does.
    QTemporaryDir site;
    QFile index(site.filePath(QStringLiteral("index.html")));
    if (!index.open(QIODevice::WriteOnly)) return 1;
    index.write("<!doctype html><title>classroom load</title>\n");
    index.close();

    MainWindow window;
    window.show();
    ClassroomSession::Options options;
    options.address = QStringLiteral("127.0.0.1");
    options.port = port;
    options.siteFolder = site.path();
    if (!window.startClassroom(options)) {
        std::cerr << window.lastRefusal().toStdString() << '\n';
        return 1;
    }
    ClassroomSession& session = *window.classroom();
    for (const OptionBox box : {OptionBox::SlowStart, OptionBox::Avoidance, OptionBox::FastRetransmit})
        window.runEvent(UserEvent{EventKind::ClickCheckBox, static_cast<std::int16_t>(box), 0});
    LossSettings losses;
    losses.packetPercent = 5;
    losses.seed = 7;
    window.setLosses(losses);
    QTimer::singleShot(1000, [&] {
        // The join token, which only the teacher knows, goes to the phones' side with it.
        std::cout << "ready " << statusKib("VmRSS:") << ' ' << session.server()->joinToken() << std::endl;
    });

    struct Sent {
        std::uint64_t number;
        long long at;
        bool tick;
    };
    std::vector<Sent> sent;
    sent.reserve(static_cast<std::size_t>(ticksToRun) + 1000);
    std::uint64_t logged = session.callsHeard();
    const auto note = [&](long long at, bool tick) {
        for (; logged < session.callsHeard(); ++logged)
            sent.push_back({logged + 1, at, tick});
    };
    // The teacher's action: timed just before it is made.
    const auto act = [&](const UserEvent& event) {
        const long long at = nowMicroseconds();
        window.runEvent(event);
        note(at, false);
    };

    int asked = 0;
    std::pair<double, double> cpuAtGo;
    bool finished = false;
    const int spacing = questions > 0 ? ticksToRun / questions : ticksToRun + 1;
    const auto finish = [&] {
        finished = true;
        if (window.form().Timer1.Enabled) act(UserEvent{EventKind::PauseCont, 0, 0});
        const auto [user, system] = cpuSeconds();
        std::ofstream log(sendLog);
        for (const Sent& s : sent)
            log << s.number << ' ' << s.at << ' ' << (s.tick ? 1 : 0) << '\n';
        std::cout << "cpu-seconds " << (user - cpuAtGo.first) + (system - cpuAtGo.second)
                  << "\nsystem-seconds " << system - cpuAtGo.second << "\npeak-rss-kib "
                  << statusKib("VmHWM:") << "\nticks " << window.history().ticks() << std::endl;
        session.stop();
        QTimer::singleShot(500, &application, &QCoreApplication::quit);
    };
    // After every tick of the window's own clock (connected after the window's own handler).
    auto* clock = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    QObject::connect(clock, &QTimer::timeout, &window, [&] {
        if (finished) return;
        note(nowMicroseconds(), true);
        const int ticks = window.history().ticks();
        if (ticks >= ticksToRun) {
            finish();
            return;
        }
        if (ticks % 100 == 50) {
            for (std::int16_t slot = 0; slot < FlightSlots; ++slot) {
                if (!window.form().cmdPacket[static_cast<std::size_t>(slot)].Visible) continue;
                act(UserEvent{EventKind::ClickPacket, slot, 0});
                act(UserEvent{EventKind::ClickPacket, slot, 0});
                break;
            }
        }
        // Each question half-way through its share of the run, once there is something to ask.
        if (asked < questions && ticks >= spacing * asked + spacing / 2 && session.askTheRoom()) {
            const int number = ++asked;
            QTimer::singleShot(3000, [&, number] {
                std::cout << "question " << number << " answered " << session.room().answered() << std::endl;
                session.reveal();
                QTimer::singleShot(1000, [&] { session.play(); });
            });
        }
    });

    // "go" on standard input starts the run.
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line)) {
            application.quit();
            return;
        }
        if (line != "go" || window.form().Timer1.Enabled) return;
        cpuAtGo = cpuSeconds();
        act(UserEvent{EventKind::StartReset, 0, 0});
    });
    return application.exec();
}
