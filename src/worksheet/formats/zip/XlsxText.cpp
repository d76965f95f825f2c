#include "worksheet/formats/zip/XlsxText.h"

#include <QDate>

#include <cmath>

namespace tallox::xlsx {

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int hexValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

// "_xHHHH_" at position i: the unit it stands for, or -1.
int escapeAt(QStringView text, qsizetype i)
{
    if (i + 7 > text.size() || text[i] != u'_' || text[i + 1] != u'x' || text[i + 6] != u'_')
        return -1;
    int unit = 0;
    for (int k = 2; k < 6; ++k) {
        const int h = hexValue(text[i + k]);
        if (h < 0)
            return -1;
        unit = unit * 16 + h;
    }
    return unit;
}

// Digits only, at most `maxDigits` of them; the value, or -1.
long long digitsValue(QStringView text, int maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return -1;
    long long value = 0;
    for (QChar c : text) {
        if (!isAsciiDigit(c))
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// "hh:mm", "hh:mm:ss" or "hh:mm:ss.fff" as seconds since midnight (24:00:00 allowed).
std::optional<double> timeSeconds(QStringView text)
{
    if (text.endsWith(u'Z'))
        text.chop(1);
    if (text.size() < 5 || text[2] != u':')
        return std::nullopt;
    const long long h = digitsValue(text.mid(0, 2), 2);
    const long long m = digitsValue(text.mid(3, 2), 2);
    double s = 0.0;
    if (text.size() > 5) {
        if (text[5] != u':' || text.size() < 8)
            return std::nullopt;
        const long long whole = digitsValue(text.mid(6, 2), 2);
        if (whole < 0 || whole > 59)
            return std::nullopt;
        s = double(whole);
        if (text.size() > 8) {
            const QStringView fraction = text.mid(9);
            if (text[8] != u'.' || fraction.isEmpty() || fraction.size() > 9
                || digitsValue(fraction, 9) < 0)
                return std::nullopt;
            s += double(digitsValue(fraction, 9)) / std::pow(10.0, double(fraction.size()));
        }
    }
    if (h < 0 || m < 0 || m > 59 || h > 24 || (h == 24 && (m != 0 || s != 0.0)))
        return std::nullopt;
    return double(h * 3600 + m * 60) + s;
}

} // namespace

std::optional<CellReference> parseCellReference(QStringView text)
{
    qsizetype i = 0;
    long long col = 0;
    for (; i < text.size() && i < 3; ++i) {
        const QChar c = text[i].toUpper();
        if (c < u'A' || c > u'Z')
            break;
        col = col * 26 + (c.unicode() - u'A' + 1);
    }
    if (i == 0 || col > maxColumn)
        return std::nullopt;
    const std::optional<int> row = parseRowNumber(text.mid(i));
    if (!row)
        return std::nullopt;
    return CellReference{*row, int(col)};
}

std::optional<int> parseRowNumber(QStringView text)
{
    // Leading zeros are no part of a reference Excel writes; a row number has at most 7 digits.
    if (text.startsWith(u'0'))
        return std::nullopt;
    const long long row = digitsValue(text, 7);
    if (row < 1 || row > maxRow)
        return std::nullopt;
    return int(row);
}

std::optional<double> dateSerial(QStringView text, bool date1904)
{
    text = text.trimmed();
    if (text.size() >= 5 && text[2] == u':') {
        const std::optional<double> seconds = timeSeconds(text);
        if (!seconds)
            return std::nullopt;
        return *seconds / 86400.0;
    }
    if (text.size() < 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    const long long y = digitsValue(text.mid(0, 4), 4);
    const long long mo = digitsValue(text.mid(5, 2), 2);
    const long long d = digitsValue(text.mid(8, 2), 2);
    if (y < 0 || mo < 0 || d < 0)
        return std::nullopt;
    const QDate date{int(y), int(mo), int(d)};
    if (!date.isValid())
        return std::nullopt;
    double seconds = 0.0;
    if (text.size() > 10) {
        if (text[10] != u'T')
            return std::nullopt;
        const std::optional<double> s = timeSeconds(text.mid(11));
        if (!s)
            return std::nullopt;
        seconds = *s;
    }
    qint64 days;
    if (date1904) {
        days = date.toJulianDay() - QDate(1904, 1, 1).toJulianDay();
    } else if (date >= QDate(1900, 3, 1)) {
        days = date.toJulianDay() - QDate(1899, 12, 30).toJulianDay();
    } else {
        // Excel counts 1900 as a leap year: its days up to February 28 are one less.
        days = date.toJulianDay() - QDate(1899, 12, 31).toJulianDay();
    }
    if (days < (date1904 ? 0 : 1))
        return std::nullopt;
    return double(days) + seconds / 86400.0;
}

QString decodeEscapes(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const int unit = text[i] == u'_' ? escapeAt(text, i) : -1;
        if (unit >= 0) {
            out += QChar(char16_t(unit));
            i += 7;
        } else {
            out += text[i++];
        }
    }
    return out;
}

QString encodeEscapes(QStringView text)
{
    QString out;
    out.reserve(text.size());
    const auto escape = [&out](char16_t unit) {
        static const char hex[] = "0123456789ABCDEF";
        out += QLatin1String("_x");
        for (int shift = 12; shift >= 0; shift -= 4)
            out += QChar(char16_t(hex[(unit >> shift) & 0xF]));
        out += u'_';
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const bool pairedHigh = QChar::isHighSurrogate(u) && i + 1 < text.size()
                                && QChar::isLowSurrogate(text[i + 1].unicode());
        if (pairedHigh) {
            out += text[i];
            out += text[++i];
            continue;
        }
        const bool unfit = (u < 0x20 && u != u'\t' && u != u'\n') || u == 0xFFFE || u == 0xFFFF
                           || QChar::isSurrogate(u);
        if (unfit || (u == u'_' && escapeAt(text, i) >= 0))
            escape(u);
        else
            out += text[i];
    }
    return out;
}

} // namespace tallox::xlsx
