#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/wire/greeting.h"
#include "net/wire/protocol.h"
#include "tests/net/peer_checks.h"

namespace orbel {
namespace {

using namespace std::string_literals;

const std::string Id = "0123456789abcdef0123456789abcdef";
std::string repeatWords(int n) {
    std::string out;
    while (n-- > 0) out += " a=1";
    return out;
}

const std::string Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w";
// A handicap of MaxHelloClockLength bytes, the longest a hello carries.
const std::string LongestClock = "40/86400+600:40/86400+600:86400+600|40/86400+600:20/7200+30:6000";
TimeControl control(std::string_view text) { return readTimeControl(text).value(); }

// Each string is one read; the messages as the peer would send them again.
std::string parse(const std::vector<std::string>& reads) {
    PeerStream stream;
    std::vector<PeerMessage> messages;
    for (std::string_view rest : reads) {
        while (std::optional<PeerMessage> m = stream.next(rest)) messages.push_back(std::move(*m));
        EXPECT_TRUE(rest.empty());
        EXPECT_LE(stream.heldBytes(), PeerStream::MaxHeldBytes);
    }
    return peer_checks::rebuild(messages);
}

// Each message built gives its exact bytes, and the peer reads them as sent;
// all of them one after another read the same however two cuts split them.
TEST(PeerMessages, BuiltBytesReadBackCutAnywhere) {
    const struct {
        std::string built;
        std::string bytes;
    } rows[] = {
        {nickMessage(3, "Rook7"), "NICK 3 Rook7\r"},
        {nickMessage(4, "Blue Knight"), "NICK 4 Blue Knight\r"},
        {nickMessage(4, std::string(30, 'n')), "NICK 4 " + std::string(24, 'n') + "\r"},
        {nickMessage(3, "a\rMOVE 1 4 3 4"), "NICK 3 a MOVE 1 4 3 4\r"},
        {ackMessage("Anna"), "ACK Anna\r"},
        {ackMessage(std::string(25, 'a')), "ACK " + std::string(24, 'a') + "\r"},
        {kibMessage(""), "KIB \r"},
        {kibMessage(std::string(80, 'k')), "KIB " + std::string(74, 'k') + "\r"},
        {kibMessage("a\x01\n\x7f" "b"), "KIB a   b\r"},
        {moveMessage(makeMoveRecord(6, 3, 4, 3)), "MOVE 1 4 3 4"},
        {moveMessage(makeMoveRecord(CastleShort, CastleByEnemy, 7, 1)), "MOVE 99 99 7 1"},
        {moveMessage(makeMoveRecord(CastleLong, CastleByEnemy, 7, 5)), "MOVE 100 100 7 5"},
        {bareMessage(PeerCommand::Reject), "REJECT"},
        {bareMessage(PeerCommand::Deny), "DENY"},
        {bareMessage(PeerCommand::Resign), "RESIGN"},
        {bareMessage(PeerCommand::End), "END"},
        {bareMessage(PeerCommand::Move), ""},
        {helloMessage({1, Id, 4128, RuleSet::Standard}), "HELLO 1 game=" + Id + " port=4128 rules=standard\r"},
        {helloMessage({1, "", 0, RuleSet::Orbel}), "HELLO 1 rules=orbel\r"},
        {backMessage({Id, 3, Start}), "BACK " + Id + " 3 " + Start + "\r"},
        {welcomeMessage(0, Start), "WELCOME 0 " + Start + "\r"},
        {noGameMessage(ResumeRefusal::Different), "NOGAME different\r"},
        {offerMessage({OfferKind::Takeback, false, 7, ""}), "OFFER takeback 7\r"},
        {replyMessage({OfferKind::Rematch, true, 0, Id}), "REPLY rematch yes " + Id + "\r"},
        {replyMessage({OfferKind::Draw, false, 0, ""}), "REPLY draw no\r"},
        {promoteMessage(Knight), "PROMOTE n\r"},
        {helloMessage({1, "", 0, RuleSet::Orbel, control("180+2")}), "HELLO 1 rules=orbel clock=180+2\r"},
        {helloMessage({1, "", 0, RuleSet::Orbel, control(LongestClock + "0")}), "HELLO 1 rules=orbel\r"},
        {clockMessage(178500), "CLOCK 178500\r"},
        {clockMessage(-1) + clockMessage(MaxClockReadingMs + 1), ""},
        {flagMessage(Side::White), "FLAG white\r"},
    };
    std::string stream;
    for (const auto& row : rows) {
        EXPECT_EQ(row.built, row.bytes);
        EXPECT_EQ(parse({row.bytes}), row.bytes);
        stream += row.bytes;
    }
    for (std::size_t a = 0; a <= stream.size(); ++a) {
        for (std::size_t b = a; b <= stream.size(); ++b) {
            ASSERT_EQ(parse({stream.substr(0, a), stream.substr(a, b - a), stream.substr(b)}), stream)
                << "reads cut at " << a << " and " << b;
        }
    }
}

// What copies of this version say is read strictly: anything malformed is
// nothing, and a later version's hello reads as this one's.
TEST(PeerGreetings, ReadBackOnlyWhatIsWellFormed) {
    EXPECT_EQ(readHello("1 game=" + Id + " port=4128 rules=standard"), (Hello{1, Id, 4128, RuleSet::Standard}));
    EXPECT_EQ(readHello("7 port=99999 rules=chess960 game=XYZ colour=white"), (Hello{7, "", 0, RuleSet::Orbel}));
    EXPECT_EQ(readBack(Id + " 12 " + Start), (GamePoint{Id, 12, Start}));
    EXPECT_EQ(readOffer("rematch " + Id), (OfferMessage{OfferKind::Rematch, false, 0, Id}));
    EXPECT_EQ(readReply("takeback yes 9"), (OfferMessage{OfferKind::Takeback, true, 9, ""}));
    EXPECT_EQ(readPromote("q"), Queen);
    EXPECT_EQ(readNoGame("unknown"), ResumeRefusal::Unknown);
    // A clock= that is no time control, or too long, is no clock; the hello stands.
    EXPECT_EQ(readHello("1 clock=300d3|180+2 rules=standard"),
              (Hello{1, "", 0, RuleSet::Standard, control("300d3|180+2")}));
    for (const std::string& value : {""s, "-"s, "abc"s, "0"s, "180+"s, "180+2|"s, LongestClock + "0"})
        EXPECT_EQ(readHello("1 rules=standard clock=" + value), (Hello{1, "", 0, RuleSet::Standard})) << value;
    EXPECT_EQ(readClock("0"), 0);
    EXPECT_EQ(readClock("007"), 7);
    EXPECT_EQ(readClock(std::to_string(MaxClockReadingMs)), MaxClockReadingMs);
    for (const std::string text : {"", "-5", "+5", " 5", "5 ", "5\r", "12a", "x", "1e3", "0x10", "360000001",
                                   "9999999999", "99999999999999999999"})
        EXPECT_FALSE(readClock(text).has_value()) << text;
    EXPECT_EQ(readFlag("white"), Side::White);
    EXPECT_EQ(readFlag("black"), Side::Black);
    for (const std::string text : {"", "White", "white ", "w", "red", "black black"})
        EXPECT_FALSE(readFlag(text).has_value()) << text;
    const std::string broken[] = {"", " 1", "1  rules=orbel", "-1", "x", "1" + repeatWords(16)};
    for (const std::string& text : broken) EXPECT_FALSE(readHello(text).has_value()) << text;
    const std::string badPoints[] = {Id + " 12", Id.substr(1) + " 1 " + Start, Id + " -1 " + Start,
                                     Id + " 10000 " + Start, Id + " 1 8/8/8/8/8/8/8/8 x", Id + " 1 9/8/8/8/8/8/8/8 w",
                                     Id + " 1 8/8/8/8/8/8/8 w", Id + " 1 8/8/8/8/8/8/8/7X w", Id + " 1 " + Start + " "};
    for (const std::string& text : badPoints) EXPECT_FALSE(readBack(text).has_value()) << text;
    const std::string badOffers[] = {"draw 1", "takeback", "takeback 0", "takeback +3", "rematch 12", "resign", "draw  "};
    for (const std::string& text : badOffers) EXPECT_FALSE(readOffer(text).has_value()) << text;
    for (const std::string text : {"draw", "draw maybe", "takeback yes", "rematch no"})
        EXPECT_FALSE(readReply(text).has_value()) << text;
    for (const std::string text : {"", "k", "qq", "Q"}) EXPECT_FALSE(readPromote(text).has_value()) << text;
    EXPECT_FALSE(readNoGame("other").has_value());
    EXPECT_EQ(positionText(initialPosition()), Start);
    // How two sides' games meet when the line is back: here 3 plies, the
    // last this side's, after position P2 from P1.
    const GameCheckpoint here{3, "P3", "P2", true};
    const struct {
        GamePoint there;
        Meeting meeting;
    } meetings[] = {{{Id, 3, "P3"}, Meeting::Same},       {{Id, 2, "P2"}, Meeting::AheadHere},
                    {{Id, 4, "P4"}, Meeting::AheadThere}, {{Id, 3, "Q3"}, Meeting::Different},
                    {{Id, 2, "Q2"}, Meeting::Different},  {{Id, 1, "P1"}, Meeting::Different},
                    {{Id, 5, "P5"}, Meeting::Different}};
    for (const auto& row : meetings) EXPECT_EQ(meet(here, row.there), row.meeting) << row.there.moves;
    EXPECT_EQ(meet({3, "P3", "P2", false}, {Id, 2, "P2"}), Meeting::Different);
    EXPECT_TRUE(isGameId(gameIdFrom(0x0123456789abcdefULL, ~0ULL)));
    // The longest NICK and hello fit in one read of a first-protocol copy
    // (255 bytes), which acts on the NICK and drops the hello behind it.
    std::string faces;
    for (int i = 0; i < 30; ++i) faces += "\U0001F600";
    ASSERT_EQ(LongestClock.size(), MaxHelloClockLength);
    const std::string hello = helloMessage({1, Id, 65535, RuleSet::Standard, control(LongestClock)});
    EXPECT_NE(hello.find(" clock=" + LongestClock + "\r"), std::string::npos);
    EXPECT_LE(nickMessage(3, faces).size() + hello.size(), MaxPeerTextLength);
}

TEST(PeerStream, ReadsOddStreams) {
    // A megabyte that never ends its message.
    const auto flood = [](char fill) { return std::string(1 << 20, fill); };
    const struct {
        const char* name;
        std::vector<std::string> reads;
        std::string messages;
    } rows[] = {
        {"kib keeps further spaces", {"KIB  two\r"}, "KIB  two\r"},
        {"kib then move in one read", {"KIB hi\rMOVE 1 4 3 4"}, "KIB hi\rMOVE 1 4 3 4"},
        {"line ends between messages", {"\r\nEND\r\n KIB x\r\n"}, "ENDKIB x\r"},
        {"end of read ends the fourth number", {"MOVE 1 4 3 1", "2"}, "MOVE 1 4 3 1"},
        {"lower case is no command", {"move 1 4 3 4"}, ""},
        {"unknown word skipped to a space", {"HOWDY END"}, "END"},
        {"hello behind a nick", {"NICK 4 Ann\rHELLO 1 rules=orbel\r"}, "NICK 4 Ann\rHELLO 1 rules=orbel\r"},
        {"clock then move in one read", {"CLOCK 1234\rMOVE 1 2 3 4"}, "CLOCK 1234\rMOVE 1 2 3 4"},
        {"clock and flag are words of their own", {"CLOCKS 1\rFLAGMOVE 1 2 3 4", "CLOCK\rFLA", "G black\r"},
         "FLAG black\r"},
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
        {"sign apart from its digits", {"MOVE 1 - 4 3 4"}, ""},
        {"fourth number ends at a non-digit", {"MOVE 1 4 3 4x"}, "MOVE 1 4 3 4"},
        {"nick colour other than 3 or 4", {"NICK 5 MOVE 1 4 3 4\rEND"}, "END"},
        {"nick colour not a number", {"NICK x Eve\r"}, ""},
        {"nick without a nickname", {"NICK 3\r"}, ""},
        {"nick with an empty nickname", {"NICK 4 \r"}, "NICK 4 \r"},
        {"binary text", {"KIB \0\x01\x1b\xff\n\r"s}, "KIB \0\x01\x1b\xff\n\r"s},
        {"text flood cut to 255", {"KIB ", flood('a'), "\rEND"}, "KIB " + std::string(255, 'a') + "\rEND"},
        {"nickname flood cut to 255", {"NICK 3 ", flood('n'), "\r"}, "NICK 3 " + std::string(255, 'n') + "\r"},
        {"endless word", {"", flood('x'), " END"}, "END"},
        {"endless number", {"MOVE 1 ", flood('0'), " 2 3END"}, "MOVE 1 0 2 3END"},
    };
    for (const auto& row : rows) EXPECT_EQ(parse(row.reads), row.messages) << row.name;
}

std::string repeat(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

TEST(PeerTexts, DisplayAndChatLines) {
    const struct {
        std::string made;
        std::string expected;
    } rows[] = {
        {peerTextForDisplay("Blue Knight"), "Blue Knight"},
        {peerTextForDisplay("a\0\x01\r\n\x1b" "b"s), "a\\x00\\x01\\x0D\\x0A\\x1Bb"},
        {peerTextForDisplay("\x7f\x80\x9f"), "\\x7F\\x80\\x9F"},
        // Latin-1 where the bytes are no UTF-8; UTF-8 where they are.
        {peerTextForDisplay("\xa0\xe9\xff"), "\u00a0\u00e9\u00ff"},
        {peerTextForDisplay("caf\xe9"), "caf\u00e9"},
        {peerTextForDisplay("za\u017c\u00f3\u0142\u0107 \u041f\u0440\u0438\u0432\u0435\u0442 \u20ac"),
         "za\u017c\u00f3\u0142\u0107 \u041f\u0440\u0438\u0432\u0435\u0442 \u20ac"},
        {peerTextForDisplay("\xc2\x85\xed\xa0\x80"), "\u00c2\\x85\u00ed\u00a0\\x80"},  // a surrogate: no UTF-8
        {peerTextForDisplay("\u00e9\xc2\x85"), "\u00e9\\x85"},
        // The 255-byte cut of a UTF-8 text leaves out the character it split.
        {peerTextForDisplay("\u00e9" + std::string(251, 'a') + "\xe2\x82"), "\u00e9" + std::string(251, 'a')},
        // Line breaks, bidirectional controls and the other format characters
        // go as their codes; letters of right-to-left scripts stay.
        {peerTextForDisplay("a\u2028b\u2029c\u0085"), "a\\u2028b\\u2029c\\x85"},
        {peerTextForDisplay("Ania (192.0.2.7)?" + repeat("\u2028", 70) + "\u202e"),
         "Ania (192.0.2.7)?" + repeat("\\u2028", 70) + "\\u202E"},
        {peerTextForDisplay("\u2066x\u2069\u200bo\ufeff\u00ad"), "\\u2066x\\u2069\\u200Bo\\uFEFF\\xAD"},
        {peerTextForDisplay("\U0001F3F4\U000E0067\U000E0062\U000E007F"), "\U0001F3F4\\U000E0067\\U000E0062\\U000E007F"},
        {peerTextForDisplay("\u05e9\u05dc\u05d5\u05dd\u200f \u0645\u0631\u062d\u0628\u0627\u061c 1"),
         "\u05e9\u05dc\u05d5\u05dd\\u200F \u0645\u0631\u062d\u0628\u0627\\u061C 1"},
        // Not UTF-8 (a stray 0xFF): the bytes of U+2028 are three Latin-1 characters.
        {peerTextForDisplay("\xe2\x80\xa8\xff\xad"), "\u00e2\\x80\u00a8\u00ff\\xAD"},
        {chatTextToSend("he\tllo", 0), "he llo"},
        {chatTextToSend("/trash", 0), "*TRASH* Get off the chess board!"},
        {chatTextToSend("/trash", 10), "*TRASH* Mate is comin' up!"},
        {chatTextToSend("/Trash", 1), "/Trash"},
        {chatTextToSend("/trash ", 1), "/trash "},
        {chatTextToSend("", 2), ""},
        {chatTextToSend(std::string(80, 'c'), 0), std::string(74, 'c')},
        {chatTextToSend(repeat("\u00e9", 80), 0), repeat("\u00e9", 74)},
        {chatLine("Zo\u00eb", "\u20ac"), "Zo\u00eb> \u20ac"},
        {chatLine("Rook7", "hi"), "Rook7> hi"},
        {chatLine("Eve\x1b", "x\ry"), "Eve\\x1B> x\\x0Dy"},
    };
    for (const auto& row : rows) EXPECT_EQ(row.made, row.expected);

    // Every byte: no control character is left, and a second pass changes nothing.
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string shown = peerTextForDisplay(all);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto c = static_cast<unsigned char>(shown[i]), next = static_cast<unsigned char>(shown[i + 1]);
        EXPECT_FALSE(c < 32 || c == 127 || (c == 0xC2 && next < 0xA0)) << i;  // C0, DEL, C1 (U+0080-U+009F)
    }
    EXPECT_EQ(peerTextForDisplay(shown), shown);
}

}  // namespace
}  // namespace orbel
