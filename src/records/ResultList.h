#pragma once
// A result list: the history of one page's analyses while the program runs. Each row holds a
// caption (its running number) and a fixed number of texts copied from the result labels.
// Column 0 of the model is the caption, column k + 1 sub-item k.
#include <QStringList>
#include <QTreeView>

class QAction;
class QMenu;
class QStandardItemModel;

namespace tallox {

class ResultList : public QTreeView {
    Q_OBJECT
public:
    // headers: the captions of the shown sub-item columns; subItemCount: the sub-items of a
    // row (those beyond the headers are kept but not shown).
    ResultList(const QString& name, const QStringList& headers, int subItemCount,
               QWidget* parent = nullptr);

    int rowCount() const;
    int subItemCount() const { return subItemCount_; }
    QString caption(int row) const;
    QString subItem(int row, int index) const;
    // The focused row (the page's current result), or -1.
    int focusedRow() const;

    // Adds a row captioned with the number of rows after the addition, holding the texts
    // (missing ones empty), and makes it the focused and selected row.
    void appendRow(const QStringList& subItems);
    // Deletes the focused row and focuses the row that the user would expect next; with no
    // focused row nothing is deleted. The caller re-displays afterwards.
    void deleteFocusedRow();

    // The shown columns with their captions, then each row, as tab-separated lines.
    QString asText() const;
    void copyToClipboard() const;

    QMenu* contextMenu() const { return menu_; }
    QAction* deleteAction() const { return delete_; }
    // Fixed pixel widths for the first shown columns (0 keeps the automatic width).
    void setColumnWidths(const QList<int>& widths);

signals:
    // A row became the selected row (picked by the user or by an append).
    void rowSelected(int row);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void focusRow(int row);
    void fitColumns();

    QStandardItemModel* model_;
    int subItemCount_;
    int shownSubItems_;
    QList<int> fixedWidths_;
    QMenu* menu_;
    QAction* delete_;
};

} // namespace tallox
