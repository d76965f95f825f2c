#include "worksheet/formats/LocaleNumber.h"

#include "stats/NumberText.h"

#include <charconv>
#include <string>

namespace tallox {

bool readDottedNumber(std::string_view run, double& value)
{
    const stats::DecimalShape shape = stats::scanDecimal(run);
    return shape.isWhole(run) && stats::decimalValue(run, shape, value);
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
