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
