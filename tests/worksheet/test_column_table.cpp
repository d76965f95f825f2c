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

// "caption|text" of each notice, in order.
std::vector<QString> texts(const ColumnCount& scan)
{
    std::vector<QString> out;
    for (const tallox::Message& m : scan.notices)
        out.push_back(m.caption + u'|' + m.text);
    return out;
}

TEST_F(ColumnTableTest, CountsNumberCellsAndReturnsItsNoticesWithoutShowingThem)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int, QString>> cells;  // row and text; a number when it reads as one
        int count;
        int lastRow;
        std::vector<QString> notices;
    };
    const std::vector<Case> cases = {
        {"gaps between values", {{1, "1"}, {3, "2"}, {7, "0"}}, 3, 7, {}},
        {"an empty column", {}, 0, 0, {}},
        {"a dotted decimal typed as text", {{1, "1"}, {2, "t:2.5"}, {3, "3"}}, 2, 3, {kNotANumber, kDot}},
        {"a text of letters", {{1, "1"}, {2, "t:brak"}, {3, "3"}}, 2, 3, {kNotANumber}},
        {"row 201 is not seen", {{200, "4"}, {201, "5"}}, 1, 200, {}},
    };
    const int column = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TF1Book book;
        Kolorowanie_Kolumn(book);
        for (const auto& [row, text] : c.cells) {
            if (text.startsWith("t:"))
                book.setCellText(row, column, text.mid(2));
            else
                book.setCellNumber(row, column, text.toDouble());
        }
        table[column].NumericCount = 9;  // a count left from an earlier scan
        table[column].LastNumericRow = 9;
        book.SetActiveCell(5, 2);
        const ColumnCount scan = table.GetLiczbaDanych(book, column);
        EXPECT_EQ(scan.count, c.count);
        EXPECT_EQ(table[column].NumericCount, c.count);
        EXPECT_EQ(table[column].LastNumericRow, c.lastRow);
        EXPECT_EQ(texts(scan), c.notices);
        // Counting shows nothing and leaves the user's active cell where it was.
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(book.ActiveRow(), 5);
        EXPECT_EQ(book.ActiveCol(), 2);
    }
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
