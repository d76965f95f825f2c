// Damaged and crafted workbooks: each is refused with a Polish reason or read soundly, never a
// crash, a hang, or memory beyond the bounds; kept fuzzer findings included.
#include "worksheet/formats/zip/XlsxFile.h"
#include "worksheet/formats/zip/XlsxTestSupport.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QElapsedTimer>

using namespace tallox;
using namespace tallox::xlsx;
using namespace tallox::xlsx::testing;

namespace {

struct Damaged {
    const char* what;
    QByteArray bytes;
    const char* reason;  // a part of the expected reason
};

// A package whose workbook is only where its root relationships say.
QByteArray withRootRels(const QByteArray& rels)
{
    PackageParts p;
    p.sheet = sheetXml(R"(<row r="1"><c r="A1"><v>1</v></c></row>)");
    p.rootRels = rels;
    p.workbook.clear();
    return package(p);
}

std::vector<Damaged> damagedWorkbooks()
{
    const QByteArray good = package(R"(<row r="1"><c r="A1" t="s"><v>0</v></c></row>)", stringsXml("<si><t>x</t></si>"));
    std::vector<Damaged> cases;
    cases.push_back({"not a zip at all", QByteArray("PK\x03\x04 to nie jest archiwum"), "jest uszkodzony"});
    cases.push_back({"an archive cut short", good.left(good.size() * 2 / 3), "jest uszkodzony"});
    {
        QByteArray flipped = good;  // a byte of the central directory's signature changed
        flipped[flipped.lastIndexOf("PK\x01\x02") + 2] = 'X';
        cases.push_back({"a damaged central directory", flipped, "uszkodzony"});
    }
    cases.push_back({"an archive of something else",
                     zip::writeZip({{QStringLiteral("word/document.xml"), QByteArray("<w/>")}}),
                     "nie zawiera skoroszytu Excela"});
    {
        PackageParts p;
        p.sheet = sheetXml("");
        p.workbook = R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheets/></workbook>)";
        cases.push_back({"a workbook without sheets", package(p), "nie zawiera arkusza"});
    }
    {
        PackageParts p;
        p.sheet = sheetXml("");
        p.sheetName = QStringLiteral("xl/worksheets/inny.xml");
        cases.push_back({"the sheet's part missing", package(p), "brakuje arkusza xl/worksheets/sheet1.xml"});
    }
    {
        PackageParts p;
        p.sheet = sheetXml("");
        p.workbookRels.clear();
        cases.push_back({"no workbook relationships", package(p), "nie zawiera arkusza"});
    }
    cases.push_back({"a target leaving the package",
                     withRootRels(R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="a" Type="x/officeDocument" Target="../../etc/passwd"/></Relationships>)"),
                     "nie zawiera skoroszytu Excela"});
    cases.push_back({"relationships that are no XML", withRootRels("<Relationships><oops"), "_rels/.rels skoroszytu jest uszkodzona"});
    cases.push_back({"sheet XML cut in the middle", package(R"(<row r="1"><c r="A1"><v>1</v></c></row><row r="2"><c r="A)"),
                     "sheet1.xml skoroszytu jest uszkodzona"});
    for (const char* ref : {"A0", "1A", "XFE1", "A1048577", "AAAA1", "A01", "A-1", "Ą1", "A99999999999"})
        cases.push_back({"a bad cell reference", package(QByteArray(R"(<row><c r=")") + ref + R"("><v>1</v></c></row>)"),
                         "błędny adres komórki"});
    cases.push_back({"a bad row number", package(R"(<row r="0"><c><v>1</v></c></row>)"), "błędny numer wiersza"});
    cases.push_back({"a row beyond the last one", package(R"(<row r="1048577"><c><v>1</v></c></row>)"), "błędny numer wiersza"});
    cases.push_back({"a cell beyond column XFD by counting",
                     package(R"(<row r="1"><c r="XFD1"><v>1</v></c><c><v>2</v></c></row>)"), "poza obszarem arkusza"});
    cases.push_back({"a number that is no number", package(R"(<row r="1"><c r="B1"><v>1,5</v></c></row>)"), "B1 ma uszkodzoną wartość"});
    cases.push_back({"a number written as infinity", package(R"(<row r="1"><c r="B1"><v>inf</v></c></row>)"), "B1 ma uszkodzoną wartość"});
    cases.push_back({"a boolean that is neither", package(R"(<row r="1"><c r="C1" t="b"><v>2</v></c></row>)"), "C1 ma uszkodzoną wartość"});
    cases.push_back({"an unknown type of value", package(R"(<row r="1"><c r="C1" t="x"><v>2</v></c></row>)"), "C1 ma uszkodzoną wartość"});
    cases.push_back({"a shared string beyond the table",
                     package(R"(<row r="1"><c r="A1" t="s"><v>3</v></c></row>)", stringsXml("<si><t>x</t></si>")),
                     "odwołuje się do tekstu"});
    cases.push_back({"a shared string beyond the table, outside the sheet",
                     package(R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="AZ1" t="s"><v>5</v></c></row>)",
                             stringsXml("<si><t>x</t></si>")),
                     "odwołuje się do tekstu"});
    cases.push_back({"a shared string index that is no index",
                     package(R"(<row r="1"><c r="A1" t="s"><v>-1</v></c></row>)", stringsXml("<si><t>x</t></si>")),
                     "odwołuje się do tekstu"});
    cases.push_back({"a shared string index beyond 32 bits",
                     package(R"(<row r="1"><c r="A1" t="s"><v>99999999999</v></c></row>)", stringsXml("<si><t>x</t></si>")),
                     "odwołuje się do tekstu"});
    cases.push_back({"shared strings missing", package(R"(<row r="1"><c r="A1" t="s"><v>0</v></c></row>)"),
                     "brakuje tekstów arkusza"});
    return cases;
}

TEST(XlsxDamaged, EachIsRefusedWithAReason)
{
    for (const Damaged& c : damagedWorkbooks()) {
        SCOPED_TRACE(c.what);
        const zip::WorkbookReadResult result = readXlsx(c.bytes);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.sheet.cells.empty());
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.reason))) << result.error.toStdString();
    }
}

// A huge declared count allocates nothing: only the strings the sheet shows are kept.
TEST(XlsxDamaged, DeclaredCountsAreNotTrusted)
{
    const QByteArray bytes = package(R"(<row r="1"><c r="A1" t="s"><v>1</v></c></row>)",
                                     R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="4294967295" uniqueCount="4294967295">)"
                                     "<si><t>a</t></si><si><t>b</t></si></sst>");
    const zip::WorkbookReadResult result = readXlsx(bytes);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(cellMap(result.sheet), (CellMap{{{1, 1}, textValue(QStringLiteral("b"))}}));
}

// Parts that inflate beyond what a sheet could need are refused while inflating: a sheet of
// 100 MB of blanks (compressed to some 100 kB), and a shared string table of the same kind.
TEST(XlsxDamaged, InflationBombsAreRefusedAtTheBound)
{
    const QByteArray blanks(100 << 20, ' ');
    PackageParts sheetBomb;
    sheetBomb.sheet = sheetXml(R"(<row r="1"><c r="A1"><v>1</v></c></row>)").replace("<sheetData>", "<sheetData>" + blanks);
    PackageParts stringsBomb;
    stringsBomb.sheet = sheetXml(R"(<row r="1"><c r="A1" t="s"><v>1</v></c></row>)");
    stringsBomb.strings = stringsXml("<si><t>a</t></si>" + blanks + "<si><t>b</t></si>");
    for (const PackageParts* p : {&sheetBomb, &stringsBomb}) {
        const QByteArray bytes = package(*p);
        ASSERT_LT(bytes.size(), 2 << 20);
        QElapsedTimer timer;
        timer.start();
        const zip::WorkbookReadResult result = readXlsx(bytes);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(QStringLiteral("jest większa, niż może być"))) << result.error.toStdString();
        EXPECT_LT(timer.elapsed(), 20000);
    }
}

// The reading ends at the first value below row 200: a sheet of a million rows reads as fast as
// one of two hundred, and a damaged part far below is never reached.
TEST(XlsxDamaged, ReadingStopsBelowTheSheet)
{
    QByteArray rows;
    for (int r = 1; r <= 300; ++r)
        rows += QStringLiteral(R"(<row r="%1"><c r="A%1"><v>%1</v></c></row>)").arg(r).toUtf8();
    rows += R"(<row r="1000"><c r="A1000" t="b"><v>damaged</v></c></row>)";
    const zip::WorkbookReadResult result = readXlsx(package(rows));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.outsideSheet);
    EXPECT_EQ(result.sheet.cells.size(), 200u);
}

// Inputs that once crashed or misled the reader (kept by scripts/fuzz) give a clean answer, and
// what they load survives a save and a second load.
TEST(XlsxDamaged, KeptFuzzerInputsReadSoundly)
{
    QDirIterator files(QStringLiteral(TALLOX_TESTS_DIR "/worksheet/formats/corpus/xlsx"), QDir::Files);
    while (files.hasNext()) {
        const QString file = files.next();
        SCOPED_TRACE(file.toStdString());
        const zip::WorkbookReadResult first = readXlsx(fileBytes(file));
        EXPECT_TRUE(loadedConsistently(first));
        if (!first.ok)
            continue;
        const zip::WorkbookReadResult second = readXlsx(writeXlsx(first.sheet));
        ASSERT_TRUE(second.ok) << second.error.toStdString();
        EXPECT_EQ(cellMap(second.sheet), cellMap(first.sheet));
    }
}

} // namespace
