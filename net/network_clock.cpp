// The clocks of a timed game between two copies of this version: the
// control the caller proposes and the callee adopts, each mover's reading
// sent with its move, and the flag said when a side's time is up.
#include <QTimer>
#include <utility>

#include "net/network_session.h"

namespace orbel {

bool NetworkSession::setProposedClock(const TimeControl& control) {
    const bool fits = helloClockFits(control);
    ownProposal_ = fits ? control : TimeControl{};
    return fits;
}

void NetworkSession::startGameClock() {
    // The callee takes the caller's control; the caller plays it only when
    // the callee's hello named it back, which a copy that knows no clocks
    // does not.
    const bool adopted = !wasCaller_ || answeredClock_ == proposed_.clock;
    agreedClock_ = peerIsNew_ && adopted ? proposed_.clock : TimeControl{};
    forgetClockTalk();
}

void NetworkSession::forgetClockTalk() {
    peerReading_.reset();
    ++readingSerial_;
    claimOpen_ = false;
    flagPlies_.reset();
    flagSides_ = 0;
}

std::string NetworkSession::moveBytes(const MoveRecord& localMove) {
    std::string bytes;
    if (peerIsNew_ && localMove.promotion >= Knight && localMove.promotion < Queen)
        bytes = promoteMessage(localMove.promotion);
    // The reading goes right before its move, in the same write.
    if (timed() && ownClockReading)
        if (const std::optional<std::int64_t> ms = ownClockReading()) bytes += clockMessage(*ms);
    return bytes + moveMessage(localMove);
}

void NetworkSession::peerMoved(const PeerMessage& m) {
    const std::optional<std::int64_t> reading = std::exchange(peerReading_, std::nullopt);
    if (!netGameActive_ || state_ != State::Playing || gameOver_) return;
    MoveRecord move = m.move;
    if (promotion_) move.promotion = static_cast<std::uint8_t>(*std::exchange(promotion_, std::nullopt));
    const int before = here().moves;
    const QPointer<PeerConnection> c = connection_;
    emit moveReceived(move);
    // The reading is the peer's after this move: it counts once the move
    // stands on the board here (a refused one has closed the line).
    if (!reading || c != connection_ || slot_ != Slot::Open || here().moves <= before) return;
    claimOpen_ = false;
    emit peerClockRead(*reading);
}

void NetworkSession::clockArrived(const PeerMessage& m) {
    if (!timed() || state_ != State::Playing) return;
    // Refused: dropped, and a reading held before it stays.
    const std::optional<std::int64_t> ms = readClock(m.text);
    if (!ms) return;
    peerReading_ = ms;
    const unsigned serial = ++readingSerial_;
    if (!claimOpen_ || answerDue_) return;
    // The answer to this side's claim comes without a move: it counts at the
    // end of this read, unless its move, or another reading, came in it.
    answerDue_ = true;
    QTimer::singleShot(0, this, [this, serial] {
        answerDue_ = false;
        if (serial == readingSerial_) readingWithoutMove();
    });
}

void NetworkSession::readingWithoutMove() {
    if (!peerReading_) return;
    const std::int64_t ms = *std::exchange(peerReading_, std::nullopt);
    if (!claimOpen_ || !timed() || state_ != State::Playing) return;
    claimOpen_ = false;
    emit peerClockRead(ms);
}

void NetworkSession::flagArrived(const PeerMessage& m) {
    if (!timed() || state_ != State::Playing) return;
    const std::optional<Side> side = readFlag(m.text);
    if (!side) return;
    claimOpen_ = false;
    // A peer that says it over and over is heard once a side until a move.
    const int plies = here().moves;
    if (flagPlies_ != plies) flagSides_ = 0;
    flagPlies_ = plies;
    const unsigned bit = 1u << static_cast<unsigned>(*side);
    if ((flagSides_ & bit) != 0) return;
    flagSides_ |= bit;
    emit flagSaid(*side);
}

bool NetworkSession::sendClock(std::int64_t ms) {
    const std::string bytes = clockMessage(ms);
    return timed() && state_ == State::Playing && !bytes.empty() && sendOrTell(bytes, NetFailure::SendFailedPlay);
}

bool NetworkSession::sendFlag(Side side) {
    if (!timed() || state_ != State::Playing) return false;
    if (!sendOrTell(flagMessage(side), NetFailure::SendFailedPlay)) return false;
    const Side own = localColor_ == WhiteColorCode ? Side::White : Side::Black;
    if (side != own) claimOpen_ = true;
    return true;
}

}  // namespace orbel
