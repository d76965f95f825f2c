#include "stats/ResultFormat.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tallox::stats {

namespace {

// Large enough for the widest long double in fixed notation (about 4933 integer digits).
using FormatBuffer = std::array<char, 5100>;

std::string fixedText(long double value, int decimals)
{
    if (!std::isfinite(value))
        return std::string(noValueText);
    if (value == 0)
        value = 0; // a negative zero is shown without a sign
    FormatBuffer buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return std::string(noValueText);
    return std::string(buffer.data(), end);
}

} // namespace

std::string formatResult(long double value)
{
    return fixedText(value, 10);
}

std::string formatResult(const std::optional<long double>& value)
{
    return value ? formatResult(*value) : std::string(noValueText);
}

std::string formatWhole(long double value)
{
    return fixedText(std::trunc(value), 0);
}

} // namespace tallox::stats
