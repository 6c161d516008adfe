#include "game/move_lists.h"

#include "rules/standard_moves.h"

namespace orbel {

MoveLists::MoveLists(Game& game, QObject* parent) : QObject(parent) {
    connect(&game, &Game::begun, this, &MoveLists::begun);
    connect(&game, &Game::movePlayed, this, &MoveLists::record);
    connect(&game, &Game::gameEnded, this, [this, &game](EndReason reason) {
        // The result in the next line's place, as a mate by the opponent is written.
        if (reason == EndReason::Drawn || reason == EndReason::TimeForfeit)
            write(game.position().toMove, game.result());
    });
    connect(&game, &Game::takenBack, this, [this] {
        white_.dropLast();
        black_.dropLast();
        emit changed();
    });
    connect(&game, &Game::moveTakenBack, this, [this](Side mover) {
        list(mover).dropLast();
        emit changed();
    });
}

void MoveLists::begun(GameStart how) {
    // A loaded game's lists come from its file.
    if (how == GameStart::Loaded) return;
    opponentCheckMark_ = false;
    white_.clear();
    black_.clear();
    emit cleared();
}

void MoveLists::write(Side side, std::string text) {
    list(side).append(std::move(text));
    emit lineAdded(side);
}

void MoveLists::record(const PlayedMove& m) {
    if (m.by == PlayerKind::Computer || m.by == PlayerKind::Remote) {
        opponentCheckMark_ = m.by == PlayerKind::Remote && m.mate;
    }
    const bool resultInPlace = m.mate && (m.by == PlayerKind::Computer || m.by == PlayerKind::Remote);
    if (resultInPlace) {
        write(m.mover, m.mover == Side::White ? "1-0" : "0-1");
    } else {
        write(m.mover, moveText(m.before, m.move, m.check));
    }
}

void MoveLists::setFromFile(MoveHistory white, MoveHistory black, bool opponentCheckMark) {
    opponentCheckMark_ = opponentCheckMark;
    white_ = std::move(white);
    black_ = std::move(black);
    emit changed();
}

void MoveLists::writeReplayed(const StandardPosition& start, const std::vector<StandardMove>& moves) {
    if (start.toMove == Side::Black) write(Side::White, "...");
    StandardPosition p = start;
    for (const StandardMove& m : moves) {
        const StandardPosition after = afterMove(p, m);
        write(p.toMove, moveText(p, m, isInCheck(after)));
        p = after;
    }
}

}  // namespace orbel
