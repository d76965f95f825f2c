// Tab-separated text in the worksheet's locale: what other programs write and read.
#include "common/TextDecoding.h"
#include "worksheet/formats/TsvFormat.h"

#include <QStringDecoder>
#include <cmath>
#include <gtest/gtest.h>

using namespace tallox;

namespace {

const QLocale polish(QLocale::Polish, QLocale::Poland);
const QLocale english(QLocale::English, QLocale::UnitedStates);

const SheetCell* cellAt(const SheetLoadResult& result, int row, int col)
{
    for (const SheetCell& cell : result.sheet.cells)
        if (cell.row == row && cell.col == col)
            return &cell;
    return nullptr;
}

void expectNumber(const SheetLoadResult& result, int row, int col, double value)
{
    const SheetCell* cell = cellAt(result, row, col);
    ASSERT_NE(cell, nullptr) << "(" << row << ", " << col << ") is empty";
    ASSERT_EQ(cell->kind, SheetCell::Kind::Number) << cell->text.toStdString();
    EXPECT_EQ(cell->number, value);
}

void expectText(const SheetLoadResult& result, int row, int col, const QString& text)
{
    const SheetCell* cell = cellAt(result, row, col);
    ASSERT_NE(cell, nullptr) << "(" << row << ", " << col << ") is empty";
    ASSERT_EQ(cell->kind, SheetCell::Kind::Text) << cell->number;
    EXPECT_EQ(cell->text, text);
}

TEST(TsvFormat, WritesTheLocalesDecimalSeparatorCrLfAndQuotesAmbiguousTexts)
{
    SheetCells sheet;
    sheet.cells.push_back({1, 1, SheetCell::Kind::Text, 0.0, QStringLiteral("t [s]")});
    sheet.cells.push_back({1, 3, SheetCell::Kind::Number, -1234.5, {}});
    sheet.cells.push_back({3, 2, SheetCell::Kind::Text, 0.0, QStringLiteral("2,5")});
    sheet.cells.push_back({3, 1, SheetCell::Kind::Text, 0.0, QStringLiteral("cal \"5\"")});
    EXPECT_EQ(writeTsv(sheet, polish), QByteArray("t [s]\t\t-1234,5\r\n\r\n\"cal \"\"5\"\"\"\t\"2,5\"\r\n"));
    // Under English settings "2,5" is no number, so it needs no quotes; the number gets a dot.
    EXPECT_EQ(writeTsv(sheet, english), QByteArray("t [s]\t\t-1234.5\r\n\r\n\"cal \"\"5\"\"\"\t2,5\r\n"));
    EXPECT_TRUE(writeTsv(SheetCells{}, polish).isEmpty());
}

TEST(TsvFormat, ReadsNumbersInTheLocaleAndDottedNumbersUnderPolishSettingsAsTexts)
{
    const QByteArray bytes = "1,5\t1.5\t-2e3\t1 000\t 7 \r\n";
    const SheetLoadResult pl = readTsv(bytes, polish);
    ASSERT_TRUE(pl.ok);
    expectNumber(pl, 1, 1, 1.5);
    expectText(pl, 1, 2, QStringLiteral("1.5"));  // the window then warns about dots
    expectNumber(pl, 1, 3, -2000.0);
    expectText(pl, 1, 4, QStringLiteral("1 000"));  // digit groups are not read as one number
    expectNumber(pl, 1, 5, 7.0);

    const SheetLoadResult en = readTsv(bytes, english);
    expectText(en, 1, 1, QStringLiteral("1,5"));
    expectNumber(en, 1, 2, 1.5);
}

TEST(TsvFormat, LocalesWithTheirOwnDigitsRoundTripToo)
{
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    SheetCells sheet;
    const double values[] = {0.1, -2.5e-300, 12345.678, -0.0};
    for (int i = 0; i < 4; ++i)
        sheet.cells.push_back({1, i + 1, SheetCell::Kind::Number, values[i], {}});
    const SheetLoadResult back = readTsv(writeTsv(sheet, arabic), arabic);
    ASSERT_TRUE(back.ok);
    ASSERT_EQ(back.sheet.cells.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        expectNumber(back, 1, i + 1, values[i]);
        EXPECT_EQ(std::signbit(back.sheet.cells[i].number), std::signbit(values[i]));
    }
}

TEST(TsvFormat, AQuotedFieldIsAlwaysTextAndMayHoldTabsAndLineBreaks)
{
    const QByteArray bytes = "\"12\"\t\"a\tb\r\nc\"\t\"x \"\"y\"\"\"\t\"\"\t\"ab\"cd\n"
                             "\"no closing quote\tnext\n";
    const SheetLoadResult result = readTsv(bytes, english);
    ASSERT_TRUE(result.ok);
    expectText(result, 1, 1, QStringLiteral("12"));
    expectText(result, 1, 2, QStringLiteral("a\tb\r\nc"));
    expectText(result, 1, 3, QStringLiteral("x \"y\""));
    EXPECT_EQ(cellAt(result, 1, 4), nullptr);  // "" is an empty cell
    expectText(result, 1, 5, QStringLiteral("abcd"));
    // An opening quote that never closes is an ordinary character and does not swallow the file.
    expectText(result, 2, 1, QStringLiteral("\"no closing quote"));
    expectText(result, 2, 2, QStringLiteral("next"));
}

TEST(TsvFormat, AcceptsLfCrLfAndLoneCrLineEndsAndEmptyLinesAsEmptyRows)
{
    const SheetLoadResult result = readTsv("1\n2\r\n\r\n4\r5\r\n", english);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.sheet.cells.size(), 4u);
    expectNumber(result, 1, 1, 1);
    expectNumber(result, 2, 1, 2);
    EXPECT_EQ(cellAt(result, 3, 1), nullptr);
    expectNumber(result, 4, 1, 4);
    expectNumber(result, 5, 1, 5);
}

TEST(TsvFormat, ReadsWindows1250Utf8WithBomAndUtf16)
{
    // "Prędkość" and "Łódź" as an older Windows copy saves them.
    const SheetLoadResult cp1250 = readTsv("Pr\xEA" "dko\x9C\xE6\t\xA3\xF3" "d\x9F\r\n", polish);
    ASSERT_TRUE(cp1250.ok);
    expectText(cp1250, 1, 1, QStringLiteral("Prędkość"));
    expectText(cp1250, 1, 2, QStringLiteral("Łódź"));

    const SheetLoadResult bom = readTsv("\xEF\xBB\xBF" "3,5\tza\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\r\n", polish);
    expectNumber(bom, 1, 1, 3.5);  // the mark does not spoil the first number
    expectText(bom, 1, 2, QStringLiteral("zażółć"));

    QByteArray utf16("\xFF\xFE", 2);
    for (char16_t c : u"2,25\tż")
        if (c)
            utf16.append(char(c & 0xFF)).append(char(c >> 8));
    const SheetLoadResult wide = readTsv(utf16, polish);
    ASSERT_TRUE(wide.ok);
    expectNumber(wide, 1, 1, 2.25);
    expectText(wide, 1, 2, QStringLiteral("ż"));

    // Half a surrogate pair is no character; it must not turn into "?" on the next save.
    const SheetLoadResult broken = readTsv(QByteArray("\xFE\xFF\xDB\xBF\x00\x41", 6), polish);
    expectText(broken, 1, 1, QStringLiteral("\uFFFDA"));
    expectText(readTsv(writeTsv(broken.sheet, polish), polish), 1, 1, QStringLiteral("\uFFFDA"));
}

TEST(TsvFormat, Windows1250TableAgreesWithTheSystemConverter)
{
    QStringDecoder system("windows-1250");
    if (!system.isValid())
        GTEST_SKIP() << "no Windows-1250 converter in this Qt";
    QByteArray high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high.append(char(b));
    EXPECT_EQ(decodeWindows1250(high), system(high));
}

TEST(TsvFormat, BinaryFilesAndFilesWithoutDataAreRefused)
{
    const SheetLoadResult binary = readTsv(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), polish);
    EXPECT_FALSE(binary.ok);
    EXPECT_EQ(binary.error, binaryFileReason());

    for (const QByteArray& blank : {QByteArray(), QByteArray(" \t\r\n\r\n")}) {
        const SheetLoadResult empty = readTsv(blank, polish);
        EXPECT_FALSE(empty.ok);
        EXPECT_EQ(empty.error, noDataReason());
        EXPECT_TRUE(empty.sheet.cells.empty());
    }
}

TEST(TsvFormat, RowsAndColumnsBeyondTheSheetAreLeftOutAndReported)
{
    QByteArray bytes;
    for (int row = 1; row <= 300; ++row)
        bytes += QByteArray::number(row) + "\r\n";
    const SheetLoadResult tall = readTsv(bytes, english);
    ASSERT_TRUE(tall.ok);
    EXPECT_TRUE(tall.truncated);
    EXPECT_EQ(tall.sheet.cells.size(), 200u);
    expectNumber(tall, 200, 1, 200);

    // Nothing inside the sheet: refused rather than loaded as an empty sheet.
    const SheetLoadResult wide = readTsv(QByteArray(26, '\t') + "27\r\n", english);
    EXPECT_FALSE(wide.ok);
    EXPECT_TRUE(wide.error.contains(QStringLiteral("tylko poza arkuszem"))) << wide.error.toStdString();
    EXPECT_TRUE(wide.sheet.cells.empty());

    // Empty fields and empty lines past the edge are no data.
    QByteArray blankTail = QByteArray(30, '\t') + "\r\n";
    for (int row = 0; row < 250; ++row)
        blankTail += "\r\n";
    EXPECT_FALSE(readTsv(blankTail, english).truncated);
}

} // namespace
