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
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include "net/caller_guard.h"
#include "net/peer_connection.h"
#include "net/wire/greeting.h"
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
    // Waiting: the line of a running game went down and the game is kept.
    // Redialling: this side calls the other to take it up again; Rejoining:
    // the other side has called back and is to name the game.
    enum class State { Unavailable, Idle, Calling, Requesting, Answering, Deciding, Playing, Waiting, Redialling, Rejoining };

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
    void startCall(const HostField& host, const QString& nickname, int colorCode, RuleSet rules = RuleSet::Orbel);
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

    // ---- Between two copies of this version (both said HELLO) ----------
    bool peerIsNew() const { return peerIsNew_; }
    // The rules the two agreed at the call: the caller's, when both are new.
    RuleSet rules() const { return rules_; }
    // The rules the caller proposed, for the accept question.
    RuleSet proposedRules() const { return proposed_.rules; }

    // ---- Clocks, between two copies of this version (network_clock.cpp) --
    // The time control this side's calls propose (the user's setting), set
    // before startCall; false, and no clock proposed, when its text is too
    // long for the hello (helloClockFits).
    bool setProposedClock(const TimeControl& control);
    // The control the caller proposed, for the accept question (none from
    // a caller of the first protocol or one that proposed none).
    const TimeControl& proposedClock() const { return proposed_.clock; }
    // The game's control, set as gameReady is emitted and kept through a
    // line that goes down and comes back and through a rematch: the
    // caller's, when both copies are of this version and the callee's hello
    // named it back; none otherwise (a first-protocol peer, none proposed).
    const TimeControl& agreedClock() const { return agreedClock_; }
    bool timed() const { return peerIsNew_ && !agreedClock_.none(); }
    // In a timed game, what the local user's clock reads after the move
    // being sent, its increment included. sendMove asks it from inside
    // Game::movePlayed, so the clocks must have taken the move by then.
    // Nothing, or a reading outside 0 to MaxClockReadingMs, sends no CLOCK.
    std::function<std::optional<std::int64_t>()> ownClockReading;
    // FLAG: `side`'s time is up by this side's clock. The local user's own
    // side when its flag fell here; the other side's as a claim, which the
    // other copy answers with FLAG of its side or with its reading
    // (peerClockRead). False when nothing was sent: not a timed game under
    // way with a copy of this version, or the send failed (reported).
    bool sendFlag(Side side);
    // CLOCK alone: the local user's reading, `ms`, as the answer to the
    // peer's claim that this side's flag fell when this side's clock says
    // otherwise. False when nothing was sent, as sendFlag.
    bool sendClock(std::int64_t ms);
    // A game ended on the board or by a resignation, between new copies:
    // the line stays for the chat and a rematch.
    bool gameOver() const { return gameOver_; }
    void gameFinished();
    // Call Again: redial now (the caller its callee's addresses, the callee
    // the address the caller came from), the backoff started afresh.
    void callAgain();
    // Whether the game waits for the line to come back (a call back may be
    // under way).
    bool waiting() const;
    // An offer to the other side; false when none may be made now.
    bool offer(OfferKind kind);
    bool mayOffer(OfferKind kind) const;
    // The user's answer to offerReceived.
    void answerOffer(const OfferMessage& offer, bool yes);
    // Where this side's game stands; set by whoever holds the game.
    std::function<GameCheckpoint()> checkpoint;
    // How long redialling goes on after a drop, and its longest pause.
    std::chrono::milliseconds redialFor{std::chrono::minutes(10)};
    std::chrono::milliseconds redialPauseMost{8000};
    // A peer may make this many offers a minute; more are passed over.
    int offersPerMinute = 4;

    QString localNickname;
    QString peerNickname;
    QString peerAddressText;
    int requestedColor = WhiteColorCode;
    int acceptedColor = WhiteColorCode;
    std::chrono::milliseconds connectTimeout{21000};
    // How long an incoming caller has to send its NICK, counted from its
    // connect: a caller sends it at once, and it waits unread while the
    // "Incoming Request" box is up.
    std::chrono::milliseconds nickTimeout{15000};
    // An address turned away, refused, or whose caller gave up or was let
    // go before its request was decided, three times within a minute, is
    // ignored this long: its connections are closed at once, unread.
    std::chrono::milliseconds ignoreFor{60000};
    // A peer that vanishes without closing (killed, power or network lost)
    // is found by TCP keepalive: probes after `idle` without traffic, every
    // `interval`, `probes` of them. Data sent to it gives up after as long.
    struct KeepAlive {
        std::chrono::seconds idle{20};
        std::chrono::seconds interval{5};
        int probes = 4;
    } keepAlive;
    // Plays a copy of the first protocol, which says no hello and passes
    // over every word it does not know: what copies of this version must
    // still play as that copy expects.
    bool firstProtocolOnly = false;
    // Which taunt "/trash" sends; random unless a test says.
    std::function<std::size_t()> tauntIndex;

signals:
    void failed(orbel::NetFailure what);
    // The connecting box is to close: the call is over, or has become a
    // game (`peerGone` when the other side ended it before it began).
    void callSettled(bool peerGone);
    // A caller has connected: the user is told before it names itself.
    void incomingCall();
    // That caller was let go before it named itself: its box closes.
    void incomingWithdrawn();
    // A caller from `address` was turned away while a request is answered.
    void callTurnedAway(const QString& address);
    // The caller has named itself: the user is to decide on `request`.
    void callerNamed(int request);
    // Both sides agree on a game; the local user plays the colour given
    // (WhiteColorCode or BlackColorCode).
    void gameReady(int localColorCode);
    void moveReceived(const orbel::MoveRecord& move);
    // A chat line to show: the user's own echoed as sent, or a note.
    void chatShown(const QString& line, bool own);
    // The peer's chat text, as peerTextForDisplay shows it.
    void peerSaid(const QString& text);
    // The peer left the running game.
    void peerLeft(orbel::PeerEnd how);
    // The line of a running game went down; the game waits for the other side.
    void connectionLost();
    // The two are back where they were.
    void rejoined();
    // The other side refused to take the game up again; the game is over.
    void resumeRefused(orbel::ResumeRefusal why);
    // This side is a move ahead of the other: its last move is to go again.
    void lastMoveWanted();
    // The peer's own clock reading in a timed game: after the move it came
    // with has been played here (right after moveReceived, and only when
    // that move was played), or, with no move after it, as the answer to
    // this side's claim that the peer's flag fell.
    void peerClockRead(std::int64_t ms);
    // The peer says `side`'s time is up by its clock: once for each side
    // and each number of plies played, however often it says it.
    void flagSaid(orbel::Side side);
    // The other side offers; answer with answerOffer.
    void offerReceived(const orbel::OfferMessage& offer);
    // An offer either side made was accepted (act on it) or declined.
    void offerSettled(const orbel::OfferMessage& reply, bool ours);
    // What the menus may offer changed.
    void offersChanged();

private:
    enum class Slot { None, Open, Closed };
    // What a peer sends waits in the kernel, not in memory of ours: a flood
    // is held back by TCP itself while the connection reads it a chunk per turn.
    static constexpr qint64 SocketReadBuffer = 65536;

    void connected();
    void callFailed(NetFailure why);
    // The door (network_incoming.cpp).
    void acceptIncoming();
    void turnAway(QTcpSocket* incoming);
    void takeCall(QTcpSocket* incoming);
    void callerSilent();
    // One more against the address (CallerGuard).
    void strike(const QHostAddress& address);
    void handlePeerMessage(const PeerMessage& m);
    // The clocks' side of the messages (network_clock.cpp): the peer's MOVE
    // with the reading before it, and the bytes of the local user's move.
    void peerMoved(const PeerMessage& m);
    std::string moveBytes(const MoveRecord& localMove);
    void clockArrived(const PeerMessage& m);
    void flagArrived(const PeerMessage& m);
    // A message other than MOVE: a reading held for a move is dropped, or
    // given as the answer to an open claim.
    void readingWithoutMove();
    // What the clocks' words left pending, forgotten with the line or the game.
    void forgetClockTalk();
    void startGameClock();
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
    // The "Incoming Request" box; false when the request ended meanwhile.
    bool announce();
    // Between new copies (network_rejoin.cpp).
    void helloReceived(const PeerMessage& m);
    bool handleNewWord(const PeerMessage& m);
    void lineWentDown();
    void scheduleRedial();
    void redial();
    void holdIncoming(QTcpSocket* incoming);
    void pendingMessage(const PeerMessage& m);
    void takeUp(const GamePoint& there, bool answering);
    void callAt(const HostField& host);
    void backInPlay(bool aheadHere);
    void dropConnection();
    void dropPending();
    PeerConnection* wrap(QTcpSocket* socket);
    void serve(PeerConnection* c);
    void noAddressLeft(NetFailure why);
    // The call under way given up: its lookup and the addresses left.
    void stopCalling();
    // A game with a copy of this version that is running or waiting for
    // its line: a drop is waited out, and a call back is taken.
    bool keepsGame() const { return peerIsNew_ && ((state_ == State::Playing && !gameOver_) || waiting()); }
    bool offerStands(const OfferMessage& m) const;
    void endWait(std::optional<ResumeRefusal> refusal);
    void offerArrived(const OfferMessage& m);
    void replyArrived(const OfferMessage& m);
    void beginRematch(const std::string& gameId);
    std::string newGameId();
    GameCheckpoint here() const { return checkpoint ? checkpoint() : GameCheckpoint{}; }

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

    bool announced_ = false;
    static constexpr std::chrono::milliseconds AnnounceGrace{250};
    // Where the request in hand comes from; the addresses lately turned
    // away or given up on; whether a request's last box is up.
    QHostAddress callerAddress_;
    CallerGuard callers_;
    bool endingRequest_ = false;
    bool peerIsNew_ = false;
    bool wasCaller_ = false;
    bool gameOver_ = false;
    Hello proposed_;
    RuleSet rules_ = RuleSet::Orbel;
    std::string gameId_;
    int localColor_ = WhiteColorCode;
    // Where to call the other side back: the caller's host as the user
    // named it, or the address the caller came from and the port it said.
    HostField callHost_;
    QHostAddress peerAddress_;
    quint16 peerPort_ = GamePort;
    QTimer redialTimer_;
    QTimer rejoinTimer_;
    int redialAttempt_ = 0;
    std::chrono::steady_clock::time_point downSince_;
    // A connection that came in during a game or a wait, until it names
    // the game it takes up (or anything else, which turns it away).
    QPointer<PeerConnection> pending_;
    std::optional<PieceKind> promotion_;
    std::optional<OfferMessage> ourOffer_;
    bool answering_ = false;
    std::vector<std::chrono::steady_clock::time_point> offersSeen_;
    TimeControl ownProposal_;
    // The clock the callee's hello named: the caller's game is timed when
    // it is the one proposed.
    TimeControl answeredClock_;
    TimeControl agreedClock_;
    // The peer's latest CLOCK, held for the MOVE after it; numbered, so that
    // an answer given at the end of a read is the one that arrived in it.
    std::optional<std::int64_t> peerReading_;
    unsigned readingSerial_ = 0;
    bool answerDue_ = false;
    // This side has said the peer's flag fell and has no answer yet.
    bool claimOpen_ = false;
    // The sides whose FLAG was signalled (a bit each) at these plies played.
    std::optional<int> flagPlies_;
    unsigned flagSides_ = 0;
    std::mt19937_64 idSource_{std::random_device{}()};
};

}  // namespace orbel
