#include "game/notation/fen.h"

#include <algorithm>
#include <vector>

#include "game/notation/san.h"
#include "rules/standard_moves.h"

namespace orbel {
namespace {

constexpr std::string_view pieceChars = "PNBRQK";

// Each right with its letter and where its king and rook must stand.
struct RightSpot {
    char letter;
    Side side;
    bool isShort;
    int king, rook;
};
constexpr RightSpot rightSpots[] = {
    {'K', Side::White, true, 4, 7}, {'Q', Side::White, false, 4, 0},
    {'k', Side::Black, true, 60, 63}, {'q', Side::Black, false, 60, 56}};

bool& rightOf(StandardPosition& p, const RightSpot& r) {
    UserCastlingRights& rights = p.rightsOf(r.side);
    return r.isShort ? rights.canCastleShort : rights.canCastleLong;
}
bool hasRight(const StandardPosition& p, const RightSpot& r) {
    const UserCastlingRights& rights = p.rightsOf(r.side);
    return r.isShort ? rights.canCastleShort : rights.canCastleLong;
}

bool piecesAtHome(const StandardPosition& p, const RightSpot& r) {
    return p.at(r.king) == Piece{King, r.side} && p.at(r.rook) == Piece{Rook, r.side};
}

char pieceChar(Piece piece) {
    const char c = pieceChars[static_cast<std::size_t>(piece.kind - Pawn)];
    return piece.side == Side::White ? c : static_cast<char>(c - 'A' + 'a');
}


std::string readBoard(std::string_view board, StandardPosition& p) {
    int rank = 7, file = 0;
    for (const char c : board) {
        if (c == '/') {
            if (file != 8) return "rank " + std::to_string(rank + 1) + " does not have 8 squares";
            if (--rank < 0) return "the board has more than 8 ranks";
            file = 0;
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
        } else {
            const std::size_t kind = pieceChars.find(static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c));
            if (kind == std::string_view::npos) return "\"" + quotedText({&c, 1}) + "\" is not a piece";
            if (file < 8) {
                p.squares[static_cast<std::size_t>(squareAt(file, rank))] = {
                    static_cast<PieceKind>(Pawn + static_cast<int>(kind)), c >= 'a' ? Side::Black : Side::White};
            }
            ++file;
        }
        if (file > 8) return "rank " + std::to_string(rank + 1) + " has more than 8 squares";
    }
    if (rank != 0 || file != 8) return "the board does not have 8 ranks of 8 squares";
    return {};
}

std::string readCastling(std::string_view text, StandardPosition& p) {
    p.castling = {UserCastlingRights{false, false}, UserCastlingRights{false, false}};
    if (text == "-") return {};
    std::size_t next = 0;  // rights come in the order KQkq, each once
    for (const char c : text) {
        while (next < std::size(rightSpots) && rightSpots[next].letter != c) ++next;
        if (next == std::size(rightSpots)) return "the castling rights must be \"-\" or some of KQkq in that order";
        if (!piecesAtHome(p, rightSpots[next])) {
            return std::string("castling right ") + c + " without its king and rook at home";
        }
        rightOf(p, rightSpots[next++]) = true;
    }
    return {};
}

// A number of one to `digits` digits, or -1.
int number(std::string_view text, std::size_t digits) {
    if (text.empty() || text.size() > digits) return -1;
    int n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

// Could the side to move take en passant, were the game standard chess?
bool enPassantPossible(StandardPosition p) {
    if (!isSquare(p.enPassantTarget)) return false;
    p.rules = RuleSet::Standard;
    std::vector<StandardMove> captures;
    legalMoves(p, captures, {Pawn, p.enPassantTarget});
    return std::any_of(captures.begin(), captures.end(), [&](const StandardMove& m) { return isEnPassant(p, m); });
}

}  // namespace

std::vector<std::string_view> whiteSpaceFields(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t\r\n", at);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
        out.push_back(text.substr(start, end - start));
        at = end;
    }
    return out;
}

std::string writeFen(const StandardPosition& position) {
    std::string fen;
    for (int rank = 7; rank >= 0; --rank) {
        int empty = 0;
        for (int file = 0; file < 8; ++file) {
            const Piece piece = position.at(squareAt(file, rank));
            if (piece.empty()) {
                ++empty;
                continue;
            }
            if (empty > 0) fen += static_cast<char>('0' + empty);
            empty = 0;
            fen += pieceChar(piece);
        }
        if (empty > 0) fen += static_cast<char>('0' + empty);
        if (rank > 0) fen += '/';
    }
    fen += position.toMove == Side::White ? " w " : " b ";
    std::string rights;
    for (const RightSpot& r : rightSpots)
        if (hasRight(position, r) && piecesAtHome(position, r)) rights += r.letter;
    fen += rights.empty() ? "-" : rights;
    if (position.rules == RuleSet::Standard) {
        const bool ep = isSquare(position.enPassantTarget);
        fen += ' ' + (ep ? std::string(squareName(position.enPassantTarget)) : std::string("-")) + ' ' +
               std::to_string(position.halfMoveClock) + ' ';
    } else {
        fen += " - 0 ";
    }
    fen += std::to_string(position.fullMove > 0 ? position.fullMove : 1);
    return fen;
}

std::string readFen(std::string_view text, StandardPosition& position) {
    if (text.size() > 1000) return "the text is too long for a FEN";
    const std::vector<std::string_view> f = whiteSpaceFields(text);
    if (f.size() != 4 && f.size() != 6) return "a FEN has six fields (or the first four)";
    StandardPosition p;
    p.rules = position.rules;
    if (std::string problem = readBoard(f[0], p); !problem.empty()) return problem;
    if (f[1] != "w" && f[1] != "b") return "the side to move must be w or b";
    p.toMove = f[1] == "w" ? Side::White : Side::Black;
    if (std::string problem = readCastling(f[2], p); !problem.empty()) return problem;
    if (f[3] != "-") {
        const int epRank = p.toMove == Side::White ? '6' : '3';
        if (f[3].size() != 2 || f[3][0] < 'a' || f[3][0] > 'h' || f[3][1] != epRank) {
            return "the en passant square must be \"-\" or a square on rank " +
                   std::string(1, static_cast<char>(epRank));
        }
        p.enPassantTarget = squareAt(f[3][0] - 'a', f[3][1] - '1');
    }
    if (f.size() == 6) {
        p.halfMoveClock = number(f[4], 4);
        if (p.halfMoveClock < 0) return "the half-move clock must be a number from 0 to 9999";
        p.fullMove = number(f[5], 4);
        if (p.fullMove < 1) return "the move number must be from 1 to 9999";
    }
    if (const char* problem = positionProblem(p)) return problem;
    if (enPassantPossible(p)) p.rules = RuleSet::Standard;
    position = p;
    return {};
}

}  // namespace orbel
