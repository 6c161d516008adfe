#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>
#include <functional>
#include <map>
#include <iterator>
#include <span>
#include <utility>
#include <vector>

#include "shell/board_window.h"
#include "shell/chat_pane.h"
#include "shell/history_pane.h"
#include "shell/live_text.h"
#include "shell/settings.h"
#include "shell/texts.h"

static void initResources() { Q_INIT_RESOURCE(orbel); }

namespace orbel {
namespace {

// A font of the named family whose character cell is `height` pixels high,
// as the window's fonts are described (a cell height, not a point size): the
// largest pixel size whose cell fits. The cell grows in proportion to the
// pixel size, so one measurement at full height tells where to look; every
// other size measured loads the font once more, which start-up pays for.
QFont fontWithCellHeight(const char* family, int height, QFont::Weight weight) {
    QFont font(QString::fromLatin1(family));
    font.setWeight(weight);
    auto cellAt = [&font](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).height();
    };
    constexpr int Smallest = 6;
    const int full = cellAt(height);
    if (full <= height) return font;
    int pixels = std::clamp(height * height / full, Smallest, height - 1);
    if (cellAt(pixels) <= height) {
        while (pixels + 1 < height && cellAt(pixels + 1) <= height) ++pixels;
    } else {
        while (pixels > Smallest && cellAt(--pixels) > height) {
        }
    }
    font.setPixelSize(pixels);
    return font;
}

// The icon's drawn sizes nearest above 16, 32 and 48 logical pixels at a
// device pixel ratio.
std::vector<int> windowIconSizes(qreal ratio) {
    constexpr int drawn[] = {16, 32, 48, 64, 128, 256};
    std::vector<int> sizes;
    for (const int logical : {16, 32, 48}) {
        const auto it = std::find_if(std::begin(drawn), std::end(drawn), [&](int d) { return d >= logical * ratio; });
        const int side = it == std::end(drawn) ? drawn[std::size(drawn) - 1] : *it;
        if (std::find(sizes.begin(), sizes.end(), side) == sizes.end()) sizes.push_back(side);
    }
    return sizes;
}

// Window layout in client coordinates of the drawing area.
constexpr QRect WhitePaneArea(509, 110, 120, 230);
constexpr QRect BlackPaneArea(629, 110, 120, 230);
constexpr QRect BrainPaneArea(509, 370, 241, 110);

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    initResources();
    installBoardAccessibility();
    for (QColor& c : customColours) c = Qt::black;
    setUpFrame();
    boardFont_ = fontWithCellHeight("Times New Roman", 19, QFont::Normal);
    readSettings();
    createMenus();
    connectMenuItems();
    QWidget* client = createDrawingArea();
    createPanes(client);
    followTheGame();
    followTheClocks();
    followTheHints();
    followThePlayers();
    followTheEngine();
    followTheNetwork();
    // Fixed size: no maximise, no resizing.
    adjustSize();
    setFixedSize(sizeHint());
    // The keys go to the board from the start.
    board_->setFocus();
}

MainWindow::~MainWindow() {
    // The thinking thread must be gone before the window is, and no engine
    // outlives it.
    computer().stop();
    table_.engine().stop();
}

void MainWindow::setUpFrame() {
    setWindowTitle(QStringLiteral("Orbel Chess 3.0"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The sizes title bars and task switchers draw at this screen's ratio;
    // the desktop takes larger ones from the installed icon theme. Each
    // size is read at start, so the rest are left unread.
    const qreal ratio = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1;
    QIcon icon;
    for (const int side : windowIconSizes(ratio))
        icon.addFile(QStringLiteral(":/icon/107-%1.png").arg(side), QSize(side, side));
    setWindowIcon(icon);
}

void MainWindow::readSettings() {
    // Before the menus, which carry the piece set's and the announcements'
    // check marks.
    StoredSettings stored;
    readColourSettings(stored);
    state_.lightSquareColor = stored.lightSquareColor;
    state_.darkSquareColor = stored.darkSquareColor;
    readSwitchSettings(stored);
    state_.announceMoves = stored.announceMoves;
    state_.sounds = stored.sounds;
    readOptInSettings(stored);
    state_.standardRules = stored.standardRules;
    state_.acceptInternetCalls = stored.acceptInternetCalls;
    engines_.setPrograms(installedEngines(), readEnginePaths(readEnginesSetting()));
    readTimeControlSetting(stored);
    state_.timeControl = stored.timeControl;
    readPieceSetSetting(stored);
    state_.pieceSetIndex = stored.pieceSetIndex;
}

// A menu item: its menu's path, its command, its text ("-" first: a
// separator before it), its keys and its slot.
struct MainWindow::MenuItem {
    const char* menu;
    Command command;
    const char* text;
    QKeySequence keys;
    void (MainWindow::*slot)();
};

std::span<const MainWindow::MenuItem> MainWindow::menuItems() {
    static const MenuItem items[] = {
        {"&File", Command::NewOnePlayerGame, "&New 1 Player Game", Qt::CTRL | Qt::Key_N, &MainWindow::newOnePlayerGame},
        {"&File", Command::NewTwoPlayerGame, "N&ew 2 Player Game", Qt::CTRL | Qt::Key_M, &MainWindow::newTwoPlayerGame},
        {"&File", Command::SaveGame, "-&Save Game", Qt::CTRL | Qt::Key_S, &MainWindow::saveGame},
        {"&File", Command::LoadGame, "&Load Game", Qt::CTRL | Qt::Key_L, &MainWindow::loadGame},
        {"&File", Command::OpenGameText, "-&Open PGN or FEN...", {}, &MainWindow::openGameText},
        {"&File", Command::ExportGame, "Export &Game (PGN)...", {}, &MainWindow::exportGame},
        {"&File", Command::CopyGame, "&Copy Game as PGN", Qt::CTRL | Qt::SHIFT | Qt::Key_C, &MainWindow::copyGame},
        {"&File", Command::CopyPosition, "Copy Position as &FEN", {}, &MainWindow::copyPosition},
        {"&File", Command::PasteGameText, "&Paste Position or Game", Qt::CTRL | Qt::SHIFT | Qt::Key_V,
         &MainWindow::pasteGameText},
        {"&File", Command::Exit, "-E&xit", {}, nullptr},
        {"&Game", Command::UndoMove, "&Undo Move", Qt::CTRL | Qt::Key_U, &MainWindow::undoMove},
        {"&Game", Command::Resign, "&Resign", {}, &MainWindow::resign},
        {"&Game", Command::OfferDraw, "Offer &Draw", {}, &MainWindow::offerDraw},
        {"&Game", Command::ClaimDraw, "&Claim Draw", {}, &MainWindow::claimDraw},
        {"&Game", Command::TimeControl, "-&Time Control...", {}, nullptr},
        {"&Game", Command::PauseClocks, "Pause Cloc&ks", Qt::Key_F8, &MainWindow::pauseClocks},
        {"&Game", Command::ReadPosition, "-Read &Position", Qt::CTRL | Qt::Key_R, &MainWindow::readPosition},
        {"&Game", Command::Hint, "&Hint", Qt::CTRL | Qt::Key_H, &MainWindow::showHint},
        {"&Options/&Color", Command::DarkSquare, "&Dark Square", {}, &MainWindow::chooseDarkSquare},
        {"&Options/&Color", Command::LightSquare, "&Light Square", {}, &MainWindow::chooseLightSquare},
        {"&Options/&Color", Command::OriginalColors, "-&Original Colors", {}, &MainWindow::originalColors},
        {"&Options/&Piece Set", Command::PieceSetDudidi, "Dudidi", {}, nullptr},
        {"&Options/&Piece Set", Command::PieceSetFerrow1, "Ferrow Color 1", {}, nullptr},
        {"&Options/&Piece Set", Command::PieceSetFerrow2, "Ferrow Color 2", {}, nullptr},
        {"&Options", Command::ShowHideCoordinates, "-&Show/Hide Coordinates", {}, &MainWindow::showHideCoordinates},
        {"&Options", Command::AnnounceMoves, "&Announce Moves", {}, &MainWindow::toggleAnnouncements},
        {"&Options", Command::Sounds, "S&ounds", {}, &MainWindow::toggleSounds},
        {"&Options", Command::StandardRules, "S&tandard Chess Rules", {}, &MainWindow::toggleStandardRules},
        {"&Options", Command::Engines, "&Engines...", {}, &MainWindow::showEngines},
        {"&Network Play", Command::DirectNetworkGame, "&Direct Network Game", Qt::CTRL | Qt::Key_I,
         &MainWindow::directNetworkGame},
        {"&Network Play", Command::NetworkAddress, "Your Network &Address...", {}, &MainWindow::showNetworkAddress},
        {"&Network Play", Command::AcceptInternetCalls, "Accept Calls from the &Internet", {},
         &MainWindow::toggleInternetCalls},
        {"&Network Play", Command::NetworkResign, "-&Resign", {}, nullptr},
        {"&Network Play", Command::KillGame, "&Kill Game (Opponent is lagging or gone ONLY)", {}, nullptr},
        {"&Network Play", Command::NetworkDraw, "Offer &Draw", {}, nullptr},
        {"&Network Play", Command::NetworkTakeback, "Ask to &Take Back Move", {}, nullptr},
        {"&Network Play", Command::Rematch, "Re&match", {}, nullptr},
        {"&Network Play", Command::CallAgain, "&Call Again", {}, nullptr},
        {"&Help", Command::WhatsNew, "&What's New in 3.0", {}, nullptr},
        {"&Help", Command::About, "-&About Orbel Chess 3.0...", {}, nullptr},
        {"&Help", Command::Keys, "-&Keyboard", Qt::Key_F1, &MainWindow::showKeys},
    };
    return items;
}

void MainWindow::createMenus() {
    std::map<QString, QMenu*> menus;
    for (const MenuItem& item : menuItems()) {
        QAction* action = addMenuItem(menus, item.menu, item.text, item.keys);
        if (item.slot) connect(action, &QAction::triggered, this, item.slot);
        commands_.add(item.command, action);
    }
}

QAction* MainWindow::addMenuItem(std::map<QString, QMenu*>& menus, const char* path, const char* label,
                                 const QKeySequence& keys) {
    std::function<QMenu*(const QString&)> menuFor = [&](const QString& name) {
        QMenu*& menu = menus[name];
        if (!menu) {
            const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
            menu = slash < 0 ? menuBar()->addMenu(name) : menuFor(name.left(slash))->addMenu(name.mid(slash + 1));
        }
        return menu;
    };
    QString text = QString::fromUtf8(label);
    QMenu* menu = menuFor(QString::fromUtf8(path));
    // A leading "-" puts a separator before the item.
    if (text.startsWith(QLatin1Char('-'))) menu->addSeparator(), text.remove(0, 1);
    QAction* action = menu->addAction(text);
    if (!keys.isEmpty()) action->setShortcut(keys);
    return action;
}

void MainWindow::connectMenuItems() {
    // Those whose slot takes what it is for.
    connect(action(Command::Exit), &QAction::triggered, this, &QWidget::close);
    connect(action(Command::PieceSetDudidi), &QAction::triggered, this, [this] { choosePieceSet(0); });
    connect(action(Command::PieceSetFerrow1), &QAction::triggered, this, [this] { choosePieceSet(1); });
    connect(action(Command::PieceSetFerrow2), &QAction::triggered, this, [this] { choosePieceSet(2); });
    connect(action(Command::NetworkResign), &QAction::triggered, this, [this] { endNetworkGame(PeerCommand::Resign); });
    connect(action(Command::KillGame), &QAction::triggered, this, [this] { endNetworkGame(PeerCommand::End); });
    connect(action(Command::NetworkDraw), &QAction::triggered, this, [this] { networkPlay_.offer(OfferKind::Draw); });
    connect(action(Command::NetworkTakeback), &QAction::triggered, this, [this] { networkPlay_.offer(OfferKind::Takeback); });
    connect(action(Command::Rematch), &QAction::triggered, this, [this] { networkPlay_.offer(OfferKind::Rematch); });
    connect(action(Command::TimeControl), &QAction::triggered, this, [this] { chooseTimeControl(this); });
    connect(action(Command::CallAgain), &QAction::triggered, &network_, &NetworkSession::callAgain);
    connect(action(Command::WhatsNew), &QAction::triggered, this, [this] { showInfo(false); });
    connect(action(Command::About), &QAction::triggered, this, [this] { showInfo(true); });
    action(Command::About)->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Slash), QKeySequence(Qt::ALT | Qt::Key_Question)});
    for (const Command c : {Command::PieceSetDudidi, Command::PieceSetFerrow1, Command::PieceSetFerrow2,
                            Command::AnnounceMoves, Command::Sounds, Command::StandardRules, Command::AcceptInternetCalls})
        action(c)->setCheckable(true);
    for (const Command c : {Command::UndoMove, Command::NetworkResign, Command::KillGame}) action(c)->setEnabled(false);
    updateDrawCommands();
    updateNetworkCommands();
    updateClockCommands();
    commands_.setChecked(static_cast<Command>(static_cast<int>(Command::PieceSetDudidi) + state_.pieceSetIndex), true);
    commands_.setChecked(Command::AnnounceMoves, state_.announceMoves);
    commands_.setChecked(Command::Sounds, state_.sounds);
    commands_.setChecked(Command::StandardRules, state_.standardRules);
    commands_.setChecked(Command::AcceptInternetCalls, state_.acceptInternetCalls);
    // Offered once the program knows it may ask the router (not told
    // --no-port-mapping, listening, its helper found).
    action(Command::AcceptInternetCalls)->setVisible(false);
    // F10 opens the menu bar, as on other desktops.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(Qt::Key_F10);
    connect(menuKey, &QAction::triggered, this, [this] {
        const QList<QAction*> menus = menuBar()->actions();
        if (!menus.isEmpty()) menuBar()->setActiveAction(menus.first());
    });
    addAction(menuKey);
}

QWidget* MainWindow::createDrawingArea() {
    auto* client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    const auto paint = [this](QImage& surface) { paintBoardWindow(scene(), state_, surface, bitmaps_, boardFont_); };
    board_ = new BoardWindow(state_.geometry, paint, [this](QPainter& p) { paintOverlay(p); }, client);
    board_->move(0, 0);
    liveText_ = new LiveText(statusBar());
    BoardKeys::Window parts{state_, *board_, *liveText_, [this](const QString& text) { showStatusMessage(text); },
                            [this](QPoint at) { carryTo(at); }, [this] { return scene(); },
                            [this] { showClocks(); }};
    keys_ = std::make_unique<BoardKeys>(std::move(parts), table_, hand_);
    table_.choosePromotion = [this] { return choosePromotion(); };
    board_->onKey = [this](const QKeyEvent& event) { return keys_->keyPress(event); };
    board_->reading = keys_.get();
    connect(board_, &BoardWindow::pressed, this, &MainWindow::boardPressed);
    connect(board_, &BoardWindow::released, this, &MainWindow::boardReleased);
    connect(board_, &BoardWindow::dragged, this, &MainWindow::carryTo);
    setCentralWidget(client);
    return client;
}

void MainWindow::createPanes(QWidget* client) {
    brainPane_ = new QLabel(QStringLiteral("Brain:"), client);
    brainPane_->setGeometry(BrainPaneArea);
    brainPane_->setFont(boardFont_);
    brainPane_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    brainPane_->setLineWidth(2);
    brainPane_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    brainPane_->setWordWrap(true);
    brainPane_->setTextFormat(Qt::PlainText);
    brainPane_->setAccessibleName(QStringLiteral("Brain:"));

    const auto paneFont = [this]() -> const QFont& { return this->paneFont(); };
    blackPane_ = new HistoryPane(QStringLiteral("Black:"), lists_, Side::Black, paneFont, client);
    blackPane_->setGeometry(BlackPaneArea);
    whitePane_ = new HistoryPane(QStringLiteral("White:"), lists_, Side::White, paneFont, client);
    whitePane_->setGeometry(WhitePaneArea);

    status_ = new QLabel(QString::fromUtf8(text::WhiteToMove));
    statusBar()->addWidget(status_, 1);
    rulesLabel_ = new QLabel;
    rulesLabel_->setObjectName(QStringLiteral("rules"));
    rulesLabel_->setAccessibleName(QStringLiteral("Rules"));
    rulesLabel_->setContentsMargins(0, 0, 4, 0);
    statusBar()->addPermanentWidget(rulesLabel_);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setAccessibleName(QStringLiteral("Status"));

    chatPane_ = new ChatPane(paneFont, client);
    chatPane_->setGeometry(BrainPaneArea);
    chatPane_->setAccessibleName(QStringLiteral("Chat:"));
    chatPane_->edit()->setAccessibleName(QStringLiteral("Chat line"));
    chatPane_->hide();
    chatPane_->onEnter = [this](const QString& typed) { network_.sendChatLine(typed); };
    // After a dialog the board has the keys again, unless the chat line had them.
    modal_.afterDialog = [this](QWidget* focusBefore) {
        if (destroyed_) return;
        if (focusBefore == chatPane_->edit() && chatPane_->isVisible()) {
            chatPane_->edit()->setFocus();
        } else {
            board_->setFocus();
        }
    };
}

const QFont& MainWindow::paneFont() {
    if (!paneFontFound_) {
        paneFont_ = fontWithCellHeight("Times New Roman", 14, QFont::Normal);
        paneFontFound_ = true;
    }
    return paneFont_;
}

void MainWindow::runStartUpDialog() {
    runNewGameSetup();
    invalidate();
}

void MainWindow::invalidate() { board_->invalidateAll(); }

void MainWindow::setStatusText(const QString& text) {
    status_->setText(text);
    keys_->statusChanged();
}

QString MainWindow::statusText() const { return status_->text(); }

void MainWindow::showStatusMessage(const QString& text) {
    if (text.isEmpty()) {
        statusBar()->clearMessage();
    } else {
        statusBar()->showMessage(text);
    }
}

QString MainWindow::statusMessage() const { return statusBar()->currentMessage(); }

void MainWindow::announce(const QString& text) {
    if (state_.announceMoves) liveText_->say(text);
}

void MainWindow::tell(const QString& text) { liveText_->say(text); }

void MainWindow::playSound(int resource) {
    if (!state_.sounds) return;
    if (seams_.sound) {
        seams_.sound(resource);
        return;
    }
    sounds_.play(resource);
}

BoardScene MainWindow::scene() const {
    BoardScene scene;
    scene.gameExists = game_.exists();
    scene.bottom = table_.userSide();
    if (!scene.gameExists) return scene;
    scene.pieces = game_.position().squares;
    // The piece in the hand is not on its square.
    if (hand_.holding()) scene.pieces[static_cast<std::size_t>(hand_.from())] = Piece{};
    scene.frameFrom = frameFrom_;
    scene.frameTo = frameTo_;
    if (hint_) scene.hintFrom = hint_->from, scene.hintTo = hint_->to;
    scene.drawn = game_.result() == "1/2-1/2";
    if (!table_.opponentName().isEmpty()) {
        // The peer chose this name: bounded and isolated as in any sentence,
        // so that it cannot reorder the score after it.
        scene.topName = nameInSentence(table_.opponentName());
        scene.bottomName = QStringLiteral("You");
    }
    if (clocks_.timed()) {
        const std::optional<Side> running = clocks_.running();
        scene.clocks.emplace();
        for (const Side side : {Side::White, Side::Black})
            (*scene.clocks)[static_cast<std::size_t>(side)] = {clocks_.remaining(side), running == side};
    }
    return scene;
}

void MainWindow::startPortMapping(PortMapOptions options) { portMapper_ = std::make_unique<PortMapper>(std::move(options)); }

void MainWindow::allowPortMapping(PortMapOptions options) {
    mappingOptions_ = std::move(options);
    action(Command::AcceptInternetCalls)->setVisible(true);
    if (state_.acceptInternetCalls) startPortMapping(*mappingOptions_);
}

void MainWindow::stopPortMapping() {
    if (!portMapper_) return;
    // The router is told off this thread; the next mapping waits for it.
    portMapper_->requestStop();
    retiringMapper_ = std::move(portMapper_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The router is told while the rest of the window goes.
    if (portMapper_) portMapper_->requestStop();
    // A computer move in progress is finished first; it takes milliseconds.
    // An engine is told to quit, and killed when it does not.
    computer().stop();
    table_.engine().stop();
    hints_.stop();
    if (!destroyed_) {
        destroyed_ = true;
        network_.windowDestroyed();
    }
    event->accept();
}

}  // namespace orbel
