// Precomputed board geometry: for every square, the squares along each of the
// eight lines out of it, and its knight and king neighbours. Walking a table
// needs no bounds test, which matters in the attack questions the computer
// asks for every position it looks at. Internal to rules/.
#pragma once

#include <array>
#include <cstdint>

namespace orbel::geometry {

// Line directions: the four diagonals, then the row, then the column.
enum LineDirection : int { UpRight, UpLeft, DownRight, DownLeft, Right, Left, Up, Down };
inline constexpr int lineRowStep[8] = {1, 1, -1, -1, 0, 0, 1, -1};
inline constexpr int lineColStep[8] = {1, -1, 1, -1, 1, -1, 0, 0};

struct SquareList {
    std::uint8_t count = 0;
    std::uint8_t squares[8] = {};
};

struct Tables {
    SquareList lines[64][8];
    SquareList knight[64];
    SquareList king[64];
};

constexpr Tables makeTables() {
    Tables t{};
    auto on = [](int r, int c) { return r >= 0 && r < 8 && c >= 0 && c < 8; };
    const int knightSteps[8][2] = {{2, 1}, {1, 2}, {2, -1}, {1, -2}, {-2, 1}, {-1, 2}, {-2, -1}, {-1, -2}};
    const int kingSteps[8][2] = {{1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}};
    for (int s = 0; s < 64; ++s) {
        const int r = s / 8, c = s % 8;
        for (int d = 0; d < 8; ++d) {
            SquareList& l = t.lines[s][d];
            for (int rr = r + lineRowStep[d], cc = c + lineColStep[d]; on(rr, cc);
                 rr += lineRowStep[d], cc += lineColStep[d]) {
                l.squares[l.count++] = static_cast<std::uint8_t>(rr * 8 + cc);
            }
        }
        for (const auto& k : knightSteps) {
            if (on(r + k[0], c + k[1])) t.knight[s].squares[t.knight[s].count++] = static_cast<std::uint8_t>((r + k[0]) * 8 + c + k[1]);
        }
        for (const auto& k : kingSteps) {
            if (on(r + k[0], c + k[1])) t.king[s].squares[t.king[s].count++] = static_cast<std::uint8_t>((r + k[0]) * 8 + c + k[1]);
        }
    }
    return t;
}

inline constexpr Tables tables = makeTables();

}  // namespace orbel::geometry
