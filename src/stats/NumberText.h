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

// Reads a decimal number with "." as separator: leading blanks, an optional sign, digits,
// an optional fraction, an optional exponent after "E" or "e". An empty text fails at 1;
// "e" fails at 2 (an exponent without digits). A number beyond the range of long double
// fails at the position of its first character.
//   text: the (cleaned) text to convert
NumberConversion convertNumber(std::string_view text);

} // namespace tallox::stats
