#pragma once
// The worksheet's fixed shape as the file readers meet it, and what a reader reports besides
// the cells: data left out, damage repaired, and the reasons every reader gives alike.
#include "worksheet/cells/CellPositions.h"
#include "worksheet/cells/SheetCells.h"
#include "worksheet/cells/SheetShape.h"

#include <QStringList>

namespace tallox {

// The worksheet's file formats, by the type codes the save dialog's entries write with.
enum class SheetFileType : int {
    Tlx = 1,  // the program's own format (.tlx)
    Tsv = 3,  // tab-separated text (.dat)
    Xls = 4,  // Excel 97-2003 workbook (.xls)
    Xlsx = 5, // Office Open XML workbook (.xlsx)
    Ods = 6,  // OpenDocument spreadsheet (.ods)
    Csv = 7,  // comma-separated values (.csv)
};

// A reader's outcome with what the window tells the user after a successful load.
struct SheetLoadResult : SheetReadResult {
    SheetFileType type = SheetFileType::Tsv;  // the format the file was read as
    bool truncated = false;  // non-empty cells outside the sheet were left out
    int invalidBytes = 0;    // bytes that were not UTF-8 text, each read as U+FFFD
    int notNumbers = 0;      // runs the plain-text reader could not read as numbers
};

// The warnings of a successful load, in the order the window shows them (one box each).
QStringList loadWarnings(const SheetLoadResult& result);

// The warning the window shows when a load left data out.
QString outsideSheetWarning();

// Why a file is refused, the same through every reader.
QString noDataReason();      // nothing but blanks and line ends
QString binaryFileReason();  // control characters: not a text file

// A text file's bytes decoded for a reader (UTF-8, or Windows-1250 when they are no UTF-8 at all).
// False, with the reason in result.error, for a binary file (control characters) or one holding
// nothing but blanks; otherwise the count of stray bytes goes to result.invalidBytes.
bool decodeTextFile(const QByteArray& bytes, SheetLoadResult& result, QString& text);

// A successful read that found no cell inside the sheet is refused: with noDataReason, or,
// when there were cells outside it, with a reason saying so. The sheet is never replaced by an
// empty one read from a file.
void refuseWithoutCells(SheetLoadResult& result);

// Removes the cells outside the sheet; true when any was removed.
bool dropCellsOutsideSheet(SheetCells& sheet);

// What no cell may hold, made storable: a NUL in a text becomes U+FFFD, a number that is not
// finite becomes the text "#NUM!" (as spreadsheets show it). Every reader passes its cells here.
void makeCellsStorable(SheetCells& sheet);

} // namespace tallox
