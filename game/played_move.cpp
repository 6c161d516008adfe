#include "game/played_move.h"

#include "game/notation/spoken.h"

namespace orbel {
namespace {

const char* playerWord(const PlayedMove& m) {
    switch (m.by) {
    case PlayerKind::User: return "You";
    case PlayerKind::Computer: return "Computer";
    case PlayerKind::Remote: return "Opponent";
    case PlayerKind::AtBoard: break;
    }
    return m.mover == Side::White ? "White" : "Black";
}

const char* winnerWords(const PlayedMove& m) {
    switch (m.by) {
    case PlayerKind::User: return "You win.";
    case PlayerKind::Computer: return "The computer wins.";
    case PlayerKind::Remote: return "Your opponent wins.";
    case PlayerKind::AtBoard: break;
    }
    return m.mover == Side::White ? "White wins." : "Black wins.";
}

}  // namespace

std::string spokenPlay(const PlayedMove& m) {
    std::string said = std::string(playerWord(m)) + ": " + spokenMove(m.before, m.move);
    if (m.mate) {
        said += ", checkmate. ";
        said += winnerWords(m);
    } else if (m.check) {
        said += ", check";
    }
    return said;
}

}  // namespace orbel
