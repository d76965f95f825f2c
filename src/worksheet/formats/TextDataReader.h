#pragma once
// The plain-text data reader of the open dialog's entries "Format Danych ASCII (*.txt)" and
// "Dowolny Zbiór (*.*)": numbers with a decimal dot, separated by blanks, tabs or line ends,
// four to a worksheet row in columns A to D.
#include "worksheet/formats/LocaleNumber.h"
#include "worksheet/formats/SheetBounds.h"

#include <QByteArray>

namespace tallox {

// The longest run of characters read as one number; a longer run goes on as the next number.
inline constexpr int textDataRunLength = 64;

// Reads four numbers per row from row 1 down; the rest of the line on which a row's fourth
// number ended is skipped. At the end of the file a missing number reads as 0 (so a last, empty
// line gives a row of zeros); a run that is not a number leaves its cell empty, is counted in
// `notNumbers`, and reading goes on. Reading stops after row 200 and `truncated` tells whether
// numbers were left unread. The text is decoded as decodeDataText does (a BOM is skipped). A
// binary file (control characters other than tab, CR and LF) and one holding nothing but blanks
// and line ends are refused with a reason.
SheetLoadResult readTextData(const QByteArray& bytes);

} // namespace tallox
