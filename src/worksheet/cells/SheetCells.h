#pragma once
// The cells of one sheet as a data file holds them: what the file readers produce and the
// writers consume, apart from the grid widget.
#include <QString>
#include <vector>

namespace tallox {

// One non-empty cell; rows and columns are 1-based.
struct SheetCell {
    enum class Kind { Number, Text };
    int row = 0;
    int col = 0;
    Kind kind = Kind::Number;
    double number = 0.0;
    QString text;  // the text of a text cell; unused for numbers
};

// Non-empty cells in no particular order; a cell absent from the list is empty.
struct SheetCells {
    std::vector<SheetCell> cells;
};

// A reader's outcome: the cells, or why the file could not be read (a Polish sentence).
struct SheetReadResult {
    bool ok = false;
    SheetCells sheet;
    QString error;
};

// A writer's outcome: empty error on success; the first cell (as "A1") whose text was cut to
// fit the format, empty when nothing was cut.
struct SheetWriteResult {
    bool ok = false;
    QString error;
    QString truncatedCell;  // the first cell ("A1") whose text the format could not hold whole
};

} // namespace tallox
