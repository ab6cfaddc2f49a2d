// A classroom session's server on the teacher's laptop, as the window sees
// it: the page's site over HTTP and, on the same port, one WebSocket per
// phone (classroom_socket_server.h has how, and the limits it holds phones to).
//
// The server and Qt's network libraries behind it live in a module of their
// own (modules.h), loaded the first time a session starts, so
// that the window does not load and link them at every start-up for an
// action most runs never take. The window reaches the server only through
// this interface, and hears it through the signals of object():
//   studentsChanged(int students)  at once, and then at most every quarter
//       of a second while the count keeps changing (students() is current)
//   joined(quint64 student, const QByteArray& device)  a phone joined (or
//       joined again on the same socket, having missed a message) and awaits
//       welcome(): before welcomeWith(), or while it asks first
//   voteCast(const QByteArray& device, int question, int choice)  a joined
//       phone's vote; the room decides whether it counts
// The server runs in a thread of its own; everything here may be called
// from the window's thread (calls that act are carried over in order, the
// counts are atomic), except listen(), which is called from the server's.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>
#include <QString>
#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/classroom_wire.h"

class QObject;

class ClassroomServer {
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

    virtual ~ClassroomServer() = default;

    // The server as a QObject: its signals, its thread, deleteLater().
    virtual QObject* object() = 0;

    // Starts listening on `address` ("" for every address of the laptop), in
    // the server's own thread; false, with `error`, when the address is not
    // one or the port cannot be had.
    virtual bool listen(const QString& address, quint16 port, QString* error) = 0;
    virtual quint16 port() const = 0;
    virtual void setMaxStudents(int students) = 0;
    virtual int maxStudents() const = 0;

    // Phones joined now.
    virtual int students() const = 0;
    virtual const Counts& counts() const = 0;
    virtual const std::string& joinToken() const = 0;
    virtual quint64 refusedRequests() const = 0;
    virtual quint64 closedConnections() const = 0;

    // From now on a phone that joins is sent `catchUp` at once, by the
    // server's thread alone; unless `askFirst`, when joined() is emitted and
    // the session's welcome() awaited (its message depends on the phone, as a
    // question's does on the phone's own vote). Ordered with the broadcasts:
    // the catch-up holds everything broadcast before it.
    virtual void welcomeWith(const QByteArray& catchUp, bool askFirst) = 0;
    // Sends the phone that joined (joined()) what brings it up to date; from
    // then on it is sent every broadcast too.
    virtual void welcome(quint64 student, const QByteArrayList& messages) = 0;
    // Sends `message` to every welcomed phone.
    virtual void broadcast(const QByteArray& message) = 0;
    // Sends each welcomed phone its device's message, or `message` when it has none.
    virtual void sendEach(const QByteArray& message, const QHash<QByteArray, QByteArray>& byDevice) = 0;
    // Tells every phone the session is over and closes every socket.
    virtual void stop() = 0;
};

// The parts of the window's own code the module calls, handed to it rather
// than compiled into it a second time.
struct ClassroomServerHelpers {
    std::optional<classroom::StudentMessage> (*readStudentMessage)(std::string_view text);
    std::string (*chooseHost)(const std::vector<std::string>& addresses);
};

// What the module offers; every function is called from the thread named.
struct ClassroomServerModule {
    // Reads the page's files in `siteFolder` and makes a server for them,
    // belonging to the calling thread (the server's own); null, with `error`,
    // when there are none. Deleted through object()->deleteLater().
    ClassroomServer* (*make)(const QString& siteFolder, const std::string& joinToken,
                             const ClassroomServerHelpers& helpers, QString* error);
    // The address the phones are offered for one listened on: that one, or
    // the best of the laptop's own (helpers.chooseHost) when listening on all of them ("").
    std::string (*offeredHost)(const QString& listening, const ClassroomServerHelpers& helpers);
};

// The module's one exported symbol, a function returning its ClassroomServerModule.
inline constexpr char ClassroomServerModuleEntry[] = "swdClassroomServerModule";
using ClassroomServerModuleFunction = const ClassroomServerModule* (*)();

// Loads the module (modules.h); null, with the reason in `error`, when it cannot.
const ClassroomServerModule* loadClassroomServerModule(QString* error);
