#include "shell/modal.h"

#include <QDialog>
#include <QMessageBox>

namespace orbel {

void ModalSeam::messageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) {
    if (boxHandler) {
        boxHandler({text, caption, icon, owner != nullptr});
        return;
    }
    const QMessageBox::Icon qtIcon = icon == MessageIcon::Stop          ? QMessageBox::Critical
                                     : icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                                    : QMessageBox::Information;
    QMessageBox box(qtIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

int ModalSeam::runDialog(QDialog& dialog) {
    if (dialogHandler) return dialogHandler(dialog);
    return dialog.exec();
}

}  // namespace orbel
