#include "ui/qt/classroom_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTimer>
#include <array>

#include "frontend/classroom_link.h"
#include "frontend/classroom_texts.h"
#include "frontend/classroom_wire.h"
#include "ui/qt/classroom_server.h"
#ifdef Q_OS_LINUX
#include "ui/qt/epoll_event_dispatcher.h"
#endif

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

std::string newToken()
{
    std::array<quint32, 4> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return classroom::tokenFrom(
        std::string_view(reinterpret_cast<const char*>(words.data()), words.size() * sizeof(quint32)));
}

constexpr ClassroomServerHelpers ServerHelpers{classroom::readStudentMessage, classroom::chooseHost};

} // namespace

ClassroomSession::ClassroomSession(const Form1& form, RunHistory& history, QObject* parent)
    : QObject(parent), form_(form), history_(history)
{
    history_.observeCalls([this](const RunHistory::Call& call, const Form1* after) { heard(call, after); });
    batch_.setSingleShot(true);
    batch_.setInterval(classroom::TickBatchMilliseconds);
    connect(&batch_, &QTimer::timeout, this, &ClassroomSession::flushTicks);
}

ClassroomSession::~ClassroomSession()
{
    history_.observeCalls(nullptr);
    stop();
}

QString ClassroomSession::siteFolder()
{
    // Installed: <prefix>/bin/sliding-window-demo beside <prefix>/share/sliding-window-demo/site.
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("../share/sliding-window-demo/site"));
    if (QFileInfo::exists(installed + QStringLiteral("/index.html"))) return QDir::cleanPath(installed);
    return QStringLiteral(SWD_BUILT_SITE);
}

bool ClassroomSession::start(const Options& options, QString* error)
{
    if (running()) return true;
    const ClassroomServerModule* module = loadClassroomServerModule(error);
    if (module == nullptr) return false;
    const QString folder = options.siteFolder.isEmpty() ? siteFolder() : options.siteFolder;

    // The server's own thread: the window never waits on the network. The
    // server is made in it, so that everything it makes (Qt's HTTP and
    // WebSocket servers, every socket) belongs to that thread from the start.
    auto thread = std::make_unique<QThread>();
    thread->setObjectName(QStringLiteral("classroom server"));
#ifdef Q_OS_LINUX
    // A wake-up of this thread then costs the sockets that are ready, not
    // every phone's socket (epoll_event_dispatcher.h); the thread owns it.
    if (auto dispatcher = EpollEventDispatcher::make()) thread->setEventDispatcher(dispatcher.release());
#endif
    auto* anchor = new QObject;
    anchor->moveToThread(thread.get());
    connect(thread.get(), &QThread::finished, anchor, &QObject::deleteLater);
    thread->start();
    ClassroomServer* server = nullptr;
    bool listening = false;
    QMetaObject::invokeMethod(
        anchor,
        [&] {
            server = module->make(folder, newToken(), ServerHelpers, error);
            if (server == nullptr) return;
            connect(QThread::currentThread(), &QThread::finished, server->object(), &QObject::deleteLater);
            server->setMaxStudents(options.maxStudents > 0 ? options.maxStudents
                                                           : classroom::DefaultMaxStudents);
            if (options.port != 0) {
                listening = server->listen(options.address, options.port, error);
            } else {
                // The usual port when it is free, so that a room's bookmarks keep working; any other when
                // not.
                listening =
                    server->listen(options.address, static_cast<quint16>(classroom::DefaultPort), nullptr) ||
                    server->listen(options.address, 0, error);
            }
        },
        Qt::BlockingQueuedConnection);
    if (!listening) {
        thread->quit();
        thread->wait();
        return false;
    }

    const std::string host = module->offeredHost(options.address, ServerHelpers);
    address_ = qs(classroom::joinAddress(host, server->port()));
    joinLink_ = qs(classroom::joinLink(host, server->port(), server->joinToken()));
    // The server's signals, by name: its class is the module's, not the window's.
    QObject* serverObject = server->object();
    connect(serverObject, SIGNAL(studentsChanged(int)), this, SIGNAL(studentsChanged(int)));
    connect(serverObject, SIGNAL(voteCast(QByteArray, int, int)), this, SLOT(takeVote(QByteArray, int, int)));
    connect(serverObject, SIGNAL(joined(quint64, QByteArray)), this, SLOT(welcomePhone(quint64, QByteArray)));
    thread_ = std::move(thread);
    server_ = server;
    sentDigest_ = classroom::digestText(form_);
    publishWelcome();
    emit studentsChanged(0);
    return true;
}

void ClassroomSession::takeVote(const QByteArray& device, int question, int choice)
{
    vote(device.toStdString(), question, choice);
}

void ClassroomSession::welcomePhone(quint64 student, const QByteArray& device)
{
    if (server_ != nullptr) server_->welcome(student, welcome(device.toStdString()));
}

void ClassroomSession::stop()
{
    if (!server_) return;
    if (room_.holdsClock()) {
        room_.close();
        emit clockHoldChanged();
        emit roomChanged();
    }
    flushTicks();
    // Every phone is told, in the server's thread, before the thread ends.
    server_->object()->disconnect(this);
    server_->stop();
    QMetaObject::invokeMethod(
        server_->object(), [] {}, Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    thread_.reset();
    server_ = nullptr;
    address_.clear();
    joinLink_.clear();
    emit studentsChanged(0);
}

int ClassroomSession::students() const { return server_ ? server_->students() : 0; }

void ClassroomSession::broadcast(const std::string& message)
{
    if (!server_) return;
    server_->broadcast(QByteArray::fromStdString(message));
    // A phone joining from now on needs this message in its catch-up.
    publishWelcome();
}

// ---------------------------------------------------------------------------
// Following the run

void ClassroomSession::heard(const RunHistory::Call& call, const Form1* after)
{
    journal_.record(call, history_);
    using Kind = RunHistory::Call::Kind;
    if (call.kind == Kind::Tick) {
        if (!server_) return;
        pendingDigests_ += classroom::digestText(after != nullptr ? *after : form_);
        if (!batch_.isActive()) batch_.start();
        return;
    }
    if (call.kind == Kind::Open) lessonQuestions_ = call.script->questions;
    flushTicks();
    // Without a session nobody hears the call: its two digests of the whole
    // state would be made for nothing (start() takes the digest afresh).
    if (server_) {
        const Form1& now = after != nullptr ? *after : form_;
        sentDigest_ = classroom::digestText(now);
        broadcast(journal_.lastMessage(now));
    }
    // A question is about the run as it stood: anything that changes what
    // comes next withdraws it (Pause and Cont only change when).
    const bool changesTheRun = call.kind == Kind::Rewind || call.kind == Kind::Open ||
                               (call.kind == Kind::Apply && call.event.kind != EventKind::Tick &&
                                call.event.kind != EventKind::PauseCont);
    if (changesTheRun && room_.holdsClock()) withdraw();
}

void ClassroomSession::flushTicks()
{
    batch_.stop();
    if (pendingDigests_.empty()) return;
    // The catch-up published with the batch stops after its last tick.
    const std::string message = journal_.ticksMessage(pendingDigests_);
    sentDigest_ = pendingDigests_.substr(pendingDigests_.size() - 16);
    pendingDigests_.clear();
    broadcast(message);
}

void ClassroomSession::publishWelcome()
{
    // What welcome() would answer while no question is up, made once for
    // every phone joining until the phones are next sent something: the
    // server's thread then welcomes them without asking this one. With a
    // question up each phone's own vote goes with it, so it asks.
    if (!server_) return;
    server_->welcomeWith(QByteArray::fromStdString(journal_.catchUpBefore(0, sentDigest_)),
                         room_.holdsClock());
}

QByteArrayList ClassroomSession::welcome(const std::string& device)
{
    // The catch-up stops where the last message to the others stopped; the
    // ticks since come to this phone with everyone's next batch. Sending the
    // batch early instead would cost every phone a message per phone joining.
    const auto held = static_cast<std::int32_t>(pendingDigests_.size() / 16);
    QByteArrayList messages{QByteArray::fromStdString(held > 0 ? journal_.catchUpBefore(held, sentDigest_)
                                                               : journal_.catchUp(form_))};
    if (room_.holdsClock())
        messages.append(QByteArray::fromStdString(classroom::askMessage(room_.view(device))));
    return messages;
}

// ---------------------------------------------------------------------------
// Asking the room

bool ClassroomSession::askTheRoom()
{
    const auto question = classroom::questionForRoom(form_, lessonQuestions_, history_.ticks(),
                                                     history_.ticksToNextScripted(), variety_++);
    if (!question) {
        emit notice(qs(std::string(classroom::texts::NothingToAsk)));
        return false;
    }
    room_.pose(*question);
    sendRoom();
    emit clockHoldChanged();
    emit roomChanged();
    return true;
}

void ClassroomSession::reveal()
{
    if (room_.stage() != classroom::Room::Stage::Voting) return;
    room_.reveal();
    sendRoom();
    emit roomChanged();
}

void ClassroomSession::voteAgain()
{
    if (!room_.voteAgain()) return;
    sendRoom();
    emit roomChanged();
}

void ClassroomSession::play()
{
    if (!room_.holdsClock()) return;
    const int question = room_.current()->number;
    room_.close();
    flushTicks();
    broadcast(classroom::closeMessage(question));
    emit roomChanged();
    emit clockHoldChanged();
    if (!form_.Timer1.Enabled && form_.cmdReset.Caption == "Reset") emit continueRequested();
}

void ClassroomSession::withdraw()
{
    const int question = room_.current()->number;
    room_.close(true);
    flushTicks();
    broadcast(classroom::closeMessage(question));
    emit notice(qs(std::string(classroom::texts::QuestionWithdrawn)));
    emit roomChanged();
    emit clockHoldChanged();
}

void ClassroomSession::sendRoom()
{
    flushTicks();
    if (!server_) return;
    // Every phone sees the question alike, but for its own vote.
    QHash<QByteArray, QByteArray> byDevice;
    for (const std::string& device : room_.voters())
        byDevice.insert(QByteArray::fromStdString(device),
                        QByteArray::fromStdString(classroom::askMessage(room_.view(device))));
    server_->sendEach(QByteArray::fromStdString(classroom::askMessage(room_.view({}))), byDevice);
    // With a question up the server asks this thread how to welcome a phone (its own vote goes with it).
    publishWelcome();
}

void ClassroomSession::vote(const std::string& device, int question, int choice)
{
    if (room_.vote(device, question, choice)) emit roomChanged();
}

bool ClassroomSession::exportAnswers(const QString& path, QString* error) const
{
    QSaveFile file(path);
    const std::string csv = classroom::answersCsv(room_.asked());
    if (!file.open(QIODevice::WriteOnly) || file.write(csv.data(), static_cast<qint64>(csv.size())) < 0 ||
        !file.commit()) {
        if (error != nullptr)
            *error = tr("The class answers could not be written to %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
