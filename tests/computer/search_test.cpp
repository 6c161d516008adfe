#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "computer/evaluation.h"
#include "computer/search.h"
#include "rules/apply_move.h"
#include "rules/candidates.h"
#include "rules/check.h"
#include "tests/support/board_text.h"
#include "tests/support/rule_lists.h"
#include "tests/support/scripted_play.h"
#include "tools/engine/engine_session.h"

namespace orbel {
namespace {

using namespace testing;

bool isMove(const MoveRecord& m, int fr, int fc, int tr, int tc) { return sameMove(m, makeMoveRecord(fr, fc, tr, tc)); }

// A game from one of the recorded files, through the engine's own parser.
GameState gameFromSetLine(const std::string& set) {
    engine::EngineSession session;
    EXPECT_EQ(session.handleLine(set), "ok");
    return session.game();
}

TEST(ChooseComputerMove, OpensAsWhiteWithTheKingsPawnWithoutSearching) {
    GameState g(4);
    g.searchValue = 7;
    MoveRecord result = noMoveRecord();
    EXPECT_EQ(chooseComputerMove(g, result, makeMoveRecord(-2, -2, -2, -2)), ChoiceOutcome::Played);
    EXPECT_TRUE(isMove(result, 1, 4, 3, 4));
    EXPECT_EQ(g.board.at(3, 4), (Square{Pawn, Own}));
    EXPECT_EQ(g.moveCount, 2);
    EXPECT_EQ(g.searchValue, 7);
    EXPECT_TRUE(g.expectedLine.empty());
}

// With the computer as Black, column 3 is the e-file and column 4 the d-file:
// 1.e4 and 1.d4 are answered in kind by rule, anything else by a search.
TEST(ChooseComputerMove, AnswersKingsAndQueensPawnsByRuleAsBlack) {
    const struct {
        int userCol;  // the user's pawn from row 6 to row 4
        std::array<int, 4> reply;
        bool searches;
    } rows[] = {{3, {1, 3, 3, 3}, false}, {4, {1, 4, 3, 4}, false}, {5, {1, 4, 3, 4}, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.userCol);
        GameState g(3);  // the user plays White
        const MoveRecord user = makeMoveRecord(6, row.userCol, 4, row.userCol);
        testing::playUserMove(g, user);
        MoveRecord result = noMoveRecord();
        EXPECT_EQ(chooseComputerMove(g, result, user), ChoiceOutcome::Played);
        EXPECT_EQ(g.moveCount, 2);
        EXPECT_TRUE(isMove(result, row.reply[0], row.reply[1], row.reply[2], row.reply[3]));
        EXPECT_EQ(g.expectedLine.empty(), !row.searches);
    }
}

TEST(ChooseComputerMove, AFirstMoveRuleThatNoLongerFitsSearchesInstead) {
    // A loaded game starts counting again at 0; here Black's e-pawn is gone,
    // so the rule's (1,3)->(3,3) names no piece.
    GameState g(3);
    g.board.at(1, 3) = EmptySquare;
    const MoveRecord user = makeMoveRecord(6, 3, 4, 3);
    testing::playUserMove(g, user);
    const Board before = g.board;
    MoveRecord result = noMoveRecord();
    EXPECT_EQ(chooseComputerMove(g, result, user), ChoiceOutcome::Played);
    EXPECT_FALSE(isMove(result, 1, 3, 3, 3));
    EXPECT_FALSE(g.expectedLine.empty());
    EXPECT_EQ(before.at(result.fromRow, result.fromCol).owner, Own);
}

// The computer opens as White at Medium; the user answers 1...e5 and the
// computer searches a three-ply line.
GameState afterFirstSearch(MoveRecord& userMove) {
    GameState g(4);
    g.level = 3;
    MoveRecord result = noMoveRecord();
    chooseComputerMove(g, result, makeMoveRecord(-2, -2, -2, -2));
    userMove = makeMoveRecord(6, 3, 4, 3);
    testing::playUserMove(g, userMove);
    chooseComputerMove(g, result, userMove);
    return g;
}

TEST(ChooseComputerMove, ThePlannedAnswerIsPlayedWhenTheUserRepliesAsExpected) {
    MoveRecord user;
    GameState g = afterFirstSearch(user);
    ASSERT_EQ(g.expectedLine.size(), 3u);
    const MoveList line = g.expectedLine;
    const int value = g.searchValue;
    const int count = g.moveCount;

    const MoveRecord expectedReply = line[1];
    testing::playUserMove(g, expectedReply);
    MoveRecord result = noMoveRecord();
    EXPECT_EQ(chooseComputerMove(g, result, expectedReply), ChoiceOutcome::Played);
    EXPECT_TRUE(sameMove(result, line[2]));
    EXPECT_EQ(g.moveCount, count + 2);
    EXPECT_EQ(g.searchValue, value);
    ASSERT_EQ(g.expectedLine.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(sameMove(g.expectedLine[i], line[i]));
}

TEST(ChooseComputerMove, APlannedAnswerThatNoLongerFitsIsNotPlayed) {
    MoveRecord user;
    GameState g = afterFirstSearch(user);
    ASSERT_EQ(g.expectedLine.size(), 3u);
    const MoveRecord expectedReply = g.expectedLine[1];
    const MoveRecord planned = g.expectedLine[2];
    testing::playUserMove(g, expectedReply);
    // As after Undo Move: the piece the plan would move is not where it was.
    g.board.at(planned.fromRow, planned.fromCol) = EmptySquare;
    const int count = g.moveCount;
    MoveRecord result = noMoveRecord();
    EXPECT_EQ(chooseComputerMove(g, result, expectedReply), ChoiceOutcome::Played);
    EXPECT_FALSE(sameMove(result, planned));
    EXPECT_EQ(g.moveCount, count + 2);
}

TEST(ChooseComputerMove, AtEasyTheLineIsOneMoveValuedByItsStaticScore) {
    GameState g(4);
    g.level = 1;
    MoveRecord result = noMoveRecord();
    chooseComputerMove(g, result, makeMoveRecord(-2, -2, -2, -2));
    const MoveRecord user = makeMoveRecord(6, 3, 4, 3);
    testing::playUserMove(g, user);
    GameState before = g;
    chooseComputerMove(g, result, user);
    ASSERT_EQ(g.expectedLine.size(), 1u);
    EXPECT_TRUE(sameMove(g.expectedLine[0], result));
    applyMove(result, before.board);
    EXPECT_EQ(g.searchValue, evaluatePosition(before, before.board));
    // With one record the shortcut (which needs three) can never apply.
}

TEST(ChooseComputerMove, NoLegalMoveLeavesTheBoardAndResultUntouched) {
    // The computer's king on (0,0) is mated by the queen on (1,1).
    GameState g = gameFromRows(diagramOf({{2, "..k....."}, {1, ".q......"}, {0, "K......."}}));
    const Board before = g.board;
    MoveRecord result = noMoveRecord();
    EXPECT_EQ(chooseComputerMove(g, result, makeMoveRecord(6, 1, 1, 1)), ChoiceOutcome::NoMove);
    EXPECT_TRUE(sameMove(result, noMoveRecord()));
    EXPECT_EQ(g.board, before);
    EXPECT_EQ(g.moveCount, 1);
    EXPECT_TRUE(g.expectedLine.empty());
}

struct Roots {
    Moves moves;
    bool inCheck;
};

// The root candidates of the game at `level`; the board must come back unchanged.
Roots rootsAt(GameState g, int level) {
    g.level = level;
    MoveList roots;
    bool inCheck = true;
    Board work = g.board;
    rootCandidates(g, work, roots, inCheck);
    EXPECT_EQ(work, g.board);
    return {coordinates(roots), inCheck};
}

TEST(SearchBestLine, InCheckItNeitherCastlesNorPreselects) {
    // The rook on (5,4) checks the king on (0,4); castling would be offered by
    // the generator (rights set, squares empty) but must not be played.
    const GameState g = gameFromRows(diagramOf({{7, "...k...."}, {5, "....r..."}, {1, "PPPP.PPP"}, {0, "R...K..R"}}));
    const Roots roots = rootsAt(g, 3);
    EXPECT_TRUE(roots.inCheck);
    EXPECT_GE(roots.moves.size(), 7u);
    EXPECT_EQ(roots.moves, coordinates(generated(g).moves));
    const auto isShort = [](const Coordinates& m) { return m[0] == CastleShort; };
    EXPECT_TRUE(std::any_of(roots.moves.begin(), roots.moves.end(), isShort));

    for (int level : {1, 3, 5}) {
        GameState game = g;
        game.level = level;
        MoveRecord result = noMoveRecord();
        ASSERT_EQ(chooseComputerMove(game, result, makeMoveRecord(6, 4, 5, 4)), ChoiceOutcome::Played);
        EXPECT_FALSE(result.isCastling());
        EXPECT_FALSE(isOwnKingAttacked(game.board)) << "level " << level;
    }
}

// The first recorded position whose candidate list has exactly `count` moves
// and whose Own king is not in check.
GameState positionWithCandidates(std::size_t count) {
    std::ifstream in(ORBEL_GOLDEN_DIR "/candidates.golden");
    for (std::string set, moves, statuses; std::getline(in, set);) {
        if (set.rfind("set ", 0) != 0) continue;
        std::getline(in, moves);
        std::getline(in, statuses);
        if (moves.rfind("moves " + std::to_string(count) + " ", 0) != 0) continue;
        GameState g = gameFromSetLine(set);
        if (!isOwnKingAttacked(g.board)) return g;
    }
    ADD_FAILURE() << "no recorded position with " << count << " candidates";
    return GameState(4);
}

TEST(SearchBestLine, SixCandidatesAreSearchedInTheGeneratorsOrder) {
    const GameState g = positionWithCandidates(6);
    const Roots roots = rootsAt(g, 3);
    EXPECT_FALSE(roots.inCheck);
    EXPECT_EQ(roots.moves.size(), 6u);
    EXPECT_EQ(roots.moves, coordinates(generated(g).moves));
}

TEST(SearchBestLine, SevenCandidatesAreKeptWithTheSeventhInTheSentinelsPlace) {
    const GameState g = positionWithCandidates(7);
    const Lists all = generated(g);
    ASSERT_EQ(all.moves.size(), 7u);

    // Static scores of the first six, stably sorted ascending; the seventh
    // goes to the front, where the sentinel stood.
    std::vector<std::pair<int, std::size_t>> scored;
    for (std::size_t i = 0; i < 6; ++i) {
        Board b = g.board;
        applyMove(all.moves[i], b);
        scored.push_back({evaluatePosition(g, b), i});
    }
    std::stable_sort(scored.begin(), scored.end(), [](auto& a, auto& b) { return a.first < b.first; });
    const Moves generatedOrder = coordinates(all.moves);
    Moves kept{generatedOrder[6]};
    for (auto& s : scored) kept.push_back(generatedOrder[s.second]);

    for (int level : {2, 3, 5}) EXPECT_EQ(rootsAt(g, level).moves, kept) << "level " << level;
    // At Easy nothing is preselected.
    EXPECT_EQ(rootsAt(g, 1).moves, generatedOrder);
}

TEST(SearchBestLine, AMateInOneEndsTheLineAndWinsByTheSentinel) {
    // The rook's move to (7,0) mates: the user has no legal reply at ply 1.
    GameState g = gameFromRows(diagramOf({{7, "......k."}, {6, ".....ppp"}, {1, ".PP....."}, {0, "R...K..."}}));
    g.level = 3;
    MoveRecord result = noMoveRecord();
    ASSERT_EQ(chooseComputerMove(g, result, makeMoveRecord(6, 4, 5, 4)), ChoiceOutcome::Played);
    EXPECT_TRUE(isMove(result, 0, 0, 7, 0));
    ASSERT_EQ(g.expectedLine.size(), 1u);
    // The value is the root's static score plus the 99999 of the missing reply.
    GameState judge = gameFromRows(diagramOf({{7, "R.....k."}, {6, ".....ppp"}, {1, ".PP....."}, {0, "....K..."}}));
    EXPECT_EQ(g.searchValue, evaluatePosition(judge, judge.board) + 99999);
    EXPECT_TRUE(isCheckmated(g));
}

TEST(SearchBestLine, ACaptureAtTheRootIsMarkedInTheResult) {
    // The only sensible move takes the queen.
    GameState g = gameFromRows(diagramOf({{7, "....k..."}, {4, "...q...."}, {0, "...RK..."}}));
    g.level = 1;
    MoveRecord result = noMoveRecord();
    ASSERT_EQ(chooseComputerMove(g, result, makeMoveRecord(6, 4, 5, 4)), ChoiceOutcome::Played);
    EXPECT_TRUE(isMove(result, 0, 3, 4, 3));
    EXPECT_EQ(result.isCapture, 1);
    EXPECT_EQ(g.expectedLine[0].isCapture, 1);
}

TEST(ChooseComputerMove, CastlingGivesUpBothRightsAndIsRemembered) {
    // A recorded position (self-play) in which the computer castles short at every level.
    std::ifstream in(ORBEL_GOLDEN_DIR "/search_suite.txt");
    std::string line, set, last;
    while (std::getline(in, line)) {
        if (line == "# self-play, Medium against Hard, computer move 11") {
            std::getline(in, set);
            std::getline(in, last);
            break;
        }
    }
    ASSERT_FALSE(set.empty());
    for (int level : {1, 3, 5}) {
        GameState g = gameFromSetLine(set);
        g.level = level;
        ASSERT_EQ(g.hasCastled, 0);
        std::istringstream l(last.substr(5));
        int a, b, c, d;
        l >> a >> b >> c >> d;
        MoveRecord result = noMoveRecord();
        ASSERT_EQ(chooseComputerMove(g, result, makeMoveRecord(a, b, c, d)), ChoiceOutcome::Played);
        EXPECT_EQ(result.fromRow, CastleShort);
        EXPECT_EQ(g.hasCastled, 1);
        EXPECT_EQ(g.canCastleShort, 0);
        EXPECT_EQ(g.canCastleLong, 0);
        EXPECT_EQ(g.board.at(0, 6).kind, King);
        EXPECT_EQ(g.board.at(0, 5).kind, Rook);
    }
}

TEST(ChooseComputerMove, AShortcutCastleGivesUpTheRightsToo) {
    GameState g = gameFromRows(diagramOf({{7, "....k..."}, {6, "pppppppp"}, {1, "PPPPPPPP"}, {0, "R...K..R"}}));
    const MoveRecord user = makeMoveRecord(6, 0, 5, 0);
    g.expectedLine.append(makeMoveRecord(1, 0, 2, 0));
    g.expectedLine.append(user);
    g.expectedLine.append(makeMoveRecord(CastleShort, CastleShort, 99, 99));
    testing::playUserMove(g, user);
    MoveRecord result = noMoveRecord();
    ASSERT_EQ(chooseComputerMove(g, result, user), ChoiceOutcome::Played);
    EXPECT_EQ(result.fromRow, CastleShort);
    EXPECT_EQ(g.hasCastled, 1);
    EXPECT_EQ(g.canCastleShort, 0);
    EXPECT_EQ(g.canCastleLong, 0);
    EXPECT_EQ(g.board.at(0, 6), (Square{King, Own}));
}

TEST(ReadExpectedLine, SkipsWhileBusyAndCopiesOtherwise) {
    GameState g(4);
    g.expectedLine.append(makeMoveRecord(1, 4, 3, 4));
    g.searchValue = 24;
    MoveList line;
    int value = 0;
    ASSERT_TRUE(readExpectedLine(g, line, value));
    EXPECT_EQ(line.size(), 1u);
    EXPECT_EQ(value, 24);
    g.searchBusy = 1;
    line.clear();
    EXPECT_FALSE(readExpectedLine(g, line, value));
    EXPECT_TRUE(line.empty());
}

}  // namespace
}  // namespace orbel
