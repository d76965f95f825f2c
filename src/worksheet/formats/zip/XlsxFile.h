#pragma once
// Office Open XML workbooks (.xlsx), as Excel and LibreOffice write them: the first worksheet's
// cells read into the sheet, and the sheet written as a workbook of one worksheet.
#include "worksheet/formats/zip/ZipPackage.h"

namespace tallox::xlsx {

// The first worksheet's cells: numbers, texts (shared and inline strings), the saved results of
// formulas, booleans as "PRAWDA"/"FAŁSZ", dates and times as their serial numbers. Cells beyond
// the sheet are left out and reported through outsideSheet. Refused, with a Polish reason, when
// the archive or its parts are damaged or exceed the bounds a worksheet could need.
zip::WorkbookReadResult readXlsx(const QByteArray& bytes);

// A workbook of one worksheet holding the cells; empty when it could not be built.
QByteArray writeXlsx(const SheetCells& sheet);

} // namespace tallox::xlsx
