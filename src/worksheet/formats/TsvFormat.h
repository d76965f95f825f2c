#pragma once
// Tab-separated text (.dat): one line per worksheet row, cells separated by tabs, numbers
// written the way the worksheet's locale writes them (a decimal comma under Polish settings).
// Texts that would otherwise read back as something else are quoted as spreadsheet programs
// quote them: "..." with "" standing for one double quote; a quoted field is always a text.
#include "worksheet/formats/SheetBounds.h"

#include <QByteArray>
#include <QLocale>

namespace tallox {

// Reads text as decodeDataText decodes it (bytes that are not UTF-8 counted in invalidBytes);
// lines end in CR LF, LF or CR. A field is a number when the whole of it reads as one in the
// locale (no digit grouping), otherwise a text. A file holding control characters other than
// tab, CR and LF is binary, one of blanks and line ends only holds no data: both fail with a
// reason.
SheetLoadResult readTsv(const QByteArray& bytes, const QLocale& locale);

// UTF-8 without BOM, CR LF after every row up to the last non-empty one; each number in the
// shortest form that reads back (in the same locale) to the same double. Control characters
// other than tab, CR and LF in texts are written as U+FFFD.
QByteArray writeTsv(const SheetCells& sheet, const QLocale& locale);

} // namespace tallox
