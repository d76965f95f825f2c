// Damaged OpenDocument spreadsheets: the reader must refuse or load them without crashing or
// hanging, and what it loads must survive a save and a second load unchanged.
#include "SameCells.h"

#include "worksheet/cells/SheetShape.h"
#include "worksheet/formats/zip/OdsFile.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const tallox::zip::WorkbookReadResult first = tallox::ods::readOds(bytes);
    if (!first.ok) {
        if (first.error.isEmpty() || !first.sheet.cells.empty())
            __builtin_trap();  // a refusal must say why and hand back nothing
        return 0;
    }
    // What loads fits the sheet and is storable as it is: finite numbers, non-empty texts
    // without NUL.
    for (const tallox::SheetCell& c : first.sheet.cells) {
        if (!tallox::insideSheet(c.row, c.col))
            __builtin_trap();
        if (c.kind == tallox::SheetCell::Kind::Number ? !std::isfinite(c.number)
                                                      : (c.text.isEmpty() || c.text.contains(QChar(0))))
            __builtin_trap();
    }
    const tallox::zip::WorkbookReadResult second = tallox::ods::readOds(tallox::ods::writeOds(first.sheet));
    if (!second.ok || second.outsideSheet || !sameCells(first.sheet, second.sheet))
        __builtin_trap();
    return 0;
}
