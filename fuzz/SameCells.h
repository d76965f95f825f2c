#pragma once
// What the round-trip fuzz targets compare: the same cells in any order (a reader keeps the
// file's order, a writer writes row by row), numbers bit for bit and texts exactly.
#include "worksheet/cells/SheetCells.h"
#include "worksheet/formats/SheetBounds.h"

#include <QByteArray>
#include <QLocale>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
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

// The check of the text readers (.dat, .csv), under one locale: a refusal says why and hands over
// no cells; whatever is read lies inside the sheet, and writing it and reading it again gives the
// same cells.
template <typename Read, typename Write>
void checkTextRoundTrip(const QByteArray& bytes, const QLocale& locale, Read read, Write write)
{
    const tallox::SheetLoadResult first = read(bytes, locale);
    if (!first.ok) {
        if (first.error.isEmpty() || !first.sheet.cells.empty())
            std::abort();
        return;
    }
    for (const tallox::SheetCell& cell : first.sheet.cells)
        if (!tallox::insideSheet(cell.row, cell.col))
            std::abort();
    const tallox::SheetLoadResult again = read(write(first.sheet, locale), locale);
    if (!again.ok || again.truncated || !sameCells(first.sheet, again.sheet))
        std::abort();
}

// Every input under Polish and under English settings.
template <typename Read, typename Write>
void checkTextRoundTripInBothLocales(const std::uint8_t* data, std::size_t size, Read read, Write write)
{
    static const QLocale polish(QLocale::Polish, QLocale::Poland);
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkTextRoundTrip(bytes, polish, read, write);
    checkTextRoundTrip(bytes, english, read, write);
}
