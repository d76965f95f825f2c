// Feeds arbitrary bytes to the .tlx reader. Besides the sanitizers' checks: whatever the reader
// accepts must lie inside the sheet, and writing it and reading it again must give it back.
#include "SameCells.h"
#include "worksheet/formats/TlxFormat.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>

namespace {

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
