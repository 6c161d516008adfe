#include "game/game.h"

#include <exception>

#include "game/notation/san.h"
#include "game/notation/spoken.h"
#include "rules/standard_moves.h"

namespace orbel {

Game::Game(QObject* parent) : QObject(parent), checkTest(isInCheck) {
    qRegisterMetaType<orbel::PlayedMove>();
}

Game::~Game() = default;

void Game::begin(Side top, RuleSet rules) {
    StandardPosition start = initialPosition();
    start.rules = rules;
    setUp(GameStart::New, start, {}, top, 0, false);
}

void Game::beginAt(const StandardPosition& position, Side top) {
    setUp(GameStart::Loaded, position, {}, top, 0, false);
}

void Game::beginReplayed(const StandardPosition& start, const std::vector<StandardMove>& moves, Side top) {
    StandardPosition reached = start;
    bool topCastled = false;
    for (const StandardMove& m : moves) {
        topCastled = topCastled || (reached.toMove == top && m.castle != Castle::None);
        reached = afterMove(reached, m);
    }
    // The plies since move 1, as if the game had been played here: the
    // computer's opening rule is for a game's first moves only.
    const int plies = 2 * (reached.fullMove - 1) + (reached.toMove == Side::Black ? 1 : 0);
    setUp(GameStart::Replayed, start, moves, top, plies, topCastled);
    std::vector<StandardMove> replies;
    legalMoves(position_, replies);
    if (isInCheck(position_) && replies.empty()) result_ = position_.toMove == Side::White ? "0-1" : "1-0";
    if (position_.rules == RuleSet::Standard) {
        drawReason_ = automaticDraw(position_, repetitionHistory(start_, moves_));
        if (drawReason_ != DrawReason::None) result_ = "1/2-1/2";
    }
}

StandardPosition Game::keptPosition() const {
    StandardPosition p = start_;
    for (const StandardMove& m : moves_) p = afterMove(p, m);
    return p;
}

void Game::setUp(GameStart how, const StandardPosition& start, const std::vector<StandardMove>& moves, Side top,
                 int plies, bool topCastled) {
    // The old game object goes before the new one is made; a thread still
    // using it keeps its own share.
    seat_.reset();
    seat_ = std::make_shared<TopSeat>(top);
    start_ = position_ = start;
    plays_.clear();
    for (const StandardMove& m : moves) {
        plays_.push_back({m, position_.toMove, PlayerKind::AtBoard, position_, sanText(position_, m)});
        position_ = afterMove(position_, m);
    }
    moves_ = moves;
    seat_->setUp(position_, plies, topCastled);
    result_ = "*";
    drawReason_ = DrawReason::None;
    lostOnTime_.reset();
    last_ = PlayedMove{};
    ++generation_;
    markUndoPoint();
    emit begun(how);
}

bool Game::givesCheck(const StandardPosition& after) {
    try {
        return checkTest(after);
    } catch (const std::exception&) {
        emit checkTestFailed();
        return false;
    }
}

PlayOutcome Game::play(const StandardMove& move, Side mover, PlayerKind by, bool quiet) {
    if (!exists()) return {PlayOutcome::Kind::Refused, QT_TRANSLATE_NOOP("orbel::Refusal", "no game on the board")};
    StandardPosition before = position_;
    before.toMove = mover;
    if (const Refusal refusal = refusalOf(before, move); refusal != Refusal::None)
        return {PlayOutcome::Kind::Refused, refusalText(refusal), refusal};
    if (position_.toMove != mover) {
        // Standard chess cannot follow a side that moves twice: the kept
        // game begins again where this move is played.
        start_ = before;
        moves_.clear();
    }
    PlayedMove played{move, mover, by, before, sanText(before, move)};
    played.quiet = quiet;
    played.capture = isCapture(before, move);
    position_ = afterPlay(before, move);
    seat_->follow(position_);
    moves_.push_back(move);
    result_ = "*";
    played.check = givesCheck(position_);
    const bool standard = position_.rules == RuleSet::Standard;
    // Under this program's rules a side is mated when the rules' candidate
    // moves hold no escape; standard chess counts every legal move.
    played.mate = standard ? isCheckmate(position_) : seat_->isMated(position_);
    if (standard) played.draw = automaticDraw(position_, repetitionHistory(start_, moves_));
    last_ = played;
    plays_.push_back(played);
    emit movePlayed(played);
    if (played.mate) end(EndReason::Checkmate, mover);
    if (played.draw != DrawReason::None) endInDraw(played.draw);
    return {PlayOutcome::Kind::Played, {}};
}

void Game::arrange(const StandardPosition& position) {
    if (!exists()) return;
    // The pieces change, not the rules the game began with.
    const RuleSet kept = rules();
    start_ = position_ = position;
    start_.rules = position_.rules = kept;
    moves_.clear();
    seat_->follow(position_);
}

void Game::markUndoPoint() { undo_ = {start_, position_, moves_, plays_.size()}; }

void Game::takeBack() {
    if (!exists()) return;
    start_ = undo_.start;
    position_ = undo_.position;
    moves_ = undo_.moves;
    if (plays_.size() > undo_.plays) plays_.resize(undo_.plays);
    seat_->takeBack(position_);
    result_ = "*";
    drawReason_ = DrawReason::None;
    lostOnTime_.reset();
    emit takenBack();
}

bool Game::takeBackLast() {
    if (!exists() || plays_.empty()) return false;
    const PlayedMove last = plays_.back();
    plays_.pop_back();
    if (!moves_.empty()) moves_.pop_back();
    position_ = last.before;
    const GameState& held = *seat_->game();
    const bool seatCastled = last.mover == seat_->side() && last.move.castle != Castle::None;
    seat_->setUp(position_, held.moveCount - 1, held.hasCastled != 0 && !seatCastled);
    last_ = plays_.empty() ? PlayedMove{} : plays_.back();
    result_ = "*";
    drawReason_ = DrawReason::None;
    lostOnTime_.reset();
    emit moveTakenBack(last.mover);
    return true;
}

DrawReason Game::claimableDraw() const {
    if (!exists() || position_.rules != RuleSet::Standard || result_ != "*") return DrawReason::None;
    return orbel::claimableDraw(position_, repetitionHistory(start_, moves_));
}

bool Game::claimDraw() {
    const DrawReason reason = claimableDraw();
    if (reason == DrawReason::None) return false;
    endInDraw(reason);
    return true;
}

void Game::agreeDraw() {
    if (exists() && result_ == "*") endInDraw(DrawReason::Agreement);
}

void Game::endInDraw(DrawReason reason) {
    drawReason_ = reason;
    if (result_ == "*") result_ = "1/2-1/2";
    emit gameEnded(EndReason::Drawn);
}

void Game::endOnTime(Side loser) {
    lostOnTime_ = loser;
    if (rules() == RuleSet::Standard && !canMate(position_, other(loser))) {
        endInDraw(DrawReason::Timeout);
        return;
    }
    end(EndReason::TimeForfeit, other(loser));
}

void Game::end(EndReason reason, std::optional<Side> winner) {
    if (winner && result_ == "*") result_ = *winner == Side::White ? "1-0" : "0-1";
    emit gameEnded(reason);
}

}  // namespace orbel
