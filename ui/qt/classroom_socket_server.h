// The classroom server (classroom_server.h) itself, in the module that alone
// links Qt's network libraries: the page's site over
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
#include "ui/qt/classroom_server.h"

class QWebSocket;

class ClassroomSocketServer : public QObject, public ClassroomServer {
    Q_OBJECT

public:
    using MessageReader = std::optional<classroom::StudentMessage> (*)(std::string_view text);
    // `read` is classroom::readStudentMessage, handed over by the window.
    ClassroomSocketServer(classroom_http::Site site, std::string joinToken, MessageReader read);
    ~ClassroomSocketServer() override;

    QObject* object() override { return this; }
    bool listen(const QString& address, quint16 port, QString* error) override;
    quint16 port() const override { return port_; }
    void setMaxStudents(int students) override { maxStudents_ = students; }
    int maxStudents() const override { return maxStudents_; }
    int students() const override { return joined_; }
    const Counts& counts() const override { return counts_; }
    const std::string& joinToken() const override { return token_; }
    quint64 refusedRequests() const override;
    quint64 closedConnections() const override;
    void welcomeWith(const QByteArray& catchUp, bool askFirst) override;
    void welcome(quint64 student, const QByteArrayList& messages) override;
    void broadcast(const QByteArray& message) override;
    void sendEach(const QByteArray& message, const QHash<QByteArray, QByteArray>& byDevice) override;
    void stop() override;

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
    MessageReader read_;
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
