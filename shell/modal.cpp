#include "shell/modal.h"

#include <QDialog>
#include <QMessageBox>

namespace orbel {

void ModalSeam::messageBox(QWidget* owner, const QString& text, const QString& caption, BoxIcon icon) {
    if (boxHandler) {
        boxHandler({text, caption, icon, owner != nullptr});
        return;
    }
    const QMessageBox::Icon qtIcon = icon == BoxIcon::Stop          ? QMessageBox::Critical
                                     : icon == BoxIcon::Exclamation ? QMessageBox::Warning
                                                                    : QMessageBox::Information;
    QMessageBox box(qtIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

int ModalSeam::runDialog(QDialog& dialog) {
    if (dialogHandler) return dialogHandler(dialog);
    return dialog.exec();
}

}  // namespace orbel
