#include "stats/NumberText.h"

#include <charconv>
#include <cmath>

namespace tallox::stats {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void replaceFirst(std::string& text, char from, char to)
{
    if (const auto at = text.find(from); at != std::string::npos)
        text[at] = to;
}

} // namespace

std::string cleanNumberText(std::string_view typed)
{
    std::string text(typed);
    replaceFirst(text, ' ', '.');
    replaceFirst(text, ',', '.');
    if (const auto at = text.find('-'); at != std::string::npos)
        text.erase(at, 1);
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

DecimalShape scanDecimal(std::string_view text)
{
    DecimalShape shape;
    const std::size_t size = text.size();
    std::size_t at = 0;
    if (at < size && (text[at] == '+' || text[at] == '-'))
        shape.negative = text[at++] == '-';
    shape.magnitudeStart = at;
    while (at < size && isDigit(text[at]))
        ++at, ++shape.mantissaDigits;
    if (at < size && text[at] == '.') {
        ++at;
        while (at < size && isDigit(text[at]))
            ++at, ++shape.mantissaDigits;
    }
    if (at < size && (text[at] == 'E' || text[at] == 'e')) {
        ++at;
        if (at < size && (text[at] == '+' || text[at] == '-'))
            shape.negativeExponent = text[at++] == '-';
        std::size_t exponentDigits = 0;
        while (at < size && isDigit(text[at]))
            ++at, ++exponentDigits;
        shape.exponentDigitsMissing = exponentDigits == 0;
    }
    shape.length = at;
    return shape;
}

namespace {

template <typename Real>
bool valueOf(std::string_view text, const DecimalShape& shape, Real& value)
{
    // from_chars takes no leading sign before a "." nor a "+": it reads the unsigned part. GCC's
    // conversions are exact for double and long double alike.
    const char* first = text.data() + shape.magnitudeStart;
    const char* last = text.data() + shape.length;
    Real magnitude = 0;
    const auto [end, ec] = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (end != last)
        return false;
    if (ec == std::errc::result_out_of_range) {
        if (!shape.negativeExponent)
            return false;
        magnitude = 0; // too small to hold: reads as zero
    } else if (ec != std::errc()) {
        return false;
    }
    value = shape.negative ? -magnitude : magnitude;
    return true;
}

} // namespace

bool decimalValue(std::string_view text, const DecimalShape& shape, double& value)
{
    return valueOf(text, shape, value);
}

bool decimalValue(std::string_view text, const DecimalShape& shape, long double& value)
{
    return valueOf(text, shape, value);
}

NumberConversion convertNumber(std::string_view text)
{
    const std::size_t size = text.size();
    std::size_t at = 0;
    while (at < size && text[at] == ' ')
        ++at;
    const std::string_view number = text.substr(at);
    const DecimalShape shape = scanDecimal(number);
    const std::size_t stop = at + shape.length;
    if (shape.exponentDigitsMissing || stop < size)
        return {0, stop + 1}; // a digit of the exponent, or the end, was expected here
    if (shape.mantissaDigits == 0)
        return {0, size + 1}; // sign, point or exponent alone: a digit is still missing
    long double value = 0;
    if (!decimalValue(number, shape, value))
        return {0, at + 1}; // beyond the range of long double
    return {value, 0};
}

} // namespace tallox::stats
