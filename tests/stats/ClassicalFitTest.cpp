#include "NistData.h"
#include "stats/Regression.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace tallox::stats {
namespace {

using V = std::vector<long double>;

double d(long double v) { return static_cast<double>(v); }

TEST(ClassicalFit, PerfectLine)
{
    const V x{1, 2, 3}, y{2, 4, 6};
    const auto out = classicalFit(x, y);
    ASSERT_TRUE(out.fit);
    EXPECT_TRUE(out.notices.empty());
    EXPECT_EQ(out.fit->a, 2);
    EXPECT_EQ(out.fit->b, 0);
    EXPECT_EQ(out.fit->r, 1);
    EXPECT_EQ(out.fit->sa, 0.0L);
    EXPECT_EQ(out.fit->sb, 0.0L);
    EXPECT_EQ(out.fit->chiSquared, 0.0L);
}

TEST(ClassicalFit, ThreeScatteredPointsByHand)
{
    // Sx = Sy = 6, Sxx = Syy = 14, Sxy = 13, D = E = 6: a = 0.5, b = 1, r = 0.5, V = 1.5,
    // s_a = sqrt(3 * 1.5 / 6), s_b = s_a * sqrt(14/3).
    const V x{1, 2, 3}, y{1, 3, 2};
    const auto out = classicalFit(x, y);
    ASSERT_TRUE(out.fit);
    EXPECT_NEAR(d(out.fit->a), 0.5, 1e-17);
    EXPECT_NEAR(d(out.fit->b), 1.0, 1e-17);
    EXPECT_NEAR(d(out.fit->r), 0.5, 1e-17);
    EXPECT_NEAR(d(*out.fit->chiSquared), 1.5, 1e-16);
    EXPECT_NEAR(d(*out.fit->sa), std::sqrt(0.75), 1e-16);
    EXPECT_NEAR(d(*out.fit->sb), std::sqrt(0.75) * std::sqrt(14.0 / 3), 1e-15);
}

TEST(ClassicalFit, TwoPointsGiveLineButNoSpread)
{
    const V x{1, 3}, y{1, 5};
    const auto out = classicalFit(x, y);
    ASSERT_TRUE(out.fit);
    EXPECT_EQ(out.fit->a, 2);
    EXPECT_EQ(out.fit->b, -1);
    EXPECT_EQ(out.fit->r, 1);
    EXPECT_FALSE(out.fit->sa);
    EXPECT_FALSE(out.fit->sb);
    EXPECT_FALSE(out.fit->chiSquared);
}

TEST(ClassicalFit, RefusesVerticalHorizontalAndTooFewPoints)
{
    // 0.1 three times: raw moments n*Sxx - Sx^2 need not cancel exactly; the refusal must still come.
    const V vertical{0.1L, 0.1L, 0.1L}, horizontal{7, 7, 7}, some{1, 2, 3};
    for (const auto& [x, y] : {std::pair{vertical, some}, std::pair{some, horizontal}}) {
        const auto out = classicalFit(x, y);
        EXPECT_FALSE(out.fit);
        ASSERT_EQ(out.notices.size(), 1u);
        EXPECT_EQ(out.notices[0].kind, FitNoticeKind::Ambiguous);
        const auto text = fitMessage(FitMethod::Classical, out.notices[0]);
        EXPECT_EQ(text.caption, "Błąd Regresji Klasycznej!");
        EXPECT_EQ(text.text, "Wyniki są niejednoznaczne!");
    }
    EXPECT_EQ(classicalFit(V{}, V{}).notices.at(0).kind, FitNoticeKind::NoPoints);
    EXPECT_EQ(classicalFit(V{1}, V{2}).notices.at(0).kind, FitNoticeKind::OnePoint);
}

TEST(FigureChecks, ComeInTheirOrder)
{
    EXPECT_EQ(checkFigure(0, false)->kind, FitNoticeKind::NoPoints);
    EXPECT_EQ(checkFigure(1, false)->kind, FitNoticeKind::OnePoint);
    EXPECT_EQ(checkFigure(5, false)->kind, FitNoticeKind::FigureHidden);
    EXPECT_FALSE(checkFigure(2, true));
    EXPECT_EQ(fitMessage(FitMethod::Weighted, *checkFigure(0, true)).text, "Brak punktów w wykresie !");
    EXPECT_EQ(fitMessage(FitMethod::Effective, *checkFigure(1, true)).text,
              "Za mała ilość punktów w wykresie !");
    EXPECT_EQ(fitMessage(FitMethod::Effective, *checkFigure(3, false)).caption,
              "Błąd Regresji Efektywnej!");
    EXPECT_EQ(fitMessage(FitMethod::Classical, *checkFigure(3, false)).text,
              "Wykres wyjściowy danych jest niewidoczny");
}

// NIST StRD Norris: 36 points, y first then x in the file.
TEST(ClassicalFit, NorrisReachesCertifiedAccuracy)
{
    const auto file = testing::readNistFile("Norris.dat");
    const auto y = testing::dataColumn(file, 0);
    const auto x = testing::dataColumn(file, 1);
    ASSERT_EQ(x.size(), 36u);
    const auto b0 = testing::numbersOfLine(file, "B0");
    const auto b1 = testing::numbersOfLine(file, "B1");
    const auto residualSd = testing::numbersOfLine(file, "Standard Deviation");
    const auto rSquared = testing::numbersOfLine(file, "R-Squared");
    ASSERT_EQ(b0.size(), 2u);
    ASSERT_EQ(b1.size(), 2u);
    ASSERT_EQ(residualSd.size(), 1u);
    ASSERT_EQ(rSquared.size(), 1u);

    const auto out = classicalFit(x, y);
    ASSERT_TRUE(out.fit);
    const LineFit& f = *out.fit;
    const struct {
        const char* name;
        long double computed, certified;
    } checks[] = {
        {"slope a", f.a, b1[0]},
        {"intercept b", f.b, b0[0]},
        {"s_a", *f.sa, b1[1]},
        {"s_b", *f.sb, b0[1]},
        {"r", f.r, std::sqrt(rSquared[0])},
        {"residual variance", *f.chiSquared, residualSd[0] * residualSd[0]},
    };
    for (const auto& c : checks) {
        const double lre = testing::logRelativeError(c.computed, c.certified);
        std::printf("[ LRE      ] Norris %-18s %5.1f\n", c.name, lre);
        EXPECT_GE(lre, 12.0) << c.name;
    }
}

} // namespace
} // namespace tallox::stats
