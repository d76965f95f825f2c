#include "stats/Regression.h"
#include "FitTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tallox::stats {
namespace {

// Expected values below were computed independently at development time with python3: exact
// rational arithmetic (fractions) over the textbook raw-sum formulas S, Sx, Sxx, Sxy, Dx,
// a = (S Sxy - Sx Sy)/Dx, s_a = sqrt(S/(N-2) * R/Dx), s_b = s_a sqrt(Sxx/S), square roots by
// mpmath at 40 digits.
TEST(WeightedFit, DominantYWithPerPointUncertainties)
{
    const V x{1, 2, 3, 4, 5}, y{2.1L, 3.9L, 6.2L, 7.8L, 10.1L};
    const C xData = cells(x), yData = cells(y), uy = cells({0.1L, 0.2L, 0.1L, 0.3L, 0.2L});
    // R_x = 0.001 * (1 + 1/2 + ... + 1/5) = 0.00228, R_y = 0.173: Y dominates.
    const AxisData xAxis{xData, UncertaintyKind::Common, 0.001L, {}};
    const AxisData yAxis{yData, UncertaintyKind::PerPoint, 0, uy};
    const auto out = weightedFit(x, y, xAxis, yAxis);
    ASSERT_TRUE(out.fit);
    EXPECT_TRUE(out.notices.empty());
    EXPECT_EQ(out.weightedBy, Axis::Y);
    expectClose(out.fit->a, 2.006261510128913443830571L, "a");
    expectClose(out.fit->b, 0.09152854511970534069981584L, "b");
    expectClose(out.fit->r, 0.9991488411341955444588651L, "r");
    expectClose(*out.fit->sa, 0.04782165514893613310996607L, "sa");
    expectClose(*out.fit->sb, 0.1290939716406058843082204L, "sb");
    expectClose(*out.fit->chiSquared, 0.9907918968692449355432781L, "chi2");
}

TEST(WeightedFit, DominantXWithEmptyCellWeighingOne)
{
    // The Y axis has no uncertainties at all: its relative sum is 0 and it says nothing.
    // The empty X uncertainty of row 3 gives no message, adds nothing, and weighs 1.
    const V x{0.5L, 1.0L, 1.5L, 2.0L}, y{1, 2.2L, 2.9L, 4.1L};
    const C xData = cells(x), yData = cells(y);
    const C ux{numberCell(0.05L), numberCell(0.1L), emptyCell(), numberCell(0.1L)};
    const AxisData xAxis{xData, UncertaintyKind::PerPoint, 0, ux};
    const AxisData yAxis{yData, UncertaintyKind::None, 0.3L, {}};
    const auto out = weightedFit(x, y, xAxis, yAxis);
    ASSERT_TRUE(out.fit);
    EXPECT_TRUE(out.notices.empty());
    EXPECT_EQ(out.weightedBy, Axis::X);
    expectClose(out.fit->a, 2.081077410593028519692168L, "a");
    expectClose(out.fit->b, -0.01790402897238569488456315L, "b");
    expectClose(out.fit->r, 0.9985492452265259530087271L, "r");
    expectClose(*out.fit->sa, 0.07935205543274079422912862L, "sa");
    expectClose(*out.fit->sb, 0.07943453342552052224190348L, "sb");
    expectClose(*out.fit->chiSquared, 1.157197827071072883657764L, "chi2");
}

TEST(WeightedFit, RelativeSumsAddMagnitudes)
{
    // X values -2, -1, 1, 2 with u = 0.1: signed terms cancel to 0, magnitudes give 0.3,
    // ten times more than R_y = 0.0021; every weight is 1/0.01.
    const V x{-2, -1, 1, 2}, y{1, 2, 3, 4.5L};
    const C xData = cells(x), yData = cells(y);
    const AxisData xAxis{xData, UncertaintyKind::Common, 0.1L, {}};
    const AxisData yAxis{yData, UncertaintyKind::Common, 0.001L, {}};
    const auto out = weightedFit(x, y, xAxis, yAxis);
    ASSERT_TRUE(out.fit);
    EXPECT_EQ(out.weightedBy, Axis::X);
    expectClose(out.fit->a, 0.8L, "a");
    expectClose(out.fit->b, 2.625L, "b");
    expectClose(*out.fit->sa, 0.119895788082817988539936L, "sa");
    expectClose(*out.fit->sb, 0.1895718861012887638564206L, "sb");
    expectClose(*out.fit->chiSquared, 14.375L, "chi2");
}

TEST(WeightedFit, DominanceExampleWeighsByTheYColumn)
{
    // X 1..5 with the one value 0.001, Y 2..10 with 0.5 from a column: R_x = 0.0023,
    // R_y = 0.57; every weight 1/0.5^2, the points lie on y = 2x.
    const V x{1, 2, 3, 4, 5}, y{2, 4, 6, 8, 10};
    const C xData = cells(x), yData = cells(y), uy = cells({0.5L, 0.5L, 0.5L, 0.5L, 0.5L});
    const auto out = weightedFit(x, y, {xData, UncertaintyKind::Common, 0.001L, {}},
                                 {yData, UncertaintyKind::PerPoint, 0, uy});
    ASSERT_TRUE(out.fit);
    EXPECT_EQ(out.weightedBy, Axis::Y);
    expectClose(out.fit->a, 2, "a");
    expectClose(out.fit->b, 0, "b");
    expectClose(*out.fit->chiSquared, 0, "chi2");
}

TEST(WeightedFit, RefusedWithinAFactorOfTen)
{
    // R_x = 0.1 * 1.83, R_y = 0.2 * 1.83: only twice as large.
    const V x{1, 2, 3}, y{1, 2, 3.5L};
    const C xData = cells(x), yData = cells({1, 2, 3});
    const auto out = weightedFit(x, y, {xData, UncertaintyKind::Common, 0.1L, {}},
                                 {yData, UncertaintyKind::Common, 0.2L, {}});
    EXPECT_FALSE(out.fit);
    ASSERT_EQ(out.notices.size(), 1u);
    const auto text = fitMessage(FitMethod::Weighted, out.notices[0]);
    EXPECT_EQ(text.caption, "Ostrzeżenie Regresji Ważonej!");
    EXPECT_EQ(text.text, "Brak zasadności stosowania Regresji Ważonej! Zastosuj Regresję Efektywną!");

    // Neither axis has uncertainties: nothing can dominate.
    const auto none = weightedFit(x, y, {xData, UncertaintyKind::None, 0, {}},
                                  {yData, UncertaintyKind::None, 0, {}});
    EXPECT_FALSE(none.fit);
    EXPECT_EQ(none.notices.at(0).kind, FitNoticeKind::NoDominantAxis);
}

TEST(WeightedFit, ZeroCommonUncertaintyStopsAfterEarlierWarnings)
{
    // X per point: row 2 holds a zero reading, row 3 a zero uncertainty; then Y's one value
    // is 0, which stops the run even though X's warnings have been shown.
    const V x{1, 0, 3}, y{2, 4, 6};
    const C xData = cells(x), yData = cells(y), ux = cells({0.1L, 0.1L, 0});
    const auto out = weightedFit(x, y, {xData, UncertaintyKind::PerPoint, 0, ux},
                                 {yData, UncertaintyKind::Common, 0, {}});
    EXPECT_FALSE(out.fit);
    ASSERT_EQ(out.notices.size(), 3u);
    EXPECT_EQ(out.notices[0].kind, FitNoticeKind::ZeroData);
    EXPECT_EQ(out.notices[0].row, 2);
    EXPECT_EQ(out.notices[1].kind, FitNoticeKind::ZeroUncertainty);
    EXPECT_EQ(out.notices[1].row, 3);
    EXPECT_EQ(out.notices[2].kind, FitNoticeKind::ZeroCommonUncertainty);
    EXPECT_EQ(out.notices[2].axis, Axis::Y);

    const auto m0 = fitMessage(FitMethod::Weighted, out.notices[0]);
    EXPECT_EQ(m0.caption, "Ostrzeżenie Regresji Ważonej!");
    EXPECT_EQ(m0.text, "Zerowa dana w kolumnie x!");
    const auto m1 = fitMessage(FitMethod::Weighted, out.notices[1]);
    EXPECT_EQ(m1.caption, "Ostzeżenie Regresji Ważonej!");
    EXPECT_EQ(m1.text, "Zerowa niepewność dla x!");
    const auto m2 = fitMessage(FitMethod::Weighted, out.notices[2]);
    EXPECT_EQ(m2.caption, "Ostrzeżenie Regresji Ważonej!");
    EXPECT_EQ(m2.text, "Zerowa niepewność dla y?");

    // An X one-value of 0 stops at once.
    const auto first = weightedFit(x, y, {xData, UncertaintyKind::Common, 0, {}},
                                   {yData, UncertaintyKind::Common, 0.5L, {}});
    ASSERT_EQ(first.notices.size(), 1u);
    EXPECT_EQ(fitMessage(FitMethod::Weighted, first.notices[0]).text, "Zerowa niepewność dla x?");
}

TEST(WeightedFit, YColumnWarningsUseTheirOwnCaptions)
{
    const V x{1, 2, 3}, y{0, 4, 6};
    const C xData = cells(x), yData = cells(y), uy = cells({0.5L, 0, 0.5L});
    const auto out = weightedFit(x, y, {xData, UncertaintyKind::Common, 0.0001L, {}},
                                 {yData, UncertaintyKind::PerPoint, 0, uy});
    ASSERT_EQ(out.notices.size(), 2u);
    const auto zeroData = fitMessage(FitMethod::Weighted, out.notices[0]);
    EXPECT_EQ(zeroData.caption, "Ostzeżenie Regresji Ważonej!");
    EXPECT_EQ(zeroData.text, "Zerowa dana w kolumnie y!");
    const auto zeroU = fitMessage(FitMethod::Weighted, out.notices[1]);
    EXPECT_EQ(zeroU.caption, "Ostrzeżenie Regresji Ważonej!");
    EXPECT_EQ(zeroU.text, "Zerowa niepewność dla y!");
    // Row 1 and row 2 are left out of R_y; row 3 alone (0.5/6 = 0.083) still dominates R_x.
    ASSERT_TRUE(out.fit);
    EXPECT_EQ(out.weightedBy, Axis::Y);
}

} // namespace
} // namespace tallox::stats
