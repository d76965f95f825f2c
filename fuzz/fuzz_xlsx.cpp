// Damaged workbooks: the reader must refuse or load them without crashing, hanging or holding
// more than its bounds, and what it loads must survive a save and a second load unchanged.
#include "SameCells.h"
#include "worksheet/cells/SheetShape.h"
#include "worksheet/formats/zip/XlsxFile.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const tallox::zip::WorkbookReadResult first = tallox::xlsx::readXlsx(bytes);
    if (!first.ok) {
        if (first.error.isEmpty())
            __builtin_trap();  // a refusal must say why
        return 0;
    }
    // What loads fits the sheet and holds what the worksheet's text files can carry.
    for (const tallox::SheetCell& c : first.sheet.cells)
        if (!tallox::insideSheet(c.row, c.col)
            || (c.kind == tallox::SheetCell::Kind::Text && (c.text.isEmpty() || c.text.contains(QChar(0))))
            || (c.kind == tallox::SheetCell::Kind::Number && !std::isfinite(c.number)))
            __builtin_trap();
    const tallox::zip::WorkbookReadResult second = tallox::xlsx::readXlsx(tallox::xlsx::writeXlsx(first.sheet));
    if (!second.ok || second.outsideSheet || !sameCells(first.sheet, second.sheet))
        __builtin_trap();
    return 0;
}
