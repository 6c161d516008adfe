#include "shell/piece_bitmaps.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orbel {
namespace {

int clampSet(int setIndex) { return setIndex < 0 || setIndex > 2 ? 1 : setIndex; }

// Offsets from a set's base, indexed by kind (1..6).
constexpr int whiteOffset[7] = {0, 9, 8, 1, 0, 10, 7};
constexpr int blackOffset[7] = {0, 4, 3, 11, 6, 5, 2};
constexpr int maskOffset[7] = {0, 12, 17, 14, 16, 13, 15};

bool isPieceKind(PieceKind k) { return k >= Pawn && k <= King; }

// The mask that goes with an image, or 0 when the number is no image.
int maskOfImage(int number) {
    for (const int base : PieceSetBase)
        for (PieceKind k = Pawn; k <= King; ++k)
            if (number - base == whiteOffset[k] || number - base == blackOffset[k]) return base + maskOffset[k];
    return 0;
}

QString resourcePath(int number, int scale) {
    return scale == 1 ? QStringLiteral(":/pieces/%1.png").arg(number)
                      : QStringLiteral(":/pieces/%1@%2x.png").arg(number).arg(scale);
}

// Lengths that come out a hair above a whole number (60 * 1.1) still mean it.
int ceilDevice(double length) { return static_cast<int>(std::ceil(length - 1e-9)); }

}  // namespace

int pieceImageResource(const Square& piece, int setIndex, bool humanPlaysBlack) {
    if (!isPieceKind(piece.kind) || (piece.owner != Own && piece.owner != Enemy)) return 0;
    const bool white = (piece.owner == Enemy) != humanPlaysBlack;
    return PieceSetBase[clampSet(setIndex)] + (white ? whiteOffset : blackOffset)[piece.kind];
}

int pieceMaskResource(PieceKind kind, int setIndex) {
    if (!isPieceKind(kind)) return 0;
    return PieceSetBase[clampSet(setIndex)] + maskOffset[kind];
}

int artworkScale(qreal ratio) {
    for (int scale = 1; scale < LargestArtworkScale; ++scale)
        if (ratio <= scale) return scale;
    return LargestArtworkScale;
}

int toDevice(int logical, qreal ratio) { return static_cast<int>(std::floor(logical * ratio + 0.5)); }

int deviceAreaSize(qreal ratio) { return ceilDevice(PieceArea * ratio); }

const QImage& PieceBitmaps::bitmap(int number, int scale) {
    auto it = decoded_.find({number, scale});
    if (it == decoded_.end()) {
        QImage image(resourcePath(number, scale));
        if (!image.isNull()) image = image.convertToFormat(QImage::Format_RGB32);
        // Qt reads the "@2x" in the name as a device pixel ratio; these are
        // composed as plain pixels, so drop it.
        image.setDevicePixelRatio(1);
        it = decoded_.emplace(std::pair{number, scale}, image).first;
    }
    return it->second;
}

void PieceBitmaps::setDeviceRatio(qreal ratio) {
    if (ratio == ratio_ || !(ratio > 0)) return;
    ratio_ = ratio;
    device_.clear();
    cut_.clear();
    areas_.clear();
}

const QImage& PieceBitmaps::deviceBitmap(int number) {
    if (auto it = device_.find(number); it != device_.end()) return it->second;
    const int scale = artworkScale(ratio_);
    QImage made = bitmap(number, scale);
    if (!made.isNull() && ratio_ != scale) {
        const QSize size(std::max(1, qRound(made.width() * ratio_ / scale)),
                         std::max(1, qRound(made.height() * ratio_ / scale)));
        made = made.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
        // The raster operations need a two-valued mask, and an image that is
        // white wherever its mask is black, or the board shows through.
        const int maskNumber = maskOfImage(number);
        const QImage* mask = maskNumber ? &deviceBitmap(maskNumber) : nullptr;
        if (mask && mask->size() != made.size()) mask = nullptr;
        for (int y = 0; y < made.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(made.scanLine(y));
            const auto* maskLine = mask ? reinterpret_cast<const QRgb*>(mask->constScanLine(y)) : nullptr;
            for (int x = 0; x < made.width(); ++x) {
                if (maskNumber == 0)
                    line[x] = qGray(line[x]) >= 128 ? 0xFFFFFFFF : 0xFF000000;
                else if (maskLine && (maskLine[x] & 0xFFFFFF) == 0)
                    line[x] = 0xFFFFFFFF;
            }
        }
    }
    return device_.emplace(number, std::move(made)).first->second;
}

const QImage& PieceBitmaps::cutImage(int imageNumber) {
    if (auto it = cut_.find(imageNumber); it != cut_.end()) return it->second;
    QImage cut = deviceBitmap(imageNumber).copy();
    const QImage& mask = deviceBitmap(maskOfImage(imageNumber));
    if (!cut.isNull() && !mask.isNull()) {
        QPainter p(&cut);
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(0, 0, mask);
    }
    return cut_.emplace(imageNumber, std::move(cut)).first->second;
}

const QImage& PieceBitmaps::inArea(int number, QRgb fill) {
    if (auto it = areas_.find({number, fill}); it != areas_.end()) return it->second;
    const int side = deviceAreaSize(ratio_);
    QImage area(side, side, QImage::Format_RGB32);
    area.fill(fill);
    const QImage& source = deviceBitmap(number);
    if (!source.isNull()) {
        QPainter p(&area);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, source);
    }
    return areas_.emplace(std::pair{number, fill}, std::move(area)).first->second;
}

bool PieceBitmaps::load(const Board& board, int row, int col, int setIndex, bool humanPlaysBlack, QImage& image,
                        QImage& mask) {
    if (!onBoard(row, col)) return false;
    const Square& piece = board.at(row, col);
    const int imageNumber = pieceImageResource(piece, setIndex, humanPlaysBlack);
    if (imageNumber == 0) return false;
    // Beyond the bitmap the image is white and the mask black, so the raster
    // operations leave whatever lies under that part of the area untouched.
    image = inArea(imageNumber, qRgb(255, 255, 255));
    mask = inArea(pieceMaskResource(piece.kind, setIndex), qRgb(0, 0, 0));
    return true;
}

}  // namespace orbel
