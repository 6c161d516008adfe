// How the main window follows the game: what it shows, says and plays when
// a game begins, a move is played, the computer thinks and a game ends; and
// the mouse on the board.
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include "game/notation/spoken.h"
#include "rules/standard_moves.h"
#include "shell/board_window.h"
#include "shell/chat_pane.h"
#include "shell/dialogs.h"
#include "shell/live_text.h"
#include "shell/main_window.h"
#include "shell/net_texts.h"
#include "shell/resource_ids.h"
#include "shell/texts.h"
#include "shell/translation.h"

namespace orbel {
namespace {

// The context the draws' reasons are translated under (rules/draws.h).
constexpr const char* DrawReasonContext = "orbel::DrawReason";

}  // namespace

void MainWindow::followTheGame() {
    connect(&game_, &Game::begun, this, &MainWindow::begun);
    connect(&game_, &Game::movePlayed, this, &MainWindow::movePlayed);
    connect(&game_, &Game::gameEnded, this, &MainWindow::gameEnded);
    connect(&game_, &Game::takenBack, this, &MainWindow::invalidate);
    connect(&game_, &Game::moveTakenBack, this, [this] {
        updateNetworkCommands();
        updateCursor();
        invalidate();
    });
    connect(&game_, &Game::checkTestFailed, this, [this] {
        modal_.box(text::tr(text::InternalError), text::tr(text::Error), MessageIcon::Stop, false);
    });
    connect(&hand_, &Hand::changed, this, &MainWindow::invalidate);
}

void MainWindow::followThePlayers() {
    ComputerPlayer& computer = table_.computer();
    connect(&computer, &ComputerPlayer::thinkingStarted, this, &MainWindow::thinkingStarted);
    connect(&computer, &ComputerPlayer::thinkingEnded, this, &MainWindow::thinkingEnded);
    connect(&computer, &ComputerPlayer::brainChanged, this, &MainWindow::showBrain);
    connect(&computer, &ComputerPlayer::failed, this, [this] {
        modal_.box(text::tr(text::FatalError), tr("Fatal Error"), MessageIcon::Stop, false);
    });
}

void MainWindow::showBrain(const QString& english) {
    // The computer's and an engine's text alike: its heading and the value's
    // name in the user's language, the line and the value as they are.
    QString text = english;
    if (text.startsWith(QLatin1String("Brain:\n"))) text.replace(0, 6, tr("Brain:"));
    const qsizetype value = text.lastIndexOf(QLatin1String("\n\nValue: "));
    //: Before the computer's or the engine's value of the position, as in "Value: 34".
    if (value >= 0) text.replace(value + 2, 6, tr("Value:"));
    brainPane_->setText(text);
    // Named "Brain:"; the line and value are what a reader reads on.
    brainPane_->setAccessibleDescription(text);
}

void MainWindow::followTheNetwork() {
    connect(&network_, &NetworkSession::gameReady, this, &MainWindow::startNetworkGame);
    connect(&network_, &NetworkSession::chatShown, this, &MainWindow::addChatLine);
    connect(&network_, &NetworkSession::peerSaid, this, &MainWindow::addPeerChatLine);
    connect(&network_, &NetworkSession::offersChanged, this, &MainWindow::updateNetworkCommands);
    connect(&networkPlay_, &NetworkPlay::said, this, &MainWindow::addChatLine);
    connect(&networkPlay_, &NetworkPlay::endGameAsked, this, [this] { endNetworkGame(PeerCommand::End); });
    connect(&networkPlay_, &NetworkPlay::noted, this, &MainWindow::showStatusMessage);
    connect(&network_, &NetworkSession::connectionLost, this, [this] {
        const QString lost = text::tr(text::ConnectionLost).arg(nameInSentence(network_.peerNickname));
        setStatusText(lost);
        announce(lost + QLatin1Char('.'));
        updateCursor();
    });
    connect(&network_, &NetworkSession::rejoined, this, [this] {
        setStatusText(toMoveText().chopped(1));
        announce(tr("%1 is back. %2").arg(nameInSentence(network_.peerNickname), toMoveText()));
        updateCursor();
    });
}

void MainWindow::begun(GameStart how) {
    // The last-move frame would mark a move of the game that was showing.
    frameFrom_ = frameTo_ = -1;
    state_.dragging = state_.dragImageShown = false;
    commands_.setEnabled(Command::UndoMove, false);
    const bool standard = game_.rules() == RuleSet::Standard;
    // An engine plays standard chess only, whatever the option says.
    rulesLabel_->setText(table_.engineSeated()  ? tr("Standard chess rules, as engines play")
                         : standard             ? tr("Standard chess rules")
                                                : tr("Orbel 3.0 rules"));
    updateDrawCommands();
    if (how != GameStart::Loaded) playSound(res::NewGameSound);
    updateCursor();
    invalidate();
}

void MainWindow::movePlayed(const PlayedMove& m) {
    // A move answers a claim on the mover's flag as well as its time can.
    claiming_ = false;
    setStatusText(text::tr(m.check ? text::Check : m.mover == Side::White ? text::BlackToMove : text::WhiteToMove));
    announce(QString::fromStdString(spokenPlay(m, false, &translated)));
    updateDrawCommands();
    if (!m.quiet) {
        playSound(res::MoveSound);
        // The move's sound, then what it did, which cuts the knock short.
        if (m.mate || m.draw != DrawReason::None) {
            playSound(res::GameEndSound);
        } else if (m.check) {
            playSound(res::CheckSound);
        } else if (m.capture) {
            playSound(res::CaptureSound);
        }
    }
    if ((m.by == PlayerKind::Computer || m.by == PlayerKind::Remote) && !m.quiet) {
        const bool castle = m.move.castle != Castle::None;
        frameFrom_ = castle ? -1 : m.move.from;
        frameTo_ = castle ? -1 : m.move.to;
    }
    if (m.by == PlayerKind::User && table_.mode() == Table::Mode::OnePlayer) enableGameCommands(true);
    if (table_.mode() == Table::Mode::Network) updateNetworkCommands();
    updateCursor();
    invalidate();
}

void MainWindow::gameOverBox(const char* text, const char* caption, MessageIcon icon, bool owned) {
    gameOverBox(text::tr(text), text::tr(caption), icon, owned);
}

void MainWindow::gameOverBox(const QString& text, const QString& caption, MessageIcon icon, bool owned) {
    // Whatever the last move said stays no longer true, should the user
    // cancel the next game and look at this one.
    setStatusText(text::tr(text::GameOver));
    if (!text.isNull()) modal_.box(text, caption, icon, owned);
}

void MainWindow::gameEnded(EndReason reason) {
    if (reason == EndReason::UserResigned) {
        gameOverBox(text::ResignBox, text::GameOver, MessageIcon::Information, true);
        runNewGameSetup();
        invalidate();
        return;
    }
    // A copy of this version stays on the line after a game that ended on
    // the board or by a resignation, for the chat and a rematch.
    const bool stay = table_.mode() == Table::Mode::Network && network_.peerIsNew() && network_.netGameActive() &&
                      reason != EndReason::Killed && reason != EndReason::OpponentCheated;
    // Otherwise the computer takes over the last position of a network game.
    if (table_.mode() == Table::Mode::Network && !stay) table_.playTheComputer();
    updateCursor();
    updateDrawCommands();
    // Mate and a drawing move have their sound with the move.
    if (reason != EndReason::Checkmate && !(reason == EndReason::Drawn && game_.lastPlayed().draw != DrawReason::None))
        playSound(res::GameEndSound);
    switch (reason) {
    case EndReason::Checkmate: gameOverBox(text::CheckMate, text::GameOver, MessageIcon::Information, false); break;
    case EndReason::Drawn: {
        const QString why = QString::fromStdString(translated(DrawReasonContext, drawReasonText(game_.drawReason())));
        const QString drawn = tr("The game is drawn by %1.").arg(why);
        if (game_.lastPlayed().draw == DrawReason::None) announce(drawn);
        gameOverBox(drawn, tr("Draw"), MessageIcon::Information, false);
        break;
    }
    case EndReason::ComputerResigned:
        announce(tr("The computer resigns. You win."));
        gameOverBox(text::ComputerResign, text::GameOver, MessageIcon::Information, false);
        break;
    case EndReason::OpponentResigned:
        gameOverBox(text::OpponentResigned, text::GameOver, MessageIcon::Exclamation, true);
        break;
    case EndReason::OpponentLeft:
        gameOverBox(text::OpponentDisconnected, text::InternetGame, MessageIcon::Stop, true);
        break;
    case EndReason::TimeForfeit: timeForfeitBox(); break;
    case EndReason::OpponentCheated: gameOverBox(text::IllegalPeerMove, text::InternetGame, MessageIcon::Stop, true); break;
    default: gameOverBox(QString(), QString(), MessageIcon::None, false); break;
    }
    if (stay) {
        updateNetworkCommands();
        return;
    }
    newOnePlayerGame();
}

void MainWindow::enableGameCommands(bool enabled) {
    for (const Command c : {Command::UndoMove, Command::SaveGame, Command::LoadGame}) commands_.setEnabled(c, enabled);
}

void MainWindow::thinkingStarted() {
    enableGameCommands(false);
    commands_.holdWhileThinking();
    // No last-move frame while the computer thinks.
    frameFrom_ = frameTo_ = -1;
    updateCursor();
}

void MainWindow::thinkingEnded() {
    commands_.release();
    enableGameCommands(true);
    invalidate();
    updateCursor();
}

void MainWindow::updateCursor() {
    // The wait cursor while the other side is to move and the user cannot.
    const bool networkWaits = table_.mode() == Table::Mode::Network && network_.netGameActive() &&
                              game_.position().toMove != table_.userSide();
    setCursor(table_.opponentThinking() || networkWaits ? Qt::WaitCursor : Qt::ArrowCursor);
}

void MainWindow::runNewGameSetup() {
    QStringList engines;
    for (const EngineList::Entry& entry : engines_.entries()) engines << entry.shownName();
    NewGameSetupDialog dialog([this](const NewGameChoice& choice) { startOnePlayerGame(choice); }, this,
                              [this](QWidget* over) { chooseTimeControl(over); }, engines);
    modal_.run(dialog);
}

void MainWindow::startOnePlayerGame(const NewGameChoice& choice) {
    setStatusText(text::tr(text::WhiteToMove));
    clocks_.setNextControl(state_.timeControl);
    const auto& entries = engines_.entries();
    if (choice.engine >= 0 && static_cast<std::size_t>(choice.engine) < entries.size()) {
        table_.engine().choose(entries[static_cast<std::size_t>(choice.engine)].program, choice.elo);
        table_.startAgainstEngine(choice.user, choice.level);
        return;
    }
    table_.startOnePlayer(choice.user, choice.level, state_.standardRules ? RuleSet::Standard : RuleSet::Orbel);
}

void MainWindow::newOnePlayerGame() {
    // A network game still running is ended first, as Kill Game ends it.
    network_.endGame(PeerCommand::End);
    table_.playTheComputer();
    showChatPane(false);
    runNewGameSetup();
    invalidate();
}

void MainWindow::newTwoPlayerGame() {
    network_.endGame(PeerCommand::End);
    if (chatPane_->isVisible()) showChatPane(false);
    clocks_.setNextControl(state_.timeControl);
    table_.startTwoPlayer(state_.standardRules ? RuleSet::Standard : RuleSet::Orbel);
}

void MainWindow::startNetworkGame(int localColorCode) {
    const Side local = localColorCode == WhiteColorCode ? Side::White : Side::Black;
    // Undo Move stays greyed: it would change this side's board without the
    // other's, and the two programs would play on from different positions.
    clocks_.setControlForNextGame(network_.agreedClock());
    table_.startNetwork(local, opponent_, network_.peerNickname, network_.rules());
    network_.confirmGame();
    // A rematch keeps the chat of the game before.
    if (!chatPane_->isVisible()) showChatPane(true);
    const QString who = nameInSentence(network_.peerNickname);
    if (network_.proposedRules() != network_.rules())
        addChatLine(tr("* %1's copy plays by the Orbel 3.0 rules only.").arg(who), false);
    if (!network_.proposedClock().none() && !network_.timed())
        addChatLine(tr("* %1's copy has no clocks: this game is untimed.").arg(who), false);
    updateNetworkCommands();
    setStatusText(text::tr(text::WhiteToMove));
    updateCursor();
}

void MainWindow::endNetworkGame(PeerCommand word) {
    // Network Play > Resign and Kill Game: the same end, told differently.
    if (!network_.netGameActive()) return;
    network_.endGame(word);
    const Side user = table_.userSide();
    game_.end(word == PeerCommand::Resign ? EndReason::NetworkResigned : EndReason::Killed,
              word == PeerCommand::Resign ? std::optional<Side>(other(user)) : std::nullopt);
}

namespace {

// "your e4", "the computer's knight f6": a move taken back, and whose it was.
QString takenBackMove(const PlayedMove& m, const QString& move) {
    const char* whose = m.mover == Side::White ? QT_TRANSLATE_NOOP("orbel::MainWindow", "White's %1")
                                               : QT_TRANSLATE_NOOP("orbel::MainWindow", "Black's %1");
    switch (m.by) {
    case PlayerKind::User: whose = QT_TRANSLATE_NOOP("orbel::MainWindow", "your %1"); break;
    case PlayerKind::Computer: whose = QT_TRANSLATE_NOOP("orbel::MainWindow", "the computer's %1"); break;
    case PlayerKind::Remote: whose = QT_TRANSLATE_NOOP("orbel::MainWindow", "your opponent's %1"); break;
    case PlayerKind::AtBoard: break;
    }
    return QCoreApplication::translate("orbel::MainWindow", whose).arg(move);
}

}  // namespace

void MainWindow::undoMove() {
    const std::vector<PlayedMove> before = game_.plays();
    table_.undo();
    updateDrawCommands();
    QStringList taken;
    for (std::size_t i = game_.plays().size(); i < before.size(); ++i) {
        std::string san = before[i].san;
        while (!san.empty() && (san.back() == '+' || san.back() == '#')) san.pop_back();
        taken << takenBackMove(before[i], QString::fromStdString(spokenSan(san, &translated)));
    }
    //: The moves taken back are joined by " and ".
    const QString joiner = tr(" and ");
    const QString words = taken.isEmpty() ? tr("Nothing taken back.") : tr("Taken back %1.").arg(taken.join(joiner));
    tell(words + QLatin1Char(' ') + toMoveText());
}

QString MainWindow::toMoveText() const {
    const StandardPosition& p = game_.position();
    if (isInCheck(p)) return p.toMove == Side::White ? tr("White to move, check.") : tr("Black to move, check.");
    return p.toMove == Side::White ? tr("White to move.") : tr("Black to move.");
}

void MainWindow::resign() { table_.resign(); }

void MainWindow::offerDraw() {
    if (table_.mode() == Table::Mode::TwoPlayer) {
        if (modal_.ask(game_.position().toMove == Side::White ? tr("White offers a draw. Does Black accept?")
                                                              : tr("Black offers a draw. Does White accept?"),
                       tr("Offer Draw"), MessageIcon::Information))
            game_.agreeDraw();
        return;
    }
    if (!table_.offerDraw()) modal_.box(tr("The computer declines the draw."), tr("Offer Draw"),
                                        MessageIcon::Information);
}

void MainWindow::claimDraw() { game_.claimDraw(); }

std::optional<PieceKind> MainWindow::choosePromotion() {
    PromotionDialog dialog(this);
    const int piece = modal_.run(dialog);
    if (piece < Knight || piece > Queen) return std::nullopt;
    return piece;
}

void MainWindow::updateDrawCommands() {
    // Draws belong to standard chess: under the Orbel 3.0 rules the Game
    // menu is as it has always been.
    const bool standard = game_.exists() && game_.rules() == RuleSet::Standard;
    for (const Command c : {Command::OfferDraw, Command::ClaimDraw}) action(c)->setVisible(standard);
    const bool open = standard && game_.result() == "*" && table_.mode() != Table::Mode::Network;
    commands_.setEnabled(Command::OfferDraw, open);
    commands_.setEnabled(Command::ClaimDraw, open && game_.claimableDraw() != DrawReason::None);
}

void MainWindow::showChatPane(bool show) {
    chatPane_->clearLines();
    chatPane_->setAccessibleDescription(QString());
    brainPane_->setVisible(!show);
    chatPane_->setVisible(show);
    if (show) chatPane_->edit()->setFocus();
    commands_.setEnabled(Command::Resign, !show);
    commands_.setEnabled(Command::DirectNetworkGame, !show && network_.state() != NetworkSession::State::Unavailable);
    for (const Command c : {Command::SaveGame, Command::LoadGame, Command::OpenGameText, Command::PasteGameText})
        commands_.setEnabled(c, !show);
    commands_.setEnabled(Command::NetworkResign, show);
    commands_.setEnabled(Command::KillGame, show);
    updateNetworkCommands();
}

void MainWindow::updateNetworkCommands() {
    // Shown in a network game; greyed when the other copy cannot take them.
    const bool shown = chatPane_ && chatPane_->isVisible();
    const std::pair<Command, OfferKind> offers[] = {
        {Command::NetworkDraw, OfferKind::Draw}, {Command::NetworkTakeback, OfferKind::Takeback}, {Command::Rematch, OfferKind::Rematch}};
    for (const auto& [command, kind] : offers) {
        action(command)->setVisible(shown);
        commands_.setEnabled(command, shown && network_.mayOffer(kind));
    }
    action(Command::CallAgain)->setVisible(shown);
    // No engine may help either player of a network game.
    action(Command::Hint)->setVisible(!shown);
    commands_.setEnabled(Command::CallAgain, shown && network_.waiting());
}

void MainWindow::addChatLine(const QString& line, bool own) {
    chatPane_->addChatLine(line);
    chatPane_->update();
    QStringList shown = chatPane_->lines();
    std::reverse(shown.begin(), shown.end());
    shown.removeAll(QString());
    chatPane_->setAccessibleDescription(shown.join(QLatin1Char('\n')));
    // The user's own line, echoed as it is sent, is not read back to them.
    if (!own) announce(line);
}

void MainWindow::addPeerChatLine(const QString& text) {
    const QString who = nameInSentence(network_.peerNickname);
    // Shown as a line of the chat, said as a sentence.
    addChatLine(who + QStringLiteral("> ") + text, true);
    announce(tr("%1 says, %2").arg(who, text));
}

void MainWindow::boardPressed(Place place) {
    keys_->mousePressed();
    if (hand_.pickUp(squareOf(place, table_.userSide()))) state_.dragging = true;
}

void MainWindow::boardReleased(Place place) {
    state_.dragging = state_.dragImageShown = false;
    hand_.putDown(squareOf(place, table_.userSide()));
}

const QImage* MainWindow::carriedImage(qreal ratio) {
    const int number = pieceImageResource(hand_.piece(), state_.pieceSetIndex);
    return number == 0 ? nullptr : &bitmaps_.piece(number, ratio);
}

void MainWindow::carryTo(QPoint at) {
    // The carried piece follows the mouse: the area it left and the area it
    // enters are shown again, the board beneath them as painted.
    if (!state_.dragging || !hand_.holding()) return;
    const qreal ratio = board_->devicePixelRatioF();
    const QImage* piece = carriedImage(ratio);
    if (!piece) return;
    QRect changed = state_.dragImageShown ? carriedPieceArea(state_, *piece, ratio) : QRect();
    state_.dragX = at.x();
    state_.dragY = at.y();
    state_.dragImageShown = true;
    // A pixel more on each side: at a fractional ratio the piece's edge may
    // round into it.
    changed |= carriedPieceArea(state_, *piece, ratio);
    board_->showArea(changed.adjusted(-1, -1, 1, 1));
}

void MainWindow::paintOverlay(QPainter& painter) {
    drawSquareCursor(painter, state_);
    if (!hand_.holding()) return;
    if (const QImage* piece = carriedImage(painter.device()->devicePixelRatioF())) drawCarriedPiece(painter, state_, *piece);
}

}  // namespace orbel
