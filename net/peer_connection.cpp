#include "net/peer_connection.h"

#include <QAbstractSocket>
#include <QIODevice>
#include <QTimer>

namespace orbel {
namespace {

// A peer that floods is read a bounded amount per turn of the event loop,
// so the window keeps painting.
constexpr qint64 ReadChunk = 16384;

}  // namespace

PeerConnection::PeerConnection(QIODevice* device, QObject* parent) : QObject(parent), device_(device) {
    connect(device_, &QIODevice::readyRead, this, &PeerConnection::readSome);
    // The end is taken in turn, after what the peer sent before it.
    auto streamEnded = [this] {
        ended_ = true;
        readLater();
    };
    connect(device_, &QIODevice::readChannelFinished, this, streamEnded);
    if (auto* socket = qobject_cast<QAbstractSocket*>(device_))
        connect(socket, &QAbstractSocket::disconnected, this, streamEnded);
}

bool PeerConnection::send(const std::string& bytes) {
    if (stopped_ || !device_->isOpen()) return false;
    if (auto* socket = qobject_cast<QAbstractSocket*>(device_);
        socket && socket->state() != QAbstractSocket::ConnectedState)
        return false;
    const qint64 written = device_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (auto* socket = qobject_cast<QAbstractSocket*>(device_)) socket->flush();
    return written == static_cast<qint64>(bytes.size());
}

void PeerConnection::stop() {
    stopped_ = true;
    readPending_ = false;
    stream_.reset();
}

std::optional<PeerMessage> PeerConnection::waitingMessage() const {
    if (stopped_ || !device_->isOpen()) return std::nullopt;
    PeerStream ahead = stream_;
    const QByteArray bytes = device_->peek(ReadChunk);
    std::string_view rest(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return ahead.next(rest);
}

PeerConnection::Hold::Hold(PeerConnection* connection) : connection_(connection) {
    if (connection_) ++connection_->holds_;
}

PeerConnection::Hold::~Hold() {
    if (!connection_) return;
    // What arrived meanwhile is read on the next turn of the event loop,
    // not from inside whatever ends this hold.
    if (--connection_->holds_ == 0 && connection_->readPending_) connection_->readLater();
}

void PeerConnection::readLater() {
    readPending_ = false;
    if (readScheduled_) return;
    readScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        readScheduled_ = false;
        readSome();
    });
}

void PeerConnection::readSome() {
    if (stopped_) return;
    if (holds_ > 0) {
        readPending_ = true;
        return;
    }
    readPending_ = false;
    const QByteArray chunk = device_->isOpen() ? device_->read(ReadChunk) : QByteArray();
    std::string_view rest(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    const QPointer<PeerConnection> alive(this);
    {
        Hold hold(this);
        while (!stopped_) {
            const std::optional<PeerMessage> m = stream_.next(rest);
            if (!m) break;
            emit messageReceived(*m);
            if (!alive) return;
        }
    }
    if (!alive || stopped_) return;
    // More waiting (a flood, or what arrived while a box was open): the next
    // turn of the event loop reads on. Once all is read, an ended stream is
    // reported.
    if (device_->bytesAvailable() > 0) {
        readLater();
    } else if (ended_ && !endReported_ && holds_ == 0 && !readPending_) {
        endReported_ = true;
        emit disconnected();
    }
}

}  // namespace orbel
