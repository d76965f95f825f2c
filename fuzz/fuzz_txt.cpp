// Feeds arbitrary bytes to the plain-text reader ("Dowolny Zbiór" takes any file at all).
// Besides the sanitizers' checks: it refuses only with a reason and without cells, and what it
// reads fills only rows 1-200 of columns A-D with numbers.
#include "worksheet/formats/TextDataReader.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const tallox::SheetLoadResult result = tallox::readTextData(bytes);
    if (!result.ok) {
        if (result.error.isEmpty() || !result.sheet.cells.empty())
            std::abort();
        return 0;
    }
    for (const tallox::SheetCell& cell : result.sheet.cells) {
        if (cell.row < 1 || cell.row > tallox::sheetRows || cell.col < 1 || cell.col > 4
            || cell.kind != tallox::SheetCell::Kind::Number || !std::isfinite(cell.number))
            std::abort();
    }
    return 0;
}
