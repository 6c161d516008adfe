#include "shell/board_keys.h"

#include <QKeyEvent>
#include <algorithm>

#include "game/hand.h"
#include "game/notation/san.h"
#include "game/notation/spoken.h"
#include "game/table.h"
#include "shell/board_window.h"
#include "shell/live_text.h"

namespace orbel {
namespace {

// Longer texts name no move; the rest of a long paste is dropped.
constexpr int MaxTyped = 20;

QString lostText(const BoardScene& scene, Side side) {
    QStringList parts;
    for (const LostPieces& lost : shownLostPieces(scene, side)) {
        if (lost.count == 0) continue;
        const QString name = QString::fromLatin1(pieceName(lost.kind));
        parts << (lost.count == 1 ? name : QStringLiteral("%1 %2s").arg(lost.count).arg(name));
    }
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
}

}  // namespace

bool BoardKeys::keyPress(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::NoModifier) return false;  // the menus' keys
    switch (event.key()) {
    case Qt::Key_Left: moveCursorBy(0, -1); return true;
    case Qt::Key_Right: moveCursorBy(0, 1); return true;
    case Qt::Key_Up: moveCursorBy(-1, 0); return true;
    case Qt::Key_Down: moveCursorBy(1, 0); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: typed_.isEmpty() ? pressOnCursor() : playTyped(); return true;
    case Qt::Key_Escape:
        if (!typed_.isEmpty()) {
            typed_.clear();
            showTyped();
        } else if (hand_.holding()) {
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
    if (!w_.state.cursorShown) return;
    w_.state.cursorShown = false;
    w_.board.showArea(squareCursorArea(w_.state));
}

void BoardKeys::moveCursorBy(int rows, int columns) {
    const Place at = w_.state.cursor;
    moveCursorTo({std::clamp(at.row + rows, 0, 7), std::clamp(at.col + columns, 0, 7)});
}

void BoardKeys::moveCursorTo(Place place) {
    WindowState& state = w_.state;
    const QRect before = squareCursorArea(state);
    const bool moved = place != state.cursor || !state.cursorShown;
    state.cursor = place;
    state.cursorShown = true;
    w_.board.showArea(before | squareCursorArea(state));
    // A piece in hand goes along, as it would under the mouse.
    if (hand_.holding() && state.dragging) {
        const PixelRect r = state.geometry.squareRect(place);
        w_.carryTo(QPoint(r.left + 8, r.top + 7));
    }
    if (moved) cursorCellFocused(w_.board);
}

QString BoardKeys::squareLetters(int square) { return squareText(placeOf(square, table_.userSide())).left(2); }

void BoardKeys::pressOnCursor() {
    const Place at = w_.state.cursor;
    moveCursorTo(at);
    if (!hand_.holding()) return pickUpOnCursor();
    const int from = hand_.from();
    const PieceKind kind = hand_.piece().kind;
    w_.state.dragging = w_.state.dragImageShown = false;
    const PlayOutcome outcome = hand_.putDown(squareOf(at, table_.userSide()));
    w_.board.update();
    if (!outcome.played())
        reply(QStringLiteral("No move: %1 back on %2").arg(QString::fromLatin1(pieceName(kind)), squareLetters(from)));
}

void BoardKeys::pickUpOnCursor() {
    const Place at = w_.state.cursor;
    if (!hand_.pickUp(squareOf(at, table_.userSide()))) {
        reply(table_.userMayMove() ? QStringLiteral("No piece to move on %1").arg(squareText(at).left(2))
                                   : QStringLiteral("Not your move"));
        return;
    }
    // Drawn in hand over its own square, as if the mouse had moved with it.
    w_.state.dragging = true;
    const PixelRect r = w_.state.geometry.squareRect(at);
    w_.carryTo(QPoint(r.left + 8, r.top + 7));
    reply(QStringLiteral("Holding %1 %2").arg(QString::fromLatin1(pieceName(hand_.piece().kind)), squareText(at).left(2)));
}

void BoardKeys::putBack() {
    // A drop on the square it came from: refused, and the piece is home.
    const int from = hand_.from();
    w_.state.dragging = w_.state.dragImageShown = false;
    hand_.putDown(from);
    w_.board.update();
    reply(QStringLiteral("Put back on %1").arg(squareLetters(from)));
}

StandardPosition BoardKeys::shownPosition(bool forTyping) const {
    StandardPosition p = table_.game().position();
    // Against the computer the user is to move whenever the computer is not
    // thinking, a game that is over included.
    if (forTyping || (table_.mode() == Table::Mode::OnePlayer && table_.userMayMove())) p.toMove = table_.handSide();
    return p;
}

void BoardKeys::playTyped() {
    const QString text = typed_;
    typed_.clear();
    w_.showMessage(QString());
    if (hand_.holding()) putBack();
    const QByteArray bytes = text.toUtf8();
    const std::string_view words(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!table_.userMayMove()) {
        reply(QStringLiteral("Not your move: %1").arg(QString::fromStdString(quotedText(words))));
        return;
    }
    const MoveTextReading reading = readMoveText(shownPosition(true), words);
    if (reading.outcome != MoveTextReading::Outcome::One) {
        reply(QString::fromStdString(reading.message));
        return;
    }
    // The cursor ends where the piece went, for the next move to start from.
    moveCursorTo(placeOf(reading.move.from, table_.userSide()));
    moveCursorTo(placeOf(reading.move.to, table_.userSide()));
    table_.playForUser(reading.move);
    w_.board.update();
}

void BoardKeys::showTyped() { w_.showMessage(typed_.isEmpty() ? QString() : QStringLiteral("Move: %1").arg(typed_)); }

void BoardKeys::statusChanged() { showTyped(); }

void BoardKeys::reply(const QString& text) {
    w_.showMessage(text);
    w_.liveText.say(text);
}

QString BoardKeys::positionText() const {
    if (!table_.game().exists()) return QStringLiteral("No game on the board.");
    return QString::fromStdString(spokenPosition(shownPosition(false)));
}

QString BoardKeys::squareText(Place place) {
    // As drawn: the square of a piece in the hand reads as empty.
    const BoardScene scene = w_.scene();
    StandardPosition shown;
    shown.squares = scene.pieces;
    return QString::fromStdString(spokenSquare(shown, squareOf(place, table_.userSide())));
}

QString BoardKeys::sideText(int index) {
    const BoardScene scene = w_.scene();
    const Side side = index < 2 ? scene.top() : scene.bottom;
    if (index % 2 == 0) return scoreText(scene, side);
    const QString who = side == scene.top() ? QStringLiteral("Computer") : QStringLiteral("Player");
    const QString lost = scene.gameExists ? lostText(scene, side) : QStringLiteral("none");
    return QStringLiteral("%1 has lost: %2").arg(who, lost);
}

Place BoardKeys::cursor() { return w_.state.cursor; }

void BoardKeys::activateSquare(Place place) {
    if (!place.onBoard()) return;
    moveCursorTo(place);
    pressOnCursor();
}

}  // namespace orbel
