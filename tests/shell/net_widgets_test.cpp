// The widgets of network play on their own: the three dialogs as a user
// fills them in, and the chat pane as it is typed into and drawn.
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "net/chat_pane.h"
#include "net/net_dialogs.h"
#include "net/protocol.h"
#include "shell/dialogs.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

using NetWidgetsTest = WindowTest;

// The texts of the boxes shown; each must be the dialogs' owned stop box.
std::vector<QString> invalidInformation(const std::vector<ShownBox>& shown) {
    std::vector<QString> texts;
    for (const ShownBox& box : shown) {
        EXPECT_EQ(box.caption, "Invalid Information");
        EXPECT_EQ(box.icon, MessageIcon::Stop);
        EXPECT_TRUE(box.owned);
        texts.push_back(box.text);
    }
    return texts;
}

void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

// Refused, the dialog stays open with what was typed; accepted, it hands the
// fields over cut to their limits.
TEST_F(NetWidgetsTest, InternetGameChecksTheNicknameThenTheAddress) {
    const QString longName(30, 'n');
    const QString noNickname = "You must supply a nickname!", noAddress = "You must supply an address!";
    const struct {
        const char* name;
        QString host, nickname;
        bool black;
        std::vector<QString> boxes;  // none: accepted
        QString expectHost, expectNickname;
        int expectColor;
    } rows[] = {
        {"nothing typed: the nickname is asked for first", "", "", false, {noNickname}, "", "", WhiteColorCode},
        {"no nickname", "peer.example", "", false, {noNickname}, "peer.example", "", WhiteColorCode},
        {"no address", "", "anna", true, {noAddress}, "", "anna", BlackColorCode},
        {"both given, White", "192.0.2.7", "anna", false, {}, "192.0.2.7", "anna", WhiteColorCode},
        {"both given, Black", "peer.example", "bob", true, {}, "peer.example", "bob", BlackColorCode},
        {"a long nickname is cut", "h", longName, false, {}, "h", longName.left(MaxTypedNicknameLength), WhiteColorCode},
        {"an IPv6 address and a port", "[::1]:5000", "anna", false, {}, "[::1]:5000", "anna", WhiteColorCode},
        {"a long host name is cut, then refused", QString(300, 'h'), "anna", false, {"The address is too long."},
         QString(MaxHostTextLength, 'h'), "anna", WhiteColorCode},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        boxes.clear();
        InternetGameDialog d(*window, window.get());
        EXPECT_EQ(d.windowTitle(), "Internet Game");
        EXPECT_TRUE(d.radio(ctl::White)->isChecked());
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        typeInto(d.hostEdit(), row.host);
        typeInto(d.nicknameEdit(), row.nickname);
        d.radio(row.black ? ctl::Black : ctl::White)->click();
        d.okButton()->click();
        const bool accepted = row.boxes.empty();
        EXPECT_EQ(invalidInformation(boxes), row.boxes);
        EXPECT_EQ(d.isVisible(), !accepted);
        EXPECT_EQ(d.result(), accepted ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(d.host(), row.expectHost);
        EXPECT_EQ(d.nickname(), row.expectNickname);
        EXPECT_EQ(d.requestedColor(), row.expectColor);
    }
}

TEST_F(NetWidgetsTest, NicknameSelectionIsLeftOnlyWithANickname) {
    NicknameDialog d(*window, window.get());
    EXPECT_EQ(d.windowTitle(), "Nickname Selection");
    EXPECT_EQ(d.findChildren<QPushButton*>().size(), 1) << "no Cancel button";
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    const struct {
        const char* name;
        std::function<void()> act;
        std::vector<QString> boxes;
    } attempts[] = {
        {"OK with nothing typed", [&] { d.okButton()->click(); }, {"You must supply a nickname!"}},
        {"Enter with nothing typed", [&] { QTest::keyClick(d.nicknameEdit(), Qt::Key_Return); },
         {"You must supply a nickname!"}},
        {"Escape", [&] { QTest::keyClick(d.nicknameEdit(), Qt::Key_Escape); }, {}},
        {"the close box", [&] { d.close(); }, {}},
    };
    for (const auto& attempt : attempts) {
        SCOPED_TRACE(attempt.name);
        boxes.clear();
        attempt.act();
        EXPECT_EQ(invalidInformation(boxes), attempt.boxes);
        EXPECT_TRUE(d.isVisible());
    }
    boxes.clear();
    typeInto(d.nicknameEdit(), "a nickname of thirty letters!!");
    d.okButton()->click();
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.nickname(), "a nickname of thirty let");
}

TEST_F(NetWidgetsTest, ConnectingBoxIsCancelledByTheUserOrEndedByTheCall) {
    const struct {
        const char* name;
        std::function<void(ConnectingDialog&)> act;
        int result;
        int cancels;
    } rows[] = {
        {"Cancel Connect", [](ConnectingDialog& d) { d.cancelButton()->click(); }, ConnectingDialog::CancelConnect, 1},
        {"Enter: the default button", [](ConnectingDialog& d) { QTest::keyClick(&d, Qt::Key_Return); },
         ConnectingDialog::CancelConnect, 1},
        {"Escape", [](ConnectingDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, ConnectingDialog::CancelConnect, 1},
        {"the close box", [](ConnectingDialog& d) { d.close(); }, ConnectingDialog::CancelConnect, 1},
        {"the call is answered", [](ConnectingDialog& d) { d.done(1); }, 1, 0},
        {"the call fails", [](ConnectingDialog& d) { d.done(2); }, 2, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ConnectingDialog d(window.get());
        int cancels = 0;
        d.onCancelConnect = [&] {
            ++cancels;
            EXPECT_TRUE(d.isVisible()) << "told before the box goes";
        };
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        EXPECT_LE((d.frameGeometry().center() - window->frameGeometry().center()).manhattanLength(), 4);
        row.act(d);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), row.result);
        EXPECT_EQ(cancels, row.cancels);
    }
}

TEST_F(NetWidgetsTest, ConnectingBoxEndedBeforeItOpensDoesNotWait) {
    ConnectingDialog d(window.get());
    bool cancelled = false;
    d.onCancelConnect = [&] { cancelled = true; };
    d.done(2);
    // A box that waited for the user would be ended here, with another result.
    QTimer::singleShot(5000, &d, [&] { d.done(99); });
    EXPECT_EQ(d.exec(), 2);
    EXPECT_FALSE(cancelled);
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

}  // namespace
}  // namespace orbel::testing
