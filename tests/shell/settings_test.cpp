#include <QAction>
#include <QColorDialog>
#include <QSettings>
#include <climits>

#include "game/window_messages.h"
#include "shell/settings.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

TEST(ParseSettingNumber, ReadsLikeAtoi) {
    EXPECT_EQ(parseSettingNumber("255"), 255);
    EXPECT_EQ(parseSettingNumber(""), 0);
    EXPECT_EQ(parseSettingNumber("abc"), 0);
    EXPECT_EQ(parseSettingNumber("  \t\n42xyz"), 42);
    EXPECT_EQ(parseSettingNumber("12 34"), 12);
    EXPECT_EQ(parseSettingNumber("-7"), -7);
    EXPECT_EQ(parseSettingNumber("+9"), 9);
    EXPECT_EQ(parseSettingNumber("- 9"), 0);
    EXPECT_EQ(parseSettingNumber("+-9"), 0);
    EXPECT_EQ(parseSettingNumber("-0"), 0);
    EXPECT_EQ(parseSettingNumber("2147483647"), INT_MAX);
    EXPECT_EQ(parseSettingNumber("2147483648"), INT_MAX);
    EXPECT_EQ(parseSettingNumber("99999999999999999999999999"), INT_MAX);
    EXPECT_EQ(parseSettingNumber("4294967297"), INT_MAX);
    EXPECT_EQ(parseSettingNumber("-2147483648"), INT_MIN);
    EXPECT_EQ(parseSettingNumber("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(parseSettingNumber(std::string_view("9934666\0", 8)), 9934666);
}

TEST(StoredValues, ColoursKeepTheLow24BitsAndPieceSetsStayInRange) {
    EXPECT_EQ(colourFromSetting(255), 0x0000FFu);
    EXPECT_EQ(colourFromSetting(-1), 0xFFFFFFu);
    EXPECT_EQ(colourFromSetting(0x7F123456), 0x123456u);
    EXPECT_EQ(pieceSetFromSetting(0), 0);
    EXPECT_EQ(pieceSetFromSetting(2), 2);
    EXPECT_EQ(pieceSetFromSetting(3), 1);
    EXPECT_EQ(pieceSetFromSetting(-1), 1);
    EXPECT_EQ(pieceSetFromSetting(INT_MAX), 1);
}

class SettingsTest : public WindowTest {
protected:
    void SetUp() override { clearStore(); }
    static void clearStore() {
        QSettings s;
        s.clear();
        s.sync();
    }
    static void store(const char* key, const QString& value) {
        QSettings s;
        s.setValue(key, value);
        s.sync();
    }
    static QString read(const char* key) {
        QSettings s;
        return s.value(key).toString();
    }
    void open() { WindowTest::SetUp(); }
};

TEST_F(SettingsTest, FirstRunUsesTheDefaults) {
    open();
    EXPECT_EQ(ui().lightSquareColor, 0xF8F8F8u);
    EXPECT_EQ(ui().darkSquareColor, 0x97974Au);
    EXPECT_EQ(ui().pieceSetIndex, 1);
    EXPECT_TRUE(window->action(cmd::PieceSetFerrow1)->isChecked());
    // Reading never creates keys.
    EXPECT_TRUE(read("whsqu").isEmpty());
}

TEST_F(SettingsTest, StoredTextIsReadAsDecimalNumbers) {
    store("whsqu", "255");
    store("dksqu", "");
    store("pieceset", "two");
    open();
    EXPECT_EQ(ui().lightSquareColor, 0x0000FFu);  // pure red
    EXPECT_EQ(ui().darkSquareColor, 0u);          // no digits: black
    EXPECT_EQ(ui().pieceSetIndex, 0);
    EXPECT_TRUE(window->action(cmd::PieceSetDudidi)->isChecked());
}

TEST_F(SettingsTest, APieceSetOutsideTheThreeFallsBackToTheDefault) {
    store("pieceset", "7");
    open();
    EXPECT_EQ(ui().pieceSetIndex, 1);
    EXPECT_TRUE(window->action(cmd::PieceSetFerrow1)->isChecked());
    EXPECT_FALSE(window->action(cmd::PieceSetDudidi)->isChecked());
}

TEST_F(SettingsTest, OriginalColorsAndPieceSetsAreWrittenAndReadBack) {
    store("whsqu", "1");
    store("dksqu", "2");
    open();
    window->sendCommand(cmd::OriginalColors);
    EXPECT_EQ(read("dksqu"), "9934666");
    EXPECT_EQ(read("whsqu"), "16316664");
    window->sendCommand(cmd::PieceSetFerrow2);
    EXPECT_EQ(read("pieceset"), "2");
    EXPECT_TRUE(window->action(cmd::PieceSetFerrow2)->isChecked());
    EXPECT_FALSE(window->action(cmd::PieceSetFerrow1)->isChecked());
    // Choosing the current set again still writes it.
    store("pieceset", "0");
    window->sendCommand(cmd::PieceSetFerrow2);
    EXPECT_EQ(read("pieceset"), "2");
    EXPECT_TRUE(window->action(cmd::PieceSetFerrow2)->isChecked());
    // The next start shows what was stored.
    window.reset();
    open();
    EXPECT_EQ(ui().lightSquareColor, 0xF8F8F8u);
    EXPECT_EQ(ui().pieceSetIndex, 2);
}

TEST_F(SettingsTest, TheColourDialogWritesOnlyWhenConfirmed) {
    open();
    answerNextDialog([](QDialog& d) {
        d.reject();
        return d.result();
    });
    window->sendCommand(cmd::DarkSquare);
    EXPECT_TRUE(read("dksqu").isEmpty());
    EXPECT_EQ(ui().darkSquareColor, 0x97974Au);

    QColor offered;
    answerNextDialog([&](QDialog& d) {
        auto& colours = dynamic_cast<QColorDialog&>(d);
        offered = colours.currentColor();
        colours.setCurrentColor(QColor(10, 20, 30));
        colours.accept();
        return colours.result();
    });
    window->sendCommand(cmd::LightSquare);
    EXPECT_EQ(offered, QColor(248, 248, 248));  // the current colour, preselected
    EXPECT_EQ(ui().lightSquareColor, 0x1E140Au);
    EXPECT_EQ(read("whsqu"), QString::number(0x1E140A));
    EXPECT_TRUE(read("dksqu").isEmpty());
}

}  // namespace
}  // namespace orbel::testing
