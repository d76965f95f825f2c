#pragma once
// Excel 97–2003 workbooks (BIFF8 in a compound file): the first worksheet's cells in and out.
#include "worksheet/cells/SheetCells.h"

#include <QByteArray>

namespace tallox::xls {

// True when the bytes start with the compound-file signature D0 CF 11 E0 A1 B1 1A E1.
bool looksLikeXls(const QByteArray& head);

struct XlsReadResult : SheetReadResult {
    bool outsideSheet = false;  // the worksheet held values beyond row 200 or column Z, left out
};

// Reads the first worksheet (in sheet order) of a workbook: numbers, texts, formula results
// (booleans and errors as texts), within the 200 × 26 sheet. A number that is not finite reads as
// the text "#NUM!", a NUL character in a text as U+FFFD. A damaged file gives ok = false and a
// Polish reason.
XlsReadResult readXls(const QByteArray& bytes);

// A complete workbook with one worksheet holding the cells. Numbers are stored bit for bit; a
// number that is not finite is stored as the text "#NUM!", a NUL character as U+FFFD; a text
// longer than `maxTextLength` UTF-16 units (the most a cell of Excel holds) is cut there, never
// between the halves of a surrogate pair.
QByteArray writeXls(const SheetCells& sheet);

// The first cell, in row order, whose text writeXls cuts ("A1" style); empty when none is cut.
QString truncatedTextCell(const SheetCells& sheet);

inline constexpr int maxTextLength = 32767;

} // namespace tallox::xls
