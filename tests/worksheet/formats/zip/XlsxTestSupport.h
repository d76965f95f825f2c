#pragma once
// Shared helpers of the .xlsx tests: the reference folder, and workbooks built part by part so a
// test can say exactly which XML the reader meets.
#include "worksheet/formats/xls/XlsTestSupport.h"
#include "worksheet/formats/zip/ZipPackage.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace tallox::xlsx::testing {

using namespace tallox::xls::testing;

// Workbooks saved by LibreOffice, with their expected cells (tests/data/xlsx).
inline QString xlsxReferenceDir() { return QStringLiteral(TALLOX_TESTS_DIR "/data/xlsx"); }

inline const char* const defaultWorkbook =
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<sheets><sheet name="Dane" sheetId="1" r:id="rId1"/></sheets></workbook>)";

inline const char* const defaultWorkbookRels =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>)"
    R"(</Relationships>)";

inline const char* const defaultRootRels =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
    R"(</Relationships>)";

// The rows of a worksheet part: `rows` goes inside <sheetData>.
inline QByteArray sheetXml(const QByteArray& rows)
{
    return R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)"
           + rows + "</sheetData></worksheet>";
}

// A shared string table of the given <si> elements.
inline QByteArray stringsXml(const QByteArray& items)
{
    return R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)" + items + "</sst>";
}

// A workbook package; a part given as an empty array is left out.
struct PackageParts {
    QByteArray sheet;
    QByteArray strings;
    QByteArray workbook = defaultWorkbook;
    QByteArray workbookRels = defaultWorkbookRels;
    QByteArray rootRels = defaultRootRels;
    QString sheetName = QStringLiteral("xl/worksheets/sheet1.xml");
};

inline QByteArray package(const PackageParts& p)
{
    std::vector<zip::ZipPart> parts;
    const auto add = [&](const QString& name, const QByteArray& bytes) {
        if (!bytes.isEmpty())
            parts.push_back({name, bytes});
    };
    add(QStringLiteral("_rels/.rels"), p.rootRels);
    add(QStringLiteral("xl/workbook.xml"), p.workbook);
    add(QStringLiteral("xl/_rels/workbook.xml.rels"), p.workbookRels);
    add(p.sheetName, p.sheet);
    add(QStringLiteral("xl/sharedStrings.xml"), p.strings);
    return zip::writeZip(parts);
}

inline QByteArray package(const QByteArray& rows, const QByteArray& strings = {})
{
    PackageParts p;
    p.sheet = sheetXml(rows);
    p.strings = strings;
    return package(p);
}

inline CellValue numberValue(double v) { return {SheetCell::Kind::Number, std::bit_cast<std::uint64_t>(v), {}}; }
inline CellValue textValue(const QString& t) { return {SheetCell::Kind::Text, 0, t}; }

} // namespace tallox::xlsx::testing
