#pragma once
// Excel 97–2003 workbooks (BIFF8 in a compound file): the first worksheet's cells in and out.
#include "worksheet/formats/SheetCells.h"

#include <QByteArray>

namespace tallox::xls {

// True when the bytes start with the compound-file signature D0 CF 11 E0 A1 B1 1A E1.
bool looksLikeXls(const QByteArray& head);

// Reads the first worksheet (in sheet order) of a workbook: numbers, texts, formula results
// (booleans and errors as texts). A damaged file gives ok = false and a Polish reason.
SheetReadResult readXls(const QByteArray& bytes);

// A complete workbook with one worksheet holding the cells.
QByteArray writeXls(const SheetCells& sheet);

} // namespace tallox::xls
