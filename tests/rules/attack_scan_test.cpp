#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "rules/attack_scan.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

// The shortcuts the computer uses to ask who can capture where must agree with
// the scan itself, on random positions (odd ones included) of either side.
TEST(AttackScan, CaptureShortcutsAgreeWithTheScan) {
    std::mt19937 rng(1234);
    for (int trial = 0; trial < 3000; ++trial) {
        Board b;
        for (int i = 2 + static_cast<int>(rng() % 30); i > 0; --i)
            b.squares[rng() % 64] = {static_cast<PieceKind>(1 + rng() % 6), rng() % 2 ? Own : Enemy};
        for (int side = 0; side < 2; ++side, flipBoard(b)) {
            // What the scan lists: every capture move of the Own side.
            MoveList scanned;
            StatusList statuses;
            scanAllSquares(scanned, statuses, b);
            MoveRecord listed[MaxCaptureMoves];
            const int n = listCaptureMoves(b, listed);
            ASSERT_EQ(static_cast<std::size_t>(n), scanned.size());
            for (int i = 0; i < n; ++i) ASSERT_TRUE(sameMove(listed[i], scanned[static_cast<std::size_t>(i)]));

            bool targets[64];
            markCaptureTargets(b, Own, targets);
            for (int s = 0; s < 64; ++s) {
                std::vector<int> fromScan, fromShortcut;
                for (const MoveRecord& m : scanned)
                    if (m.toRow * 8 + m.toCol == s) fromScan.push_back(m.fromRow * 8 + m.fromCol);
                Capturer c[MaxCapturers];
                const int k = capturersOf(b, s / 8, s % 8, Own, c);
                for (int i = 0; i < k; ++i) fromShortcut.push_back(c[i].row * 8 + c[i].col);
                std::sort(fromScan.begin(), fromScan.end());
                std::sort(fromShortcut.begin(), fromShortcut.end());
                ASSERT_EQ(fromScan, fromShortcut) << "square " << s << "\n" << testing::boardToRows(b);
                ASSERT_EQ(targets[s], !fromScan.empty()) << "square " << s;
                if (b.squares[static_cast<std::size_t>(s)].owner != Enemy) continue;
                // The Enemy's view of the same question, asked without flipping.
                Board flipped = b;
                flipBoard(flipped);
                EXPECT_EQ(capturersOf(flipped, 7 - s / 8, 7 - s % 8, Enemy, c), k);
            }
        }
    }
}

// The computer clears and refills its lists in its inner loops: an entry
// used again after clear() keeps nothing of its earlier use, and a code is
// filed only under the flag that has an array for it.
TEST(StatusList, AnEntryUsedAgainStartsEmpty) {
    StatusList list;
    for (const StatusFlag flag : {Attacked, CanCapture, CanThreaten, CanDefend})
        noteStatus(list, {Rook, Own}, 0, 0, flag, Line::RowRight);
    list.clear();
    noteStatus(list, {Pawn, Own}, 1, 3, CentralPawnPush, Line::PawnAdvance);
    ASSERT_EQ(list.size(), 1u);
    const PieceStatus& e = list[0];
    EXPECT_EQ((Square{e.kind, e.owner}), (Square{Pawn, Own}));
    EXPECT_EQ(e.flags, CentralPawnPush);
    EXPECT_TRUE(e.attackedBy.empty() && e.captures.empty() && e.threats.empty() && e.defences.empty());
}

}  // namespace
}  // namespace orbel
