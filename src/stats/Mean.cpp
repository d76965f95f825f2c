#include "stats/Mean.h"

#include "stats/CompensatedSum.h"

#include <algorithm>
#include <cmath>

namespace tallox::stats {

std::optional<StandardMean> standardMean(std::span<const long double> values)
{
    if (values.empty())
        return std::nullopt;
    StandardMean result;
    result.count = values.size();
    const auto n = static_cast<long double>(values.size());

    // A column of identical readings has no scatter at all; say so exactly rather than
    // leave it to rounding in the mean.
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    if (*low == *high) {
        result.mean = *low;
        return result;
    }

    CompensatedSum sum;
    for (long double v : values)
        sum.add(v);
    long double mean = sum.value() / n;
    // Second pass: the deviations from the first estimate sum to its error.
    CompensatedSum residual;
    for (long double v : values)
        residual.add(v - mean);
    mean += residual.value() / n;
    result.mean = mean;

    CompensatedSum squares;
    for (long double v : values) {
        const long double d = v - mean;
        squares.add(d * d);
    }
    const long double s = squares.value();
    if (values.size() > 1 && s > 0) {
        // The same sample deviation serves every series length, long or short.
        result.stdDevSingle = std::sqrt(s / (n - 1));
        result.stdDevMean = std::sqrt(s / ((n - 1) * n));
    }
    if (result.stdDevMean != 0)
        result.weight = 1 / (result.stdDevMean * result.stdDevMean);
    return result;
}

} // namespace tallox::stats
