// Everything a test may put in place of the real thing, gathered in one
// record per window. In the program each is empty or the real function, and
// the window uses what it always uses.
#pragma once

#include <QString>
#include <cstddef>
#include <functional>

#include "computer/thinking.h"
#include "rules/check.h"

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
    // The check test after a two-player move.
    bool (*twoPlayerCheckTest)(const Board&) = isOwnKingAttacked;
    // The computer's choice on its thread.
    ThinkingThread::Choose chooseMove = [](GameState& game, MoveRecord& result, const MoveRecord& lastUserMove) {
        return chooseComputerMove(game, result, lastUserMove);
    };
    // The next computer move finds no thread to be had.
    bool refuseNextThread = false;
    // Which taunt "/trash" sends.
    std::function<std::size_t()> tauntIndex;
};

}  // namespace orbel
