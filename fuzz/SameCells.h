#pragma once
// What the round-trip fuzz targets compare: the same cells in any order (a reader keeps the
// file's order, a writer writes row by row), numbers bit for bit and texts exactly.
#include "worksheet/cells/SheetCells.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

inline bool sameCells(const tallox::SheetCells& a, const tallox::SheetCells& b)
{
    auto inRowOrder = [](std::vector<tallox::SheetCell> cells) {
        std::sort(cells.begin(), cells.end(), [](const auto& p, const auto& q) {
            return std::pair(p.row, p.col) < std::pair(q.row, q.col);
        });
        return cells;
    };
    const auto x = inRowOrder(a.cells);
    const auto y = inRowOrder(b.cells);
    if (x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i].row != y[i].row || x[i].col != y[i].col || x[i].kind != y[i].kind
            || x[i].text != y[i].text
            || std::bit_cast<std::uint64_t>(x[i].number) != std::bit_cast<std::uint64_t>(y[i].number))
            return false;
    }
    return true;
}
