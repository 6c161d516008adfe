// The piece bitmaps, addressed by resource number: three sets of 18 from the
// bases 154, 254 and 354 (12 images on white, then 6 masks, white where the
// piece is). Which image a piece gets depends on which colour the user plays.
#pragma once

#include <QImage>
#include <map>

#include "rules/board.h"

namespace orbel {

inline constexpr int PieceSetBase[3] = {154, 254, 354};
// Bitmaps are drawn through a 60x60 area.
inline constexpr int PieceArea = 60;

// Resource number of the image of the piece, or 0 for an empty square. An
// Enemy piece is White unless the user plays Black; an Own piece is Black
// unless the user plays Black.
int pieceImageResource(const Square& piece, int setIndex, bool humanPlaysBlack);
int pieceMaskResource(PieceKind kind, int setIndex);

class PieceBitmaps {
public:
    // The bitmap as stored (a null image when there is none).
    const QImage& bitmap(int number);
    // The bitmap in the top-left of a 60x60 area, the rest filled with `fill`.
    QImage inArea(int number, QRgb fill);
    // The image and mask of the piece on the board at (row, col), each in a
    // 60x60 area (image padded white, mask padded black). False when the
    // square is empty.
    bool load(const Board& board, int row, int col, int setIndex, bool humanPlaysBlack, QImage& image, QImage& mask);

private:
    std::map<int, QImage> decoded_;
};

}  // namespace orbel
