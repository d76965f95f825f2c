#include "worksheet/formats/zip/XmlNumber.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace tallox::zip {

namespace {

// Whether a number text that std::from_chars found out of range is too large (rather than too
// small): the decimal exponent of its first significant digit decides.
bool isTooLarge(std::string_view s)
{
    std::size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    qint64 position = 0;  // digits before the point after leading zeros; minus zeros after it
    bool significant = false, point = false;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.') {
            point = true;
        } else if (s[i] != '0' || significant) {
            significant = true;
            if (!point)
                ++position;
        } else if (point) {
            --position;  // a zero before the first significant digit, after the point
        }
        if (significant && point)
            break;
    }
    qint64 exponent = 0;
    const std::size_t e = s.find_first_of("eE");
    if (e != std::string_view::npos) {
        const bool negative = e + 1 < s.size() && s[e + 1] == '-';
        for (std::size_t j = e + 1; j < s.size(); ++j)
            if (s[j] >= '0' && s[j] <= '9')
                exponent = std::min<qint64>(exponent * 10 + (s[j] - '0'), qint64(1) << 40);
        if (negative)
            exponent = -exponent;
    }
    return position + exponent > 0;
}

} // namespace

ParsedNumber parseNumber(QStringView text)
{
    text = text.trimmed();
    // The decimal texts of numbers are ASCII; anything longer than a few hundred characters is
    // no number a spreadsheet wrote.
    if (text.isEmpty() || text.size() > 1000)
        return {};
    std::string ascii;
    ascii.reserve(std::size_t(text.size()));
    for (QChar c : text) {
        if (c.unicode() > 0x7F)
            return {};
        ascii.push_back(char(c.unicode()));
    }
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    if (*first == '+' && ascii.size() > 1 && first[1] != '-')
        ++first;
    // std::from_chars alone would take "inf", "nan" and hexadecimal.
    for (const char* p = first; p != last; ++p)
        if (!((*p >= '0' && *p <= '9') || *p == '.' || *p == 'e' || *p == 'E' || *p == '-' || *p == '+'))
            return {};
    double value = 0.0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (end != last)
        return {};
    if (ec == std::errc())
        return {NumberParse::Number, value};
    if (ec != std::errc::result_out_of_range)
        return {};
    if (isTooLarge(std::string_view(first, std::size_t(last - first))))
        return {NumberParse::OutOfRange, 0.0};
    return {NumberParse::Number, *first == '-' ? -0.0 : 0.0};
}

QString numberText(double value, char exponentMark)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc())
        return QStringLiteral("0");
    std::replace(buffer, end, 'e', exponentMark);
    return QString::fromLatin1(buffer, end - buffer);
}

} // namespace tallox::zip
