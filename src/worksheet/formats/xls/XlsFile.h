#pragma once
// Excel 97–2003 workbooks (BIFF8 in a compound file): the first worksheet's cells in and out.
#include "worksheet/cells/SheetCells.h"

#include <QByteArray>

namespace tallox::xls {

// True when the bytes start with the compound-file signature D0 CF 11 E0 A1 B1 1A E1.
bool looksLikeXls(const QByteArray& head);

// Reads the first worksheet (in sheet order) of a workbook: numbers, texts, formula results
// (booleans and errors as texts). A damaged file gives ok = false and a Polish reason.
SheetReadResult readXls(const QByteArray& bytes);

// A complete workbook with one worksheet holding the cells. Numbers are stored bit for bit; a
// number that is not finite is stored as the text "#NUM!"; a text longer than `maxTextLength`
// UTF-16 units (the most a cell of Excel holds) is cut there.
QByteArray writeXls(const SheetCells& sheet);

inline constexpr int maxTextLength = 32767;

} // namespace tallox::xls
