#pragma once
// What the tests of the weighted and effective fits share: numbers as cells, and a comparison
// to within a few units of the last digit of a double.
#include "stats/Cell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tallox::stats {

using V = std::vector<long double>;
using C = std::vector<Cell>;

inline C cells(const V& values)
{
    C out;
    for (long double v : values)
        out.push_back(numberCell(v));
    return out;
}

inline void expectClose(long double computed, long double expected, const char* what)
{
    EXPECT_NEAR(static_cast<double>(computed), static_cast<double>(expected),
                1e-14 * std::max(1.0, std::fabs(static_cast<double>(expected))))
        << what;
}

} // namespace tallox::stats
