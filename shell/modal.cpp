#include "shell/modal.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <algorithm>

namespace orbel {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

int execBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(qtIcon(icon), caption, text, buttons, owner);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

// The text as the box shows it, on the screen of its owner or else the
// primary one.
QString shownText(QWidget* owner, const QString& text) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return text;
    return textFittingScreen(text, QApplication::font("QMessageBox"), screen->availableGeometry().size());
}

}  // namespace

QString textFittingScreen(const QString& text, const QFont& font, QSize screen) {
    // What a box takes beside its text: the caption, the margins and the buttons.
    constexpr int Frame = 200;
    const QFontMetrics metrics(font);
    // A box wraps at half the screen's width or 500 pixels, whichever is
    // less, beside its icon; each row of words is at least half full. A line
    // longer than four rows is elided.
    const int wrapWidth = std::max(100, std::min(screen.width() / 2, 500) - 100);
    const int lineWidth = 4 * wrapWidth;
    const int room = std::max(1, (screen.height() - Frame) / std::max(1, metrics.lineSpacing()));
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|[\\n\\r\\x{85}\\x{2028}\\x{2029}]"));
    const QStringList lines = text.split(lineBreak);
    QStringList kept;
    int rows = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = metrics.elidedText(lines[i], Qt::ElideRight, lineWidth);
        const int needs = 1 + 2 * metrics.horizontalAdvance(line) / wrapWidth;
        // A row is left for the ellipsis that stands for the lines cut.
        if (rows + needs > room - (i + 1 < lines.size() ? 1 : 0)) {
            kept << QString(QChar(0x2026));
            break;
        }
        kept << line;
        rows += needs;
    }
    return kept.join(QLatin1Char('\n'));
}

void showMessageBox(const WindowSeams& seams, QWidget* owner, const QString& text, const QString& caption,
                    MessageIcon icon) {
    const QString shown = shownText(owner, text);
    if (seams.box) {
        seams.box({shown, caption, icon, owner != nullptr});
        return;
    }
    execBox(owner, shown, caption, icon, QMessageBox::Ok);
}

bool askQuestion(const WindowSeams& seams, QWidget* owner, const QString& text, const QString& caption,
                 MessageIcon icon) {
    const QString shown = shownText(owner, text);
    if (seams.question) return seams.question({shown, caption, icon, owner != nullptr});
    return execBox(owner, shown, caption, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

namespace {

// Right to left, a dialog drawn at fixed places (a template's) mirrors them
// as a layout would: each control at its distance from the right edge, the
// controls inside a frame within it. Once: a dialog run again keeps them.
void mirrorFixedPlaces(QWidget& widget) {
    if (!widget.isRightToLeft() || widget.layout() || widget.property("mirrored").toBool()) return;
    widget.setProperty("mirrored", true);
    for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        child->move(widget.width() - child->geometry().right() - 1, child->y());
        if (qobject_cast<QGroupBox*>(child)) mirrorFixedPlaces(*child);
    }
}

}  // namespace

int runModalDialog(const WindowSeams& seams, QDialog& dialog) {
    mirrorFixedPlaces(dialog);
    if (seams.dialog) return seams.dialog(dialog);
    return dialog.exec();
}


void ModalRunner::box(const QString& text, const QString& caption, MessageIcon icon, bool owned) const {
    showMessageBox(seams_, owned ? &window_ : nullptr, text, caption, icon);
}

void ModalRunner::box(const QString& text, const QString& caption, MessageIcon icon, QPointer<QDialog>& shown) const {
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::Ok, &window_);
    box.setTextFormat(Qt::PlainText);
    shown = &box;
    runModalDialog(seams_, box);
}

bool ModalRunner::ask(const QString& text, const QString& caption, MessageIcon icon) const {
    return askQuestion(seams_, &window_, text, caption, icon);
}

int ModalRunner::run(QDialog& dialog) const {
    QWidget* focusBefore = QApplication::focusWidget();
    const int result = runModalDialog(seams_, dialog);
    if (afterDialog) afterDialog(focusBefore);
    return result;
}

}  // namespace orbel
