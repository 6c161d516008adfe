#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/protocol.h"

namespace orbel {
namespace {

using namespace std::string_literals;

// A message as a row of the tables writes it: the word, the MOVE numbers or
// the colour, and the text as it would be shown.
std::string describe(const PeerMessage& m) {
    std::string out(peerCommandWord(m.command));
    if (m.command == PeerCommand::Move) {
        for (const int n : {m.move.fromRow, m.move.fromCol, m.move.toRow, m.move.toCol}) out += ' ' + std::to_string(n);
    }
    if (m.command == PeerCommand::Nick) out += ' ' + std::to_string(m.colorCode);
    if (m.command == PeerCommand::Nick || m.command == PeerCommand::Kib || m.command == PeerCommand::Ack) {
        out += ' ' + peerTextForDisplay(m.text);
    }
    return out;
}

// Each chunk is one read; the messages joined by " | ".
std::string parse(PeerStream& stream, const std::vector<std::string>& reads) {
    std::string out;
    for (const std::string& read : reads) {
        std::string_view rest = read;
        while (std::optional<PeerMessage> m = stream.next(rest)) out += (out.empty() ? "" : " | ") + describe(*m);
        EXPECT_TRUE(rest.empty());
        EXPECT_LE(stream.heldBytes(), PeerStream::MaxHeldBytes);
    }
    return out;
}

std::string parse(const std::vector<std::string>& reads) {
    PeerStream stream;
    return parse(stream, reads);
}

TEST(PeerMessages, BuildersWriteTheExactBytes) {
    const struct {
        const char* name;
        std::string built;
        std::string bytes;
    } rows[] = {
        {"nick, receiver White", nickMessage(3, "Rook7"), "NICK 3 Rook7\r"},
        {"nick keeps spaces", nickMessage(4, "Blue Knight"), "NICK 4 Blue Knight\r"},
        {"nick cut to 24", nickMessage(4, std::string(30, 'n')), "NICK 4 " + std::string(24, 'n') + "\r"},
        {"no \\r can end a text early", nickMessage(3, "a\rMOVE 1 4 3 4"), "NICK 3 a MOVE 1 4 3 4\r"},
        {"ack", ackMessage("Anna"), "ACK Anna\r"},
        {"ack cut to 24", ackMessage(std::string(25, 'a')), "ACK " + std::string(24, 'a') + "\r"},
        {"kib", kibMessage("hi"), "KIB hi\r"},
        {"kib empty", kibMessage(""), "KIB \r"},
        {"kib cut to 74", kibMessage(std::string(80, 'k')), "KIB " + std::string(74, 'k') + "\r"},
        {"kib controls become spaces", kibMessage("a\x01\n\x7f" "b"), "KIB a   b\r"},
        {"White's e2-e4", moveMessage(makeMoveRecord(6, 3, 4, 3)), "MOVE 1 4 3 4"},
        {"White castles short", moveMessage(makeMoveRecord(99, 101, 7, 1)), "MOVE 99 99 7 1"},
        {"White castles long", moveMessage(makeMoveRecord(100, 101, 7, 5)), "MOVE 100 100 7 5"},
        {"Black castles long", moveMessage(makeMoveRecord(100, 101, 7, 2)), "MOVE 100 100 7 2"},
        {"reject", bareMessage(PeerCommand::Reject), "REJECT"},
        {"deny", bareMessage(PeerCommand::Deny), "DENY"},
        {"resign", bareMessage(PeerCommand::Resign), "RESIGN"},
        {"end", bareMessage(PeerCommand::End), "END"},
        {"no bare MOVE", bareMessage(PeerCommand::Move), ""},
    };
    for (const auto& row : rows) EXPECT_EQ(row.built, row.bytes) << row.name;
}

TEST(PeerStream, SplitsAndReadsTheStream) {
    const std::string longText(300, 'a');
    const struct {
        const char* name;
        std::vector<std::string> reads;
        std::string messages;
    } rows[] = {
        {"move", {"MOVE 1 4 3 4"}, "MOVE 1 4 3 4"},
        {"castle", {"MOVE 99 99 7 1"}, "MOVE 99 99 7 1"},
        {"nick gives the colour", {"NICK 3 Rook7\r"}, "NICK 3 Rook7"},
        {"nick keeps the space", {"NICK 4 Blue Knight\r"}, "NICK 4 Blue Knight"},
        {"ack", {"ACK Anna\r"}, "ACK Anna"},
        {"kib", {"KIB hi\r"}, "KIB hi"},
        {"kib empty", {"KIB \r"}, "KIB "},
        {"kib keeps further spaces", {"KIB  two\r"}, "KIB  two"},
        {"bare words", {"DENY", "END", "REJECT", "RESIGN"}, "DENY | END | REJECT | RESIGN"},
        {"kib then move in one read", {"KIB hi\rMOVE 1 4 3 4"}, "KIB hi | MOVE 1 4 3 4"},
        {"three in one read", {"MOVE 1 4 3 4KIB gl\rEND"}, "MOVE 1 4 3 4 | KIB gl | END"},
        {"bare words joined", {"ENDRESIGNDENY"}, "END | RESIGN | DENY"},
        {"line ends between messages", {"\r\nEND\r\n KIB x\r\n"}, "END | KIB x"},
        {"word split over reads", {"MO", "VE 1 4 3 4"}, "MOVE 1 4 3 4"},
        {"text split over reads", {"KIB h", "i there\r"}, "KIB hi there"},
        {"end of read ends the fourth number", {"MOVE 1 4 3 1", "2"}, "MOVE 1 4 3 1"},
        {"lower case is no command", {"move 1 4 3 4"}, ""},
        {"unknown word skipped to a space", {"HELLO END"}, "END"},
        {"unknown word swallows a glued command", {"xyzEND"}, ""},
        {"unknown word ends with its read", {"xyz", "END"}, "END"},
        {"bare word complete at its last letter", {"ENDX"}, "END"},
        {"field word needs its space", {"MOVEMOVE 1 2 3 4", "KIB\r"}, ""},
        {"extra spaces and signs", {"MOVE  +1 -4  3 4"}, "MOVE 1 -4 3 4"},
        {"int32 limits", {"MOVE 2147483647 -2147483648 0 0"}, "MOVE 2147483647 -2147483648 0 0"},
        {"beyond int32", {"MOVE 2147483648 0 0 0", "MOVE 0 0 0 -2147483649"}, ""},
        {"endless number then a command", {"MOVE 99999999999999999999 1 2 3 END"}, "END"},
        {"three numbers", {"MOVE 1 4 3\rEND"}, "END"},
        {"three numbers wait for the fourth", {"MOVE 1 4 3"}, ""},
        {"garbage field", {"MOVE 1 x 3 4"}, ""},
        {"sign without digits", {"MOVE 1 4 3 -"}, ""},
        {"fourth number ends at a non-digit", {"MOVE 1 4 3 4x"}, "MOVE 1 4 3 4"},
        {"nick colour other than 3 or 4", {"NICK 5 MOVE 1 4 3 4\rEND"}, "END"},
        {"nick colour not a number", {"NICK x Eve\r"}, ""},
        {"nick without a nickname", {"NICK 3\r"}, ""},
        {"nick with an empty nickname", {"NICK 4 \r"}, "NICK 4 "},
        {"long text cut to 255", {"KIB " + longText + "\rEND"}, "KIB " + std::string(255, 'a') + " | END"},
        {"binary text", {"KIB \0\x01\x1b\xff\n\r"s}, "KIB \\x00\\x01\\x1B\xff\\x0A"},
    };
    for (const auto& row : rows) EXPECT_EQ(parse(row.reads), row.messages) << row.name;
}

// Every message of the program, joined, gives the same messages however the
// reads cut it.
TEST(PeerStream, ReadsCutAnywhereGiveTheSameMessages) {
    const std::string stream = nickMessage(4, "Blue Knight") + ackMessage("Anna") + moveMessage(makeMoveRecord(6, 3, 4, 3)) +
                               kibMessage("hi") + moveMessage(makeMoveRecord(99, 101, 7, 1)) + kibMessage("") +
                               moveMessage(makeMoveRecord(100, 101, 7, 2)) + "DENYREJECTRESIGNEND";
    const std::string whole = parse({stream});
    ASSERT_EQ(whole, "NICK 4 Blue Knight | ACK Anna | MOVE 1 4 3 4 | KIB hi | MOVE 99 99 7 1 | KIB  | "
                     "MOVE 100 100 7 2 | DENY | REJECT | RESIGN | END");
    for (std::size_t a = 0; a <= stream.size(); ++a) {
        for (std::size_t b = a; b <= stream.size(); ++b) {
            ASSERT_EQ(parse({stream.substr(0, a), stream.substr(a, b - a), stream.substr(b)}), whole)
                << "reads cut at " << a << " and " << b;
        }
    }
}

// 50 MB that never end a message keep the held bytes within their bound.
TEST(PeerStream, FloodsStayBounded) {
    const struct {
        const char* name;
        std::string start;
        char fill;
        std::size_t megabytes;
        std::string finish;
        std::string messages;
    } rows[] = {
        {"text without \\r", "KIB ", 'a', 50, "\rEND", "KIB " + std::string(255, 'a') + " | END"},
        {"one endless word", "", 'x', 4, " END", "END"},
        {"one endless number", "MOVE 1 ", '0', 4, " 2 3END", "MOVE 1 0 2 3 | END"},
        {"nickname without \\r", "NICK 3 ", 'n', 4, "\r", "NICK 3 " + std::string(255, 'n')},
    };
    const std::size_t chunk = 1 << 16;
    for (const auto& row : rows) {
        PeerStream stream;
        std::string got = parse(stream, {row.start});
        const std::string fill(chunk, row.fill);
        for (std::size_t sent = 0; sent < row.megabytes << 20; sent += chunk) {
            std::string_view rest = fill;
            ASSERT_FALSE(stream.next(rest).has_value()) << row.name;
            ASSERT_LE(stream.heldBytes(), PeerStream::MaxHeldBytes) << row.name;
        }
        got += parse(stream, {row.finish});
        EXPECT_EQ(got, row.messages) << row.name;
    }
}

TEST(PeerTexts, DisplayAndChatLines) {
    const struct {
        const char* name;
        std::string made;
        std::string expected;
    } rows[] = {
        {"plain text unchanged", peerTextForDisplay("Blue Knight"), "Blue Knight"},
        {"controls escaped", peerTextForDisplay("a\x01\r\n\x1b" "b"), "a\\x01\\x0D\\x0A\\x1Bb"},
        {"delete and C1 escaped", peerTextForDisplay("\x7f\x80\x9f"), "\\x7F\\x80\\x9F"},
        {"Latin-1 letters kept", peerTextForDisplay("\xa0\xe9\xff"), "\xa0\xe9\xff"},
        {"nul escaped", peerTextForDisplay("a\0b"s), "a\\x00b"},
        {"typed line as typed", chatTextToSend("hello", 0), "hello"},
        {"trash, taunt 0", chatTextToSend("/trash", 0), "*TRASH* Get off the chess board!"},
        {"trash, taunt 5", chatTextToSend("/trash", 5), "*TRASH* You should resign my friend!"},
        {"trash, index past 6", chatTextToSend("/trash", 10), "*TRASH* Mate is comin' up!"},
        {"other case sent as typed", chatTextToSend("/Trash", 1), "/Trash"},
        {"trailing space sent as typed", chatTextToSend("/trash ", 1), "/trash "},
        {"empty line", chatTextToSend("", 2), ""},
        {"cut to 74", chatTextToSend(std::string(80, 'c'), 0), std::string(74, 'c')},
        {"echo line", chatLine("Rook7", "hi"), "Rook7> hi"},
        {"echo of nothing", chatLine("Rook7", ""), "Rook7> "},
        {"peer line escaped", chatLine("Eve\x1b", "x\ry"), "Eve\\x1B> x\\x0Dy"},
    };
    for (const auto& row : rows) EXPECT_EQ(row.made, row.expected) << row.name;
}

TEST(PeerTexts, EveryByteShowsWithoutControls) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string shown = peerTextForDisplay(all);
    for (const char c : shown) {
        const auto u = static_cast<unsigned char>(c);
        EXPECT_FALSE(u < 32 || (u >= 127 && u < 160)) << "byte " << int(u);
    }
    EXPECT_EQ(peerTextForDisplay(shown), shown);
}

}  // namespace
}  // namespace orbel
