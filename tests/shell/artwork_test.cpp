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
    const struct {
        int number, rate, channels, bits;
        double seconds, tolerance;
    } rows[] = {
        {res::MoveSound, 22050, 1, 16, 0.033, 0.005},
        {res::NewGameSound, 22050, 1, 8, 0.42, 0.02},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.number);
        const WaveFormat wave = readWave(QStringLiteral(":/sounds/%1.wav").arg(r.number));
        EXPECT_EQ(wave.rate, r.rate);
        EXPECT_EQ(wave.channels, r.channels);
        EXPECT_EQ(wave.bits, r.bits);
        EXPECT_NEAR(wave.seconds, r.seconds, r.tolerance);
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
