#include "worksheet/formats/DelimitedText.h"

#include "common/TextDecoding.h"
#include "worksheet/formats/LocaleNumber.h"

namespace tallox {

DelimitedFieldScanner::End DelimitedFieldScanner::next(QString& field, bool& quoted)
{
    const qsizetype n = text_.size();
    qsizetype i = pos_;
    field.clear();
    quoted = false;
    if (i < n && text_[i] == u'"') {
        qsizetype j = i + 1;
        bool closed = false;
        while (j < n) {
            if (text_[j] == u'"') {
                if (j + 1 < n && text_[j + 1] == u'"') {
                    field += u'"';
                    j += 2;
                    continue;
                }
                closed = true;
                ++j;
                break;
            }
            field += text_[j++];
        }
        if (closed || unterminated_ == Unterminated::RestOfText) {
            quoted = true;
            i = j;
        } else {
            field.clear();  // the quote is an ordinary character
        }
    }
    while (i < n && text_[i] != separator_ && !isLineEnd(text_[i]))
        field += text_[i++];

    if (i >= n) {
        pos_ = n;
        return End::TextEnd;
    }
    if (text_[i] == separator_) {
        pos_ = i + 1;
        return End::Separator;
    }
    pos_ = i + ((text_[i] == u'\r' && i + 1 < n && text_[i + 1] == u'\n') ? 2 : 1);
    return End::LineEnd;
}

namespace {

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

void appendQuoted(QString& out, const QString& text)
{
    out += u'"';
    out += QString(text).replace(QLatin1String("\""), QLatin1String("\"\""));
    out += u'"';
}

} // namespace

void appendDelimitedCell(QString& out, const SheetCell& cell, const QLocale& notation,
                         const std::function<bool(const QString& text)>& mustQuote)
{
    if (cell.kind == SheetCell::Kind::Number) {
        out += shortestNumberText(cell.number, notation);
        return;
    }
    const QString text = withoutControlCharacters(cell.text);
    if (mustQuote(text))
        appendQuoted(out, text);
    else
        out += text;
}

void readDelimitedCells(QStringView text, QChar separator, DelimitedFieldScanner::Unterminated unterminated,
                        const QLocale& notation, SheetLoadResult& result)
{
    DelimitedFieldScanner scanner(text, separator, unterminated);
    int row = 1;
    int col = 1;
    QString field;
    bool quoted = false;
    while (!scanner.atEnd()) {
        const DelimitedFieldScanner::End end = scanner.next(field, quoted);
        if (!field.isEmpty()) {
            if (!insideSheet(row, col)) {
                result.truncated = true;
            } else {
                SheetCell cell;
                cell.row = row;
                cell.col = col;
                if (!quoted && readLocaleNumber(field, notation, cell.number)) {
                    cell.kind = SheetCell::Kind::Number;
                } else {
                    cell.kind = SheetCell::Kind::Text;
                    cell.text = field;
                }
                result.sheet.cells.push_back(std::move(cell));
            }
        }

        if (end == DelimitedFieldScanner::End::Separator) {
            col = col < sheetColumns + 1 ? col + 1 : col;  // every column past the sheet is alike
        } else {
            row = row < sheetRows + 1 ? row + 1 : row;
            col = 1;
        }
    }
    makeCellsStorable(result.sheet);
    result.ok = true;
    refuseWithoutCells(result);
}

} // namespace tallox
