// Reads the first table of an OpenDocument spreadsheet's content.xml, streamed: repeated rows and
// columns are counted, never built, so the million empty rows LibreOffice ends a sheet with cost
// one element; only what lands in the 200 × 26 sheet is kept.
#include "worksheet/formats/zip/BoundedDevice.h"
#include "worksheet/formats/zip/OdsFile.h"
#include "worksheet/formats/zip/OdsValues.h"
#include "worksheet/formats/zip/OdsXml.h"
#include "worksheet/formats/zip/XmlNumber.h"

#include "worksheet/cells/SheetShape.h"

#include <QIODevice>
#include <QXmlStreamReader>

#include <algorithm>
#include <optional>
#include <vector>

namespace tallox::ods {

namespace {

QString damagedReason() { return zip::damagedPackageReason(QStringLiteral("arkusza OpenDocument (.ods)")); }

QString tooLargeReason()
{
    return QStringLiteral("Część content.xml jest większa, niż może być w arkuszu danych.");
}

// Row and column positions run far beyond the sheet (LibreOffice's sheets have 1048576 rows);
// a repeat count is clamped here, which changes nothing inside the sheet, and positions
// saturate, so no count of any size can overflow them.
constexpr qint64 largestRepeat = qint64(1) << 31;
constexpr qint64 farAway = qint64(1) << 60;

qint64 advance(qint64 position, qint64 count) { return std::min(position + count, farAway); }

// A cell's content as read, before it is placed.
struct CellContent {
    SheetCell::Kind kind = SheetCell::Kind::Text;
    double number = 0.0;
    QString text;
};

class ContentReader {
public:
    ContentReader(QIODevice* device, const OdsReadLimits& limits)
        : xml_(device), limits_(limits), grid_(std::size_t(sheetRows) * sheetColumns)
    {
    }

    zip::WorkbookReadResult read()
    {
        zip::WorkbookReadResult result;
        if (!findTable() || !readTable()) {
            result.error = error_.isEmpty() ? damagedReason() : error_;
            return result;
        }
        for (std::optional<SheetCell>& cell : grid_)
            if (cell)
                result.sheet.cells.push_back(std::move(*cell));
        result.ok = true;
        result.outsideSheet = outside_;
        return result;
    }

private:
    bool fail(const QString& why = {})
    {
        if (error_.isEmpty())
            error_ = why.isEmpty() ? damagedReason() : why;
        return false;
    }

    // The next token; false at the document's end or on an error (a DTD counts as one: an
    // OpenDocument has none, and none may declare entities here).
    bool next()
    {
        const QXmlStreamReader::TokenType token = xml_.readNext();
        if (token == QXmlStreamReader::DTD)
            return fail();
        if (token == QXmlStreamReader::Invalid || xml_.hasError())
            return fail();
        return token != QXmlStreamReader::EndDocument;
    }

    bool skip()
    {
        xml_.skipCurrentElement();
        return !xml_.hasError() || fail();
    }

    bool isElement(QLatin1String ns, QLatin1String name) const
    {
        return xml_.namespaceUri() == ns && xml_.name() == name;
    }

    // Up to the first table of the document's spreadsheet body.
    bool findTable()
    {
        bool inSpreadsheet = false;
        while (next()) {
            if (xml_.isStartElement()) {
                if (inSpreadsheet) {
                    if (isElement(tableNs, QLatin1String("table")))
                        return true;
                    if (!skip())
                        return false;
                } else if (isElement(officeNs, QLatin1String("spreadsheet"))) {
                    inSpreadsheet = true;
                } else if (xml_.namespaceUri() == officeNs
                           && (xml_.name() == u"text" || xml_.name() == u"drawing"
                               || xml_.name() == u"presentation" || xml_.name() == u"chart"
                               || xml_.name() == u"image")) {
                    return fail(QStringLiteral("Plik nie jest arkuszem kalkulacyjnym, lecz innym "
                                               "dokumentem OpenDocument."));
                }
            } else if (xml_.isEndElement() && inSpreadsheet) {
                return fail(QStringLiteral("W pliku brakuje arkusza."));
            }
        }
        if (!xml_.hasError() && error_.isEmpty())
            return fail(QStringLiteral("W pliku brakuje arkusza."));
        return false;
    }

    // The table's rows, also inside row groups and header rows; columns, shapes and forms are
    // passed over. Stops early once past the sheet with cells found beyond it.
    bool readTable()
    {
        while (next()) {
            if (xml_.isEndElement()) {
                if (isElement(tableNs, QLatin1String("table")))
                    return true;
                continue;
            }
            if (!xml_.isStartElement())
                continue;
            if (xml_.namespaceUri() == tableNs
                && (xml_.name() == u"table-row-group" || xml_.name() == u"table-header-rows"
                    || xml_.name() == u"table-rows"))
                continue;
            if (isElement(tableNs, QLatin1String("table-row"))) {
                if (row_ > sheetRows && outside_)
                    return true;  // nothing further can change the outcome
                if (!readRow())
                    return false;
            } else if (!skip()) {
                return false;
            }
        }
        return fail();
    }

    bool repeatCount(QLatin1String attribute, qint64& count)
    {
        const QXmlStreamAttributes attributes = xml_.attributes();
        if (!attributes.hasAttribute(tableNs, attribute)) {
            count = 1;
            return true;
        }
        if (!readRepeatCount(attributes.value(tableNs, attribute), largestRepeat, count))
            return fail(QStringLiteral("Plik arkusza OpenDocument (.ods) jest uszkodzony: liczba "
                                       "powtórzeń wiersza lub kolumny nie jest dodatnią liczbą całkowitą."));
        return true;
    }

    struct Placed {
        int col;
        int count;
        CellContent content;
    };

    bool readRow()
    {
        qint64 rowRepeat = 1;
        if (!repeatCount(QLatin1String("number-rows-repeated"), rowRepeat))
            return false;
        const qint64 firstRow = row_;
        const qint64 lastRow = firstRow + rowRepeat - 1;
        std::vector<Placed> placed;
        qint64 col = 1;
        while (next()) {
            if (xml_.isEndElement())
                break;  // the row's end: cells are read whole, other children skipped
            if (!xml_.isStartElement())
                continue;
            if (xml_.namespaceUri() != tableNs
                || (xml_.name() != u"table-cell" && xml_.name() != u"covered-table-cell")) {
                if (!skip())
                    return false;
                continue;
            }
            qint64 colRepeat = 1;
            if (!repeatCount(QLatin1String("number-columns-repeated"), colRepeat))
                return false;
            const bool inside = firstRow <= sheetRows && col <= sheetColumns;
            if (!inside && outside_) {
                if (!skip())
                    return false;
            } else {
                std::optional<CellContent> content;
                if (!readCell(inside ? int(firstRow) : 0, inside ? int(col) : 0, content))
                    return false;
                if (content) {
                    if (lastRow > sheetRows || col + colRepeat - 1 > sheetColumns)
                        outside_ = true;
                    if (inside) {
                        const int count = int(std::min<qint64>(colRepeat, sheetColumns - col + 1));
                        placed.push_back({int(col), count, std::move(*content)});
                    }
                }
            }
            col = advance(col, colRepeat);
        }
        if (xml_.hasError() || !error_.isEmpty())
            return fail();
        // A repeated row repeats its cells, within the sheet only.
        if (firstRow <= sheetRows) {
            const int rows = int(std::min<qint64>(lastRow, sheetRows) - firstRow + 1);
            for (const Placed& p : placed) {
                if (p.content.kind == SheetCell::Kind::Text) {
                    keptText_ += qint64(p.content.text.size()) * p.count * rows;
                    if (keptText_ > limits_.sheetText)
                        return fail(QStringLiteral("Teksty arkusza są dłuższe, niż może pomieścić "
                                                   "arkusz danych."));
                }
                for (int r = int(firstRow); r < int(firstRow) + rows; ++r)
                    for (int c = p.col; c < p.col + p.count; ++c)
                        grid_[std::size_t(r - 1) * sheetColumns + std::size_t(c - 1)] =
                            SheetCell{r, c, p.content.kind, p.content.number, p.content.text};
            }
        }
        row_ = advance(row_, rowRepeat);
        return true;
    }

    // One cell, read up to its end. row and col name a cell inside the sheet; 0 for a cell
    // beyond it, whose content only matters as empty or not (its text is not gathered).
    bool readCell(int row, int col, std::optional<CellContent>& content)
    {
        const QXmlStreamAttributes attributes = xml_.attributes();
        const QString valueType = attributes.value(officeNs, QLatin1String("value-type")).toString();
        const bool errorValue = attributes.value(calcextNs, QLatin1String("value-type")) == u"error";
        const bool hasStringValue = attributes.hasAttribute(officeNs, QLatin1String("string-value"));
        const QString value = attributes.value(officeNs, valueType == u"date" ? QLatin1String("date-value")
                                                      : valueType == u"time" ? QLatin1String("time-value")
                                                      : valueType == u"boolean" ? QLatin1String("boolean-value")
                                                      : valueType == u"string" ? QLatin1String("string-value")
                                                                               : QLatin1String("value"))
                                  .toString();
        const qint64 limit = row > 0 ? limits_.cellText : 1;
        QString shown;
        if (!readParagraphs(limit, shown)) {
            if (!error_.isEmpty())
                return false;
            return fail(QStringLiteral("Tekst komórki %1%2 jest dłuższy niż %3 znaków.")
                            .arg(columnLetters(col)).arg(row).arg(limits_.cellText));
        }

        CellContent c;
        auto setNumber = [&](std::optional<double> number, bool overflow) {
            if (number) {
                c.kind = SheetCell::Kind::Number;
                c.number = *number;
            } else {
                // What the spreadsheet showed stands for a value that cannot be read.
                c.text = overflow ? QStringLiteral("#NUM!")
                         : shown.isEmpty() ? QStringLiteral("#VALUE!")
                                           : shown;
            }
        };
        if (errorValue) {
            c.text = shown;
        } else if (valueType == u"float" || valueType == u"percentage" || valueType == u"currency") {
            const zip::ParsedNumber number = zip::parseNumber(value);
            setNumber(number.kind == zip::NumberParse::Number ? std::optional(number.value) : std::nullopt,
                      number.kind == zip::NumberParse::OutOfRange);
        } else if (valueType == u"date") {
            setNumber(readDateSerial(value), false);
        } else if (valueType == u"time") {
            setNumber(readDurationInDays(value), false);
        } else if (valueType == u"boolean") {
            if (value == u"true" || value == u"1")
                c.text = QStringLiteral("PRAWDA");
            else if (value == u"false" || value == u"0")
                c.text = QStringLiteral("FAŁSZ");
            else
                setNumber(std::nullopt, false);
        } else if (valueType == u"string" && hasStringValue) {
            if (row > 0 && value.size() > limits_.cellText)
                return fail(QStringLiteral("Tekst komórki %1%2 jest dłuższy niż %3 znaków.")
                                .arg(columnLetters(col)).arg(row).arg(limits_.cellText));
            c.text = value;
        } else {
            c.text = shown;
        }
        if (c.kind == SheetCell::Kind::Text) {
            c.text = documentText(c.text);
            if (c.text.isEmpty())
                return true;
        }
        content = std::move(c);
        return true;
    }

    // The cell's paragraphs (text:p, text:h, also inside lists) joined with line feeds, up to the
    // cell's end: <text:s text:c="N"/> is N blanks, <text:tab/> a tab, <text:line-break/> a line
    // feed; text in spans, links and fields is kept; comments, notes, shapes and anything outside
    // the text namespace are not the cell's text. Blanks, tabs and line feeds in the character
    // data are kept as they are: OpenDocument would have them collapse, but LibreOffice keeps them
    // in a cell and writes a paragraph's trailing blanks so ("x " for "x "), and its files are what
    // this reads. False when the text grows past `limit` (the caller tells why) or on damage.
    bool readParagraphs(qint64 limit, QString& text)
    {
        int depth = 0;
        int skipFrom = 0;       // depth of an element being passed over, 0 when none
        int paragraphs = 0;     // paragraphs started
        int openParagraphs = 0; // paragraphs the reader is inside
        while (next()) {
            if (xml_.isEndElement()) {
                if (depth == 0)
                    return true;
                if (skipFrom == depth)
                    skipFrom = 0;
                else if (!skipFrom && xml_.namespaceUri() == textNs
                         && (xml_.name() == u"p" || xml_.name() == u"h"))
                    --openParagraphs;
                --depth;
                continue;
            }
            if (xml_.isStartElement()) {
                ++depth;
                if (skipFrom)
                    continue;
                const QStringView name = xml_.name();
                if (xml_.namespaceUri() != textNs || name == u"note" || name == u"tracked-changes"
                    || name == u"ruby-text") {
                    skipFrom = depth;
                } else if (name == u"p" || name == u"h") {
                    if (paragraphs++ > 0)
                        text += u'\n';
                    ++openParagraphs;
                } else if (openParagraphs > 0 && name == u"s") {
                    qint64 blanks = 1;
                    const QStringView count = xml_.attributes().value(textNs, QLatin1String("c"));
                    if (!count.isNull() && !readRepeatCount(count, limit + 1, blanks))
                        return fail();
                    text += QString(qsizetype(std::min(blanks, limit + 1 - text.size())), u' ');
                } else if (openParagraphs > 0 && (name == u"tab" || name == u"line-break")) {
                    text += name == u"tab" ? u'\t' : u'\n';
                }
            } else if (xml_.isCharacters() && !skipFrom && openParagraphs > 0) {
                text += xml_.text().left(limit + 1 - text.size());
            }
            if (text.size() > limit) {
                if (limit > 1)
                    return false;
                text.truncate(1);  // a cell beyond the sheet: non-empty is all that matters
            }
        }
        return fail();
    }

    QXmlStreamReader xml_;
    OdsReadLimits limits_;
    std::vector<std::optional<SheetCell>> grid_;
    qint64 row_ = 1;
    qint64 keptText_ = 0;
    bool outside_ = false;
    QString error_;
};

// An OpenDocument package names its kind in its "mimetype" part; another kind of document (a
// text, a presentation) is refused by name. A package without that part is judged by content.
bool checkMimeType(zip::ZipReader& zip, QString& error)
{
    if (!zip.contains(QStringLiteral("mimetype")))
        return true;
    QByteArray bytes;
    if (!zip.read(QStringLiteral("mimetype"), 256, bytes, error))
        return false;
    const QString type = QString::fromLatin1(bytes.trimmed());
    const QLatin1String openDocument("application/vnd.oasis.opendocument.");
    if (type == spreadsheetMimeType || type == spreadsheetMimeType + QLatin1String("-template")
        || !type.startsWith(openDocument))
        return true;
    error = QStringLiteral("Plik nie jest arkuszem kalkulacyjnym, lecz innym dokumentem "
                           "OpenDocument (%1).").arg(type);
    return false;
}

} // namespace

zip::WorkbookReadResult readOds(const QByteArray& bytes, const OdsReadLimits& limits)
{
    zip::WorkbookReadResult result;
    zip::ZipReader zip(bytes);
    if (!zip.isOpen()) {
        result.error = damagedReason();
        return result;
    }
    if (!checkMimeType(zip, result.error))
        return result;
    QIODevice* part = zip.open(QStringLiteral("content.xml"), result.error);
    if (!part)
        return result;
    zip::BoundedDevice device(part, limits.contentBytes);
    result = ContentReader(&device, limits).read();
    if (device.overLimit()) {
        result = {};
        result.error = tooLargeReason();
    }
    return result;
}

} // namespace tallox::ods
