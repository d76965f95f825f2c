// Damaged workbooks: the reader must refuse or load them without crashing or hanging, and what it
// loads must survive a save and a second load unchanged.
#include "worksheet/cells/SheetShape.h"
#include "worksheet/formats/xls/XlsFile.h"

#include <cstdint>
#include <cstring>

namespace {

bool sameCell(const tallox::SheetCell& a, const tallox::SheetCell& b)
{
    if (a.row != b.row || a.col != b.col || a.kind != b.kind)
        return false;
    if (a.kind == tallox::SheetCell::Kind::Number)
        return std::memcmp(&a.number, &b.number, sizeof a.number) == 0;
    // The writer keeps at most maxTextLength UTF-16 units of a text.
    return a.text.left(tallox::xls::maxTextLength - 1) == b.text.left(tallox::xls::maxTextLength - 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const tallox::SheetReadResult first = tallox::xls::readXls(bytes);
    if (!first.ok) {
        if (first.error.isEmpty())
            __builtin_trap();  // a refusal must say why
        return 0;
    }
    // What loads fits the sheet and holds what the worksheet's text files can carry.
    for (const tallox::SheetCell& c : first.sheet.cells)
        if (!tallox::insideSheet(c.row, c.col)
            || (c.kind == tallox::SheetCell::Kind::Text && (c.text.isEmpty() || c.text.contains(QChar(0)))))
            __builtin_trap();
    const tallox::SheetReadResult second = tallox::xls::readXls(tallox::xls::writeXls(first.sheet));
    if (!second.ok || second.sheet.cells.size() != first.sheet.cells.size())
        __builtin_trap();
    for (std::size_t i = 0; i < first.sheet.cells.size(); ++i)
        if (!sameCell(first.sheet.cells[i], second.sheet.cells[i]))
            __builtin_trap();
    return 0;
}
