#include "worksheet/formats/TextDataReader.h"

#include "worksheet/formats/LocaleNumber.h"

#include <string_view>

namespace tallox {

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Walks the bytes the way the reader reads them.
class TextDataScanner {
public:
    explicit TextDataScanner(std::string_view bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }

    // The next run (at most textDataRunLength bytes) after blanks, tabs and line ends; empty at
    // the end of the file.
    std::string_view nextRun()
    {
        while (!atEnd() && isSeparator(bytes_[pos_]))
            ++pos_;
        const std::size_t start = pos_;
        while (!atEnd() && !isSeparator(bytes_[pos_]) && pos_ - start < std::size_t(textDataRunLength))
            ++pos_;
        return bytes_.substr(start, pos_ - start);
    }

    // Skips the rest of the current line and its line end (LF, or a CR alone).
    void skipRestOfLine()
    {
        while (!atEnd() && bytes_[pos_] != '\n' && bytes_[pos_] != '\r')
            ++pos_;
        if (atEnd())
            return;
        if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n')
            ++pos_;
        ++pos_;
    }

    // True when something other than blanks, tabs and line ends is left.
    bool hasMoreRuns() const
    {
        for (std::size_t i = pos_; i < bytes_.size(); ++i)
            if (!isSeparator(bytes_[i]))
                return true;
        return false;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

} // namespace

SheetLoadResult readTextData(const QByteArray& bytes)
{
    std::string_view view(bytes.constData(), std::size_t(bytes.size()));
    if (view.starts_with("\xEF\xBB\xBF"))
        view.remove_prefix(3);
    TextDataScanner scanner(view);

    SheetLoadResult result;
    result.ok = true;
    for (int row = 1; !scanner.atEnd(); ++row) {
        if (row > sheetRows) {
            result.truncated = scanner.hasMoreRuns();
            break;
        }
        for (int col = 1; col <= 4; ++col) {
            const std::string_view run = scanner.nextRun();
            SheetCell cell;
            cell.row = row;
            cell.col = col;
            cell.kind = SheetCell::Kind::Number;
            if (run.empty())
                cell.number = 0.0;  // past the end of the file
            else if (!readDottedNumber(run, cell.number))
                continue;           // not a number: the cell stays empty
            result.sheet.cells.push_back(cell);
        }
        scanner.skipRestOfLine();
    }
    return result;
}

} // namespace tallox
