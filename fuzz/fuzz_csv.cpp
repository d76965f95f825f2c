// Feeds arbitrary bytes to the comma-separated reader under Polish and English settings. Besides
// the sanitizers' checks: whatever is read must lie inside the sheet, and writing it in either
// locale's convention and reading it again must give the same cells (numbers bit for bit, texts
// exactly).
#include "SameCells.h"
#include "worksheet/formats/CsvFormat.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(const QByteArray& bytes, const QLocale& locale)
{
    const tallox::SheetLoadResult first = tallox::readCsv(bytes, locale);
    if (!first.ok) {
        if (first.error.isEmpty() || !first.sheet.cells.empty())
            std::abort();
        return;
    }
    for (const tallox::SheetCell& cell : first.sheet.cells)
        if (!tallox::insideSheet(cell.row, cell.col))
            std::abort();
    const tallox::SheetLoadResult again = tallox::readCsv(tallox::writeCsv(first.sheet, locale), locale);
    if (!again.ok || again.truncated || !sameCells(first.sheet, again.sheet))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QLocale polish(QLocale::Polish, QLocale::Poland);
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    check(bytes, polish);
    check(bytes, english);
    return 0;
}
