#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tallox::stats {

// What the result labels and rows show where a quantity has no value.
inline constexpr std::string_view noValueText = "----------";

// Fixed-point text with exactly 10 digits after a "." and a leading "-" for negative values,
// whatever the system's locale; noValueText for infinities and NaN.
//   value: the result to show
std::string formatResult(long double value);

// As above; noValueText when the quantity has no value.
//   value: the result to show, or nothing
std::string formatResult(const std::optional<long double>& value);

// A whole number (count, column number) as plain decimal text without blanks;
// noValueText for infinities and NaN. Any fraction is cut off.
//   value: the count to show
std::string formatWhole(long double value);

} // namespace tallox::stats
