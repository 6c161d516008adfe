#include "shell/board_keys.h"

#include <QKeyEvent>
#include <algorithm>

#include "game/hand.h"
#include "game/notation/san.h"
#include "game/notation/spoken.h"
#include "game/table.h"
#include "rules/standard_moves.h"
#include "shell/board_window.h"
#include "shell/live_text.h"
#include "shell/translation.h"

namespace orbel {
namespace {

// The context of the spoken words (game/notation/spoken.h).
constexpr const char* SpokenContext = "orbel::Spoken";

// Longer texts name no move; the rest of a long paste is dropped.
constexpr int MaxTyped = 20;

// A piece's name as moves are spoken.
QString pieceWord(PieceKind kind) { return QCoreApplication::translate(SpokenContext, pieceName(kind)); }

// "2 pawns": more than one piece of a kind, in the forms a language has for numbers.
QString piecesWord(PieceKind kind, int count) {
    static constexpr const char* counted[] = {
        QT_TRANSLATE_N_NOOP("orbel::BoardKeys", "%n pieces"), QT_TRANSLATE_N_NOOP("orbel::BoardKeys", "%n pawns"),
        QT_TRANSLATE_N_NOOP("orbel::BoardKeys", "%n knights"), QT_TRANSLATE_N_NOOP("orbel::BoardKeys", "%n bishops"),
        QT_TRANSLATE_N_NOOP("orbel::BoardKeys", "%n rooks"),   QT_TRANSLATE_N_NOOP("orbel::BoardKeys", "%n queens"),
        QT_TRANSLATE_N_NOOP("orbel::BoardKeys", "%n kings")};
    return QCoreApplication::translate("orbel::BoardKeys", counted[kind >= Pawn && kind <= King ? kind : 0], nullptr,
                                       count);
}

QString lostText(const BoardScene& scene, Side side) {
    QStringList parts;
    for (const LostPieces& lost : shownLostPieces(scene, side)) {
        if (lost.count == 0) continue;
        parts << (lost.count == 1 ? pieceWord(lost.kind) : piecesWord(lost.kind, lost.count));
    }
    return parts.isEmpty() ? QCoreApplication::translate("orbel::BoardKeys", "none") : parts.join(QStringLiteral(", "));
}

}  // namespace

bool BoardKeys::keyPress(const QKeyEvent& event) {
    if (answer(event)) return true;
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

bool BoardKeys::answer(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    const StandardPosition shown = shownPosition(false);
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        // Where the pieces of a kind stand: Control+Shift and the kind's letter.
        constexpr struct {
            int key;
            PieceKind kind;
        } kinds[] = {{Qt::Key_K, King}, {Qt::Key_Q, Queen}, {Qt::Key_R, Rook},
                     {Qt::Key_B, Bishop}, {Qt::Key_N, Knight}, {Qt::Key_P, Pawn}};
        for (const auto& k : kinds)
            if (event.key() == k.key) return say(spokenKind(shown, k.kind, &translated));
        return false;
    }
    const bool shift = mods == Qt::ShiftModifier;
    if (mods != Qt::NoModifier && !shift) return false;
    const int square = squareOf(w_.state.cursor, table_.userSide());
    switch (event.key()) {
    case Qt::Key_F2: return say(lastMoveText());
    case Qt::Key_F3: return say(spokenRank(shown, rankOf(square), &translated));
    case Qt::Key_F4: return say(spokenFile(shown, fileOf(square), &translated));
    case Qt::Key_F5: return say(spokenMaterial(shown, &translated));
    case Qt::Key_F6: return say(spokenSide(shown, shift ? other(table_.userSide()) : table_.userSide(), &translated));
    case Qt::Key_F7:
        if (shift) return false;
        w_.sayClocks();
        return true;
    default: break;
    }
    if (shift) return false;
    const int count = static_cast<int>(table_.game().plays().size());
    switch (event.key()) {
    case Qt::Key_PageUp: return stepMoves(listed_ < 0 ? count - 1 : listed_ - 1);
    case Qt::Key_PageDown: return stepMoves(listed_ < 0 ? count : listed_ + 1);
    case Qt::Key_Home: return stepMoves(0);
    case Qt::Key_End: return stepMoves(count - 1);
    default: return false;
    }
}

bool BoardKeys::say(const std::string& words) {
    reply(QString::fromStdString(words));
    return true;
}

std::string BoardKeys::lastMoveText() const {
    const std::vector<PlayedMove>& plays = table_.game().plays();
    if (plays.empty()) return tr("No move yet.").toStdString();
    return spokenPlay(plays.back(), true, &translated);
}

bool BoardKeys::stepMoves(int index) {
    const std::vector<PlayedMove>& plays = table_.game().plays();
    // A new move since the last step starts the walk again from the end.
    if (static_cast<int>(plays.size()) != listedOf_) listed_ = -1;
    listedOf_ = static_cast<int>(plays.size());
    if (plays.empty()) return say(tr("No move yet.").toStdString());
    if (index < 0 || index >= listedOf_) {
        return say((index < 0 ? tr("Start of the moves.") : tr("End of the moves.")).toStdString());
    }
    listed_ = index;
    const PlayedMove& m = plays[static_cast<std::size_t>(index)];
    const QString move = QString::fromStdString(spokenMove(m.before, m.move, &translated));
    QString words = m.mover == Side::White ? tr("Move %1, White, %2").arg(m.before.fullMove).arg(move)
                                           : tr("Move %1, Black, %2").arg(m.before.fullMove).arg(move);
    if (m.mate) {
        words += tr(", checkmate");
    } else if (m.check) {
        words += tr(", check");
    }
    reply(words);
    return true;
}

void BoardKeys::mousePressed() {
    if (!w_.state.cursorShown) return;
    w_.state.cursorShown = false;
    w_.board.showArea(squareCursorArea(w_.state));
}

void BoardKeys::moveCursorBy(int rows, int columns) {
    const Place at = w_.state.cursor;
    const Place to{std::clamp(at.row + rows, 0, 7), std::clamp(at.col + columns, 0, 7)};
    // At the board's edge the cursor stays, and says so.
    if (to == at && w_.state.cursorShown) {
        w_.liveText.say(tr("Edge"));
        return;
    }
    moveCursorTo(to);
}

void BoardKeys::moveCursorTo(Place place, bool focus) {
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
    if (moved && focus) cursorCellFocused(w_.board);
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
    if (outcome.played()) return;
    QString name = pieceWord(kind);
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    // The refusal's reason is English, under the context the rules' refusals are translated in.
    const QString why = outcome.reason.empty() ? tr("No move")
                                               : QCoreApplication::translate("orbel::Refusal", outcome.reason.c_str());
    reply(tr("%1. %2 back on %3.").arg(why, name, squareLetters(from)));
}

void BoardKeys::pickUpOnCursor() {
    const Place at = w_.state.cursor;
    if (!hand_.pickUp(squareOf(at, table_.userSide()))) {
        reply(table_.userMayMove() ? tr("No piece to move on %1").arg(squareText(at).left(2)) : tr("Not your move"));
        return;
    }
    // Drawn in hand over its own square, as if the mouse had moved with it.
    w_.state.dragging = true;
    const PixelRect r = w_.state.geometry.squareRect(at);
    w_.carryTo(QPoint(r.left + 8, r.top + 7));
    reply(tr("Holding %1 %2").arg(pieceWord(hand_.piece().kind), squareText(at).left(2)));
}

void BoardKeys::putBack() {
    // A drop on the square it came from: refused, and the piece is home.
    const int from = hand_.from();
    w_.state.dragging = w_.state.dragImageShown = false;
    hand_.putDown(from);
    w_.board.update();
    reply(tr("Put back on %1").arg(squareLetters(from)));
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
    const QString quoted = QString::fromStdString(quotedText(words));
    if (!table_.userMayMove()) {
        reply(tr("Not your move: %1").arg(quoted), tr("Not your move."));
        return;
    }
    //: The piece letters a player types in moves: king, queen, rook, bishop and knight, apart by spaces, each in
    //: upper case as the language's chess books write them (in German "K D T L S").
    const QByteArray letters = tr("K Q R B N").toUtf8();
    const MoveTextReading reading =
        readMoveText(shownPosition(true), words, MoveTextRules::Typed,
                     std::string_view(letters.constData(), static_cast<std::size_t>(letters.size())), &translated);
    if (reading.outcome != MoveTextReading::Outcome::One) {
        // Spoken without the status bar's colon and brackets, which a
        // reader would read out.
        QString spoken = QString::fromStdString(reading.message);
        if (reading.outcome == MoveTextReading::Outcome::None) {
            const bool notAMove = reading.why == MoveTextReading::Why::NotAMove;
            spoken = (notAMove ? tr("Not a move, %1.") : tr("No such move, %1.")).arg(quoted);
            if (reading.why == MoveTextReading::Why::Refused) {
                QString why = QString::fromStdString(reading.reason);
                why[0] = why[0].toUpper();
                spoken += tr(" %1.").arg(why);
            }
        }
        reply(QString::fromStdString(reading.message), spoken);
        return;
    }
    // The cursor ends where the piece went, for the next move to start from;
    // the move is heard, not the squares it passed.
    moveCursorTo(placeOf(reading.move.to, table_.userSide()), false);
    table_.playForUser(reading.move, reading.promotionUnnamed);
    w_.board.update();
}

void BoardKeys::showTyped() { w_.showMessage(typed_.isEmpty() ? QString() : tr("Move: %1").arg(typed_)); }

void BoardKeys::statusChanged() { showTyped(); }

void BoardKeys::reply(const QString& text, const QString& spoken) {
    w_.showMessage(text);
    w_.liveText.say(spoken.isEmpty() ? text : spoken);
}

QString BoardKeys::positionText() const {
    if (!table_.game().exists()) return tr("No game on the board.");
    return QString::fromStdString(spokenPosition(shownPosition(false), &translated));
}

QString BoardKeys::squareText(Place place) {
    // As drawn: the square of a piece in the hand reads as empty.
    const BoardScene scene = w_.scene();
    StandardPosition shown;
    shown.squares = scene.pieces;
    return QString::fromStdString(spokenSquare(shown, squareOf(place, table_.userSide()), &translated));
}

QString BoardKeys::sideText(int index) {
    const BoardScene scene = w_.scene();
    const Side side = index < 2 ? scene.top() : scene.bottom;
    if (index % 2 == 0) return scoreText(scene, side);
    const QString lost = scene.gameExists ? lostText(scene, side) : tr("none");
    return side == scene.top() ? tr("Computer has lost: %1").arg(lost) : tr("Player has lost: %1").arg(lost);
}

Place BoardKeys::cursor() { return w_.state.cursor; }

void BoardKeys::activateSquare(Place place) {
    if (!place.onBoard()) return;
    moveCursorTo(place);
    pressOnCursor();
}

}  // namespace orbel
