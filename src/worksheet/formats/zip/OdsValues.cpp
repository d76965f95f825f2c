#include "worksheet/formats/zip/OdsValues.h"

#include "worksheet/formats/zip/XmlNumber.h"

#include <QDate>

#include <cmath>

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

// The decimals after a point ("5" of "0.5"), as the fraction they stand for.
double fractionValue(QStringView digits)
{
    const zip::ParsedNumber n = zip::parseNumber(QStringLiteral("0.") + digits.toString());
    return n.kind == zip::NumberParse::Number ? n.value : 0.0;
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
            fraction = fractionValue(text.mid(from + 1, at - from - 1));
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
            amount += fractionValue(text.mid(from, at - from));
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

} // namespace tallox::ods
