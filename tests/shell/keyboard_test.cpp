// The keyboard's cursor as it is drawn. (Moves made with the keys are
// scenarios in scenarios/keyboard.txt.)
#include <cmath>

#include "shell/resource_ids.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

using KeyboardTest = WindowTest;

// The cursor stands out on every pair of colours the colour dialog can give
// the squares, on a light and on a dark square, and leaves no trace once the
// mouse is used.
TEST_F(KeyboardTest, TheCursorShowsOnAnySquareColoursAndOnlyForTheKeyboard) {
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const auto contrast = [&](QColor a, QColor b) {
        const double la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    startWith(false, ctl::Easy);
    const QImage untouched = window->boardWindow()->grab().toImage();
    const struct {
        QRgb light, dark;
    } pairs[] = {{0xFFFFFF, 0x000000}, {0x000000, 0xFFFFFF}, {0x777777, 0x777777}, {0x767676, 0x595959},
                 {0xFFFF00, 0x0000FF}, {0xF8F8F8, 0x4A9797}, {0x00FF00, 0xFF0000}};
    for (const auto& p : pairs) {
        const QColor light = QColor::fromRgb(p.light), dark = QColor::fromRgb(p.dark);
        window->state().lightSquareColor = static_cast<std::uint32_t>(light.red() | light.green() << 8 | light.blue() << 16);
        window->state().darkSquareColor = static_cast<std::uint32_t>(dark.red() | dark.green() << 8 | dark.blue() << 16);
        for (const int col : {4, 3}) {  // e2 is light, d2 dark
            window->state().cursor = {6, col};
            keys(col == 4 ? "\x02\x01" : "\x01\x02");
            window->invalidate();
            const QImage shown = window->boardWindow()->grab().toImage();
            const QRect r = squareRect({6, col});
            EXPECT_EQ(shown.pixelColor(r.topLeft() + QPoint(5, 5)), col == 4 ? light : dark);
            // The frame's two rings, at the top-left corner and the middle of the bottom edge.
            for (const auto& [edge, in] : {std::pair{r.topLeft(), QPoint(2, 2)}, {QPoint(r.center().x(), r.bottom()), QPoint(0, -2)}}) {
                const QColor outer = shown.pixelColor(edge), inner = shown.pixelColor(edge + in);
                for (const QColor square : {light, dark})
                    EXPECT_GE(std::max(contrast(outer, square), contrast(inner, square)), 3.0)
                        << std::hex << p.light << " " << p.dark << " column " << col << " at " << edge.y();
            }
        }
    }
    window->state().lightSquareColor = DefaultLightSquareColor;
    window->state().darkSquareColor = DefaultDarkSquareColor;
    pressAt(pointOf({0, 7}));
    releaseAt(pointOf({0, 7}));
    window->invalidate();
    EXPECT_EQ(window->boardWindow()->grab().toImage(), untouched);
}

}  // namespace
}  // namespace orbel::testing
