#pragma once
// The worksheet's fixed shape, and what a reader reports when a file holds more than fits in it.
#include "worksheet/cells/SheetCells.h"
#include "worksheet/cells/SheetShape.h"

namespace tallox {

// A reader's outcome with one more fact for the window: the file held non-empty cells outside
// the sheet, which were left out (the window warns with outsideSheetWarning()).
struct SheetLoadResult : SheetReadResult {
    bool truncated = false;
};

// The warning the window shows when a load left data out.
QString outsideSheetWarning();

// Removes the cells outside the sheet; true when any was removed.
bool dropCellsOutsideSheet(SheetCells& sheet);

// Checks a cell list against the sheet and keeps, for each position inside it, the last cell
// given there: the writers use this so that every position is written at most once.
// grid[(row - 1) * sheetColumns + (col - 1)] is the cell at (row, col) or nullptr.
std::vector<const SheetCell*> cellsByPosition(const SheetCells& sheet);

} // namespace tallox
