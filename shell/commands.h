// The main window's menu commands: each a QAction, named as the scenarios
// and the accessibility tree know it ("new-one", "undo", ...), connected to
// its own slot of the window. Some commands wait, greyed, while the
// computer thinks; what is asked of them meanwhile applies when it is done.
#pragma once

#include <QString>
#include <array>
#include <map>

class QAction;

namespace orbel {

enum class Command {
    NewOnePlayerGame, NewTwoPlayerGame, SaveGame, LoadGame, OpenGameText, ExportGame, CopyGame, CopyPosition,
    PasteGameText, Exit, UndoMove, Resign, OfferDraw, ClaimDraw, TimeControl, PauseClocks, ReadPosition, Hint, DarkSquare, LightSquare, OriginalColors, PieceSetDudidi,
    PieceSetFerrow1, PieceSetFerrow2, ShowHideCoordinates, AnnounceMoves, Sounds, StandardRules, Engines, DirectNetworkGame, NetworkAddress, AcceptInternetCalls,
    NetworkResign, KillGame, NetworkDraw, NetworkTakeback, Rematch, CallAgain, WhatsNew, About, Keys,
};
inline constexpr int CommandCount = static_cast<int>(Command::Keys) + 1;

// The name a command's action goes by.
const char* commandName(Command command);

class Commands {
public:
    void add(Command command, QAction* action);
    QAction* action(Command command) const { return actions_[static_cast<std::size_t>(command)]; }

    // Greys or enables a command; one held greyed keeps the state asked for
    // until it is released.
    void setEnabled(Command command, bool enabled);
    void setChecked(Command command, bool checked);
    // Greys the commands that would replace or end the game the computer's
    // thread is using, remembering their state; release() restores it.
    void holdWhileThinking();
    void release();

private:
    std::array<QAction*, CommandCount> actions_{};
    std::map<Command, bool> held_;
};

}  // namespace orbel
