// Network play between two real windows in one process over loopback, and
// against a raw socket standing in for a peer, byte for byte.
#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QTimer>
#include <QUdpSocket>
#include <arpa/inet.h>
#include <fcntl.h>
#include <sched.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <deque>
#include <iostream>

#include "game/one_player.h"
#include "game/window_messages.h"
#include "net/chat_pane.h"
#include "net/net_dialogs.h"
#include "net/network_proc.h"
#include "net/network_session.h"
#include "net/protocol.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "shell/live_text.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

using State = NetworkSession::State;

const QString Loopback = QStringLiteral("127.0.0.1");

// A port of a host, as the host field takes it.
QString hostAt(quint16 port, const QString& host = QStringLiteral("127.0.0.1")) {
    return host + ':' + QString::number(port);
}

// One copy of the program: a real window, its boxes recorded, its dialogs
// answered from a queue (a dialog with no answer is cancelled; the
// connecting box runs for real until the call settles it).
struct Copy {
    std::unique_ptr<MainWindow> w;
    std::vector<ShownBox> boxes;
    std::deque<std::function<int(QDialog&)>> answers;
    bool acceptRequests = true;
    QString nickname = QStringLiteral("Bob");

    Copy() : w(std::make_unique<MainWindow>()) {
        w->seams().box = [this](const BoxRequest& r) { boxes.push_back({r.text, r.caption, r.icon, r.hasOwner}); };
        w->seams().question = [this](const BoxRequest& r) {
            boxes.push_back({r.text, r.caption, r.icon, r.hasOwner});
            return acceptRequests;
        };
        w->seams().dialog = [this](QDialog& d) {
            if (auto* nick = dynamic_cast<NicknameDialog*>(&d)) {
                nick->nicknameEdit()->setText(nickname);
                nick->okButton()->click();
                return d.result();
            }
            if (!answers.empty()) {
                auto answer = std::move(answers.front());
                answers.pop_front();
                return answer(d);
            }
            if (dynamic_cast<ConnectingDialog*>(&d)) return d.exec();
            d.reject();
            return static_cast<int>(QDialog::Rejected);
        };
        w->seams().sound = [](int) {};
        w->show();
        EXPECT_TRUE(w->network().setUpListening(0));
    }
    ~Copy() {
        if (w) w->close();
    }
    UiState& ui() { return w->ui(); }
    NetworkSession& net() { return w->network(); }
    bool saw(const QString& text) const {
        for (const ShownBox& b : boxes)
            if (b.text == text) return true;
        return false;
    }
    void drag(int fromRow, int fromCol, int toRow, int toCol) {
        QWidget* board = w->boardWindow();
        QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, WindowTest::pointOf(fromRow, fromCol));
        QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, WindowTest::pointOf(toRow, toCol));
    }
    // The next Internet Game dialog, filled in and confirmed.
    void answerInternetGame(const QString& host, const QString& nick, int colorCode) {
        answers.push_back([host, nick, colorCode](QDialog& d) {
            auto& dialog = dynamic_cast<InternetGameDialog&>(d);
            dialog.hostEdit()->setText(host);
            dialog.nicknameEdit()->setText(nick);
            dialog.radio(colorCode == WhiteColorCode ? ctl::White : ctl::Black)->click();
            dialog.okButton()->click();
            return d.result();
        });
    }
    // Calls `other` as Alice, asking to play `colorCode`.
    void call(Copy& other, int colorCode = WhiteColorCode) {
        answerInternetGame(hostAt(other.net().listeningPort()), QStringLiteral("Alice"), colorCode);
        w->sendCommand(cmd::DirectNetworkGame);
    }
};

bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }

class NetworkTest : public ::testing::Test {
protected:
    // A game between two copies, the caller playing `callerColour`.
    void startGame(int callerColour = WhiteColorCode) {
        caller.call(callee, callerColour);
        ASSERT_TRUE(waitFor([&] { return callee.net().state() == State::Playing; }));
        ASSERT_EQ(caller.net().state(), State::Playing);
    }
    Copy caller;
    Copy callee;
};

TEST_F(NetworkTest, ARequestAcceptedStartsTheGameOnBothSides) {
    startGame();
    EXPECT_TRUE(callee.saw(QStringLiteral("Incoming Request for network game!")));
    EXPECT_TRUE(callee.saw(QStringLiteral("Accept request for a game from Alice (127.0.0.1)?")));
    for (Copy* c : {&caller, &callee}) {
        EXPECT_EQ(c->w->installedMode(), &networkProc);
        EXPECT_TRUE(c->w->chatPane()->isVisible());
        EXPECT_FALSE(c->w->brainPane()->isVisible());
        for (int id : {cmd::SaveGame, cmd::LoadGame, cmd::Resign, cmd::DirectNetworkGame, cmd::UndoMove,
                       cmd::OpenGameText, cmd::PasteGameText})
            EXPECT_FALSE(c->w->action(id)->isEnabled()) << id;
        for (int id : {cmd::NetworkResign, cmd::KillGame}) EXPECT_TRUE(c->w->action(id)->isEnabled()) << id;
    }
    EXPECT_FALSE(caller.ui().humanPlaysBlack);
    EXPECT_TRUE(callee.ui().humanPlaysBlack);
    EXPECT_TRUE(caller.ui().myTurn);
    EXPECT_FALSE(callee.ui().myTurn);
    EXPECT_EQ(caller.net().peerNickname, "Bob");
    EXPECT_EQ(callee.net().peerNickname, "Alice");
    // The score lines name the two players; a long nickname is cut to fit.
    EXPECT_EQ(scoreText(caller.ui(), Own), "Bob: 38");
    EXPECT_EQ(scoreText(caller.ui(), Enemy), "You: 38");
    caller.ui().opponentName = QString(24, QLatin1Char('W'));
    EXPECT_TRUE(paintedScoreText(caller.ui(), Own, caller.w->boardFont()).contains(QChar(0x2026)));
    // The nickname given last (the callee's, in this one settings store) is
    // offered the next time.
    Copy next;
    QString offered;
    next.answers.push_back([&](QDialog& d) {
        offered = dynamic_cast<InternetGameDialog&>(d).nicknameEdit()->text();
        d.reject();
        return d.result();
    });
    next.w->sendCommand(cmd::DirectNetworkGame);
    EXPECT_EQ(offered, "Bob");

    // Black may not move first, with the mouse or the keys; White's e2-e4,
    // typed, arrives on Black's board and is announced there.
    callee.drag(6, 3, 4, 3);
    QTest::keyClicks(callee.w->boardWindow(), QStringLiteral("e5"));
    QTest::keyClick(callee.w->boardWindow(), Qt::Key_Return);
    EXPECT_EQ(callee.w->statusMessage(), "Not your move: e5");
    EXPECT_EQ(callee.ui().game.blackHistory.count, 0);
    QTest::keyClicks(caller.w->boardWindow(), QStringLiteral("e4"));
    QTest::keyClick(caller.w->boardWindow(), Qt::Key_Return);
    EXPECT_FALSE(caller.ui().myTurn);
    EXPECT_EQ(caller.w->liveText()->text(), "You: pawn e2 to e4");
    ASSERT_TRUE(waitFor([&] { return callee.ui().myTurn; }));
    EXPECT_EQ(callee.ui().game.whiteHistory.lines[0], "e4");
    EXPECT_EQ(callee.ui().game.displayBoard.at(3, 4), (Square{Pawn, Own}));  // e4, seen from Black
    EXPECT_EQ(callee.w->liveText()->text(), "Opponent: pawn e2 to e4");
    EXPECT_TRUE(caller.boxes.empty());
}

// Fool's mate, with each colour calling: the mated side writes the result
// line, both go back to one-player play with the connection closed.
TEST_F(NetworkTest, AGameToMateWithEitherColourCalling) {
    for (int callerColour : {WhiteColorCode, BlackColorCode}) {
        SCOPED_TRACE(callerColour);
        startGame(callerColour);
        Copy& white = callerColour == WhiteColorCode ? caller : callee;
        Copy& black = callerColour == WhiteColorCode ? callee : caller;
        auto play = [](Copy& mover, Copy& other, int fr, int fc, int tr, int tc) {
            mover.drag(fr, fc, tr, tc);
            ASSERT_TRUE(waitFor([&] { return other.ui().myTurn || other.net().state() != State::Playing; }));
        };
        play(white, black, 6, 2, 5, 2);  // f3
        play(black, white, 6, 4, 4, 4);  // e5
        play(white, black, 6, 1, 4, 1);  // g4
        black.drag(7, 3, 3, 7);          // Qh4#
        ASSERT_TRUE(waitFor([&] { return white.net().state() == State::Idle; }));
        EXPECT_EQ(black.ui().game.blackHistory.lines[1], "Qh4+");
        EXPECT_EQ(white.ui().game.blackHistory.lines[1], "0-1");
        for (Copy* c : {&white, &black}) {
            EXPECT_TRUE(c->saw(QStringLiteral("CheckMate!")));
            EXPECT_EQ(c->w->installedMode(), &onePlayerProc);
            EXPECT_FALSE(c->net().netGameActive());
            EXPECT_FALSE(c->w->chatPane()->isVisible());
            EXPECT_TRUE(c->w->action(cmd::DirectNetworkGame)->isEnabled());
            c->boxes.clear();
            // Either side exports the game it saw, under the two nicknames.
            c->w->sendCommand(cmd::CopyGame);
            const QString pgn = QGuiApplication::clipboard()->text();
            const bool aliceWhite = callerColour == WhiteColorCode;
            EXPECT_TRUE(pgn.contains(aliceWhite ? "[White \"Alice\"]\n[Black \"Bob\"]" : "[White \"Bob\"]\n[Black \"Alice\"]"));
            EXPECT_TRUE(pgn.endsWith(QStringLiteral("\n\n1. f3 e5 2. g4 Qh4# 0-1\n"))) << pgn.toStdString();
        }
    }
}

TEST_F(NetworkTest, CastlingAndPromotionCrossTheWire) {
    startGame();
    // White may castle short, and Black has a pawn about to queen.
    const Board b = fromWhitesSide({"...k....", "........", "........", "........", "........", "........",
                                    ".p......", "....K..R"});
    caller.ui().game.currentGame->board = b;
    caller.ui().game.syncDisplay();
    Board seen = b;
    flipBoard(seen);
    callee.ui().game.currentGame->board = seen;
    callee.ui().game.syncDisplay();

    caller.drag(7, 3, 7, 1);  // O-O
    ASSERT_TRUE(waitFor([&] { return callee.ui().myTurn; }));
    EXPECT_EQ(callee.ui().game.whiteHistory.lines[0], "O-O");
    EXPECT_EQ(callee.ui().game.displayBoard.at(0, 6), (Square{King, Own}));  // g1 from Black's side
    EXPECT_EQ(callee.ui().game.displayBoard.at(0, 5), (Square{Rook, Own}));  // f1
    // Black's pawn b2-b1 queens on both boards.
    callee.drag(1, 1, 0, 1);
    ASSERT_TRUE(waitFor([&] { return caller.ui().myTurn; }));
    EXPECT_EQ(caller.ui().game.displayBoard.at(7, 6), (Square{Queen, Own}));
    EXPECT_EQ(callee.ui().game.displayBoard.at(0, 1), (Square{Queen, Enemy}));
}

TEST_F(NetworkTest, ChatLinesAndTrashReachBothPanes) {
    startGame();
    caller.w->seams().tauntIndex = [] { return std::size_t{1}; };
    QLineEdit* edit = caller.w->chatPane()->edit();
    edit->setFocus();
    // Any script, both ways.
    const QString line = QStringLiteral("za\u017c\u00f3\u0142\u0107 \u041f\u0440\u0438\u0432\u0435\u0442 \u20ac");
    edit->insert(line);  // as an input method or a paste puts it there
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(caller.w->chatPane()->lines().value(0), "Alice> " + line);
    ASSERT_TRUE(waitFor([&] { return !callee.w->chatPane()->lines().value(0).isEmpty(); }));
    EXPECT_EQ(callee.w->chatPane()->lines().value(0), "Alice> " + line);
    // Read out to the other side only.
    EXPECT_EQ(callee.w->liveText()->text(), "Alice says: " + line);
    EXPECT_NE(caller.w->liveText()->text(), "Alice says: " + line);

    QTest::keyClicks(edit, QStringLiteral("/trash"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(caller.w->chatPane()->lines().value(0), "Alice> *TRASH* Hah! You call that a move!");
    ASSERT_TRUE(waitFor([&] { return callee.w->chatPane()->lines().value(0).contains("TRASH"); }));
}

// IPv6 and IPv4 on the one listener; the callee's prompt names the caller
// the way it called: IPv4 dotted (not as an IPv4-mapped IPv6 address), IPv6
// in its short form.
TEST_F(NetworkTest, ACallerReachesTheCalleeAtAnyOfItsAddresses) {
    const struct {
        QString host;
        const char* shownAs;
    } rows[] = {
        {"[::1]:%1", "::1"},
        {"[0:0:0:0:0:0:0:1]:%1", "::1"},
        {"127.0.0.1:%1", "127.0.0.1"},
        {"[::ffff:127.0.0.1]:%1", "127.0.0.1"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.host.toStdString());
        Copy a, b;
        a.answerInternetGame(r.host.arg(b.net().listeningPort()), QStringLiteral("Ann"), WhiteColorCode);
        a.w->sendCommand(cmd::DirectNetworkGame);
        ASSERT_TRUE(waitFor([&] { return b.net().state() == State::Playing; }));
        EXPECT_TRUE(b.saw(QStringLiteral("Accept request for a game from Ann (%1)?").arg(r.shownAs)));
    }
}

TEST_F(NetworkTest, ARejectedRequestEndsTheCall) {
    callee.acceptRequests = false;
    caller.call(callee);
    ASSERT_TRUE(waitFor([&] { return caller.saw(QStringLiteral("Game request denied")); }));
    EXPECT_EQ(caller.net().state(), State::Idle);
    EXPECT_TRUE(waitFor([&] { return callee.net().state() == State::Idle; }));
    EXPECT_EQ(caller.w->installedMode(), &onePlayerProc);
}

TEST_F(NetworkTest, AThirdCallerIsDeniedAndTheGameGoesOn) {
    startGame();
    Copy third;
    // DENY: its box, and the connecting box closes with it.
    third.answerInternetGame(hostAt(callee.net().listeningPort()), QStringLiteral("Carol"), WhiteColorCode);
    third.w->sendCommand(cmd::DirectNetworkGame);
    ASSERT_EQ(third.boxes.size(), 1u);
    EXPECT_EQ(third.boxes[0].caption, "Opponent unavailable");
    EXPECT_EQ(third.net().state(), State::Idle);
    EXPECT_EQ(callee.net().state(), State::Playing);
    caller.drag(6, 3, 4, 3);
    ASSERT_TRUE(waitFor([&] { return callee.ui().myTurn; }));
}

TEST_F(NetworkTest, ResignKillAndClosingEndTheOtherSidesGame) {
    struct Row {
        const char* name;
        std::function<void(Copy&)> end;
        const char* seen;
    };
    const Row rows[] = {
        {"Resign", [](Copy& c) { c.w->sendCommand(cmd::NetworkResign); }, "Congratulations! Your opponent has resigned!"},
        {"Kill Game", [](Copy& c) { c.w->sendCommand(cmd::KillGame); }, "Opponent has disconnected"},
        {"New 2 Player Game", [](Copy& c) { c.w->sendCommand(cmd::NewTwoPlayerGame); }, "Opponent has disconnected"},
        {"closing the window", [](Copy& c) { c.w->close(); }, "Opponent has disconnected"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Copy a;
        a.call(callee);
        ASSERT_TRUE(waitFor([&] { return callee.net().state() == State::Playing; }));
        callee.boxes.clear();
        r.end(a);
        ASSERT_TRUE(waitFor([&] { return callee.net().state() == State::Idle; }));
        EXPECT_TRUE(callee.saw(QString::fromUtf8(r.seen)));
        EXPECT_EQ(callee.w->statusText(), "Game Over");
        EXPECT_EQ(callee.w->installedMode(), &onePlayerProc);
        EXPECT_FALSE(a.net().netGameActive());
    }
}

TEST_F(NetworkTest, ACallThatCannotBeMadeSaysWhyAndEndsIdle) {
    EXPECT_TRUE(literalHostAddress(QStringLiteral("localhost")).isNull()) << "a name, looked up";
    EXPECT_EQ(literalHostAddress(QStringLiteral("255.255.255.255")), QHostAddress(QHostAddress::Broadcast));
    EXPECT_EQ(literalHostAddress(Loopback), QHostAddress(QHostAddress::LocalHost));
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 closedPort = closed.serverPort();
    closed.close();
    // A listener whose queue is full: the kernel drops the call's SYN.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);
    ASSERT_EQ(::listen(fd, 0), 0);
    socklen_t length = sizeof at;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&at), &length);
    QTcpSocket fill[2];
    for (QTcpSocket& f : fill) f.connectToHost(QHostAddress::LocalHost, ntohs(at.sin_port));
    QTest::qWait(200);
    caller.net().connectTimeout = std::chrono::milliseconds(300);
    const struct {
        const char* name;
        QString host;
        quint16 port;
        const char* text;
        const char* caption;
    } rows[] = {
        {"a closed port", Loopback, closedPort, "Connection Refused!", "Failed Connection!"},
        {"nobody answers", Loopback, ntohs(at.sin_port), "Connection Timeout!", "Failed Connection!"},
        // The connecting box opens all the same, until Cancel Connect.
        {"an address that resolves to nothing", "0.0.0.0", callee.net().listeningPort(),
         "Connection Problem - Check network settings", "Internet Game"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        caller.boxes.clear();
        caller.answerInternetGame(hostAt(r.port, r.host), QStringLiteral("Alice"), WhiteColorCode);
        caller.answers.push_back([](QDialog& d) {
            // Cancel Connect, unless the call settles first.
            QTimer::singleShot(1000, &d, [&d] { dynamic_cast<ConnectingDialog&>(d).cancelButton()->click(); });
            return d.exec();
        });
        caller.w->sendCommand(cmd::DirectNetworkGame);
        ASSERT_EQ(caller.boxes.size(), 1u);
        EXPECT_EQ(caller.boxes[0].text, r.text);
        EXPECT_EQ(caller.boxes[0].caption, r.caption);
        EXPECT_EQ(caller.net().state(), State::Idle);
        EXPECT_EQ(callee.net().state(), State::Idle) << "nothing reached a listener";
        caller.answers.clear();
    }
    ::close(fd);
}

TEST_F(NetworkTest, ASecondCopyCannotListenOnAPortTaken) {
    Copy second;
    second.boxes.clear();
    EXPECT_FALSE(second.net().setUpListening(callee.net().listeningPort()));
    ASSERT_EQ(second.boxes.size(), 1u);
    EXPECT_EQ(second.boxes[0].text, "Socket Binding Error - Internet play unavailable");
    EXPECT_EQ(second.boxes[0].caption, "Error");
}

// A raw socket as the peer: what this program sends, byte for byte, and
// what it makes of what a peer sends.
class RawPeerTest : public ::testing::Test {
public:
    // The raw peer calls the copy and sends `nick`.
    void callWith(const QByteArray& nick) {
        raw.connectToHost(QHostAddress::LocalHost, copy.net().listeningPort());
        ASSERT_TRUE(raw.waitForConnected(5000));
        raw.write(nick);
        raw.flush();
        ASSERT_TRUE(waitFor([&] { return copy.net().state() == State::Playing; }));
        ASSERT_TRUE(waitFor([&] { return raw.bytesAvailable() > 0; }));
        EXPECT_EQ(raw.readAll(), "ACK Bob\r");
    }
    void send(const QByteArray& bytes) {
        raw.write(bytes);
        raw.flush();
    }
    Copy copy;
    QTcpSocket raw;
};

TEST_F(RawPeerTest, NickMakesTheCalleeTheColourItNames) {
    struct Row {
        QByteArray nick;
        bool calleeBlack;
        QString peer;
    };
    for (const Row& r : {Row{"NICK 3 Rook7\r", false, "Rook7"}, Row{"NICK 4 Blue Knight\r", true, "Blue Knight"}}) {
        SCOPED_TRACE(r.nick.constData());
        callWith(r.nick);
        EXPECT_EQ(copy.ui().humanPlaysBlack, r.calleeBlack);
        EXPECT_EQ(copy.net().peerNickname, r.peer);
        send("END");
        ASSERT_TRUE(waitFor([&] { return copy.net().state() == State::Idle; }));
        raw.abort();
    }
}

TEST_F(RawPeerTest, MessagesArriveWholeHoweverTheyAreCut) {
    callWith("NICK 4 Raw\r");  // the copy plays Black: the raw peer (White) moves first
    // Lower case is no command; a chat line and a move in one read are both handled.
    send("move 1 4 3 4");
    QTest::qWait(50);  // its own read
    send("KIB hi\rMOVE 1 4 3 4");
    ASSERT_TRUE(waitFor([&] { return copy.ui().myTurn; }));
    EXPECT_EQ(copy.w->chatPane()->lines().value(0), "Raw> hi");
    EXPECT_EQ(copy.ui().game.whiteHistory.lines[0], "e4");
    // A line that fits in Latin-1 goes out in Latin-1, as every peer reads it.
    copy.w->chatPane()->edit()->insert(QStringLiteral("caf\u00e9"));
    QTest::keyClick(copy.w->chatPane()->edit(), Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] { return raw.bytesAvailable() >= 9; }));
    EXPECT_EQ(raw.readAll(), "KIB caf\xe9\r");
    // The copy's answer e7-e5 goes out in the raw peer's frame.
    copy.drag(6, 4, 4, 4);
    ASSERT_TRUE(waitFor([&] { return raw.bytesAvailable() >= 12; }));
    EXPECT_EQ(raw.readAll(), "MOVE 1 3 3 3");
    // A move split over two reads.
    send("MOVE 0 6");
    QTest::qWait(50);
    send(" 2 5");
    ASSERT_TRUE(waitFor([&] { return copy.ui().myTurn; }));
    EXPECT_EQ(copy.ui().game.whiteHistory.lines[1], "Nf3");
}

TEST_F(RawPeerTest, AMoveTheRulesRefuseIsNeverApplied) {
    const QByteArray copyBlack = "NICK 4 Raw\r", copyWhite = "NICK 3 Raw\r";
    const struct {
        const char* name;
        QByteArray nick, move;
    } rows[] = {
        {"off the board", copyBlack, "MOVE 1 4 9 4"},
        {"from an empty square", copyBlack, "MOVE 3 4 4 4"},
        {"a piece of the copy's own", copyBlack, "MOVE 6 4 5 4"},
        {"a pawn three squares", copyBlack, "MOVE 1 4 4 4"},
        {"a castle without room", copyBlack, "MOVE 99 99 7 1"},
        {"a castle code of the wrong side", copyBlack, "MOVE 99 101 7 1"},
        {"out of turn: the copy plays White and moves first", copyWhite, "MOVE 1 4 3 4"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        callWith(r.nick);
        const Board before = copy.ui().game.displayBoard;
        copy.boxes.clear();
        send(r.move);
        ASSERT_TRUE(waitFor([&] { return copy.net().state() == State::Idle; }));
        EXPECT_EQ(copy.ui().game.displayBoard, before) << "applied";
        ASSERT_EQ(copy.boxes.size(), 1u);
        EXPECT_EQ(copy.boxes[0].caption, "Internet Game");
        EXPECT_EQ(copy.w->installedMode(), &onePlayerProc);
        ASSERT_TRUE(waitFor([&] { return raw.bytesAvailable() > 0 || raw.state() != QAbstractSocket::ConnectedState; }));
        EXPECT_EQ(raw.readAll(), "END");
        raw.abort();
    }
}

// Boxes run nested event loops in which the peer's bytes still arrive.
TEST_F(RawPeerTest, WhatArrivesWhileTheRequestIsBeingDecided) {
    const struct {
        const char* name;
        QByteArray duringPrompt;
        State after;
        bool disconnected;
    } rows[] = {
        {"END: the request is over, the board left alone", "END", State::Idle, true},
        {"a second NICK: one prompt, one game", "NICK 4 Again\r", State::Playing, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        int prompts = 0;
        copy.boxes.clear();
        copy.ui().game.displayBoard = Board{};
        copy.w->seams().question = [&](const BoxRequest&) {
            ++prompts;
            raw.write(r.duringPrompt);
            raw.flush();
            QTest::qWait(100);
            return true;
        };
        raw.connectToHost(QHostAddress::LocalHost, copy.net().listeningPort());
        ASSERT_TRUE(raw.waitForConnected(5000));
        send("NICK 3 Caller\r");
        ASSERT_TRUE(waitFor([&] { return prompts > 0 && copy.net().state() == r.after; }));
        raw.readAll();
        QTest::qWait(100);
        EXPECT_EQ(copy.net().state(), r.after);
        EXPECT_EQ(prompts, 1);
        EXPECT_EQ(copy.saw("Opponent has disconnected"), r.disconnected);
        EXPECT_EQ(copy.w->installedMode(), r.disconnected ? &onePlayerProc : &networkProc);
        EXPECT_EQ(copy.ui().game.displayBoard == Board{}, r.disconnected) << "a game set up";
        // A peer that only closes its end leaves the game to Kill Game.
        send("END");
        ASSERT_TRUE(waitFor([&] { return copy.net().state() == State::Idle; }));
        raw.abort();
    }
}

TEST_F(RawPeerTest, ACallerThatNeverNamesItselfIsLetGo) {
    copy.net().nickTimeout = std::chrono::milliseconds(200);
    raw.connectToHost(QHostAddress::LocalHost, copy.net().listeningPort());
    ASSERT_TRUE(raw.waitForConnected(5000));
    ASSERT_TRUE(waitFor([&] { return copy.net().state() == State::Answering; }));
    ASSERT_TRUE(waitFor([&] { return copy.net().state() == State::Idle; }));
    // The line is free again: the next caller is asked about, not denied.
    QTcpSocket next;
    next.connectToHost(QHostAddress::LocalHost, copy.net().listeningPort());
    ASSERT_TRUE(next.waitForConnected(5000));
    EXPECT_TRUE(waitFor([&] { return copy.net().state() == State::Answering; }));
}

// A peer that goes away is noticed wherever it goes: the game or the request
// ends with "Opponent has disconnected", and nothing waits for ever.
TEST_F(RawPeerTest, APeerThatGoesAwayEndsTheGameOrTheRequest) {
    const QString gone = QStringLiteral("Opponent has disconnected");
    const QString incoming = QStringLiteral("Incoming Request for network game!");
    const struct {
        const char* name;
        bool gameFirst;                 // called with a NICK and playing before the fault
        std::function<void(RawPeerTest&)> whileIncomingBox;  // done while the first box is open
        std::function<void(RawPeerTest&)> fault;
        State after;
        bool sawGone;
    } rows[] = {
        {"the peer closes during the game", true, nullptr, [](RawPeerTest& t) { t.raw.disconnectFromHost(); },
         State::Idle, true},
        {"the peer's connection is reset during the game", true, nullptr,
         [](RawPeerTest& t) {
             const linger reset{1, 0};
             ::setsockopt(static_cast<int>(t.raw.socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
             t.raw.abort();
         },
         State::Idle, true},
        {"the caller hangs up while the Incoming box is read", false,
         [](RawPeerTest& t) { t.raw.abort(); }, nullptr, State::Idle, true},
        // The caller's time to name itself runs only once the box is answered.
        {"a slow answer to the Incoming box still gets the request", false,
         [](RawPeerTest& t) {
             t.send("NICK 3 Slow\r");
             QTest::qWait(300);
         },
         nullptr, State::Playing, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        copy.boxes.clear();
        copy.net().nickTimeout = std::chrono::milliseconds(100);
        copy.w->seams().box = [&](const BoxRequest& b) {
            copy.boxes.push_back({b.text, b.caption, b.icon, b.hasOwner});
            if (b.text == incoming && r.whileIncomingBox) r.whileIncomingBox(*this);
        };
        const Board before = copy.ui().game.displayBoard;
        if (r.gameFirst) {
            callWith("NICK 4 Raw\r");
        } else {
            raw.connectToHost(QHostAddress::LocalHost, copy.net().listeningPort());
            ASSERT_TRUE(raw.waitForConnected(5000));
        }
        if (r.fault) r.fault(*this);
        ASSERT_TRUE(waitFor([&] { return copy.net().state() == r.after && (copy.saw(gone) || !r.sawGone); }));
        QTest::qWait(50);
        EXPECT_EQ(copy.saw(gone), r.sawGone);
        if (r.after == State::Idle) {
            EXPECT_EQ(copy.w->installedMode(), &onePlayerProc);
            EXPECT_FALSE(copy.w->chatPane()->isVisible());
            if (!r.gameFirst) {
                EXPECT_EQ(copy.ui().game.displayBoard, before) << "no game started";
            }
        }
        if (r.gameFirst) {
            EXPECT_EQ(copy.w->statusText(), "Game Over");
        }
        if (r.after == State::Playing) send("END");
        ASSERT_TRUE(waitFor([&] { return copy.net().state() == State::Idle; }));
        raw.abort();
    }
}

TEST_F(RawPeerTest, AFloodWithoutAnEndKeepsTheWindowPainting) {
    callWith("NICK 4 Flood\r");
    send("KIB ");
    const QByteArray block(1 << 20, 'x');
    qint64 queued = 0;
    int paints = 0;
    for (int i = 0; i < 50; ++i) {
        queued += raw.write(block);
        copy.w->boardWindow()->update();
        QTest::qWait(1);
        ++paints;
        // The copy holds back what it has not read yet: the bytes wait in
        // the sender's buffers until the copy's event loop takes them.
        while (raw.bytesToWrite() > (8 << 20)) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    send("\rMOVE 1 4 3 4");
    ASSERT_TRUE(waitFor([&] { return copy.ui().myTurn; }));
    EXPECT_EQ(copy.w->chatPane()->lines().value(0), "Flood> " + QString(255, QLatin1Char('x')));
    EXPECT_EQ(queued, 50 << 20);
    EXPECT_GT(paints, 0);
}

}  // namespace
}  // namespace orbel::testing

namespace orbel::testing {
namespace {

// ---- Networks of the test's own making ---------------------------------
//
// The window's name lookups run against a name server of the test's, in a
// network and mount namespace where /etc/resolv.conf names it: the test
// runs itself again there (unshare), as root.

constexpr const char* InSandbox = "ORBEL_TEST_IN_SANDBOX";

// Runs this test again in a private network with the resolver at
// 127.0.0.1 and a name of two addresses; its exit status, or -1 (with
// `why`) when that cannot be done.
int runInSandbox(const char* test, QString& why) {
    QTemporaryFile resolv, hosts;
    if (!resolv.open() || !hosts.open()) return why = QStringLiteral("no temporary file"), -1;
    resolv.write("nameserver 127.0.0.1\noptions timeout:1 attempts:1\n");
    resolv.flush();
    hosts.write("127.0.0.1 localhost\n127.0.0.2 both.test\n127.0.0.1 both.test\n");
    hosts.flush();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(InSandbox), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QStringLiteral("unshare"),
                {"--net", "--mount", "--", "sh", "-c",
                 "mount --bind \"$1\" /etc/resolv.conf && mount --bind \"$2\" /etc/hosts && ip link set lo up && "
                 "exec \"$3\" --gtest_filter=\"$4\"",
                 "sh", resolv.fileName(), hosts.fileName(), QCoreApplication::applicationFilePath(),
                 QString::fromLatin1(test)});
    if (!child.waitForFinished(60000)) return why = QStringLiteral("unshare did not finish"), -1;
    if (child.exitStatus() != QProcess::NormalExit) return why = QStringLiteral("the sandboxed run crashed"), 1;
    if (child.exitCode() != 0 && QProcess::execute(QStringLiteral("unshare"), {"--net", "--mount", "true"}) != 0)
        return why = QStringLiteral("unshare --net --mount is not permitted here (it needs root)"), -1;
    return child.exitCode();
}

// A name server on 127.0.0.1:53 that says no name exists, or never answers.
class NameServer : public QObject {
public:
    explicit NameServer(bool answers) : answers_(answers) {
        bound = socket_.bind(QHostAddress::LocalHost, 53);
        connect(&socket_, &QUdpSocket::readyRead, this, [this] {
            while (socket_.hasPendingDatagrams()) {
                QNetworkDatagram query = socket_.receiveDatagram();
                QByteArray reply = query.data();
                if (!answers_ || reply.size() < 12) continue;
                reply[2] = static_cast<char>(reply[2] | 0x80);  // a response
                reply[3] = static_cast<char>(0x83);             // recursion available, no such name
                socket_.writeDatagram(query.makeReply(reply));
            }
        });
    }
    bool bound = false;

private:
    bool answers_;
    QUdpSocket socket_;
};

TEST(NameLookup, RunsWhileTheWindowAnswersAndEndsWithItsBox) {
    if (!qEnvironmentVariableIsSet(InSandbox)) {
        QString why;
        const int status = runInSandbox("NameLookup.*", why);
        if (status == -1) GTEST_SKIP() << why.toStdString();
        EXPECT_EQ(status, 0);
        return;
    }
    // Listens on 127.0.0.1: both.test's first address, 127.0.0.2, refuses.
    QTcpServer v4;
    ASSERT_TRUE(v4.listen(QHostAddress::LocalHost, 0));
    const struct {
        const char* name;
        QString host;
        bool serverAnswers;
        int connectTimeoutMs;
        bool userCancels;
        QStringList boxes;
    } rows[] = {
        {"a name no server knows", "nowhere.test", true, 21000, false, {"Connection Problem - Check network settings"}},
        {"a server that never answers: Cancel Connect ends it", "nowhere.test", false, 21000, true, {}},
        {"the connect timeout covers the lookup", "nowhere.test", false, 400, false, {"Connection Timeout!"}},
        // The call reaches the listener, which never answers: Cancel Connect.
        {"a name of two addresses: the second is tried", hostAt(v4.serverPort(), "both.test"), true, 21000, true, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        NameServer server(r.serverAnswers);
        ASSERT_TRUE(server.bound);
        Copy caller;
        caller.net().connectTimeout = std::chrono::milliseconds(r.connectTimeoutMs);
        caller.answerInternetGame(r.host, QStringLiteral("Alice"), WhiteColorCode);
        int ticks = 0;
        bool cancelled = false;
        caller.answers.push_back([&](QDialog& d) {
            // The window's own timers run on while the name is looked up.
            QTimer tick;
            QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
            tick.start(20);
            QTimer::singleShot(600, &d, [&] {
                if (!r.userCancels) return;
                cancelled = true;
                dynamic_cast<ConnectingDialog&>(d).cancelButton()->click();
            });
            return d.exec();
        });
        caller.w->sendCommand(cmd::DirectNetworkGame);
        QStringList shown;
        for (const ShownBox& b : caller.boxes) shown << b.text;
        EXPECT_EQ(shown, r.boxes);
        EXPECT_EQ(cancelled, r.userCancels) << "the box closed with the failure";
        EXPECT_GE(ticks, r.userCancels ? 20 : 0);
        EXPECT_EQ(caller.net().state(), State::Idle);
    }
    ASSERT_TRUE(v4.hasPendingConnections()) << "both.test's second address never reached";
    QTcpSocket* reached = v4.nextPendingConnection();
    EXPECT_TRUE(QTest::qWaitFor([&] { return reached->bytesAvailable() >= 12; }, 2000));
    EXPECT_EQ(reached->readAll(), "NICK 4 Alice\r");
}

// Two namespaces joined by a veth pair: the copy listens in one, the peer
// calls from the other, and the link is deleted under the game, so no FIN
// and no RST ever arrives.
class Veth {
public:
    Veth() {
        const QString tag = QString::number(QCoreApplication::applicationPid());
        a_ = "orbka" + tag;
        b_ = "orbkb" + tag;
        made = ip({"netns", "add", a_}) && ip({"netns", "add", b_}) &&
               ip({"link", "add", "ka", "netns", a_, "type", "veth", "peer", "name", "kb", "netns", b_}) &&
               ip({"-n", a_, "addr", "add", "10.77.0.1/24", "dev", "ka"}) &&
               ip({"-n", a_, "addr", "add", "2001:db8:77::1/64", "dev", "ka", "nodad"}) &&
               ip({"-n", a_, "link", "set", "ka", "up"}) && ip({"-n", b_, "addr", "add", "10.77.0.2/24", "dev", "kb"}) &&
               ip({"-n", b_, "addr", "add", "2001:db8:77::2/64", "dev", "kb", "nodad"}) &&
               ip({"-n", b_, "link", "set", "kb", "up"});
    }
    ~Veth() {
        ip({"netns", "del", a_});
        ip({"netns", "del", b_});
    }
    // Runs `make` with this thread in the namespace: the sockets it creates stay there.
    bool inA(const std::function<void()>& make) { return inside(a_, make); }
    bool inB(const std::function<void()>& make) { return inside(b_, make); }
    bool cut() { return ip({"-n", a_, "link", "del", "ka"}); }
    bool made = false;

private:
    static bool ip(const QStringList& args) { return QProcess::execute(QStringLiteral("ip"), args) == 0; }
    static bool inside(const QString& name, const std::function<void()>& make) {
        const int home = ::open("/proc/thread-self/ns/net", O_RDONLY);
        const int there = ::open(("/run/netns/" + name).toLocal8Bit().constData(), O_RDONLY);
        const bool entered = home >= 0 && there >= 0 && ::setns(there, CLONE_NEWNET) == 0;
        if (entered) make();
        const bool back = home >= 0 && ::setns(home, CLONE_NEWNET) == 0;
        if (there >= 0) ::close(there);
        if (home >= 0) ::close(home);
        return entered && back;
    }
    QString a_, b_;
};

TEST(Veth, ACallerReachesACalleeAtItsIPv6Address) {
    Veth net;
    if (!net.made) GTEST_SKIP() << "network namespaces cannot be made here (ip netns needs root)";
    Copy caller, callee;
    ASSERT_TRUE(net.inA([&] { callee.net().setUpListening(0); }));
    caller.answerInternetGame(QStringLiteral("[2001:db8:77::1]:%1").arg(callee.net().listeningPort()),
                              QStringLiteral("Far"), WhiteColorCode);
    // The call's socket is made in the other namespace; the connecting box
    // waits there until the game starts.
    ASSERT_TRUE(net.inB([&] { caller.w->sendCommand(cmd::DirectNetworkGame); }));
    ASSERT_TRUE(waitFor([&] { return callee.net().state() == State::Playing; }));
    EXPECT_TRUE(callee.saw(QStringLiteral("Accept request for a game from Far (2001:db8:77::2)?")));
}

TEST(Keepalive, APeerThatVanishesSilentlyIsFoundWithinSeconds) {
    Veth net;
    if (!net.made) GTEST_SKIP() << "network namespaces cannot be made here (ip netns needs root)";
    Copy copy;
    copy.net().keepAlive = {std::chrono::seconds(1), std::chrono::seconds(1), 2};
    QTcpSocket raw;
    ASSERT_TRUE(net.inA([&] { copy.net().setUpListening(0); }));
    ASSERT_TRUE(net.inB([&] { raw.connectToHost(QHostAddress(QStringLiteral("10.77.0.1")), copy.net().listeningPort()); }));
    ASSERT_TRUE(raw.waitForConnected(5000));
    raw.write("NICK 4 Far\r");
    ASSERT_TRUE(waitFor([&] { return copy.net().state() == State::Playing; }));
    ASSERT_TRUE(net.cut());
    QElapsedTimer since;
    since.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return copy.saw(QStringLiteral("Opponent has disconnected")); }, 30000));
    EXPECT_EQ(copy.net().state(), State::Idle);
    EXPECT_EQ(copy.w->installedMode(), &onePlayerProc);
    std::cout << "[          ] the silent vanish was noticed after " << since.elapsed() << " ms\n";
}

}  // namespace
}  // namespace orbel::testing
