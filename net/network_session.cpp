#include "net/network_session.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <random>

#include "game/game_window.h"
#include "game/one_player.h"
#include "game/texts.h"
#include "game/window_messages.h"
#include "net/net_dialogs.h"
#include "net/net_texts.h"
#include "net/network_proc.h"
#include "net/peer_move.h"

namespace orbel {
namespace {

QString qs(const char* text) { return QString::fromUtf8(text); }

// Texts from the peer arrive as bytes; they are shown one byte a character.
QString fromPeer(const std::string& text) {
    const std::string shown = peerTextForDisplay(text);
    return QString::fromLatin1(shown.data(), static_cast<qsizetype>(shown.size()));
}

std::string toLatin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A peer that floods is read a bounded amount per turn of the event loop,
// so the window keeps painting.
constexpr qint64 ReadChunk = 16384;

class BusyScope {
public:
    explicit BusyScope(int& busy) : busy_(busy) { ++busy_; }
    ~BusyScope() { --busy_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    int& busy_;
};

}  // namespace

QHostAddress resolveHostAddress(const QString& host) {
    const QString text = host.trimmed();
    if (text.isEmpty()) return QHostAddress();
    QHostAddress dotted;
    if (dotted.setAddress(text) && dotted.protocol() == QAbstractSocket::IPv4Protocol) return dotted;
    if (text == QLatin1String("255.255.255.255")) return QHostAddress(QHostAddress::Broadcast);
    const QHostInfo info = QHostInfo::fromName(text);
    for (const QHostAddress& a : info.addresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol) return a;
    return QHostAddress();
}

NetworkSession::NetworkSession(GameWindow& window) : window_(window) {
    connectTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this] { notify(fd::Connect, fd::TimedOut); });
    connect(&listener_, &QTcpServer::newConnection, this, [this] { notify(fd::Accept); });
    // A caller that connects and never names itself would keep every other
    // caller turned away.
    answerTimer_.setSingleShot(true);
    connect(&answerTimer_, &QTimer::timeout, this, [this] {
        if (state_ == State::Answering) closeConn();
    });
    tauntIndex = [this] { return static_cast<std::size_t>(tauntChoice_()); };
}

NetworkSession::~NetworkSession() {
    if (socket_) socket_->disconnect(this);
}

void NetworkSession::box(const char* message, const char* caption, MessageIcon icon) {
    window_.messageBox(true, qs(message), qs(caption), icon);
}

bool NetworkSession::setUpListening(quint16 port) {
    if (listener_.isListening()) listener_.close();
    listener_.setMaxPendingConnections(1);
    if (listener_.listen(QHostAddress::AnyIPv4, port)) {
        state_ = State::Idle;
        return true;
    }
    state_ = State::Unavailable;
    const bool bindFailed = listener_.serverError() == QAbstractSocket::AddressInUseError ||
                            listener_.serverError() == QAbstractSocket::SocketAccessError;
    box(bindFailed ? text::SocketBindingError : text::WinSockProblem, text::Error,
        MessageIcon::Stop);
    return false;
}

void NetworkSession::notify(int event, int error) {
    window_.sendMessage(msg::WM_SOCKET_NOTIFY, 0, msg::makeLParam(event, error));
}

void NetworkSession::adopt(QTcpSocket* socket) {
    // An earlier connection that is still open is no longer served: close it.
    if (socket_ && slot_ == Slot::Open) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
    }
    socket_ = socket;
    slot_ = Slot::Open;
    stream_.reset();
    readPending_ = false;
    socket->setParent(this);
    // What a peer sends waits in the kernel, not in memory of ours: a flood
    // is held back by TCP itself while it is read a chunk per turn.
    socket->setReadBufferSize(4 * ReadChunk);
    // Each message leaves at once, in its own segment.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket == socket_) notify(fd::Read);
    });
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (socket == socket_) notify(fd::Connect);
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        // A caller that hangs up before the request is settled frees the
        // line; a game whose opponent vanishes waits for Kill Game.
        if (socket == socket_ && (state_ == State::Answering || state_ == State::Deciding)) closeConn();
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError e) {
        if (socket != socket_ || state_ != State::Calling) return;
        // Refused is the one failure a call reports; anything else that ends
        // a call before it is answered counts as a connection problem.
        if (e == QAbstractSocket::ConnectionRefusedError) {
            notify(fd::Connect, fd::Refused);
        } else {
            connectProblem();
        }
    });
}

void NetworkSession::closeConn() {
    if (slot_ == Slot::None) return;
    if (slot_ == Slot::Closed || !socket_) {
        const QString spaces(40, QLatin1Char(' '));
        window_.messageBox(true,
                           QStringLiteral("%1 failed,%2\n\n%3").arg(qs(text::CloseConnOperation), spaces,
                                                                     qs(text::ConnectionAlreadyClosed)),
                           qs(text::Error), MessageIcon::Stop);
        return;
    }
    connectTimer_.stop();
    QTcpSocket* socket = socket_;
    socket->disconnect(this);
    socket->flush();
    socket->readAll();  // what the peer still had to say is dropped
    socket->disconnectFromHost();
    socket->deleteLater();
    slot_ = Slot::Closed;
    stream_.reset();
    readPending_ = false;
    state_ = state_ == State::Unavailable ? State::Unavailable : State::Idle;
}

bool NetworkSession::sendBytes(const std::string& bytes) {
    if (slot_ != Slot::Open || !socket_ || socket_->state() != QAbstractSocket::ConnectedState) return false;
    const qint64 written = socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_->flush();
    return written == static_cast<qint64>(bytes.size());
}

bool NetworkSession::sendOrTell(const std::string& bytes, const char* failure, const char* caption) {
    if (sendBytes(bytes)) return true;
    BusyScope busy(busy_);
    box(failure, caption, MessageIcon::Stop);
    return false;
}

void NetworkSession::closeOpenDialog(int code) {
    if (openDialog_) openDialog_->done(code);
}

void NetworkSession::failCall(const char* textOfFailure) {
    netGameActive_ = false;
    closeOpenDialog(QDialog::Accepted);
    {
        BusyScope busy(busy_);
        box(textOfFailure, text::FailedConnection, MessageIcon::Stop);
    }
    closeConn();
}

void NetworkSession::connectProblem() {
    connectTimer_.stop();
    BusyScope busy(busy_);
    box(text::ConnectionProblem, text::InternetGame, MessageIcon::Stop);
}

void NetworkSession::startCall(const QHostAddress& address) {
    state_ = State::Calling;
    auto* socket = new QTcpSocket(this);
    adopt(socket);
    // Address 0 would reach this machine's own listener on Linux; a host
    // that names no address fails at once instead, and the connecting box
    // waits for Cancel Connect.
    if (address.isNull() || address.toIPv4Address() == 0) {
        connectProblem();
        return;
    }
    connectTimer_.start(connectTimeout);
    socket->connectToHost(address, peerPort);
}

void NetworkSession::runDirectNetworkGame(QWidget* owner) {
    if (state_ != State::Idle) return;
    InternetGameDialog dialog(window_, owner);
    if (window_.runDialog(dialog) != QDialog::Accepted) return;
    localNickname = dialog.nickname();
    requestedColor = dialog.requestedColor();
    const QHostAddress address = resolveHostAddress(dialog.host());
    peerAddressText = address.isNull() ? QStringLiteral("0.0.0.0") : address.toString();
    startCall(address);

    ConnectingDialog connecting(owner);
    connecting.onCancelConnect = [this] {
        netGameActive_ = false;
        closeConn();
        if (state_ == State::Calling || state_ == State::Requesting) state_ = State::Idle;
    };
    openDialog_ = &connecting;
    window_.runDialog(connecting);
    openDialog_ = nullptr;
    // A call that ended without a game (no answer yet when the box closed) is over.
    if (state_ == State::Calling || state_ == State::Requesting) {
        if (slot_ == Slot::Open) closeConn();
        state_ = State::Idle;
    }
}

void NetworkSession::handleSocketNotify(int event, int error) {
    if (error == fd::TimedOut || error == fd::Refused) {
        if (state_ != State::Calling) return;
        connectTimer_.stop();
        failCall(error == fd::TimedOut ? text::ConnectionTimeout : text::ConnectionRefused);
        return;
    }
    switch (event) {
    case fd::Read: readPeer(); return;
    case fd::Accept: acceptIncoming(); return;
    case fd::Connect:
        if (state_ != State::Calling || slot_ != Slot::Open) return;
        connectTimer_.stop();
        state_ = State::Requesting;
        sendOrTell(nickMessage(requestedColor == WhiteColorCode ? BlackColorCode : WhiteColorCode,
                               toLatin1(localNickname)),
                   text::SendFailedSetUp, text::Error);
        return;
    default: return;
    }
}

void NetworkSession::acceptIncoming() {
    while (listener_.hasPendingConnections()) {
        QTcpSocket* incoming = listener_.nextPendingConnection();
        if (!incoming) {
            BusyScope busy(busy_);
            box(text::AcceptFailed, text::Error, MessageIcon::None);
            break;
        }
        if (state_ != State::Idle) {
            // Busy with a game or with setting one up: the caller is turned
            // away and the connection in hand is kept.
            incoming->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            const std::string deny = bareMessage(PeerCommand::Deny);
            const bool sent = incoming->write(deny.data(), static_cast<qint64>(deny.size())) ==
                              static_cast<qint64>(deny.size());
            incoming->flush();
            incoming->disconnectFromHost();
            connect(incoming, &QTcpSocket::disconnected, incoming, &QObject::deleteLater);
            if (!sent) {
                BusyScope busy(busy_);
                box(text::SendFailedDeny, text::Error, MessageIcon::Stop);
            }
            continue;
        }
        // Taken before the box is shown, so a second caller arriving while
        // it is open cannot take its place.
        state_ = State::Answering;
        adopt(incoming);
        answerTimer_.start(nickTimeout);
        peerAddressText = QHostAddress(incoming->peerAddress().toIPv4Address()).toString();
        {
            BusyScope busy(busy_);
            box(text::IncomingRequest, text::InternetGame, MessageIcon::Information);
        }
        if (readPending_) readPeer();
    }
}

void NetworkSession::readPeer() {
    if (busy_ > 0) {
        readPending_ = true;
        return;
    }
    readPending_ = false;
    QPointer<QTcpSocket> socket = socket_;
    if (!socket || slot_ != Slot::Open) return;
    const QByteArray chunk = socket->read(ReadChunk);
    std::string_view rest(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    {
        BusyScope busy(busy_);
        while (socket == socket_ && slot_ == Slot::Open) {
            const std::optional<PeerMessage> m = stream_.next(rest);
            if (!m) break;
            handlePeerMessage(*m);
        }
    }
    // More waiting (a flood, or what arrived while a box was open): the next
    // turn of the event loop reads on.
    if (socket == socket_ && slot_ == Slot::Open && (readPending_ || socket->bytesAvailable() > 0)) {
        readPending_ = false;
        QTimer::singleShot(0, this, [this, socket] {
            if (socket == socket_) notify(fd::Read);
        });
    }
}

void NetworkSession::handlePeerMessage(const PeerMessage& m) {
    switch (m.command) {
    case PeerCommand::Move: receiveMove(m.move); return;
    case PeerCommand::Kib:
        if (!netGameActive_ || state_ != State::Playing) return;
        window_.addChatLine(QString::fromLatin1(chatLine(toLatin1(peerNickname), m.text)));
        return;
    case PeerCommand::Nick:
        if (state_ == State::Answering) answerRequest(m);
        return;
    case PeerCommand::Ack: requestAccepted(m); return;
    case PeerCommand::Reject:
    case PeerCommand::Deny: requestRefused(m.command); return;
    case PeerCommand::End:
    case PeerCommand::Resign: peerEndedGame(m.command); return;
    }
}

void NetworkSession::receiveMove(const MoveRecord& received) {
    if (!netGameActive_ || state_ != State::Playing) return;
    UiState& ui = window_.ui();
    if (ui.myTurn) {
        refusePeerMove();  // not the opponent's turn
        return;
    }
    if (!ui.game.currentGame || !isLegalPeerMove(*ui.game.currentGame, received)) {
        refusePeerMove();
        return;
    }
    ui.game.computerMove = received;
    window_.sendMessage(msg::WM_NET_MOVE, 0, 0);
}

void NetworkSession::requestAccepted(const PeerMessage& m) {
    if (state_ != State::Requesting) return;
    netGameActive_ = true;
    peerNickname = fromPeer(m.text);
    state_ = State::Playing;
    window_.installMode(networkProc);
    window_.sendMessage(msg::WM_NET_ACKED, 0, 0);
}

void NetworkSession::requestRefused(PeerCommand word) {
    if (state_ != State::Requesting) return;
    netGameActive_ = false;
    if (word == PeerCommand::Reject) {
        // The callee's user said no.
        closeOpenDialog(QDialog::Accepted);
        box(text::RequestDenied, text::InternetGame, MessageIcon::Information);
    } else {
        // The callee is busy with a game or with setting one up.
        box(text::OpponentBusy, text::OpponentUnavailable, MessageIcon::Stop);
    }
    closeConn();
}

void NetworkSession::answerRequest(const PeerMessage& m) {
    state_ = State::Deciding;
    peerNickname = fromPeer(m.text);
    acceptedColor = m.colorCode;
    // The prompt waits for the user; meanwhile the caller's bytes are read
    // as they come (an END or a second NICK must find the request undecided),
    // so it runs outside this read.
    const QPointer<QTcpSocket> socket = socket_;
    QTimer::singleShot(0, this, [this, socket] {
        if (socket == socket_ && slot_ == Slot::Open && state_ == State::Deciding) decide();
    });
}

void NetworkSession::decide() {
    const QPointer<QTcpSocket> socket = socket_;
    auto stillDeciding = [&] { return socket == socket_ && slot_ == Slot::Open && state_ == State::Deciding; };
    const bool yes = window_.askYesNo(true, qs(text::AcceptRequest).arg(peerNickname, peerAddressText),
                                      qs(text::InternetGame), MessageIcon::Information);
    // The caller may have gone, or the request been settled, while the user decided.
    if (!stillDeciding()) return;
    if (!yes) {
        netGameActive_ = false;
        sendOrTell(bareMessage(PeerCommand::Reject), text::SendFailedSetUp, text::Error);
        closeConn();
        return;
    }
    NicknameDialog nickname(window_, nullptr);
    window_.runDialog(nickname);
    if (!stillDeciding()) return;
    // A computer's move still on its way back would land on the new game:
    // it takes milliseconds, and the user has just spent seconds deciding.
    for (int i = 0; i < 500 && window_.ui().computerThinking; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (window_.ui().computerThinking || !stillDeciding()) return;
    localNickname = nickname.nickname();
    netGameActive_ = true;
    window_.installMode(networkProc);
    window_.sendMessage(msg::WM_NET_ACCEPTED, static_cast<std::uintptr_t>(acceptedColor), 0);
}

void NetworkSession::gameStarted() {
    if (state_ == State::Deciding) {
        sendOrTell(ackMessage(toLatin1(localNickname)), text::SendFailedSetUp, text::Error);
    }
    state_ = State::Playing;
    closeOpenDialog(QDialog::Accepted);
}

void NetworkSession::peerEndedGame(PeerCommand word) {
    const bool wasPlaying = state_ == State::Playing;
    if (state_ == State::Idle || state_ == State::Unavailable) return;
    netGameActive_ = false;
    closeOpenDialog(QDialog::Rejected);
    closeConn();
    if (!wasPlaying) {
        // A caller or callee that gives up before the game began: nothing
        // on the board belongs to it, so the game on the board stays.
        box(text::OpponentDisconnected, text::InternetGame, MessageIcon::Stop);
        return;
    }
    window_.installMode(onePlayerProc);
    if (word == PeerCommand::Resign) {
        box(text::OpponentResigned, text::GameOver, MessageIcon::Exclamation);
    } else {
        box(text::OpponentDisconnected, text::InternetGame, MessageIcon::Stop);
    }
    window_.sendCommand(cmd::NewOnePlayerGame);
}

void NetworkSession::refusePeerMove() {
    // The two boards no longer agree: the game cannot go on.
    netGameActive_ = false;
    sendBytes(bareMessage(PeerCommand::End));
    closeConn();
    window_.installMode(onePlayerProc);
    box(text::IllegalPeerMove, text::InternetGame, MessageIcon::Stop);
    window_.sendCommand(cmd::NewOnePlayerGame);
}

bool NetworkSession::sendMove(const MoveRecord& localMove) {
    return sendOrTell(moveMessage(localMove), text::SendFailedPlay, text::InternetGame);
}

void NetworkSession::sendChat(const std::string& textToSend) {
    sendOrTell(kibMessage(textToSend), text::SendFailedPlay, text::InternetGame);
}

void NetworkSession::endGame(PeerCommand word) {
    if (!netGameActive_) return;
    sendOrTell(bareMessage(word), text::SendFailedEnd, text::InternetGame);
    netGameActive_ = false;
    closeConn();
}

void NetworkSession::gameOver() {
    netGameActive_ = false;
    closeConn();
}

void NetworkSession::windowDestroyed() {
    if (netGameActive_) sendBytes(bareMessage(PeerCommand::End));
    netGameActive_ = false;
    if (socket_ && slot_ == Slot::Open) {
        socket_->disconnect(this);
        socket_->flush();
        socket_->disconnectFromHost();
        socket_->close();
    }
    slot_ = Slot::Closed;
}

}  // namespace orbel
