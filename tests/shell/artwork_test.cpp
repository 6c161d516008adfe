// The piece bitmaps and sounds the program is built with.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <iterator>

#include "shell/resource_ids.h"
#include "shell/piece_bitmaps.h"
#include "shell/sounds.h"

namespace orbel {
namespace {

constexpr int PieceSets = static_cast<int>(std::size(PieceSetBase));

// At every artwork scale (drawn for 1, 2 and 3 device pixels per logical
// one), every piece of every set, as either colour plays it: its image of a
// piece's size, white wherever its pure black-and-white mask is black.
TEST(Artwork, EveryPieceImageIsWhiteWhereItsMaskIsBlack) {
    PieceBitmaps bitmaps;
    for (int scale = 1; scale <= LargestArtworkScale; ++scale) {
        for (int set = 0; set < PieceSets; ++set) {
            for (PieceKind kind = Pawn; kind <= King; ++kind) {
                const QImage& mask = bitmaps.bitmap(pieceMaskResource(kind, set), scale);
                for (const Piece piece : {Piece{kind, Side::White}, Piece{kind, Side::Black}}) {
                    const int number = pieceImageResource(piece, set);
                    SCOPED_TRACE(::testing::Message() << "image " << number << " at scale " << scale);
                    const QImage& image = bitmaps.bitmap(number, scale);
                    const QSize size = image.size() / scale;
                    EXPECT_TRUE(size.width() >= 34 && size.width() <= 49 && size.height() >= 39 && size.height() <= 48);
                    EXPECT_EQ(image.size(), bitmaps.bitmap(number).size() * scale);
                    ASSERT_EQ(image.size(), mask.size());
                    int inside = 0, whiteOutside = 0;
                    for (int y = 0; y < image.height(); ++y) {
                        for (int x = 0; x < image.width(); ++x) {
                            const QRgb m = mask.pixel(x, y) & 0xFFFFFF;
                            ASSERT_TRUE(m == 0 || m == 0xFFFFFF) << "the mask is not pure";
                            inside += m != 0;
                            whiteOutside += !m && (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
                        }
                    }
                    EXPECT_EQ(whiteOutside, image.width() * image.height() - inside);
                    EXPECT_GT(inside, 150 * scale * scale);
                }
            }
        }
    }
}

// Every sound the program plays is built in, as the sound module expects
// it: a mono WAVE at 22050 Hz, shorter than a second.
TEST(Artwork, EverySoundIsBuiltInAsAShortMonoWave) {
    for (const int sound : {res::MoveSound, res::NewGameSound, res::CaptureSound, res::CheckSound,
                            res::GameEndSound, res::LowTimeSound}) {
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(sound));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << sound;
        const QByteArray head = file.read(28);
        const auto field = [&head](int at, int size) {
            quint32 value = 0;
            for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<quint8>(head[at + i]);
            return value;
        };
        EXPECT_TRUE(head.startsWith("RIFF") && head.mid(8, 8) == "WAVEfmt ") << sound;
        EXPECT_EQ(field(22, 2), 1u) << sound;
        EXPECT_EQ(field(24, 4), 22050u) << sound;
        EXPECT_LT(file.size(), 22050 * 2) << sound;
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

}  // namespace
}  // namespace orbel
