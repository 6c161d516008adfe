// A chess engine of another maker as the opponent: it answers each of the
// user's moves with the engine's move in the game's position (the game's
// first position and its moves, so that the engine knows what repeated),
// and shows the line it expects as it searches (the Brain pane). Whatever
// the engine does, the table gets a legal move or the player reports one
// failure; the game on the board is never touched by the engine itself.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "game/engine/uci_engine.h"
#include "game/player.h"

namespace orbel {

class Game;

class EnginePlayer : public Player {
    Q_OBJECT
public:
    EnginePlayer(MoveArbiter& table, Game& game, QObject* parent = nullptr);
    ~EnginePlayer() override;

    // The engine for the next game and how strong it plays (unset: full
    // strength). The program is started at once and kept while it serves.
    void choose(const UciEngine::Program& program, std::optional<int> elo);
    // Its name as it gave it ("Stockfish 15.1"), once it has answered; kept
    // after it has gone, for the game it played.
    QString name() const { return name_; }
    std::optional<int> elo() const { return elo_; }
    bool chosen() const { return engine_ != nullptr; }

    void yourTurn(const PlayedMove& last) override;
    void gameEnded(EndReason reason) override;
    // The game begins with the engine as White: its opening move.
    void open();
    // Undo Move, or a game replaced: the search stops and its move is dropped.
    void cancel();
    bool thinking() const { return thinking_; }
    // A draw offered on the user's move: taken, as the built-in computer
    // takes one, when the engine's last search saw it two pawns or more worse.
    bool acceptsDraw() const { return value_ && *value_ <= -200; }
    // The engine is let go (the window closes, or another way of playing).
    void stop();

    // How long a move may take: the window's clocks, in a timed game. Unset,
    // or nothing given, the time strengthMoveTimeMs gives its strength.
    std::function<std::optional<uci::GoLimits>()> limits;

signals:
    void thinkingStarted();
    void thinkingEnded();
    void brainChanged(const QString& text);
    // The engine failed (it is gone by now): the game stays on the board.
    void failed(const QString& why);

private:
    void think();
    bool search();
    void letGo();
    void answer(StandardMove move);

    Game& game_;
    std::unique_ptr<UciEngine> engine_;
    std::optional<int> elo_;
    QString name_;
    // Its last search's value from its own side, in centipawns (a mate far
    // beyond any), for the game it plays.
    std::optional<int> value_;
    bool thinking_ = false;
    bool searchOnReady_ = false;
};

}  // namespace orbel
