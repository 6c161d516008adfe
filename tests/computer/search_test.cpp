// What the recorded games and the search golden file cannot pin: the opening
// rules, a planned answer that no longer fits, the Brain pane's reading of the
// line, the preselection of exactly seven candidates, and a position without a
// legal move.
#include <gtest/gtest.h>

#include "computer/search.h"
#include "computer/seat.h"
#include "game/notation/fen.h"
#include "tests/support/board_text.h"
#include "tests/support/scripted_play.h"

namespace orbel {
namespace {

using namespace testing;

bool isMove(const MoveRecord& m, const std::array<int, 4>& c) {
    return sameMove(m, makeMoveRecord(c[0], c[1], c[2], c[3]));
}

// The first move is fixed by rule: 1.e4 as White; as Black (column 3 is then
// the e-file and column 4 the d-file) 1.e4 and 1.d4 are answered in kind, by
// rule, unless the pawn the rule moves is gone. Anything else is searched.
TEST(ChooseComputerMove, OpensByRuleOrSearches) {
    const struct {
        int kingColumn, userCol;  // the user's pawn from row 6 to row 4; -2: the computer opens
        bool pawnGone;            // the rule's pawn on (1,3) is missing
        std::array<int, 4> reply;
        bool searches;
    } rows[] = {
        {4, -2, false, {1, 4, 3, 4}, false}, {3, 3, false, {1, 3, 3, 3}, false}, {3, 4, false, {1, 4, 3, 4}, false},
        {3, 5, false, {1, 4, 3, 4}, true},   {3, 3, true, {0, 6, 2, 5}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.userCol);
        GameState g(row.kingColumn);
        g.searchValue = 7;
        if (row.pawnGone) g.board.at(1, 3) = EmptySquare;
        const MoveRecord user = row.userCol < 0 ? makeMoveRecord(-2, -2, -2, -2)
                                                : makeMoveRecord(6, row.userCol, 4, row.userCol);
        if (row.userCol >= 0) playUserMove(g, user);
        MoveRecord result = noMoveRecord();
        EXPECT_EQ(chooseComputerMove(g, result, user), ChoiceOutcome::Played);
        EXPECT_EQ(g.moveCount, 2);
        EXPECT_TRUE(isMove(result, row.reply));
        EXPECT_EQ(g.board.at(row.reply[2], row.reply[3]).owner, Own);
        EXPECT_EQ(g.expectedLine.empty(), !row.searches);
        EXPECT_EQ(g.searchValue == 7, !row.searches);
    }
}

// The computer opens as White at Medium, the user answers 1...e5, and the
// computer's search expects a reply to its answer. When the user replies so,
// the planned move is played without a search; when its piece is gone (as
// after Undo Move), it is not.
TEST(ChooseComputerMove, ThePlannedAnswerIsPlayedOnlyWhileItFits) {
    for (const bool pieceGone : {false, true}) {
        GameState g(4);
        g.level = 3;
        MoveRecord result = noMoveRecord();
        chooseComputerMove(g, result, makeMoveRecord(-2, -2, -2, -2));
        const MoveRecord user = makeMoveRecord(6, 3, 4, 3);
        playUserMove(g, user);
        chooseComputerMove(g, result, user);
        // The Brain pane reads the line once the search is over, never while it runs.
        MoveList line;
        int value = 0;
        ASSERT_TRUE(readExpectedLine(g, line, value));
        ASSERT_EQ(line.size(), 3u);
        EXPECT_EQ(value, g.searchValue);
        g.searchBusy = 1;
        EXPECT_FALSE(readExpectedLine(g, line, value));
        g.searchBusy = 0;
        playUserMove(g, line[1]);
        if (pieceGone) g.board.at(line[2].fromRow, line[2].fromCol) = EmptySquare;
        EXPECT_EQ(chooseComputerMove(g, result, line[1]), ChoiceOutcome::Played);
        EXPECT_EQ(sameMove(result, line[2]), !pieceGone);
        EXPECT_EQ(g.moveCount, 6);
        if (pieceGone) continue;
        EXPECT_EQ(g.searchValue, value);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(sameMove(g.expectedLine[i], line[i]));
    }
}

// From seven candidates up, out of check and above Easy, the root list is
// preselected by static score: the seventh takes the sentinel's place at the
// front, the first six follow in ascending order. Easy searches them as
// generated.
TEST(SearchBestLine, SevenCandidatesArePreselectedAboveEasy) {
    const GameState g = gameFromRows(
        {"r...k..r", ".b..n..p", "pnpp.pp.", "........", "......P.", ".P...P..", "P..b..KP", "R.B...NR"}, 3);
    using Roots = std::vector<std::array<int, 4>>;
    const Roots generated = {{0, 2, 1, 3}, {0, 2, 1, 1}, {0, 2, 2, 0}, {2, 5, 3, 5},
                             {3, 6, 4, 6}, {0, 6, 1, 4}, {0, 0, 0, 1}};
    const Roots preselected = {{0, 0, 0, 1}, {3, 6, 4, 6}, {0, 2, 2, 0}, {2, 5, 3, 5},
                               {0, 2, 1, 1}, {0, 6, 1, 4}, {0, 2, 1, 3}};
    for (const int level : {1, 2, 5}) {
        GameState game = g;
        game.level = level;
        MoveList roots;
        bool inCheck = true;
        Board work = game.board;
        rootCandidates(game, work, roots, inCheck);
        EXPECT_FALSE(inCheck);
        EXPECT_EQ(work, game.board);
        Roots got;
        for (const MoveRecord& m : roots) got.push_back({m.fromRow, m.fromCol, m.toRow, m.toCol});
        EXPECT_EQ(got, level == 1 ? generated : preselected) << "level " << level;
    }
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

}  // namespace
}  // namespace orbel

namespace orbel {
namespace {

// Where the two rule sets part: the same position, the computer (White) to
// move, its choice under each. Standard chess lets it take en passant and
// forbids a castle through or into an attacked square.
TEST(ChooseComputerMove, PartsFromTheOtherRulesOnlyWhereTheyDiffer) {
    const struct {
        const char* fen;
        const char* orbel;
        const char* standard;
    } rows[] = {
        {"6k1/2r1q1pp/8/3pP3/8/8/PPP3PP/5RK1 w - d6 0 1", "c2c3", "e5d6"},
        {"6k1/2n3pp/8/3pP3/8/8/PPP3PP/5RK1 w - d6 0 1", "f1d1", "e5d6"},
        {"4kr2/pp4pp/8/8/8/8/PP4PP/4K2R w K - 0 1", "e1g1", "h1f1"},
        {"rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3", "f1b5", "f1b5"},
    };
    for (const auto& row : rows) {
        for (const RuleSet rules : {RuleSet::Orbel, RuleSet::Standard}) {
            StandardPosition p;
            ASSERT_EQ(readFen(row.fen, p), "") << row.fen;
            p.rules = rules;
            TopSeat seat(Side::White);
            seat.setUp(p, 20, false);
            seat.setLevel(3);
            MoveRecord result;
            chooseComputerMove(*seat.game(), result, noMoveRecord());
            const StandardMove m = seat.chosenMove(result, p);
            const std::string got = std::string(squareName(m.from)) + std::string(squareName(m.to));
            EXPECT_EQ(got, rules == RuleSet::Orbel ? row.orbel : row.standard) << row.fen;
        }
    }
}

}  // namespace
}  // namespace orbel
