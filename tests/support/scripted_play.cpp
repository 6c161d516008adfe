#include "tests/support/scripted_play.h"

#include <sstream>

#include "computer/search.h"
#include "rules/apply_move.h"
#include "rules/check.h"

namespace orbel::testing {
namespace {

bool legalFor(const GameState& game, int fr, int fc, int tr, int tc) {
    GameState probe = game;
    const Square piece = probe.board.at(fr, fc);
    probe.board.at(fr, fc) = EmptySquare;
    return isLegalUserMove(makeMoveRecord(fr, fc, tr, tc), piece, probe);
}

std::vector<MoveRecord> userMoves(const GameState& game, bool firstOnly) {
    std::vector<MoveRecord> out;
    for (int fr = 0; fr < 8; ++fr) {
        for (int fc = 0; fc < 8; ++fc) {
            if (game.board.at(fr, fc).owner != Enemy) continue;
            for (int tr = 0; tr < 8; ++tr) {
                for (int tc = 0; tc < 8; ++tc) {
                    if (legalFor(game, fr, fc, tr, tc)) {
                        out.push_back(makeMoveRecord(fr, fc, tr, tc));
                        if (firstOnly) return out;
                    }
                }
            }
        }
    }
    return out;
}

}  // namespace

std::vector<MoveRecord> legalUserMoves(const GameState& game) { return userMoves(game, false); }

MoveRecord firstLegalUserMove(const GameState& game) {
    const auto moves = userMoves(game, true);
    return moves.empty() ? noMoveRecord() : moves.front();
}

bool playUserMove(GameState& game, const MoveRecord& move) {
    MoveRecord played = move;
    played.isCapture = game.board.at(move.toRow, move.toCol).owner == Own;
    applyMove(played, game.board);
    flipBoard(game.board);
    const bool mated = isCheckmated(game);
    flipBoard(game.board);
    return mated;
}

GameRecord playScriptedGame(int level, bool userPlaysWhite, const UserPolicy& user, int maxPlies,
                            const BeforeComputerMove& before) {
    GameState game(userPlaysWhite ? 3 : 4);
    GameRecord record;
    MoveRecord result;
    auto computerMoves = [&](const MoveRecord& last) {
        if (before) before(game, last);
        result = noMoveRecord();
        chooseComputerMove(game, result, last);
        if (!result.isMove()) {
            record.result = "computer resigns";
            return false;
        }
        record.plies.push_back({true, result, game.searchValue, game.moveCount});
        if (isCheckmated(game)) {
            record.result = "computer mates";
            return false;
        }
        return true;
    };

    // The computer's opening move as White is fixed; the level matters after it.
    if (!userPlaysWhite && !computerMoves(makeMoveRecord(-2, -2, -2, -2))) return record;
    game.level = level;
    while (static_cast<int>(record.plies.size()) < maxPlies) {
        const MoveRecord move = user(game);
        if (!move.isMove()) {
            record.result = "user has no move";
            return record;
        }
        const bool mates = playUserMove(game, move);
        record.plies.push_back({false, move, game.searchValue, game.moveCount});
        if (mates) {
            record.result = "user mates";
            return record;
        }
        if (static_cast<int>(record.plies.size()) >= maxPlies) break;
        if (!computerMoves(move)) return record;
    }
    record.result = "ply limit";
    return record;
}

std::string transcript(const GameRecord& record) {
    std::ostringstream out;
    for (std::size_t i = 0; i < record.plies.size(); ++i) {
        const PlyRecord& p = record.plies[i];
        out << i + 1 << (p.byComputer ? " computer " : " user ") << p.move.fromRow << ' ' << p.move.fromCol << ' '
            << p.move.toRow << ' ' << p.move.toCol;
        if (p.byComputer) out << " capture " << int(p.move.isCapture) << " value " << p.searchValue;
        out << " count " << p.moveCount << '\n';
    }
    out << "result " << record.result << '\n';
    return out.str();
}

}  // namespace orbel::testing
