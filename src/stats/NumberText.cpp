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

NumberConversion convertNumber(std::string_view text)
{
    const std::size_t size = text.size();
    std::size_t at = 0;
    while (at < size && text[at] == ' ')
        ++at;
    const std::size_t numberStart = at;

    bool negative = false;
    if (at < size && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    const std::size_t mantissaStart = at;

    std::size_t mantissaDigits = 0;
    while (at < size && isDigit(text[at]))
        ++at, ++mantissaDigits;
    if (at < size && text[at] == '.') {
        ++at;
        while (at < size && isDigit(text[at]))
            ++at, ++mantissaDigits;
    }
    bool negativeExponent = false;
    if (at < size && (text[at] == 'E' || text[at] == 'e')) {
        ++at;
        if (at < size && (text[at] == '+' || text[at] == '-'))
            negativeExponent = text[at++] == '-';
        std::size_t exponentDigits = 0;
        while (at < size && isDigit(text[at]))
            ++at, ++exponentDigits;
        if (exponentDigits == 0)
            return {0, at + 1}; // a digit of the exponent was expected here
    }
    if (at < size)
        return {0, at + 1};
    if (mantissaDigits == 0)
        return {0, size + 1}; // sign, point or exponent alone: a digit is still missing

    // from_chars takes neither a leading "+" nor a mantissa such as "5." followed by "E",
    // so it reads the unsigned part; GCC's long double conversion is exact and locale-free.
    long double magnitude = 0;
    const char* first = text.data() + mantissaStart;
    const char* last = text.data() + size;
    const auto [end, ec] = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (!negativeExponent)
            return {0, numberStart + 1};
        magnitude = 0; // too small to hold: reads as zero
    } else if (ec != std::errc() || end != last) {
        return {0, static_cast<std::size_t>(end - text.data()) + 1};
    }
    return {negative ? -magnitude : magnitude, 0};
}

} // namespace tallox::stats
