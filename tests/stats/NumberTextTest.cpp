#include "stats/NumberText.h"
#include "stats/Planning.h"
#include "stats/ResultFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tallox::stats {
namespace {

TEST(NumberText, CleanupTouchesOnlyFirstOccurrences)
{
    EXPECT_EQ(cleanNumberText("1,5"), "1.5");
    EXPECT_EQ(cleanNumberText("-0,2"), "0.2");
    EXPECT_EQ(cleanNumberText("0,1,2"), "0.1,2");
    EXPECT_EQ(cleanNumberText("c"), "C");
    EXPECT_EQ(cleanNumberText("0.2x"), "0.2X");
    EXPECT_EQ(cleanNumberText("1 5"), "1.5");
    EXPECT_EQ(cleanNumberText("1 5,0"), "1.5.0"); // blank first, then the comma
    EXPECT_EQ(cleanNumberText("--1"), "-1");
    EXPECT_EQ(cleanNumberText("ąb"), "ąB"); // non-ASCII letters stay as they are
}

TEST(NumberText, ConversionAcceptsDecimalNumbers)
{
    const struct {
        const char* text;
        long double value;
    } good[] = {{"0.05", 0.05L}, {"  -2.5", -2.5L}, {"+3", 3}, {"1E3", 1000}, {"2.5e-2", 0.025L},
                {".5", 0.5L},   {"5.", 5},         {"7", 7}};
    for (const auto& g : good) {
        const auto c = convertNumber(g.text);
        EXPECT_TRUE(c.ok()) << g.text;
        EXPECT_EQ(c.value, g.value) << g.text;
    }
    EXPECT_EQ(convertNumber(cleanNumberText("0,05")).value, 0.05L);
}

TEST(NumberText, ConversionErrorPositions)
{
    const struct {
        const char* text;
        std::size_t position;
    } bad[] = {{"", 1},   {"0.2X", 4}, {"E", 2},  {"e", 2},   {"C5", 1}, {"D", 1},
               {"1E", 3}, {"1E+", 4},  {"-", 2},  {".", 2},   {"1.5 ", 4}, {"1,5", 2},
               {"   ", 4}, {"1e99999", 1}};
    for (const auto& b : bad) {
        const auto c = convertNumber(b.text);
        EXPECT_EQ(c.errorPosition, b.position) << '"' << b.text << '"';
        EXPECT_EQ(c.value, 0) << b.text;
    }
    EXPECT_EQ(convertNumber("1e-99999").value, 0); // too small to hold: zero, not an error
    EXPECT_TRUE(convertNumber("1e-99999").ok());
}

TEST(NumberText, OneScannerForTheShapeExactValueInEitherPrecision)
{
    const struct {
        const char* text;
        std::size_t length;
        std::size_t digits;
        bool whole;
    } shapes[] = {{"-12.5e-3", 8, 3, true}, {"+.5", 3, 1, true}, {"5.", 2, 1, true}, {"1e", 2, 1, false},
                  {"1.5 ", 3, 2, false},    {"-", 1, 0, false},  {"e5", 2, 0, false}, {"1,5", 1, 1, false},
                  {"inf", 0, 0, false},     {"", 0, 0, false}};
    for (const auto& c : shapes) {
        const DecimalShape shape = scanDecimal(c.text);
        EXPECT_EQ(shape.length, c.length) << c.text;
        EXPECT_EQ(shape.mantissaDigits, c.digits) << c.text;
        EXPECT_EQ(shape.isWhole(c.text), c.whole) << c.text;
    }
    // Each precision gets its own correctly rounded value of the same text.
    double d = 0;
    long double ld = 0;
    EXPECT_TRUE(decimalValue("0.1", scanDecimal("0.1"), d));
    EXPECT_TRUE(decimalValue("0.1", scanDecimal("0.1"), ld));
    EXPECT_EQ(d, 0.1);
    EXPECT_EQ(ld, 0.1L);
    EXPECT_NE(static_cast<long double>(d), ld);
    // Beyond double but within long double; too small for either reads as zero of its sign.
    EXPECT_FALSE(decimalValue("1e400", scanDecimal("1e400"), d));
    EXPECT_TRUE(decimalValue("1e400", scanDecimal("1e400"), ld));
    EXPECT_TRUE(decimalValue("-1e-99999", scanDecimal("-1e-99999"), d));
    EXPECT_TRUE(d == 0 && std::signbit(d));
}

TEST(ResultFormat, TenDecimalsDotAndSign)
{
    EXPECT_EQ(formatResult(-1.5L), "-1.5000000000");
    EXPECT_EQ(formatResult(1234.5L), "1234.5000000000");
    EXPECT_EQ(formatResult(0.0L), "0.0000000000");
    EXPECT_EQ(formatResult(-0.0L), "0.0000000000");
    EXPECT_EQ(formatResult(2.0L / 3), "0.6666666667");
    EXPECT_EQ(formatResult(1e20L), "100000000000000000000.0000000000");
}

TEST(ResultFormat, NoValueInsteadOfInfinityOrNaN)
{
    EXPECT_EQ(noValueText, "----------");
    EXPECT_EQ(formatResult(std::numeric_limits<long double>::infinity()), "----------");
    EXPECT_EQ(formatResult(-std::numeric_limits<long double>::infinity()), "----------");
    EXPECT_EQ(formatResult(std::numeric_limits<long double>::quiet_NaN()), "----------");
    EXPECT_EQ(formatResult(std::optional<long double>{}), "----------");
    EXPECT_EQ(formatResult(std::optional<long double>{0.25L}), "0.2500000000");
    // The widest long double still fits (it has about 4933 digits before the point).
    const auto widest = formatResult(std::numeric_limits<long double>::max());
    EXPECT_GT(widest.size(), 4900u);
    EXPECT_EQ(widest.substr(widest.size() - 11), ".0000000000");
    EXPECT_EQ(formatWhole(42), "42");
    EXPECT_EQ(formatWhole(std::numeric_limits<long double>::infinity()), "----------");
}

TEST(Planning, WorkedCases)
{
    EXPECT_EQ(planMeasurements(2.6L, 0.5L, 0.2L).count, 42.0L);  // Q = 42.25
    EXPECT_EQ(planMeasurements(2, 0.25L, 0.2L).count, 6.0L);     // Q = 6.25
    EXPECT_EQ(planMeasurements(2, 0.26L, 0.2L).count, 7.0L);     // Q = 6.76
    EXPECT_EQ(planMeasurements(2.6L, 0, 0.2L).count, 1.0L);      // no scatter: Q = 0
    EXPECT_EQ(planMeasurements(1, 0.5L, 0.2L).count, 6.0L);      // Q = 6.25 rounds down
    EXPECT_EQ(planMeasurements(1, 0.3L, 0.2L).count, 2.0L);      // Q = 2.25
    EXPECT_EQ(planMeasurements(2.6L, 0.5L, -0.2L).count, 42.0L); // the sign does not matter
}

TEST(Planning, ZeroOrUnusableAccuracyIsRefused)
{
    EXPECT_FALSE(planMeasurements(2.6L, 0.5L, 0).count);
    EXPECT_FALSE(planMeasurements(2.6L, 0.5L, std::numeric_limits<long double>::infinity()).count);
    EXPECT_FALSE(planMeasurements(2.6L, 0.5L, std::numeric_limits<long double>::quiet_NaN()).count);
    EXPECT_FALSE(planMeasurements(1e3000L, 1e3000L, 1e-3000L).count); // beyond any count
}

} // namespace
} // namespace tallox::stats
