// The main window: a fixed-size window holding the drawing area, the two
// history panes, the Brain pane (and, in its place during network play, the
// chat pane), the menu bar and the status bar. It owns the program-wide UI
// state and routes every message through the installed mode procedure.
#pragma once

#include <QFont>
#include <QMainWindow>
#include <QTimer>
#include <map>

#include "computer/thinking.h"
#include "game/game_window.h"
#include "game/window_messages.h"
#include "net/chat_pane.h"
#include "net/network_session.h"
#include "shell/game_files.h"
#include "shell/modal.h"
#include "shell/piece_bitmaps.h"
#include "shell/settings.h"
#include "shell/sounds.h"

class QAction;
class QLabel;

namespace orbel {

class BoardWindow;
class HistoryPane;

class MainWindow : public QMainWindow, public GameWindow {
    Q_OBJECT
public:
    // Creates the window with its menus, panes and status bar, reading the
    // stored settings (the square colours before the window exists, the
    // piece set after). Start-up finishes with runStartUpDialog().
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The last step of start-up: New Game Setup, then a full repaint.
    void runStartUpDialog();

    // Hands a message to the installed mode procedure.
    int dispatch(int message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    ModeProc installedMode() const { return mode_; }

    // GameWindow
    UiState& ui() override { return ui_; }
    int commonProc(int message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void installMode(ModeProc proc) override { mode_ = proc; }
    void invalidate() override;
    void invalidateRect(int left, int top, int right, int bottom) override;
    void setStatusText(const QString& text) override;
    void enableCommand(int id, bool enabled) override;
    void checkCommand(int id, bool checked) override;
    void scrollHistoryPane(bool white, int code) override;
    void invalidateHistoryPanes() override;
    void setBrainText(const QString& text) override;
    void playSound(int resource) override { sounds_.play(resource); }
    void messageBox(bool owned, const QString& text, const QString& caption, MessageIcon icon) override;
    void sendCommand(int id) override { dispatch(msg::WM_COMMAND, static_cast<std::uintptr_t>(id), 0); }
    void showWaitCursor() override;
    void showArrowCursor() override;
    bool loadDragBitmaps(int row, int col) override;
    void startComputerMove() override;
    void endComputerMove() override;
    bool askYesNo(bool owned, const QString& text, const QString& caption, MessageIcon icon) override;
    int runDialog(QDialog& dialog) override { return modal_.runDialog(dialog); }
    int sendMessage(int message, std::uintptr_t wParam, std::intptr_t lParam) override {
        return dispatch(message, wParam, lParam);
    }
    NetworkSession& network() override { return network_; }
    void showChatPane(bool show) override;
    void addChatLine(const QString& line) override;

    // The parts of the window, for the shell's own code and for tests.
    BoardWindow* boardWindow() const { return board_; }
    HistoryPane* historyPane(bool white) const { return white ? whitePane_ : blackPane_; }
    QLabel* brainPane() const { return brainPane_; }
    ChatPane* chatPane() const { return chatPane_; }
    QString statusText() const;
    QAction* action(int id) const;
    ModalSeam& modal() { return modal_; }
    SoundPlayer& sounds() { return sounds_; }
    PieceBitmaps& bitmaps() { return bitmaps_; }
    ThinkingThread& thinking() { return thinking_; }
    const QFont& boardFont() const { return boardFont_; }
    const QFont& paneFont() const { return paneFont_; }
    bool brainTimerActive() const { return brainTimer_.isActive(); }
    // Tests: when set, puts a saved game's bytes into its file instead of
    // one plain write (to make a save fail part-way).
    FileWriter saveWriter;
    // The custom colours the colour dialog offers, kept for the run.
    QColor customColours[16];

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The constructor's steps, in the order it takes them.
    void setUpFrame();
    void readSquareColours();
    void createMenus();
    QWidget* createDrawingArea();
    void readPieceSet();
    void createPanes(QWidget* client);
    void connectPanes();
    void handBack();

    UiState ui_;
    ModeProc mode_;
    QFont boardFont_;
    QFont paneFont_;
    BoardWindow* board_ = nullptr;
    HistoryPane* whitePane_ = nullptr;
    HistoryPane* blackPane_ = nullptr;
    QLabel* brainPane_ = nullptr;
    ChatPane* chatPane_ = nullptr;
    QLabel* status_ = nullptr;
    std::map<int, QAction*> actions_;
    ModalSeam modal_;
    SoundPlayer sounds_;
    PieceBitmaps bitmaps_;
    QTimer brainTimer_;
    ThinkingThread thinking_;
    // Items greyed only while the computer thinks, with their state before.
    std::map<int, bool> greyedForThinking_;
    bool destroyed_ = false;
    // Last: its sockets go before anything they report to.
    NetworkSession network_{*this};
};

}  // namespace orbel
