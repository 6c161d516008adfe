// A player's Elo from its games against opponents of known Elo.
//
// The model is the logistic one the Elo scale is defined by: a player rated R
// expects to score E = 1 / (1 + 10^((Ro - R) / 400)) against one rated Ro.
// Each game counts as that many Bernoulli trials as its score says (a draw
// half a win and half a loss, the usual approximation; it treats draws as
// noisier than they are, so it errs towards wider intervals). The estimate
// is the R of greatest likelihood; the 95% interval holds every R whose
// likelihood ratio to it passes the chi-square test with one degree of
// freedom (log-likelihood within 1.92 of the greatest). Unlike a normal
// approximation this stays sound near 0% and 100%, and when a player lost
// (or won) every game, where no greatest likelihood exists, it still gives
// the one bound the games support.
#pragma once

#include <optional>
#include <vector>

namespace orbel::strength {

struct RatedGame {
    double opponentElo;
    double score;  // 1, 0.5 or 0
};

struct EloEstimate {
    // Greatest likelihood; none when the player lost every game or won every one.
    std::optional<double> elo;
    // The 95% interval; an end is missing where the games set no bound.
    std::optional<double> low, high;

    // Half the interval's width, when it has both ends.
    std::optional<double> halfWidth() const;
};

// Nothing when there are no games.
std::optional<EloEstimate> estimateElo(const std::vector<RatedGame>& games);

}  // namespace orbel::strength
