#include "figures/AxisFieldText.h"

#include "stats/NumberText.h"

#include <QLocale>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace tallox {

double leadingNumber(const QString& dotted)
{
    const std::string text = dotted.toStdString();
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    const std::string_view rest = std::string_view(text).substr(start);
    const stats::DecimalShape shape = stats::scanDecimal(rest);
    if (shape.mantissaDigits == 0)
        return 0;
    const std::string_view number = rest.substr(0, shape.length);
    double value = 0;
    if (!stats::decimalValue(number, stats::scanDecimal(number), value) || !std::isfinite(value))
        return 0;
    return value;
}

QString cleanedFieldText(const QString& typed)
{
    return QString::fromStdString(stats::cleanNumberText(typed.toStdString()));
}

double fieldValue(const QString& typed) { return leadingNumber(cleanedFieldText(typed)); }

double boundValue(const QString& typed)
{
    QString dotted = typed;
    const qsizetype comma = dotted.indexOf(u',');
    if (comma >= 0)
        dotted[comma] = u'.';
    return leadingNumber(dotted);
}

QString scientificBoundText(double value)
{
    if (!std::isfinite(value))
        return QLocale::c().toString(value);
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::scientific, 14);
    if (ec != std::errc())
        return QString();
    const std::string text(buffer, end);  // "1.50000000000000e+00"
    const std::size_t e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1));
    QString result = value < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    result += QString::fromLatin1(text.substr(0, e).c_str());
    result += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    result += QStringLiteral("%1").arg(std::abs(exponent), 4, 10, QLatin1Char('0'));
    return result;
}

int roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);  // the default rounding mode: half to even
    if (rounded >= double(INT_MAX))
        return INT_MAX;
    if (rounded <= double(INT_MIN))
        return INT_MIN;
    return int(rounded);
}

QString localeNumberText(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

QString separationText(int value)
{
    if (value == 0)
        return QStringLiteral("Brak");
    if (value == 1)
        return QStringLiteral("Auto");
    return QString::number(value);
}

}  // namespace tallox
