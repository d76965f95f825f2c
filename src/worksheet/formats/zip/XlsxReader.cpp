// Reading an Office Open XML workbook: the package's relationships lead from the root to the
// workbook and from there to its first worksheet; the sheet's cells are streamed, and only the
// shared strings that cells inside the 200 × 26 sheet show are kept.
#include "worksheet/formats/zip/BoundedDevice.h"
#include "worksheet/formats/zip/XlsxFile.h"

#include "worksheet/cells/SheetShape.h"
#include "worksheet/cells/WorkbookGrid.h"
#include "worksheet/formats/zip/XlsxText.h"
#include "worksheet/formats/zip/XmlNumber.h"

#include <QHash>
#include <QIODevice>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace tallox::xlsx {

namespace {

// Workbook, relationships and content types are a few kilobytes in any real file.
constexpr qint64 smallPartBytes = 1 << 20;
// The worksheet and the shared strings are streamed; this much XML, uncompressed, each, is far
// more than the first 200 rows of any sheet need (reading stops below them), and as much as the
// largest data file the program opens. The same bound holds for an OpenDocument's content.
constexpr qint64 largePartBytes = qint64(64) << 20;
// All the texts kept for the sheet together, in UTF-16 units (128 MB): 2000 cells at Excel's
// longest text.
constexpr qint64 keptTextUnits = qint64(64) << 20;

QString damagedReason() { return zip::damagedPackageReason(QStringLiteral("skoroszytu Excela (.xlsx)")); }

QString cellName(int row, int col) { return columnLetters(col) + QString::number(row); }

// Why a streamed part could not be read to the point needed.
QString streamError(const QXmlStreamReader& xml, const zip::BoundedDevice& device, const QString& part)
{
    if (device.overLimit())
        return QStringLiteral("Część ") + part + QStringLiteral(" jest większa, niż może być w arkuszu danych.");
    if (device.readFailed())
        return QStringLiteral("Nie można rozpakować części ") + part + u'.';
    return QStringLiteral("Część %1 skoroszytu jest uszkodzona (wiersz %2).").arg(part).arg(xml.lineNumber());
}

QString smallPartError(const QXmlStreamReader& xml, const QString& part)
{
    return QStringLiteral("Część %1 skoroszytu jest uszkodzona (wiersz %2).").arg(part).arg(xml.lineNumber());
}

// --- the package's relationships ----------------------------------------------------------------

struct Relationship {
    QString type;
    QString target;  // the part's name in the archive, resolved; empty for an outside target
};
using Relationships = QHash<QString, Relationship>;

// "xl/workbook.xml" → "xl/_rels/workbook.xml.rels"; "" (the package) → "_rels/.rels".
QString relationshipsPart(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

// A target relative to the part that names it ("worksheets/sheet1.xml" from "xl/workbook.xml"),
// or absolute within the package ("/xl/worksheets/sheet1.xml"); empty when it leaves the package.
QString resolveTarget(const QString& source, const QString& target)
{
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    QString path = decoded.startsWith(u'/') ? decoded.mid(1)
                                            : source.left(source.lastIndexOf(u'/') + 1) + decoded;
    QStringList kept;
    for (const QString& segment : path.split(u'/')) {
        if (segment.isEmpty() || segment == u".")
            continue;
        if (segment == u"..") {
            if (kept.isEmpty())
                return {};
            kept.removeLast();
        } else {
            kept << segment;
        }
    }
    return kept.join(u'/');
}

// The relationships of `source` ("" for the package itself). A missing part is no error here:
// the caller decides what its absence means.
bool readRelationships(zip::ZipReader& zip, const QString& source, Relationships& rels, QString& error)
{
    const QString part = relationshipsPart(source);
    if (!zip.contains(part))
        return true;
    QByteArray bytes;
    if (!zip.read(part, smallPartBytes, bytes, error))
        return false;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const bool external = a.value(QLatin1String("TargetMode")).compare(u"External", Qt::CaseInsensitive) == 0;
        rels.insert(a.value(QLatin1String("Id")).toString(),
                    {a.value(QLatin1String("Type")).toString(),
                     external ? QString() : resolveTarget(source, a.value(QLatin1String("Target")).toString())});
    }
    if (xml.hasError()) {
        error = smallPartError(xml, part);
        return false;
    }
    return true;
}

// The first relationship of a kind ("…/worksheet" in any of the format's namespaces).
std::optional<Relationship> firstOfType(const Relationships& rels, QStringView kind)
{
    for (auto it = rels.begin(); it != rels.end(); ++it)
        if (it->type.endsWith(kind) && !it->target.isEmpty())
            return *it;
    return std::nullopt;
}

// --- the workbook ---------------------------------------------------------------------------------

struct Workbook {
    QStringList sheetIds;  // the relationship ids of the sheets, in the workbook's order
    bool date1904 = false;
};

bool readWorkbook(zip::ZipReader& zip, const QString& part, Workbook& book, QString& error)
{
    QByteArray bytes;
    if (!zip.read(part, smallPartBytes, bytes, error))
        return false;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"workbookPr") {
            const QStringView flag = attributes.value(QLatin1String("date1904"));
            book.date1904 = flag == u"1" || flag == u"true";
        } else if (xml.name() == u"sheet") {
            // r:id, in whichever namespace the relationships have in this flavour of the format
            // (Transitional or Strict); a sheet without one cannot be found.
            for (const QXmlStreamAttribute& a : attributes) {
                if (a.name() == u"id" && a.namespaceUri().endsWith(u"/relationships")) {
                    book.sheetIds << a.value().toString();
                    break;
                }
            }
        }
    }
    if (xml.hasError()) {
        error = smallPartError(xml, part);
        return false;
    }
    return true;
}

// --- the cells --------------------------------------------------------------------------------

QString textsTooLongReason()
{
    return QStringLiteral("Teksty w arkuszu są dłuższe, niż może pomieścić arkusz danych.");
}

// The text of a rich or plain string (<si> or <is>): its <t> elements, runs included, in order;
// phonetic hints (<rPh>) are no part of it. Reads up to the end of the current element.
QString richText(QXmlStreamReader& xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.hasError();) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (xml.name() == u"t")
                text += decodeEscapes(xml.readElementText());
            else if (xml.name() == u"rPh")
                xml.skipCurrentElement();
            else
                ++depth;
            break;
        case QXmlStreamReader::EndElement: --depth; break;
        case QXmlStreamReader::EndDocument:
        case QXmlStreamReader::Invalid: return text;
        default: break;
        }
    }
    return text;
}

struct RawCell {
    QString reference;  // r, when given
    QString type;       // t; empty for a number
    QString value;      // the text of <v>
    bool hasValue = false;
    QString inlineText;  // the text of <is>
    bool hasInline = false;
};

// Reads a <c> element to its end.
RawCell readRawCell(QXmlStreamReader& xml)
{
    RawCell cell;
    const QXmlStreamAttributes a = xml.attributes();
    cell.reference = a.value(QLatin1String("r")).toString();
    cell.type = a.value(QLatin1String("t")).toString();
    while (!xml.hasError()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement || token == QXmlStreamReader::Invalid
            || token == QXmlStreamReader::EndDocument)
            break;
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"v") {
            cell.value = xml.readElementText();
            cell.hasValue = true;
        } else if (xml.name() == u"is") {
            cell.inlineText = richText(xml);
            cell.hasInline = true;
        } else {
            xml.skipCurrentElement();  // the formula (<f>), extensions
        }
    }
    return cell;
}

// Reads the worksheet's rows into the grid; a Polish reason when the sheet is damaged.
class SheetReader {
public:
    SheetReader(QXmlStreamReader& xml, WorkbookGrid& grid, bool date1904)
        : xml_(xml), grid_(grid), date1904_(date1904)
    {
    }

    // Empty when every cell needed was read; `stoppedEarly` when the reading ended at the first
    // non-empty cell below row 200 (rows come in ascending order, so no later one is inside).
    QString read(bool& stoppedEarly)
    {
        stoppedEarly = false;
        bool inSheetData = false;
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::EndElement && xml_.name() == u"sheetData") {
                inSheetData = false;
                continue;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            if (xml_.name() == u"sheetData") {
                inSheetData = true;
            } else if (inSheetData && xml_.name() == u"row") {
                const QXmlStreamAttributes attributes = xml_.attributes();
                const QStringView r = attributes.value(QLatin1String("r"));
                const std::optional<int> number = r.isEmpty() ? std::optional<int>(row_ + 1) : parseRowNumber(r);
                if (!number || *number > maxRow)
                    return QStringLiteral("Arkusz zawiera błędny numer wiersza „%1”.").arg(r.left(20));
                row_ = *number;
                col_ = 0;
            } else if (inSheetData && xml_.name() == u"c") {
                bool nonEmpty = false;
                const QString error = readCell(nonEmpty);
                if (!error.isEmpty())
                    return error;
                if (nonEmpty && cellRow_ > sheetRows) {
                    stoppedEarly = true;
                    return {};
                }
            }
        }
        return {};
    }

private:
    QString readCell(bool& nonEmpty)
    {
        const RawCell cell = readRawCell(xml_);
        if (xml_.hasError())
            return {};  // the caller reports the damaged XML
        int row = row_, col = col_ + 1;
        if (!cell.reference.isEmpty()) {
            const std::optional<CellReference> ref = parseCellReference(cell.reference);
            if (!ref)
                return QStringLiteral("Arkusz zawiera błędny adres komórki „%1”.").arg(cell.reference.left(20));
            row = ref->row;
            col = ref->col;
        }
        if (row < 1 || col > maxColumn)
            return QStringLiteral("Arkusz zawiera komórkę poza obszarem arkusza Excela.");
        col_ = col;
        cellRow_ = row;
        const auto badValue = [&] { return QStringLiteral("Komórka %1 ma uszkodzoną wartość.").arg(cellName(row, col)); };
        const QString& type = cell.type;

        if (type == u"inlineStr") {
            const QString text = cell.hasInline ? cell.inlineText : decodeEscapes(cell.value);
            nonEmpty = !text.isEmpty();
            return grid_.setText(row, col, text) ? QString() : textsTooLongReason();
        }
        if (!cell.hasValue || (type != u"str" && cell.value.trimmed().isEmpty())) {
            grid_.setEmpty(row, col);  // a formula not calculated, a styled empty cell
            return {};
        }
        nonEmpty = true;
        if (type.isEmpty() || type == u"n") {
            const zip::ParsedNumber n = zip::parseNumber(cell.value);
            if (n.kind == zip::NumberParse::NotANumber)
                return badValue();
            // Beyond the range of a double: what a spreadsheet shows for a number it cannot hold.
            grid_.setNumber(row, col, n.kind == zip::NumberParse::Number ? n.value
                                                                    : std::numeric_limits<double>::infinity());
        } else if (type == u"s") {
            const QString index = cell.value.trimmed();
            bool ok = false;
            const qulonglong i = index.toULongLong(&ok);
            if (!ok || index.startsWith(u'+') || i >= std::numeric_limits<std::uint32_t>::max())
                return QStringLiteral("Komórka %1 odwołuje się do tekstu, którego nie ma w skoroszycie.")
                    .arg(cellName(row, col));
            grid_.setSharedString(row, col, std::uint32_t(i));
        } else if (type == u"b") {
            const QString v = cell.value.trimmed();
            if (v == u"1" || v == u"true")
                grid_.setText(row, col, QStringLiteral("PRAWDA"));
            else if (v == u"0" || v == u"false")
                grid_.setText(row, col, QStringLiteral("FAŁSZ"));
            else
                return badValue();
        } else if (type == u"e" || type == u"str") {
            const QString text = decodeEscapes(cell.value);
            nonEmpty = !text.isEmpty();
            if (!grid_.setText(row, col, text))
                return textsTooLongReason();
        } else if (type == u"d") {
            if (const std::optional<double> serial = dateSerial(cell.value, date1904_))
                grid_.setNumber(row, col, *serial);
            else if (!grid_.setText(row, col, cell.value.trimmed()))
                return textsTooLongReason();
        } else {
            return badValue();
        }
        return {};
    }

    QXmlStreamReader& xml_;
    WorkbookGrid& grid_;
    bool date1904_;
    int row_ = 0;      // the current row's number
    int col_ = 0;      // the column of the row's last cell
    int cellRow_ = 0;  // the row of the last cell read
};

QString readSheet(zip::ZipReader& zip, const QString& part, bool date1904, WorkbookGrid& grid)
{
    QString error;
    QIODevice* stream = zip.open(part, error);
    if (!stream)
        return zip.contains(part) ? error : QStringLiteral("W pliku brakuje arkusza ") + part + u'.';
    zip::BoundedDevice device(stream, largePartBytes);
    QXmlStreamReader xml(&device);
    bool stoppedEarly = false;  // below row 200: the rest of the sheet is not needed
    error = SheetReader(xml, grid, date1904).read(stoppedEarly);
    if (!error.isEmpty())
        return error;
    if (xml.hasError())
        return streamError(xml, device, part);
    // Left early, the part's checksum cannot be checked; read to its end, it is.
    if (!zip.closePart(error))
        return error;
    return {};
}

// Reads the strings `wanted` (ascending indices) of the shared string table; fewer than wanted
// when the table ends first.
QString readSharedStrings(zip::ZipReader& zip, const QString& part,
                          const std::vector<std::uint32_t>& wanted, std::vector<QString>& strings)
{
    QString error;
    QIODevice* stream = zip.open(part, error);
    if (!stream)
        return error;
    zip::BoundedDevice device(stream, largePartBytes);
    QXmlStreamReader xml(&device);
    std::uint32_t index = 0;
    qint64 kept = 0;
    // To the table's element, then through its <si> children.
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
    }
    while (strings.size() < wanted.size() && xml.readNextStartElement()) {
        if (xml.name() != u"si") {
            xml.skipCurrentElement();
            continue;
        }
        if (index == wanted[strings.size()]) {
            strings.push_back(richText(xml));
            kept += strings.back().size();
            if (kept > keptTextUnits)
                return textsTooLongReason();
        } else {
            xml.skipCurrentElement();
        }
        ++index;
    }
    if (xml.hasError())
        return streamError(xml, device, part);
    // Read to its end (a string wanted beyond the table), the part's checksum is checked too.
    return zip.closePart(error) ? QString() : error;
}

} // namespace

zip::WorkbookReadResult readXlsx(const QByteArray& bytes)
{
    zip::WorkbookReadResult result;
    zip::ZipReader zip(bytes);
    if (!zip.isOpen()) {
        result.error = damagedReason();
        return result;
    }
    // The package's root relationships name the workbook part; "xl/workbook.xml" is where every
    // writer puts it when they are missing.
    Relationships rootRels;
    if (!readRelationships(zip, QString(), rootRels, result.error))
        return result;
    QString workbookPart = QStringLiteral("xl/workbook.xml");
    if (const auto office = firstOfType(rootRels, u"/officeDocument"))
        workbookPart = office->target;
    if (!zip.contains(workbookPart)) {
        result.error = QStringLiteral("Plik nie zawiera skoroszytu Excela.");
        return result;
    }
    Workbook book;
    Relationships bookRels;
    if (!readWorkbook(zip, workbookPart, book, result.error)
        || !readRelationships(zip, workbookPart, bookRels, result.error))
        return result;

    // The first worksheet in the workbook's order; chart and macro sheets are passed over.
    QString sheetPart;
    for (const QString& id : std::as_const(book.sheetIds)) {
        const auto rel = bookRels.constFind(id);
        if (rel != bookRels.cend() && rel->type.endsWith(u"/worksheet") && !rel->target.isEmpty()) {
            sheetPart = rel->target;
            break;
        }
    }
    if (sheetPart.isEmpty()) {
        result.error = QStringLiteral("Skoroszyt nie zawiera arkusza z danymi.");
        return result;
    }

    WorkbookGrid grid(keptTextUnits);
    result.error = readSheet(zip, sheetPart, book.date1904, grid);
    if (!result.error.isEmpty())
        return result;

    const std::vector<std::uint32_t> wanted = grid.sharedStringsWanted();
    if (!wanted.empty()) {
        QString stringsPart = workbookPart.left(workbookPart.lastIndexOf(u'/') + 1)
                              + QStringLiteral("sharedStrings.xml");
        if (const auto rel = firstOfType(bookRels, u"/sharedStrings"))
            stringsPart = rel->target;
        if (!zip.contains(stringsPart)) {
            result.error = QStringLiteral("W pliku brakuje tekstów arkusza (części %1).").arg(stringsPart);
            return result;
        }
        std::vector<QString> strings;
        result.error = readSharedStrings(zip, stringsPart, wanted, strings);
        if (result.error.isEmpty() && strings.size() != wanted.size())
            result.error = QStringLiteral("Arkusz odwołuje się do tekstu, którego nie ma w skoroszycie.");
        if (!result.error.isEmpty())
            return result;
        grid.fillSharedStrings(wanted, strings);
    }
    result.ok = true;
    result.outsideSheet = grid.outsideSheet();
    result.sheet = grid.take();
    return result;
}

} // namespace tallox::xlsx
