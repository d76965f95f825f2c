// The worksheet grid: what typing, selecting and the clipboard do to the cells.
#include "support/fixture.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <QApplication>
#include <QClipboard>
#include <QTableView>
#include <cmath>

namespace {

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldLocale_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        Kolorowanie_Kolumn(sheet);
    }
    void TearDown() override { QLocale::setDefault(oldLocale_); }
    void select(int r1, int c1, int r2, int c2)
    {
        sheet.setSelStartRow(r1);
        sheet.setSelStartCol(c1);
        sheet.setSelEndRow(r2);
        sheet.setSelEndCol(c2);
    }
    TF1Book sheet;
    QLocale oldLocale_;
};

TEST_F(SheetTest, TypedTextBecomesANumberOnlyWhenTheLocaleReadsAllOfIt)
{
    sheet.enterText(1, 1, QStringLiteral("12,5"));
    sheet.enterText(2, 1, QStringLiteral(" -0,25 "));
    sheet.enterText(3, 1, QStringLiteral("1,5e3"));
    sheet.enterText(4, 1, QStringLiteral("12.5"));  // a dot under Polish settings: a text
    sheet.enterText(5, 1, QStringLiteral("12,5 cm"));
    sheet.enterText(6, 1, QStringLiteral("inf"));
    sheet.enterText(7, 1, QStringLiteral("1 234,5"));  // digit grouping is not a number
    EXPECT_EQ(sheet.CellType(1, 1), TF1Book::NumberCell);
    EXPECT_EQ(sheet.CellNumber(1, 1), 12.5);
    EXPECT_EQ(sheet.CellNumber(2, 1), -0.25);
    EXPECT_EQ(sheet.CellNumber(3, 1), 1500.0);
    for (int row = 4; row <= 7; ++row) {
        EXPECT_EQ(sheet.CellType(row, 1), TF1Book::TextCell) << row;
        EXPECT_EQ(sheet.CellNumber(row, 1), 0.0) << row;
    }
    EXPECT_EQ(sheet.CellText(4, 1), QStringLiteral("12.5"));

    sheet.enterText(1, 1, QString());
    EXPECT_EQ(sheet.CellType(1, 1), TF1Book::Empty);
    EXPECT_EQ(sheet.CellText(1, 1), QString());
}

TEST_F(SheetTest, UnderEnglishSettingsTheDotIsTheSeparatorAndACommaIsNoNumber)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    sheet.enterText(1, 1, QStringLiteral("12.5"));
    sheet.enterText(2, 1, QStringLiteral("1,5"));  // not fifteen
    EXPECT_EQ(sheet.CellNumber(1, 1), 12.5);
    EXPECT_EQ(sheet.CellType(2, 1), TF1Book::TextCell);
    EXPECT_EQ(sheet.CellText(1, 1), QStringLiteral("12.5"));
}

TEST_F(SheetTest, NumbersShowInTheLocaleWithFifteenSignificantDigits)
{
    sheet.setCellNumber(1, 1, 1.0 / 3.0);
    sheet.setCellNumber(2, 1, 1234567.25);
    sheet.setCellNumber(3, 1, 100.0);
    EXPECT_EQ(sheet.CellText(1, 1), QStringLiteral("0,333333333333333"));
    EXPECT_EQ(sheet.CellText(2, 1), QStringLiteral("1234567,25"));
    EXPECT_EQ(sheet.CellText(3, 1), QStringLiteral("100"));
    // The value itself keeps every bit.
    EXPECT_EQ(sheet.CellNumber(1, 1), 1.0 / 3.0);
}

TEST_F(SheetTest, EditingACellWithoutChangingItKeepsItsFullValue)
{
    sheet.setCellNumber(1, 1, 0.1 + 0.2);  // more digits than are shown
    QAbstractItemModel* model = sheet.view()->model();
    const QModelIndex index = model->index(0, 0);
    model->setData(index, model->data(index, Qt::EditRole), Qt::EditRole);
    EXPECT_EQ(sheet.CellNumber(1, 1), 0.1 + 0.2);
}

TEST_F(SheetTest, CellsOutsideTheSheetAreNeverSeen)
{
    sheet.setCellNumber(201, 1, 5.0);
    sheet.setCellText(1, 27, QStringLiteral("x"));
    EXPECT_EQ(sheet.CellType(201, 1), TF1Book::Empty);
    EXPECT_EQ(sheet.CellNumber(201, 1), 0.0);
    EXPECT_EQ(sheet.CellText(1, 27), QString());
    EXPECT_EQ(sheet.view()->model()->rowCount(), 200);
    EXPECT_EQ(sheet.view()->model()->columnCount(), 26);
}

TEST_F(SheetTest, ActiveCellGivesItsNumber)
{
    sheet.setCellNumber(3, 2, 7.5);
    sheet.setCellText(4, 2, QStringLiteral("tekst"));
    sheet.SetActiveCell(3, 2);
    EXPECT_EQ(sheet.Number(), 7.5);
    EXPECT_EQ(sheet.view()->currentIndex().row(), 2);
    sheet.SetActiveCell(4, 2);
    EXPECT_EQ(sheet.Number(), 0.0);
}

TEST_F(SheetTest, ClearRangeEmptiesTheBlockOnly)
{
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            sheet.setCellNumber(r, c, r * 10 + c);
    sheet.ClearRange(2, 2, 3, 3, TF1Book::ClearKind::All);
    EXPECT_EQ(sheet.CellType(2, 2), TF1Book::Empty);
    EXPECT_EQ(sheet.CellType(3, 3), TF1Book::Empty);
    EXPECT_EQ(sheet.CellNumber(2, 1), 21.0);
    EXPECT_EQ(sheet.CellNumber(1, 3), 13.0);
}

TEST_F(SheetTest, ClipboardRoundTripOfABlockWithNumbersAndPolishText)
{
    sheet.setCellNumber(1, 1, 0.1 + 0.2);
    sheet.setCellText(1, 2, QStringLiteral("Zażółć gęślą jaźń"));
    sheet.setCellNumber(2, 1, -1e-300);
    sheet.setCellText(2, 2, QStringLiteral("linia 1\nlinia 2\tz tabulatorem i \"cudzysłowem\""));
    sheet.setCellText(3, 1, QStringLiteral("12,5"));  // a text that looks like a number
    select(1, 1, 3, 2);
    sheet.CopySelection();

    select(10, 4, 10, 4);
    sheet.PasteClipboard();
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 2; ++c) {
            EXPECT_EQ(sheet.CellType(r + 9, c + 3), sheet.CellType(r, c)) << r << "," << c;
            EXPECT_EQ(sheet.CellText(r + 9, c + 3), sheet.CellText(r, c)) << r << "," << c;
            EXPECT_EQ(sheet.CellNumber(r + 9, c + 3), sheet.CellNumber(r, c)) << r << "," << c;
        }
    // The pasted block is selected.
    EXPECT_EQ(sheet.SelStartRow(), 10);
    EXPECT_EQ(sheet.SelEndRow(), 12);
    EXPECT_EQ(sheet.SelEndCol(), 5);
}

TEST_F(SheetTest, PastesWhatASpreadsheetProgramCopies)
{
    // Rows end in CR LF, the last one too; an empty field leaves its cell empty.
    QApplication::clipboard()->setText(QStringLiteral("1,5\t2,5\r\n\tPomiar\r\n3\t\"4\"\r\n"));
    sheet.setCellNumber(2, 1, 99.0);
    select(1, 1, 1, 1);
    sheet.PasteClipboard();
    EXPECT_EQ(sheet.CellNumber(1, 1), 1.5);
    EXPECT_EQ(sheet.CellNumber(1, 2), 2.5);
    EXPECT_EQ(sheet.CellType(2, 1), TF1Book::Empty);
    EXPECT_EQ(sheet.CellText(2, 2), QStringLiteral("Pomiar"));
    EXPECT_EQ(sheet.CellNumber(3, 1), 3.0);
    EXPECT_EQ(sheet.CellType(3, 2), TF1Book::TextCell);  // quoted: kept as text
    EXPECT_EQ(sheet.CellType(4, 1), TF1Book::Empty);
}

TEST_F(SheetTest, PasteIsClippedAtTheSheetsEdges)
{
    QApplication::clipboard()->setText(QStringLiteral("1\t2\t3\n4\t5\t6\n"));
    select(200, 25, 200, 25);
    sheet.PasteClipboard();
    EXPECT_EQ(sheet.CellNumber(200, 25), 1.0);
    EXPECT_EQ(sheet.CellNumber(200, 26), 2.0);
    EXPECT_EQ(sheet.CellType(201, 25), TF1Book::Empty);
}

TEST_F(SheetTest, CutCopiesThenEmptiesTheBlock)
{
    sheet.setCellNumber(1, 1, 1.25);
    sheet.setCellText(1, 2, QStringLiteral("ą"));
    select(1, 1, 1, 2);
    sheet.CutSelection();
    EXPECT_EQ(sheet.CellType(1, 1), TF1Book::Empty);
    EXPECT_EQ(sheet.CellType(1, 2), TF1Book::Empty);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1,25\tą\n"));
}

TEST_F(SheetTest, UserSelectionInTheGridIsTheSelectionTheProgramReads)
{
    QTableView* view = sheet.view();
    const QItemSelection block(view->model()->index(4, 1), view->model()->index(9, 3));
    view->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(sheet.SelStartRow(), 5);
    EXPECT_EQ(sheet.SelStartCol(), 2);
    EXPECT_EQ(sheet.SelEndRow(), 10);
    EXPECT_EQ(sheet.SelEndCol(), 4);
}

TEST_F(SheetTest, ANumberThatIsNotFiniteIsStoredAsTheTextNumError)
{
    const double values[] = {INFINITY, -INFINITY, NAN};
    for (int row = 1; row <= 3; ++row) {
        sheet.setCellNumber(row, 1, values[row - 1]);
        EXPECT_EQ(sheet.CellType(row, 1), TF1Book::TextCell);
        EXPECT_EQ(sheet.CellText(row, 1), QStringLiteral("#NUM!"));
        EXPECT_EQ(sheet.CellNumber(row, 1), 0.0);
    }
    sheet.setCellNumber(4, 1, 2.5);
    EXPECT_EQ(sheet.CellType(4, 1), TF1Book::NumberCell);
}

} // namespace
