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

// The image with its mask as alpha: every pixel either the image's, opaque,
// or fully transparent, exactly as the mask divides them.
QImage withMaskAsAlpha(const QImage& image, const QImage& mask) {
    QImage out(image.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    if (mask.size() != image.size()) return out;
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((m[x] & 0xFFFFFF) != 0) o[x] = in[x] | 0xFF000000;
    }
    return out;
}

}  // namespace

int pieceImageResource(const Piece& piece, int setIndex) {
    if (!isPieceKind(piece.kind)) return 0;
    const bool white = piece.side == Side::White;
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

const QImage& PieceBitmaps::piece(int imageNumber, qreal ratio) {
    if (auto it = pieces_.find({imageNumber, ratio}); it != pieces_.end()) return it->second;
    const int scale = artworkScale(ratio);
    QImage made = withMaskAsAlpha(bitmap(imageNumber, scale), bitmap(maskOfImage(imageNumber), scale));
    if (ratio != scale && !made.isNull()) {
        const QSize size(std::max(1, qRound(made.width() * ratio / scale)),
                         std::max(1, qRound(made.height() * ratio / scale)));
        made = made.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return pieces_.emplace(std::pair{imageNumber, ratio}, std::move(made)).first->second;
}

const QImage& PieceBitmaps::pieceOnWhite(int imageNumber, qreal ratio) {
    if (auto it = onWhite_.find({imageNumber, ratio}); it != onWhite_.end()) return it->second;
    // Lengths that come out a hair above a whole number (60 * 1.1) still mean it.
    const int side = static_cast<int>(std::ceil(PieceArea * ratio - 1e-9));
    QImage area(side, side, QImage::Format_RGB32);
    area.fill(Qt::white);
    QPainter(&area).drawImage(0, 0, piece(imageNumber, ratio));
    return onWhite_.emplace(std::pair{imageNumber, ratio}, std::move(area)).first->second;
}

}  // namespace orbel
