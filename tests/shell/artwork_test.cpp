// The piece bitmaps and sounds the program is built with.
#include <gtest/gtest.h>

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
