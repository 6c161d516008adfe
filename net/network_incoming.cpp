// The door of the session: callers as they connect. One request is answered
// at a time; a caller while it is (or while its last box is up) is turned
// away as busy; a caller that does not name itself in time is let go; and
// an address that keeps wasting the user's time is ignored for a while.
#include <QTcpSocket>

#include "net/network_session.h"

namespace orbel {
namespace {

CallerGuard::Address guardKey(const QHostAddress& address) {
    bool v4 = false;
    const quint32 ipv4 = address.toIPv4Address(&v4);
    const Q_IPV6ADDR bytes = v4 ? QHostAddress(ipv4).toIPv6Address() : address.toIPv6Address();
    CallerGuard::Address key{};
    for (std::size_t i = 0; i < key.size(); ++i) key[i] = bytes[static_cast<int>(i)];
    return key;
}

}  // namespace

void NetworkSession::strike(const QHostAddress& address) {
    callers_.strike(guardKey(address), CallerGuard::Clock::now(), ignoreFor);
}

void NetworkSession::acceptIncoming() {
    while (listener_.hasPendingConnections()) {
        QTcpSocket* incoming = listener_.nextPendingConnection();
        if (!incoming) {
            emit failed(NetFailure::AcceptFailed);
            break;
        }
        const QHostAddress from = incoming->peerAddress();
        if (callers_.ignored(guardKey(from), CallerGuard::Clock::now())) {
            // Closed unread, unanswered and untold.
            incoming->abort();
            delete incoming;
            continue;
        }
        if (keepsGame()) {
            holdIncoming(incoming);
            continue;
        }
        if (state_ != State::Idle || endingRequest_) {
            const bool answering = state_ == State::Answering || state_ == State::Deciding || endingRequest_;
            strike(from);
            turnAway(incoming);
            if (answering) emit callTurnedAway(addressText(from));
            continue;
        }
        takeCall(incoming);
    }
}

void NetworkSession::turnAway(QTcpSocket* incoming) {
    // Busy with a game or with setting one up: the caller is turned away and
    // the connection in hand is kept.
    incoming->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    const std::string deny = bareMessage(PeerCommand::Deny);
    const bool sent = incoming->write(deny.data(), static_cast<qint64>(deny.size())) ==
                      static_cast<qint64>(deny.size());
    incoming->flush();
    // Watched before it is closed: with nothing left to send it closes at
    // once, and a socket whose end went unseen would stay with the listener.
    connect(incoming, &QTcpSocket::disconnected, incoming, &QObject::deleteLater);
    incoming->disconnectFromHost();
    if (!sent) report(NetFailure::SendFailedDeny);
}

void NetworkSession::takeCall(QTcpSocket* incoming) {
    // Taken before the user is told, so a second caller arriving while the
    // box is open cannot take its place.
    state_ = State::Answering;
    adopt(incoming);
    callerAddress_ = incoming->peerAddress();
    peerAddressText = addressText(callerAddress_);
    announced_ = false;
    // A caller sends its NICK as it connects; one that has not by the
    // limit is let go, whatever the user is doing meanwhile.
    answerTimer_.start(nickTimeout);
    // A copy taking up a game names it at once; one this side does not
    // hold is refused without troubling the user. A caller gets its box
    // with its first message, or after a moment's silence.
    const QPointer<PeerConnection> c = connection_;
    QTimer::singleShot(AnnounceGrace, this, [this, c] {
        if (c == connection_ && state_ == State::Answering && !announced_) announce();
    });
}

bool NetworkSession::announce() {
    announced_ = true;
    const QPointer<PeerConnection> c = connection_;
    {
        PeerConnection::Hold hold(connection_);
        emit incomingCall();
    }
    return c && c == connection_ && slot_ == Slot::Open && state_ == State::Answering;
}

void NetworkSession::callerSilent() {
    if (state_ != State::Answering) return;
    // A NICK that came while the box was read waits unread: in time.
    if (connection_)
        if (const std::optional<PeerMessage> m = connection_->waitingMessage(); m && m->command == PeerCommand::Nick)
            return;
    strike(callerAddress_);
    closeConn();
    emit incomingWithdrawn();
}

}  // namespace orbel
