#include "worksheet/formats/zip/OdsValues.h"

#include <QDate>

#include <charconv>
#include <cmath>
#include <string>

namespace tallox::ods {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Digits from `at`, at most `maxDigits` of them; false when there are none or more.
bool readDigits(QStringView text, qsizetype& at, int maxDigits, qint64& value)
{
    value = 0;
    int digits = 0;
    while (at < text.size() && isDigit(text[at])) {
        if (++digits > maxDigits)
            return false;
        value = value * 10 + (text[at++].unicode() - u'0');
    }
    return digits > 0;
}

// Whether a number text that std::from_chars found out of range is too large (rather than too
// small): the decimal exponent of its first significant digit is what decides.
bool isTooLarge(const std::string& s)
{
    qsizetype i = (s[0] == '-') ? 1 : 0;
    qint64 position = 0;  // digits before the point after leading zeros; minus zeros after it
    bool significant = false, point = false;
    for (; i < qsizetype(s.size()) && s[i] != 'e' && s[i] != 'E'; ++i) {
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
    if (e != std::string::npos) {
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

bool readRepeatCount(QStringView text, qint64 cap, qint64& count)
{
    if (text.isEmpty())
        return false;
    qint64 value = 0;
    for (const QChar c : text) {
        if (!isDigit(c))
            return false;
        value = std::min(value * 10 + (c.unicode() - u'0'), cap + 1);
    }
    if (value == 0)
        return false;
    count = std::min(value, cap);
    return true;
}

std::optional<double> readNumber(QStringView text, bool& overflow)
{
    overflow = false;
    text = text.trimmed();
    if (text.startsWith(u'+'))
        text = text.mid(1);
    if (text.isEmpty() || text.size() > 1000)
        return std::nullopt;
    // Only digits, a point, a sign and an exponent: from_chars alone would take "inf" and "nan".
    std::string s;
    s.reserve(std::size_t(text.size()));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!(isDigit(c) || u == u'.' || u == u'-' || u == u'+' || u == u'e' || u == u'E'))
            return std::nullopt;
        s += char(u);
    }
    const std::size_t start = s[0] == '-' ? 1 : 0;
    if (start >= s.size() || !(isDigit(QChar(s[start])) || s[start] == '.'))
        return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (end != s.data() + s.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        if (isTooLarge(s)) {
            overflow = true;
            return std::nullopt;
        }
        return s[0] == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> readDateSerial(QStringView text)
{
    text = text.trimmed();
    qsizetype at = 0;
    const bool negativeYear = text.startsWith(u'-');
    if (negativeYear)
        ++at;
    qint64 year = 0, month = 0, day = 0;
    if (!readDigits(text, at, 9, year) || at >= text.size() || text[at++] != u'-'
        || !readDigits(text, at, 2, month) || at >= text.size() || text[at++] != u'-'
        || !readDigits(text, at, 2, day))
        return std::nullopt;
    const QDate date(int(negativeYear ? -year : year), int(month), int(day));
    if (!date.isValid())
        return std::nullopt;
    double seconds = 0.0;
    if (at < text.size() && text[at] == u'T') {
        ++at;
        qint64 hours = 0, minutes = 0, whole = 0;
        if (!readDigits(text, at, 2, hours) || at >= text.size() || text[at++] != u':'
            || !readDigits(text, at, 2, minutes) || at >= text.size() || text[at++] != u':'
            || !readDigits(text, at, 2, whole) || hours > 24 || minutes > 59 || whole > 60)
            return std::nullopt;
        double fraction = 0.0;
        if (at < text.size() && text[at] == u'.') {
            const qsizetype from = at++;
            qint64 ignored = 0;
            if (!readDigits(text, at, 30, ignored))
                return std::nullopt;
            bool overflow = false;
            fraction = readNumber(QString(u'0') + text.mid(from, at - from).toString(), overflow).value_or(0.0);
        }
        seconds = double(hours * 3600 + minutes * 60 + whole) + fraction;
        // A time zone ("Z", "+01:00") names where the time was taken; the sheet keeps local time.
        if (at < text.size() && (text[at] == u'Z' || text[at] == u'+' || text[at] == u'-'))
            at = text.size();
    }
    if (at != text.size())
        return std::nullopt;
    const qint64 days = date.toJulianDay() - QDate(1899, 12, 30).toJulianDay();
    const double serial = double(days) + seconds / 86400.0;
    return std::isfinite(serial) ? std::optional<double>(serial) : std::nullopt;
}

std::optional<double> readDurationInDays(QStringView text)
{
    text = text.trimmed();
    qsizetype at = 0;
    const bool negative = text.startsWith(u'-');
    if (negative)
        ++at;
    if (at >= text.size() || text[at++] != u'P')
        return std::nullopt;
    double seconds = 0.0;
    bool inTime = false, any = false;
    while (at < text.size()) {
        if (text[at] == u'T') {
            if (inTime)
                return std::nullopt;
            inTime = true;
            ++at;
            continue;
        }
        qint64 whole = 0;
        if (!readDigits(text, at, 12, whole) || at >= text.size())
            return std::nullopt;
        double amount = double(whole);
        if (text[at] == u'.' || text[at] == u',') {
            const qsizetype from = ++at;
            qint64 ignored = 0;
            if (!readDigits(text, at, 30, ignored) || at >= text.size() || text[at] != u'S')
                return std::nullopt;
            bool overflow = false;
            amount += readNumber(QStringLiteral("0.") + text.mid(from, at - from).toString(), overflow)
                          .value_or(0.0);
        }
        const QChar unit = text[at++];
        any = true;
        if (!inTime && unit == u'D')
            seconds += amount * 86400.0;
        else if (!inTime && (unit == u'Y' || unit == u'M') && whole == 0)
            continue;  // years and months have no fixed length; only zero ones are accepted
        else if (inTime && unit == u'H')
            seconds += amount * 3600.0;
        else if (inTime && unit == u'M')
            seconds += amount * 60.0;
        else if (inTime && unit == u'S')
            seconds += amount;
        else
            return std::nullopt;
    }
    if (!any)
        return std::nullopt;
    const double days = seconds / 86400.0;
    return negative ? -days : days;
}

QString numberText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace tallox::ods
