// Every message box and modal dialog of the program goes through here, so a
// test can read what would be shown and give the answer a user would give
// (the window's seams).
#pragma once

#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>

#include "shell/seams.h"

class QDialog;
class QFont;
class QWidget;

namespace orbel {

// A box's text cut so that the box fits on a screen of `screen` pixels
// whatever the text: each line (at any line break) elided to four rows as the
// box wraps it at its narrowest, and no more lines than the screen's height
// holds beside the caption and the buttons; a last line of an ellipsis ("…")
// stands for the lines left out.
// A text that fits, its lines broken by "\n", comes back as it is. Every box
// and question shows its text so cut.
QString textFittingScreen(const QString& text, const QFont& font, QSize screen);

// A message box with an OK button; returns when it is closed.
void showMessageBox(const WindowSeams& seams, QWidget* owner, const QString& text, const QString& caption,
                    MessageIcon icon);
// A box with Yes and No buttons; true for Yes.
bool askQuestion(const WindowSeams& seams, QWidget* owner, const QString& text, const QString& caption,
                 MessageIcon icon);
// Runs a modal dialog; returns its result (QDialog::Accepted / Rejected).
int runModalDialog(const WindowSeams& seams, QDialog& dialog);

// The boxes and dialogs of one main window: its seams, and what follows
// every dialog (the keys go back to the board).
class ModalRunner {
public:
    ModalRunner(QWidget& window, WindowSeams& seams) : window_(window), seams_(seams) {}

    QWidget& window() const { return window_; }
    WindowSeams& seams() const { return seams_; }
    // A box owned by the window (`owned`), or by no window at all, as the
    // game's own boxes have always been.
    void box(const QString& text, const QString& caption, MessageIcon icon, bool owned = true) const;
    // One the program may close itself while it is shown: `shown` holds it
    // meanwhile. (A test's seam gets it as a dialog, a QMessageBox.)
    void box(const QString& text, const QString& caption, MessageIcon icon, QPointer<QDialog>& shown) const;
    bool ask(const QString& text, const QString& caption, MessageIcon icon) const;
    int run(QDialog& dialog) const;

    // Called after each dialog with the widget that had the keys before it.
    std::function<void(QWidget* focusBefore)> afterDialog;

private:
    QWidget& window_;
    WindowSeams& seams_;
};

}  // namespace orbel
