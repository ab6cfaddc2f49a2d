// Run > Classroom Session... on the desktop, on 127.0.0.1 only: the site's
// files and nothing else over HTTP, phones following the run over WebSockets,
// a question to the room held on the projector until Play, and every limit a
// phone is held to refused as it should be.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebSocket>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "frontend/classroom_journal.h"
#include "frontend/classroom_texts.h"
#include "frontend/classroom_wire.h"
#include "tests/qt/window_support.h"
#include "ui/qt/classroom_panel.h"
#include "ui/qt/classroom_server.h"
#include "ui/qt/classroom_session.h"
#include "ui/qt/modules.h"
#include "ui/qt/printing_module.h"

using namespace window_support;

namespace {

// A phone's socket: everything it is sent, in order.
struct Phone {
    QWebSocket socket;
    QStringList heard;
    bool closed = false;

    explicit Phone(const QUrl& url)
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived,
                         [this](const QString& text) { heard << text; });
        QObject::connect(&socket, &QWebSocket::disconnected, [this] { closed = true; });
        socket.open(url);
    }
    bool waitOpen()
    {
        return QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000);
    }
    void send(const std::string& text) { socket.sendTextMessage(QString::fromStdString(text)); }
    std::optional<classroom::ServerMessage> last() const
    {
        return heard.isEmpty() ? std::nullopt : classroom::readServerMessage(heard.back().toStdString());
    }
};

// One HTTP request on a connection of its own; the whole answer. The server
// runs in this thread, so the client waits in the event loop, never blocking.
QByteArray ask(quint16 port, const QByteArray& request)
{
    QTcpSocket socket;
    QByteArray answer;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { answer += socket.readAll(); });
    QObject::connect(&socket, &QTcpSocket::connected, [&] { socket.write(request); });
    socket.connectToHost(QHostAddress::LocalHost, port);
    (void)QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 3000);
    return answer;
}

} // namespace

class ClassroomSessionTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void theSiteAndNothingElseIsServed();
    void phonesFollowTheRunAndAnswerTheRoom();
    void everyLimitIsRefused();
    void aBurstOfPhonesIsToldAsItSettles();
    void modulesLoadAndAMissingOneIsTold();

private:
    QTemporaryDir site_;
    std::unique_ptr<MainWindow> window_;
    quint16 port_ = 0;
    QUrl socketUrl() const { return QUrl(QStringLiteral("ws://127.0.0.1:%1/class").arg(port_)); }
    std::string token() const { return window_->classroom()->server()->joinToken(); }
    std::string device(char c) const { return std::string(classroom::TokenCharacters, c); }
};

void ClassroomSessionTest::init()
{
    QVERIFY(site_.isValid());
    for (const auto& [name, text] : {std::pair{"index.html", "<!doctype html><title>page</title>"},
                                     std::pair{"app.js", "console.log('the page');"}}) {
        QFile file(site_.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(text).repeated(40));
    }
    QDir(site_.path()).mkdir(QStringLiteral("inner"));
    window_ = std::make_unique<MainWindow>();
    window_->show();
    ClassroomSession::Options options;
    options.address = QStringLiteral("127.0.0.1");
    options.siteFolder = site_.path();
    QVERIFY2(window_->startClassroom(options), qPrintable(window_->lastRefusal()));
    port_ = window_->classroom()->server()->port();
    QVERIFY(window_->classroom()->address().startsWith(QStringLiteral("http://127.0.0.1:")));
    QVERIFY(window_->classroom()->joinLink().contains(QStringLiteral("?follow=")));
    QVERIFY(window_->classroomPanel()->isVisible());
}

void ClassroomSessionTest::theSiteAndNothingElseIsServed()
{
    const QByteArray page = ask(port_, "GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    QVERIFY2(page.startsWith("HTTP/1.1 200"), page.left(200).constData());
    QVERIFY(page.contains("<title>page</title>"));
    const QByteArray head = ask(port_, "HEAD /app.js HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    QVERIFY(head.startsWith("HTTP/1.1 200"));
    QVERIFY(head.contains("Content-Length: 960"));
    QVERIFY(!head.contains("the page"));
    const QByteArray zipped =
        ask(port_, "GET /app.js HTTP/1.1\r\nHost: x\r\nAccept-Encoding: gzip\r\nConnection: close\r\n\r\n");
    QVERIFY(zipped.contains("Content-Encoding: gzip"));

    for (const char* path : {"/../index.html", "/%2e%2e/%2e%2e/etc/passwd", "/inner", "/inner/",
                             "/..%2findex.html", "/index.html/", "/.hidden", "/nothing.js", "//etc/passwd"}) {
        const QByteArray answer =
            ask(port_, QByteArray("GET ") + path + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
        QVERIFY2(answer.startsWith("HTTP/1.1 404"), path);
    }
    const QByteArray post =
        ask(port_, "POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\nConnection: close\r\n\r\nabc");
    QVERIFY(post.startsWith("HTTP/1.1 405"));
    QVERIFY(post.contains("Allow: GET, HEAD"));

    // A body far past what a browser sends: the connection is closed, the laptop buffers none of it.
    QTcpSocket flood;
    flood.connectToHost(QHostAddress::LocalHost, port_);
    QVERIFY(QTest::qWaitFor([&] { return flood.state() == QAbstractSocket::ConnectedState; }, 3000));
    flood.write("POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 100000000\r\n\r\n");
    const QByteArray chunk(64 * 1024, 'x');
    for (int i = 0; i < 64 && flood.state() == QAbstractSocket::ConnectedState; ++i) {
        flood.write(chunk);
        QTest::qWait(5);
    }
    QVERIFY(QTest::qWaitFor([&] { return flood.state() != QAbstractSocket::ConnectedState; }, 5000));
    QVERIFY(window_->classroom()->server()->closedConnections() >= 1);
}

void ClassroomSessionTest::phonesFollowTheRunAndAnswerTheRoom()
{
    Phone early(socketUrl());
    QVERIFY(early.waitOpen());
    early.send(classroom::joinMessage(token(), device('a')));
    QTRY_COMPARE(window_->classroom()->students(), 1);
    QTRY_VERIFY(early.last() && early.last()->kind == classroom::ServerMessage::Kind::Sync);

    window_->runEvent(box(OptionBox::SlowStart));
    window_->runEvent({EventKind::StartReset, 0, 0});
    steps(*window_, 30);
    QVERIFY(loseAPacket(*window_));
    steps(*window_, 60);
    Phone late(socketUrl());
    QVERIFY(late.waitOpen());
    late.send(classroom::joinMessage(token(), device('b')));
    QTRY_COMPARE(window_->classroom()->students(), 2);
    QVERIFY(window_->rewindTo(60));
    steps(*window_, 30);
    // One more joins while the clock runs, between two batches of its ticks.
    window_->runEvent({EventKind::PauseCont, 0, 0});
    QVERIFY(find<QTimer>(*window_, QStringLiteral("Timer1"))->isActive());
    QTest::qWait(120);
    Phone between(socketUrl());
    QVERIFY(between.waitOpen());
    between.send(classroom::joinMessage(token(), device('c')));
    QTRY_COMPARE(window_->classroom()->students(), 3);
    QTest::qWait(700);
    window_->runEvent({EventKind::PauseCont, 0, 0});

    // Every phone, replaying what it heard, stands where the window stands.
    const std::string teacher = classroom::digestText(window_->form());
    for (Phone* phone : {&early, &late, &between}) {
        QTRY_VERIFY(phone->last() && phone->last()->digest == teacher);
        Form1 form;
        form.Form_Load();
        std::optional<RunHistory> history;
        classroom::Follower follower;
        for (const QString& text : phone->heard) {
            const auto message = classroom::readServerMessage(text.toStdString());
            QVERIFY(message);
            QCOMPARE(follower.take(*message, form, history), classroom::Follower::Outcome::Applied);
            QCOMPARE(follower.advance(std::numeric_limits<std::int32_t>::max(), form, *history),
                     classroom::Follower::Outcome::Applied);
        }
        QCOMPARE(classroom::digestText(form), teacher);
    }
    between.socket.close();
    QTRY_COMPARE(window_->classroom()->students(), 2);

    // Ask the room: the clock holds, the phones get the question, votes are counted once per device.
    auto* panel = window_->classroomPanel();
    window_->runEvent({EventKind::PauseCont, 0, 0}); // Cont: the run goes on
    QVERIFY(window_->classroom()->askTheRoom());
    QVERIFY(!find<QTimer>(*window_, QStringLiteral("Timer1"))->isActive());
    QTRY_VERIFY(late.last() && late.last()->kind == classroom::ServerMessage::Kind::Ask);
    const classroom::RoomView asked = late.last()->room;
    QVERIFY(!asked.revealed);
    QVERIFY(asked.choices.size() >= 2);
    early.send(classroom::voteMessage(asked.question, 0));
    late.send(classroom::voteMessage(asked.question, asked.choices.size() > 1 ? 1 : 0));
    late.send(classroom::voteMessage(asked.question, 0)); // changed, not added
    QTRY_COMPARE(window_->classroom()->room().answered(), 2);
    QTRY_COMPARE(window_->classroom()->room().counts()[0], 2);
    QTRY_COMPARE(find<QLabel>(*panel, QStringLiteral("classroomAnswered"))->text(),
                 QStringLiteral("2 of 2 have answered"));

    window_->classroom()->reveal();
    QTRY_VERIFY(early.last() && early.last()->room.revealed);
    QCOMPARE(early.last()->room.counts[0], 2);
    QCOMPARE(early.last()->room.mine, 0);
    QCOMPARE(early.last()->room.right, window_->classroom()->room().current()->question.right);
    QVERIFY(find<QWidget>(*panel, QStringLiteral("classroomHistogram"))->isVisible());

    const std::int32_t before = window_->history().ticks();
    window_->classroom()->play();
    QTRY_VERIFY(early.last() && early.last()->kind == classroom::ServerMessage::Kind::Calls);
    QTRY_VERIFY(window_->history().ticks() > before);

    // After class: the counts, and nothing of any phone's.
    QTemporaryDir out;
    const QString csv = out.filePath(QStringLiteral("answers.csv"));
    QVERIFY(window_->exportClassAnswers(csv));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray table = file.readAll();
    QVERIFY(table.startsWith("question,round,prompt,choice,right,votes,withdrawn\r\n"));
    QVERIFY(!table.contains(QByteArray::fromStdString(device('a'))));

    // Stop: every phone is told, and the panel closes.
    find<QPushButton>(*panel, QStringLiteral("classroomStop"))->click();
    QTRY_VERIFY(early.closed);
    QVERIFY(early.heard.contains(QString::fromLatin1(classroom::EndMessage.data())));
}

void ClassroomSessionTest::aBurstOfPhonesIsToldAsItSettles()
{
    // The server tells the window of the count at most every quarter of a
    // second while phones come and go: the last count told, and the panel,
    // must still end on the true count, however the burst fell.
    QSignalSpy told(window_->classroom()->server()->object(), SIGNAL(studentsChanged(int)));
    std::vector<std::unique_ptr<Phone>> phones;
    for (char c = 'a'; c < 'i'; ++c) {
        phones.push_back(std::make_unique<Phone>(socketUrl()));
        QVERIFY(phones.back()->waitOpen());
        phones.back()->send(classroom::joinMessage(token(), device(c)));
    }
    QTRY_COMPARE(window_->classroom()->students(), 8);
    for (int i = 0; i < 3; ++i)
        phones[static_cast<std::size_t>(i)]->socket.close();
    QTRY_COMPARE(window_->classroom()->students(), 5);
    QTRY_VERIFY(!told.isEmpty() && told.last().at(0).toInt() == 5);
    QTRY_COMPARE(find<QLabel>(*window_->classroomPanel(), QStringLiteral("classroomStudents"))->text(),
                 QString::fromStdString(classroom::texts::studentsText(5)));
}

void ClassroomSessionTest::everyLimitIsRefused()
{
    ClassroomServer& server = *window_->classroom()->server();
    const auto& counts = server.counts();

    // No join, no vote: a vote before a join is dropped.
    Phone stranger(socketUrl());
    QVERIFY(stranger.waitOpen());
    stranger.send(classroom::voteMessage(1, 0));
    QTRY_COMPARE(counts.dropped, 1u);
    QCOMPARE(counts.votes, 0u);
    // Another session's token: refused and closed.
    stranger.send(classroom::joinMessage(std::string(22, 'z'), device('s')));
    QTRY_VERIFY(stranger.closed);
    QCOMPARE(counts.refusedToken, 1u);
    QVERIFY(stranger.heard.contains(QString::fromLatin1(classroom::RefusedMessage.data())));

    // Too fast: past ten a second, dropped. Oversized, malformed and binary:
    // dropped. Kept up, the socket is closed.
    Phone rude(socketUrl());
    QVERIFY(rude.waitOpen());
    rude.send(classroom::joinMessage(token(), device('r')));
    QTRY_COMPARE(server.students(), 1);
    QTest::qWait(1100); // a full allowance again
    for (int i = 0; i < 15; ++i)
        rude.send(classroom::voteMessage(1, 0));
    QTRY_COMPARE(counts.votes + counts.dropped, 16u);
    QVERIFY2(counts.votes >= 10 && counts.votes <= 11, qPrintable(QString::number(counts.votes)));
    QTest::qWait(1100);
    const quint64 dropped = counts.dropped;
    rude.send(R"({"k":"vote","q":1,"c":0})" + std::string(classroom::MaxStudentMessageBytes, ' '));
    rude.send(R"({"k":"a","e":[1,0,0]})"); // a phone cannot drive the teacher's run
    rude.socket.sendBinaryMessage(QByteArray("\x01\x02"));
    QTRY_COMPARE(counts.dropped, dropped + 3);
    QVERIFY(!rude.closed);
    QCOMPARE(window_->form().cmdReset.Caption, std::string("Start"));
    for (int i = 0; i < 40; ++i)
        rude.send("{\"k\":");
    QTRY_VERIFY(rude.closed);
    QCOMPARE(counts.closedOffenders, 1u);
    QTRY_COMPARE(server.students(), 0);

    // A room of two: the third phone is told the class is full.
    server.setMaxStudents(2);
    Phone one(socketUrl());
    Phone two(socketUrl());
    QVERIFY(one.waitOpen() && two.waitOpen());
    Phone three(socketUrl());
    QTRY_VERIFY(three.closed);
    QVERIFY(three.heard.contains(QString::fromLatin1(classroom::FullMessage.data())));
    QCOMPARE(counts.refusedFull, 1u);

    // A phone that stops reading is dropped once far behind; the window never waits for it.
    one.send(classroom::joinMessage(token(), device('1')));
    QTRY_COMPARE(server.students(), 1);
    two.socket.abort();
    QTcpSocket stalled;
    stalled.setReadBufferSize(1024);
    stalled.connectToHost(QHostAddress::LocalHost, port_);
    QVERIFY(QTest::qWaitFor([&] { return stalled.state() == QAbstractSocket::ConnectedState; }, 3000));
    stalled.write("GET /class HTTP/1.1\r\nHost: x\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                  "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
    QTRY_VERIFY(stalled.bytesAvailable() > 0);
    // A join frame, masked as a client's must be.
    const QByteArray join = QByteArray::fromStdString(classroom::joinMessage(token(), device('z')));
    QByteArray frame;
    frame.append(char(0x81)).append(char(0x80 | join.size())).append(QByteArray(4, '\0')).append(join);
    stalled.write(frame);
    QTRY_COMPARE(server.students(), 2);
    const std::string big(60 * 1024, 'x');
    QElapsedTimer took;
    took.start();
    for (int i = 0; i < 400 && counts.droppedBehind == 0; ++i) {
        server.broadcast(QByteArray::fromStdString(big));
        QTest::qWait(1);
    }
    QCOMPARE(counts.droppedBehind, 1u);
    QTRY_COMPARE(server.students(), 1);
    QVERIFY(!one.closed);
}

// The server and printing are modules loaded on first use: both are found
// from the build, and one that is not there is reported by name, not a crash.
void ClassroomSessionTest::modulesLoadAndAMissingOneIsTold()
{
    QString error;
    const PrintingModule* printing = loadPrintingModule(&error);
    QVERIFY2(printing != nullptr && printing->print != nullptr, qPrintable(error));
    QVERIFY(loadModuleEntry(QStringLiteral("libsliding-window-classroom.so"), "noSuchEntry", &error) ==
            nullptr);
    QVERIFY2(error.contains(QStringLiteral("could not be loaded")), qPrintable(error));
    QVERIFY(loadModuleEntry(QStringLiteral("libsliding-window-nonesuch.so"), PrintingModuleEntry, &error) ==
            nullptr);
    QVERIFY2(error.contains(QStringLiteral("libsliding-window-nonesuch.so is missing")), qPrintable(error));
}

QTEST_MAIN(ClassroomSessionTest)
#include "classroom_session_test.moc"
