#include "worksheet/formats/SheetBounds.h"

#include <algorithm>

namespace tallox {

QString outsideSheetWarning()
{
    return QStringLiteral("Plik zawiera dane poza arkuszem (200 wierszy, 26 kolumn) - wczytano tylko "
                          "dane mieszczące się w arkuszu.");
}

bool dropCellsOutsideSheet(SheetCells& sheet)
{
    auto outside = [](const SheetCell& c) { return !insideSheet(c.row, c.col); };
    auto first = std::remove_if(sheet.cells.begin(), sheet.cells.end(), outside);
    const bool dropped = first != sheet.cells.end();
    sheet.cells.erase(first, sheet.cells.end());
    return dropped;
}

std::vector<const SheetCell*> cellsByPosition(const SheetCells& sheet)
{
    std::vector<const SheetCell*> grid(std::size_t(sheetRows) * sheetColumns, nullptr);
    for (const SheetCell& c : sheet.cells) {
        if (!insideSheet(c.row, c.col))
            continue;
        // An empty text is an empty cell: it leaves the position empty, as the grid does.
        const bool empty = c.kind == SheetCell::Kind::Text && c.text.isEmpty();
        grid[std::size_t(c.row - 1) * sheetColumns + std::size_t(c.col - 1)] = empty ? nullptr : &c;
    }
    return grid;
}

} // namespace tallox
