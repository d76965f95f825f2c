// The .ods reader: spreadsheets saved by LibreOffice load exactly as their expected cell lists
// say; crafted and damaged packages are refused with a reason or read soundly.
#include "worksheet/formats/xls/XlsTestSupport.h"
#include "worksheet/formats/zip/OdsFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <string>
#include <variant>

using namespace tallox;
using namespace tallox::ods;
using tallox::xls::testing::CellMap;
using tallox::xls::testing::CellValue;
using tallox::xls::testing::cellMap;
using tallox::xls::testing::describe;
using tallox::xls::testing::expectedCellsFile;
using tallox::xls::testing::fileBytes;
using tallox::xls::testing::loadedConsistently;

namespace {

QString referencePath(const QString& name) { return QStringLiteral(TALLOX_TESTS_DIR "/data/ods/") + name; }

CellMap expectedCells(const QString& name)
{
    return expectedCellsFile(referencePath(name + ".expected.tsv"));
}

class ReferenceSpreadsheet : public ::testing::TestWithParam<const char*> {};

TEST_P(ReferenceSpreadsheet, LoadsExactlyTheExpectedCellsOfItsFirstTable)
{
    const QString name = QString::fromLatin1(GetParam());
    const QByteArray bytes = fileBytes(referencePath(name + ".ods"));
    ASSERT_FALSE(bytes.isEmpty()) << "missing reference file " << name.toStdString();

    const zip::WorkbookReadResult result = readOds(bytes);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(loadedConsistently(result));
    EXPECT_FALSE(result.outsideSheet);
    const CellMap got = cellMap(result.sheet);
    const CellMap expected = expectedCells(name);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(got.size(), expected.size());
    for (const auto& [at, value] : expected) {
        const auto it = got.find(at);
        if (it == got.end()) {
            ADD_FAILURE() << "cell " << at.first << "," << at.second << " missing";
            continue;
        }
        EXPECT_EQ(it->second, value) << "cell " << at.first << "," << at.second << ": got "
                                     << describe(it->second) << ", expected " << describe(value);
    }
}

INSTANTIATE_TEST_SUITE_P(LibreOffice, ReferenceSpreadsheet,
                         ::testing::Values("lo-values", "lo-formulas", "lo-twosheets", "lo-longtext",
                                           "lo-full"));

// --- crafted packages ------------------------------------------------------------------------

const char* const spreadsheetType = "application/vnd.oasis.opendocument.spreadsheet";

QByteArray package(const QByteArray& content, const QByteArray& mimeType = spreadsheetType)
{
    std::vector<zip::ZipPart> parts;
    if (!mimeType.isEmpty())
        parts.push_back({QStringLiteral("mimetype"), mimeType, true});
    if (!content.isNull())
        parts.push_back({QStringLiteral("content.xml"), content, false});
    return zip::writeZip(parts);
}

QByteArray document(const QByteArray& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
           " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
           " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
           " xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\""
           " office:version=\"1.3\"><office:body>"
           + body + "</office:body></office:document-content>";
}

QByteArray sheet(const QByteArray& rows)
{
    return package(document("<office:spreadsheet><table:table table:name=\"A\">"
                            "<table:table-column table:number-columns-repeated=\"16384\"/>"
                            + rows + "</table:table></office:spreadsheet>"));
}

QByteArray row(const QByteArray& cells, const QByteArray& attributes = {})
{
    return "<table:table-row " + attributes + ">" + cells + "</table:table-row>";
}

QByteArray number(const QByteArray& value, const QByteArray& attributes = {})
{
    return "<table:table-cell office:value-type=\"float\" office:value=\"" + value + "\" " + attributes
           + "/>";
}

QByteArray textCell(const QByteArray& inner, const QByteArray& attributes = {})
{
    return "<table:table-cell office:value-type=\"string\" " + attributes + ">" + inner
           + "</table:table-cell>";
}

using Value = std::variant<double, QString>;

struct Expected {
    int row;
    int col;
    Value value;
};

struct Crafted {
    const char* what;
    QByteArray bytes;
    bool ok;
    QString reason;  // refused: a part of the reason; read: unused
    int cells = -1;  // read: how many cells, -1 when the spot checks are all of them
    std::vector<Expected> spots = {};
    bool outside = false;
    OdsReadLimits limits = {};
};

std::vector<Crafted> craftedInputs()
{
    const QByteArray small = writeOds(SheetCells{{{1, 1, SheetCell::Kind::Number, 1.5, {}}}});
    OdsReadLimits oneMegabyte;
    oneMegabyte.contentBytes = 1 << 20;
    OdsReadLimits shortTexts;
    shortTexts.cellText = 10;
    shortTexts.sheetText = 100;
    const QByteArray padding(3 << 20, ' ');
    const QByteArray damaged = "jest uszkodzony";
    return {
        {"no zip at all", "To nie jest arkusz.", false, QString::fromUtf8(damaged)},
        {"an archive cut in half", small.left(small.size() / 2), false, QString::fromUtf8(damaged)},
        {"no content.xml", package(QByteArray()), false, QStringLiteral("content.xml")},
        {"a text document", package(document("<office:text/>"), "application/vnd.oasis.opendocument.text"),
         false, QStringLiteral("application/vnd.oasis.opendocument.text")},
        {"a text document without mimetype", package(document("<office:text><text:p>a</text:p></office:text>"), {}),
         false, QStringLiteral("innym dokumentem")},
        {"a spreadsheet without a table", package(document("<office:spreadsheet/>")), false,
         QStringLiteral("W pliku brakuje arkusza.")},
        {"not XML", package("<office:document-content><<"), false, QString::fromUtf8(damaged)},
        {"an entity declaration", package("<!DOCTYPE x [<!ENTITY a \"aaaa\">]>" + document("")), false,
         QString::fromUtf8(damaged)},
        {"a repeat count of zero", sheet(row(number("1", "table:number-columns-repeated=\"0\""))), false,
         QStringLiteral("liczba powtórzeń")},
        {"a negative repeat count", sheet(row(number("1"), "table:number-rows-repeated=\"-1\"")), false,
         QStringLiteral("liczba powtórzeń")},
        {"content.xml beyond the bound (a deflate bomb)",
         package(document("<office:spreadsheet>" + padding + "</office:spreadsheet>")), false,
         QStringLiteral("content.xml jest większa"), -1, {}, false, oneMegabyte},
        {"a cell text beyond the bound", sheet(row(textCell("<text:p>12345678901</text:p>"))), false,
         QStringLiteral("A1 jest dłuższy niż 10"), -1, {}, false, shortTexts},
        {"a cell text of blanks beyond the bound",
         sheet(row("<table:table-cell/>" + textCell("<text:p>a<text:s text:c=\"99999999999999999999\"/></text:p>"))),
         false, QStringLiteral("B1"), -1, {}, false, shortTexts},
        {"texts repeated beyond the bound",
         sheet(row(textCell("<text:p>123456789</text:p>", "table:number-columns-repeated=\"26\""))), false,
         QStringLiteral("Teksty arkusza"), -1, {}, false, shortTexts},
        {"a non-empty row repeated 2^31 times",
         sheet(row(number("2"), "table:number-rows-repeated=\"2147483648\"")), true, {}, 200,
         {{1, 1, 2.0}, {200, 1, 2.0}}, true},
        {"a non-empty cell repeated 10^9 times",
         sheet(row(number("3", "table:number-columns-repeated=\"1000000000\""))), true, {}, 26,
         {{1, 1, 3.0}, {1, 26, 3.0}}, true},
        {"a repeat count past 64 bits",
         sheet(row(number("3", "table:number-columns-repeated=\"99999999999999999999999\""))), true, {},
         26, {{1, 26, 3.0}}, true},
        {"a million empty rows, then a cell beyond the sheet",
         sheet(row(number("4")) + row("<table:table-cell/>", "table:number-rows-repeated=\"1000000\"")
               + row(number("5"))),
         true, {}, -1, {{1, 1, 4.0}}, true},
        {"LibreOffice's empty tail", sheet(row(number("4")) + row("<table:table-cell table:number-columns-repeated=\"16384\"/>", "table:number-rows-repeated=\"1048575\"")),
         true, {}, -1, {{1, 1, 4.0}}, false},
        {"a cell beyond column Z", sheet(row("<table:table-cell table:number-columns-repeated=\"26\"/>" + number("6") + number("7"))),
         true, {}, 0, {}, true},
        {"a covered cell with content",
         sheet(row("<table:table-cell table:number-columns-spanned=\"2\" office:value-type=\"float\" office:value=\"1\"/>"
                   "<table:covered-table-cell office:value-type=\"string\"><text:p>pod spodem</text:p></table:covered-table-cell>"
                   + number("3"))),
         true, {}, -1, {{1, 1, 1.0}, {1, 2, QStringLiteral("pod spodem")}, {1, 3, 3.0}}},
        {"rows inside groups and header rows",
         sheet("<table:table-header-rows>" + row(number("1")) + "</table:table-header-rows>"
               "<table:table-row-group><table:table-row-group>" + row(number("2")) + "</table:table-row-group>"
               "<table:table-rows>" + row(number("3")) + "</table:table-rows></table:table-row-group>"),
         true, {}, -1, {{1, 1, 1.0}, {2, 1, 2.0}, {3, 1, 3.0}}},
        {"values of every type",
         sheet(row(number("1e999") + number("-1e-400") + number("-0") + number("nan") + number("INF")
                   + "<table:table-cell office:value-type=\"float\" office:value=\"inf\"><text:p>inf</text:p></table:table-cell>"
                   + number(" +.5E1 ")
                   + "<table:table-cell office:value-type=\"percentage\" office:value=\"0.25\"/>"
                   + "<table:table-cell office:value-type=\"currency\" office:currency=\"PLN\" office:value=\"12.5\"/>"
                   + "<table:table-cell office:value-type=\"date\" office:date-value=\"2024-03-15T12:00:00\"/>"
                   + "<table:table-cell office:value-type=\"date\" office:date-value=\"1899-12-30\"/>"
                   + "<table:table-cell office:value-type=\"time\" office:time-value=\"PT12H30M00S\"/>"
                   + "<table:table-cell office:value-type=\"time\" office:time-value=\"-PT36H\"/>"
                   + "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\"/>"
                   + "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"false\"/>"
                   + "<table:table-cell office:value-type=\"date\" office:date-value=\"2023-02-30\"/>")),
         true, {}, -1,
         {{1, 1, QStringLiteral("#NUM!")}, {1, 2, -0.0}, {1, 3, -0.0}, {1, 4, QStringLiteral("#VALUE!")},
          {1, 5, QStringLiteral("#VALUE!")}, {1, 6, QStringLiteral("inf")}, {1, 7, 5.0}, {1, 8, 0.25},
          {1, 9, 12.5}, {1, 10, 45366.5}, {1, 11, 0.0}, {1, 12, 45000.0 / 86400.0}, {1, 13, -1.5},
          {1, 14, QStringLiteral("PRAWDA")}, {1, 15, QStringLiteral("FAŁSZ")}, {1, 16, QStringLiteral("#VALUE!")}}},
        {"formula results and errors",
         sheet(row("<table:table-cell table:formula=\"of:=1+1\" office:value-type=\"float\" office:value=\"2\"><text:p>2</text:p></table:table-cell>"
                   "<table:table-cell table:formula=\"of:=&quot;a&quot;\" office:value-type=\"string\" office:string-value=\"a  b\"><text:p>a b</text:p></table:table-cell>"
                   "<table:table-cell table:formula=\"of:=1/0\" office:value-type=\"string\" office:string-value=\"\" calcext:value-type=\"error\"><text:p>#DIV/0!</text:p></table:table-cell>"
                   "<table:table-cell table:formula=\"of:=&quot;&quot;\" office:value-type=\"string\" office:string-value=\"\"><text:p/></table:table-cell>")),
         true, {}, -1, {{1, 1, 2.0}, {1, 2, QStringLiteral("a  b")}, {1, 3, QStringLiteral("#DIV/0!")}}},
        {"texts as LibreOffice reads them: blanks kept, spans, comments and shapes",
         sheet(row(textCell("<office:annotation><text:p>komentarz</text:p></office:annotation>"
                            "<text:p>  a \n\t b  <text:span>c<text:s text:c=\"3\"/>d</text:span><text:tab/>e<text:line-break/>f </text:p>"
                            "<text:p/><text:p><text:a>ł<text:s/></text:a></text:p>")
                   + "<table:table-cell><text:p>bez typu</text:p></table:table-cell>"
                   + textCell("<text:p>   </text:p>")
                   + textCell("<text:p>x</text:p><draw:frame xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\"><draw:text-box><text:p>ramka</text:p></draw:text-box></draw:frame>"))),
         true, {}, -1,
         {{1, 1, QStringLiteral("  a \n\t b  c   d\te\nf \n\nł ")}, {1, 2, QStringLiteral("bez typu")},
          {1, 3, QStringLiteral("   ")}, {1, 4, QStringLiteral("x")}}},
        {"a string value with a carriage return", sheet(row(textCell("", "office:string-value=\"a&#13;&#10;b&#13;c\""))),
         true, {}, -1, {{1, 1, QStringLiteral("a\nb\nc")}}},
        {"a repeated text in a repeated row",
         sheet(row(textCell("<text:p>t</text:p>", "table:number-columns-repeated=\"2\""), "table:number-rows-repeated=\"2\"")),
         true, {}, -1, {{1, 1, QStringLiteral("t")}, {1, 2, QStringLiteral("t")}, {2, 1, QStringLiteral("t")}, {2, 2, QStringLiteral("t")}}},
        {"no mimetype part", package(document("<office:spreadsheet><table:table>" + row(number("8")) + "</table:table></office:spreadsheet>"), {}),
         true, {}, -1, {{1, 1, 8.0}}},
        {"deeply nested spans",
         sheet(row(textCell("<text:p>" + QByteArray("<text:span>").repeated(20000) + "g"
                            + QByteArray("</text:span>").repeated(20000) + "</text:p>"))),
         true, {}, -1, {{1, 1, QStringLiteral("g")}}},
    };
}

CellValue valueOf(const Value& v)
{
    if (const double* d = std::get_if<double>(&v))
        return {SheetCell::Kind::Number, std::bit_cast<std::uint64_t>(*d), {}};
    return {SheetCell::Kind::Text, 0, std::get<QString>(v)};
}

TEST(OdsCraftedInputs, AreRefusedWithAReasonOrReadSoundly)
{
    for (const Crafted& c : craftedInputs()) {
        SCOPED_TRACE(c.what);
        const zip::WorkbookReadResult r = readOds(c.bytes, c.limits);
        ASSERT_EQ(r.ok, c.ok) << r.error.toStdString();
        EXPECT_TRUE(loadedConsistently(r));
        if (!c.ok) {
            EXPECT_TRUE(r.error.contains(c.reason)) << r.error.toStdString();
            EXPECT_TRUE(r.sheet.cells.empty());
            continue;
        }
        EXPECT_EQ(r.outsideSheet, c.outside);
        const CellMap got = cellMap(r.sheet);
        EXPECT_EQ(int(got.size()), c.cells >= 0 ? c.cells : int(c.spots.size()));
        for (const Expected& e : c.spots) {
            const auto it = got.find({e.row, e.col});
            ASSERT_NE(it, got.end()) << e.row << "," << e.col;
            EXPECT_EQ(it->second, valueOf(e.value)) << e.row << "," << e.col << ": got " << describe(it->second)
                                                    << ", expected " << describe(valueOf(e.value));
        }
    }
}

// Inputs the fuzzer once found harmful stay in the corpus folder; each must give a clean answer
// and what loads must survive our own save.
TEST(OdsCorpus, EveryKeptInputReadsWithoutHarm)
{
    const QDir corpus(QStringLiteral(TALLOX_TESTS_DIR "/worksheet/formats/corpus/ods"));
    const QStringList names = corpus.entryList(QDir::Files);
    EXPECT_FALSE(names.isEmpty()) << "the kept inputs are missing";
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const zip::WorkbookReadResult first = readOds(fileBytes(corpus.filePath(name)));
        EXPECT_TRUE(loadedConsistently(first));
        if (first.ok) {
            const zip::WorkbookReadResult second = readOds(writeOds(first.sheet));
            ASSERT_TRUE(second.ok) << second.error.toStdString();
            EXPECT_EQ(cellMap(second.sheet), cellMap(first.sheet));
        }
    }
}

} // namespace
