#include "worksheet/formats/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tallox {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool readDottedNumber(std::string_view run, double& value)
{
    // Shape first: [+-] digits [. digits] [(E|e) [+-] digits], at least one mantissa digit.
    std::size_t i = 0;
    const std::size_t n = run.size();
    if (i < n && (run[i] == '+' || run[i] == '-'))
        ++i;
    const std::size_t mantissa = i;
    std::size_t digits = 0;
    while (i < n && isDigit(run[i]))
        ++i, ++digits;
    if (i < n && run[i] == '.') {
        ++i;
        while (i < n && isDigit(run[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    bool negativeExponent = false;
    if (i < n && (run[i] == 'e' || run[i] == 'E')) {
        ++i;
        if (i < n && (run[i] == '+' || run[i] == '-'))
            negativeExponent = run[i++] == '-';
        std::size_t exponentDigits = 0;
        while (i < n && isDigit(run[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    if (i != n)
        return false;

    // from_chars takes no "+" and no lone leading "-" before a "."; hand it the plain form.
    const bool negative = run[0] == '-';
    const char* first = run.data() + mantissa;
    const char* last = run.data() + n;
    double magnitude = 0.0;
    const auto result = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (result.ptr != last)
        return false;
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a double reads as zero; too large is not a value a double can keep.
        if (!negativeExponent)
            return false;
        magnitude = 0.0;
    } else if (result.ec != std::errc()) {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

QString shortestNumberText(double value, const QLocale& locale)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    QString text;
    text.reserve(end - buffer + 4);
    for (const char* p = buffer; p != end; ++p) {
        switch (*p) {
        case '.': text += locale.decimalPoint(); break;
        case '-': text += locale.negativeSign(); break;
        case '+': text += locale.positiveSign(); break;
        case 'e': text += locale.exponential(); break;
        default: text += QLatin1Char(*p); break;
        }
    }
    return text;
}

bool readLocaleNumber(QStringView field, const QLocale& locale, double& value)
{
    field = field.trimmed();
    if (field.isEmpty() || field.size() > 64)
        return false;
    // Spell the field in the dotted notation, refusing anything the locale would not write.
    const QString decimalPoint = locale.decimalPoint();
    const QString minus = locale.negativeSign();
    const QString plus = locale.positiveSign();
    const QString exponent = locale.exponential();
    // A locale with digits of its own (Arabic-Indic, Devanagari, ...) may have them in a file too.
    const QString zero = locale.zeroDigit();
    const char16_t localZero = zero.size() == 1 && zero != QLatin1String("0") ? zero.at(0).unicode() : 0;
    std::string dotted;
    dotted.reserve(std::size_t(field.size()));
    for (qsizetype i = 0; i < field.size();) {
        const char16_t u = field[i].unicode();
        if (u >= u'0' && u <= u'9') {
            dotted += char(u);
            ++i;
        } else if (localZero && u >= localZero && u <= localZero + 9) {
            dotted += char('0' + (u - localZero));
            ++i;
        } else if (field.sliced(i).startsWith(decimalPoint)) {
            dotted += '.';
            i += decimalPoint.size();
        } else if (u == u'-' || field.sliced(i).startsWith(minus)) {
            dotted += '-';
            i += u == u'-' ? 1 : minus.size();
        } else if (u == u'+' || field.sliced(i).startsWith(plus)) {
            dotted += '+';
            i += u == u'+' ? 1 : plus.size();
        } else if (u == u'e' || u == u'E' || field.sliced(i).startsWith(exponent, Qt::CaseInsensitive)) {
            dotted += 'e';
            i += (u == u'e' || u == u'E') ? 1 : exponent.size();
        } else {
            return false;
        }
    }
    return readDottedNumber(dotted, value);
}

} // namespace tallox
