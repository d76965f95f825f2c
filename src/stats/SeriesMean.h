#pragma once
#include "stats/Mean.h"
#include "stats/MessageText.h"

#include <span>

namespace tallox::stats {

// The weighted mean of several series of the same quantity, each reduced to its standard mean.
struct SeriesMean {
    long double weightSum = 0;  // W, the sum of the series' weights 1/stdDevMean^2
    long double mean = 0;       // m; 0 when W is 0
    long double stdDev = 0;     // 1/sqrt(W); 0 when W is 0
    long double chiSquared = 0; // sum of (mean_k - m)^2 / stdDevMean_k^2, not divided by anything
};

// Combines the series' means by their weights; a series without scatter (one value, or all
// values equal) has weight 0 and adds nothing to any sum.
//   series: the standard means of the chosen columns, in column order
SeriesMean seriesWeightedMean(std::span<const StandardMean> series);

// The message shown when one of the chosen columns holds no number (the run stops).
MessageText seriesNoDataMessage();

} // namespace tallox::stats
