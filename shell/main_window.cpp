#include "shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>
#include <iterator>
#include <vector>
#include <utility>

#include "game/new_game.h"
#include "game/one_player.h"
#include "game/texts.h"
#include "game/window_messages.h"
#include "shell/board_accessible.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/common_proc.h"
#include "shell/dialogs.h"
#include "shell/history_pane.h"
#include "shell/live_text.h"
#include "shell/modal.h"
#include "shell/settings.h"

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

// The commands that would replace or end the game object the computer's
// thread is using; they wait, greyed, until its move is handed back.
constexpr int commandsGreyedWhileThinking[] = {cmd::NewOnePlayerGame, cmd::NewTwoPlayerGame, cmd::Resign,
                                               cmd::DirectNetworkGame, cmd::OpenGameText, cmd::PasteGameText};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), mode_(onePlayerProc) {
    initResources();
    installBoardAccessibility();
    for (QColor& c : customColours) c = Qt::black;
    setUpFrame();
    boardFont_ = fontWithCellHeight("Times New Roman", 19, QFont::Normal);
    // The square colours are read before the window exists.
    readSquareColours();
    createMenus();
    QWidget* client = createDrawingArea();
    // The piece set is read once the menu exists, to carry its check mark.
    readPieceSet();
    createPanes(client);
    connectPanes();
    // Fixed size: no maximise, no resizing.
    adjustSize();
    setFixedSize(sizeHint());
    // The keys go to the board from the start.
    board_->setFocus();
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

void MainWindow::readSquareColours() {
    StoredSettings stored;
    readColourSettings(stored);
    ui_.lightSquareColor = stored.lightSquareColor;
    ui_.darkSquareColor = stored.darkSquareColor;
    readAnnounceSetting(stored);
    ui_.announceMoves = stored.announceMoves;
}

QWidget* MainWindow::createDrawingArea() {
    auto* client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    board_ = new BoardWindow([this](int m, std::uintptr_t w, std::intptr_t l) { return dispatch(m, w, l); },
                             [this](QPainter& p) { paintOverlay(p); }, client);
    board_->move(0, 0);
    board_->onKey = [this](const QKeyEvent& event) { return keys_.keyPress(event); };
    board_->onMousePress = [this] { keys_.mousePressed(); };
    board_->reading = &keys_;
    liveText_ = new LiveText(client);
    setCentralWidget(client);
    dispatch(msg::WM_CREATE);
    dispatch(msg::WM_SIZE);
    return client;
}

void MainWindow::readPieceSet() {
    StoredSettings stored;
    readPieceSetSetting(stored);
    ui_.pieceSetIndex = stored.pieceSetIndex;
    checkCommand(cmd::PieceSetDudidi + ui_.pieceSetIndex, true);
    checkCommand(cmd::AnnounceMoves, ui_.announceMoves);
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
    blackPane_ = new HistoryPane(QStringLiteral("Black:"), ui_.game.blackHistory, paneFont, client);
    blackPane_->setGeometry(BlackPaneArea);
    whitePane_ = new HistoryPane(QStringLiteral("White:"), ui_.game.whiteHistory, paneFont, client);
    whitePane_->setGeometry(WhitePaneArea);

    status_ = new QLabel(QString::fromUtf8(text::WhiteToMove));
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setAccessibleName(QStringLiteral("Status"));

    chatPane_ = new ChatPane(paneFont, client);
    chatPane_->setGeometry(BrainPaneArea);
    chatPane_->setAccessibleName(QStringLiteral("Chat:"));
    chatPane_->edit()->setAccessibleName(QStringLiteral("Chat line"));
    chatPane_->hide();
}

void MainWindow::connectPanes() {
    connect(&brainTimer_, &QTimer::timeout, this, [this] { dispatch(msg::WM_TIMER, 1, 0); });
    chatPane_->onEnter = [this](const QString& typed) {
        sendingChatLine_ = true;
        network_.sendChatLine(typed);
        sendingChatLine_ = false;
    };
}

MainWindow::~MainWindow() {
    // The thinking thread must be gone before the window is.
    thinking_.join();
}

const QFont& MainWindow::paneFont() {
    if (!paneFontFound_) {
        paneFont_ = fontWithCellHeight("Times New Roman", 14, QFont::Normal);
        paneFontFound_ = true;
    }
    return paneFont_;
}

void MainWindow::runStartUpDialog() {
    NewGameSetupDialog dialog(*this, this);
    runDialog(dialog);
    invalidate();
}

void MainWindow::readPosition() { liveText_->say(keys_.positionText()); }

int MainWindow::dispatch(int message, std::uintptr_t wParam, std::intptr_t lParam) {
    return mode_(*this, message, wParam, lParam);
}

int MainWindow::commonProc(int message, std::uintptr_t wParam, std::intptr_t lParam) {
    return orbel::commonProc(*this, message, wParam, lParam);
}

void MainWindow::createMenus() {
    auto add = [this](QMenu* menu, int id, const char* text, QKeySequence keys = {}) {
        QAction* a = menu->addAction(QString::fromUtf8(text));
        a->setData(id);
        if (!keys.isEmpty()) a->setShortcut(keys);
        connect(a, &QAction::triggered, this, [this, id] { sendCommand(id); });
        actions_[id] = a;
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, cmd::NewOnePlayerGame, "&New 1 Player Game", QKeySequence(Qt::CTRL | Qt::Key_N));
    add(file, cmd::NewTwoPlayerGame, "N&ew 2 Player Game", QKeySequence(Qt::CTRL | Qt::Key_M));
    file->addSeparator();
    add(file, cmd::SaveGame, "&Save Game", QKeySequence(Qt::CTRL | Qt::Key_S));
    add(file, cmd::LoadGame, "&Load Game", QKeySequence(Qt::CTRL | Qt::Key_L));
    file->addSeparator();
    add(file, cmd::OpenGameText, "&Open PGN or FEN...");
    add(file, cmd::ExportGame, "Export &Game (PGN)...");
    add(file, cmd::CopyGame, "&Copy Game as PGN", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    add(file, cmd::CopyPosition, "Copy Position as &FEN");
    add(file, cmd::PasteGameText, "&Paste Position or Game", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    file->addSeparator();
    add(file, cmd::Exit, "E&xit");

    QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
    add(game, cmd::UndoMove, "&Undo Move", QKeySequence(Qt::CTRL | Qt::Key_U))->setEnabled(false);
    add(game, cmd::Resign, "&Resign");
    game->addSeparator();
    add(game, cmd::ReadPosition, "Read &Position", QKeySequence(Qt::CTRL | Qt::Key_R));

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    QMenu* colour = options->addMenu(QStringLiteral("&Color"));
    add(colour, cmd::DarkSquare, "&Dark Square");
    add(colour, cmd::LightSquare, "&Light Square");
    colour->addSeparator();
    add(colour, cmd::OriginalColors, "&Original Colors");
    QMenu* pieces = options->addMenu(QStringLiteral("&Piece Set"));
    add(pieces, cmd::PieceSetDudidi, "Dudidi")->setCheckable(true);
    add(pieces, cmd::PieceSetFerrow1, "Ferrow Color 1")->setCheckable(true);
    add(pieces, cmd::PieceSetFerrow2, "Ferrow Color 2")->setCheckable(true);
    options->addSeparator();
    add(options, cmd::ShowHideCoordinates, "&Show/Hide Coordinates");
    add(options, cmd::AnnounceMoves, "&Announce Moves")->setCheckable(true);

    QMenu* network = menuBar()->addMenu(QStringLiteral("&Network Play"));
    add(network, cmd::DirectNetworkGame, "&Direct Network Game", QKeySequence(Qt::CTRL | Qt::Key_I));
    add(network, cmd::NetworkAddress, "Your Network &Address...");
    network->addSeparator();
    add(network, cmd::NetworkResign, "&Resign")->setEnabled(false);
    add(network, cmd::KillGame, "&Kill Game (Opponent is lagging or gone ONLY)")->setEnabled(false);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    add(help, cmd::WhatsNew, "&What's New in 3.0");
    help->addSeparator();
    QAction* about = add(help, cmd::About, "&About Orbel Chess 3.0...");
    about->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Slash), QKeySequence(Qt::ALT | Qt::Key_Question)});
}

QAction* MainWindow::action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::invalidate() { board_->invalidateAll(); }

void MainWindow::invalidateArea(const PixelRect& area) {
    board_->invalidate(QRect(area.left, area.top, area.width, area.height));
}

void MainWindow::setStatusText(const QString& text) {
    status_->setText(text);
    keys_.statusChanged();
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
    if (ui_.announceMoves) liveText_->say(text);
}

void MainWindow::enableCommand(int id, bool enabled) {
    // While the computer thinks, the items it greyed stay grey; what was asked
    // for them is applied when its move is handed back.
    const auto held = greyedForThinking_.find(id);
    if (held != greyedForThinking_.end()) {
        held->second = enabled;
        return;
    }
    if (QAction* a = action(id)) a->setEnabled(enabled);
}

void MainWindow::checkCommand(int id, bool checked) {
    if (QAction* a = action(id)) a->setChecked(checked);
}

void MainWindow::scrollHistoryPane(bool white, int code) { historyPane(white)->vscroll(code); }

void MainWindow::invalidateHistoryPanes() {
    whitePane_->updateRange();
    blackPane_->updateRange();
    whitePane_->update();
    blackPane_->update();
}

void MainWindow::setBrainText(const QString& text) {
    brainPane_->setText(text);
    // Named "Brain:"; the line and value are what a reader reads on.
    brainPane_->setAccessibleDescription(text);
}

void MainWindow::messageBox(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon) {
    showMessageBox(seams_, parent, text, caption, icon);
}

bool MainWindow::askYesNo(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon) {
    return askQuestion(seams_, parent, text, caption, icon);
}

int MainWindow::runDialog(QDialog& dialog) {
    QWidget* focusBefore = QApplication::focusWidget();
    const int result = runModalDialog(seams_, dialog);
    focusBoardAfterDialog(focusBefore);
    return result;
}

void MainWindow::focusBoardAfterDialog(QWidget* focusBefore) {
    if (destroyed_) return;
    if (focusBefore == chatPane_->edit() && chatPane_->isVisible()) {
        chatPane_->edit()->setFocus();
    } else {
        board_->setFocus();
    }
}

void MainWindow::playSound(int resource) {
    if (seams_.sound) {
        seams_.sound(resource);
        return;
    }
    sounds_.play(resource);
}

void MainWindow::showChatPane(bool show) {
    chatPane_->clearLines();
    chatPane_->setAccessibleDescription(QString());
    brainPane_->setVisible(!show);
    chatPane_->setVisible(show);
    if (show) chatPane_->edit()->setFocus();
    enableCommand(cmd::Resign, !show);
    enableCommand(cmd::DirectNetworkGame, !show && network_.state() != NetworkSession::State::Unavailable);
    enableCommand(cmd::SaveGame, !show);
    enableCommand(cmd::LoadGame, !show);
    enableCommand(cmd::OpenGameText, !show);
    enableCommand(cmd::PasteGameText, !show);
    enableCommand(cmd::NetworkResign, show);
    enableCommand(cmd::KillGame, show);
}

void MainWindow::addChatLine(const QString& line) {
    chatPane_->addChatLine(line);
    chatPane_->update();
    QStringList shown = chatPane_->lines();
    std::reverse(shown.begin(), shown.end());
    shown.removeAll(QString());
    chatPane_->setAccessibleDescription(shown.join(QLatin1Char('\n')));
    // The user's own line, echoed as it is sent, is not read back to them.
    const QString own = network_.localNickname + QStringLiteral("> ");
    if (sendingChatLine_ && line.startsWith(own)) return;
    const QString peer = network_.peerNickname + QStringLiteral("> ");
    announce(line.startsWith(peer) ? network_.peerNickname + QStringLiteral(" says: ") + line.mid(peer.size()) : line);
}

void MainWindow::showWaitCursor(bool wait) { setCursor(wait ? Qt::WaitCursor : Qt::ArrowCursor); }

void MainWindow::loadDragBitmaps(int row, int col) {
    carriedPiece_ = onBoard(row, col)
                        ? pieceImageResource(ui_.game.displayBoard.at(row, col), ui_.pieceSetIndex, ui_.humanPlaysBlack)
                        : 0;
}

void MainWindow::paintOverlay(QPainter& painter) {
    drawSquareCursor(painter, ui_);
    if (carriedPiece_ == 0) return;
    drawCarriedPiece(painter, ui_, bitmaps_.piece(carriedPiece_, painter.device()->devicePixelRatioF()));
}

void MainWindow::startComputerMove() {
    enableCommand(cmd::UndoMove, false);
    enableCommand(cmd::SaveGame, false);
    enableCommand(cmd::LoadGame, false);
    for (int id : commandsGreyedWhileThinking) {
        QAction* a = action(id);
        greyedForThinking_[id] = a->isEnabled();
        a->setEnabled(false);
    }
    brainTimer_.start(10);
    // No last-move frame while the computer thinks.
    MoveRecord& shown = ui_.game.computerMove;
    shown.fromRow = shown.fromCol = shown.toRow = shown.toCol = -1;

    // Queued onto the window's thread: the worker never touches a widget, and
    // a window closed meanwhile takes the queued call with it.
    auto postHandBack = [this] { QMetaObject::invokeMethod(this, &MainWindow::handBack, Qt::QueuedConnection); };
    handBackPending_ = true;
    const bool refused = std::exchange(seams_.refuseNextThread, false);
    if (refused || !thinking_.start(ui_.game.currentGame, ui_.game.humanMove, postHandBack, seams_.chooseMove)) {
        // No thread to be had: the computer thinks here instead (it takes a
        // few milliseconds), and its move comes back the same way.
        thinking_.chooseHere(ui_.game.currentGame, ui_.game.humanMove, seams_.chooseMove);
        postHandBack();
    }
}

void MainWindow::settleComputerMove() {
    // The move takes milliseconds: waiting for the thread here is no longer
    // than a turn of the event loop would be.
    if (handBackPending_) handBack();
}

void MainWindow::endComputerMove() {
    // One last tick before the timer stops, so the pane shows the line the
    // computer settled on even when it answered between two ticks.
    if (brainTimer_.isActive()) dispatch(msg::WM_TIMER, 1, 0);
    brainTimer_.stop();
    const auto held = std::move(greyedForThinking_);
    greyedForThinking_.clear();
    for (const auto& [id, enabled] : held) action(id)->setEnabled(enabled);
}

void MainWindow::handBack() {
    // Taken in once: by the queued call, or earlier by settleComputerMove.
    if (!std::exchange(handBackPending_, false)) return;
    // The thread has ended (or is about to): only after joining it are its
    // result and the game object ours again.
    thinking_.join();
    if (destroyed_) return;
    MoveRecord& move = ui_.game.computerMove;
    const MoveRecord& result = thinking_.result();
    move.fromRow = result.fromRow;
    move.fromCol = result.fromCol;
    move.toRow = result.toRow;
    move.toCol = result.toCol;
    move.isCapture = result.isCapture;
    if (thinking_.outcome() == ChoiceOutcome::Failed) showFatalError(*this);
    sendCommand(cmd::ComputerMoveReady);
}

void MainWindow::startPortMapping(PortMapOptions options) { portMapper_ = std::make_unique<PortMapper>(std::move(options)); }

void MainWindow::closeEvent(QCloseEvent* event) {
    // The router is told while the rest of the window goes.
    if (portMapper_) portMapper_->requestStop();
    // A computer move in progress is finished first; it takes milliseconds.
    thinking_.join();
    if (!destroyed_) {
        destroyed_ = true;
        dispatch(msg::WM_DESTROY);
    }
    event->accept();
}

}  // namespace orbel
