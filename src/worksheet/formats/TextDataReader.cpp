#include "worksheet/formats/TextDataReader.h"

#include <charconv>
#include <string_view>

namespace tallox {

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

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

bool readDottedNumber(std::string_view run, double& value)
{
    // Shape first: [+-] digits [. digits] [(E|e) [+-] digits], at least one mantissa digit.
    std::size_t i = 0;
    const std::size_t n = run.size();
    if (i < n && (run[i] == '+' || run[i] == '-'))
        ++i;
    const std::size_t mantissa = i;
    std::size_t digits = 0;
    while (i < n && isDigit(run[i]))
        ++i, ++digits;
    if (i < n && run[i] == '.') {
        ++i;
        while (i < n && isDigit(run[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    bool negativeExponent = false;
    if (i < n && (run[i] == 'e' || run[i] == 'E')) {
        ++i;
        if (i < n && (run[i] == '+' || run[i] == '-'))
            negativeExponent = run[i++] == '-';
        std::size_t exponentDigits = 0;
        while (i < n && isDigit(run[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    if (i != n)
        return false;

    // from_chars takes no "+" and no lone leading "-" before a "."; hand it the plain form.
    const bool negative = run[0] == '-';
    const char* first = run.data() + mantissa;
    const char* last = run.data() + n;
    double magnitude = 0.0;
    const auto result = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (result.ptr != last)
        return false;
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a double reads as zero; too large is not a value a double can keep.
        if (!negativeExponent)
            return false;
        magnitude = 0.0;
    } else if (result.ec != std::errc()) {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

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
