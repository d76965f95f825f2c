#include "records/ResultList.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QStandardItemModel>

namespace tallox {

namespace {
constexpr int resultRole = Qt::UserRole + 1;
}

ResultList::ResultList(const QString& name, const QStringList& headers, int subItemCount,
                       QWidget* parent)
    : QTreeView(parent), model_(new QStandardItemModel(0, subItemCount + 1, this)),
      subItemCount_(subItemCount), shownSubItems_(int(headers.size()))
{
    setObjectName(name);
    model_->setHorizontalHeaderLabels(QStringList{QString()} + headers);
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setMinimumSectionSize(16);
    for (int column = shownSubItems_ + 1; column <= subItemCount_; ++column)
        setColumnHidden(column, true);
    fitColumns();

    menu_ = new QMenu(this);
    delete_ = menu_->addAction(QStringLiteral("Usuń wybrane analizy"));
    copyReport_ = menu_->addAction(QStringLiteral("Kopiuj jako wynik z niepewnością"));
    copyReport_->setObjectName(name + QStringLiteral("_copyReport"));
    connect(copyReport_, &QAction::triggered, this, [this] {
        const QString text = selectedAsReportText();
        if (!text.isEmpty())
            QApplication::clipboard()->setText(text);
    });
    // Its items show only when the list has a row to delete or copy.
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        delete_->setVisible(rowCount() > 0);
        copyReport_->setVisible(rowCount() > 0 && bool(reportText_));
    });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(viewport()->mapToGlobal(at)); });

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (!selected.isEmpty())
                    emit rowSelected(selected.indexes().constFirst().row());
            });
}

int ResultList::rowCount() const { return model_->rowCount(); }

QString ResultList::caption(int row) const
{
    const QStandardItem* item = model_->item(row, 0);
    return item ? item->text() : QString();
}

QString ResultList::subItem(int row, int index) const
{
    const QStandardItem* item = model_->item(row, index + 1);
    return item ? item->text() : QString();
}

QVariant ResultList::result(int row) const
{
    const QStandardItem* item = model_->item(row, 0);
    return item ? item->data(resultRole) : QVariant();
}

int ResultList::focusedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ResultList::appendRow(const QStringList& subItems, const QVariant& result)
{
    QList<QStandardItem*> items;
    items << new QStandardItem(QString::number(rowCount() + 1));
    items.front()->setData(result, resultRole);
    for (int i = 0; i < subItemCount_; ++i)
        items << new QStandardItem(subItems.value(i));
    for (QStandardItem* item : items)
        item->setEditable(false);
    model_->appendRow(items);
    setRowToolTip(rowCount() - 1);
    fitColumns();
    focusRow(rowCount() - 1);
}

void ResultList::setReportText(ReportText reportText)
{
    reportText_ = std::move(reportText);
    for (int row = 0; row < rowCount(); ++row)
        setRowToolTip(row);
}

QString ResultList::reportText(int row) const
{
    return reportText_ && row >= 0 && row < rowCount() ? reportText_(result(row)) : QString();
}

void ResultList::setRowToolTip(int row)
{
    const QString tip = reportText(row);
    for (int column = 0; column < model_->columnCount(); ++column)
        if (QStandardItem* item = model_->item(row, column))
            item->setToolTip(tip);
}

QString ResultList::selectedAsReportText() const
{
    QStringList lines;
    for (int row = 0; row < rowCount(); ++row) {
        if (!selectionModel()->isRowSelected(row, QModelIndex()))
            continue;
        const QString text = reportText(row);
        if (!text.isEmpty())
            lines << text;
    }
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

void ResultList::focusRow(int row)
{
    if (row < 0 || row >= rowCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void ResultList::deleteFocusedRow()
{
    int i = focusedRow();
    if (i < 0)
        return;
    model_->removeRow(i);
    const int n = rowCount();
    // The last row gone: the new last row; the row before the last gone: the row before it;
    // any earlier row: the row that took its place.
    if (i >= n - 1)
        i = i - 1;
    if (n == 1)
        i = 0;
    focusRow(n == 0 ? -1 : i);
    setFocus();
}

void ResultList::setColumnWidths(const QList<int>& widths)
{
    fixedWidths_ = widths;
    fitColumns();
}

void ResultList::fitColumns()
{
    // The caption column and the fixed columns keep their widths unless a text needs more: a
    // result is never shown cut off.
    auto needed = [this](int column) {
        return std::max(sizeHintForColumn(column), header()->sectionSizeHint(column));
    };
    setColumnWidth(0, std::max(20, sizeHintForColumn(0)));
    for (int column = 1; column <= shownSubItems_; ++column) {
        const int fixed = fixedWidths_.value(column - 1);
        if (fixed > 0)
            setColumnWidth(column, std::max(fixed, needed(column)));
        else
            resizeColumnToContents(column);
    }
}

QString ResultList::asText() const
{
    QStringList lines;
    QStringList header{QString()};
    for (int column = 1; column <= shownSubItems_; ++column)
        header << model_->headerData(column, Qt::Horizontal).toString();
    lines << header.join(u'\t');
    for (int row = 0; row < rowCount(); ++row) {
        QStringList fields{caption(row)};
        for (int k = 0; k < shownSubItems_; ++k)
            fields << subItem(row, k);
        lines << fields.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

void ResultList::copyToClipboard() const { QApplication::clipboard()->setText(asText()); }

bool ResultList::event(QEvent* event)
{
    // Ctrl+C in a list copies the list, not the worksheet block the main menu would copy.
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QTreeView::event(event);
}

void ResultList::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copyToClipboard();
        return;
    }
    QTreeView::keyPressEvent(event);
}

} // namespace tallox
