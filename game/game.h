// The game on the board, in one place: the position in absolute terms (White
// and Black, a1..h8, the side to move, castling rights), the moves played
// since it began, the result, and the top side's game object the rules and
// the computer work on. A move is played as a value and answered with a
// typed outcome; whatever records, shows, speaks, sends or exports a move
// listens to movePlayed. Lives on the window's thread.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "computer/seat.h"
#include "game/played_move.h"

namespace orbel {

class Game : public QObject {
    Q_OBJECT
public:
    explicit Game(QObject* parent = nullptr);
    ~Game() override;

    // Whether a game has been set up (none before the first New Game Setup).
    bool exists() const { return seat_ != nullptr; }
    const StandardPosition& position() const { return position_; }
    // The position the kept moves start from, and those moves: what PGN and
    // FEN tell other programs. Play that goes on past the end of a game
    // (after a resignation, the user moves again) starts them afresh.
    const StandardPosition& start() const { return start_; }
    const std::vector<StandardMove>& moves() const { return moves_; }
    // Where the kept moves lead, as standard chess keeps a position (its
    // castling rights and en passant square): what FEN tells.
    StandardPosition keptPosition() const;
    // "1-0" or "0-1" once a side has won, "1/2-1/2" once drawn, "*" while
    // the game is open.
    const std::string& result() const { return result_; }
    // The side at the top of the board as the rules and the computer hold it.
    TopSeat& seat() { return *seat_; }
    const TopSeat& seat() const { return *seat_; }
    std::shared_ptr<TopSeat> sharedSeat() const { return seat_; }
    // The last move played, and how many games have been begun: a move's
    // listeners may begin the next one.
    const PlayedMove& lastPlayed() const { return last_; }
    // The moves of this game as they were played (a loaded or replayed
    // game's moves as by the players at one board), back to the undo point
    // after Undo: what a player steps through by ear.
    const std::vector<PlayedMove>& plays() const { return plays_; }
    int generation() const { return generation_; }

    // A new game from the usual start, with `top` at the top of the board,
    // played by `rules` to its end.
    void begin(Side top, RuleSet rules = RuleSet::Orbel);
    RuleSet rules() const { return position_.rules; }
    // A game that begins at `position` (a loaded game), with a new game
    // object for the top side.
    void beginAt(const StandardPosition& position, Side top);
    // A game that has reached the end of `moves`, played one after the other
    // from `start` (a game read from a text, each move legal here): the top
    // side's game object counts the plies since move 1 and knows whether that
    // side castled on the way. A game that ends in mate there is won.
    void beginReplayed(const StandardPosition& start, const std::vector<StandardMove>& moves, Side top);

    // Plays `move` for `mover`, made by `by`. A move of the side not to move
    // is play going on past the end of the game: the kept moves start again
    // at the position before it. Refused when the rules do not allow it;
    // then nothing changes.
    PlayOutcome play(const StandardMove& move, Side mover, PlayerKind by, bool quiet = false);

    // Sets the pieces, the side to move and the castling rights as given,
    // without a move (as tests and tools arrange a position): the kept moves
    // start afresh there and the top side's game object follows.
    void arrange(const StandardPosition& position);

    // The point Undo Move returns to: this position and the moves kept so far.
    void markUndoPoint();
    // Undo Move: the position at the undo point, two plies fewer for the top
    // side's game object, the moves since forgotten and the game open again.
    void takeBack();
    // A takeback both players of a network game agreed: the last move
    // alone; false when there is none.
    bool takeBackLast();

    // The game is over; a result that is settled already stays.
    void end(EndReason reason, std::optional<Side> winner);

    // Standard rules: the draw the side to move may claim now (a threefold
    // repetition, fifty moves), or None; claiming it ends the game.
    DrawReason claimableDraw() const;
    bool claimDraw();
    // Both players agree to a draw.
    void agreeDraw();
    // `loser`'s time ran out: it loses, or under standard rules the game is
    // drawn when the other side could never mate.
    void endOnTime(Side loser);
    // The side whose time ran out, once a game has ended so.
    std::optional<Side> lostOnTime() const { return lostOnTime_; }
    // Why the game was drawn, once it has been.
    DrawReason drawReason() const { return drawReason_; }

    // The check test after a move; a test may put a failing one in place.
    std::function<bool(const StandardPosition&)> checkTest;

signals:
    // A new game is on the board.
    void begun(orbel::GameStart how);
    void movePlayed(const orbel::PlayedMove& move);
    void gameEnded(orbel::EndReason reason);
    void takenBack();
    // takeBackLast: `mover`'s last move is gone.
    void moveTakenBack(orbel::Side mover);
    // The check test failed: the move went on without a check mark.
    void checkTestFailed();

private:
    void setUp(GameStart how, const StandardPosition& start, const std::vector<StandardMove>& moves, Side top,
               int plies, bool topCastled);
    bool givesCheck(const StandardPosition& after);
    void endInDraw(DrawReason reason);

    StandardPosition start_;
    StandardPosition position_;
    std::vector<StandardMove> moves_;
    std::string result_ = "*";
    DrawReason drawReason_ = DrawReason::None;
    std::optional<Side> lostOnTime_;
    std::shared_ptr<TopSeat> seat_;
    PlayedMove last_;
    std::vector<PlayedMove> plays_;
    int generation_ = 0;
    // What Undo Move returns to.
    struct Snapshot {
        StandardPosition start;
        StandardPosition position;
        std::vector<StandardMove> moves;
        std::size_t plays = 0;
    } undo_;
};

}  // namespace orbel
