// Two sessions over loopback, the caller proposing 3+2: the callee hears a
// mover's reading after the move it came with, and a claim and its answer;
// a callee of the first protocol (a raw socket, so that its bytes are seen
// whole) hears nothing of clocks.
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "net/network_session.h"

namespace orbel {
namespace {

HostField loopback(quint16 port) { return HostField{true, "127.0.0.1", port, {}}; }

TEST(SessionClocks, AReadingFollowsItsMoveAndNeverReachesAFirstProtocolCopy) {
    const TimeControl blitz = readTimeControl("180+2").value();
    NetworkSession a, b;
    ASSERT_TRUE(a.setUpListening(0) && b.setUpListening(0));
    int played = 0;
    std::vector<std::string> heard;
    b.checkpoint = [&] { return GameCheckpoint{played, {}, {}, false}; };
    QObject::connect(&b, &NetworkSession::callerNamed, &b, [&](int request) { b.acceptRequest(request, "Bob"); });
    QObject::connect(&b, &NetworkSession::gameReady, &b, [&] { b.confirmGame(); });
    // The board here plays what arrives.
    QObject::connect(&b, &NetworkSession::moveReceived, &b, [&] {
        ++played;
        heard.push_back("move");
    });
    QObject::connect(&b, &NetworkSession::peerClockRead, &b,
                     [&](std::int64_t ms) { heard.push_back(std::to_string(ms)); });
    QObject::connect(&a, &NetworkSession::flagSaid, &a,
                     [&](Side side) { heard.push_back(side == Side::White ? "flag white" : "flag black"); });
    ASSERT_TRUE(a.setProposedClock(blitz));
    a.ownClockReading = [] { return std::optional<std::int64_t>(182000); };
    a.startCall(loopback(b.listeningPort()), "Ann", WhiteColorCode);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.netGameActive() && b.state() == NetworkSession::State::Playing; }));
    EXPECT_EQ(a.agreedClock(), blitz);
    EXPECT_EQ(b.agreedClock(), blitz);
    ASSERT_TRUE(a.sendMove(makeMoveRecord(6, 3, 4, 3)));
    // Black claims White's flag three times; White answers once, with its reading.
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() == 2; }));
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(b.sendFlag(Side::White));
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() == 3; }));
    ASSERT_TRUE(a.sendClock(175000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() == 4; }));
    QTest::qWait(100);
    EXPECT_EQ(heard, (std::vector<std::string>{"move", "182000", "flag white", "175000"}));

    QTcpServer old;
    ASSERT_TRUE(old.listen(QHostAddress::LocalHost));
    NetworkSession c;
    ASSERT_TRUE(c.setUpListening(0));
    c.setProposedClock(blitz);
    c.ownClockReading = [] { return std::optional<std::int64_t>(182000); };
    c.startCall(loopback(old.serverPort()), "Ann", WhiteColorCode);
    ASSERT_TRUE(QTest::qWaitFor([&] { return old.hasPendingConnections(); }));
    QTcpSocket* raw = old.nextPendingConnection();
    QByteArray bytes;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (bytes += raw->readAll()).count('\r') == 2; }));
    EXPECT_TRUE(bytes.contains(" clock=180+2\r"));
    raw->write("ACK Old\r");
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.netGameActive(); }));
    EXPECT_TRUE(c.agreedClock().none());
    ASSERT_TRUE(c.sendMove(makeMoveRecord(6, 3, 4, 3)));
    EXPECT_FALSE(c.sendFlag(Side::Black));
    EXPECT_FALSE(c.sendClock(175000));
    bytes.clear();
    QTest::qWait(200);
    EXPECT_EQ((bytes += raw->readAll()).toStdString(), "MOVE 1 4 3 4");
}

}  // namespace
}  // namespace orbel
