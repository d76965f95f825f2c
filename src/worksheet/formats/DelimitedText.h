#pragma once
// What the tab-separated (.dat) and comma-separated (.csv) formats share: splitting text into
// fields with spreadsheet quoting ("..." with "" standing for one quote), and writing a text so
// that it reads back whole.
#include "worksheet/formats/SheetBounds.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <functional>

namespace tallox {

// Walks decoded text field by field. A field starting with a quote runs to the closing quote
// (separators and line breaks inside belong to it); whatever follows the closing quote up to the
// next separator or line end is kept too, as spreadsheet programs do.
class DelimitedFieldScanner {
public:
    enum class Unterminated {
        Plain,      // a quote that is never closed is an ordinary character of its field
        RestOfText  // it opens a field holding the rest of the text
    };
    enum class End { Separator, LineEnd, TextEnd };

    DelimitedFieldScanner(QStringView text, QChar separator, Unterminated unterminated)
        : text_(text), separator_(separator), unterminated_(unterminated) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // Reads the next field into field (quoted: whether it was quoted) and steps over what ended
    // it: a separator, one line end (CR LF, LF or CR) or the end of the text.
    End next(QString& field, bool& quoted);

private:
    QStringView text_;
    QChar separator_;
    Unterminated unterminated_;
    qsizetype pos_ = 0;
};

// The cells of decoded text, one line per row: a field is a number when it is not quoted and
// the whole of it reads as one in the notation (readLocaleNumber), otherwise a text; an empty
// field is an empty cell. Cells beyond the sheet are counted in result.truncated only; a text
// without any cell inside the sheet is refused.
void readDelimitedCells(QStringView text, QChar separator, DelimitedFieldScanner::Unterminated unterminated,
                        const QLocale& notation, SheetLoadResult& result);

inline bool isLineEnd(QChar c) { return c == u'\n' || c == u'\r'; }

// Appends one cell as the delimited formats write it: a number as the shortest text that reads
// back in the notation; a text with control characters other than tab, CR and LF as U+FFFD (a
// reader takes them for a binary file), in quotes with each quote doubled when mustQuote says so.
void appendDelimitedCell(QString& out, const SheetCell& cell, const QLocale& notation,
                         const std::function<bool(const QString& text)>& mustQuote);

} // namespace tallox
