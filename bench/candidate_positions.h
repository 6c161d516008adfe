// A fixed set of positions for timing move generation: openings, middlegames
// and endgames, with the Own king's home on column 4 (Own plays White) and on
// column 3 (Own plays Black). Diagrams as in tests/support/board_text.h: row 7
// first, upper case for Own.
#pragma once

#include <array>

namespace orbel::bench {

struct BenchPosition {
    const char* name;
    int ownKingColumn;
    std::array<const char*, 8> rows;
};

inline constexpr BenchPosition candidatePositions[] = {
    {"start-white", 4, {"rnbqkbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP", "RNBQKBNR"}},
    {"start-black", 3, {"rnbkqbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP", "RNBKQBNR"}},
    {"open-game", 4, {"rnbqkbnr", "pppp.ppp", "........", "....p...", "....P...", "........", "PPPP.PPP", "RNBQKBNR"}},
    {"italian", 4, {"r.bqk.nr", "pppp.ppp", "..n.....", "..b.p...", "..B.P...", ".....N..", "PPPP.PPP", "RNBQK..R"}},
    {"queens-gambit", 4, {"rnbqkbnr", "ppp..ppp", "....p...", "...p....", "..PP....", "........", "PP..PPPP", "RNBQKBNR"}},
    {"open-sicilian", 4, {"rnbqkb.r", "pp..pppp", "...p.n..", "........", "...NP...", "..N.....", "PPP..PPP", "R.BQKB.R"}},
    {"both-castled", 4, {"r.bq.rk.", "pp..bppp", "..np.n..", "..p.p...", "..B.P...", "..NP.N..", "PPP..PPP", "R.BQ.RK."}},
    {"centre-tension", 4, {"r...r.k.", "pp.bqppp", "..n..n..", "...pp...", "...P....", "..PBPN..", "PPQ..PPP", "R...K..R"}},
    {"kingside-attack", 4, {"r....rk.", "ppp..ppp", "..n.b...", "...qN...", "...P....", "..P.B...", "PP...PPP", "R..Q.RK."}},
    {"queens-in-play", 4, {"r..q.rk.", "pb..bppp", ".pn.pn..", "..pp....", "...P.B..", "..PBPN..", "PP.N.PPP", "R..QK..R"}},
    {"own-king-in-check", 4, {"rnb.kbnr", "pppp.ppp", "........", "....p...", "...P...q", ".....P..", "PPP.P.PP", "RNBQKBNR"}},
    {"queens-facing", 4, {"r...k..r", "ppp..ppp", "..nq.n..", "...p....", "...P....", "..NQ.N..", "PPP..PPP", "R...K..R"}},
    {"rook-endgame", 4, {"......k.", ".....ppp", "........", "........", "........", "........", "r....PPP", "R.....K."}},
    {"queen-endgame", 4, {"....q.k.", ".....ppp", "........", "........", "........", "........", ".....PPP", "...Q..K."}},
    {"knight-v-bishop", 4, {"......k.", "p....ppp", ".p..b...", "........", "....N...", "........", "PP...PPP", "......K."}},
    {"pawn-endgame", 4, {"........", "..k.....", ".p.p....", "........", "..PP....", "....K...", "........", "........"}},
    {"black-after-e4", 3, {"rnbkqbnr", "ppp.pppp", "........", "...p....", "........", "........", "PPPPPPPP", "RNBKQBNR"}},
    {"black-development", 3, {"r.bk.b.r", "pp...ppp", "..n..n..", "...pp...", "..PP....", "..N..N..", "PP..PPPP", "R.BKQB.R"}},
    {"black-castled", 3, {".kr.q..r", "ppp..ppp", "..n.bn..", "...pp...", "...PP...", "..NB.N..", "PPP.QPPP", ".KR.B..R"}},
    {"black-minor-pieces", 3, {"r..k...r", "pp...ppp", "..n..n..", "........", "....b...", "..N..N..", "PPP..PPP", "R..K.B.R"}},
    {"black-exchanges", 3, {"r.bk...r", "ppp.qppp", "..n..n..", "...pp...", "...PP...", "..N..N..", "PPP.QPPP", "R.BK...R"}},
    {"black-endgame", 3, {"........", "...k....", "..p.....", "........", "....P...", "..K.....", "........", "........"}},
    {"black-rook-ending", 3, {".k......", "ppp.....", "........", "...r....", "........", "...R....", ".....PPP", "......K."}},
    {"black-queen-hunt", 3, {"r..k...r", "ppp.bppp", "..n.....", "...qp...", "...P.Q..", "..N.....", "PPP..PPP", "R..K.B.R"}},
};

}  // namespace orbel::bench
