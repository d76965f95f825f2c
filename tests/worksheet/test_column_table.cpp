// The column count and the sheet layout.
#include "support/fixture.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <QTableView>

namespace {

const QString kNotANumber = QStringLiteral(
    "Ostrzeżenie|Uwaga któraś dana z kolumny nie jest liczbą ! Wyznaczony wynik może być "
    "nieprawidłowy !");
const QString kDot = QStringLiteral(
    "Informacja|Prawdopodobnie jedna danych z analizowanej kolumy zamiast przecinka posiada "
    "kropkę !");

class ColumnTableTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Kolorowanie_Kolumn(sheet);
    }
    TF1Book sheet;
    ColumnTable table;
};

TEST_F(ColumnTableTest, CountsNumbersWithGapsAndFindsTheLastRow)
{
    sheet.setCellNumber(1, 3, 1.0);
    sheet.setCellNumber(3, 3, 2.0);
    sheet.setCellNumber(7, 3, 0.0);
    EXPECT_EQ(table.GetLiczbaDanych(sheet, 3), 3);
    EXPECT_EQ(table[3].NumericCount, 3);
    EXPECT_EQ(table[3].LastNumericRow, 7);
    EXPECT_TRUE(messages.empty());
    // The scan leaves the active cell at the bottom of the column.
    EXPECT_EQ(sheet.ActiveRow(), 200);
    EXPECT_EQ(sheet.ActiveCol(), 3);
}

TEST_F(ColumnTableTest, EmptyColumnCountsZeroWithoutABox)
{
    table[5].NumericCount = 9;
    table[5].LastNumericRow = 9;
    EXPECT_EQ(table.GetLiczbaDanych(sheet, 5), 0);
    EXPECT_EQ(table[5].NumericCount, 0);
    EXPECT_EQ(table[5].LastNumericRow, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ColumnTableTest, TextCellsWarnAfterTheScanAndADotSaysWhy)
{
    sheet.setCellNumber(1, 1, 1.0);
    sheet.setCellText(2, 1, QStringLiteral("2.5"));
    sheet.setCellNumber(3, 1, 3.0);
    EXPECT_EQ(table.GetLiczbaDanych(sheet, 1), 2);
    EXPECT_EQ(boxes(), (std::vector<QString>{kNotANumber, kDot}));
    EXPECT_EQ(table[1].LastNumericRow, 3);

    messages.clear();
    sheet.setCellText(2, 1, QStringLiteral("brak"));
    table.GetLiczbaDanych(sheet, 1);
    EXPECT_EQ(boxes(), (std::vector<QString>{kNotANumber}));
}

TEST_F(ColumnTableTest, AValueBelowRow200IsNotSeen)
{
    sheet.setCellNumber(200, 2, 4.0);
    sheet.setCellNumber(201, 2, 5.0);
    EXPECT_EQ(table.GetLiczbaDanych(sheet, 2), 1);
    EXPECT_EQ(table[2].LastNumericRow, 200);
}

TEST_F(ColumnTableTest, RecordsAreNumberedOneToTwentySix)
{
    table[26].Mean = 2.5L;
    EXPECT_EQ(table[26].Mean, 2.5L);
    EXPECT_THROW(table[0], std::out_of_range);
    EXPECT_THROW(table[27], std::out_of_range);
}

TEST_F(ColumnTableTest, LayoutShapesTheSheetAndKeepsItsValues)
{
    sheet.setCellNumber(5, 24, 1.5);
    sheet.setCellText(6, 1, QStringLiteral("pomiar"));
    sheet.setSelStartRow(3);
    sheet.setSelEndRow(9);
    Kolorowanie_Kolumn(sheet);

    EXPECT_EQ(sheet.MaxRow(), 200);
    EXPECT_EQ(sheet.MaxCol(), 26);
    EXPECT_EQ(sheet.ColumnHeading(1), QStringLiteral("A"));
    EXPECT_EQ(sheet.ColumnHeading(22), QStringLiteral("V"));
    EXPECT_EQ(sheet.ColumnHeading(23), QStringLiteral("Trans X"));
    EXPECT_EQ(sheet.ColumnHeading(24), QStringLiteral("Trans Y"));
    EXPECT_EQ(sheet.ColumnHeading(25), QStringLiteral("Trans niep X"));
    EXPECT_EQ(sheet.ColumnHeading(26), QStringLiteral("Trans niep Y"));
    for (int col = 23; col <= 26; ++col)
        EXPECT_EQ(sheet.ColumnWidth(col), 4000);
    EXPECT_GT(sheet.view()->columnWidth(22), 3 * sheet.view()->columnWidth(0) / 2);
    EXPECT_EQ(sheet.CellFill(1, 23), 0x8888FF);
    EXPECT_EQ(sheet.CellFill(200, 24), 0x8888FF);
    EXPECT_EQ(sheet.CellFill(1, 25), 0xFBBE59);
    EXPECT_EQ(sheet.CellFill(200, 26), 0xFBBE59);
    EXPECT_EQ(sheet.CellFill(1, 22), -1);

    EXPECT_EQ(sheet.CellNumber(5, 24), 1.5);
    EXPECT_EQ(sheet.CellText(6, 1), QStringLiteral("pomiar"));
    EXPECT_EQ(sheet.SelStartRow(), 1);
    EXPECT_EQ(sheet.SelStartCol(), 1);
    EXPECT_EQ(sheet.SelEndRow(), 1);
    EXPECT_EQ(sheet.SelEndCol(), 1);
    EXPECT_EQ(sheet.ShowHScrollBar(), 1);
}

} // namespace
