// Every message box and modal dialog of the program goes through here, so a
// test can read what would be shown and give the answer a user would give
// (the window's seams).
#pragma once

#include <QString>

#include "game/seams.h"

class QDialog;
class QWidget;

namespace orbel {

// A message box with an OK button; returns when it is closed.
void showMessageBox(const WindowSeams& seams, QWidget* owner, const QString& text, const QString& caption,
                    MessageIcon icon);
// A box with Yes and No buttons; true for Yes.
bool askQuestion(const WindowSeams& seams, QWidget* owner, const QString& text, const QString& caption,
                 MessageIcon icon);
// Runs a modal dialog; returns its result (QDialog::Accepted / Rejected).
int runModalDialog(const WindowSeams& seams, QDialog& dialog);

}  // namespace orbel
