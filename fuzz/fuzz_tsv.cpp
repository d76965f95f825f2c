// Feeds arbitrary bytes to the tab-separated reader under Polish and English settings. Besides
// the sanitizers' checks: whatever is read must lie inside the sheet, and writing it in the same
// locale and reading it again must give the same cells (numbers bit for bit, texts exactly).
#include "worksheet/formats/TsvFormat.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>

namespace {

std::vector<tallox::SheetCell> inRowOrder(std::vector<tallox::SheetCell> cells)
{
    std::sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
        return std::pair(a.row, a.col) < std::pair(b.row, b.col);
    });
    return cells;
}

bool sameCells(const tallox::SheetCells& a, const tallox::SheetCells& b)
{
    const auto x = inRowOrder(a.cells);
    const auto y = inRowOrder(b.cells);
    if (x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i].row != y[i].row || x[i].col != y[i].col || x[i].kind != y[i].kind || x[i].text != y[i].text
            || std::bit_cast<std::uint64_t>(x[i].number) != std::bit_cast<std::uint64_t>(y[i].number))
            return false;
    }
    return true;
}

void check(const QByteArray& bytes, const QLocale& locale)
{
    const tallox::SheetLoadResult first = tallox::readTsv(bytes, locale);
    if (!first.ok) {
        if (first.error.isEmpty() || !first.sheet.cells.empty())
            std::abort();
        return;
    }
    for (const tallox::SheetCell& cell : first.sheet.cells)
        if (!tallox::insideSheet(cell.row, cell.col))
            std::abort();
    const tallox::SheetLoadResult again = tallox::readTsv(tallox::writeTsv(first.sheet, locale), locale);
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
