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

std::string spokenPlay(const PlayedMove& m, bool inFull) {
    std::string said = playerWord(m);
    if (inFull) {
        said += ", " + spokenMove(m.before, m.move);
    } else {
        // The check mark is the game's word, not the notation's.
        std::string_view san = m.san;
        while (!san.empty() && (san.back() == '+' || san.back() == '#')) san.remove_suffix(1);
        said += ' ' + spokenSan(san);
    }
    if (m.mate) {
        said += ", checkmate. ";
        said += winnerWords(m);
    } else if (m.check) {
        said += ", check";
    }
    if (m.draw != DrawReason::None) said += std::string(", ") + drawReasonText(m.draw) + ". Draw.";
    return said;
}

}  // namespace orbel
