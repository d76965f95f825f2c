// Comma-separated values as spreadsheet programs write them: LibreOffice's own files, crafted
// inputs, exact round trips, and our files through LibreOffice.
#include "worksheet/formats/CsvFormat.h"
#include "xls/XlsTestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>

using namespace tallox;
using namespace tallox::xls::testing;

namespace {

const QLocale polish(QLocale::Polish, QLocale::Poland);
const QLocale english(QLocale::English, QLocale::UnitedStates);

SheetCell number(int row, int col, double v) { return {row, col, SheetCell::Kind::Number, v, {}}; }
SheetCell text(int row, int col, const QString& t) { return {row, col, SheetCell::Kind::Text, 0.0, t}; }

void expectSameCells(const CellMap& got, const CellMap& want)
{
    EXPECT_EQ(got.size(), want.size());
    for (const auto& [at, value] : want) {
        const auto it = got.find(at);
        if (it == got.end()) {
            ADD_FAILURE() << "missing " << at.first << "," << at.second << ": " << describe(value);
            continue;
        }
        EXPECT_EQ(it->second, value) << at.first << "," << at.second << ": got " << describe(it->second)
                                     << ", want " << describe(value);
    }
}

QString csvDir() { return QStringLiteral(TALLOX_TESTS_DIR "/data/csv"); }

CellMap expectedCells(const QString& name) { return expectedCellsFile(csvDir() + "/" + name); }

TEST(CsvFormat, EveryLibreOfficeFileLoadsAsItsExpectedCells)
{
    const QStringList files = QDir(csvDir()).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    EXPECT_EQ(files.size(), 10);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray bytes = fileBytes(csvDir() + "/" + file);
        ASSERT_FALSE(bytes.isEmpty());
        // The file's separator decides the notation, whatever the worksheet's settings are.
        for (const QLocale& locale : {polish, english}) {
            const SheetLoadResult r = readCsv(bytes, locale);
            ASSERT_TRUE(r.ok) << r.error.toStdString();
            EXPECT_FALSE(r.truncated);
            EXPECT_EQ(r.invalidBytes, 0);
            EXPECT_TRUE(loadedConsistently(r));
            QString expected = file;
            expected.replace(QLatin1String(".csv"), QLatin1String(".expected.tsv"));
            expectSameCells(cellMap(r.sheet), expectedCells(expected));
        }
    }
}

// Crafted inputs and what the reader makes of each: refused (ok false, with a reason), cells
// beyond the sheet left out (truncated: only the count inside is checked), or these cells.
struct Crafted {
    const char* what;
    QByteArray bytes;
    QLocale locale;
    bool ok;
    bool truncated;
    std::vector<SheetCell> cells;
};

TEST(CsvFormat, CraftedInputsReadAsSpreadsheetsReadThem)
{
    QByteArray wide = "1";
    for (int c = 2; c <= 27; ++c)
        wide += "," + QByteArray::number(c);
    QByteArray tall;
    for (int r = 1; r <= 201; ++r)
        tall += QByteArray::number(r) + ";\n";
    const std::vector<Crafted> cases = {
        {"decimal comma before the first ';'", "1,5;3;22,5\n-0,000000125;6,02214076E+023;x\n", english, true, false,
         {number(1, 1, 1.5), number(1, 2, 3), number(1, 3, 22.5), number(2, 1, -1.25e-7),
          number(2, 2, 6.02214076e23), text(2, 3, "x")}},
        {"',' file: decimal points, quoted comma text", "1.5,\"2,5\",6.02214076E+023, 7 \r\n", polish, true, false,
         {number(1, 1, 1.5), text(1, 2, "2,5"), number(1, 3, 6.02214076e23), number(1, 4, 7)}},
        {"a dotted number in a ';' file is a text", "1.5;2\n", polish, true, false,
         {text(1, 1, "1.5"), number(1, 2, 2)}},
        {"separators and line breaks inside quotes", "\"a;b\nc\";\"x\"\"y\"\r\"\";z\n", polish, true, false,
         {text(1, 1, "a;b\nc"), text(1, 2, "x\"y"), text(2, 2, "z")}},
        {"a quoted ';' does not decide", "\"a;b\",1.5\n", polish, true, false,
         {text(1, 1, "a;b"), number(1, 2, 1.5)}},
        {"quoted number is a text", "\"12\";12\n", english, true, false, {text(1, 1, "12"), number(1, 2, 12)}},
        {"BOM and CR LF", "\xEF\xBB\xBFT [s];U [V]\r\n0;1,25\r\n", english, true, false,
         {text(1, 1, "T [s]"), text(1, 2, "U [V]"), number(2, 1, 0), number(2, 2, 1.25)}},
        {"Windows-1250 Polish letters", "\xB3\xF3\xBF\xEA;2,5\n", english, true, false,
         {text(1, 1, QString::fromUtf8("łóżę")), number(1, 2, 2.5)}},
        {"tab: the worksheet's mark (Polish)", "1,5\t2.5\n", polish, true, false,
         {number(1, 1, 1.5), text(1, 2, "2.5")}},
        {"tab: the worksheet's mark (English)", "1,5\t2.5\n", english, true, false,
         {text(1, 1, "1,5"), number(1, 2, 2.5)}},
        {"no separator: one column of dotted numbers", "x\n1.5\n\n-2\n", polish, true, false,
         {text(1, 1, "x"), number(2, 1, 1.5), number(4, 1, -2)}},
        {"a line without separators before the deciding one", "Pomiar\n1,5;2\n", english, true, false,
         {text(1, 1, "Pomiar"), number(2, 1, 1.5), number(2, 2, 2)}},
        {"unterminated quote takes the rest of the file", "1;\"a;b\n2;3\n", polish, true, false,
         {number(1, 1, 1), text(1, 2, "a;b\n2;3\n")}},
        {"text after a closing quote stays with the field", "\"a\"b;c\n", polish, true, false,
         {text(1, 1, "ab"), text(1, 2, "c")}},
        {"blanks only: a text", "1; ;2\n", polish, true, false,
         {number(1, 1, 1), text(1, 2, " "), number(1, 3, 2)}},
        {"column 27 is outside the sheet", wide, polish, true, true, {}},
        {"row 201 is outside the sheet", tall, polish, true, true, {}},
        {"a line of commas in a ';' file is a text", ";;;\r\n,,\n", polish, true, false, {text(2, 1, ",,")}},
        {"only separators: no data", ";;;\r\n;;\n", polish, false, false, {}},
        {"binary", QByteArray("1;2\n\x01\x02\x03", 7), polish, false, false, {}},
        {"only quotes around nothing", "\"\";\"\"\n", polish, false, false, {}},
    };
    for (const Crafted& c : cases) {
        SCOPED_TRACE(c.what);
        const SheetLoadResult r = readCsv(c.bytes, c.locale);
        EXPECT_EQ(r.ok, c.ok) << r.error.toStdString();
        EXPECT_EQ(r.ok, r.error.isEmpty());
        EXPECT_EQ(r.truncated, c.truncated);
        EXPECT_TRUE(loadedConsistently(r));
        if (c.truncated) {
            EXPECT_EQ(r.sheet.cells.size(), c.bytes.startsWith("1,") ? 26u : 200u);
            continue;
        }
        SheetCells want;
        want.cells = c.cells;
        expectSameCells(cellMap(r.sheet), cellMap(want));
    }
}

// A 32 MB field, quoted or not, and a line of four million fields: one pass each, no
// quadratic rescanning (the test's time limit is the check) and the right cells.
TEST(CsvFormat, HugeFieldsAndLinesReadInLinearTime)
{
    const QByteArray big(32 << 20, 'x');
    const SheetLoadResult quoted = readCsv("1;\"" + big + "\";2\n", polish);
    ASSERT_TRUE(quoted.ok);
    ASSERT_EQ(quoted.sheet.cells.size(), 3u);
    EXPECT_EQ(quoted.sheet.cells[1].text.size(), big.size());
    const SheetLoadResult plain = readCsv(big + ",1.5", polish);
    ASSERT_TRUE(plain.ok);
    EXPECT_EQ(plain.sheet.cells.size(), 2u);
    QByteArray line;
    for (int i = 0; i < 4'000'000; ++i)
        line += "1,";
    const SheetLoadResult wide = readCsv(line, polish);
    ASSERT_TRUE(wide.ok);
    EXPECT_TRUE(wide.truncated);
    EXPECT_EQ(wide.sheet.cells.size(), 26u);
}

TEST(CsvFormat, WritesLikeASpreadsheetInTheLocalesConvention)
{
    SheetCells sheet;
    sheet.cells = {number(1, 1, -1234.5), text(1, 3, "t [s]"), text(2, 2, "1,5"), text(2, 3, "cal \"5\""),
                   number(3, 1, 6.02214076e23), text(3, 2, " x"), text(3, 3, "a,b")};
    // Polish: ';', decimal comma, every line as wide as the used part; texts quoted when needed.
    EXPECT_EQ(writeCsv(sheet, polish), QByteArray("-1234,5;;t [s]\r\n;\"1,5\";\"cal \"\"5\"\"\"\r\n"
                                                  "6,02214076E+23;\" x\";\"a,b\"\r\n"));
    EXPECT_EQ(writeCsv(sheet, english), QByteArray("-1234.5,,t [s]\r\n,\"1,5\",\"cal \"\"5\"\"\"\r\n"
                                                   "6.02214076e+23,\" x\",\"a,b\"\r\n"));
    // One column of decimal commas still shows its separator.
    EXPECT_EQ(writeCsv(SheetCells{{number(1, 1, 0.5), number(2, 1, -0.0)}}, polish), QByteArray("0,5;\r\n-0;\r\n"));
    EXPECT_EQ(writeCsv(SheetCells{{number(1, 1, 0.5), text(2, 1, "1.5")}}, english), QByteArray("0.5\r\n\"1.5\"\r\n"));
    EXPECT_TRUE(writeCsv(SheetCells{}, polish).isEmpty());
}

// A full sheet of awkward values: numbers of every size, texts that look like numbers in
// either notation or hold separators, quotes, line breaks, blanks and Polish letters.
SheetCells randomSheet(unsigned seed, bool fifteenDigits)
{
    static const double extremes[] = {-0.0, 0.0, 1e308, -1e308, DBL_MAX, DBL_MIN, 1e-310, -4.9e-324, 0.1, 1.0 / 3.0};
    static const char* const texts[] = {"1,5", "1.5", "12", "-0", "6,02E+23", "1e5", " 7 ", "  odstęp  ", "a;b", "a,b",
                                        "tab\there", "cudzy\"słów\"", "\"", "wiersz\nnowy", "wiersz\r\nnowy", "ąęłńóśźż ĄĘŁŃÓŚŹŻ",
                                        "Pomiar długości", "x", "1 000", "σ = 0,02 mm", "\"1,5\"", ";", " "};
    std::mt19937_64 gen(seed);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_int_distribution<long long> digits(-999999999999999LL, 999999999999999LL);
    std::uniform_int_distribution<int> exponent(-20, 250);
    std::uniform_int_distribution<int> pick(0, 1000);
    SheetCells sheet;
    for (int r = 1; r <= 200; ++r) {
        for (int c = 1; c <= 26; ++c) {
            const int k = kind(gen);
            if (k <= 5 && fifteenDigits) {
                // At most 15 significant digits and 20 decimals: D × 10^E with E >= -20.
                const std::string s = std::to_string(digits(gen)) + "e" + std::to_string(exponent(gen));
                double v = 0.0;
                std::from_chars(s.data(), s.data() + s.size(), v);
                sheet.cells.push_back(number(r, c, v));
            } else if (k <= 3) {
                double v;
                do
                    v = std::bit_cast<double>(bits(gen));
                while (!std::isfinite(v));
                sheet.cells.push_back(number(r, c, v));
            } else if (k <= 5) {
                sheet.cells.push_back(number(r, c, extremes[pick(gen) % std::size(extremes)]));
            } else if (k <= 7) {
                QString t = QString::fromUtf8(texts[pick(gen) % std::size(texts)]);
                if (fifteenDigits)
                    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
                sheet.cells.push_back(text(r, c, t));
            }  // else: an empty cell
        }
    }
    // LibreOffice writes -0 as 0; our own round trip keeps it.
    sheet.cells.push_back(number(200, 26, fifteenDigits ? 1.5 : -0.0));
    sheet.cells.push_back(text(1, 1, QString::fromUtf8("\"początek\"")));
    return sheet;
}

// Drops cells the writer leaves out: empty texts, later cells at a taken position.
CellMap lastWins(const SheetCells& sheet)
{
    CellMap map;
    for (const SheetCell& c : sheet.cells)
        map[{c.row, c.col}] = valueOf(c);
    return map;
}

TEST(CsvFormat, FullRandomSheetSurvivesAWriteAndAReadExactly)
{
    for (const QLocale& locale : {polish, english}) {
        for (unsigned seed : {1u, 2u, 3u}) {
            SCOPED_TRACE(locale.name().toStdString() + " seed " + std::to_string(seed));
            const SheetCells sheet = randomSheet(seed, false);
            const QByteArray bytes = writeCsv(sheet, locale);
            const SheetLoadResult back = readCsv(bytes, locale);
            ASSERT_TRUE(back.ok) << back.error.toStdString();
            EXPECT_FALSE(back.truncated);
            EXPECT_TRUE(loadedConsistently(back));
            expectSameCells(cellMap(back.sheet), lastWins(sheet));
            // The file reads the same whatever the reader's settings.
            expectSameCells(cellMap(readCsv(bytes, locale == polish ? english : polish).sheet), lastWins(sheet));
        }
    }
}

// LibreOffice opens our Polish and our English file (texts in quotes are texts), saves them as
// CSV again with all texts quoted, and every cell reads back exactly. LibreOffice keeps 15
// significant digits, so the numbers here have at most 15, and it drops the sign of -0 and
// turns CR LF inside a text into LF, so the sheet holds neither.
TEST(CsvFormat, SurvivesARoundTripThroughLibreOffice)
{
    const QString office = officeProgram();
    if (office.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";

    struct Convention {
        QLocale locale;
        const char* separator;
        const char* language;
        const char* localeSetting;
    };
    for (const Convention& c : {Convention{polish, "59", "1045", "pl-PL"}, Convention{english, "44", "1033", "en-US"}}) {
        SCOPED_TRACE(c.localeSetting);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        // The profile's locale setting gives LibreOffice its decimal separator on export.
        const QString profile = dir.filePath(QStringLiteral("profile"));
        QDir().mkpath(profile + "/user");
        QFile settings(profile + "/user/registrymodifications.xcu");
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<oor:items "
                                  "xmlns:oor=\"http://openoffice.org/2001/registry\" "
                                  "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                                  "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
                                  "<item oor:path=\"/org.openoffice.Setup/L10N\"><prop oor:name=\"ooSetupSystemLocale\" "
                                  "oor:op=\"fuse\"><value>")
                       + c.localeSetting + "</value></prop></item>\n</oor:items>\n");
        settings.close();

        const SheetCells sheet = randomSheet(11, true);
        QFile f(dir.filePath(QStringLiteral("dane.csv")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(writeCsv(sheet, c.locale));
        f.close();

        // Separator, quote, UTF-8, from line 1, no column formats, language, quoted fields as
        // texts, no special numbers (dates) on import; on export all texts quoted.
        const QString options = QStringLiteral("%1,34,76,1,,%2").arg(QLatin1String(c.separator), QLatin1String(c.language));
        const QString failure = convertWithOffice(
            office, profile, f.fileName(),
            QStringLiteral("csv:Text - txt - csv (StarCalc):") + options + QStringLiteral(",true,true,false"),
            dir.filePath(QStringLiteral("out")),
            {QStringLiteral("--infilter=CSV:") + options + QStringLiteral(",true,false")});
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();

        const QByteArray saved = fileBytes(dir.filePath(QStringLiteral("out/dane.csv")));
        ASSERT_FALSE(saved.isEmpty());
        const SheetLoadResult back = readCsv(saved, c.locale);
        ASSERT_TRUE(back.ok) << back.error.toStdString();
        expectSameCells(cellMap(back.sheet), lastWins(sheet));
    }
}

} // namespace
