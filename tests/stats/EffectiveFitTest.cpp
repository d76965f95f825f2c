#include "stats/Regression.h"
#include "FitTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tallox::stats {
namespace {

TEST(EffectiveFit, WorkedLineWithCommonUncertainties)
{
    // By hand: a0 = 2, P = 0.2^2 + 2^2 * 0.1^2 = 0.08, every weight 12.5; S = 37.5,
    // centred Sxx = 12.5 * 2 = 25, so s_a = sqrt(1/25) = 0.2 and s_b = 0.2 * sqrt(14/3).
    const V x{1, 2, 3}, y{2, 4, 6};
    const C xData = cells(x), yData = cells(y);
    const auto out = effectiveFit(x, y, {xData, UncertaintyKind::Common, 0.1L, {}},
                                  {yData, UncertaintyKind::Common, 0.2L, {}});
    ASSERT_TRUE(out.fit);
    EXPECT_TRUE(out.notices.empty());
    expectClose(out.fit->a, 2, "a");
    expectClose(out.fit->b, 0, "b");
    expectClose(out.fit->r, 1, "r");
    expectClose(*out.fit->chiSquared, 0, "chi2");
    expectClose(*out.fit->sa, 0.2L, "sa");
    expectClose(*out.fit->sb, 0.2L * std::sqrt(14.0L / 3), "sb");
}

// Expected values computed independently at development time with python3: exact rationals
// (fractions) for a0 = (N Sxy - Sx Sy)/(N Sxx - Sx^2), P_i = uy_i^2 + a0^2 ux_i^2, w_i = 1/P_i and
// the raw-sum formulas a = (S Sxy - Sx Sy)/Dx, s_a = sqrt(S/Dx), s_b = s_a sqrt(Sxx/S),
// chi2 = sum w e^2 / (N-2); square roots by mpmath at 40 digits.
TEST(EffectiveFit, PerPointXUncertaintiesAndCommonY)
{
    const V x{1, 2, 3, 4, 5}, y{1.8L, 4.3L, 5.9L, 8.2L, 9.9L};
    const C xData = cells(x), yData = cells(y), ux = cells({0.1L, 0.2L, 0.1L, 0.2L, 0.1L});
    const auto out = effectiveFit(x, y, {xData, UncertaintyKind::PerPoint, 0, ux},
                                  {yData, UncertaintyKind::Common, 0.3L, {}});
    ASSERT_TRUE(out.fit);
    EXPECT_TRUE(out.notices.empty());
    expectClose(out.fit->a, 2.016396966266338381639261L, "a");
    expectClose(out.fit->b, -0.08408712905972443013834968L, "b");
    expectClose(out.fit->r, 0.99837052991594318676941L, "r");
    expectClose(*out.fit->sa, 0.1201265360505107221730655L, "sa");
    expectClose(*out.fit->sb, 0.4027138746807026724038911L, "sb");
    expectClose(*out.fit->chiSquared, 0.306825753995703747192103L, "chi2");
}

TEST(EffectiveFit, FallingLineStillWeighsEveryPoint)
{
    // a0 = -1.05: with a0^2 every P_i = 0.01 + 1.1025 * 0.01 stays positive.
    const V x{1, 2, 3}, y{3, 2.2L, 0.9L};
    const C xData = cells(x), yData = cells(y);
    const auto out = effectiveFit(x, y, {xData, UncertaintyKind::Common, 0.1L, {}},
                                  {yData, UncertaintyKind::Common, 0.1L, {}});
    ASSERT_TRUE(out.fit);
    expectClose(out.fit->a, -1.05L, "a");
    expectClose(out.fit->b, 4.133333333333333333333333L, "b");
    expectClose(out.fit->r, -0.9906836053628414117939066L, "r");
    expectClose(*out.fit->sa, 0.1025304832720493910381224L, "sa");
    expectClose(*out.fit->sb, 0.2214911585895322669850889L, "sb");
    expectClose(*out.fit->chiSquared, 1.981767736821244550138724L, "chi2");
}

TEST(EffectiveFit, NoUncertaintyAnywhereGivesTheClassicalFit)
{
    const V x{1, 2, 3}, y{1, 3, 2};
    const C xData = cells(x), yData = cells(y), zeros = cells({0, 0, 0});
    // Per-point X column of zeros and Y without uncertainties: every P_i is 0.
    const auto out = effectiveFit(x, y, {xData, UncertaintyKind::PerPoint, 0, zeros},
                                  {yData, UncertaintyKind::None, 0, {}});
    ASSERT_TRUE(out.fit);
    ASSERT_EQ(out.notices.size(), 3u); // one zero-uncertainty warning per row, nothing else
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(out.notices[row - 1].kind, FitNoticeKind::ZeroUncertainty);
        EXPECT_EQ(out.notices[row - 1].row, row);
    }
    const auto classical = classicalFit(x, y);
    EXPECT_EQ(out.fit->a, classical.fit->a);
    EXPECT_EQ(out.fit->b, classical.fit->b);
    EXPECT_EQ(out.fit->sa, classical.fit->sa);
    EXPECT_EQ(out.fit->sb, classical.fit->sb);
    EXPECT_EQ(out.fit->chiSquared, classical.fit->chiSquared); // the residual variance, 1.5
}

TEST(EffectiveFit, ZeroXColumnWithCommonYMatchesTheClassicalLine)
{
    const V x{1, 2, 3, 4}, y{1.1L, 1.9L, 3.2L, 3.9L};
    const C xData = cells(x), yData = cells(y), zeros = cells({0, 0, 0, 0});
    const auto out = effectiveFit(x, y, {xData, UncertaintyKind::PerPoint, 0, zeros},
                                  {yData, UncertaintyKind::Common, 0.5L, {}});
    ASSERT_TRUE(out.fit);
    EXPECT_EQ(out.notices.size(), 4u);
    const auto text = fitMessage(FitMethod::Effective, out.notices[0]);
    EXPECT_EQ(text.caption, "Ostrzeżenie Regresji Efektywnej!");
    EXPECT_EQ(text.text, "Zerowa niepewność dla X!");
    const auto classical = classicalFit(x, y);
    expectClose(out.fit->a, classical.fit->a, "a");
    expectClose(out.fit->b, classical.fit->b, "b");
}

TEST(EffectiveFit, StopsAndRefusals)
{
    const V x{1, 2, 3}, y{2, 4, 6};
    const C xData = cells(x), yData = cells(y);
    const auto zeroX = effectiveFit(x, y, {xData, UncertaintyKind::Common, 0, {}},
                                    {yData, UncertaintyKind::Common, 0.2L, {}});
    EXPECT_FALSE(zeroX.fit);
    ASSERT_EQ(zeroX.notices.size(), 1u);
    EXPECT_EQ(fitMessage(FitMethod::Effective, zeroX.notices[0]).text, "Zerowa niepewność dla X?");

    const V flat{5, 5, 5};
    const C flatData = cells(flat);
    const auto horizontal = effectiveFit(x, flat, {xData, UncertaintyKind::Common, 0.1L, {}},
                                         {flatData, UncertaintyKind::Common, 0.2L, {}});
    EXPECT_FALSE(horizontal.fit);
    ASSERT_EQ(horizontal.notices.size(), 1u);
    const auto text = fitMessage(FitMethod::Effective, horizontal.notices[0]);
    EXPECT_EQ(text.caption, "Błąd Regresji Efektywnej!");
    EXPECT_EQ(text.text, "Wyniki są niejednoznaczne!");
}

TEST(EffectiveFit, EmptyPerPointCellsReadAsZeroWithoutMessage)
{
    // Row 2's X uncertainty is empty: its P is uy^2 alone; the zero data of row 3 in Y warns.
    const V x{1, 2, 3, 4}, y{2, 4.1L, 0, 8};
    const C xData = cells(x), yData = cells(y);
    const C ux{numberCell(0.1L), emptyCell(), numberCell(0.1L), numberCell(0.1L)};
    const auto out = effectiveFit(x, y, {xData, UncertaintyKind::PerPoint, 0, ux},
                                  {yData, UncertaintyKind::Common, 0.2L, {}});
    ASSERT_TRUE(out.fit);
    ASSERT_EQ(out.notices.size(), 1u);
    EXPECT_EQ(out.notices[0].kind, FitNoticeKind::ZeroData);
    EXPECT_EQ(out.notices[0].axis, Axis::Y);
    EXPECT_EQ(out.notices[0].row, 3);
    EXPECT_EQ(fitMessage(FitMethod::Effective, out.notices[0]).text, "Zerowa dana w kolumnie Y!");
}

TEST(EffectiveFit, TwoPointsHaveNoSpread)
{
    const V x{1, 2}, y{1, 3};
    const C xData = cells(x), yData = cells(y);
    const auto out = effectiveFit(x, y, {xData, UncertaintyKind::Common, 0.1L, {}},
                                  {yData, UncertaintyKind::Common, 0.1L, {}});
    ASSERT_TRUE(out.fit);
    expectClose(out.fit->a, 2, "a");
    expectClose(out.fit->b, -1, "b");
    EXPECT_FALSE(out.fit->sa);
    EXPECT_FALSE(out.fit->sb);
    EXPECT_FALSE(out.fit->chiSquared);
}

} // namespace
} // namespace tallox::stats
