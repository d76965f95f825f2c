#include "worksheet/TF1Book.h"

#include "worksheet/SheetText.h"
#include "worksheet/SheetUndo.h"
#include "worksheet/SheetView.h"
#include "worksheet/cells/SheetShape.h"
#include "worksheet/formats/SheetFile.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMimeData>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

using tallox::SheetModel;
using tallox::SheetView;
using tallox::SheetChange;
namespace stepNames = tallox::stepNames;

TF1Book::TF1Book(QWidget* parent) : QWidget(parent)
{
    undo_ = new QUndoStack(this);
    undo_->setUndoLimit(tallox::undoLimit);
    model_ = new SheetModel(*this);
    view_ = new SheetView(*this, this);
    view_->setObjectName(QStringLiteral("F1Book1_View"));
    view_->setModel(model_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { takeSelectionFromView(); });
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    activeRow_ = current.row() + 1;
                    activeCol_ = current.column() + 1;
                }
            });
    resizeSheet(16, 8);
}

TF1Book::~TF1Book() = default;

QTableView* TF1Book::view() const { return view_; }

bool TF1Book::inSheet(int row, int col) const
{
    return row >= 1 && row <= maxRow_ && col >= 1 && col <= maxCol_;
}

void TF1Book::resizeSheet(int rows, int cols)
{
    rows = std::max(1, rows);
    cols = std::max(1, cols);
    if (rows == maxRow_ && cols == maxCol_)
        return;
    std::vector<Cell> cells(std::size_t(rows) * cols);
    std::vector<std::int64_t> fills(std::size_t(rows) * cols, -1);
    for (int r = 1; r <= std::min(rows, maxRow_); ++r)
        for (int c = 1; c <= std::min(cols, maxCol_); ++c) {
            const std::size_t from = std::size_t(r - 1) * maxCol_ + (c - 1);
            const std::size_t to = std::size_t(r - 1) * cols + (c - 1);
            cells[to] = std::move(cells_[from]);
            fills[to] = fills_[from];
        }
    cells_ = std::move(cells);
    fills_ = std::move(fills);
    headings_.resize(cols);
    widths_.resize(cols, defaultWidth_);
    maxRow_ = rows;
    maxCol_ = cols;
    reindexChange();
    model_->reset();
    for (int c = 1; c <= maxCol_; ++c)
        view_->setColumnWidth(c - 1, tallox::widthInPixels(widths_[c - 1], view_->fontMetrics()));
    sel_ = {std::min(sel_.r1, rows), std::min(sel_.c1, cols), std::min(sel_.r2, rows),
            std::min(sel_.c2, cols)};
    activeRow_ = std::min(activeRow_, rows);
    activeCol_ = std::min(activeCol_, cols);
    applySelection();
}

void TF1Book::setMaxRow(int rows) { resizeSheet(rows, maxCol_); }
void TF1Book::setMaxCol(int cols) { resizeSheet(maxRow_, cols); }

void TF1Book::setSelStartRow(int row)
{
    sel_.r1 = std::clamp(row, 1, maxRow_);
    applySelection();
}
void TF1Book::setSelStartCol(int col)
{
    sel_.c1 = std::clamp(col, 1, maxCol_);
    applySelection();
}
void TF1Book::setSelEndRow(int row)
{
    sel_.r2 = std::clamp(row, 1, maxRow_);
    applySelection();
}
void TF1Book::setSelEndCol(int col)
{
    sel_.c2 = std::clamp(col, 1, maxCol_);
    applySelection();
}

void TF1Book::applySelection()
{
    const int r1 = std::min(sel_.r1, sel_.r2), r2 = std::max(sel_.r1, sel_.r2);
    const int c1 = std::min(sel_.c1, sel_.c2), c2 = std::max(sel_.c1, sel_.c2);
    syncingSelection_ = true;
    QItemSelection block(model_->index(r1 - 1, c1 - 1), model_->index(r2 - 1, c2 - 1));
    view_->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
    syncingSelection_ = false;
}

void TF1Book::takeSelectionFromView()
{
    if (syncingSelection_)
        return;
    const QItemSelection selection = view_->selectionModel()->selection();
    if (selection.isEmpty())
        return;
    int r1 = maxRow_, c1 = maxCol_, r2 = 1, c2 = 1;
    for (const QItemSelectionRange& range : selection) {
        r1 = std::min(r1, range.top() + 1);
        c1 = std::min(c1, range.left() + 1);
        r2 = std::max(r2, range.bottom() + 1);
        c2 = std::max(c2, range.right() + 1);
    }
    sel_ = {r1, c1, r2, c2};
}

void TF1Book::SetActiveCell(int row, int col)
{
    if (!inSheet(row, col))
        return;
    activeRow_ = row;
    activeCol_ = col;
    sel_ = {row, col, row, col};
    syncingSelection_ = true;
    // Through the view, so that Shift with the arrow keys extends from this cell.
    view_->setCurrentIndex(model_->index(row - 1, col - 1));
    syncingSelection_ = false;
}

double TF1Book::Number() const { return CellNumber(activeRow_, activeCol_); }

void TF1Book::setShowHScrollBar(int show)
{
    showHScrollBar_ = show;
    view_->setHorizontalScrollBarPolicy(show ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

int TF1Book::CellType(int row, int col) const
{
    return inSheet(row, col) ? cell(row, col).kind : int(Empty);
}

double TF1Book::CellNumber(int row, int col) const
{
    if (!inSheet(row, col) || cell(row, col).kind != NumberCell)
        return 0.0;
    return cell(row, col).number;
}

void TF1Book::setCellNumber(int row, int col, double value)
{
    if (!inSheet(row, col))
        return;
    if (!std::isfinite(value)) {
        setCellText(row, col, QStringLiteral("#NUM!"));
        return;
    }
    const SheetChange change(*this, stepNames::typing);
    recordCell(row, col);
    Cell& c = cell(row, col);
    c.kind = NumberCell;
    c.number = value;
    c.text.clear();
    cellsChanged(row, col, row, col);
}

QString TF1Book::CellText(int row, int col) const
{
    if (!inSheet(row, col))
        return {};
    const Cell& c = cell(row, col);
    switch (c.kind) {
    case NumberCell: return tallox::numberToCellText(c.number);
    case TextCell: return c.text;
    default: return {};
    }
}

void TF1Book::setCellText(int row, int col, const QString& text)
{
    if (!inSheet(row, col))
        return;
    const SheetChange change(*this, stepNames::typing);
    recordCell(row, col);
    Cell& c = cell(row, col);
    c.kind = text.isEmpty() ? Empty : TextCell;
    c.number = 0.0;
    c.text = text;
    cellsChanged(row, col, row, col);
}

void TF1Book::enterText(int row, int col, const QString& typed)
{
    const SheetChange change(*this, stepNames::typing);
    double value = 0.0;
    if (tallox::readTypedNumber(typed, value)) {
        setCellNumber(row, col, value);
        return;
    }
    setCellText(row, col, typed);
    if (inSheet(row, col) && tallox::isNumberInOtherConvention(typed))
        emit numberKeptAsText(row, col, typed);
}

QString TF1Book::ColumnHeading(int col) const
{
    if (col < 1 || col > maxCol_)
        return {};
    if (!headings_[col - 1].isEmpty())
        return headings_[col - 1];
    return tallox::columnLetters(col);
}

void TF1Book::setColumnHeading(int col, const QString& heading)
{
    if (col < 1 || col > maxCol_)
        return;
    headings_[col - 1] = heading;
    model_->headingsChanged(col, col);
}

void TF1Book::ClearRange(int row1, int col1, int row2, int col2, ClearKind kind)
{
    const int r1 = std::max(1, std::min(row1, row2)), r2 = std::min(maxRow_, std::max(row1, row2));
    const int c1 = std::max(1, std::min(col1, col2)), c2 = std::min(maxCol_, std::max(col1, col2));
    if (r1 > r2 || c1 > c2)
        return;
    const SheetChange change(*this, stepNames::clear);
    recordBlock(r1, c1, r2, c2);
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c) {
            cell(r, c) = Cell{};
            if (kind == ClearKind::All)
                fills_[std::size_t(r - 1) * maxCol_ + (c - 1)] = -1;
        }
    cellsChanged(r1, c1, r2, c2);
}

void TF1Book::SetColumnWidth(int col1, int col2, int width, bool isDefault)
{
    if (isDefault)
        defaultWidth_ = width;
    for (int c = std::max(1, col1); c <= std::min(maxCol_, col2); ++c) {
        widths_[c - 1] = width;
        view_->setColumnWidth(c - 1, tallox::widthInPixels(width, view_->fontMetrics()));
    }
}

int TF1Book::ColumnWidth(int col) const
{
    return col >= 1 && col <= maxCol_ ? widths_[col - 1] : 0;
}

void TF1Book::SetFillPattern(int pattern, std::uint32_t foreColor, std::uint32_t)
{
    const std::int64_t fill = pattern == 0 ? -1 : std::int64_t(foreColor & 0xFFFFFF);
    const int r1 = std::min(sel_.r1, sel_.r2), r2 = std::max(sel_.r1, sel_.r2);
    const int c1 = std::min(sel_.c1, sel_.c2), c2 = std::max(sel_.c1, sel_.c2);
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c)
            fills_[std::size_t(r - 1) * maxCol_ + (c - 1)] = fill;
    model_->cellsChanged(r1, c1, r2, c2);
}

std::int64_t TF1Book::CellFill(int row, int col) const
{
    return inSheet(row, col) ? fills_[std::size_t(row - 1) * maxCol_ + (col - 1)] : -1;
}

void TF1Book::cellsChanged(int row1, int col1, int row2, int col2)
{
    model_->cellsChanged(row1, col1, row2, col2);
    emit contentsChanged();
}

QString TF1Book::selectionAsText() const
{
    const int r1 = std::min(sel_.r1, sel_.r2), r2 = std::max(sel_.r1, sel_.r2);
    const int c1 = std::min(sel_.c1, sel_.c2), c2 = std::max(sel_.c1, sel_.c2);
    std::vector<std::vector<QString>> rows;
    for (int r = r1; r <= r2; ++r) {
        std::vector<QString> fields;
        for (int c = c1; c <= c2; ++c) {
            const Cell& x = cell(r, c);
            if (x.kind == NumberCell)
                fields.push_back(tallox::numberToExactText(x.number));
            else if (x.kind == TextCell)
                fields.push_back(tallox::textToClipboardField(x.text));
            else
                fields.emplace_back();
        }
        rows.push_back(std::move(fields));
    }
    return tallox::joinTabSeparated(rows);
}

void TF1Book::pasteText(int row, int col, const QString& text)
{
    const std::vector<std::vector<tallox::ClipboardField>> rows = tallox::splitTabSeparated(text);
    const SheetChange change(*this, stepNames::paste);
    int lastRow = row, lastCol = col;
    int otherRow = 0, otherCol = 0;  // the first field kept as a text for its decimal separator
    QString otherText;
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < rows[i].size(); ++j) {
            const int r = row + int(i), c = col + int(j);
            if (!inSheet(r, c))
                continue;  // what does not fit on the sheet is not pasted
            recordCell(r, c);
            Cell& x = cell(r, c);
            double value = 0.0;
            const tallox::ClipboardField& field = rows[i][j];
            if (!field.quoted && tallox::readTypedNumber(field.text, value)) {
                x = Cell{NumberCell, value, {}};
            } else {
                x = Cell{};
                if (!field.text.isEmpty())
                    x = Cell{TextCell, 0.0, field.text};
                if (!field.quoted && otherRow == 0 && tallox::isNumberInOtherConvention(field.text)) {
                    otherRow = r;
                    otherCol = c;
                    otherText = field.text;
                }
            }
            lastRow = std::max(lastRow, r);
            lastCol = std::max(lastCol, c);
        }
    if (rows.empty())
        return;
    cellsChanged(row, col, std::min(lastRow, maxRow_), std::min(lastCol, maxCol_));
    sel_ = {row, col, std::min(lastRow, maxRow_), std::min(lastCol, maxCol_)};
    applySelection();
    if (otherRow > 0)
        emit numberKeptAsText(otherRow, otherCol, otherText);
}

void TF1Book::CopySelection()
{
    auto* mime = new QMimeData;
    mime->setText(selectionAsText());
    QApplication::clipboard()->setMimeData(mime);
}

void TF1Book::CutSelection()
{
    const SheetChange change(*this, stepNames::cut);
    CopySelection();
    ClearRange(sel_.r1, sel_.c1, sel_.r2, sel_.c2, ClearKind::Values);
}

void TF1Book::PasteClipboard()
{
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    pasteText(std::min(sel_.r1, sel_.r2), std::min(sel_.c1, sel_.c2), text);
}

bool TF1Book::ReadFile(const QString& path, tallox::SheetFileType& fileType)
{
    const tallox::SheetLoadResult read = tallox::readSheetFile(path, tallox::worksheetLocale());
    lastFileError_ = read.error;
    lastReadWarnings_.clear();
    if (!read.ok)
        return false;
    lastReadWarnings_ = tallox::loadWarnings(read);
    fileType = read.type;
    replaceCells(read.sheet);
    undo_->setClean();
    return true;
}

bool TF1Book::WriteFile(const QString& path, tallox::SheetFileType fileType)
{
    const tallox::SheetWriteResult written =
        tallox::writeSheetFile(path, fileType, sheetCells(), tallox::worksheetLocale());
    lastFileError_ = written.error;
    lastWriteTruncatedCell_ = written.truncatedCell;
    if (written.ok)
        undo_->setClean();
    return written.ok;
}

void TF1Book::replaceCells(const tallox::SheetCells& cells)
{
    const SheetChange change(*this, stepNames::load);
    recordBlock(1, 1, maxRow_, maxCol_);
    for (Cell& c : cells_)
        c = Cell{};
    for (const tallox::SheetCell& in : cells.cells) {
        if (!inSheet(in.row, in.col))
            continue;
        Cell& c = cell(in.row, in.col);
        if (in.kind == tallox::SheetCell::Kind::Number && std::isfinite(in.number))
            c = Cell{NumberCell, in.number, {}};
        else if (in.kind == tallox::SheetCell::Kind::Number)
            c = Cell{TextCell, 0.0, QStringLiteral("#NUM!")};
        else if (!in.text.isEmpty())
            c = Cell{TextCell, 0.0, in.text};
    }
    cellsChanged(1, 1, maxRow_, maxCol_);
}

tallox::SheetCells TF1Book::sheetCells() const
{
    tallox::SheetCells out;
    for (int r = 1; r <= maxRow_; ++r)
        for (int c = 1; c <= maxCol_; ++c) {
            const Cell& x = cell(r, c);
            if (x.kind == NumberCell)
                out.cells.push_back({r, c, tallox::SheetCell::Kind::Number, x.number, {}});
            else if (x.kind == TextCell)
                out.cells.push_back({r, c, tallox::SheetCell::Kind::Text, 0.0, x.text});
        }
    return out;
}
