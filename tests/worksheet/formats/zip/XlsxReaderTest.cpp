// Workbooks saved by LibreOffice load exactly as their expected cell lists say, and workbooks
// written the ways Excel and other programs write them load as a user would expect.
#include "worksheet/formats/zip/XlsxFile.h"
#include "worksheet/formats/zip/XlsxTestSupport.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <charconv>
#include <string>

using namespace tallox;
using namespace tallox::xlsx;
using namespace tallox::xlsx::testing;

namespace {

CellMap expectedCells(const QString& name)
{
    return expectedCellsFile(xlsxReferenceDir() + "/" + name + ".expected.tsv");
}

void expectCells(const CellMap& got, const CellMap& expected)
{
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
    for (const auto& [at, value] : got)
        EXPECT_TRUE(expected.count(at)) << "unexpected cell " << at.first << "," << at.second << " "
                                        << describe(value);
}

class XlsxReferenceWorkbook : public ::testing::TestWithParam<const char*> {};

TEST_P(XlsxReferenceWorkbook, LoadsExactlyTheExpectedCellsOfItsFirstSheet)
{
    const QString name = QString::fromLatin1(GetParam());
    const QByteArray bytes = fileBytes(xlsxReferenceDir() + "/" + name + ".xlsx");
    ASSERT_FALSE(bytes.isEmpty()) << "missing reference file " << name.toStdString();

    const zip::WorkbookReadResult result = readXlsx(bytes);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_FALSE(result.outsideSheet);
    int duplicates = 0;
    const CellMap got = cellMap(result.sheet, &duplicates);
    EXPECT_EQ(duplicates, 0);
    const CellMap expected = expectedCells(name);
    ASSERT_FALSE(expected.empty());
    expectCells(got, expected);
}

INSTANTIATE_TEST_SUITE_P(SavedByLibreOffice, XlsxReferenceWorkbook,
                         ::testing::Values("lo-values", "lo-formulas", "lo-twosheets", "lo-longtext",
                                           "lo-full"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

const char* const worksheetType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";

struct Crafted {
    const char* what;
    PackageParts parts;
    CellMap expected;
    bool outside = false;
};

PackageParts withSheet(const QByteArray& rows, const QByteArray& strings = {})
{
    PackageParts p;
    p.sheet = sheetXml(rows);
    p.strings = strings;
    return p;
}

std::vector<Crafted> craftedWorkbooks()
{
    std::vector<Crafted> cases;
    const auto n = [](double v) { return numberValue(v); };
    const auto t = [](const char* s) { return textValue(QString::fromUtf8(s)); };

    cases.push_back({"every kind of value, as Excel writes them",
                     withSheet(R"(<row r="1"><c r="A1" t="s"><v>1</v></c><c r="B1" t="inlineStr"><is><t>wpisany</t></is></c>)"
                               R"(<c r="C1" t="b"><v>1</v></c><c r="D1" t="b"><v>0</v></c><c r="E1" t="e"><v>#DIV/0!</v></c>)"
                               R"(<c r="F1" t="str"><f>"a"&amp;"b"</f><v>ab</v></c><c r="G1"><f>1/3</f><v>0.33333333333333331</v></c>)"
                               R"(<c r="H1" s="3"><v>-1.25E-007</v></c><c r="I1" t="n"><v> 42 </v></c><c r="J1" s="2"/>)"
                               R"(<c r="K1"><f>A1</f></c><c r="L1" t="str"><v></v></c></row>)",
                               stringsXml("<si><t>zero</t></si><si><t>Długość</t></si>")),
                     {{{1, 1}, t("Długość")}, {{1, 2}, t("wpisany")}, {{1, 3}, t("PRAWDA")}, {{1, 4}, t("FAŁSZ")},
                      {{1, 5}, t("#DIV/0!")}, {{1, 6}, t("ab")}, {{1, 7}, n(1.0 / 3.0)}, {{1, 8}, n(-1.25e-7)},
                      {{1, 9}, n(42)}}});
    cases.push_back({"rich text runs joined, phonetic hints left out, escapes decoded, blanks kept",
                     withSheet(R"(<row r="2"><c r="B2" t="s"><v>0</v></c><c r="C2" t="s"><v>1</v></c><c r="D2" t="s"><v>2</v></c></row>)",
                               stringsXml(R"(<si><r><rPr><b/></rPr><t>Pomiar </t></r><r><t xml:space="preserve"> 1</t></r><rPh sb="0" eb="1"><t>ソ</t></rPh></si>)"
                                          R"(<si><t xml:space="preserve">  wiersz_x000D_
drugi	z tabem </t></si>)"
                                          R"(<si><t>_x005F_x000D_ i _x0001_ i _xZZZZ_</t></si>)")),
                     {{{2, 2}, t("Pomiar  1")}, {{2, 3}, t("  wiersz\r\ndrugi\tz tabem ")},
                      {{2, 4}, textValue(QStringLiteral("_x000D_ i ") + QChar(1) + QStringLiteral(" i _xZZZZ_"))}}});
    cases.push_back({"cells and rows without references follow one another",
                     withSheet(R"(<row><c><v>1</v></c><c><v>2</v></c></row><row r="4"><c><v>3</v></c><c r="D4"><v>4</v></c><c><v>5</v></c></row><row><c><v>6</v></c></row>)"),
                     {{{1, 1}, n(1)}, {{1, 2}, n(2)}, {{4, 1}, n(3)}, {{4, 4}, n(4)}, {{4, 5}, n(5)}, {{5, 1}, n(6)}}});
    cases.push_back({"dates as serial numbers, the 1900 leap-year slip included; a date before 1900 as its text",
                     withSheet(R"(<row r="1"><c r="A1" t="d"><v>2024-03-15T12:00:00</v></c><c r="B1" t="d"><v>1900-01-01</v></c>)"
                               R"(<c r="C1" t="d"><v>1900-03-01</v></c><c r="D1" t="d"><v>06:00:00</v></c><c r="E1" t="d"><v>1850-01-01</v></c></row>)"),
                     {{{1, 1}, n(45366.5)}, {{1, 2}, n(1)}, {{1, 3}, n(61)}, {{1, 4}, n(0.25)}, {{1, 5}, t("1850-01-01")}}});
    {
        PackageParts p = withSheet(R"(<row r="1"><c r="A1" t="d"><v>1904-01-02</v></c></row>)");
        p.workbook = QByteArray(defaultWorkbook).replace("<sheets>", R"(<workbookPr date1904="1"/><sheets>)");
        cases.push_back({"dates of a workbook counting from 1904", p, {{{1, 1}, n(1)}}});
    }
    cases.push_back({"numbers beyond a double: too large shows #NUM!, too small reads as zero of its sign",
                     withSheet(R"(<row r="1"><c r="A1"><v>1e999</v></c><c r="B1"><v>-1E-400</v></c><c r="C1"><v>4.9406564584124654E-324</v></c><c r="D1"><v>-0</v></c></row>)"),
                     {{{1, 1}, t("#NUM!")}, {{1, 2}, n(-0.0)}, {{1, 3}, n(4.9406564584124654e-324)}, {{1, 4}, n(-0.0)}}});
    cases.push_back({"cells beyond row 200 or column Z are left out and reported; styled empty ones are not",
                     withSheet(R"(<row r="200"><c r="Z200"><v>1</v></c><c r="AA200"><v>2</v></c></row><row r="201"><c r="A201" s="1"/></row>)"
                               R"(<row r="1048576"><c r="XFD1048576" t="s"><v>0</v></c></row>)",
                               stringsXml("<si><t>daleko</t></si>")),
                     {{{200, 26}, n(1)}}, true});
    cases.push_back({"only empty-looking cells beyond the sheet: nothing reported",
                     withSheet(R"(<row r="1"><c r="A1"><v>1</v></c><c r="AB1" s="4"/></row><row r="300"><c r="B300" t="str"><v></v></c></row>)"),
                     {{{1, 1}, n(1)}}, false});
    cases.push_back({"a later cell at the same place replaces the earlier one",
                     withSheet(R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="A1"><v>7</v></c><c r="B1"><v>1</v></c><c r="B1" t="s"><v>0</v></c></row>)",
                               stringsXml("<si><t>tekst</t></si>")),
                     {{{1, 1}, n(7)}, {{1, 2}, t("tekst")}}});
    {
        // The first sheet in the workbook's order, not the part called sheet1; a chart sheet
        // before it is passed over; targets absolute and relative with "..".
        PackageParts p = withSheet(R"(<row r="1"><c r="A1"><v>2</v></c></row>)");
        p.sheetName = QStringLiteral("xl/worksheets/sheet2.xml");
        p.workbook = QByteArray(defaultWorkbook)
                         .replace(R"(<sheet name="Dane" sheetId="1" r:id="rId1"/>)",
                                  R"(<sheet name="Wykres" sheetId="3" r:id="rId3"/><sheet name="Drugi" sheetId="2" r:id="rId7"/><sheet name="Dane" sheetId="1" r:id="rId1"/>)");
        p.workbookRels = QByteArray(R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)")
                         + R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/chartsheet" Target="chartsheets/sheet1.xml"/>)"
                         + R"(<Relationship Id="rId1" Type=")" + worksheetType + R"(" Target="/xl/worksheets/sheet1.xml"/>)"
                         + R"(<Relationship Id="rId7" Type=")" + worksheetType + R"(" Target="../xl/worksheets/sheet2.xml"/>)"
                         + "</Relationships>";
        cases.push_back({"the first worksheet in workbook order, wherever its part is", p, {{{1, 1}, n(2)}}});
    }
    {
        // The Strict flavour: other namespaces, the same names.
        PackageParts p = withSheet(R"(<row r="2"><c r="B2"><v>2.5</v></c></row>)");
        const QByteArray strictRels = "http://purl.oclc.org/ooxml/officeDocument/relationships";
        p.sheet.replace("http://schemas.openxmlformats.org/spreadsheetml/2006/main", "http://purl.oclc.org/ooxml/spreadsheetml/main");
        p.workbook = QByteArray(defaultWorkbook)
                         .replace("http://schemas.openxmlformats.org/spreadsheetml/2006/main", "http://purl.oclc.org/ooxml/spreadsheetml/main")
                         .replace("http://schemas.openxmlformats.org/officeDocument/2006/relationships", strictRels);
        p.workbookRels.replace("http://schemas.openxmlformats.org/officeDocument/2006/relationships", strictRels);
        p.rootRels.replace("http://schemas.openxmlformats.org/officeDocument/2006/relationships", strictRels);
        cases.push_back({"a Strict workbook", p, {{{2, 2}, n(2.5)}}});
    }
    {
        // No package relationships at all: the workbook is where every writer puts it.
        PackageParts p = withSheet(R"(<row r="3"><c r="C3" t="inlineStr"><is><r><t>a</t></r><r><t>b</t></r></is></c></row>)");
        p.rootRels.clear();
        cases.push_back({"no package relationships", p, {{{3, 3}, t("ab")}}});
    }
    return cases;
}

TEST(XlsxReader, ReadsWorkbooksAsTheirWritersMeantThem)
{
    for (const Crafted& c : craftedWorkbooks()) {
        SCOPED_TRACE(c.what);
        const zip::WorkbookReadResult result = readXlsx(package(c.parts));
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_TRUE(loadedConsistently(result));
        EXPECT_EQ(result.outsideSheet, c.outside);
        expectCells(cellMap(result.sheet), c.expected);
    }
}

} // namespace
