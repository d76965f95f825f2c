#pragma once
// The 200 × 26 sheet as a spreadsheet reader fills it (.xls, .xlsx): a later value for the same
// cell replaces an earlier one, and values beyond the sheet are only noticed. A cell showing a
// string of the workbook's shared string table holds its index until the strings the sheet needs
// are read, so only those are ever built.
#include "worksheet/cells/SheetCells.h"
#include "worksheet/cells/SheetShape.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace tallox {

class WorkbookGrid {
public:
    // keptTextLimit bounds the UTF-16 units of the texts the grid holds (setText reports going
    // over it); shared strings are bounded where they are read.
    explicit WorkbookGrid(qint64 keptTextLimit = std::numeric_limits<qint64>::max())
        : cells_(sheetRows * sheetColumns), shared_(sheetRows * sheetColumns, noString),
          keptTextLimit_(keptTextLimit)
    {
    }

    // Rows and columns count from 1. An empty text is an empty cell; a NUL character, which the
    // worksheet's text files cannot carry, becomes U+FFFD. False when the texts kept exceed the
    // limit.
    bool setText(int row, int col, QString text)
    {
        if (text.isEmpty())
            return setEmpty(row, col), true;
        if (!keep(row, col))
            return true;
        text.replace(QChar(0), QChar(0xFFFD));
        keptText_ += text.size();
        at(row, col) = SheetCell{row, col, SheetCell::Kind::Text, 0.0, std::move(text)};
        return keptText_ <= keptTextLimit_;
    }

    // A number that is not finite is shown as spreadsheets show it.
    void setNumber(int row, int col, double value)
    {
        if (!std::isfinite(value)) {
            setText(row, col, QStringLiteral("#NUM!"));
            return;
        }
        if (keep(row, col))
            at(row, col) = SheetCell{row, col, SheetCell::Kind::Number, value, {}};
    }

    // A cell showing string `index` of the shared string table.
    void setSharedString(int row, int col, std::uint32_t index)
    {
        highestShared_ = std::max<std::int64_t>(highestShared_, index);
        if (!keep(row, col))
            return;
        at(row, col) = SheetCell{row, col, SheetCell::Kind::Text, 0.0, {}};
        shared_[position(row, col)] = index;
    }

    // Emptied by a later record (a blank text, a formula never calculated); nothing to notice
    // beyond the sheet.
    void setEmpty(int row, int col)
    {
        if (insideSheet(row, col))
            keep(row, col), at(row, col) = SheetCell{};
    }

    // The shared strings wanted, ascending: those the sheet's cells show, and the highest index
    // any cell named (so that an index beyond the table is noticed even outside the sheet).
    std::vector<std::uint32_t> sharedStringsWanted() const
    {
        std::vector<std::uint32_t> wanted;
        for (std::uint32_t index : shared_)
            if (index != noString)
                wanted.push_back(index);
        if (highestShared_ >= 0)
            wanted.push_back(std::uint32_t(highestShared_));
        std::sort(wanted.begin(), wanted.end());
        wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
        return wanted;
    }

    // Fills the cells that show shared strings; `strings[i]` is string `wanted[i]`.
    void fillSharedStrings(const std::vector<std::uint32_t>& wanted, const std::vector<QString>& strings)
    {
        for (std::size_t p = 0; p < shared_.size(); ++p) {
            if (shared_[p] == noString)
                continue;
            const auto found = std::lower_bound(wanted.begin(), wanted.end(), shared_[p]);
            const int row = int(p / sheetColumns) + 1, col = int(p % sheetColumns) + 1;
            setText(row, col, strings[std::size_t(found - wanted.begin())]);
        }
    }

    bool outsideSheet() const { return outside_; }

    SheetCells take()
    {
        SheetCells sheet;
        for (SheetCell& c : cells_)
            if (c.row != 0)
                sheet.cells.push_back(std::move(c));
        return sheet;
    }

private:
    static constexpr std::uint32_t noString = std::numeric_limits<std::uint32_t>::max();

    static std::size_t position(int row, int col)
    {
        return std::size_t(row - 1) * sheetColumns + std::size_t(col - 1);
    }

    // Whether a value for (row, col) goes into the grid; one outside it is noticed. The value
    // replaces what the cell held: a pending shared string, its text's share of the limit.
    bool keep(int row, int col)
    {
        if (!insideSheet(row, col)) {
            outside_ = true;
            return false;
        }
        shared_[position(row, col)] = noString;
        keptText_ -= at(row, col).text.size();
        return true;
    }

    SheetCell& at(int row, int col) { return cells_[position(row, col)]; }

    std::vector<SheetCell> cells_;       // row 0 marks an empty cell
    std::vector<std::uint32_t> shared_;  // the shared string a cell shows, or noString
    std::int64_t highestShared_ = -1;
    qint64 keptText_ = 0;
    qint64 keptTextLimit_;
    bool outside_ = false;
};

} // namespace tallox
