// Every dialog, opened the way the program opens it, shows what it holds:
// each static text wrapped in its own font fits its control, each picture's
// control holds its whole bitmap, no control lies outside the dialog, and
// every edit field has a label naming it.
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <algorithm>
#include <functional>

#include "game/window_messages.h"
#include "net/net_dialogs.h"
#include "shell/dialogs.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

struct Statics {
    int texts = 0;
    int pictures = 0;
};

void expectWholeText(const QLabel& label, const QRect& box) {
    const QFontMetrics metrics(label.font());
    QString shown = label.text();
    // Blank lines at the end show nothing; everything before them must.
    while (shown.endsWith('\n')) shown.chop(1);
    for (const QString& word : shown.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        EXPECT_LE(metrics.horizontalAdvance(word), box.width()) << "wider than its control: " << word.toStdString();
    const QRect wrapped =
        metrics.boundingRect(QRect(0, 0, box.width(), 100000), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, shown);
    EXPECT_LE(wrapped.height(), box.height());
}

Statics expectWhole(QDialog& d) {
    Statics found;
    d.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
    for (QWidget* child : d.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        SCOPED_TRACE(child->metaObject()->className());
        EXPECT_TRUE(d.rect().contains(child->geometry())) << "outside the client area";
        // Every field is named by its label, for a screen reader and for the label's key.
        if (qobject_cast<QLineEdit*>(child)) {
            const auto labels = d.findChildren<QLabel*>();
            EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->buddy() == child; }));
        }
        const auto* label = qobject_cast<const QLabel*>(child);
        if (!label) continue;
        const int m = label->margin();
        const QRect box = label->contentsRect().marginsRemoved(QMargins(m, m, m, m));
        const QPixmap bitmap = label->pixmap();
        if (bitmap.isNull()) {
            ++found.texts;
            SCOPED_TRACE(label->text().toStdString());
            expectWholeText(*label, box);
            continue;
        }
        ++found.pictures;
        const QSize whole = bitmap.deviceIndependentSize().toSize();
        EXPECT_TRUE(box.width() >= whole.width() && box.height() >= whole.height())
            << "bitmap " << whole.width() << "x" << whole.height() << " in " << box.width() << "x" << box.height();
    }
    return found;
}

using DialogLayoutTest = WindowTest;

TEST_F(DialogLayoutTest, EveryDialogShowsItsWholeTextsAndPictures) {
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    Statics found;
    const auto check = [&found](QDialog& d) {
        found = expectWhole(d);
        d.done(QDialog::Rejected);
        return d.result();
    };
    const auto command = [this](int id) { return [this, id] { window->sendCommand(id); }; };
    const struct {
        const char* name;
        std::function<void()> prepare, open;
        int texts, pictures;
    } rows[] = {
        {"New Game Setup", nullptr, command(cmd::NewOnePlayerGame), 0, 0},
        {"About", nullptr, command(cmd::About), 3, 1},
        {"What's New", nullptr, command(cmd::WhatsNew), 2, 1},
        {"Internet Game", nullptr, command(cmd::DirectNetworkGame), 2, 0},
        // A call that a listener takes and never answers.
        {"the connecting box",
         [this, &silent] {
             answerNextDialog([port = silent.serverPort()](QDialog& d) {
                 auto& internet = dynamic_cast<InternetGameDialog&>(d);
                 internet.hostEdit()->setText(QStringLiteral("127.0.0.1:%1").arg(port));
                 internet.nicknameEdit()->setText(QStringLiteral("anna"));
                 internet.okButton()->click();
                 return d.result();
             });
         },
         command(cmd::DirectNetworkGame), 1, 0},
        // The called side runs it with no owner.
        {"Nickname Selection", nullptr,
         [this] {
             NicknameDialog nickname(*window, nullptr);
             window->runDialog(nickname);
         },
         1, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        found = {-1, -1};
        if (row.prepare) row.prepare();
        answerNextDialog(check);
        row.open();
        EXPECT_TRUE(dialogAnswers.empty()) << "a dialog was not opened";
        dialogAnswers.clear();
        EXPECT_EQ(found.texts, row.texts);
        EXPECT_EQ(found.pictures, row.pictures);
    }
}

}  // namespace
}  // namespace orbel::testing
