#include "computer/search.h"

#include <exception>

#include "computer/evaluation.h"
#include "rules/apply_move.h"
#include "rules/candidates.h"
#include "rules/check.h"

namespace orbel {
namespace {

constexpr int NoLineScore = -9999;
constexpr int NoReplyScore = -99999;
constexpr std::size_t KeepListSize = 7;

// Standard chess forbids castling through an attacked square as well as out
// of and into check, which the search tests for under both rule sets.
bool castlesThroughCheck(const GameState& game, const MoveRecord& move, const Board& before) {
    return game.rules == RuleSet::Standard && move.isCastling() && castlesThroughAttack(move, before);
}

// Standard chess's en passant captures for Own, after the root's candidates:
// the opponent's pawn that just stepped two squares, taken by one beside it.
void appendEnPassantCaptures(const GameState& game, const Board& board, MoveList& candidates) {
    const int row = game.enPassantRow, col = game.enPassantCol;
    if (game.rules != RuleSet::Standard || row != 5 || !onBoard(row, col)) return;
    if (board.at(row, col).owner != Empty || board.at(row - 1, col) != Square{Pawn, Enemy}) return;
    for (const int fromCol : {col - 1, col + 1}) {
        if (!onBoard(row - 1, fromCol) || board.at(row - 1, fromCol) != Square{Pawn, Own}) continue;
        MoveRecord capture = makeMoveRecord(row - 1, fromCol, row, col);
        capture.isCapture = 1;
        capture.enPassant = 1;
        candidates.append(capture);
    }
}

bool kingAttacked(const StatusList& statuses) {
    for (const PieceStatus& e : statuses)
        if (e.kind == King && e.has(Attacked)) return true;
    return false;
}

// Every position the search scores goes through here.
int evaluateCounted(const GameState& game, Board& board, SearchCounts& counts) {
    ++counts.evaluations;
    return evaluatePosition(game, board);
}

// Generation into lists the caller reuses; returns whether Own's king is attacked.
bool generateInto(const GameState& game, Board& board, MoveList& moves, StatusList& statuses) {
    moves.clear();
    statuses.clear();
    generateCandidates(game, moves, statuses, board);
    const bool inCheck = kingAttacked(statuses);
    buildMoveList(game, moves, statuses, board);
    return inCheck;
}

struct Kept {
    MoveRecord move;
    int score;
};

// The seven candidates with the best static score, in the keep list's order:
// before each candidate the list is sorted by score, ascending and stably; a
// candidate scoring at least the lowest kept one takes its place once seven
// are kept. A sentinel holds the first place to begin with.
void preselect(const GameState& game, MoveList& candidates, Board& board, const Board& root, SearchCounts& counts) {
    Kept keep[KeepListSize];
    std::size_t kept = 0;
    keep[kept++] = {noMoveRecord(), NoReplyScore};
    for (const MoveRecord& k : candidates) {
        for (std::size_t i = 1; i < kept; ++i) {  // stable insertion sort
            const Kept v = keep[i];
            std::size_t j = i;
            for (; j > 0 && v.score < keep[j - 1].score; --j) keep[j] = keep[j - 1];
            keep[j] = v;
        }
        applyMove(k, board);
        const int s = evaluateCounted(game, board, counts);
        if (s >= keep[0].score) {
            if (kept == KeepListSize) {
                keep[0] = {k, s};
            } else {
                keep[kept++] = {k, s};
            }
        }
        board = root;
    }
    candidates.clear();
    for (std::size_t i = 0; i < kept; ++i) candidates.append(keep[i].move);
}

// expectedLine and searchValue change under the game's lock, with searchBusy
// set for as long as the line is in flux.
void clearExpectedLine(GameState& game) {
    std::lock_guard<std::mutex> lock(game.lineLock.mutex());
    game.searchBusy = 1;
    game.expectedLine.clear();
    game.searchBusy = 0;
}

void storeBestLine(GameState& game, const MoveList& line, int value) {
    std::lock_guard<std::mutex> lock(game.lineLock.mutex());
    game.searchValue = value;
    game.searchBusy = 1;
    game.expectedLine = line;
    game.searchBusy = 0;
}

}  // namespace

int bestReply(const GameState& game, MoveRecord& reply, MoveList& candidates, Board& board, bool inCheck,
              SearchCounts& counts, bool* found) {
    int best = NoReplyScore;
    bool chosen = false;
    const Board saved = board;
    for (const MoveRecord& m : candidates) {
        applyMove(m, board);
        if (isOwnKingAttacked(board) || (inCheck && m.isCastling()) || castlesThroughCheck(game, m, saved)) {
            board = saved;
            continue;
        }
        const int s = evaluateCounted(game, board, counts);
        if (s > best) {
            best = s;
            reply = m;
            chosen = true;
        } else if (s == best && !reply.isCastling() && onBoard(reply.fromRow, reply.fromCol) &&
                   board.at(reply.fromRow, reply.fromCol).kind == Queen) {
            // Among equal scores a queen move gives way to a later move.
            reply = m;
            chosen = true;
        }
        board = saved;
    }
    if (found) *found = chosen;
    return best;
}

namespace {

void rootCandidates(const GameState& game, Board& board, MoveList& candidates, bool& inCheck, SearchCounts& counts) {
    StatusList statuses;
    inCheck = generateInto(game, board, candidates, statuses);
    appendEnPassantCaptures(game, board, candidates);
    if (!inCheck && candidates.size() >= KeepListSize && game.level >= 2)
        preselect(game, candidates, board, Board(board), counts);
}

}  // namespace

void rootCandidates(const GameState& game, Board& board, MoveList& candidates, bool& inCheck) {
    SearchCounts uncounted;
    rootCandidates(game, board, candidates, inCheck, uncounted);
}

namespace {

// What one root candidate's line reuses from the last.
struct LineLists {
    MoveList line;
    MoveList replies;
    StatusList statuses;
    MoveRecord reply = noMoveRecord();
};

// The line after the root candidate just played on `board`: up to `level`
// plies, each side making the reply its one-ply evaluation likes best. Returns
// the line's score; lists.line holds its moves as the computer sees them.
int playOutLine(const GameState& game, Board& board, const MoveRecord& root, LineLists& lists, SearchCounts& counts) {
    int score = evaluateCounted(game, board, counts);
    lists.line.append(root);
    MoveRecord& reply = lists.reply;
    for (int ply = 1; ply < game.level; ++ply) {
        flipBoard(board);
        const bool inCheck = generateInto(game, board, lists.replies, lists.statuses);
        bool found = false;
        const int r = bestReply(game, reply, lists.replies, board, inCheck, counts, &found);
        const bool opponentsPly = ply % 2 == 1;
        score += opponentsPly ? -r : r;
        // A side without a legal reply ends the line: its score has
        // taken the 99999 for it, and no move outside the position is played.
        if (!found) break;
        MoveRecord shown = reply;
        if (opponentsPly) flipMove(shown);
        lists.line.append(shown);
        applyMove(reply, board);
    }
    return score;
}

// A castle of the computer's gives up both its rights for good.
void noteOwnCastle(GameState& game) {
    game.canCastleShort = 0;
    game.canCastleLong = 0;
    game.hasCastled = 1;
}

}  // namespace

void searchBestLine(GameState& game, MoveRecord& result, Board& board, SearchCounts& counts) {
    clearExpectedLine(game);

    int best = NoLineScore;
    const Board root = board;
    MoveList candidates;
    bool rootInCheck = false;
    rootCandidates(game, board, candidates, rootInCheck, counts);

    LineLists lists;
    for (MoveRecord& k : candidates) {
        lists.line.clear();
        if (onBoard(k.toRow, k.toCol) && !k.isCastling() && root.at(k.toRow, k.toCol).owner == Enemy) k.isCapture = 1;
        applyMove(k, board);
        const bool legal =
            !isOwnKingAttacked(board) && !(rootInCheck && k.isCastling()) && !castlesThroughCheck(game, k, root);
        if (legal) {
            const int score = playOutLine(game, board, k, lists, counts);
            if (score > best) {
                best = score;
                storeBestLine(game, lists.line, score);
            }
        }
        board = root;
    }

    std::lock_guard<std::mutex> lock(game.lineLock.mutex());
    game.searchBusy = 1;
    if (!game.expectedLine.empty()) result = game.expectedLine[0];
    game.searchBusy = 0;
    if (result.isCastling()) noteOwnCastle(game);
}

bool fitsPosition(const GameState& game, const MoveRecord& move) {
    if (move.isCastling()) {
        if (!castlingGeometryFits(move, game.board)) return false;
        if (game.rules != RuleSet::Standard) return true;
        Board after = game.board;
        applyMove(move, after);
        return !isOwnKingAttacked(game.board) && !castlesThroughAttack(move, game.board) && !isOwnKingAttacked(after);
    }
    MoveList moves;
    StatusList statuses;
    candidateMoves(game, game.board, moves, statuses);
    for (const MoveRecord& m : moves)
        if (sameMove(m, move)) return true;
    return false;
}

namespace {

// The planned answer, played when the user replied as the expected line
// foresaw and the plan still fits the position.
bool playPlannedAnswer(GameState& game, MoveRecord& result, const MoveRecord& lastUserMove) {
    MoveRecord planned;
    {
        std::lock_guard<std::mutex> lock(game.lineLock.mutex());
        if (game.expectedLine.size() <= 2 || !sameMove(game.expectedLine[1], lastUserMove)) return false;
        planned = game.expectedLine[2];
    }
    if (!fitsPosition(game, planned)) return false;
    result = planned;
    if (result.isCastling()) {
        noteOwnCastle(game);
    } else if (game.board.at(result.toRow, result.toCol).owner == Enemy) {
        result.isCapture = 1;
    }
    return true;
}

// The computer's first move as Black answers a king's or queen's pawn
// opening in kind; no move when the rule does not apply.
MoveRecord firstMoveRule(const GameState& game, const MoveRecord& lastUserMove) {
    if (game.moveCount != 1 || lastUserMove.toRow != 4) return noMoveRecord();
    if (lastUserMove.toCol == 3) return makeMoveRecord(1, 3, 3, 3);
    if (lastUserMove.toCol == 4) return makeMoveRecord(1, 4, 3, 4);
    return noMoveRecord();
}

// The opening rules, else the line search.
void chooseByRuleOrSearch(GameState& game, MoveRecord& result, const MoveRecord& lastUserMove, SearchCounts& counts) {
    if (lastUserMove.fromRow == -2) {
        result.fromRow = 1, result.fromCol = 4, result.toRow = 3, result.toCol = 4;
        return;
    }
    const MoveRecord reply = firstMoveRule(game, lastUserMove);
    if (reply.isMove() && fitsPosition(game, reply)) {
        result.fromRow = reply.fromRow, result.fromCol = reply.fromCol;
        result.toRow = reply.toRow, result.toCol = reply.toCol;
    } else {
        searchBestLine(game, result, game.board, counts);
    }
}

void clearResult(MoveRecord& result) { result.fromRow = result.fromCol = result.toRow = result.toCol = -1; }

}  // namespace

ChoiceOutcome chooseComputerMove(GameState& game, MoveRecord& result, const MoveRecord& lastUserMove) {
    SearchCounts uncounted;
    return chooseComputerMove(game, result, lastUserMove, uncounted);
}

ChoiceOutcome chooseComputerMove(GameState& game, MoveRecord& result, const MoveRecord& lastUserMove,
                                 SearchCounts& counts) {
    clearResult(result);
    const Board saved = game.board;
    try {
        game.moveCount += 1;
        if (!playPlannedAnswer(game, result, lastUserMove)) chooseByRuleOrSearch(game, result, lastUserMove, counts);
        updateOwnCastlingRights(game, result);
        if (!result.isMove()) return ChoiceOutcome::NoMove;
        applyMove(result, game.board);
        game.moveCount += 1;
        return ChoiceOutcome::Played;
    } catch (const std::exception&) {
        game.board = saved;
        clearResult(result);
        return ChoiceOutcome::Failed;
    }
}

bool acceptsDraw(const GameState& game) {
    Board board = game.board;
    return evaluatePosition(game, board) <= -DrawOfferMargin;
}

bool readExpectedLine(const GameState& game, MoveList& line, int& value) {
    std::lock_guard<std::mutex> lock(game.lineLock.mutex());
    if (game.searchBusy) return false;
    line = game.expectedLine;
    value = game.searchValue;
    return true;
}

}  // namespace orbel
