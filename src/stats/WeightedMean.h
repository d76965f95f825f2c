#pragma once
#include "stats/Cell.h"
#include "stats/MessageText.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace tallox::stats {

enum class WeightedMeanNoticeKind {
    NoData,          // the value column holds no number (stops)
    IncompletePair,  // one cell of a row is empty, the other not (stops)
    ZeroValue,       // warning: a value equal to 0, left out of the mean
    ZeroUncertainty, // warning: an uncertainty equal to 0, the row left out
    BadValue,        // a value cell that is neither a number nor empty
    BadUncertainty,  // an uncertainty cell that is neither a number nor empty
    ZeroWeightSum,   // no row contributed (stops)
};

struct WeightedMeanNotice {
    WeightedMeanNoticeKind kind;
    int row = 0; // 1-based worksheet row the notice is about; 0 for the whole column
};

struct WeightedMeanResult {
    std::size_t count = 0;     // numeric cells of the value column (n)
    long double mean = 0;      // weighted mean m
    long double stdDev = 0;    // its standard deviation sqrt(1/W)
    long double chiSquared = 0; // C, the sum of squared normalised deviations
    std::optional<long double> reducedChiSquared; // C/(n-1); no value when n is 1
};

struct WeightedMeanOutcome {
    std::optional<WeightedMeanResult> result; // nothing when the run stopped
    std::vector<WeightedMeanNotice> notices;  // in the order the boxes are shown
};

// The mean of a column of values weighted by the inverse squares of their uncertainties,
// with chi-squared. Rows run from 1 to the last numeric row of the value column; a row with
// both cells empty is passed over, zero values and uncertainties are left out with a warning.
//   values: the value column's cells, row 1 first
//   uncertainties: the uncertainty column's cells, row 1 first (missing rows read as empty)
WeightedMeanOutcome weightedMean(std::span<const Cell> values, std::span<const Cell> uncertainties);

// The message box that shows a notice of the weighted mean.
//   kind: the notice's kind
MessageText weightedMeanMessage(WeightedMeanNoticeKind kind);

} // namespace tallox::stats
