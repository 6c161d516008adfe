// The piece bitmaps and sounds the program is built with.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QtEndian>

#include "shell/piece_bitmaps.h"

namespace orbel {
namespace {

// At every artwork scale: drawn for 1, 2 and 3 device pixels per logical one.
TEST(Artwork, EveryPieceImageIsWhiteWhereItsMaskIsBlack) {
    PieceBitmaps bitmaps;
    for (int scale = 1; scale <= LargestArtworkScale; ++scale) {
        SCOPED_TRACE(scale);
        for (int set = 0; set < 3; ++set) {
            for (PieceKind kind = Pawn; kind <= King; ++kind) {
                const QImage& mask = bitmaps.bitmap(pieceMaskResource(kind, set), scale);
                ASSERT_FALSE(mask.isNull()) << "set " << set << " kind " << kind;
                for (Owner owner : {Own, Enemy}) {
                    for (bool userBlack : {false, true}) {
                        const int number = pieceImageResource({kind, owner}, set, userBlack);
                        const QImage& image = bitmaps.bitmap(number, scale);
                        ASSERT_FALSE(image.isNull()) << number;
                        EXPECT_GE(image.width(), 34 * scale) << number;
                        EXPECT_LE(image.width(), 49 * scale) << number;
                        EXPECT_GE(image.height(), 39 * scale) << number;
                        EXPECT_LE(image.height(), 48 * scale) << number;
                        EXPECT_EQ(image.size(), bitmaps.bitmap(number).size() * scale) << number;
                        ASSERT_EQ(image.size(), mask.size()) << number;
                        int inside = 0, whiteOutside = 0, outside = 0;
                        for (int y = 0; y < image.height(); ++y) {
                            for (int x = 0; x < image.width(); ++x) {
                                const QRgb m = mask.pixel(x, y) & 0xFFFFFF;
                                ASSERT_TRUE(m == 0 || m == 0xFFFFFF) << "mask " << number << " is not pure";
                                if (m == 0) {
                                    ++outside;
                                    whiteOutside += (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
                                } else {
                                    ++inside;
                                }
                            }
                        }
                        EXPECT_EQ(whiteOutside, outside) << "image " << number;
                        EXPECT_GT(inside, 150 * scale * scale) << "mask of image " << number;
                    }
                }
            }
        }
    }
}

TEST(Artwork, WhiteAndBlackPiecesLookDifferentInEverySet) {
    PieceBitmaps bitmaps;
    for (int set = 0; set < 3; ++set)
        for (PieceKind kind = Pawn; kind <= King; ++kind)
            EXPECT_NE(bitmaps.bitmap(pieceImageResource({kind, Enemy}, set, false)),
                      bitmaps.bitmap(pieceImageResource({kind, Own}, set, false)));
}

struct WaveFormat {
    int channels = 0, rate = 0, bits = 0;
    double seconds = 0;
};

WaveFormat readWave(const QString& path) {
    QFile f(path);
    WaveFormat w;
    if (!f.open(QIODevice::ReadOnly)) return w;
    const QByteArray data = f.readAll();
    if (data.size() < 44 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE") return w;
    int at = 12;
    int dataBytes = 0;
    while (at + 8 <= data.size()) {
        const QByteArray id = data.mid(at, 4);
        const int size = static_cast<int>(qFromLittleEndian<quint32>(data.constData() + at + 4));
        if (id == "fmt ") {
            const char* fmt = data.constData() + at + 8;
            w.channels = qFromLittleEndian<quint16>(fmt + 2);
            w.rate = static_cast<int>(qFromLittleEndian<quint32>(fmt + 4));
            w.bits = qFromLittleEndian<quint16>(fmt + 14);
        } else if (id == "data") {
            dataBytes = size;
        }
        at += 8 + size + (size & 1);
    }
    if (w.rate && w.channels && w.bits) w.seconds = double(dataBytes) / (w.rate * w.channels * (w.bits / 8));
    return w;
}

TEST(Artwork, SoundsHaveTheirRatesChannelsAndSampleWidths) {
    const WaveFormat move = readWave(":/sounds/173.wav");
    EXPECT_EQ(move.rate, 22050);
    EXPECT_EQ(move.channels, 1);
    EXPECT_EQ(move.bits, 16);
    EXPECT_NEAR(move.seconds, 0.033, 0.005);
    const WaveFormat newGame = readWave(":/sounds/174.wav");
    EXPECT_EQ(newGame.rate, 22050);
    EXPECT_EQ(newGame.channels, 1);
    EXPECT_EQ(newGame.bits, 8);
    EXPECT_NEAR(newGame.seconds, 0.42, 0.02);
}

TEST(Artwork, TheIconComesInTwoSizes) {
    EXPECT_EQ(QImage(":/icon/107-32.png").size(), QSize(32, 32));
    EXPECT_EQ(QImage(":/icon/107-16.png").size(), QSize(16, 16));
}

}  // namespace
}  // namespace orbel
