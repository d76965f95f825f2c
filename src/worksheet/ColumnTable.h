#pragma once
// What the analyses know about each of the 26 worksheet columns, the column count that scans a
// column, and the sheet layout (size, headings, widths and colours of the transform columns).
#include "common/Messages.h"
#include "worksheet/cells/SheetShape.h"

#include <array>
#include <cstdint>
#include <vector>

class TF1Book;

// The record of one worksheet column.
struct ColumnRecord {
    std::uint8_t SeriesMark = 0;      // the column's number while it belongs to the series expression
    std::uint8_t NumericCount = 0;    // number cells in rows 1 to 200
    std::int32_t LastNumericRow = 0;  // highest row holding a number; 0 when none
    long double Mean = 0;
    long double StdDevSingle = 0;     // standard deviation of a single measurement
    long double StdDevMean = 0;       // standard deviation of the mean
    long double Weight = 0;           // 1 / StdDevMean², or 0
};

// What the scan of one column found: its number cells, and what the user is to be told about its
// other cells (in the order the boxes are shown).
struct ColumnCount {
    int count = 0;
    std::vector<tallox::Message> notices;
};

class ColumnTable {
public:
    // Column 1 to 26.
    ColumnRecord& operator[](int column);
    const ColumnRecord& operator[](int column) const;

    // The scan of one column (rows 1 to 200): counts its number cells and notes the count and the
    // last numeric row in the column's record. Text cells give a warning, and a text holding a dot
    // (a decimal number typed with a dot) a hint after it; the caller shows them. The scan reads
    // the sheet only: its active cell stays where it was.
    ColumnCount GetLiczbaDanych(const TF1Book& book, int column);

private:
    std::array<ColumnRecord, tallox::sheetColumns> records_{};
};

// Applies the sheet layout: 200 × 26, headings "A"…"V" and the transform headings, widths and
// fill colours of the transform columns, selection back on A1. Cell values are not touched.
void Kolorowanie_Kolumn(TF1Book& book);
