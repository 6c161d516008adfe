#include "net/wire/protocol.h"

#include <algorithm>
#include <iterator>

namespace orbel {
namespace {

bool isControl(unsigned char byte) noexcept { return byte < 32 || byte == 127; }

bool isSeparator(char byte) noexcept { return byte == ' ' || byte == '\r' || byte == '\n'; }

bool isDigit(char byte) noexcept { return byte >= '0' && byte <= '9'; }

bool takesFields(PeerCommand command) noexcept {
    return command == PeerCommand::Move || command == PeerCommand::Nick || command == PeerCommand::Kib ||
           command == PeerCommand::Ack || command > PeerCommand::Resign;
}

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that
// starts none.
std::size_t sequenceLength(unsigned char lead) noexcept {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Whether `text` holds a whole, valid UTF-8 sequence at `at` (no overlong
// form, no surrogate, nothing above U+10FFFF); its length, or 0.
std::size_t validSequenceAt(std::string_view text, std::size_t at) noexcept {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const std::size_t n = sequenceLength(byte(at));
    if (n == 0 || at + n > text.size()) return 0;
    for (std::size_t i = 1; i < n; ++i)
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    const unsigned char lead = byte(at), second = byte(at + 1 < text.size() ? at + 1 : at);
    if (n == 3 && ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0))) return 0;
    if (n == 4 && ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))) return 0;
    return n;
}

// How many bytes of `text` read as UTF-8 when it is UTF-8 holding a
// character beyond ASCII: all of it, or less a last character cut off when
// the text fills `cutAt` bytes (the receiver's limit). 0 when the text is
// anything else, which is then Latin-1, a byte a character.
std::size_t utf8Length(std::string_view text, std::size_t cutAt) noexcept {
    bool beyondAscii = false;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t n = validSequenceAt(text, at);
        if (n == 0) {
            const bool cutOff = text.size() >= cutAt && at + sequenceLength(static_cast<unsigned char>(text[at])) > text.size();
            if (!cutOff) return 0;
            break;
        }
        beyondAscii = beyondAscii || n > 1;
        at += n;
    }
    return beyondAscii ? at : 0;
}

// The first `limit` characters of a text: UTF-8 characters when it reads
// as UTF-8, bytes otherwise.
std::string_view firstCharacters(std::string_view text, std::size_t limit) noexcept {
    if (utf8Length(text, std::string_view::npos) != text.size()) return text.substr(0, limit);
    std::size_t at = 0;
    for (std::size_t count = 0; count < limit && at < text.size(); ++count) at += validSequenceAt(text, at);
    return text.substr(0, at);
}

// A typed text as it may go on the wire.
std::string outgoingText(std::string_view text, std::size_t limit) {
    std::string out(firstCharacters(text, limit));
    for (char& c : out) {
        if (isControl(static_cast<unsigned char>(c))) c = ' ';
    }
    return out;
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
        return;
    }
    const int continuations = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    static constexpr unsigned char leads[] = {0xC0, 0xE0, 0xF0};
    out += static_cast<char>(leads[continuations - 1] | (code >> (6 * continuations)));
    for (int i = continuations - 1; i >= 0; --i) out += static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3F));
}

// The character of a valid UTF-8 sequence of `n` bytes at `at`.
std::uint32_t codePointAt(std::string_view text, std::size_t at, std::size_t n) noexcept {
    static constexpr unsigned char leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    std::uint32_t code = static_cast<unsigned char>(text[at]) & leadBits[n];
    for (std::size_t i = 1; i < n; ++i) code = code << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return code;
}

// The characters of general categories Cf, Zl and Zp in Unicode 15.0
// (UnicodeData.txt): the line and paragraph separators, the bidirectional
// controls and the other invisible format characters. Each can break a
// line, hide text or reorder the text around it.
struct CodeRange {
    std::uint32_t first, last;
};
constexpr CodeRange FormatCharacters[] = {
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
    {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x2028, 0x202E},
    {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
    {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F}};

bool isFormatCharacter(std::uint32_t code) noexcept {
    return std::any_of(std::begin(FormatCharacters), std::end(FormatCharacters),
                       [code](const CodeRange& r) { return code >= r.first && code <= r.last; });
}

// "\xNN", "\uNNNN" or "\UNNNNNNNN": the fewest of two, four or eight
// upper-case hex digits that hold the character.
void appendEscape(std::string& out, std::uint32_t code) {
    static constexpr char hex[] = "0123456789ABCDEF";
    const int digits = code < 0x100 ? 2 : code < 0x10000 ? 4 : 8;
    out += '\\';
    out += digits == 2 ? 'x' : digits == 4 ? 'u' : 'U';
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += hex[(code >> shift) & 15];
}

void appendShown(std::string& out, std::uint32_t code) {
    const bool control = code < 32 || (code >= 127 && code < 160);
    if (control || isFormatCharacter(code)) {
        appendEscape(out, code);
    } else {
        appendUtf8(out, code);
    }
}

std::string fieldsMessage(PeerCommand command, std::string_view fields) {
    std::string out(peerCommandWord(command));
    out += ' ';
    out += fields;
    out += '\r';
    return out;
}

}  // namespace

std::string textMessage(PeerCommand command, std::string_view text) {
    if (command <= PeerCommand::Resign) return {};
    return fieldsMessage(command, outgoingText(text.substr(0, MaxPeerTextLength - 1), MaxPeerTextLength - 1));
}

std::string nickMessage(int receiverColorCode, std::string_view nickname) {
    return fieldsMessage(PeerCommand::Nick,
                       std::to_string(receiverColorCode) + ' ' + outgoingText(nickname, MaxTypedNicknameLength));
}

std::string ackMessage(std::string_view nickname) {
    return fieldsMessage(PeerCommand::Ack, outgoingText(nickname, MaxTypedNicknameLength));
}

std::string kibMessage(std::string_view text) {
    return fieldsMessage(PeerCommand::Kib, outgoingText(text, MaxTypedChatLength));
}

std::string moveMessage(const MoveRecord& senderMove) {
    MoveRecord m = senderMove;
    flipMove(m);
    std::string out(peerCommandWord(PeerCommand::Move));
    for (const std::int32_t n : {m.fromRow, m.fromCol, m.toRow, m.toCol}) {
        out += ' ';
        out += std::to_string(n);
    }
    return out;
}

std::string bareMessage(PeerCommand command) {
    if (takesFields(command)) return {};
    return std::string(peerCommandWord(command));
}

std::optional<PeerMessage> PeerStream::next(std::string_view& data) {
    std::optional<PeerMessage> out;
    std::size_t used = 0;
    while (used < data.size() && !out) {
        if (step(data[used], out)) ++used;
    }
    data.remove_prefix(used);
    if (!out && data.empty()) {
        // The end of a read ends a fourth number and an unknown word; a
        // message still short of its shape waits for the next read.
        if (state_ == State::Number && command_ == PeerCommand::Move && field_ == 3 && hasDigits_) {
            out = finishMove();
        } else if (state_ == State::Unknown) {
            state_ = State::Between;
        }
    }
    return out;
}

bool PeerStream::step(char byte, std::optional<PeerMessage>& out) {
    switch (state_) {
    case State::Between: return stepBetween(byte, out);
    case State::Unknown:
        if (isSeparator(byte)) state_ = State::Between;
        return true;
    case State::AfterWord:
        if (byte != ' ') {
            state_ = State::Unknown;
            return false;
        }
        if (command_ == PeerCommand::Move || command_ == PeerCommand::Nick) {
            field_ = 0;
            startNumber();
        } else {
            startText();
        }
        return true;
    case State::Number: return stepNumber(byte, out);
    case State::Text:
        if (byte == '\r') {
            out = finishText();
        } else if (textLength_ < text_.size()) {
            text_[textLength_++] = byte;
        }
        return true;
    }
    return true;
}

bool PeerStream::stepBetween(char byte, std::optional<PeerMessage>& out) {
    if (wordLength_ == 0 && isSeparator(byte)) return true;
    // Every word still in the running is longer than the bytes matched so
    // far: no command word is a prefix of another.
    unsigned still = 0;
    for (std::size_t i = 0; i < peerCommandWords.size(); ++i) {
        const std::string_view word = peerCommandWords[i];
        if ((candidates_ >> i & 1u) == 0 || word[wordLength_] != byte) continue;
        if (word.size() > wordLength_ + 1) {
            still |= 1u << i;
            continue;
        }
        wordLength_ = 0;
        candidates_ = AllWords;
        command_ = static_cast<PeerCommand>(i);
        if (takesFields(command_)) {
            state_ = State::AfterWord;
        } else {
            out = PeerMessage{};
            out->command = command_;
        }
        return true;
    }
    if (still != 0) {
        candidates_ = still;
        ++wordLength_;
        return true;
    }
    wordLength_ = 0;
    candidates_ = AllWords;
    state_ = State::Unknown;
    return false;
}

bool PeerStream::stepNumber(char byte, std::optional<PeerMessage>& out) {
    if (!signSeen_ && !hasDigits_) {
        if (byte == ' ') return true;
        if (byte == '+' || byte == '-') {
            signSeen_ = true;
            negative_ = byte == '-';
            return true;
        }
    }
    if (isDigit(byte)) {
        const std::int64_t limit = negative_ ? 2147483648LL : 2147483647LL;
        const std::int64_t grown = magnitude_ * 10 + (byte - '0');
        if (grown > limit) {
            state_ = State::Unknown;
            return false;
        }
        magnitude_ = grown;
        hasDigits_ = true;
        return true;
    }
    if (!hasDigits_) {
        state_ = State::Unknown;
        return false;
    }
    if (command_ == PeerCommand::Move && field_ == 3) {
        out = finishMove();
        return false;  // this byte starts the next message
    }
    if (byte != ' ') {
        state_ = State::Unknown;
        return false;
    }
    numbers_[static_cast<std::size_t>(field_)] = numberValue();
    if (command_ == PeerCommand::Move) {
        ++field_;
        startNumber();
    } else {
        startText();  // NICK's nickname starts after exactly this one space
    }
    return true;
}

std::int32_t PeerStream::numberValue() const noexcept {
    return static_cast<std::int32_t>(negative_ ? -magnitude_ : magnitude_);
}

void PeerStream::startNumber() noexcept {
    state_ = State::Number;
    signSeen_ = false;
    negative_ = false;
    hasDigits_ = false;
    magnitude_ = 0;
}

void PeerStream::startText() noexcept {
    state_ = State::Text;
    textLength_ = 0;
}

std::optional<PeerMessage> PeerStream::finishText() {
    state_ = State::Between;
    const std::size_t length = textLength_;
    textLength_ = 0;
    if (command_ == PeerCommand::Nick && numbers_[0] != WhiteColorCode && numbers_[0] != BlackColorCode) {
        return std::nullopt;
    }
    PeerMessage m;
    m.command = command_;
    if (command_ == PeerCommand::Nick) m.colorCode = numbers_[0];
    m.text.assign(text_.data(), length);
    return m;
}

PeerMessage PeerStream::finishMove() noexcept {
    state_ = State::Between;
    PeerMessage m;
    m.command = PeerCommand::Move;
    m.move = makeMoveRecord(numbers_[0], numbers_[1], numbers_[2], numberValue());
    return m;
}

std::string peerTextForDisplay(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    const std::size_t utf8 = utf8Length(text, MaxPeerTextLength);
    if (utf8 == 0) {
        for (const char c : text) appendShown(out, static_cast<unsigned char>(c));
        return out;
    }
    for (std::size_t at = 0; at < utf8;) {
        const std::size_t n = validSequenceAt(text, at);
        appendShown(out, codePointAt(text, at, n));
        at += n;
    }
    return out;
}

std::string chatTextToSend(std::string_view typed, std::size_t tauntIndex) {
    std::string text = outgoingText(typed, MaxTypedChatLength);
    if (text == "/trash") {
        text = "*TRASH* ";
        text += trashTaunts[tauntIndex % trashTaunts.size()];
    }
    return text;
}

std::string chatLine(std::string_view nickname, std::string_view text) {
    return peerTextForDisplay(nickname) + "> " + peerTextForDisplay(text);
}

}  // namespace orbel
