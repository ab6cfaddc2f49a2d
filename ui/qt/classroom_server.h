// A classroom session's server on the teacher's laptop: the page's site over
// HTTP (classroom_http.h) and, on the same port, one WebSocket per phone.
//
// The server decides nothing about the run or the room: it admits phones,
// holds each to the limits of classroom_wire.h, passes a joined phone's votes
// on (voteCast), sends every joined phone what the session broadcasts, and a
// joining one what the session says brings it up to date (welcome).
//
// Limits, each refused without anything shown to anyone else:
//   - at most maxStudents sockets: one more is sent "full" and closed;
//   - a message over MaxStudentMessageBytes, not one of the three shapes, a
//     binary one, more than MaxStudentMessagesPerSecond, or a vote before a
//     join: dropped and counted; OffencesBeforeClosing of them close the socket;
//   - a join with another token than the link's: "refused", and closed;
//   - a socket that has not joined after JoinWithinMs: closed;
//   - a phone more than MaxQueuedBytes behind (beyond its catch-up): dropped,
//     so the teacher's window never waits for it; it may join again.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
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
        quint64 messages = 0;        // read from phones
        quint64 dropped = 0;         // messages dropped (malformed, oversized, too fast, not allowed)
        quint64 closedOffenders = 0; // sockets closed for offending again and again
        quint64 refusedFull = 0;     // sockets turned away: the class was full
        quint64 refusedToken = 0;    // joins with another token than the link's
        quint64 droppedBehind = 0;   // phones dropped for being too far behind
        quint64 votes = 0;           // votes passed on
    };

    ClassroomServer(classroom_http::Site site, std::string joinToken, QObject* parent = nullptr);
    ~ClassroomServer() override;

    // Starts listening; false, with `error`, when the port cannot be had.
    bool listen(const QHostAddress& address, quint16 port, QString* error);
    quint16 port() const;
    void setMaxStudents(int students) { maxStudents_ = students; }
    int maxStudents() const { return maxStudents_; }

    // Phones joined now.
    int students() const { return joined_; }
    const Counts& counts() const { return counts_; }
    const std::string& joinToken() const { return token_; }
    quint64 refusedRequests() const;
    quint64 closedConnections() const;

    // What a phone is sent when it joins (again), for its device: the run so
    // far and the question as it stands.
    void setWelcome(std::function<std::vector<std::string>(const std::string& device)> welcome)
    {
        welcome_ = std::move(welcome);
    }
    // Sends `message` to every joined phone.
    void broadcast(const std::string& message);
    // Sends each joined phone its own message (its vote in a question).
    void sendEach(const std::function<std::string(const std::string& device)>& message);
    // Tells every phone the session is over and closes every socket.
    void stop();

signals:
    void studentsChanged(int students);
    // A joined phone's vote; the room decides whether it counts.
    void voteCast(const std::string& device, int question, int choice);

private:
    struct Student;
    void admit();
    void take(Student& student, const QString& text);
    void offend(Student& student);
    void join(Student& student, const classroom::StudentMessage& message);
    bool sendTo(Student& student, const std::string& message);
    void drop(Student& student);
    void reap();
    void sweep();
    void countJoined();

    std::string token_;
    classroom_http::SiteServer* http_ = nullptr;
    classroom_http::LimitedTcpServer* tcp_ = nullptr;
    std::vector<std::unique_ptr<Student>> students_;
    std::function<std::vector<std::string>(const std::string&)> welcome_;
    QTimer sweeper_;
    int maxStudents_ = classroom::DefaultMaxStudents;
    int joined_ = 0;
    Counts counts_;
};
