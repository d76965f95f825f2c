#include "stats/ReportNotation.h"

#include "stats/ResultFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace tallox::stats {

namespace {

// How close (relative) an uncertainty must lie to a two-digit number to be that number: a typed
// 0.021 is a hair above 0.021 as a binary fraction and must not be rounded up to 0.022.
constexpr long double kTolerance = 1e-9L;
constexpr std::string_view kPlusMinus = " ± ";

// Powers of ten up to 10^27 are exact in long double.
long double powerOfTen(int e) { return std::pow(10.0L, e); }

// v / 10^p, multiplying for negative p so that the power itself is exact.
long double scaled(long double v, int p) { return p < 0 ? v * powerOfTen(-p) : v / powerOfTen(p); }

// The decimal digits of a whole number's magnitude.
std::string digitsOf(long double whole)
{
    std::array<char, 5100> buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                         std::fabs(whole), std::chars_format::fixed, 0);
    return ec == std::errc() ? std::string(buffer.data(), end) : std::string("0");
}

// The digits read as a number with `decimals` digits after the point (zeros appended for a
// negative count): ("12", 3) -> "0.012", ("1503", 3) -> "1.503", ("12", -2) -> "1200".
std::string withPoint(std::string digits, int decimals)
{
    if (decimals <= 0)
        return digits + std::string(std::size_t(-decimals), '0');
    if (digits.size() <= std::size_t(decimals))
        digits.insert(0, std::size_t(decimals) + 1 - digits.size(), '0');
    digits.insert(digits.size() - std::size_t(decimals), 1, '.');
    return digits;
}

// Half away from zero, a value within rounding noise of the half counting as the half.
long double roundHalfAway(long double m)
{
    const long double magnitude = std::fabs(m);
    const long double whole = std::floor(magnitude);
    const long double noise = std::max(kTolerance, magnitude * 1e-15L);
    const long double rounded = magnitude - whole >= 0.5L - noise ? whole + 1 : whole;
    return std::signbit(m) ? -rounded : rounded;
}

std::string signOf(long double rounded) { return rounded < 0 ? "-" : ""; }

// "(v ± u)·10^e"
std::string poweredNotation(const std::string& value, const std::string& uncertainty, int e)
{
    std::string text(1, '(');
    text += value;
    text += kPlusMinus;
    text += uncertainty;
    text += ")·10^";
    text += std::to_string(e);
    return text;
}

// A value known exactly (u = 0): 10 significant digits.
std::string exactNotation(long double v)
{
    if (v == 0)
        return "0 ± 0";
    int p = int(std::floor(std::log10(std::fabs(v)))) - 9;
    long double r = roundHalfAway(scaled(v, p));
    if (std::fabs(r) >= 1e10L)
        r = roundHalfAway(scaled(v, ++p));
    if (!std::isfinite(r))
        return std::string(noValueText);
    const int e = p + 9;
    const std::string digits = digitsOf(r);
    if (e >= -6 && e <= 9)
        return signOf(r) + withPoint(digits, -p) + " ± 0";
    return poweredNotation(signOf(r) + withPoint(digits, 9), "0", e);
}

} // namespace

std::string reportNotation(long double v, long double u)
{
    if (!std::isfinite(v) || !std::isfinite(u) || u < 0)
        return std::string(noValueText);
    if (u == 0)
        return exactNotation(v);

    // u' = k·10^p with k in 10..99, never below u.
    int p = int(std::floor(std::log10(u))) - 1;
    long double q = scaled(u, p);
    if (q < 10 * (1 - kTolerance))
        q = scaled(u, --p);
    else if (q >= 100 * (1 + kTolerance))
        q = scaled(u, ++p);
    long double k = std::nearbyint(q);
    if (std::fabs(q - k) > kTolerance * k)
        k = std::ceil(q);
    if (k >= 100) {
        k = 10;
        ++p;
    }

    const long double r = roundHalfAway(scaled(v, p));
    if (!std::isfinite(r))
        return std::string(noValueText);
    const std::string valueDigits = r == 0 ? std::string("0") : digitsOf(r);
    const std::string sign = signOf(r);
    const std::string uncertaintyDigits = digitsOf(k);

    if (p >= -6 && p <= 0)
        return sign + withPoint(valueDigits, -p) + std::string(kPlusMinus)
               + withPoint(uncertaintyDigits, -p);
    // |v'| < 10^6: at most six digits before the point.
    if (p > 0 && int(valueDigits.size()) + p <= 6)
        return sign + withPoint(valueDigits, -p) + std::string(kPlusMinus)
               + withPoint(uncertaintyDigits, -p);
    // One power of ten, from the value's leading digit (from u' where the value is 0).
    const int e = r != 0 ? p + int(valueDigits.size()) - 1 : p + 1;
    const int decimals = e - p;
    return poweredNotation(sign + withPoint(valueDigits, decimals),
                           withPoint(uncertaintyDigits, decimals), e);
}

std::string formatFixed(long double value, int decimals, int minWidth)
{
    if (!std::isfinite(value))
        return std::string(noValueText);
    if (value == 0)
        value = 0;  // no sign on a negative zero
    std::array<char, 5100> buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return std::string(noValueText);
    std::string text(buffer.data(), end);
    if (int(text.size()) < minWidth)
        text.insert(0, std::size_t(minWidth) - text.size(), ' ');
    return text;
}

} // namespace tallox::stats
