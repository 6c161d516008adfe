#include "game/table.h"

namespace orbel {

Table::Table(Game& game, QObject* parent)
    : QObject(parent), game_(game), user_(*this), second_(*this), computer_(*this, game), engine_(*this, game),
      seated_{&user_, &computer_} {
    // Before the window's own reactions: a network game closes its
    // connection before the box that ends it is shown.
    connect(&game_, &Game::gameEnded, this, &Table::forwardEnd);
    seatPlayers(Mode::OnePlayer, userSide_, computer_);
}

void Table::seatPlayers(Mode mode, Side user, Player& top) {
    for (Player* p : seated_) p->unseat();
    mode_ = mode;
    userSide_ = user;
    user_.seatAs(user, mode == Mode::TwoPlayer ? PlayerKind::AtBoard : PlayerKind::User);
    if (&top == &second_) second_.seatAs(other(user), PlayerKind::AtBoard);
    top.seat(other(user));
    // An engine no longer seated is let go: no process outlives its game.
    if (&top != &engine_) engine_.stop();
    seated_[static_cast<std::size_t>(user)] = &user_;
    seated_[static_cast<std::size_t>(other(user))] = &top;
}

void Table::beginAs(Mode mode, const QString& opponentName) {
    begunAs_ = mode;
    opponentName_ = opponentName;
    begunAgainstEngine_ = false;
}

void Table::startOnePlayer(Side user, int level, RuleSet rules) {
    seatPlayers(Mode::OnePlayer, user, computer_);
    beginAs(Mode::OnePlayer);
    game_.begin(other(user), rules);
    if (user == Side::Black) computer_.open();
    game_.seat().setLevel(level);
}

void Table::startAgainstEngine(Side user, int level) {
    seatPlayers(Mode::OnePlayer, user, engine_);
    beginAs(Mode::OnePlayer);
    begunAgainstEngine_ = true;
    game_.begin(other(user), RuleSet::Standard);
    game_.seat().setLevel(level);
    if (user == Side::Black) engine_.open();
}

void Table::letTheComputerFinish() {
    playTheComputer();
    if (!game_.exists() || game_.result() != "*" || game_.position().toMove == userSide_) return;
    if (game_.plays().empty()) computer_.open();
    else computer_.yourTurn(game_.lastPlayed());
}

void Table::startTwoPlayer(RuleSet rules) {
    seatPlayers(Mode::TwoPlayer, Side::White, second_);
    beginAs(Mode::TwoPlayer);
    game_.begin(Side::Black, rules);
}

void Table::startNetwork(Side local, Player& remote, const QString& opponentName, RuleSet rules) {
    seatPlayers(Mode::Network, local, remote);
    beginAs(Mode::Network, opponentName);
    game_.begin(other(local), rules);
}

void Table::playTheComputer() { seatPlayers(Mode::OnePlayer, userSide_, computer_); }

void Table::load(const StandardPosition& position, Side user, int level) {
    seatPlayers(Mode::OnePlayer, user, computer_);
    beginAs(Mode::OnePlayer);
    game_.beginAt(position, other(user));
    game_.seat().setLevel(level);
}

void Table::replay(const StandardPosition& start, const std::vector<StandardMove>& moves, int level) {
    const Side user = moves.size() % 2 == 0 ? start.toMove : other(start.toMove);
    seatPlayers(Mode::OnePlayer, user, computer_);
    beginAs(Mode::OnePlayer);
    game_.beginReplayed(start, moves, other(user));
    game_.seat().setLevel(level);
}

bool Table::userMayMove() const {
    if (!game_.exists()) return false;
    switch (mode_) {
    case Mode::OnePlayer: return !opponentThinking() && (!engineSeated() || game_.position().toMove == userSide_);
    case Mode::Network: return game_.position().toMove == userSide_;
    case Mode::TwoPlayer: return true;
    }
    return false;
}

Side Table::handSide() const { return mode_ == Mode::TwoPlayer ? game_.position().toMove : userSide_; }

PlayOutcome Table::playForUser(const StandardMove& asked, bool askPromotion) {
    if (!userMayMove()) return {PlayOutcome::Kind::Refused, QT_TRANSLATE_NOOP("orbel::Refusal", "not your move")};
    StandardMove move = asked;
    StandardPosition before = game_.position();
    before.toMove = handSide();
    // Asked only of a move that can be played: a refused one says why at once.
    if (askPromotion && move.promotes && choosePromotion && before.rules == RuleSet::Standard &&
        refusalOf(before, move) == Refusal::None) {
        const std::optional<PieceKind> piece = choosePromotion();
        if (!piece) return {PlayOutcome::Kind::Refused, QT_TRANSLATE_NOOP("orbel::Refusal", "no piece chosen")};
        move.promotion = *piece;
    }
    // Undo Move returns to the position before this release, played or not.
    if (mode_ == Mode::OnePlayer) game_.markUndoPoint();
    Player& player = mode_ == Mode::TwoPlayer ? playerOf(handSide()) : user_;
    return play(player, move);
}

PlayOutcome Table::play(Player& player, const StandardMove& move, bool quiet) {
    const int generation = game_.generation();
    const PlayOutcome outcome = game_.play(move, player.side(), player.kind(), quiet);
    if (!outcome.played() || quiet || game_.generation() != generation || game_.lastPlayed().mate ||
        game_.lastPlayed().draw != DrawReason::None)
        return outcome;
    // The game's last move is this one: the other side is to move.
    Player& next = playerOf(other(player.side()));
    if (&next != &player) next.yourTurn(game_.lastPlayed());
    return outcome;
}

void Table::undo() {
    engine_.cancel();
    game_.takeBack();
}

void Table::resign() {
    const Side resigner = mode_ == Mode::TwoPlayer ? game_.position().toMove : userSide_;
    game_.end(EndReason::UserResigned, other(resigner));
}

bool Table::offerDraw() {
    if (mode_ != Mode::OnePlayer || !userMayMove() || game_.result() != "*") return false;
    if (!(engineSeated() ? engine_.acceptsDraw() : game_.seat().acceptsDraw())) return false;
    game_.agreeDraw();
    return true;
}

void Table::forwardEnd(EndReason reason) {
    for (Player* p : seated_) p->gameEnded(reason);
}

}  // namespace orbel
