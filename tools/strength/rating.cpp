#include "tools/strength/rating.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace orbel::strength {

namespace {

// Far beyond any rating a chess player has: the search range of the estimate.
constexpr double Lowest = -2000.0, Highest = 6000.0;
// Half the chi-square value of one degree of freedom at 95% (3.841 / 2).
constexpr double HalfChiSquare95 = 1.9207;

double logisticSlope() { return std::log(10.0) / 400.0; }

// log(1 + e^z) without overflow.
double softplus(double z) { return std::max(z, 0.0) + std::log1p(std::exp(-std::abs(z))); }

double logLikelihood(const std::vector<RatedGame>& games, double elo) {
    double sum = 0.0;
    for (const RatedGame& g : games) {
        const double z = logisticSlope() * (elo - g.opponentElo);
        // log E = -softplus(-z), log(1 - E) = -softplus(z)
        sum -= g.score * softplus(-z) + (1.0 - g.score) * softplus(z);
    }
    return sum;
}

// The score the games made less the score R expects; falls as R rises.
double scoreSurplus(const std::vector<RatedGame>& games, double elo) {
    double sum = 0.0;
    for (const RatedGame& g : games) sum += g.score - 1.0 / (1.0 + std::pow(10.0, (g.opponentElo - elo) / 400.0));
    return sum;
}

// Where a falling function crosses zero between `low` and `high`, which
// it does.
double fallingRoot(const std::function<double(double)>& f, double low, double high) {
    for (int i = 0; i < 200 && high - low > 1e-6; ++i) {
        const double middle = (low + high) / 2.0;
        (f(middle) > 0.0 ? low : high) = middle;
    }
    return (low + high) / 2.0;
}

}  // namespace

std::optional<double> EloEstimate::halfWidth() const {
    if (!low || !high) return std::nullopt;
    return (*high - *low) / 2.0;
}

std::optional<EloEstimate> estimateElo(const std::vector<RatedGame>& games) {
    if (games.empty()) return std::nullopt;
    double scored = 0.0;
    for (const RatedGame& g : games) scored += g.score;
    const bool allLost = scored <= 0.0, allWon = scored >= static_cast<double>(games.size());
    EloEstimate estimate;
    // With every game lost (won) the likelihood only grows towards the
    // lowest (highest) rating: its bound, 0, is the greatest likelihood.
    double best = 0.0;
    if (!allLost && !allWon) {
        estimate.elo = fallingRoot([&](double r) { return scoreSurplus(games, r); }, Lowest, Highest);
        best = logLikelihood(games, *estimate.elo);
    }
    const auto inside = [&](double r) { return logLikelihood(games, r) - (best - HalfChiSquare95); };
    const double middle = estimate.elo.value_or(allLost ? Lowest : Highest);
    // A bound that ran into the search range's end is no bound the games set.
    const auto bound = [](double r) { return r > Lowest + 1.0 && r < Highest - 1.0 ? std::optional(r) : std::nullopt; };
    if (!allLost) estimate.low = bound(fallingRoot([&](double r) { return -inside(r); }, Lowest, middle));
    if (!allWon) estimate.high = bound(fallingRoot(inside, middle, Highest));
    return estimate;
}

}  // namespace orbel::strength
