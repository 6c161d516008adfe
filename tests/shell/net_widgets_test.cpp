// The chat pane on its own, as it is typed into and drawn, and a box's text
// of any length. (The dialogs of network play are scenarios in
// scenarios/network.txt.)
#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

#include "shell/chat_pane.h"
#include "shell/modal.h"
#include "net/wire/protocol.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

class ChatPaneTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        pane = window->chatPane();
        pane->show();
        lineHeight = QFontMetrics(window->paneFont()).height();
    }
    // The text area as drawn: the client area above the edit field.
    QImage drawnWith(const QStringList& oldestFirst) {
        pane->clearLines();
        for (const QString& line : oldestFirst) pane->addChatLine(line);
        return pane->grab().toImage().copy(1, 1, pane->edit()->width(), pane->edit()->y() - 1);
    }
    QImage bottomLine(const QImage& img) const { return img.copy(0, img.height() - lineHeight, img.width(), lineHeight); }

    ChatPane* pane = nullptr;
    int lineHeight = 0;
};

// The first row of the image holding any ink (its height when none does),
// and the last column that does (-1 when none).
int topInk(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != Qt::white) return y;
    return img.height();
}
int rightInk(const QImage& img) {
    for (int x = img.width() - 1; x >= 0; --x)
        for (int y = 0; y < img.height(); ++y)
            if (img.pixelColor(x, y) != Qt::white) return x;
    return -1;
}

TEST_F(ChatPaneTest, KeepsTheSixNewestLinesWithTheNewestAtTheBottom) {
    EXPECT_EQ(pane->edit()->geometry(), QRect(1, 88, 239, 20));
    EXPECT_EQ(topInk(drawnWith({})), 87) << "empty and white";

    const QStringList seven = {"anna> one", "bob> two", "anna> three", "bob> four", "anna> five", "bob> six", "anna> seven"};
    const QImage all = drawnWith(seven);
    EXPECT_EQ(pane->lines(), (QStringList{"anna> seven", "bob> six", "anna> five", "bob> four", "anna> three", "bob> two"}));
    EXPECT_EQ(all, drawnWith(seven.mid(1)));
    EXPECT_LT(topInk(all), 2 * lineHeight);
    // The newest line alone is drawn where it stands among the others: the
    // bottom line, just above the edit field.
    const QImage newest = drawnWith({"anna> seven"});
    EXPECT_EQ(bottomLine(all), bottomLine(newest));
    EXPECT_GE(topInk(newest), newest.height() - lineHeight);

    pane->clearLines();
    EXPECT_EQ(pane->lines(), QStringList(ChatPane::Lines, QString()));
}

TEST_F(ChatPaneTest, LongLinesWrapAndTheNewestTextStaysAtTheBottom) {
    const QString longLine = "anna> the quick brown fox jumps over the lazy dog and then over the lazy cat too";
    const QImage wrapped = drawnWith({longLine});
    EXPECT_LT(rightInk(wrapped), wrapped.width());
    EXPECT_LT(topInk(wrapped), wrapped.height() - lineHeight) << "more than one row";
    // Taller than the pane: the oldest rows leave at the top, whole.
    const QImage full = drawnWith({longLine, longLine, longLine, longLine, longLine, "bob> ok"});
    EXPECT_EQ(bottomLine(full), bottomLine(drawnWith({"bob> ok"})));
    EXPECT_GT(topInk(full), 0) << "a row cut at the top";
    EXPECT_LT(topInk(full), lineHeight);
    // A word wider than the pane is broken, not cut off.
    const QImage oneWord = drawnWith({QString(static_cast<int>(MaxTypedChatLength), 'W')});
    EXPECT_LT(rightInk(oneWord), oneWord.width());
    EXPECT_LT(topInk(oneWord), oneWord.height() - 2 * lineHeight);
}

TEST_F(ChatPaneTest, LinesAreDrawnAsPlainText) {
    const QChar bad = QChar::ReplacementCharacter;
    const struct {
        const char* name;
        QString line;
        QString shownAs;
    } rows[] = {
        {"markup", "bob> <b>x</b>", "bob> <b>x</b>"},
        {"entities", "bob> &lt;&amp;", "bob> &lt;&amp;"},
        {"mnemonics", "bob> &x &&y", "bob> &x &&y"},
        {"breaks and controls stay on the line", QString("bob> a\nb\rc\td") + QChar(0x2028) + "e",
         QString("bob> a%1b%1c%1d%1e").arg(bad)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage img = drawnWith({row.line});
        EXPECT_EQ(img, drawnWith({row.shownAs}));
        // One row, as wide as the characters themselves.
        EXPECT_GE(topInk(img), img.height() - lineHeight);
        EXPECT_NEAR(rightInk(img) + 1, QFontMetrics(window->paneFont()).horizontalAdvance(row.shownAs), 3);
    }
}

TEST_F(ChatPaneTest, EnterHandsOverTheTypedTextAndUpBringsItBack) {
    std::vector<QString> entered;
    pane->onEnter = [&](const QString& typed) { entered.push_back(typed); };
    QLineEdit* edit = pane->edit();
    typeInto(edit, "hello there");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);  // an empty line is handed over too
    typeInto(edit, QString(80, 'x'));      // typing stops at the limit
    QTest::keyClick(edit, Qt::Key_Return);
    typeInto(edit, "/trash");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(entered, (std::vector<QString>{"hello there", "", QString(static_cast<int>(MaxTypedChatLength), 'x'), "/trash"}));
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(pane->lines(), QStringList(ChatPane::Lines, QString())) << "echoing is the caller's";

    typeInto(edit, "half typed");
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "/trash");
    EXPECT_EQ(pane->lastChatInput(), "/trash");
}

TEST(BoxText, AnyTextLeavesTheBoxOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QFont font = QApplication::font("QMessageBox");
    const QString question =
        QString::fromUtf8("Accept request for a game from \u2068Ann\u2069\n(127.0.0.1)?\n\nThe game is timed: 5 min + 3 s");
    EXPECT_EQ(textFittingScreen(question, font, screen.size()), question);
    EXPECT_EQ(textFittingScreen("a\u2028b\r\nc\rd", font, screen.size()), "a\nb\nc\nd");
    const struct {
        const char* name;
        QString text;
    } rows[] = {
        {"seventy line separators", "Accept request for a game from Ania (192.0.2.7)?" + QString(70, QChar(0x2028))},
        {"many lines", QString("Ania\n").repeated(300)},
        {"one long word", QString("W").repeated(5000)},
        {"long lines", (QString("word ").repeated(400) + "\n").repeated(30)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString shown = textFittingScreen(row.text, font, screen.size());
        EXPECT_NE(shown, row.text);
        QMessageBox box(QMessageBox::Information, "Internet Game", shown, QMessageBox::Yes | QMessageBox::No);
        box.setTextFormat(Qt::PlainText);
        box.show();
        QApplication::processEvents();
        // Its buttons on the screen. (Qt keeps its width to the screen's.)
        EXPECT_LE(box.frameGeometry().height(), screen.height());
    }
}

}  // namespace
}  // namespace orbel::testing
