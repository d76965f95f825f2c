// Writes the sheet as an OpenDocument spreadsheet of one table, as LibreOffice lays one out:
// rows up to the last used one, empty cells and rows compressed by repeat counts, numbers with
// their shortest exact decimal text, texts as paragraphs with blanks and tabs spelled out.
#include "worksheet/formats/zip/OdsFile.h"
#include "worksheet/formats/zip/OdsValues.h"
#include "worksheet/formats/zip/OdsXml.h"
#include "worksheet/formats/zip/XmlNumber.h"

#include "worksheet/cells/CellPositions.h"
#include "worksheet/cells/SheetShape.h"

#include <QXmlStreamWriter>

#include <cmath>
#include <vector>

namespace tallox::ods {

namespace {

const QString office(officeNs);
const QString table(tableNs);
const QString text(textNs);

constexpr QLatin1String documentVersion("1.2");

// The sheet's cells by position, the last one given for a position winning; empty texts and
// cells beyond the sheet are no cells.
std::vector<const SheetCell*> cellGrid(const SheetCells& sheet, int& lastRow, int& lastCol)
{
    std::vector<const SheetCell*> grid = cellsByPosition(sheet);
    lastRow = 0;
    lastCol = 0;
    for (int r = 1; r <= sheetRows; ++r)
        for (int c = 1; c <= sheetColumns; ++c)
            if (grid[std::size_t(r - 1) * sheetColumns + std::size_t(c - 1)]) {
                lastRow = r;
                lastCol = std::max(lastCol, c);
            }
    return grid;
}

void writeRepeated(QXmlStreamWriter& w, const QString& ns, const QString& attribute, int count)
{
    if (count > 1)
        w.writeAttribute(ns, attribute, QString::number(count));
}

void writeEmptyCells(QXmlStreamWriter& w, int count)
{
    if (count <= 0)
        return;
    w.writeEmptyElement(table, QStringLiteral("table-cell"));
    writeRepeated(w, table, QStringLiteral("number-columns-repeated"), count);
}

// One line of a text as a paragraph. A reader collapses runs of blanks in a paragraph and drops
// them at its start and end, so a blank is written plainly only between two other characters;
// the rest of a run, and any blank at a line's start or end or next to a tab, is <text:s/>.
void writeParagraph(QXmlStreamWriter& w, QStringView line)
{
    w.writeStartElement(text, QStringLiteral("p"));
    QString run;
    auto flush = [&] {
        if (!run.isEmpty())
            w.writeCharacters(run);
        run.clear();
    };
    const qsizetype n = line.size();
    for (qsizetype i = 0; i < n;) {
        if (line[i] == u'\t') {
            flush();
            w.writeEmptyElement(text, QStringLiteral("tab"));
            ++i;
        } else if (line[i] == u' ') {
            qsizetype j = i;
            while (j < n && line[j] == u' ')
                ++j;
            qsizetype blanks = j - i;
            if (i > 0 && line[i - 1] != u'\t' && j < n && line[j] != u'\t') {
                run += u' ';
                --blanks;
            }
            if (blanks > 0) {
                flush();
                w.writeEmptyElement(text, QStringLiteral("s"));
                if (blanks > 1)
                    w.writeAttribute(text, QStringLiteral("c"), QString::number(blanks));
            }
            i = j;
        } else {
            run += line[i++];
        }
    }
    flush();
    w.writeEndElement();
}

void writeCell(QXmlStreamWriter& w, const SheetCell& cell)
{
    w.writeStartElement(table, QStringLiteral("table-cell"));
    if (cell.kind == SheetCell::Kind::Number && std::isfinite(cell.number)) {
        const QString value = zip::numberText(cell.number);
        w.writeAttribute(office, QStringLiteral("value-type"), QStringLiteral("float"));
        w.writeAttribute(office, QStringLiteral("value"), value);
        w.writeTextElement(text, QStringLiteral("p"), value);
    } else {
        const QString shown = cell.kind == SheetCell::Kind::Number ? QStringLiteral("#NUM!")
                                                                    : documentText(cell.text);
        w.writeAttribute(office, QStringLiteral("value-type"), QStringLiteral("string"));
        for (QStringView line : QStringView(shown).split(u'\n'))
            writeParagraph(w, line);
    }
    w.writeEndElement();
}

QByteArray contentXml(const SheetCells& sheet)
{
    int lastRow = 0, lastCol = 0;
    const std::vector<const SheetCell*> grid = cellGrid(sheet, lastRow, lastCol);
    const int columns = std::max(lastCol, 1);

    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.writeStartDocument();
    w.writeNamespace(office, QStringLiteral("office"));
    w.writeNamespace(table, QStringLiteral("table"));
    w.writeNamespace(text, QStringLiteral("text"));
    w.writeStartElement(office, QStringLiteral("document-content"));
    w.writeAttribute(office, QStringLiteral("version"), documentVersion);
    w.writeStartElement(office, QStringLiteral("body"));
    w.writeStartElement(office, QStringLiteral("spreadsheet"));
    w.writeStartElement(table, QStringLiteral("table"));
    w.writeAttribute(table, QStringLiteral("name"), QStringLiteral("Arkusz1"));
    w.writeEmptyElement(table, QStringLiteral("table-column"));
    writeRepeated(w, table, QStringLiteral("number-columns-repeated"), columns);

    auto at = [&](int r, int c) { return grid[std::size_t(r - 1) * sheetColumns + std::size_t(c - 1)]; };
    int emptyRows = 0;
    auto flushEmptyRows = [&] {
        if (emptyRows == 0)
            return;
        w.writeStartElement(table, QStringLiteral("table-row"));
        writeRepeated(w, table, QStringLiteral("number-rows-repeated"), emptyRows);
        writeEmptyCells(w, columns);
        w.writeEndElement();
        emptyRows = 0;
    };
    for (int r = 1; r <= std::max(lastRow, 1); ++r) {
        bool used = false;
        for (int c = 1; c <= columns && !used; ++c)
            used = at(r, c) != nullptr;
        if (!used) {
            ++emptyRows;
            continue;
        }
        flushEmptyRows();
        w.writeStartElement(table, QStringLiteral("table-row"));
        int empty = 0;
        for (int c = 1; c <= columns; ++c) {
            if (const SheetCell* cell = at(r, c)) {
                writeEmptyCells(w, empty);
                empty = 0;
                writeCell(w, *cell);
            } else {
                ++empty;
            }
        }
        writeEmptyCells(w, empty);
        w.writeEndElement();
    }
    flushEmptyRows();
    w.writeEndDocument();
    return w.hasError() ? QByteArray() : bytes;
}

QByteArray manifestXml()
{
    const QString manifest(manifestNs);
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.writeStartDocument();
    w.writeNamespace(manifest, QStringLiteral("manifest"));
    w.writeStartElement(manifest, QStringLiteral("manifest"));
    w.writeAttribute(manifest, QStringLiteral("version"), documentVersion);
    auto entry = [&](const QString& path, const QString& type, bool root = false) {
        w.writeEmptyElement(manifest, QStringLiteral("file-entry"));
        w.writeAttribute(manifest, QStringLiteral("full-path"), path);
        if (root)
            w.writeAttribute(manifest, QStringLiteral("version"), documentVersion);
        w.writeAttribute(manifest, QStringLiteral("media-type"), type);
    };
    entry(QStringLiteral("/"), spreadsheetMimeType, true);
    entry(QStringLiteral("content.xml"), QStringLiteral("text/xml"));
    entry(QStringLiteral("styles.xml"), QStringLiteral("text/xml"));
    entry(QStringLiteral("meta.xml"), QStringLiteral("text/xml"));
    w.writeEndDocument();
    return bytes;
}

// A document part with nothing in it but its root element (styles, metadata).
QByteArray emptyPart(const QString& ns, const QString& prefix, const QString& root,
                     const QString& child)
{
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.writeStartDocument();
    w.writeNamespace(office, QStringLiteral("office"));
    if (ns != office)
        w.writeNamespace(ns, prefix);
    w.writeStartElement(office, root);
    w.writeAttribute(office, QStringLiteral("version"), documentVersion);
    w.writeStartElement(office, child);
    if (ns != office)
        w.writeTextElement(ns, QStringLiteral("generator"), QStringLiteral("Tallox"));
    w.writeEndElement();
    w.writeEndDocument();
    return bytes;
}

} // namespace

QByteArray writeOds(const SheetCells& sheet)
{
    const QByteArray content = contentXml(sheet);
    if (content.isEmpty())
        return {};
    return zip::writeZip({
        {QStringLiteral("mimetype"), QByteArray(spreadsheetMimeType.data(), spreadsheetMimeType.size()), true},
        {QStringLiteral("content.xml"), content, false},
        {QStringLiteral("styles.xml"),
         emptyPart(office, QStringLiteral("office"), QStringLiteral("document-styles"), QStringLiteral("styles")),
         false},
        {QStringLiteral("meta.xml"),
         emptyPart(QString(metaNs), QStringLiteral("meta"), QStringLiteral("document-meta"), QStringLiteral("meta")),
         false},
        {QStringLiteral("META-INF/manifest.xml"), manifestXml(), false},
    });
}

} // namespace tallox::ods
