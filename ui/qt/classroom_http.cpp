#include "ui/qt/classroom_http.h"

#include <zlib.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QUrl>
#include <algorithm>

#include "frontend/classroom_wire.h"

namespace classroom_http {

namespace {

bool plainName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') ||
               c == QLatin1Char('-') || c == QLatin1Char('_');
    });
}

QByteArray typeOf(const QString& name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("html")) return "text/html; charset=utf-8";
    if (suffix == QLatin1String("js")) return "text/javascript; charset=utf-8";
    if (suffix == QLatin1String("css")) return "text/css; charset=utf-8";
    if (suffix == QLatin1String("json")) return "application/json";
    if (suffix == QLatin1String("svg")) return "image/svg+xml";
    if (suffix == QLatin1String("png")) return "image/png";
    if (suffix == QLatin1String("wasm")) return "application/wasm";
    return "application/octet-stream";
}

// The bytes as a gzip member, for browsers that say they take it.
QByteArray gzip(const QByteArray& bytes)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray out(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(bytes.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    return result == Z_STREAM_END && out.size() < bytes.size() ? out : QByteArray();
}

} // namespace

Site readSite(const QString& folder, QString* error)
{
    Site site;
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::Readable)) {
        if (!plainName(info.fileName()) || info.size() > MaxFileBytes) continue;
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly)) continue;
        SiteFile served;
        served.bytes = file.read(MaxFileBytes);
        served.gzipped = gzip(served.bytes);
        served.type = typeOf(info.fileName());
        site.insert(info.fileName(), served);
    }
    if (!site.contains(QStringLiteral("index.html"))) {
        if (error != nullptr)
            *error =
                QStringLiteral("The page's files are not in %1: build them with make web, or install the "
                               "program with them.")
                    .arg(QDir::toNativeSeparators(folder));
        return {};
    }
    return site;
}

// ---------------------------------------------------------------------------
// The listening socket

LimitedTcpServer::LimitedTcpServer(QObject* parent) : QTcpServer(parent) {}

int LimitedTcpServer::httpConnections() const
{
    return static_cast<int>(
        std::count_if(tracked_.begin(), tracked_.end(), [](const Tracked& t) { return !t.socket.isNull(); }));
}

void LimitedTcpServer::incomingConnection(qintptr handle)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        socket->deleteLater();
        return;
    }
    Tracked tracked;
    tracked.socket = socket;
    tracked.age.start();
    tracked_.append(tracked);
    // Connected before the HTTP server's own reader, so this sees every
    // byte before it is buffered; the server reads all there is each time.
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        for (Tracked& t : tracked_) {
            if (t.socket != socket) continue;
            t.bytes += socket->bytesAvailable();
            if (t.bytes > MaxConnectionBytes) {
                ++closed_;
                socket->abort();
            }
            return;
        }
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { forget(socket); });
    addPendingConnection(socket);
    acceptIfRoom();
}

void LimitedTcpServer::forget(QTcpSocket* socket)
{
    tracked_.removeIf([socket](const Tracked& t) { return t.socket.isNull() || t.socket == socket; });
    acceptIfRoom();
}

void LimitedTcpServer::acceptIfRoom()
{
    if (httpConnections() >= MaxConnections) {
        pauseAccepting();
    } else {
        resumeAccepting();
    }
}

QTcpSocket* LimitedTcpServer::connectionFrom(const QHostAddress& address, quint16 port) const
{
    for (const Tracked& t : tracked_)
        if (!t.socket.isNull() && t.socket->peerPort() == port && t.socket->peerAddress() == address)
            return t.socket.data();
    return nullptr;
}

void LimitedTcpServer::sweep(const std::function<bool(const QTcpSocket&)>& isWebSocket)
{
    for (Tracked& t : tracked_) {
        if (t.socket.isNull()) continue;
        if (isWebSocket(*t.socket)) {
            t.socket = nullptr; // a student's now, held to the WebSocket's limits
        } else if (t.age.elapsed() > ConnectionLifetimeMs) {
            ++closed_;
            t.socket->abort();
        }
    }
    tracked_.removeIf([](const Tracked& t) { return t.socket.isNull(); });
    acceptIfRoom();
}

// ---------------------------------------------------------------------------
// The site

SiteServer::SiteServer(Site site, QObject* parent) : QAbstractHttpServer(parent), site_(std::move(site)) {}

bool SiteServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    // Qt 6.4 asks here first about a WebSocket upgrade, and hands the socket
    // on to its WebSocket server only when this answers true having written
    // nothing: only the classroom's own path is let through.
    if (request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0)
        return request.method() == QHttpServerRequest::Method::Get &&
               request.url().path(QUrl::FullyEncoded) ==
                   QLatin1String(classroom::SocketPath.data(),
                                 static_cast<qsizetype>(classroom::SocketPath.size()));
    QHttpServerResponder responder = makeResponder(request, socket);
    using Status = QHttpServerResponder::StatusCode;
    const bool head = request.method() == QHttpServerRequest::Method::Head;
    if (request.method() != QHttpServerRequest::Method::Get && !head) {
        ++refused_;
        responder.write(QByteArray("Only GET and HEAD are answered here.\n"),
                        {{"Content-Type", "text/plain; charset=utf-8"}, {"Allow", "GET, HEAD"}},
                        Status::MethodNotAllowed);
        return true;
    }
    // The path exactly as sent: a name the site has, or the site's front page.
    // Nothing is decoded, so no escape can name a folder or another file.
    const QString path = request.url().path(QUrl::FullyEncoded);
    const QString name = path == QLatin1String("/") ? QStringLiteral("index.html") : path.mid(1);
    const auto found =
        path.startsWith(QLatin1Char('/')) && plainName(name) ? site_.constFind(name) : site_.cend();
    if (found == site_.cend() && name == QLatin1String("favicon.ico")) {
        // Browsers ask for it unbidden; the page has none, and nothing is missing.
        responder.write(QHttpServerResponder::StatusCode::NoContent);
        return true;
    }
    if (found == site_.cend()) {
        ++refused_;
        responder.write(QByteArray("Not found.\n"), {{"Content-Type", "text/plain; charset=utf-8"}},
                        Status::NotFound);
        return true;
    }
    const bool compressed = !found->gzipped.isEmpty() && request.value("Accept-Encoding").contains("gzip");
    const QByteArray& body = compressed ? found->gzipped : found->bytes;
    responder.writeStatusLine(Status::Ok);
    responder.writeHeader("Content-Type", found->type);
    responder.writeHeader("Content-Length", QByteArray::number(body.size()));
    if (compressed) responder.writeHeader("Content-Encoding", "gzip");
    responder.writeHeader("Vary", "Accept-Encoding");
    responder.writeHeader("Cache-Control", "no-cache");
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    // The join token is in the page's address: it goes nowhere else.
    responder.writeHeader("Referrer-Policy", "no-referrer");
    if (head) {
        responder.writeBody(QByteArray());
    } else {
        responder.writeBody(body);
    }
    return true;
}

void SiteServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    ++refused_;
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

} // namespace classroom_http
