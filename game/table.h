// The players at the board, and how a game is begun, played, taken back and
// given up. A way of playing is the pair of players seated: the user and the
// computer (the built-in one, or a chess engine of another maker), two users
// at one board (White at the bottom), or the user and the opponent of a
// network game. Moves reach the game only through play(), which
// then gives the turn to the other side's player. Lives on the window's thread.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "game/computer_player.h"
#include "game/engine_player.h"
#include "game/game.h"
#include "game/player.h"

namespace orbel {

class Table : public QObject, public MoveArbiter {
    Q_OBJECT
public:
    enum class Mode { OnePlayer, TwoPlayer, Network };

    explicit Table(Game& game, QObject* parent = nullptr);

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    Mode mode() const { return mode_; }
    // How the game on the board was begun; it stays so once the game is
    // over and the computer has taken over its last position.
    Mode begunAs() const { return begunAs_; }
    // The network opponent's nickname as shown, for the game begun as a
    // network game (empty for any other).
    const QString& opponentName() const { return opponentName_; }
    // The game on the board was begun against an engine (it may since have
    // failed, and the built-in computer finish it).
    bool begunAgainstEngine() const { return begunAgainstEngine_; }
    // The side at the bottom of the board: the user's (White at one board).
    Side userSide() const { return userSide_; }
    Player& playerOf(Side side) const { return *seated_[static_cast<std::size_t>(side)]; }
    ComputerPlayer& computer() { return computer_; }
    const ComputerPlayer& computer() const { return computer_; }
    EnginePlayer& engine() { return engine_; }
    const EnginePlayer& engine() const { return engine_; }
    // The game on the board is played against the engine.
    bool engineSeated() const { return mode_ == Mode::OnePlayer && engine_.seated(); }
    // The computer, built-in or engine, is choosing its move.
    bool opponentThinking() const { return computer_.thinking() || engine_.thinking(); }

    // New Game Setup's OK: a new game against the computer at `level`; the
    // computer opens at once when the user takes Black.
    void startOnePlayer(Side user, int level, RuleSet rules = RuleSet::Orbel);
    // New Game Setup's OK with an engine chosen (engine().choose()): a game
    // under standard rules, whatever the option says, since engines play no
    // other. `level` is what a saved copy of it is continued against.
    void startAgainstEngine(Side user, int level);
    // The engine failed: the built-in computer takes its side of the game on
    // the board, and moves at once when it is to move.
    void letTheComputerFinish();
    // New 2 Player Game: White at the bottom, White to move.
    void startTwoPlayer(RuleSet rules = RuleSet::Orbel);
    // A network game begins, the local user playing `local` against `remote`.
    void startNetwork(Side local, Player& remote, const QString& opponentName, RuleSet rules = RuleSet::Orbel);
    // The computer takes over the top side of the game on the board, which
    // stays as it is (New 1 Player Game, before its dialog; the end of a
    // network game).
    void playTheComputer();
    // A saved game continued against the computer at `level`, the user to move.
    void load(const StandardPosition& position, Side user, int level);
    // A game read from a text, continued against the computer at `level`:
    // the user plays the side to move at the end of `moves`.
    void replay(const StandardPosition& start, const std::vector<StandardMove>& moves, int level);

    // Whether the user may move a piece now, and whose pieces the user's
    // hand moves (at one board, the side to move's).
    bool userMayMove() const;
    Side handSide() const;
    // A move of the user's hand or keys, for the side the hand moves.
    // A pawn's step onto the last rank asks choosePromotion which piece it
    // becomes when `askPromotion` says the player has not said (a drop, a
    // typed "e8") and the game follows standard rules.
    PlayOutcome playForUser(const StandardMove& move, bool askPromotion = false);
    // Which piece, or nothing when the player thinks better of the move.
    // Unset: a queen.
    std::function<std::optional<PieceKind>()> choosePromotion;
    // A move of `player`'s; the turn then goes to the other side.
    PlayOutcome play(Player& player, const StandardMove& move, bool quiet = false) override;

    // Undo Move: the position before the user's last release of a piece;
    // an engine's search for the move taken back is stopped.
    void undo();
    // Game > Resign: the user gives up (at one board, the side to move).
    void resign();
    // Game > Offer Draw against the computer, on the user's move: the game
    // ends drawn when the computer accepts. Returns whether it did.
    bool offerDraw();

private:
    void seatPlayers(Mode mode, Side user, Player& top);
    void beginAs(Mode mode, const QString& opponentName = {});
    void forwardEnd(EndReason reason);

    Game& game_;
    LocalPlayer user_;
    LocalPlayer second_;
    ComputerPlayer computer_;
    EnginePlayer engine_;
    Mode mode_ = Mode::OnePlayer;
    Mode begunAs_ = Mode::OnePlayer;
    QString opponentName_;
    bool begunAgainstEngine_ = false;
    // Before the first game, as the window has always drawn its empty board.
    Side userSide_ = Side::Black;
    std::array<Player*, 2> seated_;
};

}  // namespace orbel
