#pragma once
// The BIFF8 workbook stream: the first worksheet's cells as values (numbers, texts, saved formula
// results; booleans and error values as their texts).
#include "worksheet/cells/SheetCells.h"

#include <QByteArray>

namespace tallox::xls {

enum class BiffError {
    None,
    Damaged,      // records cut short, pointing outside the stream, or not a BIFF stream at all
    OldVersion,   // a workbook from before Excel 97 (BIFF2 to BIFF5)
    Encrypted,    // protected with a password: the cells cannot be read without it
    NoWorksheet,  // only chart or macro sheets
};

struct BiffReadResult {
    BiffError error = BiffError::None;
    SheetCells sheet;  // row-major, within the 200 × 26 worksheet
    bool outsideSheet = false;  // the worksheet held values beyond row 200 or column Z, left out
};

BiffReadResult readWorkbookStream(const QByteArray& stream);

// The text a cell shows for a number it cannot hold as one (NaN or infinity).
QString notANumberText();

} // namespace tallox::xls
