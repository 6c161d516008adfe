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
#include "shell/translation.h"

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
    setWindowTitle(tr("Orbel Chess 3.0"));
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

// A menu item: its menu's path (menus apart by "/"), its command, whether a
// separator comes before it, its text, its keys and its slot. The texts are
// English, translated as the menus are made.
struct MainWindow::MenuItem {
    const char* menu;
    Command command;
    bool separatorBefore;
    const char* text;
    QKeySequence keys;
    void (MainWindow::*slot)();
};

const MainWindow::MenuItem MainWindow::MenuItems[] = {
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&File"), Command::NewOnePlayerGame, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&New 1 Player Game"), Qt::CTRL | Qt::Key_N, &MainWindow::newOnePlayerGame},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&File"), Command::NewTwoPlayerGame, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "N&ew 2 Player Game"), Qt::CTRL | Qt::Key_M, &MainWindow::newTwoPlayerGame},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&File"), Command::SaveGame, true,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Save Game"), Qt::CTRL | Qt::Key_S, &MainWindow::saveGame},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&File"), Command::LoadGame, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Load Game"), Qt::CTRL | Qt::Key_L, &MainWindow::loadGame},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&File"), Command::OpenGameText, true,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Open PGN or FEN..."), {}, &MainWindow::openGameText},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&File"), Command::ExportGame, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Export &Game (PGN)..."), {}, &MainWindow::exportGame},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&File"), Command::CopyGame, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Copy Game as PGN"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_C, &MainWindow::copyGame},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&File"), Command::CopyPosition, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Copy Position as &FEN"), {}, &MainWindow::copyPosition},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&File"), Command::PasteGameText, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Paste Position or Game"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_V, &MainWindow::pasteGameText},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&File"), Command::Exit, true,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "E&xit"), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Game"), Command::UndoMove, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Undo Move"), Qt::CTRL | Qt::Key_U, &MainWindow::undoMove},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Game"), Command::Resign, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Resign"), {}, &MainWindow::resign},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Game"), Command::OfferDraw, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Offer &Draw"), {}, &MainWindow::offerDraw},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Game"), Command::ClaimDraw, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Claim Draw"), {}, &MainWindow::claimDraw},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Game"), Command::TimeControl, true,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Time Control..."), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Game"), Command::PauseClocks, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Pause Cloc&ks"), Qt::Key_F8, &MainWindow::pauseClocks},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Game"), Command::ReadPosition, true,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Read &Position"), Qt::CTRL | Qt::Key_R, &MainWindow::readPosition},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Game"), Command::Hint, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Hint"), Qt::CTRL | Qt::Key_H, &MainWindow::showHint},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Options/&Color"), Command::DarkSquare, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Dark Square"), {}, &MainWindow::chooseDarkSquare},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Options/&Color"), Command::LightSquare, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Light Square"), {}, &MainWindow::chooseLightSquare},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Options/&Color"), Command::OriginalColors, true,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Original Colors"), {}, &MainWindow::originalColors},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Options/&Piece Set"), Command::PieceSetDudidi, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Dudidi"), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Options/&Piece Set"), Command::PieceSetFerrow1, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Ferrow Color 1"), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Options/&Piece Set"), Command::PieceSetFerrow2, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Ferrow Color 2"), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Options"), Command::ShowHideCoordinates, true,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Show/Hide Coordinates"), {}, &MainWindow::showHideCoordinates},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Options"), Command::AnnounceMoves, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Announce Moves"), {}, &MainWindow::toggleAnnouncements},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Options"), Command::Sounds, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "S&ounds"), {}, &MainWindow::toggleSounds},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Options"), Command::StandardRules, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "S&tandard Chess Rules"), {}, &MainWindow::toggleStandardRules},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Options"), Command::Engines, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Engines..."), {}, &MainWindow::showEngines},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Network Play"), Command::DirectNetworkGame, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Direct Network Game"),
     Qt::CTRL | Qt::Key_I, &MainWindow::directNetworkGame},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Network Play"), Command::NetworkAddress, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Your Network &Address..."), {}, &MainWindow::showNetworkAddress},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Network Play"), Command::AcceptInternetCalls, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Accept Calls from the &Internet"), {}, &MainWindow::toggleInternetCalls},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Network Play"), Command::NetworkResign, true,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Resign"), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Network Play"), Command::KillGame, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Kill Game (Opponent is lagging or gone ONLY)"), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Network Play"), Command::NetworkDraw, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Offer &Draw"), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Network Play"), Command::NetworkTakeback, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Ask to &Take Back Move"), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Network Play"), Command::Rematch, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "Re&match"), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Network Play"), Command::CallAgain, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Call Again"), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Help"), Command::WhatsNew, false,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&What's New in 3.0"), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Help"), Command::About, true,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&About Orbel Chess 3.0..."), {}, nullptr},
    {QT_TRANSLATE_NOOP("orbel::MainWindow", "&Help"), Command::Keys, true,
     QT_TRANSLATE_NOOP("orbel::MainWindow", "&Keyboard"), Qt::Key_F1, &MainWindow::showKeys},
};

void MainWindow::createMenus() {
    std::map<QString, QMenu*> menus;
    for (const MenuItem& item : MenuItems) {
        if (item.separatorBefore) menuFor(menus, tr(item.menu))->addSeparator();
        QAction* action = menuFor(menus, tr(item.menu))->addAction(tr(item.text));
        if (!item.keys.isEmpty()) action->setShortcut(item.keys);
        if (item.slot) connect(action, &QAction::triggered, this, item.slot);
        commands_.add(item.command, action);
    }
}

QMenu* MainWindow::menuFor(std::map<QString, QMenu*>& menus, const QString& path) {
    QMenu*& menu = menus[path];
    if (!menu) {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        menu = slash < 0 ? menuBar()->addMenu(path) : menuFor(menus, path.left(slash))->addMenu(path.mid(slash + 1));
    }
    return menu;
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
    brainPane_ = new QLabel(tr("Brain:"), client);
    brainPane_->setGeometry(BrainPaneArea);
    brainPane_->setFont(boardFont_);
    brainPane_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    brainPane_->setLineWidth(2);
    brainPane_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    brainPane_->setWordWrap(true);
    brainPane_->setTextFormat(Qt::PlainText);
    brainPane_->setAccessibleName(tr("Brain:"));

    const auto paneFont = [this]() -> const QFont& { return this->paneFont(); };
    blackPane_ = new HistoryPane(tr("Black:"), lists_, Side::Black, paneFont, client);
    blackPane_->setGeometry(BlackPaneArea);
    whitePane_ = new HistoryPane(tr("White:"), lists_, Side::White, paneFont, client);
    whitePane_->setGeometry(WhitePaneArea);

    status_ = new QLabel(text::tr(text::WhiteToMove));
    statusBar()->addWidget(status_, 1);
    rulesLabel_ = new QLabel;
    rulesLabel_->setObjectName(QStringLiteral("rules"));
    rulesLabel_->setAccessibleName(tr("Rules"));
    rulesLabel_->setContentsMargins(0, 0, 4, 0);
    statusBar()->addPermanentWidget(rulesLabel_);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setAccessibleName(tr("Status"));

    chatPane_ = new ChatPane(paneFont, client);
    chatPane_->setGeometry(BrainPaneArea);
    chatPane_->setAccessibleName(tr("Chat:"));
    chatPane_->edit()->setAccessibleName(tr("Chat line"));
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
        scene.bottomName = tr("You");
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
