// The program's own format: what a person or a script sees in the file, and how strictly a
// damaged file is refused.
#include "worksheet/formats/TlxFormat.h"

#include <gtest/gtest.h>

using namespace tallox;

namespace {

SheetCells smallSheet()
{
    SheetCells sheet;
    sheet.cells.push_back({2, 1, SheetCell::Kind::Number, 0.1, {}});
    sheet.cells.push_back({1, 2, SheetCell::Kind::Text, 0.0, QStringLiteral(" Czas\t[s]\\n\r\nkoniec ")});
    sheet.cells.push_back({1, 1, SheetCell::Kind::Number, -1.5e-300, {}});
    sheet.cells.push_back({2, 26, SheetCell::Kind::Text, 0.0, QStringLiteral("Δt = 5 µs")});
    return sheet;
}

TEST(TlxFormat, WritesAHeaderOneLinePerCellInRowOrderAndAnEndLine)
{
    const QByteArray expected = "Tallox worksheet 1\r\n"
                                "1\t1\tn\t-1.5e-300\r\n"
                                "1\t2\tt\t\\sCzas\\t[s]\\\\n\\r\\nkoniec\\s\r\n"
                                "2\t1\tn\t0.1\r\n"
                                "2\t26\tt\t\xCE\x94t = 5 \xC2\xB5s\r\n"
                                "end\r\n";
    EXPECT_EQ(writeTlx(smallSheet()), expected);
}

TEST(TlxFormat, ReadsWhatAPersonWritesWithLfLineEndsAndABom)
{
    const QByteArray bytes = "\xEF\xBB\xBFTallox worksheet 1\n"
                             "3\t4\tn\t1e3\n"
                             "10\t2\tt\tza\\u017c\xC3\xB3\xC5\x82\\u0107\n"
                             "end";
    const SheetLoadResult result = readTlx(bytes);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    ASSERT_EQ(result.sheet.cells.size(), 2u);
    EXPECT_EQ(result.sheet.cells[0].row, 3);
    EXPECT_EQ(result.sheet.cells[0].col, 4);
    EXPECT_EQ(result.sheet.cells[0].number, 1000.0);
    EXPECT_EQ(result.sheet.cells[1].text, QStringLiteral("zażółć"));
}

TEST(TlxFormat, EveryCutOfAFileIsRefusedExceptTheLastLineEnd)
{
    const QByteArray whole = writeTlx(smallSheet());
    ASSERT_TRUE(readTlx(whole).ok);
    ASSERT_TRUE(readTlx(whole.chopped(2)).ok);  // only the final CR LF lost
    for (qsizetype length = 0; length < whole.size() - 2; ++length) {
        const SheetLoadResult cut = readTlx(whole.first(length));
        EXPECT_FALSE(cut.ok) << "cut after " << length << " bytes was accepted";
        EXPECT_FALSE(cut.error.isEmpty());
        EXPECT_TRUE(cut.sheet.cells.empty());
    }
}

TEST(TlxFormat, DamagedLinesFailTheReadAndNameTheLine)
{
    const char* damaged[] = {
        "1\t1\tn\n",                  // three fields
        "1\t1\tn\t1\t5\n",            // five fields
        "0\t1\tn\t1\n",               // row 0
        "1\t-1\tn\t1\n",              // negative column
        "1\tA\tn\t1\n",               // column as a letter
        "1\t1\tx\t1\n",               // unknown kind
        "1\t1\tn\t1,5\n",             // decimal comma
        "1\t1\tn\t\n",                // number missing
        "1\t1\tn\t 1\n",              // blank before the number
        "1\t1\tn\t1e999\n",           // beyond double
        "1\t1\tt\tbad \\q escape\n",  // unknown escape
        "1\t1\tt\tends in \\\n",      // lone backslash at the end
        "1\t1\tt\t\\u12\n",           // short \u
        "1\t1\tt\traw \x01 control\n",
        "1\t1\tn\t1\n1\t1\tn\t2\n",   // the same cell twice
    };
    for (const char* body : damaged) {
        SCOPED_TRACE(body);
        const QByteArray bytes = QByteArray("Tallox worksheet 1\r\n") + body + "end\r\n";
        const SheetLoadResult result = readTlx(bytes);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(QStringLiteral("wiersz"))) << result.error.toStdString();
        EXPECT_TRUE(result.sheet.cells.empty());
    }
}

TEST(TlxFormat, RefusesFilesThatAreNotThisFormatOrTooNew)
{
    EXPECT_FALSE(readTlx("").ok);
    EXPECT_FALSE(readTlx("Tallox worksheet\r\nend\r\n").ok);
    EXPECT_FALSE(readTlx("Tallox worksheet 01\r\nend\r\n").ok);
    EXPECT_FALSE(readTlx("Tallox worksheet 1\r\nend\r\n1\t1\tn\t1\r\n").ok);  // data after the end
    EXPECT_FALSE(readTlx("Tallox worksheet 1\r\n1\t1\tt\t\xFF\xFEzz\r\nend\r\n").ok);  // not UTF-8

    const SheetLoadResult newer = readTlx("Tallox worksheet 2\r\nend\r\n");
    EXPECT_FALSE(newer.ok);
    EXPECT_TRUE(newer.error.contains(QStringLiteral("nowszej wersji"))) << newer.error.toStdString();

    const SheetLoadResult empty = readTlx("Tallox worksheet 1\r\nend\r\n\r\n");
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.sheet.cells.empty());
}

TEST(TlxFormat, CellsOutsideTheSheetAreLeftOutAndReported)
{
    const SheetLoadResult result = readTlx("Tallox worksheet 1\r\n"
                                           "200\t26\tn\t1\r\n"
                                           "201\t1\tn\t2\r\n"
                                           "1\t27\tt\tx\r\n"
                                           "99999999999999999999\t1\tn\t3\r\n"
                                           "end\r\n");
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.truncated);
    ASSERT_EQ(result.sheet.cells.size(), 1u);
    EXPECT_EQ(result.sheet.cells[0].row, 200);

    EXPECT_FALSE(readTlx(writeTlx(smallSheet())).truncated);
}

TEST(TlxFormat, WriterEscapesControlsAndLoneSurrogatesSoTheyComeBackButNul)
{
    SheetCells sheet;
    QString odd = QStringLiteral("a");
    odd += QChar(0x0000);
    odd += QChar(0x007F);
    odd += QChar(0xD800);  // half of a pair, alone
    sheet.cells.push_back({1, 1, SheetCell::Kind::Text, 0.0, odd});
    const QByteArray bytes = writeTlx(sheet);
    EXPECT_TRUE(bytes.contains("a\\u0000\\u007f\\ud800")) << bytes.toStdString();
    const SheetLoadResult back = readTlx(bytes);
    ASSERT_TRUE(back.ok);
    ASSERT_EQ(back.sheet.cells.size(), 1u);
    // Every control comes back but NUL, which no cell may hold: it is read as U+FFFD.
    EXPECT_EQ(back.sheet.cells[0].text, QString(odd).replace(QChar(0x0000), QChar::ReplacementCharacter));
}

} // namespace
