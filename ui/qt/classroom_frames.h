// The classroom server's WebSocket frames, made by hand: a message framed
// once goes to every phone as the same bytes, in one write straight to the
// kernel (classroom_server.h).
#pragma once

#include <QByteArray>
#include <QByteArrayList>

class QTcpSocket;

namespace classroom_frames {

// A whole text frame as a server sends it (unmasked).
QByteArray textFrame(const QByteArray& payload);
// The payloads of the frames textFrame made, one after another in `frames`.
QByteArrayList payloadsOf(const QByteArray& frames);
// Hands whole frames to a phone's socket: to the kernel at once when nothing
// of the phone's waits in Qt's buffer, else after what waits there.
void writeFrame(QTcpSocket& wire, const QByteArray& frame);

} // namespace classroom_frames
