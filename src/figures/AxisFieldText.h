#pragma once
// Texts of the axis page's fields: what a typed number reads as, and how the page writes bounds
// and tick values back.
#include <QString>

namespace tallox {

// The number at the start of a dotted text after leading blanks ("2.5 cm" reads 2.5); 0 when the
// text starts with no number or the number is beyond the range of a double.
double leadingNumber(const QString& dotted);

// A tick, label-distance or increment field: the typed-number cleanup (first blank and first ","
// to ".", first "-" deleted, letters upper-cased), then its leading number.
QString cleanedFieldText(const QString& typed);
double fieldValue(const QString& typed);

// A margin (axis bound) field: only the first "," becomes ".", so a bound may be negative.
double boundValue(const QString& typed);

// A bound in the 23-character scientific form: a blank or "-", fifteen significant digits with
// the point after the first, "E", the exponent's sign and four digits (1.5 -> " 1.50000000000000E+0000").
QString scientificBoundText(double value);

// To the nearest integer, a half to the even neighbour (2.5 -> 2, 3.5 -> 4); values beyond the
// range of int are held at its ends.
int roundHalfEven(double value);

// A number in the user's number format (decimal comma under Polish settings), up to fifteen
// significant digits, no grouping.
QString localeNumberText(double value);

// The label-distance field's text for a value: "Brak" for 0, "Auto" for 1, the number above.
QString separationText(int value);

}  // namespace tallox
