#include "net/protocol.h"


namespace orbel {
namespace {

bool isControl(unsigned char byte) noexcept { return byte < 32 || byte == 127; }

bool isSeparator(char byte) noexcept { return byte == ' ' || byte == '\r' || byte == '\n'; }

bool isDigit(char byte) noexcept { return byte >= '0' && byte <= '9'; }

bool takesFields(PeerCommand command) noexcept {
    return command == PeerCommand::Move || command == PeerCommand::Nick || command == PeerCommand::Kib ||
           command == PeerCommand::Ack;
}

// A typed text as it may go on the wire.
std::string outgoingText(std::string_view text, std::size_t limit) {
    std::string out(text.substr(0, limit));
    for (char& c : out) {
        if (isControl(static_cast<unsigned char>(c))) c = ' ';
    }
    return out;
}

std::string textMessage(PeerCommand command, std::string_view fields) {
    std::string out(peerCommandWord(command));
    out += ' ';
    out += fields;
    out += '\r';
    return out;
}

}  // namespace

std::string nickMessage(int receiverColorCode, std::string_view nickname) {
    return textMessage(PeerCommand::Nick,
                       std::to_string(receiverColorCode) + ' ' + outgoingText(nickname, MaxTypedNicknameLength));
}

std::string ackMessage(std::string_view nickname) {
    return textMessage(PeerCommand::Ack, outgoingText(nickname, MaxTypedNicknameLength));
}

std::string kibMessage(std::string_view text) {
    return textMessage(PeerCommand::Kib, outgoingText(text, MaxTypedChatLength));
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
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (isControl(byte) || (byte >= 128 && byte < 160)) {
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
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
