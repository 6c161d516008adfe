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
#include "net/chat_pane.h"
#include "net/network_session.h"
#include "net/network_window.h"
#include "net/port_mapper.h"
#include "shell/board_keys.h"
#include "shell/piece_bitmaps.h"
#include "shell/sounds.h"

class QAction;
class QLabel;

namespace orbel {

class BoardWindow;
class HistoryPane;
class LiveText;

class MainWindow : public QMainWindow, public NetworkWindow {
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
    void checkCommand(int id, bool checked);

    // GameWindow
    UiState& ui() override { return ui_; }
    WindowSeams& seams() override { return seams_; }
    int commonProc(int message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void installMode(ModeProc proc) override { mode_ = proc; }
    int sendMessage(int message, std::uintptr_t wParam, std::intptr_t lParam) override {
        return dispatch(message, wParam, lParam);
    }
    void invalidate() override;
    void invalidateArea(const PixelRect& area) override;
    void setStatusText(const QString& text) override;
    void scrollHistoryPane(bool white, int code) override;
    void invalidateHistoryPanes() override;
    void setBrainText(const QString& text) override;
    void announce(const QString& text) override;
    void enableCommand(int id, bool enabled) override;
    void playSound(int resource) override;
    void showWaitCursor(bool wait) override;
    void loadDragBitmaps(int row, int col) override;
    void messageBox(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon) override;
    int runDialog(QDialog& dialog) override;
    void startComputerMove() override;
    void endComputerMove() override;

    // NetworkWindow
    QWidget* widget() override { return this; }
    NetworkSession& network() override { return network_; }
    const PortMapper* portMapper() const override { return portMapper_.get(); }
    // Opens the listening port on the home router, off this thread; the
    // mapping is removed when the window goes.
    void startPortMapping(PortMapOptions options);
    void showChatPane(bool show) override;
    void addChatLine(const QString& line) override;
    void settleComputerMove() override;

    // The parts of the window, for the shell's own code and for tests.
    BoardWindow* boardWindow() const { return board_; }
    HistoryPane* historyPane(bool white) const { return white ? whitePane_ : blackPane_; }
    QLabel* brainPane() const { return brainPane_; }
    ChatPane* chatPane() const { return chatPane_; }
    QString statusText() const;
    // A passing message over the status text (the text being typed, a reply
    // to the keys); empty to show the status text again.
    void showStatusMessage(const QString& text);
    QString statusMessage() const;
    LiveText* liveText() const { return liveText_; }
    BoardKeys& keys() { return keys_; }
    // Control+R: the position in words, in the live text.
    void readPosition();
    QAction* action(int id) const;
    PieceBitmaps& bitmaps() { return bitmaps_; }
    const ThinkingThread& thinking() const { return thinking_; }
    const QFont& boardFont() const { return boardFont_; }
    // The history and chat panes' font, found when first asked for: until
    // a line is written, start-up need not load it.
    const QFont& paneFont();
    bool brainTimerActive() const { return brainTimer_.isActive(); }
    // The piece image the mouse carries (0 for none).
    int carriedPiece() const { return carriedPiece_; }
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
    void paintOverlay(QPainter& painter);
    // After a dialog the board has the keys again, unless the chat line had them.
    void focusBoardAfterDialog(QWidget* focusBefore);

    UiState ui_;
    WindowSeams seams_;
    ModeProc mode_;
    QFont boardFont_;
    QFont paneFont_;
    bool paneFontFound_ = false;
    BoardWindow* board_ = nullptr;
    HistoryPane* whitePane_ = nullptr;
    HistoryPane* blackPane_ = nullptr;
    QLabel* brainPane_ = nullptr;
    ChatPane* chatPane_ = nullptr;
    QLabel* status_ = nullptr;
    LiveText* liveText_ = nullptr;
    BoardKeys keys_{*this};
    // A chat line being sent: its echo is the user's own, not announced.
    bool sendingChatLine_ = false;
    std::map<int, QAction*> actions_;
    SoundPlayer sounds_;
    PieceBitmaps bitmaps_;
    int carriedPiece_ = 0;
    QTimer brainTimer_;
    ThinkingThread thinking_;
    // The thread's move waits to be handed back (once, however it arrives).
    bool handBackPending_ = false;
    // Items greyed only while the computer thinks, with their state before.
    std::map<int, bool> greyedForThinking_;
    bool destroyed_ = false;
    std::unique_ptr<PortMapper> portMapper_;
    // Last: its sockets go before anything they report to.
    NetworkSession network_{*this};
};

}  // namespace orbel
