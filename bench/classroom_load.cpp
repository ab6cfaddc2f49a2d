// The classroom load measurement: simulated phones (WebSocket clients on
// 127.0.0.1, started and stopped here, at most MostStudents of them, for at
// most the run plus two minutes) follow a teacher (classroom_teacher) through
// a run with questions to the room, and the figures of the issue come out:
// the delay from each of the teacher's actions to its arrival at every phone,
// the votes counted against the votes sent, the teacher's CPU against a run
// with no phones, and its memory growth.
//
//   classroom_load TEACHER [SECONDS [QUESTIONS]]
//
// Three runs: no phones; 300 phones; 300 phones of which 50 leave and join
// again every second, with 20 more connections that join and never read.
// Ends with a met / not met line per target.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "frontend/classroom_wire.h"

namespace {

constexpr int MostStudents = 1000;

long long nowMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// The number after "n": in a call's message, -1 for other messages; cheap, as
// 300 phones take 6,000 messages a second between them.
long long callNumber(const QString& text)
{
    if (!text.startsWith(QLatin1String("{\"k\":\"")) || text.size() < 8 || text[7] != QLatin1Char('"'))
        return -1;
    const int at = text.indexOf(QLatin1String("\"n\":"));
    if (at < 0) return -1;
    long long n = 0;
    for (int i = at + 4; i < text.size() && text[i].isDigit(); ++i)
        n = n * 10 + text[i].digitValue();
    return n;
}

struct Figures {
    std::vector<long long> delays;      // microseconds, the teacher's actions (every call but a tick)
    std::vector<long long> tickDelays;  // microseconds, the clock's ticks, which travel in batches
    std::map<int, std::set<int>> voted; // question -> phones that voted
    std::map<int, int> revealed;        // question -> votes in the revealed counts
    std::map<int, int> answered;        // question -> the teacher's count at Reveal
    double cpu = 0;
    double system = 0; // of which in the kernel
    long rssReady = 0;
    long rssPeak = 0;
    int ticks = 0;
    int rejoins = 0;
    int stalledDropped = 0;
    std::string loadBefore, loadAfter;
};

class Phone {
public:
    Phone(int index, QUrl url, std::string token, Figures& figures)
        : index_(index), url_(std::move(url)), token_(std::move(token)), figures_(figures)
    {
        device_ = classroom::tokenFrom(std::to_string(1000000007LL * (index + 1)) + "-device-of-the-room");
        open();
    }
    void open()
    {
        socket_ = std::make_unique<QWebSocket>();
        QObject::connect(socket_.get(), &QWebSocket::connected, [this] {
            socket_->sendTextMessage(QString::fromStdString(classroom::joinMessage(token_, device_)));
        });
        QObject::connect(socket_.get(), &QWebSocket::textMessageReceived,
                         [this](const QString& text) { take(text); });
        socket_->open(url_);
    }
    // Leaves as a phone going to sleep does, its last vote sent, and comes back at once.
    void rejoin()
    {
        QWebSocket* leaving = socket_.release();
        leaving->disconnect();
        QObject::connect(leaving, &QWebSocket::disconnected, leaving, &QObject::deleteLater);
        leaving->close();
        synced_ = false;
        open();
    }
    bool synced() const { return synced_; }
    void close() { socket_->close(); }

private:
    void take(const QString& text)
    {
        const long long arrived = nowMicroseconds();
        const long long n = callNumber(text);
        if (n >= 0) {
            arrivals_.emplace_back(n, arrived);
            return;
        }
        const auto message = classroom::readServerMessage(text.toStdString());
        if (!message) return;
        if (message->kind == classroom::ServerMessage::Kind::Sync) synced_ = true;
        if (message->kind != classroom::ServerMessage::Kind::Ask) return;
        const classroom::RoomView& room = message->room;
        if (room.revealed) {
            if (index_ == 0) {
                int sum = 0;
                for (const int votes : room.counts)
                    sum += votes;
                figures_.revealed[room.question * 10 + room.round] = sum;
            }
            return;
        }
        if (room.mine >= 0 || votedFor_ == room.question * 10 + room.round) return;
        votedFor_ = room.question * 10 + room.round;
        // A human's second or two to read and tap; one in ten changes their mind.
        const int choice = QRandomGenerator::global()->bounded(static_cast<int>(room.choices.size()));
        const int key = room.question * 10 + room.round;
        QTimer::singleShot(100 + QRandomGenerator::global()->bounded(1900), socket_.get(),
                           [this, room, choice, key] {
                               // A page sends only on an open socket: a phone leaving keeps its vote.
                               if (socket_->state() != QAbstractSocket::ConnectedState) return;
                               socket_->sendTextMessage(
                                   QString::fromStdString(classroom::voteMessage(room.question, choice)));
                               figures_.voted[key].insert(index_);
                               if (QRandomGenerator::global()->bounded(10) == 0)
                                   socket_->sendTextMessage(QString::fromStdString(classroom::voteMessage(
                                       room.question, (choice + 1) % static_cast<int>(room.choices.size()))));
                           });
    }

public:
    std::vector<std::pair<long long, long long>> arrivals_; // call number, microseconds

private:
    int index_;
    QUrl url_;
    std::string token_;
    std::string device_;
    Figures& figures_;
    std::unique_ptr<QWebSocket> socket_;
    bool synced_ = false;
    int votedFor_ = -1;
};

// A connection that joins and then never reads again.
std::unique_ptr<QTcpSocket> stalledConnection(quint16 port, const std::string& token, int index)
{
    auto socket = std::make_unique<QTcpSocket>();
    socket->setReadBufferSize(1024);
    QTcpSocket* raw = socket.get();
    QObject::connect(raw, &QTcpSocket::connected, [raw, token, index] {
        raw->write("GET /class HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                   "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
        const QByteArray join = QByteArray::fromStdString(classroom::joinMessage(
            token, classroom::tokenFrom("stalled-phone-number-" + std::to_string(index))));
        QByteArray frame;
        frame.append(char(0x81)).append(char(0x80 | join.size())).append(QByteArray(4, '\0')).append(join);
        raw->write(frame);
    });
    socket->connectToHost(QHostAddress::LocalHost, port);
    return socket;
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// One run of the teacher with `students` phones; empty figures when it failed.
bool measure(const QString& teacherProgram, int seconds, int questions, int students, int rejoinsPerSecond,
             int stalled, Figures& figures)
{
    QTemporaryDir scratch;
    const QString sendLog = scratch.filePath(QStringLiteral("sent.txt"));
    const quint16 port = freePort();
    QProcess teacher;
    teacher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    teacher.start(teacherProgram,
                  {QString::number(port), QString::number(seconds), QString::number(questions), sendLog});
    if (!teacher.waitForStarted(10000)) return false;
    std::string token;
    QElapsedTimer waited;
    waited.start();
    // The teacher's own lines; the join token is known to it alone, so it is handed over here.
    QString pending;
    const auto readLines = [&] {
        pending += QString::fromUtf8(teacher.readAllStandardOutput());
        while (pending.contains(QLatin1Char('\n'))) {
            const int end = pending.indexOf(QLatin1Char('\n'));
            const QStringList words = pending.left(end).split(QLatin1Char(' '));
            pending.remove(0, end + 1);
            if (words[0] == QLatin1String("ready") && words.size() >= 3) {
                figures.rssReady = words[1].toLong();
                token = words[2].toStdString();
            } else if (words[0] == QLatin1String("question") && words.size() == 4) {
                figures.answered[words[1].toInt() * 10 + 1] = words[3].toInt();
            } else if (words[0] == QLatin1String("cpu-seconds")) {
                figures.cpu = words[1].toDouble();
            } else if (words[0] == QLatin1String("system-seconds")) {
                figures.system = words[1].toDouble();
            } else if (words[0] == QLatin1String("peak-rss-kib")) {
                figures.rssPeak = words[1].toLong();
            } else if (words[0] == QLatin1String("ticks")) {
                figures.ticks = words[1].toInt();
            }
        }
    };
    QObject::connect(&teacher, &QProcess::readyReadStandardOutput, readLines);
    while (token.empty() && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (token.empty()) return false;

    const QUrl url(QStringLiteral("ws://127.0.0.1:%1/class").arg(port));
    std::vector<std::unique_ptr<Phone>> phones;
    for (int i = 0; i < std::min(students, MostStudents); ++i)
        phones.push_back(std::make_unique<Phone>(i, url, token, figures));
    while (waited.elapsed() < 60000 &&
           !std::all_of(phones.begin(), phones.end(), [](const auto& phone) { return phone->synced(); }))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::vector<std::unique_ptr<QTcpSocket>> stalls;
    for (int i = 0; i < stalled; ++i)
        stalls.push_back(stalledConnection(port, token, i));

    figures.loadBefore = loadAverage();
    teacher.write("go\n");
    QTimer rejoins;
    int next = 0;
    QObject::connect(&rejoins, &QTimer::timeout, [&] {
        for (int i = 0; i < rejoinsPerSecond && !phones.empty(); ++i, ++figures.rejoins)
            phones[static_cast<std::size_t>(next++ % static_cast<int>(phones.size()))]->rejoin();
    });
    if (rejoinsPerSecond > 0) rejoins.start(1000);
    // Bounded in time whatever happens: the run, its questions' holds, and two minutes.
    const qint64 deadline = waited.elapsed() + (seconds + questions * 5 + 120) * 1000LL;
    while (teacher.state() != QProcess::NotRunning && waited.elapsed() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    rejoins.stop();
    figures.loadAfter = loadAverage();
    if (teacher.state() != QProcess::NotRunning) {
        teacher.kill();
        teacher.waitForFinished(5000);
        return false;
    }
    readLines();
    for (const auto& stall : stalls)
        figures.stalledDropped += stall->state() == QAbstractSocket::ConnectedState ? 0 : 1;

    // A message arrives with the number of its last call; a batch of ticks stands for every one in it.
    std::map<long long, std::pair<long long, bool>> sentAt;
    std::ifstream log(sendLog.toStdString());
    long long n = 0, at = 0;
    int tick = 0;
    while (log >> n >> at >> tick)
        sentAt.emplace(n, std::pair{at, tick != 0});
    for (const auto& phone : phones) {
        long long previous = 0;
        for (const auto& [number, arrived] : phone->arrivals_) {
            const auto last = sentAt.find(number);
            if (last == sentAt.end()) continue;
            if (!last->second.second) {
                figures.delays.push_back(arrived - last->second.first);
            } else {
                for (auto call = sentAt.upper_bound(std::max(previous, number - 200));
                     call != std::next(last); ++call)
                    if (call->second.second) figures.tickDelays.push_back(arrived - call->second.first);
            }
            previous = number;
        }
        phone->close();
    }
    return true;
}

double percentile(std::vector<long long>& values, double share)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return static_cast<double>(values[at]) / 1000.0;
}

void verdict(bool met, const std::string& what, const std::string& figure, const std::string& target)
{
    std::printf("  [%s] %s: %s (target %s)\n", met ? "met" : "not met", what.c_str(), figure.c_str(),
                target.c_str());
}

// Prints a run's figures and its verdicts against the run with no phones.
void report(const char* name, Figures& figures, const Figures& alone)
{
    const double p50 = percentile(figures.delays, 0.50);
    const double p95 = percentile(figures.delays, 0.95);
    const double most = figures.delays.empty() ? 0 : static_cast<double>(figures.delays.back()) / 1000.0;
    const double tickP50 = percentile(figures.tickDelays, 0.50);
    const double tickP95 = percentile(figures.tickDelays, 0.95);
    int sent = 0, counted = 0, shown = 0;
    for (const auto& [question, phones] : figures.voted)
        sent += static_cast<int>(phones.size());
    for (const auto& [question, votes] : figures.answered)
        counted += votes;
    for (const auto& [question, votes] : figures.revealed)
        shown += votes;
    const double ratio = alone.cpu > 0 ? figures.cpu / alone.cpu : 0;
    const double growth = static_cast<double>(figures.rssPeak - figures.rssReady) / 1024.0;
    std::printf("%s (load average %s before, %s after):\n", name, figures.loadBefore.c_str(),
                figures.loadAfter.c_str());
    std::printf(
        "  %d ticks; delay from the teacher's action to each phone: median %.1f ms, 95th percentile %.1f ms, "
        "most %.1f ms (%zu arrivals)\n",
        figures.ticks, p50, p95, most, figures.delays.size());
    std::printf(
        "  the clock's ticks, sent in batches every %d ms: median %.1f ms, 95th percentile %.1f ms behind "
        "(%zu arrivals)\n",
        classroom::TickBatchMilliseconds, tickP50, tickP95, figures.tickDelays.size());
    std::printf("  votes: %d sent, %d counted at Reveal, %d in the revealed histograms (%zu questions)\n",
                sent, counted, shown, figures.answered.size());
    std::printf("  teacher CPU %.2f s (%.2f s in the kernel) against %.2f s (%.2f s) with no phones (%.2f "
                "x); memory %+.1f MB "
                "(peak %.1f MB)\n",
                figures.cpu, figures.system, alone.cpu, alone.system, ratio, growth,
                static_cast<double>(figures.rssPeak) / 1024.0);
    if (figures.rejoins > 0)
        std::printf("  %d rejoins; stalled connections dropped: %d\n", figures.rejoins,
                    figures.stalledDropped);
    char text[64];
    std::snprintf(text, sizeof text, "%.1f ms", p95);
    verdict(p95 <= 100.0 && !figures.delays.empty(), std::string(name) + ": 95th-percentile delay", text,
            "<= 100 ms");
    std::snprintf(text, sizeof text, "%d of %d", counted, sent);
    verdict(counted == sent && shown == sent && sent > 0, std::string(name) + ": votes counted", text,
            "every one, none twice");
    std::snprintf(text, sizeof text, "%.2f x", ratio);
    verdict(ratio <= 1.5, std::string(name) + ": teacher CPU against no phones", text, "<= 1.5 x");
    std::snprintf(text, sizeof text, "%.1f MB", growth);
    verdict(growth <= 50.0, std::string(name) + ": teacher memory growth", text, "<= 50 MB");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: classroom_load TEACHER [SECONDS [QUESTIONS]]\n");
        return 2;
    }
    const QString teacher = QString::fromLocal8Bit(argv[1]);
    const int seconds = argc > 2 ? std::stoi(argv[2]) : 300;
    const int questions = argc > 3 ? std::stoi(argv[3]) : 10;
    std::printf("A %d s run with %d questions to the room, phones on 127.0.0.1\n", seconds, questions);
    std::fflush(stdout);

    Figures alone;
    Figures room;
    Figures faults;
    if (!measure(teacher, seconds, questions, 0, 0, 0, alone)) {
        std::printf("  [not met] classroom: the teacher did not run\n");
        return 1;
    }
    const bool roomRan = measure(teacher, seconds, questions, 300, 0, 0, room);
    const bool faultsRan = measure(teacher, seconds, questions, 300, 50, 20, faults);
    std::printf(
        "No phones (load average %s before, %s after): teacher CPU %.2f s (%.2f s in the kernel), %d ticks, "
        "memory peak %.1f MB\n",
        alone.loadBefore.c_str(), alone.loadAfter.c_str(), alone.cpu, alone.system, alone.ticks,
        static_cast<double>(alone.rssPeak) / 1024.0);
    if (roomRan)
        report("300 phones", room, alone);
    else
        std::printf("  [not met] 300 phones: the run did not finish\n");
    if (faultsRan)
        report("300 phones, 50 rejoining a second, 20 stalled", faults, alone);
    else
        std::printf("  [not met] with faults: the run did not finish\n");
    return roomRan && faultsRan ? 0 : 1;
}
