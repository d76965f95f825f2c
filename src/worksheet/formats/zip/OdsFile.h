#pragma once
// OpenDocument spreadsheets (.ods), as LibreOffice writes them: the first table's cells read into
// the sheet, and the sheet written as a document of one table.
#include "worksheet/formats/zip/ZipPackage.h"

namespace tallox::ods {

// The first table's cells: floats, percentages, currencies, dates and times (as serial numbers),
// booleans as "PRAWDA"/"FAŁSZ", texts with their line breaks, tabs and runs of blanks; repeated
// rows and columns counted, not built. Cells beyond the sheet are left out and reported through
// outsideSheet. Refused, with a Polish reason, when the archive or its content is damaged or
// exceeds the bounds a worksheet could need.
zip::WorkbookReadResult readOds(const QByteArray& bytes);

// A spreadsheet document of one table holding the cells; empty when it could not be built.
QByteArray writeOds(const SheetCells& sheet);

} // namespace tallox::ods
