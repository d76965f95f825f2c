#pragma once
#include <cstddef>
#include <optional>
#include <span>

namespace tallox::stats {

// The standard mean of a column of repeated measurements.
struct StandardMean {
    std::size_t count = 0;        // number of values
    long double mean = 0;         // arithmetic mean
    long double stdDevSingle = 0; // standard deviation of a single measurement, sqrt(S/(n-1))
    long double stdDevMean = 0;   // standard deviation of the mean, sqrt(S/((n-1)n))
    long double weight = 0;       // 1/stdDevMean^2, or 0 when stdDevMean is 0
};

// Mean and deviations of a column's numeric values, S being the sum of squared deviations
// from the mean; with one value, or all values equal, both deviations and the weight are 0.
// Nothing when there is no value. Any number of values is accepted.
//   values: the numeric cells of the column, in row order
std::optional<StandardMean> standardMean(std::span<const long double> values);

} // namespace tallox::stats
