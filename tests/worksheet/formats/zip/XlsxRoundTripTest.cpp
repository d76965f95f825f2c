// What the writer saves reads back identically: through our own reader, and through LibreOffice
// when it is installed.
#include "worksheet/formats/SheetFile.h"
#include "worksheet/formats/zip/XlsxFile.h"
#include "worksheet/formats/zip/XlsxTestSupport.h"
#include "worksheet/formats/zip/ZipPackage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

using namespace tallox;
using namespace tallox::xlsx;
using namespace tallox::xlsx::testing;

namespace {

SheetCell number(int row, int col, double v) { return {row, col, SheetCell::Kind::Number, v, {}}; }
SheetCell text(int row, int col, const QString& t) { return {row, col, SheetCell::Kind::Text, 0.0, t}; }

// Texts a lab sheet can hold, and those XML cannot carry as they are.
QStringList awkwardTexts()
{
    return {QString::fromUtf8("Pomiar długości"), QString::fromUtf8("ąęłńóśźż ĄĘŁŃÓŚŹŻ"), QStringLiteral("1.5"),
            QStringLiteral("kolumna\tz tabulatorem"), QStringLiteral("wiersz\nnowy\r\nwiersz\rstary"),
            QString::fromUtf8("  odstęp  "), QStringLiteral(" "), QStringLiteral("\n"),
            QStringLiteral("dosłownie _x000D_ i _x005F_ i _x"), QStringLiteral("_x0041_"),
            QStringLiteral("sterujące ") + QChar(1) + QChar(0x1F) + QChar(0xB) + QChar(0xFFFE) + QChar(0xFFFF),
            QString::fromUtf8("ciało \xF0\x9D\x9C\x8E koniec"), QStringLiteral("samotny ") + QChar(0xD800),
            QStringLiteral("<&>\"'"), QStringLiteral("]]>")};
}

// A full 200 × 26 sheet: every cell a number (random, tiny, huge, subnormal, negative zero) or a
// text from the list above, with a few long ones.
SheetCells fullRandomSheet(unsigned seed, bool withUnfitTexts)
{
    static const double extremes[] = {1e-300, -0.0, 0.0, 1e300, -1e300, DBL_MAX, -DBL_MAX, DBL_MIN,
                                      std::numeric_limits<double>::denorm_min(), -4.9e-322, 0.1,
                                      1.0 / 3.0, 6.02214076e23, -1.602176634e-19, 0.30000000000000004};
    QStringList words = awkwardTexts();
    if (!withUnfitTexts)
        words = words.mid(0, 8);
    std::mt19937_64 gen(seed);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-340, 340);
    std::uniform_int_distribution<int> pick(0, 1000);
    SheetCells sheet;
    for (int r = 1; r <= 200; ++r) {
        for (int c = 1; c <= 26; ++c) {
            const int k = kind(gen);
            if (k <= 4)
                sheet.cells.push_back(number(r, c, mantissa(gen)));
            else if (k == 5)
                sheet.cells.push_back(number(r, c, std::ldexp(mantissa(gen), exponent(gen) * 3)));
            else if (k == 6)
                sheet.cells.push_back(number(r, c, extremes[pick(gen) % std::size(extremes)]));
            else if (k == 7)
                sheet.cells.push_back(text(r, c, words[pick(gen) % words.size()]));
            else
                sheet.cells.push_back(text(r, c, QStringLiteral("Seria %1").arg(pick(gen))));
        }
    }
    sheet.cells.push_back(number(200, 26, -0.0));
    sheet.cells.push_back(text(100, 13, QString(40000, QChar(u'ś'))));  // longer than a cell of Excel holds
    return sheet;
}

CellMap lastWins(const SheetCells& sheet)
{
    CellMap map;
    for (const SheetCell& c : sheet.cells)
        if (insideSheet(c.row, c.col) && !(c.kind == SheetCell::Kind::Text && c.text.isEmpty()))
            map[{c.row, c.col}] = valueOf(c);
    return map;
}

void expectSameCells(const CellMap& got, const CellMap& expected)
{
    EXPECT_EQ(got.size(), expected.size());
    int reported = 0;
    for (const auto& [at, value] : expected) {
        const auto it = got.find(at);
        if ((it == got.end() || !(it->second == value)) && ++reported <= 10)
            ADD_FAILURE() << "cell " << at.first << "," << at.second << ": expected " << describe(value)
                          << ", got " << (it == got.end() ? std::string("nothing") : describe(it->second));
    }
}

TEST(XlsxRoundTrip, FullRandomSheetReadsBackIdentically)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        const SheetCells sheet = fullRandomSheet(seed, true);
        const zip::WorkbookReadResult back = readXlsx(writeXlsx(sheet));
        ASSERT_TRUE(back.ok) << back.error.toStdString();
        EXPECT_FALSE(back.outsideSheet);
        int duplicates = 0;
        expectSameCells(cellMap(back.sheet, &duplicates), lastWins(sheet));
        EXPECT_EQ(duplicates, 0);
    }
}

// The package holds the parts other programs look for, texts only when there are some, and the
// sheet's cells in row order; what no cell may hold is written as a spreadsheet shows it.
TEST(XlsxRoundTrip, WritesAMinimalPackageAndNormalisesWhatACellCannotHold)
{
    const QByteArray numbersOnly = writeXlsx(SheetCells{{number(2, 2, 1.5), number(1, 1, -0.0)}});
    zip::ZipReader zip(numbersOnly);
    ASSERT_TRUE(zip.isOpen());
    for (const char* part : {"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                             "xl/worksheets/sheet1.xml", "xl/styles.xml"})
        EXPECT_TRUE(zip.contains(QString::fromLatin1(part))) << part;
    EXPECT_FALSE(zip.contains(QStringLiteral("xl/sharedStrings.xml")));
    QByteArray sheetPart;
    QString why;
    ASSERT_TRUE(zip.read(QStringLiteral("xl/worksheets/sheet1.xml"), 1 << 20, sheetPart, why));
    EXPECT_TRUE(sheetPart.contains(R"(<c r="A1"><v>-0</v></c></row><row r="2"><c r="B2"><v>1.5</v></c>)"));
    QByteArray book;
    ASSERT_TRUE(zip.read(QStringLiteral("xl/workbook.xml"), 1 << 20, book, why));
    EXPECT_TRUE(book.contains(R"(name="Arkusz1")"));

    const double inf = std::numeric_limits<double>::infinity();
    const SheetCells odd{{number(1, 1, std::nan("")), number(1, 2, -inf), text(1, 3, QString()),
                          number(2, 1, 1.0), number(2, 1, 2.0), number(0, 1, 7.0), number(201, 1, 8.0),
                          number(1, 27, 9.0), text(3, 3, QString(1, QChar(0)))}};
    const zip::WorkbookReadResult back = readXlsx(writeXlsx(odd));
    ASSERT_TRUE(back.ok) << back.error.toStdString();
    expectSameCells(cellMap(back.sheet), {{{1, 1}, textValue(QStringLiteral("#NUM!"))},
                                          {{1, 2}, textValue(QStringLiteral("#NUM!"))},
                                          {{2, 1}, numberValue(2.0)},
                                          {{3, 3}, textValue(QString(1, QChar(0xFFFD)))}});

    const zip::WorkbookReadResult empty = readXlsx(writeXlsx(SheetCells{}));
    ASSERT_TRUE(empty.ok) << empty.error.toStdString();
    EXPECT_TRUE(empty.sheet.cells.empty());

    // Saving through the program's file layer reports no cut text: .xlsx keeps texts whole.
    QTemporaryDir dir;
    const SheetWriteResult saved = writeSheetFile(dir.filePath(QStringLiteral("dlugie.xlsx")), SheetFileType::Xlsx,
                                                  SheetCells{{text(1, 1, QString(40000, QChar(u'x')))}}, QLocale::c());
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_TRUE(saved.truncatedCell.isEmpty());
    const SheetLoadResult loaded = readSheetFile(dir.filePath(QStringLiteral("dlugie.xlsx")), QLocale::c());
    ASSERT_TRUE(loaded.ok) << loaded.error.toStdString();
    EXPECT_EQ(loaded.type, SheetFileType::Xlsx);
    ASSERT_EQ(loaded.sheet.cells.size(), 1u);
    EXPECT_EQ(loaded.sheet.cells[0].text.size(), 40000);
}

// LibreOffice opens our file and saves it again as .xlsx; every cell reads back. LibreOffice keeps
// 15 significant digits of a number, so values are compared to 15 digits, the extremes a decimal
// text may overflow are left out, and -0 and 0 are taken as equal (it saves -0 as 0); its line
// ends are line feeds, and it saves at most 32767 characters of a text (it reads longer ones).
TEST(XlsxRoundTrip, SurvivesARoundTripThroughLibreOffice)
{
    const QString office = officeProgram();
    if (office.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SheetCells sheet = fullRandomSheet(7, true);
    // LibreOffice drops an unpaired surrogate; every other awkward text must survive.
    std::erase_if(sheet.cells, [](const SheetCell& c) {
        const double a = std::fabs(c.number);
        if (c.kind == SheetCell::Kind::Text)
            return c.text.startsWith(QStringLiteral("samotny"));
        return a > 1e300 || (a != 0.0 && a < 1e-300);
    });
    QFile f(dir.filePath(QStringLiteral("dane.xlsx")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(writeXlsx(sheet));
    f.close();

    const QString outDir = dir.filePath(QStringLiteral("out"));
    const QString failure = convertWithOffice(office, dir.filePath(QStringLiteral("profile")), f.fileName(),
                                              QStringLiteral("xlsx:Calc MS Excel 2007 XML"), outDir);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();

    const zip::WorkbookReadResult back = readXlsx(fileBytes(outDir + QStringLiteral("/dane.xlsx")));
    ASSERT_TRUE(back.ok) << back.error.toStdString();
    const CellMap got = cellMap(back.sheet);
    const CellMap expected = lastWins(sheet);
    EXPECT_EQ(got.size(), expected.size());
    int reported = 0;
    for (const auto& [at, value] : expected) {
        const auto it = got.find(at);
        ASSERT_NE(it, got.end()) << at.first << "," << at.second;
        ASSERT_EQ(it->second.kind, value.kind) << at.first << "," << at.second;
        bool same;
        if (value.kind == SheetCell::Kind::Number) {
            const double want = std::bit_cast<double>(value.bits);
            same = std::fabs(std::bit_cast<double>(it->second.bits) - want) <= std::fabs(want) * 1e-14;
        } else {
            QString want = value.text.left(32767);
            same = it->second.text == want.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        }
        if (!same && ++reported <= 10)
            ADD_FAILURE() << "cell " << at.first << "," << at.second << ": expected " << describe(value)
                          << ", got " << describe(it->second);
    }
}

} // namespace
