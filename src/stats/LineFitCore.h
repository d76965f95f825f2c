#pragma once
// Weighted least squares shared by the three fits; internal to stats.
#include "stats/LineFit.h"

namespace tallox::stats::detail {

// How the standard deviation of the slope is formed.
enum class SlopeSpread {
    FromResiduals, // sqrt(R / ((N-2) * Sxx)): classical and weighted fits
    FromWeights,   // sqrt(1 / Sxx): weights are inverse variances (effective fit)
};

// Fits y = a*x + b with weights w (empty span: every weight 1) using sums centred on the
// weighted means, so raw moments never cancel. Sxx is the weighted sum of squared deviations
// of x. Nothing when the weighted points are all on a vertical or a horizontal line, or when
// no point has weight. The spreads and chi-squared have no value for two points.
std::optional<LineFit> fitLine(std::span<const long double> x, std::span<const long double> y,
                               std::span<const long double> w, SlopeSpread spread);

} // namespace tallox::stats::detail
