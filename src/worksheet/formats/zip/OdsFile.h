#pragma once
// OpenDocument spreadsheets (.ods), as LibreOffice writes them: the first table's cells read into
// the sheet, and the sheet written as a document of one table.
#include "worksheet/formats/zip/ZipPackage.h"

namespace tallox::ods {

// What the reader takes from a package at most; beyond it the file is refused, never cut.
// contentBytes counts what is read of content.xml up to the first table's end (or row 201), not
// the whole part. It is held at the largest data file's size: the XML reader keeps one token
// whole, as UTF-16, so one run of text or blanks may cost twice the bound in memory.
struct OdsReadLimits {
    qint64 contentBytes = qint64(64) << 20;  // content.xml once uncompressed
    qint64 cellText = qint64(1) << 20;        // UTF-16 units of one cell's text
    qint64 sheetText = qint64(16) << 20;      // UTF-16 units of all texts kept, repeats counted
};

// The first table's cells: floats, percentages, currencies, dates and times (as serial numbers),
// booleans as "PRAWDA"/"FAŁSZ", texts with their line breaks, tabs and runs of blanks; repeated
// rows and columns counted, not built. Cells beyond the sheet are left out and reported through
// outsideSheet. Refused, with a Polish reason, when the archive or its content is damaged or
// exceeds the bounds a worksheet could need.
zip::WorkbookReadResult readOds(const QByteArray& bytes, const OdsReadLimits& limits = {});

// A spreadsheet document of one table ("Arkusz1") holding the cells; empty when it could not be
// built. Characters an XML document cannot hold (control characters other than tab and line
// feed) are written as U+FFFD, a carriage return as a line break.
QByteArray writeOds(const SheetCells& sheet);

} // namespace tallox::ods
