#include "worksheet/formats/xls/BiffWriter.h"

#include "worksheet/cells/SheetShape.h"

#include "worksheet/formats/xls/BiffReader.h"
#include "worksheet/formats/xls/BiffRecords.h"
#include "worksheet/formats/xls/Bytes.h"
#include "worksheet/formats/xls/XlsFile.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace tallox::xls {

namespace {

constexpr int maxRows = 65536;     // what a BIFF8 sheet can address
constexpr int maxColumns = 256;
constexpr std::uint16_t cellFormat = 15;  // the one cell XF, on the General number format

void appendRecord(QByteArray& out, std::uint16_t id, const QByteArray& payload)
{
    appendU16(out, id);
    appendU16(out, std::uint16_t(payload.size()));
    out.append(payload);
}

QByteArray beginOfFile(std::uint16_t substream)
{
    QByteArray p;
    appendU16(p, biff8Version);
    appendU16(p, substream);
    appendU16(p, 0x0DBB);  // build
    appendU16(p, 0x07CC);  // year
    appendU32(p, 0);       // file history flags
    appendU32(p, 6);       // lowest version that can read it: Excel 97
    return p;
}

QByteArray fromHex(const char* hex) { return QByteArray::fromHex(hex); }

// A text as the workbook stores it: NUL characters, which the reader turns into U+FFFD, are written
// as U+FFFD already; a text longer than a cell holds is cut at the limit, dropping a dangling high
// surrogate rather than keeping half a character.
QString storableText(const QString& text)
{
    QString stored = text.size() <= maxTextLength ? text : text.left(maxTextLength);
    if (text.size() > maxTextLength && stored.back().isHighSurrogate())
        stored.chop(1);
    stored.replace(QChar(0), QChar(0xFFFD));
    return stored;
}

struct StorableCells {
    std::vector<SheetCell> cells;
    QString firstCut;  // the first cell, in row order, whose text was cut ("A1"), or empty
};

// The cells to store, row by row: one per position (the last given wins), numbers that are not
// finite turned into the text a spreadsheet shows for them, empty texts left out.
StorableCells storableCells(const SheetCells& sheet)
{
    std::vector<SheetCell> cells;
    cells.reserve(sheet.cells.size());
    for (const SheetCell& c : sheet.cells) {
        if (c.row < 1 || c.row > maxRows || c.col < 1 || c.col > maxColumns)
            continue;
        if (c.kind == SheetCell::Kind::Number && !std::isfinite(c.number))
            cells.push_back({c.row, c.col, SheetCell::Kind::Text, 0.0, notANumberText()});
        else if (c.kind == SheetCell::Kind::Number || !c.text.isEmpty())
            cells.push_back(c);
    }
    const auto position = [](const SheetCell& a, const SheetCell& b) {
        return a.row != b.row ? a.row < b.row : a.col < b.col;
    };
    std::stable_sort(cells.begin(), cells.end(), position);
    // Keep the last of each run of equal positions.
    StorableCells out;
    out.cells.reserve(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i + 1 < cells.size() && !position(cells[i], cells[i + 1]))
            continue;
        SheetCell& c = cells[i];
        if (c.kind == SheetCell::Kind::Text) {
            if (c.text.size() > maxTextLength && out.firstCut.isEmpty())
                out.firstCut = columnLetters(c.col) + QString::number(c.row);
            c.text = storableText(c.text);
        }
        out.cells.push_back(std::move(c));
    }
    return out;
}

// The shared string table split into an SST record and CONTINUE records. A string is split only
// inside its characters, and the record that takes it on starts with the flags byte again.
void appendSharedStrings(QByteArray& out, const QStringList& strings, std::uint32_t totalUses)
{
    std::vector<QByteArray> records(1);
    appendU32(records.back(), totalUses);
    appendU32(records.back(), std::uint32_t(strings.size()));
    constexpr int flagsUtf16 = 0x01;

    for (const QString& s : strings) {
        // Header and at least one character together, so no record ends inside a header.
        if (records.back().size() + 3 + 2 > maxRecordPayload)
            records.emplace_back();
        appendU16(records.back(), std::uint16_t(s.size()));
        appendU8(records.back(), flagsUtf16);
        qsizetype done = 0;
        while (done < s.size()) {
            qsizetype room = (maxRecordPayload - records.back().size()) / 2;
            if (room == 0) {
                records.emplace_back();
                appendU8(records.back(), flagsUtf16);
                room = (maxRecordPayload - 1) / 2;
            }
            const qsizetype take = std::min(room, s.size() - done);
            for (qsizetype i = done; i < done + take; ++i)
                appendU16(records.back(), s.at(i).unicode());
            done += take;
        }
    }
    appendRecord(out, record::sharedStrings, records.front());
    for (std::size_t i = 1; i < records.size(); ++i)
        appendRecord(out, record::continuation, records[i]);
}

} // namespace

QString firstTruncatedText(const SheetCells& sheet) { return storableCells(sheet).firstCut; }

QByteArray writeWorkbookStream(const SheetCells& sheet)
{
    const std::vector<SheetCell> cells = storableCells(sheet).cells;

    QStringList strings;
    QHash<QString, std::uint32_t> stringIndex;
    std::uint32_t textCells = 0;
    for (const SheetCell& c : cells) {
        if (c.kind != SheetCell::Kind::Text)
            continue;
        ++textCells;
        if (!stringIndex.contains(c.text)) {
            stringIndex.insert(c.text, std::uint32_t(strings.size()));
            strings.append(c.text);
        }
    }

    QByteArray out;
    out.reserve(qsizetype(2048 + cells.size() * 18 + textCells * 8));
    appendRecord(out, record::beginOfFile, beginOfFile(workbookGlobals));
    appendRecord(out, record::codePage, fromHex("b004"));  // 1200: texts are UTF-16
    appendRecord(out, record::window1, fromHex("000000000040002038000000000001005802"));
    appendRecord(out, record::font, fromHex("c8000000ff7f90010000000000000500417269616c"));
    // Fifteen style formats (the Normal style and its built-in companions), then the cell format.
    const QByteArray styleFormat = fromHex("00000000f5ff200000000000000000000000c020");
    for (int i = 0; i < 15; ++i)
        appendRecord(out, record::extendedFormat, styleFormat);
    appendRecord(out, record::extendedFormat, fromHex("000000000100200000000000000000000000c020"));
    appendRecord(out, record::style, fromHex("008000ff"));

    // The sheet's offset is known only once the globals are written: patch it then.
    const qsizetype boundSheetOffset = out.size() + 4;
    appendRecord(out, record::boundSheet, fromHex("0000000000000700") + QByteArray("Arkusz1"));
    if (!strings.isEmpty())
        appendSharedStrings(out, strings, textCells);
    appendRecord(out, record::endOfFile, {});
    putU32(out.data() + boundSheetOffset, std::uint32_t(out.size()));

    appendRecord(out, record::beginOfFile, beginOfFile(worksheetSubstream));
    QByteArray dims;
    if (!cells.empty()) {
        int firstCol = maxColumns, lastCol = 1;
        for (const SheetCell& c : cells) {
            firstCol = std::min(firstCol, c.col);
            lastCol = std::max(lastCol, c.col);
        }
        // Last row and column are stored one past the end.
        appendU32(dims, std::uint32_t(cells.front().row - 1));
        appendU32(dims, std::uint32_t(cells.back().row));
        appendU16(dims, std::uint16_t(firstCol - 1));
        appendU16(dims, std::uint16_t(lastCol));
        appendU16(dims, 0);
    } else {
        dims = QByteArray(14, '\0');
    }
    appendRecord(out, record::dimensions, dims);

    // Cell records go straight into the stream: a full sheet is thousands of them.
    for (const SheetCell& c : cells) {
        const bool isNumber = c.kind == SheetCell::Kind::Number;
        appendU16(out, isNumber ? record::number : record::labelSst);
        appendU16(out, isNumber ? 14 : 10);
        appendU16(out, std::uint16_t(c.row - 1));
        appendU16(out, std::uint16_t(c.col - 1));
        appendU16(out, cellFormat);
        if (isNumber)
            appendDouble(out, c.number);
        else
            appendU32(out, stringIndex.value(c.text));
    }
    appendRecord(out, record::window2, fromHex("b60600000000400000000000000000000000"));
    appendRecord(out, record::endOfFile, {});
    return out;
}

} // namespace tallox::xls
