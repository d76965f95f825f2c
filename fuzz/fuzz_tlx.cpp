// Feeds arbitrary bytes to the .tlx reader. Besides the sanitizers' checks: whatever the reader
// accepts must lie inside the sheet, and writing it and reading it again must give it back.
#include "worksheet/formats/TlxFormat.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>

namespace {

// Same cells in any order (the reader keeps the file's order, the writer writes row by row).
bool sameCells(const tallox::SheetCells& a, const tallox::SheetCells& b)
{
    auto inRowOrder = [](std::vector<tallox::SheetCell> cells) {
        std::sort(cells.begin(), cells.end(), [](const auto& p, const auto& q) {
            return std::pair(p.row, p.col) < std::pair(q.row, q.col);
        });
        return cells;
    };
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const tallox::SheetLoadResult first = tallox::readTlx(bytes);
    if (!first.ok) {
        if (first.error.isEmpty() || !first.sheet.cells.empty())
            std::abort();
        return 0;
    }
    for (const tallox::SheetCell& cell : first.sheet.cells)
        if (!tallox::insideSheet(cell.row, cell.col))
            std::abort();
    const tallox::SheetLoadResult again = tallox::readTlx(tallox::writeTlx(first.sheet));
    if (!again.ok || again.truncated || !sameCells(first.sheet, again.sheet))
        std::abort();
    return 0;
}
