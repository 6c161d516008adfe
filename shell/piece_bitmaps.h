// The piece bitmaps, addressed by resource number: three sets of 18 from the
// bases 154, 254 and 354 (12 images on white, then 6 masks, white where the
// piece is). Which image a piece gets depends on which colour the user plays.
//
// Each bitmap comes drawn for 1, 2 and 3 device pixels per logical pixel
// (154.png, 154@2x.png, 154@3x.png). A screen of another ratio gets the next
// larger drawing, resampled once to its size.
#pragma once

#include <QImage>
#include <map>
#include <utility>

#include "rules/board.h"

namespace orbel {

inline constexpr int PieceSetBase[3] = {154, 254, 354};
// Bitmaps are drawn through a 60x60 area.
inline constexpr int PieceArea = 60;
inline constexpr int LargestArtworkScale = 3;

// Resource number of the image of the piece, or 0 for an empty square. An
// Enemy piece is White unless the user plays Black; an Own piece is Black
// unless the user plays Black.
int pieceImageResource(const Square& piece, int setIndex, bool humanPlaysBlack);
int pieceMaskResource(PieceKind kind, int setIndex);

// The artwork drawn for a device pixel ratio: the nearest scale at or above
// it, the largest beyond it.
int artworkScale(qreal ratio);
// A logical coordinate in device pixels, and the device size of a piece's
// 60x60 area: the painting and the drag feedback agree on both.
int toDevice(int logical, qreal ratio);
int deviceAreaSize(qreal ratio);

class PieceBitmaps {
public:
    // The bitmap as stored, at an artwork scale (a null image when there is none).
    const QImage& bitmap(int number, int scale = 1);

    // The ratio of the surface being drawn; what follows is made for it. The
    // painting sets it at every repaint, so the drag image of a piece lifted
    // afterwards matches the surface it is carried over.
    void setDeviceRatio(qreal ratio);
    qreal deviceRatio() const { return ratio_; }

    // The bitmap at the device ratio. Resampled ones keep their pairing: a
    // mask stays pure black and white, and its images white wherever it is black.
    const QImage& deviceBitmap(int number);
    // An image cut to its piece's shape (the image AND its mask), ready to be
    // ORed over the hole the mask cleared.
    const QImage& cutImage(int imageNumber);
    // The device bitmap in the top-left of a 60x60 logical area, the rest
    // filled with `fill`.
    const QImage& inArea(int number, QRgb fill);
    // The image and mask of the piece on the board at (row, col), each in a
    // 60x60 area at the device ratio (image padded white, mask padded black).
    // False when the square is empty.
    bool load(const Board& board, int row, int col, int setIndex, bool humanPlaysBlack, QImage& image, QImage& mask);

private:
    std::map<std::pair<int, int>, QImage> decoded_;  // by number and scale
    qreal ratio_ = 1;
    // Made for ratio_ and dropped when it changes.
    std::map<int, QImage> device_;
    std::map<int, QImage> cut_;
    std::map<std::pair<int, QRgb>, QImage> areas_;
};

}  // namespace orbel
