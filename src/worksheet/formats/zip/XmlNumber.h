#pragma once
// Numbers as the spreadsheet packages' XML holds them (an .xlsx <v>, an .ods office:value): plain
// decimal texts, read and written exactly and without the C library's locale.
#include <QString>
#include <QStringView>

namespace tallox::zip {

enum class NumberParse { Number, OutOfRange, NotANumber };
struct ParsedNumber {
    NumberParse kind = NumberParse::NotANumber;
    double value = 0.0;  // for Number; a value too small for a double reads as zero of its sign
};

// "12.5", "-1.25E-007", "+.5e-3", blanks around it allowed. Only decimal digits, a point, signs
// and an exponent: "inf", "nan", hexadecimal or a comma are no numbers. A value too large for a
// double ("1e999") is OutOfRange.
ParsedNumber parseNumber(QStringView text);

// The shortest text that reads back as the same double ("0.1", "1e+300", "-0"), with the given
// exponent mark; the double must be finite.
QString numberText(double value, char exponentMark = 'e');

} // namespace tallox::zip
