// The text protocol between two copies of the program over one TCP connection:
// the exact bytes of every message, a parser that splits the received byte
// stream into messages, and the plain-text forms of what the peer sends.
// Standard C++ only: the window owns the sockets and moves the bytes.
//
// Messages, byte for byte ("\r" is the carriage return, 13):
//   "NICK c name\r"  caller -> callee, c = the colour the RECEIVER plays (3 or 4)
//   "ACK name\r"     callee -> caller, the request was accepted
//   "MOVE a b c d"   fromRow fromCol toRow toCol in the RECEIVER's frame, no terminator
//   "KIB text\r"     a chat line
//   "REJECT", "DENY", "RESIGN", "END"   the bare words, no terminator
// There is no length prefix and no line feed. Texts are bytes: Latin-1, one
// byte a character, as every copy of the program reads them; a text that
// does not fit in Latin-1 goes as UTF-8, and bytes that read as UTF-8 with a
// character beyond ASCII are shown as UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rules/board.h"

namespace orbel {

// In the order of peerCommandWords. The words after Resign pass only
// between copies that have said HELLO (net/wire/greeting.h); each is a text
// message, the word, one space, a text and "\r".
enum class PeerCommand : std::uint8_t {
    Move, Nick, Kib, Deny, End, Ack, Reject, Resign,
    Hello, Back, Welcome, NoGame, Offer, Reply, Promote, Clock, Flag
};

// The command words, case-sensitive. No word is a prefix of another, so no
// word of copies of this version begins with a word a first-protocol copy
// might take it for.
inline constexpr std::array<std::string_view, 17> peerCommandWords = {
    "MOVE", "NICK", "KIB", "DENY", "END", "ACK", "REJECT", "RESIGN",
    "HELLO", "BACK", "WELCOME", "NOGAME", "OFFER", "REPLY", "PROMOTE", "CLOCK", "FLAG"};

constexpr bool noWordIsAPrefixOfAnother() {
    for (const std::string_view a : peerCommandWords)
        for (const std::string_view b : peerCommandWords)
            if (a != b && b.substr(0, a.size()) == a) return false;
    return true;
}
static_assert(noWordIsAPrefixOfAnother());
// The parser keeps the words still matching as bits of an unsigned.
static_assert(peerCommandWords.size() <= 32);

constexpr std::string_view peerCommandWord(PeerCommand command) noexcept {
    return peerCommandWords[static_cast<std::size_t>(command)];
}

// The port every copy listens on, unless told another.
inline constexpr std::uint16_t GamePort = 4128;

// The colour codes of NICK, the same values that create a player's game record.
inline constexpr int WhiteColorCode = 3;
inline constexpr int BlackColorCode = 4;

// What the user may type, and what is kept of a text the peer sends.
inline constexpr std::size_t MaxTypedNicknameLength = 24;
inline constexpr std::size_t MaxTypedChatLength = 74;
inline constexpr std::size_t MaxPeerTextLength = 255;

// ---- Building messages --------------------------------------------------
//
// Each returns the exact bytes to send in one write. The texts are cut to
// their typed limit (24 characters for a nickname, 74 for a chat line: bytes
// of Latin-1, whole characters of UTF-8) and every control byte in them
// (below 32, and 127) is sent as a space, so that no text can end its
// message early with a "\r" and smuggle in another.

// "NICK %d %s\r": the colour the receiver is to play, then the local nickname.
std::string nickMessage(int receiverColorCode, std::string_view nickname);
// "ACK %s\r".
std::string ackMessage(std::string_view nickname);
// "MOVE %d %d %d %d" of the move as the receiver sees it: `senderMove` is in
// the sender's own frame and is turned with flipMove (a local castle
// (99, 101, 7, 1) goes out as "MOVE 99 99 7 1").
std::string moveMessage(const MoveRecord& senderMove);
// "KIB %s\r".
std::string kibMessage(std::string_view text);
// "WORD %s\r" for the words after Resign: `text` as it stands, control bytes
// sent as spaces and cut to MaxPeerTextLength - 1 bytes.
std::string textMessage(PeerCommand command, std::string_view text);
// The bare word of DENY, END, REJECT or RESIGN; empty for the commands that
// carry fields.
std::string bareMessage(PeerCommand command);

// ---- Parsing the received stream ----------------------------------------

// One message as received.
struct PeerMessage {
    PeerCommand command = PeerCommand::End;
    // MOVE: the four numbers exactly as received, in the receiver's frame;
    // isCapture and givesCheck are 0. Otherwise a record holding no move.
    MoveRecord move;
    // NICK: the colour the receiver is to play, always WhiteColorCode or
    // BlackColorCode. Otherwise 0.
    int colorCode = 0;
    // NICK, ACK, KIB and the words after Resign: the raw bytes up to the "\r", at most MaxPeerTextLength,
    // possibly empty and possibly holding any byte but "\r". Show it only
    // through peerTextForDisplay.
    std::string text;
};

// Splits the bytes the peer sends into messages, across and within reads.
// One stream per connection; everything it holds is bounded by MaxHeldBytes
// whatever the peer sends, and each byte is looked at a bounded number of
// times, so the work is linear in the bytes fed.
//
// Feed each read whole and take its messages in order:
//     std::string_view rest = bytesOfOneRead;
//     while (std::optional<PeerMessage> m = stream.next(rest)) act(*m);
// `next` returns a message as soon as one is complete and leaves the bytes
// after it in `rest`; it returns nothing once `rest` is used up. The end of
// the view passed counts as the end of a read (see MOVE and unknown words).
//
// Reading, byte by byte:
// - Between messages, spaces, carriage returns and line feeds are passed
//   over. Any other byte starts a word.
// - A word is compared with the command words exactly and case-sensitively
//   as its bytes arrive. A bare word (DENY, END, REJECT, RESIGN) is a message
//   as soon as its last letter has arrived: "ENDX" is END followed by the
//   unknown word "X". A word that is still a proper prefix of a command word
//   when a read ends ("MO", "RES") is kept for the next read.
// - A word that cannot become a command word ("move", "xyz", "MOX") is
//   unknown and skipped up to and including the next space, carriage return
//   or line feed, or up to the end of the read, whichever comes first.
// - MOVE, NICK, KIB and ACK must be followed by one space.
// - A number field (MOVE's four, NICK's colour) may be preceded by further
//   spaces; it is an optional '+' or '-' and at least one decimal digit, and
//   its value must fit a signed 32-bit integer. MOVE's first three numbers
//   and NICK's colour end at a space. MOVE's fourth number, once it has a
//   digit, ends at the first byte that is not a digit, which is not consumed
//   and starts the next message ("MOVE 1 4 3 4KIB hi\r" is a MOVE and a KIB),
//   or at the end of the read ("MOVE 1 4 3 1" then "2" in the next read is
//   MOVE 1 4 3 1 followed by the unknown word "2").
// - A text field (NICK's nickname after the colour's space, ACK's and KIB's
//   after the word's space) is every byte up to the next "\r", spaces and
//   other bytes included; it may be empty. Bytes past MaxPeerTextLength are
//   read and dropped.
// - A message that breaks off (a command word not followed by a space, a
//   missing or malformed number, a number beyond 32 bits, a number not
//   followed by its space) is dropped without a trace; the byte at which it
//   broke and the rest of its word are skipped like an unknown word. So
//   "MOVE 1 x 3 4" yields nothing, and neither does "move 1 4 3 4".
// - A NICK whose colour is neither 3 nor 4 is read up to its "\r" and dropped.
// - Anything else that a read leaves unfinished (a word that may still become
//   a command word, a command short of its fields, a text without its "\r")
//   goes on with the next read.
class PeerStream {
public:
    // The most bytes held for an unfinished message (a partial command word
    // or a text's kept bytes).
    static constexpr std::size_t MaxHeldBytes = MaxPeerTextLength;

    std::optional<PeerMessage> next(std::string_view& data);

    // Bytes held now for the message under way.
    std::size_t heldBytes() const noexcept { return wordLength_ + textLength_; }

    // Forgets any message under way, as for a new connection.
    void reset() noexcept { *this = PeerStream(); }

private:
    enum class State : std::uint8_t { Between, Unknown, AfterWord, Number, Text };

    // One byte; false when it must be looked at again in the new state.
    bool step(char byte, std::optional<PeerMessage>& out);
    bool stepBetween(char byte, std::optional<PeerMessage>& out);
    bool stepNumber(char byte, std::optional<PeerMessage>& out);
    void startNumber() noexcept;
    std::int32_t numberValue() const noexcept;
    void startText() noexcept;
    std::optional<PeerMessage> finishText();
    PeerMessage finishMove() noexcept;

    State state_ = State::Between;
    PeerCommand command_ = PeerCommand::End;
    // The command words the bytes of the word so far still match, a bit each.
    static constexpr unsigned AllWords = (1u << peerCommandWords.size()) - 1;
    unsigned candidates_ = AllWords;
    std::size_t wordLength_ = 0;
    int field_ = 0;
    bool signSeen_ = false;
    bool negative_ = false;
    bool hasDigits_ = false;
    std::int64_t magnitude_ = 0;
    std::array<std::int32_t, 3> numbers_{};  // MOVE's first three, or NICK's colour
    std::array<char, MaxPeerTextLength> text_{};
    std::size_t textLength_ = 0;
};

// ---- Texts for the screen -----------------------------------------------

// A text from the peer as plain text on one line, for a window title, a
// message box or the chat pane, in UTF-8. Bytes that are valid UTF-8 holding
// a character beyond ASCII are read as UTF-8 (a last character cut off by the
// 255-byte limit is left out); anything else is read as Latin-1, one byte a
// character. Every character that could break the line, hide text or reorder
// the text around it is shown as its code in upper-case hex digits, the way
// C writes it:
// - the control characters (0-31, 127, and the C1 controls 128-159) as "\xNN";
// - the format characters, Unicode's categories Cf, Zl and Zp: U+00AD as
//   "\xAD"; U+2028, U+2029 and the bidirectional controls (U+200E, U+200F,
//   U+202A-U+202E, U+2066-U+2069, U+061C) as "\uNNNN", so U+202E is "\u202E";
//   beyond U+FFFF, as the tag characters, "\UNNNNNNNN" ("\U000E0001").
// Letters of right-to-left scripts are letters and stay as they are.
// The result is valid UTF-8 with no control, line break or format character,
// at most four times as long as the text.
std::string peerTextForDisplay(std::string_view text);

// The six taunts that "/trash" sends.
inline constexpr std::array<std::string_view, 6> trashTaunts = {
    "Get off the chess board!",      "Hah! You call that a move!", "I'm gonna send you away cryin'!",
    "Move the pieces you tortoise!", "Mate is comin' up!",         "You should resign my friend!"};

// The chat text a typed line (in the bytes it goes out as) sends and echoes:
// the line cut to 74 characters; exactly "/trash" becomes "*TRASH* " and
// taunt `tauntIndex` modulo 6. Control bytes become spaces, as kibMessage
// sends them.
std::string chatTextToSend(std::string_view typed, std::size_t tauntIndex);

// A line of the chat pane in UTF-8, "%s> %s", both parts as peerTextForDisplay
// gives them.
std::string chatLine(std::string_view nickname, std::string_view text);

}  // namespace orbel
