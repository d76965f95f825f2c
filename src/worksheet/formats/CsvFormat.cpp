#include "worksheet/formats/CsvFormat.h"

// Placeholder until the reader and writer land on this branch.
namespace tallox {
SheetLoadResult readCsv(const QByteArray&, const QLocale&)
{
    SheetLoadResult r;
    r.error = QStringLiteral("Odczyt plików .csv nie jest jeszcze gotowy.");
    return r;
}
QByteArray writeCsv(const SheetCells&, const QLocale&) { return {}; }
} // namespace tallox
