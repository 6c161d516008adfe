#include "shell/modal.h"

#include <QDialog>
#include <QMessageBox>

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

}  // namespace

void showMessageBox(const WindowSeams& seams, QWidget* owner, const QString& text, const QString& caption,
                    MessageIcon icon) {
    if (seams.box) {
        seams.box({text, caption, icon, owner != nullptr});
        return;
    }
    execBox(owner, text, caption, icon, QMessageBox::Ok);
}

bool askQuestion(const WindowSeams& seams, QWidget* owner, const QString& text, const QString& caption,
                 MessageIcon icon) {
    if (seams.question) return seams.question({text, caption, icon, owner != nullptr});
    return execBox(owner, text, caption, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

int runModalDialog(const WindowSeams& seams, QDialog& dialog) {
    if (seams.dialog) return seams.dialog(dialog);
    return dialog.exec();
}

}  // namespace orbel

#include <QApplication>

namespace orbel {

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
