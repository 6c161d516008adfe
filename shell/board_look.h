// The board's look on a first run: the two square colours (as stored,
// 0x00BBGGRR; Original Colors restores them) and the piece set.
#pragma once

#include <cstdint>

namespace orbel {

inline constexpr std::uint32_t DefaultLightSquareColor = 16316664;  // 0xF8F8F8
inline constexpr std::uint32_t DefaultDarkSquareColor = 9934666;    // 0x97974A, RGB 74,151,151
inline constexpr int DefaultPieceSet = 1;

}  // namespace orbel
