#pragma once
// A worksheet cell as the computations see it: what kind of content it holds and,
// for a number, its value. Window code copies cells out of the sheet into these.

namespace tallox::stats {

enum class CellKind { Empty, Number, Text };

struct Cell {
    CellKind kind = CellKind::Empty;
    long double value = 0; // the cell's number; 0 for empty and text cells

    bool isEmpty() const { return kind == CellKind::Empty; }
    bool isNumber() const { return kind == CellKind::Number; }
};

inline Cell numberCell(long double v) { return {CellKind::Number, v}; }
inline Cell textCell() { return {CellKind::Text, 0}; }
inline Cell emptyCell() { return {}; }

} // namespace tallox::stats
