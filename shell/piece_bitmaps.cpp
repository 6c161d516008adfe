#include "shell/piece_bitmaps.h"

#include <QPainter>

namespace orbel {
namespace {

int clampSet(int setIndex) { return setIndex < 0 || setIndex > 2 ? 1 : setIndex; }

// Offsets from a set's base, indexed by kind (1..6).
constexpr int whiteOffset[7] = {0, 9, 8, 1, 0, 10, 7};
constexpr int blackOffset[7] = {0, 4, 3, 11, 6, 5, 2};
constexpr int maskOffset[7] = {0, 12, 17, 14, 16, 13, 15};

bool isPieceKind(PieceKind k) { return k >= Pawn && k <= King; }

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

const QImage& PieceBitmaps::bitmap(int number) {
    auto it = decoded_.find(number);
    if (it == decoded_.end()) {
        QImage image(QStringLiteral(":/pieces/%1.png").arg(number));
        if (!image.isNull()) image = image.convertToFormat(QImage::Format_RGB32);
        it = decoded_.emplace(number, image).first;
    }
    return it->second;
}

QImage PieceBitmaps::inArea(int number, QRgb fill) {
    QImage area(PieceArea, PieceArea, QImage::Format_RGB32);
    area.fill(fill);
    const QImage& source = bitmap(number);
    if (!source.isNull()) {
        QPainter p(&area);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, source);
    }
    return area;
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
