// Network play as a protocol endpoint: the listening socket every copy keeps
// open, the call this side makes, the request another copy makes, the
// messages of a game and its end. One session per main window, on its (UI)
// thread. The bytes on the wire are a PeerConnection's. The session keeps
// the state machine and reports what became of it as typed events; the user
// interface decides what to show and starts the game.
#pragma once

#include <QHostAddress>
#include <QHostInfo>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>
#include <chrono>
#include <functional>
#include <random>
#include <string>

#include "net/peer_connection.h"
#include "net/wire/host_field.h"
#include "net/wire/protocol.h"

class QTcpSocket;

namespace orbel {

// The address a host writes out (IPv4, or IPv6 perhaps with its zone); a
// null address for a name, which is looked up.
QHostAddress literalHostAddress(const QString& host);

// An address as the user reads it: an IPv4 address carried in IPv6 as dotted
// IPv4, any other IPv6 address in its short form.
QString addressText(const QHostAddress& address);

// The bytes a typed text goes out as: Latin-1 when every character fits in
// it, as every copy of the program reads it; UTF-8 otherwise.
std::string textForPeer(const QString& text);
// A text the peer sent, as it is shown.
QString textFromPeer(const std::string& bytes);

// What went wrong, for the user to be told.
enum class NetFailure {
    ListenBindFailed,   // the port is taken or not ours to use
    ListenUnavailable,  // no listening at all
    AcceptFailed,
    AlreadyClosed,      // a connection was closed twice
    SendFailedSetUp,    // a message of the call or the request could not be sent
    SendFailedDeny,
    SendFailedPlay,     // a move or a chat line
    SendFailedEnd,
    ConnectionProblem,  // the call could not be made (no address, no route, ...)
    ConnectionTimedOut,
    ConnectionRefused,
    RequestDenied,      // the callee's user said no
    OpponentBusy,       // the callee is playing or setting up another game
    CallerGone,         // the other side gave up before the game began
};

// How the peer left a running game.
enum class PeerEnd { Resigned, Ended };

class NetworkSession : public QObject {
    Q_OBJECT
public:
    enum class State { Unavailable, Idle, Calling, Requesting, Answering, Deciding, Playing };

    explicit NetworkSession(QObject* parent = nullptr);
    ~NetworkSession() override;

    // Listens on every address, IPv6 and IPv4 alike, or IPv4 alone where the
    // system has no IPv6; false (after reporting the failure) when it
    // cannot. The program uses GamePort or the port it was told; tests pass
    // 0 for any free port.
    bool setUpListening(quint16 port);
    quint16 listeningPort() const { return listener_.serverPort(); }

    State state() const { return state_; }
    bool netGameActive() const { return netGameActive_; }

    // The call of Direct Network Game, to the host and port the user named
    // (an address, or a name looked up without holding up the window, whose
    // addresses are tried one after another in the resolver's order), with
    // the nickname and colour the user gave. It ends in gameReady, in a
    // failure (and callSettled), or in cancelCall(). connectTimeout covers
    // the lookup and every connect together.
    void startCall(const HostField& host, const QString& nickname, int colorCode);
    // Cancel Connect: the lookup or the call given up.
    void cancelCall();
    // The connecting box has closed: a call still unanswered is over.
    void callBoxClosed();
    // The user's answer to the request callerNamed asked about: refused, or
    // the game accepted with the user's nickname. stillDeciding is false
    // once that request is over (its caller gave up meanwhile), and then
    // the answer changes nothing.
    bool stillDeciding(int request) const;
    void refuseRequest(int request);
    void acceptRequest(int request, const QString& nickname);
    // The game has begun on this side: the callee's ACK goes out, and the
    // connecting box closes.
    void confirmGame();

    // A move of the local user's, as the sender holds it; false, after the
    // failure is reported, when it could not be sent.
    bool sendMove(const MoveRecord& localMove);
    // A line typed in the chat pane: sent, and echoed as chatLine.
    void sendChatLine(const QString& typed);
    // Network Play, Resign (RESIGN) or Kill Game (END), and the other ways a
    // running game is left from this side: the word sent, the connection
    // closed.
    void endGame(PeerCommand word);
    // The game ended on the board (a mate): the connection is closed.
    void gameOver();
    // The peer's move was impossible: END goes to it and the connection closes.
    void refuseMove();
    // The main window is going away: END to a running game, the connection closed.
    void windowDestroyed();
    // CloseConn: ends the current connection (a failure when it was closed already).
    void closeConn();

    QString localNickname;
    QString peerNickname;
    QString peerAddressText;
    int requestedColor = WhiteColorCode;
    int acceptedColor = WhiteColorCode;
    std::chrono::milliseconds connectTimeout{21000};
    // How long an incoming caller has to send its NICK, counted from the
    // moment our user has answered the "Incoming Request" box.
    std::chrono::milliseconds nickTimeout{30000};
    // A peer that vanishes without closing (killed, power or network lost)
    // is found by TCP keepalive: probes after `idle` without traffic, every
    // `interval`, `probes` of them. Data sent to it gives up after as long.
    struct KeepAlive {
        std::chrono::seconds idle{20};
        std::chrono::seconds interval{5};
        int probes = 4;
    } keepAlive;
    // Which taunt "/trash" sends; random unless a test says.
    std::function<std::size_t()> tauntIndex;

signals:
    void failed(orbel::NetFailure what);
    // The connecting box is to close: the call is over, or has become a
    // game (`peerGone` when the other side ended it before it began).
    void callSettled(bool peerGone);
    // A caller has connected: the user is told before it names itself.
    void incomingCall();
    // The caller has named itself: the user is to decide on `request`.
    void callerNamed(int request);
    // Both sides agree on a game; the local user plays the colour given
    // (WhiteColorCode or BlackColorCode).
    void gameReady(int localColorCode);
    void moveReceived(const orbel::MoveRecord& move);
    // A chat line to show: the peer's, or the user's own echoed as sent.
    void chatShown(const QString& line, bool own);
    // The peer left the running game.
    void peerLeft(orbel::PeerEnd how);

private:
    enum class Slot { None, Open, Closed };

    void connected();
    void callFailed(NetFailure why);
    void acceptIncoming();
    void turnAway(QTcpSocket* incoming);
    void handlePeerMessage(const PeerMessage& m);
    void requestAccepted(const PeerMessage& m);
    void requestRefused(PeerCommand word);
    void answerRequest(const PeerMessage& m);
    void peerEndedGame(PeerCommand word);
    void tryNextAddress();
    void lookedUp(const QHostInfo& info);
    void failCall(NetFailure why);
    void peerGone();
    bool sendOrTell(const std::string& bytes, NetFailure failure);
    void report(NetFailure what);
    void adopt(QTcpSocket* socket);
    void watchCall(QTcpSocket* socket, PeerConnection* c);
    void startKeepAlive(QTcpSocket* socket) const;
    QTcpSocket* socket() const;
    std::size_t nextTauntIndex();

    QTcpServer listener_;
    QPointer<PeerConnection> connection_;
    Slot slot_ = Slot::None;
    QTimer connectTimer_;
    QTimer answerTimer_;
    // The call under way: its name lookup (-1 for none), the addresses still
    // to try and the port.
    int lookupId_ = -1;
    QList<QHostAddress> candidates_;
    quint16 callPort_ = GamePort;
    State state_ = State::Idle;
    bool netGameActive_ = false;
    // Numbers each request, so an answer reaches only the one it was asked about.
    int request_ = 0;
    std::mt19937 tauntChoice_{std::random_device{}()};
};

}  // namespace orbel
