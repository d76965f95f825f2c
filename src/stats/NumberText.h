#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Typed number texts (uncertainty values, planning fields, axis bounds) are UTF-8
// std::string; only ASCII characters are ever changed or accepted as part of a number.

namespace tallox::stats {

// The cleanup applied to a typed number: the first blank and then the first "," become ".",
// the first "-" is deleted, letters a to z are upper-cased; only the first occurrence of each
// is touched ("-0,2" -> "0.2", "0,1,2" -> "0.1,2", "c" -> "C").
//   text: the field's text as typed
std::string cleanNumberText(std::string_view text);

struct NumberConversion {
    long double value = 0;         // the number read; 0 when the text is not a number
    std::size_t errorPosition = 0; // 0 when the whole text is a number, else the 1-based
                                   // position of the first character that does not fit
    bool ok() const { return errorPosition == 0; }
};

// The shape of a decimal number with "." as separator at the start of a text: an optional sign,
// digits, an optional "." and digits, an optional exponent ("E" or "e", an optional sign, digits).
// The one scanner of number texts: typed fields here, file and pasted numbers in the worksheet.
struct DecimalShape {
    std::size_t length = 0;              // characters of the text the shape covers
    std::size_t mantissaDigits = 0;      // digits before and after the point; none: no number
    bool exponentDigitsMissing = false;  // "E" (and a sign) without digits; `length` ends there
    bool negative = false;               // a leading "-"
    bool negativeExponent = false;       // an exponent with a "-"
    std::size_t magnitudeStart = 0;      // where the digits start, after the sign

    // True when the whole text is one number.
    bool isWhole(std::string_view text) const
    {
        return length == text.size() && mantissaDigits > 0 && !exponentDigitsMissing;
    }
};

//   text: the characters to look at; nothing is skipped before the sign
DecimalShape scanDecimal(std::string_view text);

// The value of a text whose shape isWhole, correctly rounded and independent of the C library's
// locale. A value too small for the type reads as zero of its sign; false for one too large.
//   text: the text scanned; shape: scanDecimal(text); value: set on success
bool decimalValue(std::string_view text, const DecimalShape& shape, double& value);
bool decimalValue(std::string_view text, const DecimalShape& shape, long double& value);

// Reads a decimal number with "." as separator: leading blanks, an optional sign, digits,
// an optional fraction, an optional exponent after "E" or "e". An empty text fails at 1;
// "e" fails at 2 (an exponent without digits). A number beyond the range of long double
// fails at the position of its first character.
//   text: the (cleaned) text to convert
NumberConversion convertNumber(std::string_view text);

} // namespace tallox::stats
