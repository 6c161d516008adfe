// Every message box and modal dialog of the program goes through here, so a
// test can read what would be shown and give the answer a user would give.
#pragma once

#include <QString>
#include <functional>

#include "game/game_window.h"

class QDialog;
class QWidget;

namespace orbel {

struct BoxRequest {
    QString text;
    QString caption;
    MessageIcon icon;
    bool hasOwner;
};

class ModalSeam {
public:
    // A message box with an OK button; returns when it is closed.
    void messageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon);
    // A box with Yes and No buttons; true for Yes.
    bool question(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon);
    // Runs a modal dialog; returns its result (QDialog::Accepted / Rejected).
    int runDialog(QDialog& dialog);

    // Tests: when set, called instead of showing anything. The dialog handler
    // works the real dialog (clicks its controls) and returns its result.
    std::function<void(const BoxRequest&)> boxHandler;
    std::function<bool(const BoxRequest&)> questionHandler;
    std::function<int(QDialog&)> dialogHandler;
};

}  // namespace orbel
