#include "worksheet/formats/TsvFormat.h"

#include "worksheet/formats/DelimitedText.h"
#include "worksheet/formats/LocaleNumber.h"
#include "common/TextDecoding.h"
#include "worksheet/formats/TlxFormat.h"

namespace tallox {

namespace {

// The one rule, shared by the reader and the writer, of what an unquoted field means.
bool readsAsNumber(const QLocale& locale, QStringView field, double* value = nullptr)
{
    double v = 0.0;
    const bool ok = readLocaleNumber(field, locale, v);
    if (ok && value)
        *value = v;
    return ok;
}

// A text must be quoted when, written as it is, it would read back differently: as a number,
// split at a tab or line break, unquoted by the reader, in the first cell taken for a .tlx header
// or lose a leading byte-order mark, or - blanks only - leave a file that holds no data.
bool needsQuotes(const QLocale& locale, const QString& text, bool firstCell)
{
    if (holdsOnlyBlanks(text))
        return true;
    for (const QChar c : text) {
        if (c == u'\t' || c == u'"' || isLineEnd(c))
            return true;
    }
    if (firstCell && (text.startsWith(QLatin1String(tlxSignature)) || text.startsWith(QChar(0xFEFF))))
        return true;
    return readsAsNumber(locale, text);
}

} // namespace

QByteArray writeTsv(const SheetCells& sheet, const QLocale& locale)
{
    const std::vector<const SheetCell*> grid = cellsByPosition(sheet);
    auto at = [&](int row, int col) { return grid[std::size_t(row - 1) * sheetColumns + std::size_t(col - 1)]; };

    int lastRow = 0;
    for (int row = 1; row <= sheetRows; ++row)
        for (int col = 1; col <= sheetColumns; ++col)
            if (at(row, col))
                lastRow = row;

    QString out;
    out.reserve(lastRow * 64);
    for (int row = 1; row <= lastRow; ++row) {
        int lastCol = 0;
        for (int col = 1; col <= sheetColumns; ++col)
            if (at(row, col))
                lastCol = col;
        for (int col = 1; col <= lastCol; ++col) {
            if (col > 1)
                out += u'\t';
            if (const SheetCell* cell = at(row, col))
                appendDelimitedCell(out, *cell, locale, [&](const QString& text) {
                    return needsQuotes(locale, text, row == 1 && col == 1);
                });
        }
        out += QLatin1String("\r\n");
    }
    return out.toUtf8();
}

SheetLoadResult readTsv(const QByteArray& bytes, const QLocale& locale)
{
    SheetLoadResult result;
    QString decodedText;
    if (!decodeTextFile(bytes, result, decodedText))
        return result;
    readDelimitedCells(decodedText, u'\t', DelimitedFieldScanner::Unterminated::Plain, locale, result);
    return result;
}

} // namespace tallox
