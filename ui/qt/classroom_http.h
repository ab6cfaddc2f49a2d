// The HTTP side of a classroom session: the page's own site files, served
// from memory to the phones of the room, and nothing else.
//
// Qt's HTTP server (a technical preview in Qt 6.4) sets no limits of its own,
// so the listening socket below sets them: how many connections at once (the
// rest wait in the system's queue until one closes), how many bytes one
// connection may send (a browser's requests are a few hundred bytes; a body
// is never wanted), and how long one may stay open. Only GET and HEAD are
// answered; only the site's files, by their exact names, are ever sent (no
// listing, no path with a folder in it). A WebSocket upgrade on the same port
// is handed to Qt's WebSocket server, which the classroom server takes from.
#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <atomic>
#include <functional>

namespace classroom_http {

// Connections served at once: a room's phones load the page a few at a time
// over several connections each; more wait their turn in the system's queue.
inline constexpr int MaxConnections = 256;
// Bytes a connection may send in all: plenty for a browser's requests.
inline constexpr qint64 MaxConnectionBytes = 64 * 1024;
// A connection still talking HTTP after this long is closed; a phone's page
// load takes a second or two.
inline constexpr qint64 ConnectionLifetimeMs = 30'000;
// A site file larger than this is not served (the engine is about 500 KB).
inline constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

// One file of the site, as sent: its bytes, gzip-compressed, and its type.
struct SiteFile {
    QByteArray bytes;
    QByteArray gzipped; // empty when compressing saves nothing
    QByteArray type;
};
using Site = QHash<QString, SiteFile>;

// The files directly in `folder` whose names are plain (letters, digits,
// '.', '-', '_'), read once; empty, with `error` set, when there are none.
Site readSite(const QString& folder, QString* error);

// The listening socket: counts its connections and their bytes, and closes
// any that overstays or oversends.
class LimitedTcpServer : public QTcpServer {
    Q_OBJECT

public:
    explicit LimitedTcpServer(QObject* parent = nullptr);
    // Connections open now that still speak HTTP.
    int httpConnections() const;
    // Connections closed for sending too much or staying too long.
    quint64 closedConnections() const { return closed_; }
    // Sockets that became WebSockets leave the count: `isWebSocket` tells them.
    void sweep(const std::function<bool(const QTcpSocket&)>& isWebSocket);
    // The connection still counted from `address` and `port`, or null: the
    // socket under a WebSocket just made, which Qt's WebSocket keeps to itself.
    QTcpSocket* connectionFrom(const QHostAddress& address, quint16 port) const;

protected:
    void incomingConnection(qintptr handle) override;

private:
    struct Tracked {
        QPointer<QTcpSocket> socket;
        QElapsedTimer age;
        qint64 bytes = 0;
    };
    void forget(QTcpSocket* socket);
    void acceptIfRoom();

    QList<Tracked> tracked_;
    std::atomic<quint64> closed_ = 0;
};

class SiteServer : public QAbstractHttpServer {
    Q_OBJECT

public:
    explicit SiteServer(Site site, QObject* parent = nullptr);
    quint64 refusedRequests() const { return refused_; }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    Site site_;
    std::atomic<quint64> refused_ = 0;
};

} // namespace classroom_http
