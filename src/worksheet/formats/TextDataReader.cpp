#include "worksheet/formats/TextDataReader.h"

#include "worksheet/formats/LocaleNumber.h"
#include "common/TextDecoding.h"

#include <string>

namespace tallox {

namespace {

bool isSeparator(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// Walks the text the way the reader reads it.
class TextDataScanner {
public:
    explicit TextDataScanner(QStringView text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // The next run (at most textDataRunLength characters) after blanks, tabs and line ends;
    // empty at the end of the file.
    QStringView nextRun()
    {
        while (!atEnd() && isSeparator(text_[pos_]))
            ++pos_;
        const qsizetype start = pos_;
        while (!atEnd() && !isSeparator(text_[pos_]) && pos_ - start < textDataRunLength)
            ++pos_;
        return text_.sliced(start, pos_ - start);
    }

    // Skips the rest of the current line and its line end (LF, or a CR alone).
    void skipRestOfLine()
    {
        while (!atEnd() && text_[pos_] != u'\n' && text_[pos_] != u'\r')
            ++pos_;
        if (atEnd())
            return;
        if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
            ++pos_;
        ++pos_;
    }

    // True when something other than blanks, tabs and line ends is left.
    bool hasMoreRuns() const { return !holdsOnlyBlanks(text_.sliced(pos_)); }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// The run as a dotted number; a run with any character outside ASCII is none.
bool readRun(QStringView run, double& value)
{
    std::string ascii;
    ascii.reserve(std::size_t(run.size()));
    for (const QChar c : run) {
        if (c.unicode() > 0x7F)
            return false;
        ascii += char(c.unicode());
    }
    return readDottedNumber(ascii, value);
}

} // namespace

SheetLoadResult readTextData(const QByteArray& bytes)
{
    SheetLoadResult result;
    QString decodedText;
    if (!decodeTextFile(bytes, result, decodedText))
        return result;
    TextDataScanner scanner(decodedText);
    for (int row = 1; !scanner.atEnd(); ++row) {
        if (row > sheetRows) {
            result.truncated = scanner.hasMoreRuns();
            break;
        }
        for (int col = 1; col <= 4; ++col) {
            const QStringView run = scanner.nextRun();
            SheetCell cell;
            cell.row = row;
            cell.col = col;
            cell.kind = SheetCell::Kind::Number;
            if (run.empty()) {
                cell.number = 0.0;  // past the end of the file
            } else if (!readRun(run, cell.number)) {
                ++result.notNumbers;  // not a number: the cell stays empty
                continue;
            }
            result.sheet.cells.push_back(cell);
        }
        scanner.skipRestOfLine();
    }
    makeCellsStorable(result.sheet);
    result.ok = true;
    refuseWithoutCells(result);
    return result;
}

} // namespace tallox
