// The classroom server thread's event dispatcher: a thread running on it
// serves sockets, fires timers, wakes for events posted from another thread
// and ends on quit(), as with Qt's own.
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>
#include <vector>

#include "ui/qt/epoll_event_dispatcher.h"

namespace {

// Runs `work` in the thread `anchor` lives in, and waits for it.
template <typename Work> void inThread(QObject& anchor, Work&& work)
{
    QMetaObject::invokeMethod(&anchor, std::forward<Work>(work), Qt::BlockingQueuedConnection);
}

} // namespace

class EpollEventDispatcherTest : public QObject {
    Q_OBJECT

private slots:
    void aThreadOnItServesSocketsTimersAndPostedEvents();
};

void EpollEventDispatcherTest::aThreadOnItServesSocketsTimersAndPostedEvents()
{
    auto dispatcher = EpollEventDispatcher::make();
    QVERIFY(dispatcher != nullptr);
    QThread thread;
    thread.setEventDispatcher(dispatcher.release());
    QObject anchor;
    anchor.moveToThread(&thread);
    thread.start();

    // Sockets: an echo server in the thread, clients here (Qt's own dispatcher).
    std::unique_ptr<QTcpServer> server;
    std::vector<std::unique_ptr<QTcpSocket>> accepted;
    quint16 port = 0;
    inThread(anchor, [&] {
        server = std::make_unique<QTcpServer>();
        if (!server->listen(QHostAddress::LocalHost, 0)) return;
        port = server->serverPort();
        QObject::connect(server.get(), &QTcpServer::newConnection, [&] {
            while (QTcpSocket* socket = server->nextPendingConnection()) {
                accepted.emplace_back(socket);
                // A large answer waits in Qt's buffer on the write notifier.
                QObject::connect(socket, &QTcpSocket::readyRead,
                                 [socket] { socket->write(socket->readAll().toUpper()); });
            }
        });
    });
    QVERIFY(port != 0);
    constexpr int Clients = 40;
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    std::vector<QByteArray> heard(Clients);
    for (int i = 0; i < Clients; ++i) {
        clients.push_back(std::make_unique<QTcpSocket>());
        QTcpSocket* client = clients.back().get();
        QObject::connect(client, &QTcpSocket::readyRead,
                         [client, &heard, i] { heard[static_cast<std::size_t>(i)] += client->readAll(); });
        client->connectToHost(QHostAddress::LocalHost, port);
    }
    for (const auto& client : clients)
        QVERIFY(client->waitForConnected(5000));
    const QByteArray big(512 * 1024, 'a');
    for (int i = 0; i < Clients; ++i)
        clients[static_cast<std::size_t>(i)]->write(i == 0 ? big : "hello " + QByteArray::number(i));
    QTRY_VERIFY_WITH_TIMEOUT(heard[0].size() == big.size(), 10000);
    QCOMPARE(heard[0], big.toUpper());
    for (int i = 1; i < Clients; ++i)
        QTRY_COMPARE(heard[static_cast<std::size_t>(i)], "HELLO " + QByteArray::number(i));
    QTRY_COMPARE(static_cast<int>(accepted.size()), Clients);

    // Two sockets ready in one pass, the first to be served deleting the
    // other: the other's notifier, gone, must not be activated. And a socket
    // the phone closes leaves the thread's set.
    inThread(anchor, [&] {
        for (const std::size_t one : {2u, 3u}) {
            const std::size_t other = 5 - one;
            QObject::connect(accepted[one].get(), &QTcpSocket::readyRead, accepted[one].get(),
                             [&accepted, other] { accepted[other].reset(); });
        }
    });
    QMetaObject::invokeMethod(
        &anchor, [] { QThread::msleep(300); }, Qt::QueuedConnection);
    for (const std::size_t one : {2u, 3u}) {
        clients[one]->write("late");
        QVERIFY(clients[one]->waitForBytesWritten(1000));
    }
    clients[1]->disconnectFromHost();
    QTRY_VERIFY(heard[2].endsWith("LATE") || heard[3].endsWith("LATE"));
    QVERIFY(!(heard[2].endsWith("LATE") && heard[3].endsWith("LATE")));
    const auto stillOpen = [&] {
        int open = 0;
        inThread(anchor, [&] {
            for (const auto& socket : accepted)
                open += socket && socket->state() == QAbstractSocket::ConnectedState ? 1 : 0;
        });
        return open;
    };
    QTRY_COMPARE(stillOpen(), Clients - 2);
    clients[4]->write(" again");
    QTRY_COMPARE(heard[4], QByteArray("HELLO 4 AGAIN"));

    // Timers: a repeating one keeps its pace, a single shot fires once, a
    // stopped one never, and remainingTime counts down.
    std::atomic<int> repeats{0}, singleShots{0}, stopped{0}, remaining{-2};
    std::unique_ptr<QTimer> repeating, never;
    QElapsedTimer clock;
    inThread(anchor, [&] {
        repeating = std::make_unique<QTimer>();
        repeating->setTimerType(Qt::PreciseTimer);
        QObject::connect(repeating.get(), &QTimer::timeout, [&] { ++repeats; });
        repeating->start(20);
        QTimer::singleShot(50, &anchor, [&] { ++singleShots; });
        QTimer::singleShot(0, &anchor, [&] { ++singleShots; });
        never = std::make_unique<QTimer>();
        never->setSingleShot(true);
        QObject::connect(never.get(), &QTimer::timeout, [&] { ++stopped; });
        never->start(1000);
        remaining = never->remainingTime();
        never->stop();
        clock.start();
    });
    QVERIFY(remaining > 900 && remaining <= 1000);
    QTest::qWait(500);
    inThread(anchor, [&] { repeating->stop(); });
    const qint64 elapsed = clock.elapsed();
    // Twenty milliseconds apart, a little slack for a busy machine.
    QVERIFY2(repeats >= elapsed / 20 / 2 && repeats <= elapsed / 20 + 1,
             qPrintable(QStringLiteral("%1 repeats in %2 ms").arg(repeats.load()).arg(elapsed)));
    QCOMPARE(singleShots.load(), 2);
    QCOMPARE(stopped.load(), 0);

    // Posted events from here wake the thread at once, many of them in order.
    std::vector<int> order;
    QElapsedTimer took;
    took.start();
    for (int i = 0; i < 1000; ++i)
        QMetaObject::invokeMethod(
            &anchor, [&order, i] { order.push_back(i); }, Qt::QueuedConnection);
    inThread(anchor, [] {});
    QCOMPARE(order.size(), 1000u);
    QVERIFY(std::is_sorted(order.begin(), order.end()));
    QVERIFY(took.elapsed() < 2000);

    // The thread's objects go in the thread, and quit() ends its loop.
    inThread(anchor, [&] {
        accepted.clear();
        server.reset();
        repeating.reset();
        never.reset();
    });
    thread.quit();
    QVERIFY(thread.wait(5000));
}

QTEST_MAIN(EpollEventDispatcherTest)
#include "epoll_event_dispatcher_test.moc"
