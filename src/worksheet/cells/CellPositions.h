#pragma once
// The writers' view of a cell list: each position of the sheet once.
#include "worksheet/cells/SheetCells.h"
#include "worksheet/cells/SheetShape.h"

#include <vector>

namespace tallox {

// Checks a cell list against the sheet and keeps, for each position inside it, the last cell
// given there: the writers use this so that every position is written at most once. An empty
// text is an empty cell, as the grid has it. grid[(row - 1) * sheetColumns + (col - 1)] is the
// cell at (row, col) or nullptr.
inline std::vector<const SheetCell*> cellsByPosition(const SheetCells& sheet)
{
    std::vector<const SheetCell*> grid(std::size_t(sheetRows) * sheetColumns, nullptr);
    for (const SheetCell& c : sheet.cells) {
        if (!insideSheet(c.row, c.col))
            continue;
        const bool empty = c.kind == SheetCell::Kind::Text && c.text.isEmpty();
        grid[std::size_t(c.row - 1) * sheetColumns + std::size_t(c.col - 1)] = empty ? nullptr : &c;
    }
    return grid;
}

} // namespace tallox
