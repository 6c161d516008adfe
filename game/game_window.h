// What the mode procedures need from the main window. The procedures live
// with the game flow; the window (shell/) provides these services, so the
// flow never reaches into widgets.
#pragma once

#include <QString>

class QDialog;
#include <cstdint>

#include "game/ui_state.h"

namespace orbel {

class GameWindow;
// A mode procedure: the installed one receives every message of the main window.
using ModeProc = int (*)(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam);

enum class MessageIcon { None, Stop, Exclamation, Information };

class NetworkSession;

class GameWindow {
public:
    virtual ~GameWindow() = default;

    virtual UiState& ui() = 0;
    // The common procedure, to which mode procedures pass what they do not handle.
    virtual int commonProc(int message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual void installMode(ModeProc proc) = 0;

    // Repaint the whole drawing area, or part of it (client coordinates,
    // right and bottom exclusive).
    virtual void invalidate() = 0;
    virtual void invalidateRect(int left, int top, int right, int bottom) = 0;
    void invalidateArea(const PixelRect& r) { invalidateRect(r.left, r.top, r.right(), r.bottom()); }
    virtual void setStatusText(const QString& text) = 0;
    virtual void enableCommand(int id, bool enabled) = 0;
    virtual void checkCommand(int id, bool checked) = 0;
    // WM_VSCROLL to the White (or Black) history pane, and a redraw of both.
    virtual void scrollHistoryPane(bool white, int code) = 0;
    virtual void invalidateHistoryPanes() = 0;
    virtual void setBrainText(const QString& text) = 0;
    virtual void playSound(int resource) = 0;
    // A modal message box with an OK button; `owned` boxes belong to the window.
    virtual void messageBox(bool owned, const QString& text, const QString& caption, MessageIcon icon) = 0;
    // The same box with Yes and No buttons; true for Yes.
    virtual bool askYesNo(bool owned, const QString& text, const QString& caption, MessageIcon icon) = 0;
    // Runs a modal dialog; its result (QDialog::Accepted, Rejected or a done() code).
    virtual int runDialog(QDialog& dialog) = 0;
    // A message to the window's installed procedure, handled before this returns.
    virtual int sendMessage(int message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // WM_COMMAND to the window, handled before this returns.
    virtual void sendCommand(int id) = 0;
    virtual void showWaitCursor() = 0;
    virtual void showArrowCursor() = 0;
    // Loads the image and mask of the piece on displayBoard at (row, col) into
    // the drag images; false for an empty square.
    virtual bool loadDragBitmaps(int row, int col) = 0;
    // The computer's turn in one-player play: greys the items that must wait,
    // starts the Brain timer and the thinking thread.
    virtual void startComputerMove() = 0;
    // After the hand-back: stops the Brain timer and restores what the
    // thinking greyed beyond Undo Move, Save Game and Load Game.
    virtual void endComputerMove() = 0;

    // Network play: the connection, and the chat pane shown in place of the
    // Brain pane (with the menu states of a network game) or hidden again.
    virtual NetworkSession& network() = 0;
    virtual void showChatPane(bool show) = 0;
    virtual void addChatLine(const QString& line) = 0;
};

// What every mode procedure does with the messages it does not handle
// itself: creation, destruction, sizing, painting, menu commands, control
// colours, mouse movement and socket notifications go to commonProc; the
// rest is dropped. Returns 0, as the procedures do.
int passToCommonProc(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace orbel
