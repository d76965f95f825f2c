// The plain-text reader: four dotted numbers per worksheet row in columns A to D.
#include "worksheet/formats/TextDataReader.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

using namespace tallox;

namespace {

// The cells as a map (row, col) -> value, empty cells absent.
std::map<std::pair<int, int>, double> cellsOf(const SheetLoadResult& result)
{
    std::map<std::pair<int, int>, double> cells;
    for (const SheetCell& cell : result.sheet.cells) {
        EXPECT_EQ(cell.kind, SheetCell::Kind::Number);
        cells[{cell.row, cell.col}] = cell.number;
    }
    return cells;
}

using Cells = std::map<std::pair<int, int>, double>;

TEST(TextDataReader, TwoLinesOfFourFillAToDOfTwoRows)
{
    const SheetLoadResult result = readTextData("1 2 3 4\r\n5\t6  7 8\r\n");
    ASSERT_TRUE(result.ok);
    EXPECT_FALSE(result.truncated);
    EXPECT_EQ(cellsOf(result), (Cells{{{1, 1}, 1}, {{1, 2}, 2}, {{1, 3}, 3}, {{1, 4}, 4},
                                      {{2, 1}, 5}, {{2, 2}, 6}, {{2, 3}, 7}, {{2, 4}, 8}}));
}

TEST(TextDataReader, ALineOfSixKeepsItsFirstFour)
{
    EXPECT_EQ(cellsOf(readTextData("1 2 3 4 5 6\n")),
              (Cells{{{1, 1}, 1}, {{1, 2}, 2}, {{1, 3}, 3}, {{1, 4}, 4}}));
}

TEST(TextDataReader, ThreeNumbersThenFourTakeTheFirstOfTheNextLineAndSkipItsRest)
{
    EXPECT_EQ(cellsOf(readTextData("1 2 3\n4 5 6 7\n")),
              (Cells{{{1, 1}, 1}, {{1, 2}, 2}, {{1, 3}, 3}, {{1, 4}, 4}}));
}

TEST(TextDataReader, MissingNumbersAtTheEndReadAsZero)
{
    // A short last line is completed with zeros; an empty last line gives a row of zeros.
    EXPECT_EQ(cellsOf(readTextData("1 2")), (Cells{{{1, 1}, 1}, {{1, 2}, 2}, {{1, 3}, 0}, {{1, 4}, 0}}));
    EXPECT_EQ(cellsOf(readTextData("1 2 3 4\r\n\r\n")),
              (Cells{{{1, 1}, 1}, {{1, 2}, 2}, {{1, 3}, 3}, {{1, 4}, 4},
                     {{2, 1}, 0}, {{2, 2}, 0}, {{2, 3}, 0}, {{2, 4}, 0}}));
    // Without that extra line there is no extra row, with or without a final line end.
    EXPECT_EQ(readTextData("1 2 3 4").sheet.cells.size(), 4u);
    EXPECT_EQ(readTextData("1 2 3 4\n").sheet.cells.size(), 4u);
    EXPECT_EQ(readTextData("").error, noDataReason());
}

TEST(TextDataReader, RunsThatAreNoNumberLeaveTheirCellEmptyAndReadingGoesOn)
{
    const SheetLoadResult result = readTextData("1 abc 3,5 4\n-2.5e-3 +7 .5 1E3\n");
    EXPECT_EQ(result.notNumbers, 2);
    EXPECT_EQ(cellsOf(result), (Cells{{{1, 1}, 1}, {{1, 4}, 4},
                                      {{2, 1}, -2.5e-3}, {{2, 2}, 7}, {{2, 3}, 0.5}, {{2, 4}, 1000}}));
}

TEST(TextDataReader, ARunLongerThan64CharactersGoesOnAsTheNextNumber)
{
    const std::string digits64(64, '1');
    const SheetLoadResult result = readTextData(QByteArray::fromStdString(digits64 + "22 3 4\n"));
    const Cells cells = cellsOf(result);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells.at({1, 1}), std::stod(digits64));
    EXPECT_EQ(cells.at({1, 2}), 22);
    EXPECT_EQ(cells.at({1, 4}), 4);
}

TEST(TextDataReader, StopsAfterRow200AndReportsWhatWasLeft)
{
    QByteArray lines;
    for (int row = 1; row <= 250; ++row)
        lines += QByteArray::number(row) + " 0 0 0\r\n";
    const SheetLoadResult cut = readTextData(lines);
    EXPECT_TRUE(cut.ok);
    EXPECT_TRUE(cut.truncated);
    EXPECT_EQ(cut.sheet.cells.size(), 800u);
    EXPECT_EQ(cellsOf(cut).at({200, 1}), 200);

    QByteArray exact;
    for (int row = 1; row <= 200; ++row)
        exact += "1 2 3 4\r\n";
    exact += "  \r\n";  // blanks after the last row are no data
    EXPECT_FALSE(readTextData(exact).truncated);
}

TEST(TextDataReader, SkipsAByteOrderMarkAndRefusesBinaryInput)
{
    EXPECT_EQ(cellsOf(readTextData("\xEF\xBB\xBF" "5 6 7 8")).at({1, 1}), 5);

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 7919) & 0xFF));
    const SheetLoadResult result = readTextData(binary);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, binaryFileReason());
    EXPECT_TRUE(result.sheet.cells.empty());
}

TEST(TextDataReader, DottedNumberShape)
{
    double v = 0;
    for (const char* good : {"0", "-0", "5.", "-.5", "+1e+2", "1E-2", "1e-400"})
        EXPECT_TRUE(readDottedNumber(good, v)) << good;
    EXPECT_TRUE(readDottedNumber("1e-400", v));
    EXPECT_EQ(v, 0.0);  // too small for a double is zero
    for (const char* bad : {"", "-", ".", "e5", "1e", "1e+", "1,5", "inf", "nan", "0x10", "1.2.3", "--1", "1e999"})
        EXPECT_FALSE(readDottedNumber(bad, v)) << bad;
}

} // namespace
