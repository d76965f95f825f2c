#include "worksheet/SheetView.h"

#include "common/Colors.h"
#include "worksheet/TF1Book.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace tallox {

SheetModel::SheetModel(TF1Book& book) : QAbstractTableModel(&book), book_(book) {}

int SheetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : book_.MaxRow();
}

int SheetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : book_.MaxCol();
}

QVariant SheetModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row() + 1, col = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return book_.CellText(row, col);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(
            (book_.CellType(row, col) == TF1Book::NumberCell ? Qt::AlignRight : Qt::AlignLeft)
            | Qt::AlignVCenter));
    case Qt::BackgroundRole: {
        const std::int64_t fill = book_.CellFill(row, col);
        if (fill >= 0)
            return colorFromBgr(std::uint32_t(fill));
        return {};
    }
    default:
        return {};
    }
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const int row = index.row() + 1, col = index.column() + 1;
    const QString typed = value.toString();
    // Leaving an editor unchanged must not round a number held with more digits than shown.
    if (typed == book_.CellText(row, col))
        return true;
    book_.enterText(row, col, typed);
    return true;
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return book_.ColumnHeading(section + 1);
    return section + 1;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void SheetModel::reset()
{
    beginResetModel();
    endResetModel();
}

void SheetModel::cellsChanged(int row1, int col1, int row2, int col2)
{
    emit dataChanged(index(row1 - 1, col1 - 1), index(row2 - 1, col2 - 1));
}

void SheetModel::headingsChanged(int col1, int col2)
{
    emit headerDataChanged(Qt::Horizontal, col1 - 1, col2 - 1);
}

SheetView::SheetView(TF1Book& book, QWidget* parent) : QTableView(parent), book_(book)
{
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setCornerButtonEnabled(true);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
}

void SheetView::moveCurrent(int rowStep, int colStep)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const int row = std::clamp(current.row() + rowStep, 0, model()->rowCount() - 1);
    const int col = std::clamp(current.column() + colStep, 0, model()->columnCount() - 1);
    setCurrentIndex(model()->index(row, col));
}

void SheetView::keyPressEvent(QKeyEvent* event)
{
    if (state() != QAbstractItemView::EditingState) {
        if (event->matches(QKeySequence::Copy)) {
            book_.CopySelection();
            return;
        }
        if (event->matches(QKeySequence::Cut)) {
            book_.CutSelection();
            return;
        }
        if (event->matches(QKeySequence::Paste)) {
            book_.PasteClipboard();
            return;
        }
        if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
            book_.ClearRange(book_.SelStartRow(), book_.SelStartCol(), book_.SelEndRow(),
                             book_.SelEndCol(), TF1Book::ClearKind::Values);
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            moveCurrent(event->modifiers() & Qt::ShiftModifier ? -1 : 1, 0);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void SheetView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    // Enter in the editor: the value is stored and the next row's cell becomes current, as in
    // every spreadsheet program, so a column of measurements is typed without the mouse.
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        moveCurrent(1, 0);
}

} // namespace tallox
