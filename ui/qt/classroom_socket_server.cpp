#include "ui/qt/classroom_socket_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QSet>
#include <QTcpSocket>
#include <QThread>
#include <QWebSocket>
#include <algorithm>

#include "ui/qt/classroom_frames.h"

namespace {

using classroom_frames::payloadsOf;
using classroom_frames::textFrame;
using classroom_frames::writeFrame;

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

struct ClassroomSocketServer::Student {
    quint64 id = 0;
    std::unique_ptr<QWebSocket> socket;
    // The socket under the WebSocket, for whole frames; Qt's WebSocket owns it.
    QPointer<QTcpSocket> wire;
    QByteArray device; // empty until joined
    bool joined = false;
    bool welcomed = false; // sent its catch-up: broadcasts reach it from now on
    bool closing = false;
    bool gone = false; // disconnected, to be reaped once no loop runs over the students
    QElapsedTimer age;
    // The rate: up to MaxStudentMessagesPerSecond in any second, a token
    // bucket refilled as time passes.
    double allowance = classroom::MaxStudentMessagesPerSecond;
    qint64 lastMessageMs = 0;
    int offences = 0;
    // What its catch-up put in its queue: it may lag by this much more.
    qint64 catchUpBytes = 0;
};

// One thing the window's thread asked to send (post()).
struct ClassroomSocketServer::Outgoing {
    enum class Kind { Everyone, Each, Welcome, CatchUp };
    Kind kind = Kind::Everyone;
    QByteArray frame;                       // Everyone, Each's default, CatchUp: framed
    QHash<QByteArray, QByteArray> byDevice; // Each: a device's own message
    quint64 student = 0;                    // Welcome
    QByteArrayList messages;                // Welcome
    bool askFirst = false;                  // CatchUp
};

ClassroomSocketServer::ClassroomSocketServer(classroom_http::Site site, std::string joinToken,
                                             MessageReader read)
    : token_(std::move(joinToken)), read_(read)
{
    http_ = new classroom_http::SiteServer(std::move(site), this);
    connect(http_, &QAbstractHttpServer::newWebSocketConnection, this, &ClassroomSocketServer::admit);
    sweeper_ = new QTimer(this);
    sweeper_->setInterval(1000);
    connect(sweeper_, &QTimer::timeout, this, &ClassroomSocketServer::sweep);
    // The window shows the count a quarter of a second after it hears of a
    // change and reads it afresh then (students()): with phones coming and
    // going every second, it is told at once of a change and then at most
    // every quarter of a second, not woken for each phone.
    countQuiet_ = new QTimer(this);
    countQuiet_->setSingleShot(true);
    countQuiet_->setInterval(250);
    connect(countQuiet_, &QTimer::timeout, this, [this] {
        if (joined_ == told_) return;
        told_ = joined_.load();
        emit studentsChanged(told_);
        countQuiet_->start();
    });
}

ClassroomSocketServer::~ClassroomSocketServer()
{
    // The sockets go first, quietly: nothing may call back into a server going away.
    for (auto& student : students_)
        if (student->socket) student->socket->disconnect(this);
    students_.clear();
}

bool ClassroomSocketServer::listen(const QString& where, quint16 port, QString* error)
{
    const QHostAddress address = where.isEmpty() ? QHostAddress(QHostAddress::Any) : QHostAddress(where);
    if (address.isNull()) {
        if (error != nullptr) *error = QStringLiteral("'%1' is not an IP address").arg(where);
        return false;
    }
    auto* tcp = new classroom_http::LimitedTcpServer(this);
    if (!tcp->listen(address, port)) {
        // Translated under the name the server had before it moved into its module.
        if (error != nullptr)
            *error = QCoreApplication::translate("ClassroomServer",
                                                 "The classroom session could not listen on port %1: %2")
                         .arg(port)
                         .arg(tcp->errorString());
        tcp->deleteLater();
        return false;
    }
    tcp_ = tcp;
    port_ = tcp_->serverPort();
    http_->bind(tcp_);
    sweeper_->start();
    return true;
}

quint64 ClassroomSocketServer::refusedRequests() const { return http_->refusedRequests(); }

quint64 ClassroomSocketServer::closedConnections() const
{
    return tcp_ != nullptr ? tcp_->closedConnections() : 0;
}

// ---------------------------------------------------------------------------
// Phones arriving, talking and leaving (the server's thread)

void ClassroomSocketServer::admit()
{
    while (http_->hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = http_->nextPendingWebSocketConnection();
        if (!socket) continue;
        socket->setMaxAllowedIncomingMessageSize(classroom::MaxIncomingSocketBytes);
        socket->setMaxAllowedIncomingFrameSize(classroom::MaxIncomingSocketBytes);
        socket->setReadBufferSize(static_cast<qint64>(classroom::MaxIncomingSocketBytes) * 4);
        const auto present =
            std::count_if(students_.begin(), students_.end(), [](const auto& s) { return !s->gone; });
        if (present >= maxStudents_) {
            ++counts_.refusedFull;
            socket->sendTextMessage(latin1(classroom::FullMessage));
            socket->close(QWebSocketProtocol::CloseCodeGoingAway);
            socket.release()->deleteLater();
            continue;
        }
        auto student = std::make_unique<Student>();
        student->id = nextStudent_++;
        if (tcp_ != nullptr) student->wire = tcp_->connectionFrom(socket->peerAddress(), socket->peerPort());
        student->socket = std::move(socket);
        student->age.start();
        Student* raw = student.get();
        connect(raw->socket.get(), &QWebSocket::textMessageReceived, this,
                [this, raw](const QString& text) { take(*raw, text); });
        connect(raw->socket.get(), &QWebSocket::binaryMessageReceived, this, [this, raw] {
            ++counts_.messages;
            offend(*raw);
        });
        connect(raw->socket.get(), &QWebSocket::disconnected, this, [this, raw] { drop(*raw); });
        students_.push_back(std::move(student));
    }
}

void ClassroomSocketServer::take(Student& student, const QString& text)
{
    ++counts_.messages;
    if (student.closing) return;
    // The rate first: a flood is refused before it costs any parsing.
    const qint64 now = student.age.elapsed();
    student.allowance =
        std::min<double>(classroom::MaxStudentMessagesPerSecond,
                         student.allowance + static_cast<double>(now - student.lastMessageMs) *
                                                 classroom::MaxStudentMessagesPerSecond / 1000.0);
    student.lastMessageMs = now;
    if (student.allowance < 1.0) {
        offend(student);
        return;
    }
    student.allowance -= 1.0;
    const QByteArray bytes = text.toUtf8();
    const auto message = read_(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!message) {
        offend(student);
        return;
    }
    switch (message->kind) {
    case classroom::StudentMessage::Kind::Join:
        join(student, *message);
        break;
    case classroom::StudentMessage::Kind::Vote:
        if (!student.joined) {
            offend(student);
            break;
        }
        ++counts_.votes;
        emit voteCast(student.device, message->question, message->choice);
        break;
    case classroom::StudentMessage::Kind::Leave:
        student.closing = true;
        student.socket->close();
        break;
    }
}

void ClassroomSocketServer::offend(Student& student)
{
    ++counts_.dropped;
    if (++student.offences < classroom::OffencesBeforeClosing || student.closing) return;
    ++counts_.closedOffenders;
    student.closing = true;
    student.socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
}

void ClassroomSocketServer::join(Student& student, const classroom::StudentMessage& message)
{
    if (message.token != token_) {
        ++counts_.refusedToken;
        student.closing = true;
        student.socket->sendTextMessage(latin1(classroom::RefusedMessage));
        student.socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
        return;
    }
    // A phone joining again on the same socket (it missed a message) keeps
    // the device it first gave: one socket is one device. Until its catch-up
    // comes, it hears no broadcast: the catch-up holds everything before it.
    if (!student.joined) {
        student.device = QByteArray::fromStdString(message.device);
        student.joined = true;
        countJoined();
    }
    student.welcomed = false;
    if (!askFirst_ && !catchUpFrame_.isEmpty()) {
        // The run so far, prepared once for every phone that joins until it changes.
        welcomeNow(student, {catchUpFrame_});
        return;
    }
    emit joined(student.id, student.device);
}

void ClassroomSocketServer::welcomeNow(Student& student, const QByteArrayList& frames)
{
    if (student.closing) return;
    const qint64 before = student.socket->bytesToWrite();
    for (const QByteArray& frame : frames)
        deliver(student, frame);
    student.catchUpBytes = student.socket->bytesToWrite() - before;
    student.welcomed = true;
}

bool ClassroomSocketServer::deliver(Student& student, const QByteArray& frame)
{
    if (student.closing) return false;
    if (student.socket->bytesToWrite() >
        student.catchUpBytes + static_cast<qint64>(classroom::MaxQueuedBytes)) {
        // Too far behind: nothing may wait for one phone.
        ++counts_.droppedBehind;
        student.closing = true;
        student.socket->abort();
        return false;
    }
    if (student.wire) {
        writeFrame(*student.wire, frame);
    } else {
        // No socket of Qt's underneath (never the case with Qt's own
        // WebSocket server): the same messages, framed by QWebSocket.
        for (const QByteArray& payload : payloadsOf(frame))
            student.socket->sendTextMessage(QString::fromUtf8(payload));
        student.socket->flush();
    }
    return true;
}

void ClassroomSocketServer::drop(Student& student)
{
    // This runs inside the socket's own signal, maybe inside a loop over the
    // students (an abort disconnects at once): the student goes afterwards.
    if (student.gone) return;
    student.gone = true;
    student.closing = true;
    countJoined();
    QMetaObject::invokeMethod(this, &ClassroomSocketServer::reap, Qt::QueuedConnection);
}

void ClassroomSocketServer::reap()
{
    for (auto& student : students_) {
        if (!student->gone) continue;
        student->socket->disconnect(this);
        student->socket.release()->deleteLater();
    }
    std::erase_if(students_, [](const auto& student) { return !student->socket; });
}

void ClassroomSocketServer::countJoined()
{
    const int joined = static_cast<int>(std::count_if(
        students_.begin(), students_.end(), [](const auto& s) { return s->joined && !s->closing; }));
    if (joined == joined_) return;
    joined_ = joined;
    if (countQuiet_->isActive()) return;
    told_ = joined;
    emit studentsChanged(joined);
    countQuiet_->start();
}

void ClassroomSocketServer::sweep()
{
    for (auto& student : students_) {
        if (!student->joined && !student->closing && student->age.elapsed() > JoinWithinMs) {
            student->closing = true;
            student->socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
        }
    }
    countJoined();
    if (tcp_ == nullptr) return;
    // A student's WebSocket runs over the very socket the listener accepted:
    // one set of them, rather than every student against every connection,
    // with phones coming and going every second.
    QSet<const QTcpSocket*> wires;
    wires.reserve(static_cast<qsizetype>(students_.size()));
    for (const auto& student : students_)
        if (student->socket && student->wire) wires.insert(student->wire.data());
    tcp_->sweep([this, &wires](const QTcpSocket& socket) {
        if (wires.contains(&socket)) return true;
        return std::any_of(students_.begin(), students_.end(), [&socket](const auto& student) {
            return student->socket && !student->wire && student->socket->peerPort() == socket.peerPort() &&
                   student->socket->peerAddress() == socket.peerAddress();
        });
    });
}

// ---------------------------------------------------------------------------
// What the window's thread asks for, carried over to the server's thread in order

void ClassroomSocketServer::post(Outgoing outgoing)
{
    if (QThread::currentThread() == thread()) {
        {
            const std::lock_guard lock(outboxLock_);
            outbox_.push_back(std::move(outgoing));
        }
        sendOutbox();
        return;
    }
    const std::lock_guard lock(outboxLock_);
    outbox_.push_back(std::move(outgoing));
    if (outboxPosted_) return;
    outboxPosted_ = true;
    QMetaObject::invokeMethod(this, &ClassroomSocketServer::sendOutbox, Qt::QueuedConnection);
}

void ClassroomSocketServer::sendOutbox()
{
    std::vector<Outgoing> queued;
    {
        const std::lock_guard lock(outboxLock_);
        queued.swap(outbox_);
        outboxPosted_ = false;
    }
    // Broadcasts in a row go out together, with a question after them:
    // one write per phone. No phone joins meanwhile, so a new catch-up
    // splits nothing; a welcome does (the phone has none of the earlier ones).
    QByteArray everyone;
    const auto sendToEveryone = [this, &everyone] {
        if (everyone.isEmpty()) return;
        for (auto& student : students_)
            if (student->welcomed) deliver(*student, everyone);
        everyone.clear();
    };
    for (Outgoing& outgoing : queued) {
        switch (outgoing.kind) {
        case Outgoing::Kind::Everyone:
            everyone += outgoing.frame;
            break;
        case Outgoing::Kind::Each: {
            const QByteArray shared = everyone + outgoing.frame;
            for (auto& student : students_) {
                if (!student->welcomed) continue;
                const auto own = outgoing.byDevice.constFind(student->device);
                deliver(*student, own == outgoing.byDevice.constEnd() ? shared : everyone + textFrame(*own));
            }
            everyone.clear();
            break;
        }
        case Outgoing::Kind::Welcome:
            sendToEveryone();
            for (auto& student : students_) {
                if (student->id != outgoing.student) continue;
                QByteArrayList frames;
                for (const QByteArray& message : outgoing.messages)
                    frames.append(textFrame(message));
                welcomeNow(*student, frames);
            }
            break;
        case Outgoing::Kind::CatchUp:
            catchUpFrame_ = std::move(outgoing.frame);
            askFirst_ = outgoing.askFirst;
            break;
        }
    }
    sendToEveryone();
}

void ClassroomSocketServer::welcomeWith(const QByteArray& catchUp, bool askFirst)
{
    Outgoing outgoing;
    outgoing.kind = Outgoing::Kind::CatchUp;
    outgoing.frame = textFrame(catchUp);
    outgoing.askFirst = askFirst;
    post(std::move(outgoing));
}

void ClassroomSocketServer::welcome(quint64 student, const QByteArrayList& messages)
{
    Outgoing outgoing;
    outgoing.kind = Outgoing::Kind::Welcome;
    outgoing.student = student;
    outgoing.messages = messages;
    post(std::move(outgoing));
}

void ClassroomSocketServer::broadcast(const QByteArray& message)
{
    // Framed once: every phone is handed the same bytes.
    Outgoing outgoing;
    outgoing.frame = textFrame(message);
    post(std::move(outgoing));
}

void ClassroomSocketServer::sendEach(const QByteArray& message, const QHash<QByteArray, QByteArray>& byDevice)
{
    Outgoing outgoing;
    outgoing.kind = Outgoing::Kind::Each;
    outgoing.frame = textFrame(message);
    outgoing.byDevice = byDevice;
    post(std::move(outgoing));
}

void ClassroomSocketServer::stop()
{
    const auto stopping = [this] {
        sendOutbox(); // what was asked for before goes first
        sweeper_->stop();
        for (auto& student : students_) {
            if (student->closing) continue;
            student->closing = true;
            student->socket->sendTextMessage(latin1(classroom::EndMessage));
            student->socket->close(QWebSocketProtocol::CloseCodeGoingAway);
        }
        if (tcp_ != nullptr) tcp_->close();
        countJoined();
    };
    if (QThread::currentThread() == thread()) {
        stopping();
    } else {
        QMetaObject::invokeMethod(this, stopping, Qt::QueuedConnection);
    }
}
