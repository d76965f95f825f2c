#include "worksheet/formats/zip/XlsxFile.h"

// Placeholder until the workbook reader and writer land on this branch.
namespace tallox::xlsx {
zip::WorkbookReadResult readXlsx(const QByteArray&)
{
    zip::WorkbookReadResult r;
    r.error = QStringLiteral("Odczyt plików .xlsx nie jest jeszcze gotowy.");
    return r;
}
QByteArray writeXlsx(const SheetCells&) { return {}; }
} // namespace tallox::xlsx
