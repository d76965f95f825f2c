// What the writer saves reads back identically: through our own reader, through an independent
// reader (freexl), and through LibreOffice when it is installed.
#include "worksheet/formats/SheetFile.h"
#include "worksheet/formats/xls/XlsFile.h"
#include "worksheet/formats/xls/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <freexl.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

using namespace tallox;
using namespace tallox::xls;
using namespace tallox::xls::testing;

namespace {

SheetCell number(int row, int col, double v) { return {row, col, SheetCell::Kind::Number, v, {}}; }
SheetCell text(int row, int col, const QString& t) { return {row, col, SheetCell::Kind::Text, 0.0, t}; }

// A full 200 × 26 sheet of the values a lab sheet can hold, extremes and awkward texts included.
// Texts stay within 4000 characters, the longest an independent reader handles.
SheetCells fullRandomSheet(unsigned seed)
{
    static const double extremes[] = {1e-300, -0.0, 0.0, 1e300, -1e300, DBL_MAX, -DBL_MAX, DBL_MIN,
                                      std::numeric_limits<double>::denorm_min(), 0.1, 1.0 / 3.0,
                                      6.02214076e23, -1.602176634e-19, 536870912.0, -536870913.0, 12.34};
    static const char* const words[] = {"Pomiar długości", "ąęłńóśźż ĄĘŁŃÓŚŹŻ", "1.5", "2,5",
                                        "kolumna\tz tabulatorem", "wiersz\nnowy\r\nwiersz", "  odstęp  ",
                                        "σ = 0,02 mm", "x"};
    std::mt19937_64 gen(seed);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-300, 300);
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
                sheet.cells.push_back(text(r, c, QString::fromUtf8(words[pick(gen) % std::size(words)])));
            else if (k == 8 && pick(gen) < 30) {
                // Long notes: repeated Polish letters and line ends, up to 4000 characters.
                QString note;
                const int length = 1000 + pick(gen) * 3;
                while (note.size() < length)
                    note += QString::fromUtf8("żółć\tgęślą\njaźń ");
                sheet.cells.push_back(text(r, c, note.left(length)));
            } else if (k == 8) {
                sheet.cells.push_back(text(r, c, QStringLiteral("Seria %1").arg(pick(gen))));
            }  // else: an empty cell
        }
    }
    // Corners and a text of exactly 4000 characters in a known place.
    sheet.cells.push_back(number(200, 26, -0.0));
    sheet.cells.push_back(text(100, 13, QString(4000, QChar(u'ś'))));
    return sheet;
}

void expectSameCells(const CellMap& got, const CellMap& expected)
{
    EXPECT_EQ(got.size(), expected.size());
    int reported = 0;
    for (const auto& [at, value] : expected) {
        const auto it = got.find(at);
        const bool same = it != got.end() && it->second == value;
        if (!same && ++reported <= 10)
            ADD_FAILURE() << "cell " << at.first << "," << at.second << ": expected " << describe(value)
                          << ", got " << (it == got.end() ? std::string("nothing") : describe(it->second));
    }
}

// Rebuilds the given map so that a later cell at a position replaces an earlier one.
CellMap lastWins(const SheetCells& sheet)
{
    CellMap map;
    for (const SheetCell& c : sheet.cells)
        map[{c.row, c.col}] = valueOf(c);
    return map;
}

CellMap readWithFreexl(const QString& path, bool& opened)
{
    CellMap cells;
    const void* handle = nullptr;
    opened = freexl_open(path.toLocal8Bit().constData(), &handle) == FREEXL_OK && handle;
    if (!opened)
        return cells;
    unsigned int sheets = 0;
    unsigned int rows = 0;
    unsigned short cols = 0;
    opened = freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets) == FREEXL_OK && sheets >= 1
             && freexl_select_active_worksheet(handle, 0) == FREEXL_OK
             && freexl_worksheet_dimensions(handle, &rows, &cols) == FREEXL_OK;
    for (unsigned int r = 0; opened && r < rows; ++r) {
        for (unsigned short c = 0; c < cols; ++c) {
            FreeXL_CellValue v;
            if (freexl_get_cell_value(handle, r, c, &v) != FREEXL_OK) {
                opened = false;
                break;
            }
            const std::pair at{int(r) + 1, int(c) + 1};
            switch (v.type) {
            case FREEXL_CELL_INT:
                cells[at] = {SheetCell::Kind::Number, std::bit_cast<std::uint64_t>(double(v.value.int_value)), {}};
                break;
            case FREEXL_CELL_DOUBLE:
                cells[at] = {SheetCell::Kind::Number, std::bit_cast<std::uint64_t>(v.value.double_value), {}};
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
                cells[at] = {SheetCell::Kind::Text, 0, QString::fromUtf8(v.value.text_value)};
                break;
            case FREEXL_CELL_NULL:
                break;
            default:  // dates would mean the writer put a cell on a date-like format
                cells[at] = {SheetCell::Kind::Text, 0, QStringLiteral("<date>")};
            }
        }
    }
    freexl_close(handle);
    return cells;
}

TEST(XlsRoundTrip, FullRandomSheetReadsBackIdentically)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        const SheetCells sheet = fullRandomSheet(seed);
        const SheetReadResult back = readXls(writeXls(sheet));
        ASSERT_TRUE(back.ok) << back.error.toStdString();
        int duplicates = 0;
        expectSameCells(cellMap(back.sheet, &duplicates), lastWins(sheet));
        EXPECT_EQ(duplicates, 0);
    }
}

TEST(XlsRoundTrip, FullRandomSheetReadsBackThroughAnIndependentReader)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (unsigned seed : {1u, 2u}) {
        SCOPED_TRACE(seed);
        const SheetCells sheet = fullRandomSheet(seed);
        const QString path = dir.filePath(QStringLiteral("pomiary%1.xls").arg(seed));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(writeXls(sheet));
        f.close();

        bool opened = false;
        const CellMap got = readWithFreexl(path, opened);
        ASSERT_TRUE(opened);
        expectSameCells(got, lastWins(sheet));
    }
}

TEST(XlsRoundTrip, TextsLongerThanOneRecordAndUnusualCharactersSurvive)
{
    QString veryLong;
    for (int i = 0; veryLong.size() < 20000; ++i)
        veryLong += QStringLiteral("pomiar %1; ").arg(i);
    const QString beyondBmp = QString::fromUtf8("ciało \xF0\x9D\x9C\x8E 𝛼 koniec");  // surrogate pairs
    const SheetCells sheet{{text(1, 1, veryLong.left(20000)), text(1, 2, QString(9000, QChar(u'ą'))),
                            text(2, 1, beyondBmp), text(2, 2, QString(1, QChar(0))),
                            number(3, 1, 5e-324), text(3, 2, veryLong.left(20000))}};
    const SheetReadResult back = readXls(writeXls(sheet));
    ASSERT_TRUE(back.ok) << back.error.toStdString();
    // A NUL, which the worksheet's text files cannot carry, comes back as U+FFFD.
    CellMap expected = lastWins(sheet);
    expected[{2, 2}].text = QString(1, QChar(0xFFFD));
    expectSameCells(cellMap(back.sheet), expected);
    EXPECT_TRUE(truncatedTextCell(sheet).isEmpty());
}

TEST(XlsRoundTrip, WriterNormalisesWhatAWorkbookCannotHold)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const SheetCells sheet{{number(1, 1, nan), number(1, 2, -inf), text(1, 3, QString()),
                            number(2, 1, 1.0), number(2, 1, 2.0),          // same cell twice: last wins
                            // longer than a cell holds; the second would be cut inside a surrogate pair
                            text(4, 2, QString(maxTextLength - 1, QChar(u'y')) + QString::fromUtf8("\xF0\x9D\x9B\xBC")),
                            text(3, 3, QString(maxTextLength + 1, QChar(u'z'))), text(3, 3, QStringLiteral("z")),
                            text(3, 1, QString(40000, QChar(u'x'))),
                            number(0, 1, 7.0), number(1, 0, 7.0), number(-5, 3, 7.0),
                            number(201, 1, 8.0), number(1, 27, 9.0)}};     // outside the worksheet
    const SheetReadResult back = readXls(writeXls(sheet));
    ASSERT_TRUE(back.ok) << back.error.toStdString();
    const CellMap expected{
        {{1, 1}, {SheetCell::Kind::Text, 0, QStringLiteral("#NUM!")}},
        {{1, 2}, {SheetCell::Kind::Text, 0, QStringLiteral("#NUM!")}},
        {{2, 1}, {SheetCell::Kind::Number, std::bit_cast<std::uint64_t>(2.0), {}}},
        {{3, 1}, {SheetCell::Kind::Text, 0, QString(maxTextLength, QChar(u'x'))}},
        {{3, 3}, {SheetCell::Kind::Text, 0, QStringLiteral("z")}},
        {{4, 2}, {SheetCell::Kind::Text, 0, QString(maxTextLength - 1, QChar(u'y'))}},
    };
    expectSameCells(cellMap(back.sheet), expected);
    // The first cut text in row order is reported; C3's long text was replaced before writing.
    EXPECT_EQ(truncatedTextCell(sheet), QStringLiteral("A3"));
    EXPECT_EQ(truncatedTextCell(SheetCells{{sheet.cells[5]}}), QStringLiteral("B4"));

    // The save reports it too.
    QTemporaryDir dir;
    const SheetWriteResult saved =
        writeSheetFile(dir.filePath(QStringLiteral("dlugie.xls")), SheetFileType::Xls, sheet, QLocale::c());
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_EQ(saved.truncatedCell, QStringLiteral("A3"));
}

TEST(XlsRoundTrip, EmptySheetIsAValidWorkbookOfNoCells)
{
    const QByteArray bytes = writeXls(SheetCells{});
    EXPECT_TRUE(looksLikeXls(bytes));
    const SheetReadResult back = readXls(bytes);
    ASSERT_TRUE(back.ok) << back.error.toStdString();
    EXPECT_TRUE(back.sheet.cells.empty());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pusty.xls"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    bool opened = false;
    EXPECT_TRUE(readWithFreexl(path, opened).empty());
    EXPECT_TRUE(opened);
}

// LibreOffice opens our file, saves it as an Office Open XML workbook, and that is turned back
// into .xls. LibreOffice keeps 15 significant digits of a number on the way, so values are
// compared to 15 digits, the extremes a decimal text may overflow are left out, and -0 and 0 are
// taken as equal. (Through OpenDocument it would also turn tabs inside texts into blanks.)
TEST(XlsRoundTrip, SurvivesAConversionThroughLibreOffice)
{
    const QString office = officeProgram();
    if (office.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SheetCells sheet = fullRandomSheet(7);
    std::erase_if(sheet.cells, [](const SheetCell& c) {
        const double a = std::fabs(c.number);
        return c.kind == SheetCell::Kind::Number && (a > 1e300 || (a != 0.0 && a < 1e-300));
    });
    QFile f(dir.filePath(QStringLiteral("dane.xls")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(writeXls(sheet));
    f.close();

    const auto convert = [&](const QString& file, const QString& to, const QString& outDir) {
        return convertWithOffice(office, dir.filePath(QStringLiteral("profile")), file, to, outDir).isEmpty();
    };
    ASSERT_TRUE(convert(f.fileName(), QStringLiteral("xlsx"), dir.filePath(QStringLiteral("xlsx"))));
    ASSERT_TRUE(convert(dir.filePath(QStringLiteral("xlsx/dane.xlsx")), QStringLiteral("xls"),
                        dir.filePath(QStringLiteral("xls"))));

    const SheetReadResult back = readXls(fileBytes(dir.filePath(QStringLiteral("xls/dane.xls"))));
    ASSERT_TRUE(back.ok) << back.error.toStdString();
    const CellMap got = cellMap(back.sheet);
    const CellMap expected = lastWins(sheet);
    EXPECT_EQ(got.size(), expected.size());
    for (const auto& [at, value] : expected) {
        const auto it = got.find(at);
        ASSERT_NE(it, got.end()) << at.first << "," << at.second;
        ASSERT_EQ(it->second.kind, value.kind) << at.first << "," << at.second;
        if (value.kind == SheetCell::Kind::Number) {
            const double want = std::bit_cast<double>(value.bits);
            // 15 significant digits: off by at most half a unit of the 15th, 5e-15 relative.
            EXPECT_NEAR(std::bit_cast<double>(it->second.bits), want, std::fabs(want) * 1e-14)
                << at.first << "," << at.second;
        } else {
            QString want = value.text;
            EXPECT_EQ(it->second.text, want.replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
                << at.first << "," << at.second;
        }
    }
}

} // namespace
