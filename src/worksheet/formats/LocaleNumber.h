#pragma once
// Number texts of the data files, exact both ways and independent of the C library's locale.
#include <QLocale>
#include <QString>
#include <string_view>

namespace tallox {

// One run of characters as a number with "." as the decimal separator, an optional sign and an
// optional exponent (E or e); nothing else - no "inf", no hexadecimal, no comma. A value too
// small for a double reads as zero (of its sign); one too large is no number.
bool readDottedNumber(std::string_view run, double& value);

// The shortest text in the locale's notation (decimal separator, minus sign, exponent mark; ASCII
// digits, no digit groups) that readLocaleNumber turns back into exactly this double, negative
// zero included.
QString shortestNumberText(double value, const QLocale& locale);

// The whole field (blanks around it aside) as a number in the locale's notation, in ASCII digits
// or the locale's own, without digit groups; a dotted number under a decimal-comma locale is no
// number, and neither is "inf" or "nan".
bool readLocaleNumber(QStringView field, const QLocale& locale, double& value);

} // namespace tallox
