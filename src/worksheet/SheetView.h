#pragma once
// The table model and view behind TF1Book. Internal to the worksheet.
#include <QAbstractTableModel>
#include <QTableView>

class TF1Book;

namespace tallox {

class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetModel(TF1Book& book);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The sheet's shape or everything in it changed.
    void reset();
    void cellsChanged(int row1, int col1, int row2, int col2);
    void headingsChanged(int col1, int col2);

private:
    TF1Book& book_;
};

// Spreadsheet keys on top of the table view: Enter moves down, Delete empties the block,
// the clipboard keys copy, cut and paste the block.
class SheetView : public QTableView {
    Q_OBJECT
public:
    SheetView(TF1Book& book, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void moveCurrent(int rowStep, int colStep);
    TF1Book& book_;
};

} // namespace tallox
