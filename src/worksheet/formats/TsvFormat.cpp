#include "worksheet/formats/TsvFormat.h"

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

bool isLineEnd(QChar c) { return c == u'\n' || c == u'\r'; }

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

// A text file holds no control characters but tab, CR and LF (a reader takes any other for a
// binary file): the rest are written as U+FFFD.
QString withoutControlCharacters(const QString& text)
{
    if (!holdsControlCharacters(text))
        return text;
    QString out = text;
    for (QChar& c : out)
        if (c.category() == QChar::Other_Control && c != u'\t' && c != u'\n' && c != u'\r')
            c = QChar::ReplacementCharacter;
    return out;
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
            const SheetCell* cell = at(row, col);
            if (!cell)
                continue;
            if (cell->kind == SheetCell::Kind::Number) {
                out += shortestNumberText(cell->number, locale);
            } else {
                const QString text = withoutControlCharacters(cell->text);
                if (needsQuotes(locale, text, row == 1 && col == 1)) {
                    out += u'"';
                    out += QString(text).replace(QLatin1String("\""), QLatin1String("\"\""));
                    out += u'"';
                } else {
                    out += text;
                }
            }
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
    const QStringView text(decodedText);
    const qsizetype n = text.size();

    int row = 1;
    int col = 1;
    QString field;
    for (qsizetype i = 0; i < n;) {
        // One field, from i up to the next tab or line end.
        field.clear();
        bool quoted = false;
        if (text[i] == u'"') {
            // Quoted: runs to the closing quote, "" inside is one quote, line breaks and tabs
            // inside are part of the text. Whatever follows the closing quote up to the next tab
            // or line end is kept too, as spreadsheet programs do.
            qsizetype j = i + 1;
            bool closed = false;
            while (j < n) {
                if (text[j] == u'"') {
                    if (j + 1 < n && text[j + 1] == u'"') {
                        field += u'"';
                        j += 2;
                        continue;
                    }
                    closed = true;
                    ++j;
                    break;
                }
                field += text[j++];
            }
            if (closed) {
                quoted = true;
                i = j;
            } else {
                field.clear();  // no closing quote: the quote is an ordinary character
            }
        }
        while (i < n && text[i] != u'\t' && !isLineEnd(text[i]))
            field += text[i++];

        if (!field.isEmpty()) {
            if (!insideSheet(row, col)) {
                result.truncated = true;
            } else {
                SheetCell cell;
                cell.row = row;
                cell.col = col;
                if (!quoted && readsAsNumber(locale, field, &cell.number)) {
                    cell.kind = SheetCell::Kind::Number;
                } else {
                    cell.kind = SheetCell::Kind::Text;
                    cell.text = field;
                }
                result.sheet.cells.push_back(std::move(cell));
            }
        }

        if (i >= n)
            break;
        if (text[i] == u'\t') {
            ++i;
            col = col < sheetColumns + 1 ? col + 1 : col;  // every column past the sheet is alike
        } else {
            i += (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ? 2 : 1;
            row = row < sheetRows + 1 ? row + 1 : row;
            col = 1;
        }
    }
    makeCellsStorable(result.sheet);
    result.ok = true;
    refuseWithoutCells(result);
    return result;
}

} // namespace tallox
