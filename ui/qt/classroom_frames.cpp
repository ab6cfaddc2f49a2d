#include "ui/qt/classroom_frames.h"

#include <QTcpSocket>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/types.h>
#endif

namespace classroom_frames {

// A whole text frame as a server sends it (unmasked), so that a message
// leaves in one write and one packet: Qt writes a frame's header and its
// payload apart, which on a busy network doubles the packets.
QByteArray textFrame(const QByteArray& payload)
{
    const auto size = static_cast<quint64>(payload.size());
    QByteArray frame;
    frame.reserve(payload.size() + 10);
    frame.append(char(0x81)); // the last frame of a text message
    if (size < 126) {
        frame.append(char(size));
    } else if (size <= 0xFFFF) {
        frame.append(char(126)).append(char(size >> 8)).append(char(size & 0xFF));
    } else {
        frame.append(char(127));
        for (int shift = 56; shift >= 0; shift -= 8)
            frame.append(char((size >> shift) & 0xFF));
    }
    return frame.append(payload);
}

// The payloads of the frames textFrame made, one after another in `frames`.
QByteArrayList payloadsOf(const QByteArray& frames)
{
    QByteArrayList payloads;
    for (qsizetype at = 0; at + 2 <= frames.size();) {
        const auto length = static_cast<unsigned char>(frames.at(at + 1));
        const qsizetype header = length < 126 ? 2 : length == 126 ? 4 : 10;
        quint64 size = length;
        for (qsizetype i = 2; i < header; ++i)
            size = (i == 2 ? 0 : size << 8) | static_cast<unsigned char>(frames.at(at + i));
        payloads.append(frames.mid(at + header, static_cast<qsizetype>(size)));
        at += header + static_cast<qsizetype>(size);
    }
    return payloads;
}

// Hands a whole frame to the phone's socket. When nothing of the phone's
// waits in Qt's buffer, the bytes go to the kernel at once: through
// QTcpSocket every message would switch the socket's write notifier on and
// off again, each switch a system call and one more wake-up of the server's
// event loop.
// Whatever the kernel does not take waits in Qt's buffer, which sends it in
// order (and everything after it goes there too, while it waits).
void writeFrame(QTcpSocket& wire, const QByteArray& frame)
{
#if defined(Q_OS_UNIX) && defined(MSG_NOSIGNAL)
    const qintptr descriptor = wire.socketDescriptor();
    if (descriptor >= 0 && wire.bytesToWrite() == 0 && wire.state() == QAbstractSocket::ConnectedState) {
        const ssize_t sent = ::send(static_cast<int>(descriptor), frame.constData(),
                                    static_cast<std::size_t>(frame.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent == frame.size()) return;
        if (sent > 0) {
            wire.write(frame.constData() + sent, frame.size() - sent);
            return;
        }
        // Nothing taken (a full buffer, or a socket failing): Qt's buffer
        // waits for room, or meets the error and closes the socket.
    }
#endif
    wire.write(frame);
    wire.flush();
}

} // namespace classroom_frames
