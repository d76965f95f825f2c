#pragma once
// The BIFF8 workbook stream of a workbook with one worksheet: every number as an exact double,
// every text through the shared string table, all cells in the General format.
#include "worksheet/cells/SheetCells.h"

#include <QByteArray>

namespace tallox::xls {

QByteArray writeWorkbookStream(const SheetCells& sheet);

// The first cell, in row order, whose text writeWorkbookStream cuts to fit a cell ("A1" style), or
// an empty text when every text fits whole.
QString firstTruncatedText(const SheetCells& sheet);

} // namespace tallox::xls
