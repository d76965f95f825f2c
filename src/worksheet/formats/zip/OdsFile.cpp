#include "worksheet/formats/zip/OdsFile.h"

// Placeholder until the workbook reader and writer land on this branch.
namespace tallox::ods {
zip::WorkbookReadResult readOds(const QByteArray&)
{
    zip::WorkbookReadResult r;
    r.error = QStringLiteral("Odczyt plików .ods nie jest jeszcze gotowy.");
    return r;
}
QByteArray writeOds(const SheetCells&) { return {}; }
} // namespace tallox::ods
