// What the mode procedures need from the main window. The procedures live
// with the game flow; the window (shell/) provides these services, so the
// flow never reaches into widgets.
#pragma once

#include <QString>
#include <cstdint>

#include "game/seams.h"
#include "game/ui_state.h"
#include "game/window_messages.h"

class QDialog;
class QWidget;

namespace orbel {

class GameWindow;
// A mode procedure: the installed one receives every message of the main window.
using ModeProc = int (*)(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam);

class GameWindow {
public:
    virtual ~GameWindow() = default;

    virtual UiState& ui() = 0;
    virtual WindowSeams& seams() = 0;
    // The common procedure, to which mode procedures pass what they do not handle.
    virtual int commonProc(int message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual void installMode(ModeProc proc) = 0;
    // A message to the window's installed procedure, handled before this returns.
    virtual int sendMessage(int message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    void sendCommand(int id) { sendMessage(msg::WM_COMMAND, static_cast<std::uintptr_t>(id), 0); }

    // Repaint the whole drawing area, or the part of it in `area`.
    virtual void invalidate() = 0;
    virtual void invalidateArea(const PixelRect& area) = 0;
    virtual void setStatusText(const QString& text) = 0;
    // WM_VSCROLL to the White (or Black) history pane, and a redraw of both.
    virtual void scrollHistoryPane(bool white, int code) = 0;
    virtual void invalidateHistoryPanes() = 0;
    virtual void setBrainText(const QString& text) = 0;
    // The live text a screen reader speaks, for moves and the opponent's
    // chat; silent while the user has turned announcements off.
    virtual void announce(const QString& text) = 0;
    virtual void enableCommand(int id, bool enabled) = 0;
    virtual void playSound(int resource) = 0;
    // The wait cursor, or the arrow again.
    virtual void showWaitCursor(bool wait) = 0;
    // The piece on displayBoard at (row, col) becomes the one the mouse carries.
    virtual void loadDragBitmaps(int row, int col) = 0;

    // A modal message box with an OK button, or with Yes and No (true for
    // Yes). A box with a parent belongs to that window; the game flow's boxes
    // have none.
    virtual void messageBox(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon) = 0;
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon) = 0;
    // Runs a modal dialog; its result (QDialog::Accepted, Rejected or a done() code).
    virtual int runDialog(QDialog& dialog) = 0;

    // The computer's turn in one-player play: greys the items that must wait,
    // starts the Brain timer and the thinking thread.
    virtual void startComputerMove() = 0;
    // After the hand-back: stops the Brain timer and restores what the
    // thinking greyed beyond Undo Move, Save Game and Load Game.
    virtual void endComputerMove() = 0;
};

// What every mode procedure does with the messages it does not handle
// itself: creation, destruction, sizing, painting, menu commands, control
// colours, mouse movement and socket notifications go to commonProc; the
// rest is dropped. Returns 0, as the procedures do.
int passToCommonProc(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace orbel
