// The session between two copies of this version: the hello, a game taken
// up again after its line went down, and the offers friends make.
#include <QTcpSocket>
#include <algorithm>
#include <utility>

#include "net/network_session.h"

namespace orbel {
namespace {

using Clock = std::chrono::steady_clock;

// A call back names its game, and a redial is answered, within this.
constexpr std::chrono::milliseconds RejoinTime{10000};
constexpr std::chrono::milliseconds FirstRedialPause{500};

}  // namespace

std::string NetworkSession::newGameId() { return gameIdFrom(idSource_(), idSource_()); }

bool NetworkSession::waiting() const {
    return state_ == State::Waiting || state_ == State::Redialling || state_ == State::Rejoining;
}

bool NetworkSession::handleNewWord(const PeerMessage& m) {
    if (m.command != PeerCommand::Move && m.command != PeerCommand::Clock) readingWithoutMove();
    if (m.command <= PeerCommand::Resign) return false;
    if (firstProtocolOnly) return true;
    const bool talking = peerIsNew_ && state_ == State::Playing;
    switch (m.command) {
    case PeerCommand::Hello: helloReceived(m); break;
    case PeerCommand::Welcome:
        if (state_ == State::Redialling)
            if (const std::optional<GamePoint> point = readWelcome(m.text)) takeUp(*point, false);
        break;
    case PeerCommand::NoGame:
        if (state_ == State::Redialling || talking)
            if (const std::optional<ResumeRefusal> why = readNoGame(m.text)) endWait(why);
        break;
    case PeerCommand::Offer:
        if (talking)
            if (const std::optional<OfferMessage> offer = readOffer(m.text)) offerArrived(*offer);
        break;
    case PeerCommand::Reply:
        if (talking)
            if (const std::optional<OfferMessage> reply = readReply(m.text)) replyArrived(*reply);
        break;
    case PeerCommand::Promote:
        if (talking) promotion_ = readPromote(m.text);
        break;
    case PeerCommand::Clock: clockArrived(m); break;
    case PeerCommand::Flag: flagArrived(m); break;
    default: break;  // BACK counts only as the first word of a call back
    }
    return true;
}

void NetworkSession::helloReceived(const PeerMessage& m) {
    const std::optional<Hello> hello = readHello(m.text);
    if (!hello) return;
    if (state_ == State::Deciding || state_ == State::Answering) {
        // The caller's, behind its NICK: without a game's id it is no call
        // this side could take up again.
        if (hello->gameId.empty()) return;
        peerIsNew_ = true;
        proposed_ = *hello;
        peerPort_ = hello->port != 0 ? hello->port : GamePort;
    } else if (state_ == State::Requesting) {
        peerIsNew_ = true;
        answeredClock_ = hello->clock;
    } else {
        return;
    }
    if (QTcpSocket* s = socket()) startKeepAlive(s);
}

void NetworkSession::dropConnection() {
    if (slot_ != Slot::Open || !connection_) return;
    connection_->stop();
    if (QTcpSocket* s = socket()) {
        s->disconnect(this);
        s->abort();
    }
    connection_->deleteLater();
    slot_ = Slot::Closed;
}

void NetworkSession::dropPending() {
    if (!pending_) return;
    pending_->stop();
    pending_->disconnect(this);
    if (QIODevice* d = pending_->device()) d->close();
    pending_->deleteLater();
    pending_ = nullptr;
}

void NetworkSession::lineWentDown() {
    const bool justNow = state_ == State::Playing;
    dropConnection();
    stopCalling();
    rejoinTimer_.stop();
    state_ = State::Waiting;
    promotion_.reset();
    ourOffer_.reset();
    forgetClockTalk();
    if (justNow) {
        downSince_ = Clock::now();
        redialAttempt_ = 0;
        emit connectionLost();
        emit offersChanged();
    }
    // The caller knows where the callee is; the callee may have no way in
    // to the caller (a home router), so it calls back only when asked.
    if (wasCaller_) scheduleRedial();
}

void NetworkSession::scheduleRedial() {
    if (Clock::now() - downSince_ > redialFor) return;
    const auto pause = std::min<std::chrono::milliseconds>(redialPauseMost, FirstRedialPause * (1 << std::min(redialAttempt_, 5)));
    ++redialAttempt_;
    redialTimer_.start(pause);
}

void NetworkSession::callAgain() {
    if (!waiting()) return;
    if (state_ == State::Rejoining) return;  // the other side is calling back just now
    dropConnection();
    stopCalling();
    state_ = State::Waiting;
    downSince_ = Clock::now();
    redialAttempt_ = 0;
    redial();
}

void NetworkSession::redial() {
    if (state_ != State::Waiting) return;
    redialTimer_.stop();
    state_ = State::Redialling;
    rejoinTimer_.start(RejoinTime);
    candidates_.clear();
    if (!wasCaller_) {
        callPort_ = peerPort_;
        candidates_ = {peerAddress_};
        tryNextAddress();
        return;
    }
    // The callee's every address, its name looked up afresh: a laptop that
    // changed network may be found at another.
    callAt(callHost_);
}

void NetworkSession::holdIncoming(QTcpSocket* incoming) {
    // One call back at a time; a game's line is not given to a stranger.
    if (pending_) {
        turnAway(incoming);
        return;
    }
    PeerConnection* c = wrap(incoming);
    pending_ = c;
    connect(c, &PeerConnection::messageReceived, this, [this, c](const PeerMessage& m) {
        if (c == pending_) pendingMessage(m);
    });
    connect(c, &PeerConnection::disconnected, this, [this, c] {
        if (c == pending_) dropPending();
    });
    QTimer::singleShot(RejoinTime, c, [this, c] {
        if (c == pending_) dropPending();
    });
    if (state_ == State::Waiting) state_ = State::Rejoining;
    if (state_ == State::Rejoining) rejoinTimer_.start(RejoinTime);
}

void NetworkSession::pendingMessage(const PeerMessage& m) {
    const auto refuse = [this](const std::string& bytes) {
        pending_->send(bytes);
        if (auto* s = qobject_cast<QTcpSocket*>(pending_->device())) s->flush();
        dropPending();
        if (state_ == State::Rejoining) lineWentDown();
    };
    // A new caller while a game is kept: busy, as the first protocol says.
    if (m.command != PeerCommand::Back) return refuse(bareMessage(PeerCommand::Deny));
    const std::optional<GamePoint> point = readBack(m.text);
    if (!point || point->gameId != gameId_) return refuse(noGameMessage(ResumeRefusal::Unknown));
    // Both sides called at once: the original caller's call is the one kept.
    QTcpSocket* own = socket();
    if (state_ == State::Redialling && wasCaller_ && own && own->state() == QAbstractSocket::ConnectedState) {
        dropPending();
        return;
    }
    // This is the game's line now; one that still looked alive is dead.
    PeerConnection* c = std::exchange(pending_, nullptr);
    c->disconnect(this);
    dropConnection();
    stopCalling();
    if (state_ == State::Playing) {
        // The old line had not been found dead yet.
        promotion_.reset();
        ourOffer_.reset();
        forgetClockTalk();
    }
    state_ = State::Rejoining;
    auto* s = qobject_cast<QTcpSocket*>(c->device());
    peerAddress_ = s->peerAddress();
    serve(c);
    startKeepAlive(s);
    takeUp(*point, true);
}

void NetworkSession::takeUp(const GamePoint& there, bool answering) {
    const GameCheckpoint here = this->here();
    const Meeting meeting = meet(here, there);
    if (meeting == Meeting::Different) {
        connection_->send(noGameMessage(ResumeRefusal::Different));
        socket()->flush();
        endWait(ResumeRefusal::Different);
        return;
    }
    if (answering) connection_->send(welcomeMessage(here.moves, here.position));
    backInPlay(meeting == Meeting::AheadHere);
}

void NetworkSession::backInPlay(bool aheadHere) {
    state_ = State::Playing;
    redialTimer_.stop();
    rejoinTimer_.stop();
    connectTimer_.stop();
    emit rejoined();
    if (aheadHere) emit lastMoveWanted();
    emit offersChanged();
}

void NetworkSession::endWait(std::optional<ResumeRefusal> refusal) {
    redialTimer_.stop();
    rejoinTimer_.stop();
    connectTimer_.stop();
    stopCalling();
    dropPending();
    dropConnection();
    netGameActive_ = false;
    peerIsNew_ = false;
    gameOver_ = false;
    answering_ = false;
    ourOffer_.reset();
    if (state_ != State::Unavailable) state_ = State::Idle;
    if (refusal) emit resumeRefused(*refusal);
    emit offersChanged();
}

void NetworkSession::gameFinished() {
    gameOver_ = true;
    ourOffer_.reset();
    emit offersChanged();
}

bool NetworkSession::mayOffer(OfferKind kind) const {
    if (!peerIsNew_ || state_ != State::Playing || ourOffer_ || answering_) return false;
    switch (kind) {
    case OfferKind::Draw: return !gameOver_;
    case OfferKind::Takeback: {
        const GameCheckpoint here = this->here();
        return !gameOver_ && here.moves > 0 && here.lastIsOwn;
    }
    case OfferKind::Rematch: return gameOver_;
    }
    return false;
}

bool NetworkSession::offer(OfferKind kind) {
    if (!mayOffer(kind)) return false;
    OfferMessage m;
    m.kind = kind;
    if (kind == OfferKind::Takeback) m.moves = here().moves;
    if (kind == OfferKind::Rematch) m.gameId = newGameId();
    if (!sendOrTell(offerMessage(m), NetFailure::SendFailedPlay)) return false;
    ourOffer_ = m;
    emit offersChanged();
    return true;
}

bool NetworkSession::offerStands(const OfferMessage& m) const {
    const GameCheckpoint here = this->here();
    switch (m.kind) {
    case OfferKind::Draw: return !gameOver_;
    case OfferKind::Takeback: return !gameOver_ && m.moves == here.moves && !here.lastIsOwn;
    case OfferKind::Rematch: return gameOver_;
    }
    return false;
}

void NetworkSession::offerArrived(const OfferMessage& m) {
    // A flood of offers is passed over unanswered.
    const auto now = Clock::now();
    std::erase_if(offersSeen_, [now](Clock::time_point t) { return now - t > std::chrono::minutes(1); });
    if (static_cast<int>(offersSeen_.size()) >= offersPerMinute) return;
    offersSeen_.push_back(now);
    // One question at a time; an offer that cannot stand, or one crossing
    // this side's own, is declined at once.
    if (answering_ || ourOffer_ || !offerStands(m)) {
        OfferMessage no = m;
        no.yes = false;
        connection_->send(replyMessage(no));
        return;
    }
    answering_ = true;
    emit offersChanged();
    // The question waits for the user outside this read, as a caller's does.
    QTimer::singleShot(0, this, [this, m] {
        if (answering_) emit offerReceived(m);
    });
}

void NetworkSession::answerOffer(const OfferMessage& offer, bool yes) {
    if (!answering_) return;
    answering_ = false;
    // The line went down meanwhile, or the game moved on: no.
    if (state_ != State::Playing || !offerStands(offer)) {
        emit offersChanged();
        return;
    }
    OfferMessage reply = offer;
    reply.yes = yes;
    if (sendOrTell(replyMessage(reply), NetFailure::SendFailedPlay)) {
        emit offerSettled(reply, false);
        if (yes && reply.kind == OfferKind::Rematch) beginRematch(reply.gameId);
    }
    emit offersChanged();
}

void NetworkSession::replyArrived(const OfferMessage& m) {
    if (!ourOffer_ || ourOffer_->kind != m.kind || ourOffer_->moves != m.moves || ourOffer_->gameId != m.gameId) return;
    ourOffer_.reset();
    emit offerSettled(m, true);
    if (m.yes && m.kind == OfferKind::Rematch) beginRematch(m.gameId);
    emit offersChanged();
}

void NetworkSession::beginRematch(const std::string& gameId) {
    gameId_ = gameId;
    gameOver_ = false;
    promotion_.reset();
    forgetClockTalk();
    localColor_ = localColor_ == WhiteColorCode ? BlackColorCode : WhiteColorCode;
    emit gameReady(localColor_);
}

}  // namespace orbel
