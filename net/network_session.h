// The connection state of network play: the listening socket every copy
// keeps open, the call this side makes, the request another copy makes, the
// messages of the game and its end. One session per main window, on its (UI)
// thread. The bytes on the wire are a PeerConnection's; the dialogs around a
// call and a request are direct_game's; this keeps the state machine and
// tells the window what became of it. Listening and calling events reach it
// as WM_SOCKET_NOTIFY through the window's procedure, so they are handled
// whatever mode is installed.
#pragma once

#include <QHostAddress>
#include <QHostInfo>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>
#include <chrono>
#include <random>
#include <string>

#include "game/seams.h"
#include "net/host_field.h"
#include "net/peer_connection.h"
#include "net/protocol.h"

class QTcpSocket;

namespace orbel {

class NetworkWindow;

// Socket events as the notification carries them (low word of lParam); the
// error rides in the high word.
namespace fd {
inline constexpr int Accept = 8;
inline constexpr int Connect = 16;
inline constexpr int TimedOut = 10060;
inline constexpr int Refused = 10061;
}  // namespace fd

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

class NetworkSession : public QObject {
    Q_OBJECT
public:
    enum class State { Unavailable, Idle, Calling, Requesting, Answering, Deciding, Playing };

    explicit NetworkSession(NetworkWindow& window);
    ~NetworkSession() override;

    // Listens on every address, IPv6 and IPv4 alike, or IPv4 alone where the
    // system has no IPv6; false (after telling the user) when it cannot. The
    // program uses GamePort or the port it was told; tests pass 0 for any
    // free port.
    bool setUpListening(quint16 port);
    quint16 listeningPort() const { return listener_.serverPort(); }

    State state() const { return state_; }
    bool netGameActive() const { return netGameActive_; }

    // WM_SOCKET_NOTIFY.
    void handleSocketNotify(int event, int error);

    // The call of Direct Network Game, to the host and port the user named
    // (an address, or a name looked up without holding up the window, whose
    // addresses are tried one after another in the resolver's order), with
    // the nickname and colour the user gave. It ends in a game
    // (WM_NET_ACKED), in a box saying why not (which also closes the
    // connecting box), or in cancelCall(). connectTimeout covers the lookup
    // and every connect together.
    void startCall(const HostField& host, const QString& nickname, int colorCode);
    // Cancel Connect: the lookup or the call given up.
    void cancelCall();
    // The connecting box has closed: a call still unanswered is over.
    void callBoxClosed();
    // The user's answer to the request decideRequest asks about: refused, or
    // the game accepted with the user's nickname. stillDeciding is false
    // once that request is over (its caller gave up meanwhile), and then
    // the answer changes nothing.
    bool stillDeciding(int request) const;
    void refuseRequest(int request);
    void acceptRequest(int request, const QString& nickname);

    // A game message to the peer; false, after the site's box, when it could
    // not be sent.
    bool sendMove(const MoveRecord& localMove);
    // A line typed in the chat pane: sent, and echoed in the pane.
    void sendChatLine(const QString& typed);
    // Network Play, Resign (RESIGN) or Kill Game (END), and the other ways a
    // running game is left from this side: the word sent, the connection
    // closed. The caller then starts the new one-player game.
    void endGame(PeerCommand word);
    // The game ended on the board (a mate): the connection is closed.
    void gameOver();
    // The main window is going away: END to a running game, the connection closed.
    void windowDestroyed();
    // CloseConn: ends the current connection (an error box when it was
    // closed already).
    void closeConn();
    // Starting the game on this side: ACK from the callee, the connecting box closed.
    void gameStarted();

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

signals:
    // The connecting box is to close with this result.
    void callSettled(int result);

private:
    enum class Slot { None, Open, Closed };

    void notify(int event, int error = 0);
    void acceptIncoming();
    void handlePeerMessage(const PeerMessage& m);
    void receiveMove(const MoveRecord& received);
    void requestAccepted(const PeerMessage& m);
    void requestRefused(PeerCommand word);
    void answerRequest(const PeerMessage& m);
    void peerEndedGame(PeerCommand word);
    void refusePeerMove();
    void tryNextAddress();
    void lookedUp(const QHostInfo& info);
    void failCall(const char* text, const char* caption);
    void peerGone();
    bool sendOrTell(const std::string& bytes, const char* failure, const char* caption);
    void adopt(QTcpSocket* socket);
    void startKeepAlive(QTcpSocket* socket) const;
    QTcpSocket* socket() const;
    void box(const char* message, const char* caption, MessageIcon icon);
    std::size_t tauntIndex();

    NetworkWindow& window_;
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
