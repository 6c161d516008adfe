#include "rules/draws.h"

#include <algorithm>

#include "rules/words.h"
#include "rules/standard_moves.h"

namespace orbel {
namespace {

constexpr int FiftyMovePlies = 100;
constexpr int SeventyFiveMovePlies = 150;

bool isLightSquare(int square) noexcept { return (fileOf(square) + rankOf(square)) % 2 == 1; }

}  // namespace

bool insufficientMaterial(const StandardPosition& position) {
    int minors[2] = {}, bishops[2] = {}, bishopSquare[2] = {-1, -1};
    for (int s = 0; s < 64; ++s) {
        const Piece p = position.at(s);
        if (p.empty() || p.kind == King) continue;
        if (p.kind != Knight && p.kind != Bishop) return false;
        const auto side = static_cast<std::size_t>(p.side);
        ++minors[side];
        if (p.kind == Bishop) {
            ++bishops[side];
            bishopSquare[side] = s;
        }
    }
    if (minors[0] + minors[1] <= 1) return true;
    return minors[0] == 1 && minors[1] == 1 && bishops[0] == 1 && bishops[1] == 1 &&
           isLightSquare(bishopSquare[0]) == isLightSquare(bishopSquare[1]);
}

bool canMate(const StandardPosition& position, Side side) {
    int minors = 0;
    for (const Piece& p : position.squares) {
        if (p.empty() || p.side != side || p.kind == King) continue;
        if (p.kind != Knight && p.kind != Bishop) return true;
        ++minors;
    }
    return minors > 1;
}

RepetitionKey repetitionKey(const StandardPosition& position) {
    RepetitionKey key;
    key.squares = position.squares;
    key.toMove = position.toMove;
    key.castling = position.castling;
    if (isSquare(position.enPassantTarget)) {
        std::vector<StandardMove> captures;
        legalMoves(position, captures, {Pawn, position.enPassantTarget});
        const bool any = std::any_of(captures.begin(), captures.end(),
                                     [&](const StandardMove& m) { return isEnPassant(position, m); });
        if (any) key.enPassant = position.enPassantTarget;
    }
    return key;
}

std::vector<RepetitionKey> repetitionHistory(const StandardPosition& start, const std::vector<StandardMove>& moves) {
    std::vector<RepetitionKey> history;
    history.reserve(moves.size() + 1);
    StandardPosition p = start;
    history.push_back(repetitionKey(p));
    for (const StandardMove& m : moves) {
        p = afterMove(p, m);
        history.push_back(repetitionKey(p));
    }
    return history;
}

int repetitions(const std::vector<RepetitionKey>& history) {
    if (history.empty()) return 0;
    return static_cast<int>(std::count(history.begin(), history.end(), history.back()));
}

DrawReason automaticDraw(const StandardPosition& now, const std::vector<RepetitionKey>& history) {
    if (isCheckmate(now)) return DrawReason::None;
    if (isStalemate(now)) return DrawReason::Stalemate;
    if (insufficientMaterial(now)) return DrawReason::InsufficientMaterial;
    if (repetitions(history) >= 5) return DrawReason::FivefoldRepetition;
    if (now.halfMoveClock >= SeventyFiveMovePlies) return DrawReason::SeventyFiveMoves;
    return DrawReason::None;
}

DrawReason claimableDraw(const StandardPosition& now, const std::vector<RepetitionKey>& history) {
    if (repetitions(history) >= 3) return DrawReason::ThreefoldRepetition;
    if (now.halfMoveClock >= FiftyMovePlies) return DrawReason::FiftyMoves;
    return DrawReason::None;
}

const char* drawReasonText(DrawReason reason) noexcept {
    switch (reason) {
    case DrawReason::None: return "";
    case DrawReason::Stalemate: return ORBEL_WORD("orbel::DrawReason", "stalemate");
    case DrawReason::InsufficientMaterial: return ORBEL_WORD("orbel::DrawReason", "insufficient material");
    case DrawReason::ThreefoldRepetition: return ORBEL_WORD("orbel::DrawReason", "threefold repetition");
    case DrawReason::FiftyMoves: return ORBEL_WORD("orbel::DrawReason", "the fifty-move rule");
    case DrawReason::FivefoldRepetition: return ORBEL_WORD("orbel::DrawReason", "fivefold repetition");
    case DrawReason::SeventyFiveMoves: return ORBEL_WORD("orbel::DrawReason", "the seventy-five-move rule");
    case DrawReason::Agreement: return ORBEL_WORD("orbel::DrawReason", "agreement");
    case DrawReason::Timeout: return ORBEL_WORD("orbel::DrawReason", "timeout against insufficient material");
    }
    return "";
}

}  // namespace orbel
