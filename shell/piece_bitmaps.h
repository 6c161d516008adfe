// The piece bitmaps, addressed by resource number: three sets of 18 from the
// bases 154, 254 and 354 (12 images on white, then 6 masks, white where the
// piece is), each piece in its colour.
//
// Each bitmap comes drawn for 1, 2 and 3 device pixels per logical pixel
// (154.png, 154@2x.png, 154@3x.png). A screen of another ratio gets the next
// larger drawing, resampled once to its size.
#pragma once

#include <QImage>
#include <map>
#include <tuple>
#include <utility>

#include "rules/position.h"

namespace orbel {

inline constexpr int PieceSetBase[3] = {154, 254, 354};
// Bitmaps are drawn through a 60x60 area.
inline constexpr int PieceArea = 60;
inline constexpr int LargestArtworkScale = 3;

// Resource number of the image of the piece, or 0 for an empty square.
int pieceImageResource(const Piece& piece, int setIndex);
int pieceMaskResource(PieceKind kind, int setIndex);

// The artwork drawn for a device pixel ratio: the nearest scale at or above
// it, the largest beyond it.
int artworkScale(qreal ratio);
// A logical coordinate in device pixels: where the painting puts a piece.
int toDevice(int logical, qreal ratio);

class PieceBitmaps {
public:
    // The bitmap as stored, at an artwork scale (a null image when there is none).
    const QImage& bitmap(int number, int scale = 1);

    // The picture of a piece image as drawn on a surface of `ratio`: its
    // image where its mask is white and transparent elsewhere (the mask is
    // the alpha), premultiplied, in device pixels. Made once per image and
    // ratio; between two artwork scales the larger is resampled smoothly.
    const QImage& piece(int imageNumber, qreal ratio);
    // The same picture on white in the top-left of a 60x60 logical area.
    const QImage& pieceOnWhite(int imageNumber, qreal ratio);

private:
    std::map<std::pair<int, int>, QImage> decoded_;  // by number and scale
    std::map<std::pair<int, qreal>, QImage> pieces_;
    std::map<std::pair<int, qreal>, QImage> onWhite_;
};

}  // namespace orbel
