#include "shell/board_keys.h"

#include <QKeyEvent>
#include <algorithm>

#include "game/san.h"
#include "game/spoken.h"
#include "game/two_player.h"
#include "game/window_messages.h"
#include "net/network_proc.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/live_text.h"
#include "shell/main_window.h"

namespace orbel {
namespace {

// Longer texts name no move; the rest of a long paste is dropped.
constexpr int MaxTyped = 20;

std::intptr_t atPoint(QPoint p) { return msg::makeLParam(p.x(), p.y()); }

QPoint centreOf(const UiState& ui, int row, int col) {
    const PixelRect r = ui.geometry.squareRect(row, col);
    return QPoint(r.left + r.width / 2, r.top + r.height / 2);
}

// Where the mouse would hold a carried piece so that it is drawn just where
// the pieces on the board are.
QPoint carriedCorner(const UiState& ui, int row, int col) {
    const PixelRect r = ui.geometry.squareRect(row, col);
    return QPoint(r.left + 8, r.top + 7);
}

QString lostText(const Board& board, Owner side) {
    QStringList parts;
    for (const LostPieces& lost : shownLostPieces(board, side)) {
        if (lost.count == 0) continue;
        const QString name = QString::fromLatin1(pieceName(lost.kind));
        parts << (lost.count == 1 ? name : QStringLiteral("%1 %2s").arg(lost.count).arg(name));
    }
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
}

}  // namespace

PlayMode BoardKeys::playMode() const {
    if (window_.installedMode() == twoPlayerProc) return PlayMode::TwoPlayer;
    if (window_.installedMode() == networkProc) return PlayMode::Network;
    return PlayMode::OnePlayer;
}

bool BoardKeys::holding() const { return window_.ui().game.heldPiece.owner != Empty; }

bool BoardKeys::keyPress(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::NoModifier) return false;  // the menus' keys
    switch (event.key()) {
    case Qt::Key_Left: moveCursorBy(0, -1); return true;
    case Qt::Key_Right: moveCursorBy(0, 1); return true;
    case Qt::Key_Up: moveCursorBy(-1, 0); return true;
    case Qt::Key_Down: moveCursorBy(1, 0); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!typed_.isEmpty()) {
            playTyped();
        } else {
            pressOnCursor();
        }
        return true;
    case Qt::Key_Escape:
        if (!typed_.isEmpty()) {
            typed_.clear();
            showTyped();
        } else if (holding()) {
            putBack();
        } else {
            return false;
        }
        return true;
    case Qt::Key_Backspace:
        if (typed_.isEmpty()) return false;
        typed_.chop(1);
        showTyped();
        return true;
    case Qt::Key_Space:
        // Inside a typed text a space is part of it ("e2 e4" reads as no move).
        if (typed_.isEmpty()) {
            pressOnCursor();
            return true;
        }
        break;
    default: break;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    typed_ = (typed_ + text).left(MaxTyped);
    showTyped();
    return true;
}

void BoardKeys::mousePressed() {
    UiState& ui = window_.ui();
    pickedRow_ = pickedCol_ = -1;
    if (!ui.cursorShown) return;
    ui.cursorShown = false;
    window_.boardWindow()->showArea(squareCursorArea(ui));
}

void BoardKeys::moveCursorBy(int rows, int screenColumns) {
    const UiState& ui = window_.ui();
    // A screen column to the right is a board column to the left.
    moveCursorTo(std::clamp(ui.cursorRow + rows, 0, 7), std::clamp(ui.cursorCol - screenColumns, 0, 7));
}

void BoardKeys::moveCursorTo(int row, int col) {
    UiState& ui = window_.ui();
    BoardWindow* board = window_.boardWindow();
    const QRect before = squareCursorArea(ui);
    const bool moved = row != ui.cursorRow || col != ui.cursorCol || !ui.cursorShown;
    ui.cursorRow = row;
    ui.cursorCol = col;
    ui.cursorShown = true;
    board->showArea(before | squareCursorArea(ui));
    // A piece in hand goes along, as it would under the mouse.
    if (holding() && ui.isDragging) {
        window_.dispatch(msg::WM_MOUSEMOVE, msg::MK_LBUTTON, atPoint(carriedCorner(ui, row, col)));
    }
    if (moved) cursorCellFocused(*board);
}

void BoardKeys::pressOnCursor() {
    UiState& ui = window_.ui();
    const int row = ui.cursorRow, col = ui.cursorCol;
    moveCursorTo(row, col);
    if (holding()) {
        window_.dispatch(msg::WM_LBUTTONUP, 0, atPoint(centreOf(ui, row, col)));
        window_.boardWindow()->update();
        pickedRow_ = pickedCol_ = -1;
        // A refused drop is marked by a move that ends where it began; the
        // piece is back there.
        const MoveRecord& m = ui.game.humanMove;
        if (m.fromRow == m.toRow && m.fromCol == m.toCol && onBoard(m.fromRow, m.fromCol)) {
            reply(QStringLiteral("No move: %1 back on %2")
                      .arg(QString::fromLatin1(pieceName(ui.game.displayBoard.at(m.fromRow, m.fromCol).kind)),
                           squareText(m.fromRow, m.fromCol).left(2)));
        }
        return;
    }
    window_.dispatch(msg::WM_LBUTTONDOWN, msg::MK_LBUTTON, atPoint(centreOf(ui, row, col)));
    if (!holding()) {
        reply(userMayMove(ui, playMode()) ? QStringLiteral("No piece to move on %1").arg(squareText(row, col).left(2))
                                          : QStringLiteral("Not your move"));
        return;
    }
    pickedRow_ = row;
    pickedCol_ = col;
    // Drawn in hand over its own square, as if the mouse had moved with it.
    window_.dispatch(msg::WM_MOUSEMOVE, msg::MK_LBUTTON, atPoint(carriedCorner(ui, row, col)));
    reply(QStringLiteral("Holding %1 %2")
              .arg(QString::fromLatin1(pieceName(ui.game.heldPiece.kind)))
              .arg(squareText(row, col).left(2)));
}

void BoardKeys::putBack() {
    UiState& ui = window_.ui();
    // A drop on the square it came from: refused, and the piece is home.
    const int row = onBoard(pickedRow_, pickedCol_) ? pickedRow_ : ui.game.humanMove.fromRow;
    const int col = onBoard(pickedRow_, pickedCol_) ? pickedCol_ : ui.game.humanMove.fromCol;
    if (!onBoard(row, col)) return;
    window_.dispatch(msg::WM_LBUTTONUP, 0, atPoint(centreOf(ui, row, col)));
    window_.boardWindow()->update();
    pickedRow_ = pickedCol_ = -1;
    reply(QStringLiteral("Put back on %1").arg(squareText(row, col).left(2)));
}

void BoardKeys::playTyped() {
    UiState& ui = window_.ui();
    const QString text = typed_;
    typed_.clear();
    window_.showStatusMessage(QString());
    if (holding()) putBack();
    const QByteArray bytes = text.toUtf8();
    const std::string_view words(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!userMayMove(ui, playMode())) {
        reply(QStringLiteral("Not your move: %1").arg(QString::fromStdString(quotedText(words))));
        return;
    }
    const MoveTextReading reading = readMoveText(shownPosition(ui, playMode()), words);
    if (reading.outcome != MoveTextReading::Outcome::One) {
        reply(QString::fromStdString(reading.message));
        return;
    }
    const Side top = topSide(ui);
    const HeldSquare from = heldSquare(reading.move.from, top);
    const HeldSquare to = heldSquare(reading.move.to, top);
    // The cursor ends where the piece went, for the next move to start from.
    moveCursorTo(from.row, from.col);
    window_.dispatch(msg::WM_LBUTTONDOWN, msg::MK_LBUTTON, atPoint(centreOf(ui, from.row, from.col)));
    moveCursorTo(to.row, to.col);
    window_.dispatch(msg::WM_LBUTTONUP, 0, atPoint(centreOf(ui, to.row, to.col)));
    window_.boardWindow()->update();
    pickedRow_ = pickedCol_ = -1;
}

void BoardKeys::showTyped() {
    window_.showStatusMessage(typed_.isEmpty() ? QString() : QStringLiteral("Move: %1").arg(typed_));
}

void BoardKeys::statusChanged() { showTyped(); }

void BoardKeys::reply(const QString& text) {
    window_.showStatusMessage(text);
    window_.liveText()->say(text);
}

QString BoardKeys::positionText() const {
    const UiState& ui = window_.ui();
    if (!ui.game.currentGame) return QStringLiteral("No game on the board.");
    return QString::fromStdString(spokenPosition(shownPosition(ui, playMode())));
}

QString BoardKeys::squareText(int row, int col) {
    const UiState& ui = window_.ui();
    const StandardPosition shown = standardPosition(ui.game.displayBoard, topSide(ui), Side::White, {}, {}, 1);
    return QString::fromStdString(spokenSquare(shown, shownSquare(ui, row, col)));
}

QString BoardKeys::sideText(int index) {
    const UiState& ui = window_.ui();
    const Owner side = index < 2 ? Own : Enemy;
    if (index % 2 == 0) return scoreText(ui, side);
    const QString who = side == Own ? QStringLiteral("Computer") : QStringLiteral("Player");
    const QString lost = ui.game.currentGame ? lostText(ui.game.displayBoard, side) : QStringLiteral("none");
    return QStringLiteral("%1 has lost: %2").arg(who, lost);
}

int BoardKeys::cursorRow() { return window_.ui().cursorRow; }
int BoardKeys::cursorCol() { return window_.ui().cursorCol; }

void BoardKeys::activateSquare(int row, int col) {
    if (!onBoard(row, col)) return;
    moveCursorTo(row, col);
    pressOnCursor();
}

}  // namespace orbel
