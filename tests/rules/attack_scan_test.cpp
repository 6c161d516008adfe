#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "rules/attack_scan.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

using testing::boardFromRows;
using Codes = std::vector<LineCode>;

const PieceStatus* entryAt(const StatusList& list, int row, int col) {
    for (const PieceStatus& e : list)
        if (e.row == row && e.column == col) return &e;
    return nullptr;
}

std::vector<std::array<int, 4>> coordinates(const MoveList& moves) {
    std::vector<std::array<int, 4>> out;
    for (const MoveRecord& m : moves) out.push_back({m.fromRow, m.fromCol, m.toRow, m.toCol});
    return out;
}

TEST(AttackScan, RookAndQueenFacingAlongARow) {
    Board b = boardFromRows({
        "........", "........", "........", "........",
        "........", "........", "........", "R......q",
    });
    MoveList moves;
    StatusList statuses;
    EXPECT_EQ(scanAllSquares(moves, statuses, b), 1);
    const PieceStatus* rook = entryAt(statuses, 0, 0);
    ASSERT_NE(rook, nullptr);
    EXPECT_EQ(rook->flags, 65);
    EXPECT_EQ(rook->attackedBy, Codes{258});
    EXPECT_EQ(rook->captures, Codes{258});
    EXPECT_EQ(coordinates(moves), (std::vector<std::array<int, 4>>{{0, 0, 0, 7}}));
}

TEST(AttackScan, AnOwnPieceBetweenBlocksTheLine) {
    Board b = boardFromRows({
        "........", "........", "........", "........",
        "........", "........", "........", "R..B...q",
    });
    MoveList moves;
    StatusList statuses;
    scanAllSquares(moves, statuses, b);
    EXPECT_EQ(entryAt(statuses, 0, 0), nullptr);
    // The bishop stands in the queen's row: attacked, but it cannot capture along a row.
    const PieceStatus* bishop = entryAt(statuses, 0, 3);
    ASSERT_NE(bishop, nullptr);
    EXPECT_EQ(bishop->flags, Attacked);
    EXPECT_EQ(bishop->attackedBy, Codes{258});
    EXPECT_TRUE(moves.empty());
}

TEST(AttackScan, KnightCapturesABishopThatDoesNotAttackIt) {
    Board b = boardFromRows({
        "........", "........", "........", "........",
        "........", "..b.....", "........", ".N......",
    });
    MoveList moves;
    StatusList statuses;
    scanAllSquares(moves, statuses, b);
    const PieceStatus* knight = entryAt(statuses, 0, 1);
    ASSERT_NE(knight, nullptr);
    EXPECT_EQ(knight->flags, CanCapture);
    EXPECT_EQ(knight->captures, Codes{1032});
    EXPECT_TRUE(knight->attackedBy.empty());
    EXPECT_EQ(coordinates(moves), (std::vector<std::array<int, 4>>{{0, 1, 2, 2}}));
}

TEST(AttackScan, KnightQuadrantsAttackOncePerQuadrantAndOnlyByKnights) {
    // Enemy knight two rows up and one column right of the rook.
    Board b = boardFromRows({
        "........", "........", "........", "....n...",
        "........", "...R....", "........", "........",
    });
    MoveList moves;
    StatusList statuses;
    scanAllSquares(moves, statuses, b);
    ASSERT_NE(entryAt(statuses, 2, 3), nullptr);
    EXPECT_EQ(entryAt(statuses, 2, 3)->attackedBy, Codes{1032});

    // An Own knight on one target of the quadrant, an Enemy rook on the other.
    Board c = boardFromRows({
        "........", "........", "........", "....N...",
        ".....r..", "...B....", "........", "........",
    });
    moves.clear();
    statuses.clear();
    scanAllSquares(moves, statuses, c);
    const PieceStatus* bishop = entryAt(statuses, 2, 3);
    EXPECT_TRUE(bishop == nullptr || bishop->attackedBy.empty());
}

TEST(AttackScan, EnemyPawnsOnlyAttackDownwards) {
    Board above = boardFromRows({
        "........", "........", "........", "........",
        "....p...", "...N....", "........", "........",
    });
    MoveList moves;
    StatusList statuses;
    scanAllSquares(moves, statuses, above);
    ASSERT_NE(entryAt(statuses, 2, 3), nullptr);
    EXPECT_EQ(entryAt(statuses, 2, 3)->attackedBy, Codes{1040});

    Board below = boardFromRows({
        "........", "........", "........", "........",
        "........", "...N....", "....p...", "........",
    });
    moves.clear();
    statuses.clear();
    scanAllSquares(moves, statuses, below);
    EXPECT_EQ(entryAt(statuses, 2, 3), nullptr);
}

TEST(AttackScan, CodesFollowTheScanOrderWithinOneSquare) {
    Board b = boardFromRows({
        "........",
        "........",
        ".b......",  // diagonal up-left of the queen
        "....p...",  // pawn up-right: attacks, and is a diagonal capture
        "...Q..r.",  // rook to the right along the row
        "...k....",  // king directly below: a step attack and a column capture
        "..n.....",  // knight in the down-left quadrant
        "........",
    });
    MoveList moves;
    StatusList statuses;
    scanAllSquares(moves, statuses, b);
    const PieceStatus* queen = entryAt(statuses, 3, 3);
    ASSERT_NE(queen, nullptr);
    EXPECT_EQ(queen->attackedBy, (Codes{1040, 2049, 258, 8200, 160}));
    EXPECT_EQ(queen->captures, (Codes{1025, 2049, 258, 132}));
    EXPECT_EQ(coordinates(moves), (std::vector<std::array<int, 4>>{
                                      {3, 3, 4, 4}, {3, 3, 5, 1}, {3, 3, 3, 6}, {3, 3, 2, 3}}));
}

TEST(AttackScan, KingsAttackEachOtherButNeverCaptureEachOther) {
    Board b = boardFromRows({
        "........", "........", "........", "....k...",
        "...K....", "........", "........", "........",
    });
    MoveList moves;
    StatusList statuses;
    scanAllSquares(moves, statuses, b);
    const PieceStatus* king = entryAt(statuses, 3, 3);
    ASSERT_NE(king, nullptr);
    EXPECT_EQ(king->flags, Attacked);
    EXPECT_EQ(king->attackedBy, Codes{1056});
    EXPECT_TRUE(moves.empty());
}

TEST(AttackScan, AQueenListsTheCaptureOfTheEnemyKing) {
    Board b = boardFromRows({
        "........", "........", "........", "........",
        "........", "........", "........", "Q....k..",
    });
    MoveList moves;
    StatusList statuses;
    scanAllSquares(moves, statuses, b);
    const PieceStatus* queen = entryAt(statuses, 0, 0);
    ASSERT_NE(queen, nullptr);
    EXPECT_EQ(queen->flags, CanCapture);
    EXPECT_EQ(queen->captures, Codes{258});
    EXPECT_EQ(coordinates(moves), (std::vector<std::array<int, 4>>{{0, 0, 0, 5}}));
}

TEST(AttackScan, PawnOnTheEdgeLooksOnlyInward) {
    Board b = boardFromRows({
        "........", "........", "........", "........",
        "........", "........", "np......", "P.......",
    });
    MoveList moves;
    StatusList statuses;
    scanAllSquares(moves, statuses, b);
    // The pawn on (0,0) sees the Enemy pawn up-right of it; the knight directly
    // above neither attacks it nor can be captured by it.
    const PieceStatus* pawn = entryAt(statuses, 0, 0);
    ASSERT_NE(pawn, nullptr);
    EXPECT_EQ(pawn->attackedBy, Codes{1040});
    EXPECT_EQ(pawn->captures, Codes{1040});
    EXPECT_EQ(coordinates(moves), (std::vector<std::array<int, 4>>{{0, 0, 1, 1}}));
}

TEST(AttackScan, NoOwnPieceLeavesTheListsAsTheyWere) {
    Board b = boardFromRows({
        "rnbqkbnr", "pppppppp", "........", "........",
        "........", "........", "........", "........",
    });
    MoveList moves;
    StatusList statuses;
    noteStatus(statuses, {Rook, Own}, 0, 0, BackRank, 0);
    noteStatus(statuses, {Rook, Own}, 0, 7, BackRank, 0);
    EXPECT_EQ(scanAllSquares(moves, statuses, b), 2);
    EXPECT_TRUE(moves.empty());
}

TEST(AttackScan, ScanningTwiceRepeatsCodesButNotMoves) {
    Board b = boardFromRows({
        "........", "........", "........", "........",
        "........", "........", "........", "R......q",
    });
    MoveList moves;
    StatusList statuses;
    scanAllSquares(moves, statuses, b);
    scanAllSquares(moves, statuses, b);
    EXPECT_EQ(moves.size(), 1u);
    ASSERT_EQ(statuses.size(), 1u);
    EXPECT_EQ(statuses[0].attackedBy, (Codes{258, 258}));
    EXPECT_EQ(statuses[0].captures, (Codes{258, 258}));
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
            MoveList moves;
            StatusList statuses;
            scanSquare(moves, statuses, r, c, b);
            const PieceStatus* e = entryAt(statuses, r, c);
            const bool scanned = e && e->has(Attacked);
            EXPECT_EQ(isSquareAttacked(b, r, c), scanned) << "square " << r << "," << c;
        }
    }
}

}  // namespace
}  // namespace orbel

namespace orbel {
namespace {

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
            MoveList moves;
            StatusList statuses;
            scanAllSquares(moves, statuses, b);
            MoveRecord listed[MaxCaptureMoves];
            const int n = listCaptureMoves(b, listed);
            ASSERT_EQ(static_cast<std::size_t>(n), moves.size());
            for (int i = 0; i < n; ++i) ASSERT_TRUE(sameMove(listed[i], moves[static_cast<std::size_t>(i)]));

            bool targets[64];
            markCaptureTargets(b, Own, targets);
            for (int s = 0; s < 64; ++s) {
                std::vector<int> fromScan;
                for (const MoveRecord& m : moves)
                    if (m.toRow * 8 + m.toCol == s) fromScan.push_back(m.fromRow * 8 + m.fromCol);
                Capturer c[MaxCapturers];
                const int k = capturersOf(b, s / 8, s % 8, Own, c);
                std::vector<int> fromShortcut;
                for (int i = 0; i < k; ++i) fromShortcut.push_back(c[i].row * 8 + c[i].col);
                std::sort(fromScan.begin(), fromScan.end());
                std::sort(fromShortcut.begin(), fromShortcut.end());
                ASSERT_EQ(fromScan, fromShortcut) << "square " << s << "\n" << testing::boardToRows(b);
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
