// Run > Classroom Session...: the room follows the teacher's run on its
// phones and answers its questions.
//
// The session hears every call of the window's history from the program's
// start (classroom::Journal), so that a phone joining at any time rebuilds
// exactly the run on the projector; while it runs a server (ClassroomServer)
// sends each call to every phone as it happens. Asking the room poses the
// practice finder's question about the next event (or a lesson's question),
// holds the clock until the teacher plays on, and counts the phones' votes
// (classroom::Room). The window wires this object in: it forwards nothing,
// and only reads holdsClock() for its clock and passes Play's Cont on.
#pragma once

#include <QByteArrayList>
#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "core/form.h"
#include "frontend/classroom_journal.h"
#include "frontend/classroom_room.h"
#include "history/run_file.h"
#include "history/run_history.h"
#include "ui/qt/classroom_server.h"

class ClassroomSession : public QObject {
    Q_OBJECT

public:
    struct Options {
        // "" for the room's network; a single address (such as 127.0.0.1)
        // listens there only and is the address offered.
        QString address;
        quint16 port = 0;    // 0: classroom::DefaultPort, or any free one if that is taken
        int maxStudents = 0; // 0: classroom::DefaultMaxStudents
        QString siteFolder;  // "" : where the program keeps the page (siteFolder())
    };

    // Hears `history` from now on: made with the window, before any call.
    ClassroomSession(const Form1& form, RunHistory& history, QObject* parent = nullptr);
    ~ClassroomSession() override;

    // Where the installed program, or else this build, keeps the page's files.
    static QString siteFolder();

    bool start(const Options& options, QString* error);
    void stop();
    bool running() const { return server_ != nullptr; }
    // The server, which lives in a thread of its own (classroom_server.h).
    ClassroomServer* server() const { return server_; }
    // "http://192.168.1.20:8472/" and the same with the join token, for the QR code.
    QString address() const { return address_; }
    QString joinLink() const { return joinLink_; }
    int students() const;

    // Asking the room (see classroom_room.h); the clock holds while a question is posed.
    bool askTheRoom();
    void reveal();
    void voteAgain();
    // The question leaves the phones and the run plays on to its event.
    void play();
    const classroom::Room& room() const { return room_; }
    // The calls of the run heard so far (the number of the last one sent).
    std::uint64_t callsHeard() const { return journal_.number(); }
    bool holdsClock() const { return room_.holdsClock(); }
    // File > Export Class Answers: every question with its counts, no personal data.
    bool exportAnswers(const QString& path, QString* error) const;

signals:
    void studentsChanged(int students);
    // The question, its stage or its count changed.
    void roomChanged();
    void clockHoldChanged();
    // Play on a paused run: the window presses Cont, as the teacher would.
    void continueRequested();
    // A sentence for the panel: nothing to ask now, a question withdrawn, the session stopped.
    void notice(const QString& sentence);

private slots:
    // The server's signals, connected by name (classroom_server.h).
    void takeVote(const QByteArray& device, int question, int choice);
    void welcomePhone(quint64 student, const QByteArray& device);

private:
    void heard(const RunHistory::Call& call, const Form1* after);
    // Sends the ticks heard since the last batch; before anything else is sent.
    void flushTicks();
    void vote(const std::string& device, int question, int choice);
    void sendRoom();
    void withdraw();
    // Every message to the room goes through broadcast() or sendRoom(), which
    // then publish the catch-up for phones joining after it.
    void broadcast(const std::string& message);
    QByteArrayList welcome(const std::string& device);
    // Hands the server the catch-up for phones joining from now on (ClassroomServer::welcomeWith).
    void publishWelcome();

    const Form1& form_;
    RunHistory& history_;
    classroom::Journal journal_;
    classroom::Room room_;
    std::vector<RunQuestion> lessonQuestions_;
    unsigned variety_ = 0;
    std::unique_ptr<QThread> thread_;
    ClassroomServer* server_ = nullptr; // lives in thread_, and goes when it ends
    QTimer batch_;
    std::string pendingDigests_; // after each tick heard since the last batch
    std::string sentDigest_;     // after the last call the phones were sent: before the pending ticks
    QString address_;
    QString joinLink_;
};
