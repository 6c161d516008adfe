#include "net/network_session.h"

#include <QHostInfo>
#include <QTcpSocket>
#include <algorithm>
#include <utility>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace orbel {
QHostAddress literalHostAddress(const QString& host) {
    QHostAddress literal;
    return literal.setAddress(host.trimmed()) ? literal : QHostAddress();
}

QString addressText(const QHostAddress& address) {
    bool v4 = false;
    const quint32 ipv4 = address.toIPv4Address(&v4);
    return v4 ? QHostAddress(ipv4).toString() : address.toString();
}

std::string textForPeer(const QString& text) {
    const bool latin1 = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    const QByteArray bytes = latin1 ? text.toLatin1() : text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString textFromPeer(const std::string& bytes) { return QString::fromStdString(peerTextForDisplay(bytes)); }

NetworkSession::NetworkSession(QObject* parent) : QObject(parent) {
    connectTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this] { callFailed(NetFailure::ConnectionTimedOut); });
    connect(&listener_, &QTcpServer::newConnection, this, &NetworkSession::acceptIncoming);
    // A caller that connects and never names itself would keep every other
    // caller turned away.
    answerTimer_.setSingleShot(true);
    connect(&answerTimer_, &QTimer::timeout, this, &NetworkSession::callerSilent);
    redialTimer_.setSingleShot(true);
    connect(&redialTimer_, &QTimer::timeout, this, &NetworkSession::redial);
    // A call back that names no game in time, or a redial nobody answers.
    rejoinTimer_.setSingleShot(true);
    connect(&rejoinTimer_, &QTimer::timeout, this, [this] {
        if (state_ == State::Redialling || state_ == State::Rejoining) lineWentDown();
    });
}

NetworkSession::~NetworkSession() {
    if (connection_) connection_->disconnect(this);
    if (QTcpSocket* s = socket()) s->disconnect(this);
}

QTcpSocket* NetworkSession::socket() const {
    return connection_ ? qobject_cast<QTcpSocket*>(connection_->device()) : nullptr;
}

void NetworkSession::report(NetFailure what) {
    // What the peer sends meanwhile waits until the user has read it.
    PeerConnection::Hold hold(connection_);
    emit failed(what);
}

std::size_t NetworkSession::nextTauntIndex() {
    return tauntIndex ? tauntIndex() : static_cast<std::size_t>(tauntChoice_());
}

bool NetworkSession::setUpListening(quint16 port) {
    if (listener_.isListening()) listener_.close();
    listener_.setMaxPendingConnections(1);
    // One socket for both where the system has IPv6; IPv4 alone where not.
    const bool listening = listener_.listen(QHostAddress::Any, port) ||
                           (listener_.serverError() != QAbstractSocket::AddressInUseError &&
                            listener_.listen(QHostAddress::AnyIPv4, port));
    if (listening) {
        state_ = State::Idle;
        return true;
    }
    state_ = State::Unavailable;
    const bool bindFailed = listener_.serverError() == QAbstractSocket::AddressInUseError ||
                            listener_.serverError() == QAbstractSocket::SocketAccessError;
    report(bindFailed ? NetFailure::ListenBindFailed : NetFailure::ListenUnavailable);
    return false;
}

void NetworkSession::adopt(QTcpSocket* socket) {
    // An earlier connection that is still open is no longer served: close it.
    if (connection_ && slot_ == Slot::Open) {
        connection_->stop();
        if (QTcpSocket* old = this->socket()) {
            old->disconnect(this);
            old->abort();
        }
        connection_->deleteLater();
    }
    PeerConnection* c = wrap(socket);
    serve(c);
    watchCall(socket, c);
    if (socket->state() == QAbstractSocket::ConnectedState) startKeepAlive(socket);
}

PeerConnection* NetworkSession::wrap(QTcpSocket* socket) {
    socket->setParent(nullptr);
    auto* c = new PeerConnection(socket, this);
    socket->setParent(c);
    socket->setReadBufferSize(SocketReadBuffer);
    // Each message leaves at once, in its own segment.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return c;
}

void NetworkSession::serve(PeerConnection* c) {
    slot_ = Slot::Open;
    connection_ = c;
    connect(c, &PeerConnection::messageReceived, this, [this, c](const PeerMessage& m) {
        if (c == connection_ && slot_ == Slot::Open) handlePeerMessage(m);
    });
    connect(c, &PeerConnection::disconnected, this, [this, c] {
        if (c == connection_) peerGone();
    });
}

void NetworkSession::watchCall(QTcpSocket* socket, PeerConnection* c) {
    connect(socket, &QTcpSocket::connected, this, [this, socket, c] {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        startKeepAlive(socket);
        if (c == connection_) connected();
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, c](QAbstractSocket::SocketError e) {
        if (c != connection_) return;
        if (state_ == State::Redialling) {
            if (candidates_.isEmpty()) {
                lineWentDown();
            } else {
                tryNextAddress();
            }
            return;
        }
        if (state_ != State::Calling) return;
        // The name's next address, while there is one and time.
        if (!candidates_.isEmpty()) {
            tryNextAddress();
            return;
        }
        // Refused is the one failure a call reports as such; anything else
        // that ends a call before it is answered is a connection problem.
        if (e == QAbstractSocket::ConnectionRefusedError) {
            callFailed(NetFailure::ConnectionRefused);
        } else {
            failCall(NetFailure::ConnectionProblem);
        }
    });
}

void NetworkSession::startKeepAlive(QTcpSocket* socket) const {
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    const qintptr fd = socket->socketDescriptor();
    if (fd == -1) return;
    // A copy of this version takes the game up again, so a silent line is
    // given up sooner (at most 11 s) and called back.
    using std::chrono::seconds;
    const KeepAlive k = peerIsNew_ ? KeepAlive{std::min(keepAlive.idle, seconds(5)), std::min(keepAlive.interval, seconds(2)),
                                               std::min(keepAlive.probes, 3)}
                                   : keepAlive;
    const int idle = static_cast<int>(k.idle.count());
    const int interval = static_cast<int>(k.interval.count());
    const int probes = k.probes;
#if defined(TCP_KEEPIDLE) && defined(TCP_KEEPINTVL) && defined(TCP_KEEPCNT)
    ::setsockopt(static_cast<int>(fd), IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
    ::setsockopt(static_cast<int>(fd), IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
    ::setsockopt(static_cast<int>(fd), IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
#endif
#ifdef TCP_USER_TIMEOUT
    // Keepalive stays quiet while sent data waits for its acknowledgement:
    // a move sent to a vanished peer would otherwise be retried for many
    // minutes.
    const unsigned userTimeout = static_cast<unsigned>((idle + interval * probes) * 1000);
    ::setsockopt(static_cast<int>(fd), IPPROTO_TCP, TCP_USER_TIMEOUT, &userTimeout, sizeof userTimeout);
#endif
}

void NetworkSession::peerGone() {
    if (state_ == State::Calling || state_ == State::Idle || state_ == State::Unavailable || state_ == State::Waiting)
        return;
    // A running game between new copies waits for the line to come back.
    if (keepsGame()) {
        lineWentDown();
        return;
    }
    // Otherwise the peer's end of the stream, or a connection that failed
    // under it, counts as its END: the request or the game is over.
    peerEndedGame(PeerCommand::End);
}

void NetworkSession::closeConn() {
    if (slot_ == Slot::None) return;
    QTcpSocket* s = socket();
    if (slot_ == Slot::Closed || !s) {
        report(NetFailure::AlreadyClosed);
        return;
    }
    connectTimer_.stop();
    answerTimer_.stop();
    connection_->stop();
    s->disconnect(this);
    s->flush();
    s->readAll();  // what the peer still had to say is dropped
    s->disconnectFromHost();
    connection_->deleteLater();
    slot_ = Slot::Closed;
    state_ = state_ == State::Unavailable ? State::Unavailable : State::Idle;
    peerIsNew_ = false;
    gameOver_ = false;
    redialTimer_.stop();
    rejoinTimer_.stop();
}

bool NetworkSession::sendOrTell(const std::string& bytes, NetFailure failure) {
    if (slot_ == Slot::Open && connection_ && connection_->send(bytes)) return true;
    report(failure);
    return false;
}

// The call is over before a game: the connecting box closes, the user hears
// why, and the connection goes.
void NetworkSession::failCall(NetFailure why) {
    netGameActive_ = false;
    connectTimer_.stop();
    stopCalling();
    emit callSettled(false);
    report(why);
    if (slot_ == Slot::Open) closeConn();
    if (state_ == State::Calling || state_ == State::Requesting) state_ = State::Idle;
}

void NetworkSession::stopCalling() {
    candidates_.clear();
    // The lookup is forgotten, not aborted: its answer still comes and is
    // passed over (lookedUp), and Qt frees what it keeps for it only then.
    // An aborted lookup's is never freed.
    lookupId_ = -1;
}

void NetworkSession::noAddressLeft(NetFailure why) {
    // A call back that reaches nobody leaves the game waiting.
    if (state_ == State::Redialling) {
        lineWentDown();
    } else {
        failCall(why);
    }
}

void NetworkSession::callFailed(NetFailure why) {
    if (state_ == State::Calling) failCall(why);
}

void NetworkSession::startCall(const HostField& host, const QString& nickname, int colorCode, RuleSet rules) {
    if (state_ != State::Idle) return;
    localNickname = nickname;
    requestedColor = colorCode;
    state_ = State::Calling;
    wasCaller_ = true;
    callHost_ = host;
    proposed_ = Hello{HelloVersion, newGameId(), listeningPort(), rules, ownProposal_};
    answeredClock_ = {};
    candidates_.clear();
    connectTimer_.start(connectTimeout);
    callAt(host);
}

void NetworkSession::callAt(const HostField& host) {
    callPort_ = host.port;
    const QString name = QString::fromStdString(host.host);
    const QHostAddress literal = literalHostAddress(name);
    if (!literal.isNull()) {
        candidates_ = {literal};
        tryNextAddress();
        return;
    }
    // The lookup runs on a thread of Qt's; the window goes on meanwhile.
    lookupId_ = QHostInfo::lookupHost(name, this, &NetworkSession::lookedUp);
}

void NetworkSession::lookedUp(const QHostInfo& info) {
    if (info.lookupId() != lookupId_) return;
    lookupId_ = -1;
    if (state_ != State::Calling && state_ != State::Redialling) return;
    candidates_ = info.addresses();
    if (candidates_.isEmpty()) {
        noAddressLeft(NetFailure::ConnectionProblem);
        return;
    }
    tryNextAddress();
}

void NetworkSession::tryNextAddress() {
    const QHostAddress address = candidates_.takeFirst();
    peerAddressText = addressText(address);
    // The unspecified address would reach this machine's own listener on
    // Linux; it names no peer, and the call fails at once instead.
    if (address.isNull() || address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6) {
        if (candidates_.isEmpty()) {
            noAddressLeft(NetFailure::ConnectionProblem);
        } else {
            tryNextAddress();
        }
        return;
    }
    auto* socket = new QTcpSocket;
    adopt(socket);
    socket->connectToHost(address, callPort_);
}

void NetworkSession::cancelCall() {
    netGameActive_ = false;
    stopCalling();
    // A call that failed has closed its connection already: nothing to report.
    if (slot_ == Slot::Open) closeConn();
    if (state_ == State::Calling || state_ == State::Requesting) state_ = State::Idle;
}

void NetworkSession::callBoxClosed() {
    if (state_ != State::Calling && state_ != State::Requesting) return;
    if (slot_ == Slot::Open) closeConn();
    state_ = State::Idle;
}

void NetworkSession::connected() {
    if (state_ == State::Redialling && slot_ == Slot::Open) {
        const GameCheckpoint point = here();
        connection_->send(backMessage({gameId_, point.moves, point.position}));
        return;
    }
    if (state_ != State::Calling || slot_ != Slot::Open) return;
    connectTimer_.stop();
    state_ = State::Requesting;
    // The hello rides behind NICK in one write: a copy of the first
    // protocol acts on the first message of a read only, so it takes the
    // NICK and drops the hello, and never meets the hello on its own ahead
    // of anything it needs.
    sendOrTell(nickMessage(requestedColor == WhiteColorCode ? BlackColorCode : WhiteColorCode,
                           textForPeer(localNickname)) +
                   (firstProtocolOnly ? std::string() : helloMessage(proposed_)),
               NetFailure::SendFailedSetUp);
}

void NetworkSession::handlePeerMessage(const PeerMessage& m) {
    if (state_ == State::Answering && !announced_) {
        if (m.command == PeerCommand::Back) {
            strike(callerAddress_);
            connection_->send(noGameMessage(ResumeRefusal::Unknown));
            closeConn();
            return;
        }
        // Named in time, however long the box is read.
        if (m.command == PeerCommand::Nick) answerTimer_.stop();
        if (!announce()) return;
    }
    if (handleNewWord(m)) return;
    switch (m.command) {
    case PeerCommand::Move: peerMoved(m); return;
    case PeerCommand::Kib:
        if (!netGameActive_ || state_ != State::Playing) return;
        emit peerSaid(textFromPeer(m.text));
        return;
    case PeerCommand::Nick:
        if (state_ == State::Answering) answerRequest(m);
        return;
    case PeerCommand::Ack: requestAccepted(m); return;
    case PeerCommand::Reject:
    case PeerCommand::Deny: requestRefused(m.command); return;
    case PeerCommand::End:
    case PeerCommand::Resign: peerEndedGame(m.command); return;
    default: return;
    }
}

void NetworkSession::requestAccepted(const PeerMessage& m) {
    if (state_ != State::Requesting) return;
    netGameActive_ = true;
    peerNickname = textFromPeer(m.text);
    state_ = State::Playing;
    // A callee of this version says HELLO ahead of its ACK; without it the
    // game is the first protocol's, by the Orbel 3.0 rules.
    rules_ = peerIsNew_ ? proposed_.rules : RuleSet::Orbel;
    gameId_ = proposed_.gameId;
    localColor_ = requestedColor;
    startGameClock();
    emit gameReady(requestedColor);
}

void NetworkSession::requestRefused(PeerCommand word) {
    if (state_ != State::Requesting) return;
    netGameActive_ = false;
    emit callSettled(false);
    // Reject: the callee's user said no. Deny: the callee is busy with a
    // game or with setting one up.
    report(word == PeerCommand::Reject ? NetFailure::RequestDenied : NetFailure::OpponentBusy);
    closeConn();
}

void NetworkSession::answerRequest(const PeerMessage& m) {
    state_ = State::Deciding;
    answerTimer_.stop();
    peerNickname = textFromPeer(m.text);
    acceptedColor = m.colorCode;
    wasCaller_ = false;
    peerIsNew_ = false;
    proposed_ = Hello{};
    peerAddress_ = socket() ? socket()->peerAddress() : QHostAddress();
    // The question waits for the user; meanwhile the caller's bytes are read
    // as they come (an END or a second NICK must find the request undecided),
    // so it is asked outside this read.
    const int request = ++request_;
    QTimer::singleShot(0, this, [this, request] {
        if (stillDeciding(request)) emit callerNamed(request);
    });
}

bool NetworkSession::stillDeciding(int request) const {
    return request == request_ && slot_ == Slot::Open && state_ == State::Deciding;
}

void NetworkSession::refuseRequest(int request) {
    if (!stillDeciding(request)) return;
    netGameActive_ = false;
    strike(callerAddress_);
    sendOrTell(bareMessage(PeerCommand::Reject), NetFailure::SendFailedSetUp);
    closeConn();
}

void NetworkSession::acceptRequest(int request, const QString& nickname) {
    if (!stillDeciding(request)) return;
    localNickname = nickname;
    netGameActive_ = true;
    rules_ = peerIsNew_ ? proposed_.rules : RuleSet::Orbel;
    gameId_ = proposed_.gameId;
    localColor_ = acceptedColor;
    startGameClock();
    emit gameReady(acceptedColor);
}

void NetworkSession::confirmGame() {
    // To a caller of this version the hello goes first, so that the game
    // begins there knowing what this side understands.
    if (state_ == State::Deciding)
        sendOrTell((peerIsNew_ ? helloMessage({HelloVersion, {}, listeningPort(), rules_, agreedClock_}) : std::string()) +
                       ackMessage(textForPeer(localNickname)),
                   NetFailure::SendFailedSetUp);
    state_ = State::Playing;
    emit callSettled(false);
}

void NetworkSession::peerEndedGame(PeerCommand word) {
    const bool wasPlaying = state_ == State::Playing || waiting();
    if (state_ == State::Idle || state_ == State::Unavailable) return;
    // A copy of this version resigns and stays on the line for the chat and
    // a rematch.
    if (word == PeerCommand::Resign && wasPlaying && peerIsNew_) {
        if (gameOver_) return;
        gameOver_ = true;
        emit peerLeft(PeerEnd::Resigned);
        emit offersChanged();
        return;
    }
    // A caller that gives up before its request is decided.
    const bool request = state_ == State::Answering || state_ == State::Deciding;
    if (request) strike(callerAddress_);
    netGameActive_ = false;
    emit callSettled(true);
    closeConn();
    // A caller or callee that gives up before the game began: nothing on the
    // board belongs to it, so the game on the board stays. A request's last
    // box is still its own: no other request is shown over it.
    if (!wasPlaying) {
        // One gone before the user was told of it is not worth a box.
        if (request && !announced_) return;
        endingRequest_ = request;
        report(NetFailure::CallerGone);
        endingRequest_ = false;
        return;
    }
    emit peerLeft(word == PeerCommand::Resign ? PeerEnd::Resigned : PeerEnd::Ended);
}

void NetworkSession::refuseMove() {
    netGameActive_ = false;
    if (connection_) connection_->send(bareMessage(PeerCommand::End));
    closeConn();
}

bool NetworkSession::sendMove(const MoveRecord& localMove) {
    // With the line down the move waits: taking the game up again sends the
    // last move of the side that is a move ahead.
    if (waiting()) return true;
    return sendOrTell(moveBytes(localMove), NetFailure::SendFailedPlay);
}

void NetworkSession::sendChatLine(const QString& typed) {
    const std::string line = chatTextToSend(textForPeer(typed), nextTauntIndex());
    if (waiting()) {
        emit chatShown(tr("* Not sent: the line is down."), true);
        return;
    }
    // A line that never left is not shown as said.
    if (!sendOrTell(kibMessage(line), NetFailure::SendFailedPlay)) return;
    emit chatShown(QString::fromStdString(chatLine(textForPeer(localNickname), line)), true);
}

void NetworkSession::endGame(PeerCommand word) {
    if (!netGameActive_) return;
    if (state_ != State::Playing) {
        // The line is down: there is no one to tell.
        endWait(std::nullopt);
        return;
    }
    sendOrTell(bareMessage(word), NetFailure::SendFailedEnd);
    if (word == PeerCommand::Resign && peerIsNew_ && !gameOver_) {
        gameFinished();
        return;
    }
    netGameActive_ = false;
    closeConn();
}

void NetworkSession::gameOver() {
    // Between new copies the line stays; while it is down, the other side
    // learns of the last move when the game is taken up again.
    if (peerIsNew_ && state_ != State::Idle) {
        gameFinished();
        return;
    }
    netGameActive_ = false;
    closeConn();
}

void NetworkSession::windowDestroyed() {
    if (netGameActive_ && connection_) connection_->send(bareMessage(PeerCommand::End));
    netGameActive_ = false;
    if (QTcpSocket* s = socket(); s && slot_ == Slot::Open) {
        connection_->stop();
        s->disconnect(this);
        s->flush();
        s->disconnectFromHost();
        s->close();
    }
    slot_ = Slot::Closed;
}

}  // namespace orbel
