#include "worksheet/SheetUndo.h"

#include "worksheet/SheetView.h"
#include "worksheet/TF1Book.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <algorithm>
#include <cstring>

namespace tallox {

SheetChange::SheetChange(TF1Book& book, const QString& name) : book_(book)
{
    book_.openChange(name);
}

SheetChange::~SheetChange() { book_.closeChange(); }

// One step: each changed cell with the state it does not have now. Undo and redo swap these
// states with the sheet's, so a step holds one copy of the cells it changed.
class SheetStep : public QUndoCommand {
public:
    SheetStep(TF1Book& book, const QString& name, std::vector<TF1Book::ChangedCell> cells)
        : QUndoCommand(name), book_(book), cells_(std::move(cells))
    {
    }
    void undo() override { swap(); }
    void redo() override
    {
        // Pushed after the command changed the cells: the first redo has nothing to do.
        if (pushed_) {
            pushed_ = false;
            return;
        }
        swap();
    }

private:
    void swap()
    {
        int r1 = book_.maxRow_, c1 = book_.maxCol_, r2 = 1, c2 = 1;
        for (TF1Book::ChangedCell& changed : cells_) {
            if (!book_.inSheet(changed.row, changed.col))
                continue;
            std::swap(book_.cell(changed.row, changed.col), changed.cell);
            r1 = std::min<int>(r1, changed.row);
            c1 = std::min<int>(c1, changed.col);
            r2 = std::max<int>(r2, changed.row);
            c2 = std::max<int>(c2, changed.col);
        }
        if (r1 > r2 || c1 > c2)
            return;
        book_.model_->cellsChanged(r1, c1, r2, c2);
        emit book_.contentsChanged();
        emit book_.stepApplied(r1, c1, r2, c2);
    }

    TF1Book& book_;
    std::vector<TF1Book::ChangedCell> cells_;
    bool pushed_ = true;
};

} // namespace tallox

bool TF1Book::sameCell(const Cell& a, const Cell& b)
{
    // Numbers compare bit for bit: -0 and 0, or two NaN payloads, are different cells.
    return a.kind == b.kind && std::memcmp(&a.number, &b.number, sizeof a.number) == 0
        && a.text == b.text;
}

void TF1Book::openChange(const QString& name)
{
    if (change_.depth++ > 0)
        return;
    change_.name = name;
    change_.before.clear();
    change_.seen.assign(std::size_t(maxRow_) * maxCol_, 0);
}

void TF1Book::recordCell(int row, int col)
{
    if (change_.depth == 0 || !inSheet(row, col))
        return;
    const std::size_t index = std::size_t(row - 1) * maxCol_ + (col - 1);
    if (change_.seen[index])
        return;
    change_.seen[index] = 1;
    change_.before.push_back({std::uint16_t(row), std::uint16_t(col), cell(row, col)});
}

void TF1Book::recordBlock(int row1, int col1, int row2, int col2)
{
    for (int r = std::max(1, row1); r <= std::min(maxRow_, row2); ++r)
        for (int c = std::max(1, col1); c <= std::min(maxCol_, col2); ++c)
            recordCell(r, c);
}

void TF1Book::closeChange()
{
    if (--change_.depth > 0)
        return;
    std::vector<ChangedCell> changed;
    for (ChangedCell& before : change_.before) {
        if (!inSheet(before.row, before.col))
            continue;
        if (!sameCell(before.cell, cell(before.row, before.col)))
            changed.push_back(std::move(before));
    }
    change_.before = {};
    change_.seen = {};
    if (changed.empty())
        return;
    changed.shrink_to_fit();
    undo_->push(new tallox::SheetStep(*this, change_.name, std::move(changed)));
}

void TF1Book::reindexChange()
{
    // The sheet's shape changed while a change is open: the marks follow the cells.
    if (change_.depth == 0)
        return;
    change_.seen.assign(std::size_t(maxRow_) * maxCol_, 0);
    for (const ChangedCell& before : change_.before)
        if (inSheet(before.row, before.col))
            change_.seen[std::size_t(before.row - 1) * maxCol_ + (before.col - 1)] = 1;
}
