#include "game/played_move.h"

#include <QtGlobal>

#include "game/notation/spoken.h"

namespace orbel {
namespace {

// The contexts of the translators' texts. Looked up by name, not by a
// literal: lupdate would take tr("orbel::...", ...) for a text of its own.
constexpr const char* PlayedContext = "orbel::PlayedMove";
constexpr const char* DrawContext = "orbel::DrawReason";

// The mover's name and the move, short as its notation ("Computer knight
// f3") or in full ("Computer, knight g1 to f3"), by who moved: the user,
// the computer, the network opponent, or a side of a board two people share.
constexpr const char* shortPlays[] = {
    QT_TRANSLATE_NOOP("orbel::PlayedMove", "You %1"), QT_TRANSLATE_NOOP("orbel::PlayedMove", "Computer %1"),
    QT_TRANSLATE_NOOP("orbel::PlayedMove", "Opponent %1"), QT_TRANSLATE_NOOP("orbel::PlayedMove", "White %1"),
    QT_TRANSLATE_NOOP("orbel::PlayedMove", "Black %1"),
};
constexpr const char* fullPlays[] = {
    QT_TRANSLATE_NOOP("orbel::PlayedMove", "You, %1"), QT_TRANSLATE_NOOP("orbel::PlayedMove", "Computer, %1"),
    QT_TRANSLATE_NOOP("orbel::PlayedMove", "Opponent, %1"), QT_TRANSLATE_NOOP("orbel::PlayedMove", "White, %1"),
    QT_TRANSLATE_NOOP("orbel::PlayedMove", "Black, %1"),
};
// Who has won, after a mate.
constexpr const char* winners[] = {
    QT_TRANSLATE_NOOP("orbel::PlayedMove", "You win."), QT_TRANSLATE_NOOP("orbel::PlayedMove", "The computer wins."),
    QT_TRANSLATE_NOOP("orbel::PlayedMove", "Your opponent wins."),
    QT_TRANSLATE_NOOP("orbel::PlayedMove", "White wins."), QT_TRANSLATE_NOOP("orbel::PlayedMove", "Black wins."),
};

std::size_t playerRow(const PlayedMove& m) {
    switch (m.by) {
    case PlayerKind::User: return 0;
    case PlayerKind::Computer: return 1;
    case PlayerKind::Remote: return 2;
    case PlayerKind::AtBoard: break;
    }
    return m.mover == Side::White ? 3 : 4;
}

}  // namespace

std::string spokenPlay(const PlayedMove& m, bool inFull, Translate tr) {
    const auto word = [tr](const char* english) { return tr(PlayedContext, english); };
    const std::size_t who = playerRow(m);
    std::string said;
    if (inFull) {
        said = fill(word(fullPlays[who]), {spokenMove(m.before, m.move, tr)});
    } else {
        // The check mark is the game's word, not the notation's.
        std::string_view san = m.san;
        while (!san.empty() && (san.back() == '+' || san.back() == '#')) san.remove_suffix(1);
        said = fill(word(shortPlays[who]), {spokenSan(san, tr)});
    }
    if (m.mate) {
        // After the move; then who has won.
        said += fill(word(QT_TRANSLATE_NOOP("orbel::PlayedMove", ", checkmate. %1")), {word(winners[who])});
    } else if (m.check) {
        said += word(QT_TRANSLATE_NOOP("orbel::PlayedMove", ", check"));
    }
    if (m.draw != DrawReason::None) {
        // After the move: the draw that ends the game, "stalemate".
        const std::string reason = tr(DrawContext, drawReasonText(m.draw));
        said += fill(word(QT_TRANSLATE_NOOP("orbel::PlayedMove", ", %1. Draw.")), {reason});
    }
    return said;
}

}  // namespace orbel
