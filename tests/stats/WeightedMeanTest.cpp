#include "stats/SeriesMean.h"
#include "stats/WeightedMean.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tallox::stats {
namespace {

using C = std::vector<Cell>;
using K = WeightedMeanNoticeKind;

std::vector<K> kinds(const WeightedMeanOutcome& out)
{
    std::vector<K> k;
    for (const auto& n : out.notices)
        k.push_back(n.kind);
    return k;
}

TEST(WeightedMean, WorkedExample)
{
    // 10 and 12 with 1 and 2: W = 1.25, m = 13/1.25 = 10.4, s = sqrt(0.8), C = 0.16 + 0.64.
    const C x{numberCell(10), numberCell(12)}, u{numberCell(1), numberCell(2)};
    const auto out = weightedMean(x, u);
    ASSERT_TRUE(out.result);
    EXPECT_TRUE(out.notices.empty());
    EXPECT_EQ(out.result->count, 2u);
    EXPECT_NEAR(static_cast<double>(out.result->mean), 10.4, 1e-15);
    EXPECT_NEAR(static_cast<double>(out.result->stdDev), std::sqrt(0.8), 1e-15);
    EXPECT_NEAR(static_cast<double>(out.result->chiSquared), 0.8, 1e-15);
    ASSERT_TRUE(out.result->reducedChiSquared);
    EXPECT_NEAR(static_cast<double>(*out.result->reducedChiSquared), 0.8, 1e-15);
}

TEST(WeightedMean, ZeroValueWarnsTwiceAndStillCountsInChiSquared)
{
    // Row 2 holds 0: left out of the mean (m = 10), its (0 - 10)^2/1 still in C, n = 3.
    const C x{numberCell(10), numberCell(0), numberCell(10)};
    const C u{numberCell(1), numberCell(1), numberCell(1)};
    const auto out = weightedMean(x, u);
    ASSERT_TRUE(out.result);
    EXPECT_EQ(kinds(out), (std::vector<K>{K::ZeroValue, K::ZeroValue}));
    EXPECT_EQ(out.notices[0].row, 2);
    EXPECT_EQ(out.result->mean, 10);
    EXPECT_EQ(out.result->chiSquared, 100);
    EXPECT_EQ(*out.result->reducedChiSquared, 50);
}

TEST(WeightedMean, NoticesComeInRowOrderValueBeforeUncertainty)
{
    const C x{numberCell(5), textCell(), numberCell(0), emptyCell(), numberCell(7)};
    const C u{numberCell(0), textCell(), numberCell(1), emptyCell(), numberCell(1)};
    const auto out = weightedMean(x, u);
    ASSERT_TRUE(out.result);
    // First pass rows 1..5, then the second pass repeats the zero warnings in row order.
    EXPECT_EQ(kinds(out), (std::vector<K>{K::ZeroUncertainty, K::BadValue, K::BadUncertainty,
                                          K::ZeroValue, K::ZeroUncertainty, K::ZeroValue}));
    EXPECT_EQ(out.notices[1].row, 2);
    EXPECT_EQ(out.notices[3].row, 3);
    EXPECT_EQ(out.notices[4].row, 1);
    EXPECT_EQ(out.notices[5].row, 3);
    EXPECT_EQ(out.result->mean, 7);
    EXPECT_EQ(out.result->count, 3u); // numeric cells of the value column, zero included
}

TEST(WeightedMean, Stops)
{
    const C none{emptyCell(), textCell()};
    const auto noData = weightedMean(none, none);
    EXPECT_FALSE(noData.result);
    EXPECT_EQ(kinds(noData), std::vector<K>{K::NoData});

    // A missing uncertainty beside a value: stop, after the warnings of earlier rows.
    const C x{numberCell(0), numberCell(2)}, u{numberCell(1)};
    const auto incomplete = weightedMean(x, u);
    EXPECT_FALSE(incomplete.result);
    EXPECT_EQ(kinds(incomplete), (std::vector<K>{K::ZeroValue, K::IncompletePair}));
    EXPECT_EQ(incomplete.notices[1].row, 2);

    const C zeros{numberCell(0)}, ones{numberCell(1)};
    const auto noWeight = weightedMean(zeros, ones);
    EXPECT_FALSE(noWeight.result);
    EXPECT_EQ(kinds(noWeight), (std::vector<K>{K::ZeroValue, K::ZeroWeightSum}));
}

TEST(WeightedMean, RowsAfterTheLastValueAreNotRead)
{
    const C x{numberCell(3), numberCell(4)};
    const C u{numberCell(1), numberCell(1), textCell(), numberCell(0)};
    const auto out = weightedMean(x, u);
    ASSERT_TRUE(out.result);
    EXPECT_TRUE(out.notices.empty());
    EXPECT_EQ(out.result->mean, 3.5L);
}

TEST(WeightedMean, SingleValueHasNoReducedChiSquared)
{
    const C x{numberCell(4)}, u{numberCell(0.5L)};
    const auto out = weightedMean(x, u);
    ASSERT_TRUE(out.result);
    EXPECT_EQ(out.result->mean, 4);
    EXPECT_EQ(out.result->stdDev, 0.5L);
    EXPECT_EQ(out.result->chiSquared, 0);
    EXPECT_FALSE(out.result->reducedChiSquared);
}

TEST(SeriesWeightedMean, WorkedExampleAndSeriesWithoutScatter)
{
    // Means 10 and 12 with mean deviations 1 and 2: W = 1.25, m = 10.4, s = sqrt(0.8), C = 0.8.
    // A third series of one value (deviation 0, weight 0) changes nothing.
    const std::vector<StandardMean> series{{5, 10, 2, 1, 1}, {5, 12, 4, 2, 0.25L}, {1, 99, 0, 0, 0}};
    const auto out = seriesWeightedMean(series);
    EXPECT_NEAR(static_cast<double>(out.weightSum), 1.25, 1e-18);
    EXPECT_NEAR(static_cast<double>(out.mean), 10.4, 1e-15);
    EXPECT_NEAR(static_cast<double>(out.stdDev), std::sqrt(0.8), 1e-15);
    EXPECT_NEAR(static_cast<double>(out.chiSquared), 0.8, 1e-15);

    const std::vector<StandardMean> single{{1, 3, 0, 0, 0}, {1, 4, 0, 0, 0}};
    const auto none = seriesWeightedMean(single);
    EXPECT_EQ(none.weightSum, 0);
    EXPECT_EQ(none.mean, 0);
    EXPECT_EQ(none.stdDev, 0);
    EXPECT_EQ(none.chiSquared, 0);
}

} // namespace
} // namespace tallox::stats
