// The .ods writer: what it writes reads back exactly, through our reader and through LibreOffice.
#include "worksheet/formats/SheetFile.h"
#include "worksheet/formats/xls/XlsTestSupport.h"
#include "worksheet/formats/zip/OdsFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <bit>
#include <charconv>
#include <string>
#include <cmath>
#include <limits>
#include <random>

using namespace tallox;
using namespace tallox::ods;
using tallox::xls::testing::CellMap;
using tallox::xls::testing::cellMap;
using tallox::xls::testing::convertWithOffice;
using tallox::xls::testing::fileBytes;
using tallox::xls::testing::officeProgram;

namespace {

// A number of any kind a measurement sheet may hold, extremes included.
double randomNumber(std::mt19937_64& rng, bool fifteenDigits)
{
    std::uniform_int_distribution<int> kind(0, 7);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    if (fifteenDigits) {
        // Values LibreOffice keeps whole: at most 15 significant digits.
        const double v = std::round(unit(rng) * 1e14) / std::pow(10.0, kind(rng) + 2);
        const std::string text = QString::number(v, 'g', 15).toStdString();
        double back = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        return back;
    }
    switch (kind(rng)) {
    case 0: return -0.0;
    case 1: return std::numeric_limits<double>::denorm_min() * double(rng() % 1000 + 1);
    case 2: return -std::numeric_limits<double>::max() * unit(rng);
    case 3: return unit(rng) * 1e-300;
    case 4: return double(std::int64_t(rng() % 2000001) - 1000000);
    default: {
        double d;
        do
            d = std::bit_cast<double>(rng());
        while (!std::isfinite(d));
        return d;
    }
    }
}

QString randomText(std::mt19937_64& rng, bool forLibreOffice)
{
    static const QString letters = QStringLiteral("abcxyzĄĘŁŃÓŚŹŻąęłńóśźż0123456789.,;-+*/=<>&\"'");
    std::uniform_int_distribution<int> length(1, 30), pick(0, 9);
    QString text;
    const int n = length(rng);
    for (int i = 0; i < n; ++i) {
        switch (pick(rng)) {
        case 0: text += QStringLiteral("  "); break;
        case 1: text += u' '; break;
        case 2: text += forLibreOffice ? u' ' : u'\t'; break;
        case 3: text += u'\n'; break;
        default: text += letters[qsizetype(rng() % std::uint64_t(letters.size()))];
        }
    }
    return text;
}

SheetCells fullRandomSheet(std::uint64_t seed, bool forLibreOffice = false)
{
    std::mt19937_64 rng(seed);
    SheetCells sheet;
    for (int r = 1; r <= 200; ++r)
        for (int c = 1; c <= 26; ++c) {
            if (rng() % 4 == 0)
                sheet.cells.push_back({r, c, SheetCell::Kind::Text, 0.0, randomText(rng, forLibreOffice)});
            else
                sheet.cells.push_back({r, c, SheetCell::Kind::Number, randomNumber(rng, forLibreOffice), {}});
        }
    return sheet;
}

TEST(OdsRoundTrip, AFullRandomSheetReadsBackExactly)
{
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        const SheetCells sheet = fullRandomSheet(seed);
        const QByteArray bytes = writeOds(sheet);
        ASSERT_FALSE(bytes.isEmpty());
        // The first part is the stored mimetype, where other programs look for the kind.
        EXPECT_EQ(bytes.mid(30, 8), "mimetype");
        EXPECT_EQ(bytes.mid(38, 46), "application/vnd.oasis.opendocument.spreadsheet");
        const zip::WorkbookReadResult back = readOds(bytes);
        ASSERT_TRUE(back.ok) << back.error.toStdString();
        EXPECT_FALSE(back.outsideSheet);
        EXPECT_EQ(cellMap(back.sheet), cellMap(sheet)) << "seed " << seed;
    }
}

// Sparse sheets, the empty sheet, and the texts a document cannot carry as they are.
TEST(OdsRoundTrip, SparseSheetsAndAwkwardTextsReadBackAsDocumented)
{
    using K = SheetCell::Kind;
    struct Case {
        const char* what;
        SheetCells sheet;
        SheetCells expected;
    };
    const Case cases[] = {
        {"empty sheet", {}, {}},
        {"corners only",
         {{{1, 1, K::Number, 1.0, {}}, {200, 26, K::Text, 0.0, QStringLiteral(" Z200 ")}, {200, 1, K::Number, -0.0, {}}}},
         {{{1, 1, K::Number, 1.0, {}}, {200, 26, K::Text, 0.0, QStringLiteral(" Z200 ")}, {200, 1, K::Number, -0.0, {}}}}},
        {"blanks next to tabs and line ends",
         {{{5, 5, K::Text, 0.0, QStringLiteral("\t a \t\n  \n\n b\t")}}},
         {{{5, 5, K::Text, 0.0, QStringLiteral("\t a \t\n  \n\n b\t")}}}},
        {"control characters, CR and lone surrogates",
         {{{2, 3, K::Text, 0.0, QStringLiteral("a\r\nb\rc") + QChar(1) + QChar(0) + QChar(0xD800) + u'd' + QChar(0xFFFF)}}},
         {{{2, 3, K::Text, 0.0, QStringLiteral("a\nb\nc\uFFFD\uFFFD\uFFFDd\uFFFD")}}}},
        {"empty texts, cells beyond the sheet and a position given twice",
         {{{1, 1, K::Text, 0.0, {}}, {201, 1, K::Number, 1.0, {}}, {1, 27, K::Number, 1.0, {}},
           {3, 3, K::Number, 1.0, {}}, {3, 3, K::Text, 0.0, QStringLiteral("drugi")},
           {4, 4, K::Number, std::numeric_limits<double>::infinity(), {}}}},
         {{{3, 3, K::Text, 0.0, QStringLiteral("drugi")}, {4, 4, K::Text, 0.0, QStringLiteral("#NUM!")}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray bytes = writeOds(c.sheet);
        ASSERT_FALSE(bytes.isEmpty());
        const zip::WorkbookReadResult back = readOds(bytes);
        ASSERT_TRUE(back.ok) << back.error.toStdString();
        EXPECT_EQ(cellMap(back.sheet), cellMap(c.expected));
    }
}

// LibreOffice opens our file and saves it again as .ods; our reader then finds every cell as it
// was, blanks and line breaks of the texts included. LibreOffice keeps 15 significant digits of a
// number, so the numbers have no more; LibreOffice 7.4 drops a <text:tab/> when it reads a cell
// (its own files lose tabs too), so the texts have none.
TEST(OdsRoundTrip, SurvivesASaveByLibreOffice)
{
    const QString office = officeProgram();
    if (office.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SheetCells sheet = fullRandomSheet(11, true);
    // LibreOffice keeps a negative zero (it writes office:value="-0" back).
    sheet.cells.front() = {1, 1, SheetCell::Kind::Number, -0.0, {}};
    QFile f(dir.filePath(QStringLiteral("dane.ods")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(writeOds(sheet));
    f.close();

    const QString out = dir.filePath(QStringLiteral("lo"));
    const QString failure = convertWithOffice(office, dir.filePath(QStringLiteral("profile")), f.fileName(),
                                              QStringLiteral("ods"), out);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();

    const zip::WorkbookReadResult back = readOds(fileBytes(out + QStringLiteral("/dane.ods")));
    ASSERT_TRUE(back.ok) << back.error.toStdString();
    EXPECT_FALSE(back.outsideSheet);
    const CellMap got = cellMap(back.sheet);
    const CellMap expected = cellMap(sheet);
    EXPECT_EQ(got.size(), expected.size());
    int differing = 0;
    for (const auto& [at, value] : expected) {
        const auto it = got.find(at);
        if (it == got.end() || !(it->second == value)) {
            if (++differing <= 10)
                ADD_FAILURE() << "cell " << at.first << "," << at.second << " differs: expected "
                              << tallox::xls::testing::describe(value) << ", got "
                              << (it == got.end() ? std::string("nothing")
                                                  : tallox::xls::testing::describe(it->second));
        }
    }
    EXPECT_EQ(differing, 0);
}

} // namespace

// The window's load and save go through SheetFile: a .ods is found by its name or its mimetype,
// cells beyond the sheet are reported, and another kind of document is refused with our reason.
namespace {

TEST(OdsThroughSheetFile, LoadsSavesAndReportsAsTheWindowNeeds)
{
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    const QByteArray reference = fileBytes(QStringLiteral(TALLOX_TESTS_DIR "/data/ods/lo-values.ods"));
    for (const QString& name : {QStringLiteral("pomiary.ods"), QString()}) {
        const SheetLoadResult r = readSheetBytes(reference, polish, name);
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        EXPECT_EQ(r.type, SheetFileType::Ods);
        EXPECT_FALSE(r.truncated);
        EXPECT_EQ(cellMap(r.sheet), cellMap(readOds(reference).sheet));
    }

    SheetCells wide;
    for (int c = 25; c <= 28; ++c)
        wide.cells.push_back({1, c, SheetCell::Kind::Number, double(c), {}});
    const QByteArray ours = writeOds({{{1, 1, SheetCell::Kind::Number, 1.0, {}}}});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zapis.ods"));
    const SheetWriteResult saved = writeSheetFile(path, SheetFileType::Ods, wide, polish);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    const SheetLoadResult back = readSheetFile(path, polish);
    ASSERT_TRUE(back.ok) << back.error.toStdString();
    EXPECT_EQ(back.sheet.cells.size(), 2u);  // Y1 and Z1; AA1 and AB1 were never written
    EXPECT_FALSE(back.truncated);

    zip::ZipReader zip(ours);
    QByteArray content;
    QString error;
    ASSERT_TRUE(zip.read(QStringLiteral("content.xml"), 1 << 20, content, error));
    content.replace("<table:table-row>", "<table:table-row table:number-rows-repeated=\"300\">");
    const QByteArray repeated = zip::writeZip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet", true},
                                               {QStringLiteral("content.xml"), content, false}});
    const SheetLoadResult cut = readSheetBytes(repeated, polish, QStringLiteral("a.ods"));
    ASSERT_TRUE(cut.ok) << cut.error.toStdString();
    EXPECT_EQ(cut.sheet.cells.size(), 200u);
    EXPECT_TRUE(cut.truncated);

    const QByteArray text = zip::writeZip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text", true},
                                           {QStringLiteral("content.xml"), content, false}});
    const SheetLoadResult refused = readSheetBytes(text, polish, QStringLiteral("list.ods"));
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("innym dokumentem OpenDocument"))) << refused.error.toStdString();
}

} // namespace
