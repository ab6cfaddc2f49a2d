// A classroom session's server on the teacher's laptop: the page's site over
// HTTP (classroom_http.h) and, on the same port, one WebSocket per phone.
//
// It runs in a thread of its own (ClassroomSession starts it), so that the
// window's thread never waits on the network, and its event loop, which
// watches every phone's socket, wakes only when the network has something:
// a few times a second, not at every tick and repaint of the window.
// Everything public may be called from the window's thread: calls that act
// are carried over to the server's thread in order; the counts are atomic.
//
// The server decides nothing about the run or the room: it admits phones,
// holds each to the limits of classroom_wire.h, passes a joined phone's votes
// on (voteCast), tells of a phone joining (joined) and sends it what the
// session answers (welcome), and sends every welcomed phone what the session
// broadcasts.
//
// Limits, each refused without anything shown to anyone else:
//   - at most maxStudents sockets: one more is sent "full" and closed;
//   - a message over MaxStudentMessageBytes, not one of the three shapes, a
//     binary one, more than MaxStudentMessagesPerSecond, or a vote before a
//     join: dropped and counted; OffencesBeforeClosing of them close the socket;
//   - a join with another token than the link's: "refused", and closed;
//   - a socket that has not joined after JoinWithinMs: closed;
//   - a phone more than MaxQueuedBytes behind (beyond its catch-up): dropped,
//     so that nothing waits for it; it may join again.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "frontend/classroom_wire.h"
#include "ui/qt/classroom_http.h"

class QWebSocket;

class ClassroomServer : public QObject {
    Q_OBJECT

public:
    // A socket must join this soon after it opens.
    static constexpr qint64 JoinWithinMs = 15'000;

    // What the server has refused or dropped so far, for the tests and the load tool.
    struct Counts {
        std::atomic<quint64> messages{0}; // read from phones
        std::atomic<quint64> dropped{0};  // messages dropped (malformed, oversized, too fast, not allowed)
        std::atomic<quint64> closedOffenders{0}; // sockets closed for offending again and again
        std::atomic<quint64> refusedFull{0};     // sockets turned away: the class was full
        std::atomic<quint64> refusedToken{0};    // joins with another token than the link's
        std::atomic<quint64> droppedBehind{0};   // phones dropped for being too far behind
        std::atomic<quint64> votes{0};           // votes passed on
    };

    ClassroomServer(classroom_http::Site site, std::string joinToken);
    ~ClassroomServer() override;

    // Starts listening, in the server's own thread; false, with `error`, when
    // the port cannot be had. Call from that thread (ClassroomSession does).
    bool listen(const QHostAddress& address, quint16 port, QString* error);
    quint16 port() const { return port_; }
    void setMaxStudents(int students) { maxStudents_ = students; }
    int maxStudents() const { return maxStudents_; }

    // Phones joined now.
    int students() const { return joined_; }
    const Counts& counts() const { return counts_; }
    const std::string& joinToken() const { return token_; }
    quint64 refusedRequests() const;
    quint64 closedConnections() const;

    // From now on a phone that joins is sent `catchUp` at once, by the
    // server's thread alone; unless `askFirst`, when joined() is emitted and
    // the session's welcome() awaited (its message depends on the phone, as a
    // question's does on the phone's own vote). Ordered with the broadcasts:
    // the catch-up holds everything broadcast before it.
    void welcomeWith(const QByteArray& catchUp, bool askFirst);
    // Sends the phone that joined (joined()) what brings it up to date; from
    // then on it is sent every broadcast too.
    void welcome(quint64 student, const QByteArrayList& messages);
    // Sends `message` to every welcomed phone.
    void broadcast(const QByteArray& message);
    // Sends each welcomed phone its device's message, or `message` when it has none.
    void sendEach(const QByteArray& message, const QHash<QByteArray, QByteArray>& byDevice);
    // Tells every phone the session is over and closes every socket.
    void stop();

signals:
    // The number of phones joined changed: at once, and then at most every
    // quarter of a second while they keep changing (students() is always current).
    void studentsChanged(int students);
    // A phone joined (or joined again on the same socket, having missed a
    // message) and awaits welcome(): before welcomeWith(), or while it asks first.
    void joined(quint64 student, const QByteArray& device);
    // A joined phone's vote; the room decides whether it counts.
    void voteCast(const QByteArray& device, int question, int choice);

private:
    struct Student;
    struct Outgoing;
    // Queues what the window's thread asks to send; the server's thread sends
    // the whole queue at its next wake-up, so that messages asked for
    // together (two clicks, the ticks before an action) reach each phone in
    // one write. In the server's own thread it is sent at once.
    void post(Outgoing outgoing);
    void sendOutbox();
    void welcomeNow(Student& student, const QByteArrayList& frames);
    void admit();
    void take(Student& student, const QString& text);
    void offend(Student& student);
    void join(Student& student, const classroom::StudentMessage& message);
    // Sends a whole frame (textFrame) unless the phone is closing or too far behind.
    bool deliver(Student& student, const QByteArray& frame);
    void drop(Student& student);
    void reap();
    void sweep();
    void countJoined();

    std::string token_;
    classroom_http::SiteServer* http_ = nullptr;
    classroom_http::LimitedTcpServer* tcp_ = nullptr;
    std::vector<std::unique_ptr<Student>> students_;
    quint64 nextStudent_ = 1;
    QTimer* sweeper_ = nullptr;
    QTimer* countQuiet_ = nullptr; // after telling of a count: later changes wait for it
    int told_ = 0;                 // the count last told (studentsChanged)
    std::atomic<int> maxStudents_ = classroom::DefaultMaxStudents;
    std::atomic<int> joined_ = 0;
    std::atomic<quint16> port_ = 0;
    Counts counts_;
    std::mutex outboxLock_;
    std::vector<Outgoing> outbox_; // guarded by outboxLock_
    bool outboxPosted_ = false;    // guarded by outboxLock_: a sendOutbox() is on its way
    QByteArray catchUpFrame_;      // welcomeWith()'s, framed; empty until then
    bool askFirst_ = true;
};
