// The connection of network play: the listening socket every copy keeps
// open, the call started from the Internet Game dialog, the incoming request,
// the messages of the game and its end. One session per main window, on its
// (UI) thread; the socket events reach it as WM_SOCKET_NOTIFY through the
// window's procedure, so they are handled whatever mode is installed.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <chrono>
#include <functional>
#include <random>
#include <cstdint>
#include <string>

#include "game/game_window.h"
#include "net/protocol.h"

class QWidget;

namespace orbel {

class ConnectingDialog;

// Socket events as the notification carries them (low word of lParam); the
// error rides in the high word.
namespace fd {
inline constexpr int Read = 1;
inline constexpr int Write = 2;
inline constexpr int Accept = 8;
inline constexpr int Connect = 16;
inline constexpr int Close = 32;
inline constexpr int TimedOut = 10060;
inline constexpr int Refused = 10061;
}  // namespace fd

inline constexpr quint16 GamePort = 4128;

// The IPv4 address a host text names: a dotted address, "255.255.255.255",
// or the first IPv4 address a name lookup gives; a null address for none.
QHostAddress resolveHostAddress(const QString& host);

class NetworkSession : public QObject {
    Q_OBJECT
public:
    enum class State { Unavailable, Idle, Calling, Requesting, Answering, Deciding, Playing };

    explicit NetworkSession(GameWindow& window);
    ~NetworkSession() override;

    // Listens on every IPv4 address; false (after telling the user) when it
    // cannot. The program uses GamePort; tests pass 0 for any free port.
    bool setUpListening(quint16 port);
    quint16 listeningPort() const { return listener_.serverPort(); }

    State state() const { return state_; }
    bool netGameActive() const { return netGameActive_; }

    // Direct Network Game: the Internet Game dialog, the call, and the
    // connecting box until the call is answered, fails or is cancelled.
    void runDirectNetworkGame(QWidget* owner);
    // WM_SOCKET_NOTIFY.
    void handleSocketNotify(int event, int error);

    // A game message to the peer; false, after the site's box, when it could
    // not be sent.
    bool sendMove(const MoveRecord& localMove);
    void sendChat(const std::string& text);
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
    // Where calls go; tests point it at another window's listener.
    quint16 peerPort = GamePort;
    std::chrono::milliseconds connectTimeout{21000};
    // How long an incoming caller has to send its NICK.
    std::chrono::milliseconds nickTimeout{30000};
    // The taunt "/trash" sends; tests fix it.
    std::function<std::size_t()> tauntIndex;

private:
    enum class Slot { None, Open, Closed };

    void notify(int event, int error = 0);
    void acceptIncoming();
    void readPeer();
    void handlePeerMessage(const PeerMessage& m);
    void receiveMove(const MoveRecord& received);
    void requestAccepted(const PeerMessage& m);
    void requestRefused(PeerCommand word);
    void answerRequest(const PeerMessage& m);
    void decide();
    void peerEndedGame(PeerCommand word);
    void refusePeerMove();
    void startCall(const QHostAddress& address);
    void failCall(const char* text);
    void connectProblem();
    bool sendBytes(const std::string& bytes);
    bool sendOrTell(const std::string& bytes, const char* failure, const char* caption);
    void adopt(QTcpSocket* socket);
    void closeOpenDialog(int code);
    void box(const char* message, const char* caption, MessageIcon icon);

    GameWindow& window_;
    QTcpServer listener_;
    QPointer<QTcpSocket> socket_;
    Slot slot_ = Slot::None;
    PeerStream stream_;
    QTimer connectTimer_;
    QTimer answerTimer_;
    QPointer<ConnectingDialog> openDialog_;
    State state_ = State::Idle;
    bool netGameActive_ = false;
    // While a box or dialog raised by a socket event is open, further reads
    // wait for it to close: a message is handled whole before the next.
    int busy_ = 0;
    bool readPending_ = false;
    std::mt19937 tauntChoice_{std::random_device{}()};
};

}  // namespace orbel
