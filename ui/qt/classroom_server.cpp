#include "ui/qt/classroom_server.h"

#include <QElapsedTimer>
#include <QWebSocket>
#include <algorithm>

struct ClassroomServer::Student {
    std::unique_ptr<QWebSocket> socket;
    std::string device; // "" until joined
    bool joined = false;
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

ClassroomServer::ClassroomServer(classroom_http::Site site, std::string joinToken, QObject* parent)
    : QObject(parent), token_(std::move(joinToken))
{
    http_ = new classroom_http::SiteServer(std::move(site), this);
    connect(http_, &QAbstractHttpServer::newWebSocketConnection, this, &ClassroomServer::admit);
    sweeper_.setInterval(1000);
    connect(&sweeper_, &QTimer::timeout, this, &ClassroomServer::sweep);
}

ClassroomServer::~ClassroomServer()
{
    // The sockets go first, quietly: nothing may call back into a server going away.
    for (auto& student : students_)
        student->socket->disconnect(this);
    students_.clear();
}

bool ClassroomServer::listen(const QHostAddress& address, quint16 port, QString* error)
{
    tcp_ = new classroom_http::LimitedTcpServer(this);
    if (!tcp_->listen(address, port)) {
        if (error != nullptr)
            *error = tr("The classroom session could not listen on port %1: %2")
                         .arg(port)
                         .arg(tcp_->errorString());
        tcp_->deleteLater();
        tcp_ = nullptr;
        return false;
    }
    http_->bind(tcp_);
    sweeper_.start();
    return true;
}

quint16 ClassroomServer::port() const { return tcp_ != nullptr ? tcp_->serverPort() : 0; }

quint64 ClassroomServer::refusedRequests() const { return http_->refusedRequests(); }

quint64 ClassroomServer::closedConnections() const { return tcp_ != nullptr ? tcp_->closedConnections() : 0; }

void ClassroomServer::admit()
{
    while (http_->hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = http_->nextPendingWebSocketConnection();
        if (!socket) continue;
        socket->setMaxAllowedIncomingMessageSize(classroom::MaxIncomingSocketBytes);
        socket->setMaxAllowedIncomingFrameSize(classroom::MaxIncomingSocketBytes);
        socket->setReadBufferSize(static_cast<qint64>(classroom::MaxIncomingSocketBytes) * 4);
        if (socket->requestUrl().path() != QLatin1String(classroom::SocketPath.data())) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            socket.release()->deleteLater();
            continue;
        }
        const auto present =
            std::count_if(students_.begin(), students_.end(), [](const auto& s) { return !s->gone; });
        if (present >= maxStudents_) {
            ++counts_.refusedFull;
            socket->sendTextMessage(QString::fromLatin1(
                classroom::FullMessage.data(), static_cast<qsizetype>(classroom::FullMessage.size())));
            socket->close(QWebSocketProtocol::CloseCodeGoingAway);
            socket.release()->deleteLater();
            continue;
        }
        auto student = std::make_unique<Student>();
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

void ClassroomServer::take(Student& student, const QString& text)
{
    ++counts_.messages;
    if (student.closing) return;
    // The rate first: a flood is refused before it costs any parsing.
    const qint64 now = student.age.elapsed();
    student.allowance = std::min<double>(
        classroom::MaxStudentMessagesPerSecond,
        student.allowance + (now - student.lastMessageMs) * classroom::MaxStudentMessagesPerSecond / 1000.0);
    student.lastMessageMs = now;
    if (student.allowance < 1.0) {
        offend(student);
        return;
    }
    student.allowance -= 1.0;
    const QByteArray bytes = text.toUtf8();
    const auto message = classroom::readStudentMessage(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
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

void ClassroomServer::offend(Student& student)
{
    ++counts_.dropped;
    if (++student.offences < classroom::OffencesBeforeClosing || student.closing) return;
    ++counts_.closedOffenders;
    student.closing = true;
    student.socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
}

void ClassroomServer::join(Student& student, const classroom::StudentMessage& message)
{
    if (message.token != token_) {
        ++counts_.refusedToken;
        student.closing = true;
        student.socket->sendTextMessage(QString::fromLatin1(
            classroom::RefusedMessage.data(), static_cast<qsizetype>(classroom::RefusedMessage.size())));
        student.socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
        return;
    }
    // A phone joining again on the same socket (it missed a message) keeps
    // the device it first gave: one socket is one device.
    if (!student.joined) {
        student.device = message.device;
        student.joined = true;
        countJoined();
    }
    if (!welcome_) return;
    const qint64 before = student.socket->bytesToWrite();
    for (const std::string& text : welcome_(student.device))
        sendTo(student, text);
    student.catchUpBytes = student.socket->bytesToWrite() - before;
}

bool ClassroomServer::sendTo(Student& student, const std::string& message)
{
    if (student.closing) return false;
    if (student.socket->bytesToWrite() >
        student.catchUpBytes + static_cast<qint64>(classroom::MaxQueuedBytes)) {
        // Too far behind: the window must never wait for one phone.
        ++counts_.droppedBehind;
        student.closing = true;
        student.socket->abort();
        return false;
    }
    student.socket->sendTextMessage(
        QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    return true;
}

void ClassroomServer::broadcast(const std::string& message)
{
    const QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
    for (auto& student : students_) {
        if (!student->joined || student->closing) continue;
        if (student->socket->bytesToWrite() >
            student->catchUpBytes + static_cast<qint64>(classroom::MaxQueuedBytes)) {
            ++counts_.droppedBehind;
            student->closing = true;
            student->socket->abort();
            continue;
        }
        student->socket->sendTextMessage(text);
    }
}

void ClassroomServer::sendEach(const std::function<std::string(const std::string& device)>& message)
{
    for (auto& student : students_)
        if (student->joined && !student->closing) sendTo(*student, message(student->device));
}

void ClassroomServer::drop(Student& student)
{
    // This runs inside the socket's own signal, maybe inside a loop over the
    // students (an abort disconnects at once): the student goes afterwards.
    if (student.gone) return;
    student.gone = true;
    student.closing = true;
    countJoined();
    QMetaObject::invokeMethod(this, &ClassroomServer::reap, Qt::QueuedConnection);
}

void ClassroomServer::reap()
{
    for (auto& student : students_) {
        if (!student->gone) continue;
        student->socket->disconnect(this);
        student->socket.release()->deleteLater();
    }
    std::erase_if(students_, [](const auto& student) { return !student->socket; });
}

void ClassroomServer::countJoined()
{
    const int joined = static_cast<int>(std::count_if(
        students_.begin(), students_.end(), [](const auto& s) { return s->joined && !s->closing; }));
    if (joined == joined_) return;
    joined_ = joined;
    emit studentsChanged(joined_);
}

void ClassroomServer::sweep()
{
    for (auto& student : students_) {
        if (!student->joined && !student->closing && student->age.elapsed() > JoinWithinMs) {
            student->closing = true;
            student->socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
        }
    }
    countJoined();
    if (tcp_ == nullptr) return;
    tcp_->sweep([this](const QTcpSocket& socket) {
        return std::any_of(students_.begin(), students_.end(), [&socket](const auto& student) {
            return student->socket->peerPort() == socket.peerPort() &&
                   student->socket->peerAddress() == socket.peerAddress();
        });
    });
}

void ClassroomServer::stop()
{
    sweeper_.stop();
    for (auto& student : students_) {
        if (student->closing) continue;
        student->closing = true;
        student->socket->sendTextMessage(QString::fromLatin1(
            classroom::EndMessage.data(), static_cast<qsizetype>(classroom::EndMessage.size())));
        student->socket->close(QWebSocketProtocol::CloseCodeGoingAway);
    }
    if (tcp_ != nullptr) tcp_->close();
    countJoined();
}
