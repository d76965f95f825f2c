// The laws, the transformations with their propagated uncertainties, the way back to a law's
// parameters, and a lab report's "v ± u".
#include "stats/Linearization.h"
#include "stats/Regression.h"
#include "stats/ReportNotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <vector>

namespace tallox::stats {
namespace {

TEST(Linearization, LawsTakeLogarithmsAndReciprocalsOrKeepTheValue)
{
    struct Case { Law law; Axis axis; double v; std::optional<double> expected; const char* box; };
    const Case cases[] = {
        {Law::Power, Axis::X, 4, std::log(4.0), nullptr},
        {Law::Power, Axis::Y, 0, {}, "Nieprawidłowy argument y dla funkcji \"ln\""},
        {Law::Power, Axis::X, -1, {}, "Nieprawidłowy argument x dla funkcji \"ln\""},
        {Law::Exponential, Axis::X, -3, -3, nullptr},
        {Law::Exponential, Axis::Y, 8, std::log(8.0), nullptr},
        {Law::Logarithmic, Axis::X, 0, {}, "Nieprawidłowy argument x dla funkcji \"ln\""},
        {Law::Logarithmic, Axis::Y, -2, -2, nullptr},
        {Law::Hyperbolic, Axis::X, 4, 0.25, nullptr},
        {Law::Hyperbolic, Axis::X, 0, {}, "Nieprawidłowy argument x dla funkcji \"1/x\""},
        {Law::Hyperbolic, Axis::Y, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        const TransformedValue t = linearizedValue(c.law, c.axis, c.v);
        SCOPED_TRACE(int(c.law) * 10 + int(c.axis));
        EXPECT_EQ(t.value, c.expected);
        EXPECT_EQ(t.fault ? domainFaultText(*t.fault) : std::string(), c.box ? c.box : "");
    }
}

TEST(Linearization, TransformationsAndTheirBoxes)
{
    struct Case { Transform t; Axis axis; double v; std::optional<double> expected; const char* box; };
    const Case cases[] = {
        {Transform::Square, Axis::X, -3, 9, nullptr},
        {Transform::Sqrt, Axis::X, 0, 0, nullptr},
        {Transform::Sqrt, Axis::Y, -4, {}, "Nieprawidłowy argument y dla funkcji \"sqrt\""},
        {Transform::Reciprocal, Axis::Y, 0, {}, "Nieprawidłowa wartość niepewności x dla funkcji \"1/x\""},
        {Transform::ReciprocalSquare, Axis::X, 0, {}, "Nieprawidłowa wartość niepewności x dla funkcji \"1/x^2\""},
        {Transform::ReciprocalSquare, Axis::X, -2, 0.25, nullptr},
        {Transform::Ln, Axis::X, 0, {}, "Nieprawidłowy argument x dla funkcji \"ln\""},
        {Transform::Exp, Axis::Y, 0, 1, nullptr},
        {Transform::Exp, Axis::Y, 800, {}, nullptr},       // beyond double: left out, no box
        {Transform::Reciprocal, Axis::X, 1e-320, {}, nullptr},
    };
    for (const Case& c : cases) {
        const TransformedValue t = transformedValue(c.t, c.axis, c.v);
        SCOPED_TRACE(int(c.t));
        EXPECT_EQ(t.value, c.expected);
        EXPECT_EQ(t.fault ? domainFaultText(*t.fault) : std::string(), c.box ? c.box : "");
    }
}

// Each propagation against a central difference of the transformation itself, u·t'(v), with the
// sign the derivative's magnitude is written with: the reciprocals' factors carry no minus.
TEST(Linearization, PropagationMatchesTheDerivative)
{
    const Transform all[] = {Transform::Square, Transform::Sqrt, Transform::Reciprocal,
                             Transform::ReciprocalSquare, Transform::Ln, Transform::Exp};
    for (const Transform t : all) {
        for (const double v : {0.37, 1.5, 4.0, -2.5}) {
            const std::optional<double> value = transformedValue(t, Axis::X, v).value;
            const std::optional<double> u = propagatedUncertainty(t, v, 0.01);
            SCOPED_TRACE(std::to_string(int(t)) + " at " + std::to_string(v));
            ASSERT_EQ(bool(value), bool(u));
            if (!value)
                continue;
            const double h = 1e-6 * std::fabs(v);
            const double slope = (*transformedValue(t, Axis::X, v + h).value
                                  - *transformedValue(t, Axis::X, v - h).value) / (2 * h);
            const bool reciprocal = t == Transform::Reciprocal || t == Transform::ReciprocalSquare;
            const double expected = 0.01 * (reciprocal ? -slope : slope);
            EXPECT_NEAR(*u, expected, 1e-6 * std::fabs(expected));
        }
    }
    // No finite factor, or no value: no uncertainty.
    for (const Transform t : {Transform::Sqrt, Transform::Reciprocal, Transform::ReciprocalSquare, Transform::Ln})
        EXPECT_FALSE(propagatedUncertainty(t, 0, 0.1)) << int(t);
    EXPECT_FALSE(propagatedUncertainty(Transform::Ln, -2, 0.1));
    EXPECT_EQ(propagatedUncertainty(Transform::Square, 3, 0.1), 0.1 * 6);
}

// y = 3·x^1.5 with 2 % scatter, fitted as ln y = n·ln x + ln C: n and C come back within
// two of their uncertainties, which are of the size the scatter gives.
TEST(Linearization, PowerLawParametersCoverTheTruth)
{
    std::mt19937_64 random(12);
    std::normal_distribution<double> scatter(0, 0.02);
    std::vector<long double> lx, ly;
    for (int i = 1; i <= 40; ++i) {
        const double x = 0.25 * i;
        lx.push_back(*linearizedValue(Law::Power, Axis::X, x).value);
        ly.push_back(*linearizedValue(Law::Power, Axis::Y, 3 * std::pow(x, 1.5) * (1 + scatter(random))).value);
    }
    const LineFit fit = *classicalFit(lx, ly).fit;
    const LawParameters p = lawParameters(Law::Power, fit.a, fit.b, *fit.sa, *fit.sb);
    EXPECT_NEAR(double(p.first.value), 1.5, 2 * double(p.first.uncertainty));
    EXPECT_NEAR(double(p.second.value), 3, 2 * double(p.second.uncertainty));
    EXPECT_GT(p.first.uncertainty, 0.001L);
    EXPECT_LT(p.first.uncertainty, 0.02L);
    EXPECT_NEAR(double(p.second.uncertainty), double(p.second.value * *fit.sb), 1e-12);

    const LawParameters h = lawParameters(Law::Hyperbolic, 2, -1, 0.1L, 0.2L);
    EXPECT_EQ(h.second.value, -1);
    EXPECT_EQ(h.second.uncertainty, 0.2L);
}

TEST(ReportNotation, RoundsTheUncertaintyUpAndTheValueToItsPlace)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    struct Case { long double v, u; const char* text; };
    const Case cases[] = {
        {1.50349L, 0.021L, "1.503 ± 0.021"},            // exactly 0.021 stays
        {1.50349L, 0.02101L, "1.503 ± 0.022"},          // anything above rounds up
        {29.66L, 1.15L, "29.7 ± 1.2"},
        {0.5L, 0.0995L, "0.50 ± 0.10"},                 // 99.5 -> 100 -> one digit more
        {12.345L, 9.95L, "12 ± 10"},
        {1234.5L, 99.5L, "1230 ± 100"},
        {0.0123456L, 0.000123456L, "0.01235 ± 0.00013"},
        {12345, 1150, "12300 ± 1200"},
        {1234567, 123456, "(1.23 ± 0.13)·10^6"},
        {5.03e8L, 1.1e7L, "(5.03 ± 0.11)·10^8"},
        {1.2344e-7L, 1.2e-9L, "(1.234 ± 0.012)·10^-7"},
        {1e-12L, 1.2e-9L, "(0.0 ± 1.2)·10^-9"},         // the value rounds to 0: power from u'
        {-2.25L, 0.5L, "-2.25 ± 0.50"},                 // half away from zero
        {-0.001L, 0.5L, "0.00 ± 0.50"},
        {1.503L, 0, "1.503000000 ± 0"},
        {-1.5e12L, 0, "(-1.500000000 ± 0)·10^12"},
        {1, -0.1L, "----------"},
        {nan, 0.1L, "----------"},
        {1, std::numeric_limits<long double>::infinity(), "----------"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reportNotation(c.v, c.u), c.text) << double(c.v) << " ± " << double(c.u);
}

TEST(ReportNotation, FixedResultsOfTheLinearizationPage)
{
    EXPECT_EQ(formatFixed(0.6931471805599453L, 6, 4), "0.693147");
    EXPECT_EQ(formatFixed(-0.0L, 6, 4), "0.000000");
    EXPECT_EQ(formatFixed(5, 0, 4), "   5");
    EXPECT_EQ(formatFixed(std::numeric_limits<long double>::quiet_NaN(), 6, 4), "----------");
}

} // namespace
} // namespace tallox::stats
