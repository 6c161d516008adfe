// What network play needs from the main window beyond the game flow's
// services. The shell's main window provides both; network code reaches
// these through the window the mode procedures are given.
#pragma once

#include "game/game_window.h"

class QWidget;

namespace orbel {

class NetworkSession;
class PortMapper;

class NetworkWindow : public GameWindow {
public:
    // The main window itself: the parent of network play's boxes and dialogs.
    virtual QWidget* widget() = 0;
    virtual NetworkSession& network() = 0;
    // The router's mapping of the game's port; null when it is not tried.
    virtual const PortMapper* portMapper() const = 0;
    // The chat pane in the Brain pane's place, with the menu states of a
    // network game; or the Brain pane again.
    virtual void showChatPane(bool show) = 0;
    virtual void addChatLine(const QString& line) = 0;
    // A computer's move still on its way back from its thread is taken in
    // now (shown, recorded, announced), before a network game replaces the
    // game it was chosen for.
    virtual void settleComputerMove() = 0;
};

// The window a network procedure was installed in.
NetworkWindow& networkWindowOf(GameWindow& window);

}  // namespace orbel
