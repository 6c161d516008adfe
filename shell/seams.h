// Everything a test may put in place of the real thing in the window,
// gathered in one record per window. In the program each is empty, and the
// window uses what it always uses. (The computer's choice, the check test
// and the taunts have seams of their own: ComputerPlayer, Game and
// NetworkSession.)
#pragma once

#include <QString>
#include <functional>

class QByteArray;
class QDialog;
class QIODevice;

namespace orbel {

enum class MessageIcon { None, Stop, Exclamation, Information };

// A message box as it would be shown.
struct BoxRequest {
    QString text;
    QString caption;
    MessageIcon icon;
    bool hasOwner;
};

struct WindowSeams {
    // Message boxes and dialogs: when set, called instead of showing
    // anything. The dialog handler works the real dialog (clicks its
    // controls) and returns its result.
    std::function<void(const BoxRequest&)> box;
    std::function<bool(const BoxRequest&)> question;
    std::function<int(QDialog&)> dialog;
    // Receives each sound's resource number instead of playing it.
    std::function<void(int resource)> sound;
    // Puts a saved game's bytes into its file instead of one plain write.
    std::function<bool(QIODevice& file, const QByteArray& bytes)> saveWriter;
};

}  // namespace orbel
