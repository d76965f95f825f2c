// Writing an Office Open XML workbook of one worksheet ("Arkusz1"): the smallest package Excel
// and LibreOffice open without repairs. Numbers are written as the shortest decimal that reads
// back to the same double, texts as shared strings.
#include "worksheet/formats/zip/XlsxFile.h"

#include "worksheet/cells/CellPositions.h"
#include "worksheet/cells/SheetShape.h"
#include "worksheet/formats/zip/XlsxText.h"
#include "worksheet/formats/zip/XmlNumber.h"

#include <QHash>
#include <QXmlStreamWriter>

#include <cmath>
#include <vector>

namespace tallox::xlsx {

namespace {

const QString mainNamespace = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
const QString relNamespace = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString packageRelNamespace = QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");

// An XML part written through QXmlStreamWriter, UTF-8 with a standalone declaration.
class Part {
public:
    Part() : xml(&bytes) { xml.writeStartDocument(QStringLiteral("1.0"), true); }
    QByteArray finish()
    {
        xml.writeEndDocument();
        return xml.hasError() ? QByteArray() : bytes;
    }
    QByteArray bytes;
    QXmlStreamWriter xml;
};

QByteArray contentTypes(bool withStrings)
{
    Part p;
    p.xml.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
    p.xml.writeStartElement(QStringLiteral("Types"));
    const auto byExtension = [&](const char* ext, const char* type) {
        p.xml.writeEmptyElement(QStringLiteral("Default"));
        p.xml.writeAttribute(QStringLiteral("Extension"), QLatin1String(ext));
        p.xml.writeAttribute(QStringLiteral("ContentType"), QLatin1String(type));
    };
    const auto byPart = [&](const char* part, const char* type) {
        p.xml.writeEmptyElement(QStringLiteral("Override"));
        p.xml.writeAttribute(QStringLiteral("PartName"), QLatin1String(part));
        p.xml.writeAttribute(QStringLiteral("ContentType"), QLatin1String(type));
    };
    byExtension("rels", "application/vnd.openxmlformats-package.relationships+xml");
    byExtension("xml", "application/xml");
    byPart("/xl/workbook.xml", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");
    byPart("/xl/worksheets/sheet1.xml", "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml");
    byPart("/xl/styles.xml", "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml");
    if (withStrings)
        byPart("/xl/sharedStrings.xml", "application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml");
    byPart("/docProps/app.xml", "application/vnd.openxmlformats-officedocument.extended-properties+xml");
    p.xml.writeEndElement();
    return p.finish();
}

struct Target {
    const char* type;  // the last segment of the relationship type
    const char* target;
};

QByteArray relationships(const QString& typeBase, std::initializer_list<Target> targets)
{
    Part p;
    p.xml.writeDefaultNamespace(packageRelNamespace);
    p.xml.writeStartElement(QStringLiteral("Relationships"));
    int id = 0;
    for (const Target& t : targets) {
        p.xml.writeEmptyElement(QStringLiteral("Relationship"));
        p.xml.writeAttribute(QStringLiteral("Id"), QStringLiteral("rId%1").arg(++id));
        p.xml.writeAttribute(QStringLiteral("Type"), typeBase + QLatin1String(t.type));
        p.xml.writeAttribute(QStringLiteral("Target"), QLatin1String(t.target));
    }
    p.xml.writeEndElement();
    return p.finish();
}

QByteArray workbook()
{
    Part p;
    p.xml.writeDefaultNamespace(mainNamespace);
    p.xml.writeNamespace(relNamespace, QStringLiteral("r"));
    p.xml.writeStartElement(mainNamespace, QStringLiteral("workbook"));
    p.xml.writeStartElement(mainNamespace, QStringLiteral("sheets"));
    p.xml.writeEmptyElement(mainNamespace, QStringLiteral("sheet"));
    p.xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Arkusz1"));
    p.xml.writeAttribute(QStringLiteral("sheetId"), QStringLiteral("1"));
    p.xml.writeAttribute(relNamespace, QStringLiteral("id"), QStringLiteral("rId1"));
    p.xml.writeEndElement();
    p.xml.writeEndElement();
    return p.finish();
}

// The fewest styles Excel accepts: one font, the two fills it requires, one border, one format.
QByteArray styles()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font></fonts>"
        "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
        "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
        "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
        "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
        "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
        "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
        "</styleSheet>");
}

QByteArray appProperties()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\">"
        "<Application>Tallox</Application></Properties>");
}

// The texts of the sheet, each once, in the order the cells first show them.
struct StringTable {
    QStringList strings;
    QHash<QString, int> index;
    int uses = 0;

    int add(const QString& text)
    {
        ++uses;
        const auto found = index.constFind(text);
        if (found != index.cend())
            return *found;
        index.insert(text, int(strings.size()));
        strings << text;
        return int(strings.size()) - 1;
    }
};

// Blanks at either end or line ends inside are kept only when the text says so.
bool needsPreserve(const QString& text)
{
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; };
    return blank(text.front()) || blank(text.back()) || text.contains(u'\n') || text.contains(u'\t');
}

QByteArray sharedStrings(const StringTable& table)
{
    Part p;
    p.xml.writeDefaultNamespace(mainNamespace);
    p.xml.writeStartElement(mainNamespace, QStringLiteral("sst"));
    p.xml.writeAttribute(QStringLiteral("count"), QString::number(table.uses));
    p.xml.writeAttribute(QStringLiteral("uniqueCount"), QString::number(table.strings.size()));
    for (const QString& text : table.strings) {
        p.xml.writeStartElement(mainNamespace, QStringLiteral("si"));
        p.xml.writeStartElement(mainNamespace, QStringLiteral("t"));
        if (needsPreserve(text))
            p.xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        p.xml.writeCharacters(encodeEscapes(text));
        p.xml.writeEndElement();
        p.xml.writeEndElement();
    }
    p.xml.writeEndElement();
    return p.finish();
}

QByteArray worksheet(const std::vector<const SheetCell*>& grid, StringTable& strings)
{
    Part p;
    p.xml.writeDefaultNamespace(mainNamespace);
    p.xml.writeStartElement(mainNamespace, QStringLiteral("worksheet"));
    int lastRow = 0, lastCol = 0;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        if (grid[i]) {
            lastRow = std::max(lastRow, grid[i]->row);
            lastCol = std::max(lastCol, grid[i]->col);
        }
    }
    p.xml.writeEmptyElement(mainNamespace, QStringLiteral("dimension"));
    p.xml.writeAttribute(QStringLiteral("ref"), lastRow ? QStringLiteral("A1:") + columnLetters(lastCol)
                                                              + QString::number(lastRow)
                                                        : QStringLiteral("A1"));
    p.xml.writeStartElement(mainNamespace, QStringLiteral("sheetData"));
    for (int row = 1; row <= sheetRows; ++row) {
        bool rowOpen = false;
        for (int col = 1; col <= sheetColumns; ++col) {
            const SheetCell* cell = grid[std::size_t(row - 1) * sheetColumns + std::size_t(col - 1)];
            if (!cell)
                continue;
            if (!rowOpen) {
                p.xml.writeStartElement(mainNamespace, QStringLiteral("row"));
                p.xml.writeAttribute(QStringLiteral("r"), QString::number(row));
                rowOpen = true;
            }
            p.xml.writeStartElement(mainNamespace, QStringLiteral("c"));
            p.xml.writeAttribute(QStringLiteral("r"), columnLetters(col) + QString::number(row));
            if (cell->kind == SheetCell::Kind::Number && std::isfinite(cell->number)) {
                p.xml.writeTextElement(mainNamespace, QStringLiteral("v"), zip::numberText(cell->number, 'E'));
            } else {
                // A number no cell can hold is written as what a spreadsheet shows for it.
                const QString text = cell->kind == SheetCell::Kind::Text ? cell->text : QStringLiteral("#NUM!");
                p.xml.writeAttribute(QStringLiteral("t"), QStringLiteral("s"));
                p.xml.writeTextElement(mainNamespace, QStringLiteral("v"), QString::number(strings.add(text)));
            }
            p.xml.writeEndElement();
        }
        if (rowOpen)
            p.xml.writeEndElement();
    }
    p.xml.writeEndElement();
    p.xml.writeEndElement();
    return p.finish();
}

} // namespace

QByteArray writeXlsx(const SheetCells& sheet)
{
    StringTable strings;
    const QByteArray sheetXml = worksheet(cellsByPosition(sheet), strings);
    const bool withStrings = !strings.strings.isEmpty();
    const QString officeRels = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/");

    std::vector<zip::ZipPart> parts;
    parts.push_back({QStringLiteral("[Content_Types].xml"), contentTypes(withStrings)});
    parts.push_back({QStringLiteral("_rels/.rels"),
                     relationships(officeRels, {{"officeDocument", "xl/workbook.xml"},
                                                {"extended-properties", "docProps/app.xml"}})});
    parts.push_back({QStringLiteral("docProps/app.xml"), appProperties()});
    parts.push_back({QStringLiteral("xl/workbook.xml"), workbook()});
    parts.push_back({QStringLiteral("xl/_rels/workbook.xml.rels"),
                     withStrings ? relationships(officeRels, {{"worksheet", "worksheets/sheet1.xml"},
                                                              {"styles", "styles.xml"},
                                                              {"sharedStrings", "sharedStrings.xml"}})
                                 : relationships(officeRels, {{"worksheet", "worksheets/sheet1.xml"},
                                                              {"styles", "styles.xml"}})});
    parts.push_back({QStringLiteral("xl/styles.xml"), styles()});
    parts.push_back({QStringLiteral("xl/worksheets/sheet1.xml"), sheetXml});
    if (withStrings)
        parts.push_back({QStringLiteral("xl/sharedStrings.xml"), sharedStrings(strings)});
    for (const zip::ZipPart& part : parts)
        if (part.bytes.isEmpty())
            return {};
    return zip::writeZip(parts);
}

} // namespace tallox::xlsx
