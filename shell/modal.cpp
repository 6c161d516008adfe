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

}  // namespace

void ModalSeam::messageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) {
    if (boxHandler) {
        boxHandler({text, caption, icon, owner != nullptr});
        return;
    }
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool ModalSeam::question(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) {
    if (questionHandler) return questionHandler({text, caption, icon, owner != nullptr});
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

int ModalSeam::runDialog(QDialog& dialog) {
    if (dialogHandler) return dialogHandler(dialog);
    return dialog.exec();
}

}  // namespace orbel
