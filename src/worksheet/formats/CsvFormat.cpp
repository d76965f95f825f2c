#include "worksheet/formats/CsvFormat.h"

#include "common/TextDecoding.h"
#include "worksheet/formats/DelimitedText.h"
#include "worksheet/formats/LocaleNumber.h"

#include <algorithm>
#include <array>

namespace tallox {

namespace {

constexpr std::array<QChar, 3> separators = {u'\t', u';', u','};

// The number notation that goes with a separator: a decimal comma with ";", a decimal point with
// "," (and in a file of one column, where no decimal comma can stand unquoted), the worksheet's
// own with a tab.
QLocale notationOf(QChar separator, const QLocale& worksheet)
{
    if (separator == u';')
        return QLocale(QLocale::Polish, QLocale::Poland);
    if (separator == u'\t')
        return worksheet;
    return QLocale::c();
}

// The separator is decided by the first line holding one of tab, ";" and "," outside quotes: a
// tab if it holds one, otherwise ";" if it holds one, otherwise ",". (A line of a Polish file
// such as "1,5;3;22,5" meets a decimal comma before its separator; ";" and tab are never part
// of a number.) A quote opens a quoted stretch at the start of a line or right after one of the
// three. Null when no line holds any: the file is one column.
QChar detectSeparator(QStringView text)
{
    std::array<bool, 3> seen{};
    bool quoted = false;
    bool fieldStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"')
                    ++i;
                else
                    quoted = false;
            }
            continue;
        }
        if (c == u'"' && fieldStart) {
            quoted = true;
            fieldStart = false;
            continue;
        }
        const auto found = std::find(separators.begin(), separators.end(), c);
        if (found != separators.end()) {
            seen[std::size_t(found - separators.begin())] = true;
            fieldStart = true;
        } else if (isLineEnd(c)) {
            for (std::size_t k = 0; k < separators.size(); ++k)
                if (seen[k])
                    return separators[k];
            fieldStart = true;
        } else {
            fieldStart = false;
        }
    }
    for (std::size_t k = 0; k < separators.size(); ++k)
        if (seen[k])
            return separators[k];
    return QChar();
}

bool readsAsNumber(QStringView field, const QLocale& notation)
{
    double ignored = 0.0;
    return readLocaleNumber(field, notation, ignored);
}

bool isBlank(QChar c) { return c.isSpace(); }

// A text is quoted when, written as it is, it could read back as something else: split at a
// separator or line break, unquoted by the reader, taken for a number, trimmed, or - a
// byte-order mark in the first cell - dropped. Tab, ";" and "," are quoted in every file, so
// that no text decides the separator. Spreadsheet programs guess more than this reader does
// (digit groups "1 000", dates "1.5", times "12:30", "5%"), so every text that starts like a
// number is quoted too: a quoted field is a text to them as well.
bool needsQuotes(const QString& text, bool firstCell)
{
    if (text.isEmpty() || isBlank(text.front()) || isBlank(text.back()))
        return true;
    for (const QChar c : text)
        if (c == u'"' || isLineEnd(c) || std::find(separators.begin(), separators.end(), c) != separators.end())
            return true;
    if (firstCell && text.startsWith(QChar(0xFEFF)))
        return true;
    const QChar first = text.front();
    if (first.isDigit() || first == u'+' || first == u'-' || first == u'.' || first == QChar(0x2212))
        return true;
    static const QLocale decimalPoint = notationOf(u',', QLocale::c());
    static const QLocale decimalComma = notationOf(u';', QLocale::c());
    return readsAsNumber(text, decimalPoint) || readsAsNumber(text, decimalComma);
}

} // namespace

QByteArray writeCsv(const SheetCells& sheet, const QLocale& locale)
{
    const bool decimalComma = locale.decimalPoint() == QLatin1String(",");
    const QChar separator = decimalComma ? u';' : u',';
    const QLocale notation = notationOf(separator, locale);

    const std::vector<const SheetCell*> grid = cellsByPosition(sheet);
    auto at = [&](int row, int col) { return grid[std::size_t(row - 1) * sheetColumns + std::size_t(col - 1)]; };
    int lastRow = 0;
    int width = 0;
    for (int row = 1; row <= sheetRows; ++row)
        for (int col = 1; col <= sheetColumns; ++col)
            if (at(row, col)) {
                lastRow = row;
                width = std::max(width, col);
            }
    // Every line as wide as the used part of the sheet, as spreadsheet programs write it; a file
    // with decimal commas has at least two columns, so that its first line shows the ";".
    if (decimalComma && width == 1)
        width = 2;

    QString out;
    out.reserve(lastRow * width * 8);
    for (int row = 1; row <= lastRow; ++row) {
        for (int col = 1; col <= width; ++col) {
            if (col > 1)
                out += separator;
            if (const SheetCell* cell = at(row, col))
                appendDelimitedCell(out, *cell, notation, [&](const QString& text) {
                    return needsQuotes(text, row == 1 && col == 1);
                });
        }
        out += QLatin1String("\r\n");
    }
    return out.toUtf8();
}

SheetLoadResult readCsv(const QByteArray& bytes, const QLocale& locale)
{
    SheetLoadResult result;
    QString decodedText;
    if (!decodeTextFile(bytes, result, decodedText))
        return result;
    const QChar separator = detectSeparator(decodedText);
    // A quote that is never closed takes the rest of the file, as spreadsheet programs read it.
    readDelimitedCells(decodedText, separator, DelimitedFieldScanner::Unterminated::RestOfText,
                       notationOf(separator, locale), result);
    return result;
}

} // namespace tallox
