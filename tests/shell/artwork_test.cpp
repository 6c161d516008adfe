// The piece bitmaps and sounds the program is built with.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <iterator>

#include "game/window_messages.h"
#include "shell/piece_bitmaps.h"
#include "shell/sounds.h"

namespace orbel {
namespace {

constexpr int PieceSets = static_cast<int>(std::size(PieceSetBase));

// At every artwork scale: drawn for 1, 2 and 3 device pixels per logical one.
TEST(Artwork, EveryPieceImageIsWhiteWhereItsMaskIsBlack) {
    PieceBitmaps bitmaps;
    for (int scale = 1; scale <= LargestArtworkScale; ++scale) {
        SCOPED_TRACE(scale);
        for (int set = 0; set < PieceSets; ++set) {
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
    for (int set = 0; set < PieceSets; ++set)
        for (PieceKind kind = Pawn; kind <= King; ++kind)
            EXPECT_NE(bitmaps.bitmap(pieceImageResource({kind, Enemy}, set, false)),
                      bitmaps.bitmap(pieceImageResource({kind, Own}, set, false)));
}

// The sounds as their files say: a plain RIFF WAVE of one format chunk
// and one data chunk.
TEST(Artwork, SoundsHaveTheirRatesChannelsAndSampleWidths) {
    const struct {
        int number, rate, channels, bits;
        double seconds, tolerance;
    } rows[] = {
        {res::MoveSound, 22050, 1, 16, 0.033, 0.005},
        {res::NewGameSound, 22050, 1, 8, 0.42, 0.02},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.number);
        QFile f(QStringLiteral(":/sounds/%1.wav").arg(r.number));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray d = f.readAll();
        ASSERT_TRUE(d.size() > 44 && d.startsWith("RIFF") && d.mid(8, 8) == "WAVEfmt " && d.mid(36, 4) == "data");
        const auto at = [&d](int offset) { return qFromLittleEndian<quint16>(d.constData() + offset); };
        EXPECT_EQ(at(22), r.channels);
        EXPECT_EQ(qFromLittleEndian<quint32>(d.constData() + 24), static_cast<quint32>(r.rate));
        EXPECT_EQ(at(34), r.bits);
        EXPECT_NEAR(qFromLittleEndian<quint32>(d.constData() + 40) / (r.rate * r.channels * r.bits / 8.0), r.seconds,
                    r.tolerance);
    }
}

TEST(Artwork, TheSoundModuleIsFoundAndStartedAtTheFirstSound) {
    SoundPlayer player({QStringLiteral(ORBEL_BUILD_DIR)});
    EXPECT_FALSE(player.hasOutput());
    player.play(res::MoveSound);  // silent here: there is no audio device
    EXPECT_TRUE(player.hasOutput());
    SoundPlayer nowhere({QStringLiteral("/nonexistent")});
    nowhere.play(res::MoveSound);
    EXPECT_FALSE(nowhere.hasOutput());
}

TEST(Artwork, TheIconComesInEverySizeItIsNamedFor) {
    for (int size : {16, 32, 48, 64, 128, 256})
        EXPECT_EQ(QImage(QStringLiteral(":/icon/%1-%2.png").arg(res::Icon).arg(size)).size(), QSize(size, size)) << size;
}

}  // namespace
}  // namespace orbel
