#pragma once
// A result list: the history of one page's analyses while the program runs. Each row holds a
// caption (its running number), a fixed number of texts as the result labels showed them, and
// the analysis's result itself, from which the page shows a picked row again.
// Column 0 of the model is the caption, column k + 1 sub-item k.
//
// The result rides in the row's caption item as a QVariant: it stays with its row whatever
// rows are deleted, and the list needs to know nothing of the analyses' result types.
#include <QStringList>
#include <QTreeView>
#include <QVariant>
#include <functional>
#include <optional>

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

    // The result a row was added with; invalid when it was added without one.
    QVariant result(int row) const;
    // That result as a T; nothing when the row holds no T.
    template <class T>
    std::optional<T> resultAs(int row) const
    {
        const QVariant value = result(row);
        if (value.metaType() != QMetaType::fromType<T>())
            return std::nullopt;
        return value.value<T>();
    }

    // Adds a row captioned with the number of rows after the addition, holding the texts
    // (missing ones empty) and the result they were made from, and makes it the focused and
    // selected row.
    void appendRow(const QStringList& subItems, const QVariant& result = {});
    // Deletes the focused row and focuses the row that the user would expect next; with no
    // focused row nothing is deleted. The caller re-displays afterwards.
    void deleteFocusedRow();

    // How a row's result reads in a lab report ("a = 13.60 ± 0.92; ..."); the list knows no
    // result kinds, so its owner tells it. Shown as each row's tool tip and copied by the
    // context menu's "Kopiuj jako wynik z niepewnością".
    using ReportText = std::function<QString(const QVariant& result)>;
    void setReportText(ReportText reportText);
    // The row's result in report notation; empty without a way to write it.
    QString reportText(int row) const;
    // The selected rows' report texts, one a line.
    QString selectedAsReportText() const;
    QAction* copyReportAction() const { return copyReport_; }

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
    void setRowToolTip(int row);
    void fitColumns();

    QStandardItemModel* model_;
    int subItemCount_;
    int shownSubItems_;
    QList<int> fixedWidths_;
    QMenu* menu_;
    QAction* delete_;
    QAction* copyReport_;
    ReportText reportText_;
};

} // namespace tallox
