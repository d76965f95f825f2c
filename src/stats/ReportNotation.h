#pragma once
// A measured value with its standard uncertainty written the way a lab report writes it.
#include <string>

namespace tallox::stats {

// "v ± u" (UTF-8, "." as decimal point, whatever the locale):
// - u is rounded up to two significant digits, u' = k·10^p with k in 10..99 (never understated);
//   a u within 1e-9 (relative) of such a number is that number, so 0.021 stays 0.021;
// - v is rounded half away from zero to the same place 10^p;
// - fixed notation with -p decimals for -6 ≤ p ≤ 0 ("1.503 ± 0.021"), whole numbers for p > 0
//   and |v| < 10^6 ("12300 ± 1200"), otherwise one power of ten shared by both, taken from v
//   (from u' where v rounds to 0): "(1.234 ± 0.012)·10^-7";
// - u = 0 gives v with 10 significant digits and "± 0";
// - a v or u that is not finite, or a negative u, gives the no-value text "----------".
//   value: the measured value; uncertainty: its standard uncertainty
std::string reportNotation(long double value, long double uncertainty);

// Fixed-point text with the given number of decimals, right-aligned in at least minWidth
// characters, "." as decimal point; the no-value text for infinities and NaN.
//   value: the result to show; decimals: digits after the point; minWidth: the least width
std::string formatFixed(long double value, int decimals, int minWidth);

} // namespace tallox::stats
