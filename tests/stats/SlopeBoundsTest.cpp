#include "stats/ReportNotation.h"
#include "stats/SlopeBounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

using namespace tallox::stats;

namespace {

bool meetsBox(long double a, long double b, const Box& box, long double tolerance)
{
    // The line's y over the box's x range, compared with the box's y range.
    const long double y1 = a * box.xLow + b, y2 = a * box.xHigh + b;
    return std::min(y1, y2) <= box.yHigh + tolerance && std::max(y1, y2) >= box.yLow - tolerance;
}

struct Extremes {
    bool any = false;
    long double aMin = 0, aMax = 0;
};

// Every line through two box corners (of one box or of two) that meets all boxes.
Extremes bruteForce(const std::vector<Box>& boxes)
{
    std::vector<std::array<long double, 2>> corners;
    for (const Box& b : boxes)
        for (long double x : {b.xLow, b.xHigh})
            for (long double y : {b.yLow, b.yHigh})
                corners.push_back({x, y});
    Extremes e;
    for (std::size_t p = 0; p < corners.size(); ++p)
        for (std::size_t q = p + 1; q < corners.size(); ++q) {
            const long double dx = corners[q][0] - corners[p][0];
            if (dx == 0)
                continue;
            const long double a = (corners[q][1] - corners[p][1]) / dx;
            const long double b = corners[p][1] - a * corners[p][0];
            if (!std::all_of(boxes.begin(), boxes.end(),
                             [&](const Box& box) { return meetsBox(a, b, box, 1e-9L); }))
                continue;
            e.aMin = e.any ? std::min(e.aMin, a) : a;
            e.aMax = e.any ? std::max(e.aMax, a) : a;
            e.any = true;
        }
    return e;
}

} // namespace

TEST(SlopeBoundsTest, ThreePointsWithYUncertaintyGiveTheTextbookLines)
{
    const std::vector<long double> x{1, 2, 3}, y{2, 3, 4}, ux{0, 0, 0}, uy{0.5L, 0.5L, 0.5L};
    const SlopeBounds r = slopeBounds(uncertaintyBoxes(x, y, ux, uy));
    ASSERT_EQ(r.status, SlopeBoundsStatus::Ok);
    EXPECT_NEAR(double(r.steepest.a), 1.5, 1e-12);
    EXPECT_NEAR(double(r.steepest.b), 0.0, 1e-12);
    EXPECT_NEAR(double(r.flattest.a), 0.5, 1e-12);
    EXPECT_NEAR(double(r.flattest.b), 2.0, 1e-12);
    const long double a = (r.steepest.a + r.flattest.a) / 2, ua = (r.steepest.a - r.flattest.a) / 2;
    const long double b = (r.steepest.b + r.flattest.b) / 2, ub = std::fabs(r.steepest.b - r.flattest.b) / 2;
    EXPECT_EQ(reportNotation(a, ua), "1.00 ± 0.50");
    EXPECT_EQ(reportNotation(b, ub), "1.0 ± 1.0");
}

TEST(SlopeBoundsTest, BadCasesAreTold)
{
    struct Case { const char* what; std::vector<Box> boxes; SlopeBoundsStatus status; };
    const std::vector<Case> cases{
        {"no box", {}, SlopeBoundsStatus::TooFewPoints},
        {"one box", {{0, 1, 0, 1}}, SlopeBoundsStatus::TooFewPoints},
        {"a bent row of points", {{0, 0, 0, 0}, {1, 1, 1, 1}, {2, 2, 0, 0}}, SlopeBoundsStatus::NoLine},
        {"boxes overlapping in x", {{0, 2, 0, 1}, {1, 3, 5, 6}}, SlopeBoundsStatus::Unbounded},
        {"points on one vertical", {{1, 1, 0, 0}, {1, 1, 5, 5}}, SlopeBoundsStatus::Unbounded},
        {"falling points", {{0, 0, 4, 4}, {1, 1, 2, 3}, {2, 2, 0, 0}}, SlopeBoundsStatus::Ok},
    };
    for (const Case& c : cases)
        EXPECT_EQ(slopeBounds(c.boxes).status, c.status) << c.what;
    // The falling case: the only line through (0, 4) and (2, 0) has slope -2 and meets (1, [2, 3]).
    const SlopeBounds falling = slopeBounds(cases.back().boxes);
    EXPECT_NEAR(double(falling.steepest.a), -2, 1e-12);
    EXPECT_NEAR(double(falling.flattest.a), -2, 1e-12);
    EXPECT_NEAR(double(falling.steepest.b), 4, 1e-12);
}

// Random figures (rising, falling, near-horizontal; X boxes or not; some with no line at all)
// against every line through two corners.
TEST(SlopeBoundsTest, AgreesWithEveryLineThroughTwoCorners)
{
    std::mt19937 random(15);
    std::uniform_real_distribution<double> unit(0, 1);
    int feasible = 0, infeasible = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const int n = 2 + trial % 9;
        const double slope = (unit(random) - 0.5) * 6 * (trial % 5 == 0 ? 0.01 : 1);
        const double noise = trial % 4 == 0 ? 1.5 : 0.3;
        std::vector<Box> boxes;
        for (int i = 0; i < n; ++i) {
            const double x = i * 1.0 + unit(random) * 0.2;
            const double y = slope * x + 1 + (unit(random) - 0.5) * noise;
            const double ux = trial % 3 == 0 ? 0 : unit(random) * 0.3;
            const double uy = 0.1 + unit(random) * 0.4;
            boxes.push_back({x - ux, x + ux, y - uy, y + uy});
        }
        const Extremes expected = bruteForce(boxes);
        const SlopeBounds got = slopeBounds(boxes);
        if (!expected.any) {
            EXPECT_EQ(got.status, SlopeBoundsStatus::NoLine) << "trial " << trial;
            ++infeasible;
            continue;
        }
        ++feasible;
        ASSERT_EQ(got.status, SlopeBoundsStatus::Ok) << "trial " << trial;
        EXPECT_NEAR(double(got.steepest.a), double(expected.aMax), 1e-9) << "trial " << trial;
        EXPECT_NEAR(double(got.flattest.a), double(expected.aMin), 1e-9) << "trial " << trial;
        // The extreme lines themselves meet every box.
        for (const BoundLine& line : {got.steepest, got.flattest})
            for (const Box& box : boxes)
                EXPECT_TRUE(meetsBox(line.a, line.b, box, 1e-9L)) << "trial " << trial;
    }
    EXPECT_GT(feasible, 100);
    EXPECT_GT(infeasible, 20);
}
