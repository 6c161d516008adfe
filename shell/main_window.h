// The main window: a fixed-size window holding the drawing area, the two
// history panes, the Brain pane (and, in its place during network play, the
// chat pane), the menu bar and the status bar. It owns the game on the
// board, its players and network play, and is the one place that holds the
// program-wide user-interface state. Everything it shows of the game follows
// the game's signals; every menu item is a slot.
#pragma once

#include <QFont>
#include <QMainWindow>
#include <map>
#include <memory>
#include <optional>
#include <span>

#include "game/clock/clocks.h"
#include "game/game.h"
#include "game/hand.h"
#include "game/move_lists.h"
#include "game/table.h"
#include "net/network_opponent.h"
#include "net/network_session.h"
#include "net/portmap/port_mapper.h"
#include "savegame/pgn.h"
#include "shell/board_keys.h"
#include "shell/board_painter.h"
#include "shell/dialogs.h"
#include "shell/commands.h"
#include "shell/engine_list.h"
#include "shell/hints.h"
#include "shell/modal.h"
#include "shell/network_play.h"
#include "shell/pgn_files.h"
#include "shell/piece_bitmaps.h"
#include "shell/sounds.h"

class QAction;
class QLabel;
class QMenu;

namespace orbel {

class BoardWindow;
class ChatPane;
class HistoryPane;
class LiveText;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Creates the window with its menus, panes and status bar, reading the
    // stored settings (the square colours before the window exists, the
    // piece set after). Start-up finishes with runStartUpDialog().
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The last step of start-up: New Game Setup, then a full repaint.
    void runStartUpDialog();
    // A saved game named on the command line, loaded as Load Game loads it;
    // false (after a box saying why) when it holds no game to continue.
    bool loadGameAtStart(const QString& path);
    // A PGN or FEN file played as Open PGN or FEN plays it.
    bool openGameFile(const QString& path);

    Game& game() { return game_; }
    Table& table() { return table_; }
    MoveLists& lists() { return lists_; }
    Clocks& clocks() { return clocks_; }
    Hand& hand() { return hand_; }
    ComputerPlayer& computer() { return table_.computer(); }
    NetworkSession& network() { return network_; }
    WindowState& state() { return state_; }
    WindowSeams& seams() { return seams_; }
    ModalRunner& modal() { return modal_; }
    Commands& commands() { return commands_; }
    Hints& hints() { return hints_; }
    EngineList& engines() { return engines_; }
    QAction* action(Command command) const { return commands_.action(command); }

    // The parts of the window, for the shell's own code and for tests.
    BoardWindow* boardWindow() const { return board_; }
    HistoryPane* historyPane(Side side) const { return side == Side::White ? whitePane_ : blackPane_; }
    QLabel* brainPane() const { return brainPane_; }
    ChatPane* chatPane() const { return chatPane_; }
    LiveText* liveText() const { return liveText_; }
    BoardKeys& keys() { return *keys_; }
    PieceBitmaps& bitmaps() { return bitmaps_; }
    const QFont& boardFont() const { return boardFont_; }
    // The history and chat panes' font, found when first asked for: until
    // a line is written, start-up need not load it.
    const QFont& paneFont();

    QString statusText() const;
    void setStatusText(const QString& text);
    // A passing message over the status text (the text being typed, a reply
    // to the keys); empty to show the status text again.
    void showStatusMessage(const QString& text);
    QString statusMessage() const;
    // Words for a screen reader; silent while announcements are off.
    void announce(const QString& text);
    // Words for a screen reader that answer the user's own command: said
    // whatever the announcement option says.
    void tell(const QString& text);
    // "White to move." or "Black to move, check."
    QString toMoveText() const;
    void playSound(int resource);

    // What the drawing area shows now, and a full repaint of it.
    BoardScene scene() const;
    void invalidate();

    // Opens the listening port on the home router, off this thread; the
    // mapping is removed when the window goes.
    void startPortMapping(PortMapOptions options);
    // The router may be asked (the program was not told otherwise): it is,
    // while Network Play > Accept Calls from the Internet is on.
    void allowPortMapping(PortMapOptions options);
    const PortMapper* portMapper() const { return portMapper_.get(); }
    // The custom colours the colour dialog offers, kept for the run.
    QColor customColours[16];

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Construction, in the order it is done.
    void setUpFrame();
    void readSettings();
    struct MenuItem;
    // The menu bar's items, menu by menu, in order.
    static const MenuItem MenuItems[];
    void createMenus();
    // The menu at a path of translated names, made when first asked for.
    QMenu* menuFor(std::map<QString, QMenu*>& menus, const QString& path);
    void connectMenuItems();
    QWidget* createDrawingArea();
    void createPanes(QWidget* client);
    void followTheGame();
    void followThePlayers();
    void followTheNetwork();
    void followTheClocks();
    void followTheHints();

    // What the window shows of the game (main_window_game.cpp).
    void begun(GameStart how);
    void movePlayed(const PlayedMove& move);
    void gameEnded(EndReason reason);
    void gameOverBox(const QString& text, const QString& caption, MessageIcon icon, bool owned);
    // The same with texts.h's texts, in the user's language.
    void gameOverBox(const char* text, const char* caption, MessageIcon icon, bool owned);
    void thinkingStarted();
    void thinkingEnded();
    // The computer's or an engine's line and value, in the Brain pane.
    void showBrain(const QString& english);
    void enableGameCommands(bool enabled);
    void updateCursor();
    void startOnePlayerGame(const NewGameChoice& choice);
    // A game against an engine (main_window_engines.cpp).
    void followTheEngine();
    void engineFailed(const QString& why);
    std::optional<uci::GoLimits> engineLimits() const;
    void showEngines();
    void startNetworkGame(int localColorCode);
    void runNewGameSetup();
    void showChatPane(bool show);
    void addChatLine(const QString& line, bool own);
    // A chat line from the peer, "nickname> text", said aloud as "nickname says, text".
    void addPeerChatLine(const QString& text);
    void carryTo(QPoint at);
    void boardPressed(Place place);
    void boardReleased(Place place);
    void paintOverlay(QPainter& painter);
    const QImage* carriedImage(qreal ratio);

    // The menu commands.
    void newOnePlayerGame();
    void newTwoPlayerGame();
    void saveGame();
    void loadGame();
    void openGameText();
    void exportGame();
    void copyGame();
    void copyPosition();
    void pasteGameText();
    bool mayReplaceGame() const;
    bool playGameText(const std::optional<ImportedGame>& game);
    void undoMove();
    void resign();
    void offerDraw();
    void claimDraw();
    void updateDrawCommands();
    void updateNetworkCommands();
    // The clocks (main_window_clocks.cpp).
    void pauseClocks();
    void updateClockCommands();
    void showClocks();
    void flagFell(Side side);
    void timeForfeitBox();
    void peerClockRead(std::int64_t ms);
    void peerFlag(Side side);
    void claimFlag(Side them);
    ExportClocks exportClocks() const;
    void timeLow(Side side, std::int64_t warning);
    std::optional<PieceKind> choosePromotion();
    void readPosition();
    void chooseDarkSquare();
    void chooseLightSquare();
    void chooseSquareColour(bool dark);
    void originalColors();
    void choosePieceSet(int set);
    void showHideCoordinates();
    void toggleAnnouncements();
    void toggleSounds();
    void toggleStandardRules();
    // Time Control..., from the menu or over New Game Setup (`owner`).
    // Game > Time Control... and the buttons that open it; `note` under its choices.
    void chooseTimeControl(QWidget* owner, const QString& note = {});
    void showKeys();
    // Game > Hint (main_window_hint.cpp).
    void showHint();
    void forgetHint();
    void showHintStatus(const QString& text);
    void directNetworkGame();
    void showNetworkAddress();
    void toggleInternetCalls();
    void stopPortMapping();
    void endNetworkGame(PeerCommand word);
    void showInfo(bool about);

    Game game_;
    Table table_{game_};
    MoveLists lists_{game_};
    Clocks clocks_{game_};
    Hand hand_{table_};
    WindowState state_;
    WindowSeams seams_;
    ModalRunner modal_{*this, seams_};
    Commands commands_;
    QFont boardFont_;
    QFont paneFont_;
    bool paneFontFound_ = false;
    BoardWindow* board_ = nullptr;
    HistoryPane* whitePane_ = nullptr;
    HistoryPane* blackPane_ = nullptr;
    QLabel* brainPane_ = nullptr;
    ChatPane* chatPane_ = nullptr;
    QLabel* status_ = nullptr;
    // Which rules the game on the board follows, at the status bar's end.
    QLabel* rulesLabel_ = nullptr;
    LiveText* liveText_ = nullptr;
    std::unique_ptr<BoardKeys> keys_;
    SoundPlayer sounds_;
    PieceBitmaps bitmaps_;
    // The squares of the opponent's last move, framed in red (-1: none).
    int frameFrom_ = -1;
    int frameTo_ = -1;
    // The engine's hint for the position on the board, drawn as an arrow.
    Hints hints_;
    std::optional<StandardMove> hint_;
    // The status text a hint put up, which the next position takes down:
    // known by itself, since in the user's language no words tell it.
    QString hintStatus_;
    // The engines New Game Setup offers.
    EngineList engines_;
    bool destroyed_ = false;
    // A claim on the network opponent's flag awaits its copy's answer.
    bool claiming_ = false;
    std::unique_ptr<PortMapper> portMapper_;
    // What the router is asked with, once the program may ask it; and a
    // mapping being taken down.
    std::optional<PortMapOptions> mappingOptions_;
    std::unique_ptr<PortMapper> retiringMapper_;
    // Last: its sockets go before anything they report to.
    NetworkSession network_;
    NetworkOpponent opponent_{table_, game_, network_};
    NetworkPlay networkPlay_{network_, table_, modal_, portMapper_};
};

}  // namespace orbel
