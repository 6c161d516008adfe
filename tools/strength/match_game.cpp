#include "tools/strength/match_game.h"

#include <optional>

#include "computer/search.h"
#include "computer/seat.h"
#include "rules/draws.h"
#include "rules/standard_moves.h"

namespace orbel::strength {

namespace {

// The game as both players see it: the position the moves start from (the
// usual one, so that the engine hears the opening too), the moves, and every
// position so far for the repetitions.
struct Play {
    StandardPosition start;
    StandardPosition now;
    std::vector<StandardMove> moves;
    std::vector<RepetitionKey> history;
};

void lose(GameOutcome& out, bool computerLoses, std::string reason) {
    out.computerScore = computerLoses ? 0.0 : 1.0;
    out.reason = std::move(reason);
}

// An engine's words quoted in a report: one short line, printable.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char ch : text.substr(0, 40)) out += ch >= 0x20 && ch < 0x7f ? ch : '?';
    return out + "\"";
}

// A draw an engine would claim (threefold repetition, fifty moves) ends the
// game as surely as one the rules declare themselves.
bool finished(const Play& play, const GameSetup& setup, GameOutcome& out) {
    if (isCheckmate(play.now)) {
        lose(out, play.now.toMove == setup.computerSide, "checkmate");
        return true;
    }
    DrawReason draw = automaticDraw(play.now, play.history);
    if (draw == DrawReason::None) draw = claimableDraw(play.now, play.history);
    if (draw != DrawReason::None || static_cast<int>(play.moves.size()) >= setup.maxPlies) {
        out.computerScore = 0.5;
        out.reason = draw != DrawReason::None ? drawReasonText(draw)
                                              : "the cap of " + std::to_string(setup.maxPlies) + " plies";
        return true;
    }
    return false;
}

// As the game drives the computer: the seat follows every position, the
// choice reads the other side's last move in the seat's frame, and the
// move it chose must be legal before it is played.
std::optional<StandardMove> computerMove(TopSeat& seat, const Play& play, GameOutcome& out) {
    const MoveRecord last = play.moves.empty() ? TopSeat::openingMarker() : seat.lastMoveRecord(play.moves.back());
    MoveRecord chosen = noMoveRecord();
    const ChoiceOutcome outcome = chooseComputerMove(*seat.game(), chosen, last);
    if (outcome != ChoiceOutcome::Played) {
        const bool resigned = outcome == ChoiceOutcome::NoMove;
        (resigned ? out.computerResigned : out.computerFault) = true;
        lose(out, true, resigned ? "the computer resigned" : "the computer's choice failed");
        return std::nullopt;
    }
    const StandardMove move = seat.chosenMove(chosen, play.now);
    if (!isLegalMove(play.now, move)) {
        out.computerFault = true;
        lose(out, true, "the computer's move " + uci::moveText(move) + " is illegal in standard chess");
        return std::nullopt;
    }
    return move;
}

std::optional<StandardMove> engineMove(UciOpponent& engine, const Play& play, GameOutcome& out) {
    const EngineAnswer answer = engine.bestMove(play.start, play.moves, play.now);
    if (answer.kind == EngineAnswer::Kind::Move) return answer.move;
    out.engineFault = true;
    switch (answer.kind) {
    case EngineAnswer::Kind::Timeout: lose(out, false, "the engine sent no move in time"); break;
    case EngineAnswer::Kind::Died: lose(out, false, "the engine ended or stopped reading"); break;
    default: lose(out, false, "the engine's move " + quoted(answer.text) + " is illegal"); break;
    }
    return std::nullopt;
}

}  // namespace

const std::vector<Opening>& openings() {
    static const std::vector<Opening> list = {
        {"Ruy Lopez", "e2e4 e7e5 g1f3 b8c6 f1b5 a7a6"},
        {"Italian Game", "e2e4 e7e5 g1f3 b8c6 f1c4 f8c5"},
        {"Four Knights", "e2e4 e7e5 g1f3 b8c6 b1c3 g8f6"},
        {"Sicilian Defence", "e2e4 c7c5 g1f3 d7d6 d2d4 c5d4"},
        {"French Defence", "e2e4 e7e6 d2d4 d7d5"},
        {"Caro-Kann Defence", "e2e4 c7c6 d2d4 d7d5"},
        {"Queen's Gambit Declined", "d2d4 d7d5 c2c4 e7e6 b1c3 g8f6"},
        {"Slav Defence", "d2d4 d7d5 c2c4 c7c6"},
        {"King's Indian Defence", "d2d4 g8f6 c2c4 g7g6 b1c3 f8g7"},
        {"Nimzo-Indian Defence", "d2d4 g8f6 c2c4 e7e6 b1c3 f8b4"},
        {"Queen's Indian Defence", "d2d4 g8f6 c2c4 e7e6 g1f3 b7b6"},
        {"English Opening", "c2c4 e7e5 b1c3 g8f6"},
    };
    return list;
}

std::string openingMoves(const Opening& opening, std::vector<StandardMove>& moves) {
    StandardPosition position = initialPosition();
    position.rules = RuleSet::Standard;
    moves.clear();
    const std::string_view text = opening.moves;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::optional<StandardMove> move = uci::readMove(position, text.substr(at, end - at));
        if (!move) return std::string(opening.name) + ": " + std::string(text.substr(at, end - at)) + " is not legal";
        moves.push_back(*move);
        position = afterMove(position, *move);
        at = end + 1;
    }
    return {};
}

GameOutcome playGame(UciOpponent& engine, const GameSetup& setup) {
    Play play;
    play.start = initialPosition();
    play.start.rules = RuleSet::Standard;
    play.now = play.start;
    for (const StandardMove& m : setup.opening) play.now = afterMove(play.now, m);
    play.moves = setup.opening;
    play.history = repetitionHistory(play.start, play.moves);
    // Set up as a game replayed to the opening's end: the plies since move 1,
    // no castle yet.
    TopSeat seat(setup.computerSide);
    seat.setUp(play.now, 2 * (play.now.fullMove - 1) + (play.now.toMove == Side::Black ? 1 : 0), false);
    seat.setLevel(setup.level);
    GameOutcome out;
    while (!finished(play, setup, out)) {
        const std::optional<StandardMove> move =
            play.now.toMove == setup.computerSide ? computerMove(seat, play, out) : engineMove(engine, play, out);
        if (!move) break;
        play.moves.push_back(*move);
        play.now = afterMove(play.now, *move);
        play.history.push_back(repetitionKey(play.now));
        seat.follow(play.now);
    }
    out.moves = std::move(play.moves);
    return out;
}

std::string resultText(const GameOutcome& outcome, Side computerSide) {
    if (outcome.computerScore == 0.5) return "1/2-1/2";
    const bool whiteWon = (outcome.computerScore == 1.0) == (computerSide == Side::White);
    return whiteWon ? "1-0" : "0-1";
}

}  // namespace orbel::strength
