#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/support/board_text.h"
#include "tests/support/rule_lists.h"

namespace orbel {
namespace {

using namespace testing;
using namespace Line;

// One square's entry after the scan of a position (no entry: flags 0 and
// empty arrays), the number of entries, and the capture moves listed.
TEST(AttackScan, NotesEachSquaresAttackersAndCapturesInScanOrder) {
    const struct {
        const char* name;
        Diagram diagram;
        int row, col;
        std::int32_t flags;
        Codes attackedBy, captures;
        std::size_t entries;
        Moves moves;
    } rows[] = {
        {"rook and queen facing along a row", diagramOf({{0, "R......q"}}), 0, 0, Attacked | CanCapture, {RowRight},
         {RowRight}, 1, {{0, 0, 0, 7}}},
        {"an own piece between blocks the line", diagramOf({{0, "R..B...q"}}), 0, 0, 0, {}, {}, 1, {}},
        {"the blocker is attacked but cannot capture along a row", diagramOf({{0, "R..B...q"}}), 0, 3, Attacked,
         {RowRight}, {}, 1, {}},
        {"a knight captures a bishop that does not attack it", diagramOf({{2, "..b....."}, {0, ".N......"}}), 0, 1,
         CanCapture, {}, {KnightUpRight}, 1, {{0, 1, 2, 2}}},
        {"a knight attacks from its quadrant", diagramOf({{4, "....n..."}, {2, "...R...."}}), 2, 3, Attacked,
         {KnightUpRight}, {}, 1, {}},
        {"a quadrant attacks once, and only by a knight", diagramOf({{4, "....N..."}, {3, ".....r.."}, {2, "...B...."}}),
         2, 3, 0, {}, {}, 0, {}},
        {"an enemy pawn attacks downwards", diagramOf({{3, "....p..."}, {2, "...N...."}}), 2, 3, Attacked,
         {PawnUpRight}, {}, 1, {}},
        {"an enemy pawn never attacks upwards", diagramOf({{2, "...N...."}, {1, "....p..."}}), 2, 3, 0, {}, {}, 0, {}},
        {"codes follow the scan order within one square",
         Diagram{"........", "........", ".b......", "....p...", "...Q..r.", "...k....", "..n.....", "........"}, 3, 3,
         Attacked | CanCapture, {PawnUpRight, DiagonalUpLeft, RowRight, KnightDownLeft, KingDown},
         {DiagonalUpRight, DiagonalUpLeft, RowRight, ColumnDown}, 1,
         {{3, 3, 4, 4}, {3, 3, 5, 1}, {3, 3, 3, 6}, {3, 3, 2, 3}}},
        {"kings attack each other but never capture each other", diagramOf({{4, "....k..."}, {3, "...K...."}}), 3, 3,
         Attacked, {KingUpRight}, {}, 1, {}},
        {"a queen lists the capture of the enemy king", diagramOf({{0, "Q....k.."}}), 0, 0, CanCapture, {}, {RowRight},
         1, {{0, 0, 0, 5}}},
        {"a pawn on the edge looks only inward", diagramOf({{1, "np......"}, {0, "P......."}}), 0, 0,
         Attacked | CanCapture, {PawnUpRight}, {PawnUpRight}, 1, {{0, 0, 1, 1}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Lists lists = scanned(boardFromRows(row.diagram));
        const PieceStatus none;
        const PieceStatus& e = lists.at(row.row, row.col) ? *lists.at(row.row, row.col) : none;
        EXPECT_EQ(e.flags, row.flags);
        EXPECT_EQ(e.attackedBy, row.attackedBy);
        EXPECT_EQ(e.captures, row.captures);
        EXPECT_EQ(lists.statuses.size(), row.entries);
        EXPECT_EQ(coordinates(lists.moves), row.moves);
    }
}

TEST(AttackScan, AddsToTheListsItIsGiven) {
    // No Own piece: the entries already there are all that is counted.
    const Board noOwnPiece = boardFromRows(diagramOf({{7, "rnbqkbnr"}, {6, "pppppppp"}}));
    Lists lists;
    noteStatus(lists.statuses, {Rook, Own}, 0, 0, BackRank, 0);
    noteStatus(lists.statuses, {Rook, Own}, 0, 7, BackRank, 0);
    EXPECT_EQ(scanAllSquares(lists.moves, lists.statuses, noOwnPiece), 2);
    EXPECT_TRUE(lists.moves.empty());

    // Scanning twice repeats the codes but not the moves.
    const Board facing = boardFromRows(diagramOf({{0, "R......q"}}));
    Lists twice = scanned(facing);
    scanAllSquares(twice.moves, twice.statuses, facing);
    EXPECT_EQ(twice.moves.size(), 1u);
    ASSERT_EQ(twice.statuses.size(), 1u);
    EXPECT_EQ(twice.statuses[0].attackedBy, (Codes{RowRight, RowRight}));
    EXPECT_EQ(twice.statuses[0].captures, (Codes{RowRight, RowRight}));
}

TEST(AttackScan, SquareAttackAgreesWithTheScanEverywhere) {
    // Every square of a busy position, with a test king placed on it.
    const Board base = boardFromRows({
        "r.b.k..r",
        "pp..qppp",
        "..n..n..",
        "..bpp...",
        ".P..P...",
        "..NB.N..",
        "P.PP.PPP",
        "R.BQ.RK.",
    });
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            if (base.at(r, c).owner != Empty) continue;
            Board b = base;
            b.at(r, c) = {King, Own};
            Lists lists;
            scanSquare(lists.moves, lists.statuses, r, c, b);
            const bool scanned = lists.at(r, c) && lists.at(r, c)->has(Attacked);
            EXPECT_EQ(isSquareAttacked(b, r, c), scanned) << "square " << r << "," << c;
        }
    }
}

// The shortcuts the computer uses to ask who can capture where must agree with
// the scan itself, on ordinary and on odd positions alike.
TEST(AttackScan, CaptureShortcutsAgreeWithTheScan) {
    std::mt19937 rng(1234);
    for (int trial = 0; trial < 3000; ++trial) {
        Board b;
        const int pieces = 2 + static_cast<int>(rng() % 30);
        for (int i = 0; i < pieces; ++i) {
            b.squares[rng() % 64] = {static_cast<PieceKind>(1 + rng() % 6), rng() % 2 ? Own : Enemy};
        }
        for (int side = 0; side < 2; ++side) {
            // What the scan lists: every capture move of the Own side.
            const Lists lists = scanned(b);
            MoveRecord listed[MaxCaptureMoves];
            const int n = listCaptureMoves(b, listed);
            ASSERT_EQ(static_cast<std::size_t>(n), lists.moves.size());
            for (int i = 0; i < n; ++i) ASSERT_TRUE(sameMove(listed[i], lists.moves[static_cast<std::size_t>(i)]));

            bool targets[64];
            markCaptureTargets(b, Own, targets);
            for (int s = 0; s < 64; ++s) {
                std::vector<int> fromScan;
                for (const MoveRecord& m : lists.moves)
                    if (m.toRow * 8 + m.toCol == s) fromScan.push_back(m.fromRow * 8 + m.fromCol);
                Capturer c[MaxCapturers];
                const int k = capturersOf(b, s / 8, s % 8, Own, c);
                std::vector<int> fromShortcut;
                for (int i = 0; i < k; ++i) fromShortcut.push_back(c[i].row * 8 + c[i].col);
                std::sort(fromScan.begin(), fromScan.end());
                std::sort(fromShortcut.begin(), fromShortcut.end());
                ASSERT_EQ(fromScan, fromShortcut) << "square " << s << "\n" << boardToRows(b);
                ASSERT_EQ(targets[s], !fromScan.empty()) << "square " << s;
                if (b.squares[static_cast<std::size_t>(s)].owner == Enemy) {
                    // The Enemy's view of the same question, asked without flipping.
                    Board flipped = b;
                    flipBoard(flipped);
                    EXPECT_EQ(capturersOf(flipped, 7 - s / 8, 7 - s % 8, Enemy, c), k);
                }
            }
            flipBoard(b);
        }
    }
}

}  // namespace
}  // namespace orbel
