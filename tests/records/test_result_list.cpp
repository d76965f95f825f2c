// A result list on its own: appending, picking, deleting, copying.
#include "records/ResultList.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using tallox::ResultList;

class ResultListTest : public ::testing::Test {
protected:
    ResultList list{QStringLiteral("Lista"), {QStringLiteral("Kolumna"), QStringLiteral("Wynik")}, 3};
    void fill(int rows)
    {
        for (int i = 1; i <= rows; ++i)
            list.appendRow({QStringLiteral("%1 (A)").arg(i), QStringLiteral("%1.0").arg(i), "x"});
    }
    void focus(int row) { list.setCurrentIndex(list.model()->index(row, 0)); }
    QString focusedCaption() { return list.caption(list.focusedRow()); }
};

TEST_F(ResultListTest, AppendedRowIsFocusedSelectedAndAnnounced)
{
    QSignalSpy picked(&list, &ResultList::rowSelected);
    fill(2);
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.caption(1), QStringLiteral("2"));
    EXPECT_EQ(list.subItem(1, 1), QStringLiteral("2.0"));
    EXPECT_EQ(list.subItem(1, 2), QStringLiteral("x"));  // kept, though it has no column
    EXPECT_TRUE(list.isColumnHidden(3));
    EXPECT_EQ(list.focusedRow(), 1);
    ASSERT_EQ(picked.count(), 2);
    EXPECT_EQ(picked.last().at(0).toInt(), 1);
    EXPECT_EQ(list.columnWidth(0), 20);
}

TEST_F(ResultListTest, DeletingFocusesTheRowAUserExpects)
{
    fill(4);
    focus(2);  // row 3
    list.deleteFocusedRow();
    EXPECT_EQ(focusedCaption(), QStringLiteral("2"));

    while (list.rowCount() > 0)
        list.deleteFocusedRow();
    fill(4);
    focus(1);  // row 2: the row that takes its place
    list.deleteFocusedRow();
    EXPECT_EQ(focusedCaption(), QStringLiteral("3"));

    focus(2);  // the last row
    list.deleteFocusedRow();
    EXPECT_EQ(focusedCaption(), QStringLiteral("3"));
}

TEST_F(ResultListTest, DeletingTheLastRowLeavesNoFocusAndNothingToDelete)
{
    fill(1);
    list.deleteFocusedRow();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.focusedRow(), -1);
    list.deleteFocusedRow();  // nothing to delete: no harm
    EXPECT_EQ(list.rowCount(), 0);
}

TEST_F(ResultListTest, EachRowKeepsItsResultThroughDeletions)
{
    for (int i = 1; i <= 3; ++i)
        list.appendRow({QStringLiteral("%1 (A)").arg(i)}, QVariant::fromValue(i * 10));
    list.appendRow({QStringLiteral("bez wyniku")});
    focus(1);
    list.deleteFocusedRow();
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.resultAs<int>(0), 10);
    EXPECT_EQ(list.resultAs<int>(1), 30);  // the row after the deleted one, with its own result
    EXPECT_EQ(list.resultAs<QString>(1), std::nullopt);  // another type is no result
    EXPECT_FALSE(list.result(2).isValid());
    EXPECT_EQ(list.resultAs<int>(2), std::nullopt);
    EXPECT_EQ(list.resultAs<int>(7), std::nullopt);  // no such row
}

TEST_F(ResultListTest, ContextMenuOffersDeleteOnlyWhenThereAreRows)
{
    emit list.contextMenu()->aboutToShow();
    EXPECT_FALSE(list.deleteAction()->isVisible());
    fill(1);
    emit list.contextMenu()->aboutToShow();
    EXPECT_TRUE(list.deleteAction()->isVisible());
    EXPECT_EQ(list.deleteAction()->text(), QStringLiteral("Usuń wybrane analizy"));
}

TEST_F(ResultListTest, CtrlCCopiesHeaderAndRowsAsTabSeparatedText)
{
    fill(2);
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(&list, &override);
    EXPECT_TRUE(override.isAccepted());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(&list, &press);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("\tKolumna\tWynik\n1\t1 (A)\t1.0\n2\t2 (A)\t2.0\n"));
}

} // namespace

namespace {

// The report text of each selected row, as its tool tip and as "Kopiuj jako wynik z
// niepewnością" copies it; a list not told how to write its results offers no copy.
TEST_F(ResultListTest, ReportTextsAreToolTipsAndCopiedForTheSelectedRows)
{
    fill(3);
    EXPECT_EQ(list.copyReportAction()->text(), QStringLiteral("Kopiuj jako wynik z niepewnością"));
    EXPECT_TRUE(list.reportText(0).isEmpty());
    emit list.contextMenu()->aboutToShow();
    EXPECT_FALSE(list.copyReportAction()->isVisible());

    list.setReportText([](const QVariant&) { return QString(); });
    // The text comes from the row's value, not from the shown texts.
    ResultList typed{QStringLiteral("Typed"), {QStringLiteral("Wynik")}, 1};
    typed.setReportText([](const QVariant& v) { return QStringLiteral("x = %1 ± 0.1").arg(v.toInt()); });
    typed.appendRow({QStringLiteral("shown 1")}, 7);
    typed.appendRow({QStringLiteral("shown 2")}, 8);
    EXPECT_EQ(typed.model()->index(0, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("x = 7 ± 0.1"));
    EXPECT_EQ(typed.model()->index(1, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("x = 8 ± 0.1"));
    emit typed.contextMenu()->aboutToShow();
    EXPECT_TRUE(typed.copyReportAction()->isVisible());
    QApplication::clipboard()->clear();
    typed.copyReportAction()->trigger();  // the last appended row is the selected one
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("x = 8 ± 0.1\n"));
    typed.setCurrentIndex(typed.model()->index(0, 0));
    typed.copyReportAction()->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("x = 7 ± 0.1\n"));
}

} // namespace
