#pragma once
// The small texts of an Office Open XML worksheet, both ways: cell references ("B3"), number
// values, ISO dates, and the "_xHHHH_" escapes that carry characters XML cannot hold.
#include <QString>
#include <QStringView>

#include <optional>

namespace tallox::xlsx {

// The largest worksheet Excel makes: columns A to XFD, rows 1 to 1048576.
inline constexpr int maxColumn = 16384;
inline constexpr int maxRow = 1048576;

struct CellReference {
    int row = 0;  // 1-based
    int col = 0;  // 1-based
};

// "B3" → row 3, column 2; letters upper or lower case. Nothing when the text is no reference or
// names a cell beyond XFD1048576.
std::optional<CellReference> parseCellReference(QStringView text);

// A row number of a worksheet (1 to 1048576); nothing otherwise.
std::optional<int> parseRowNumber(QStringView text);

// The serial number (days since 1899-12-30, the fraction of a day for the time) of an ISO 8601
// date or date and time as cells of type "d" hold it: "2024-03-15", "2024-03-15T12:30:00.5",
// "12:30:00". In a workbook of the 1904 date system the days count from 1904-01-01. Nothing when
// the text is no such date, or a date before 1900 (which Excel cannot hold as a number).
std::optional<double> dateSerial(QStringView text, bool date1904);

// Decodes "_xHHHH_" escapes (the UTF-16 unit HHHH); "_x005F_" is the underscore itself.
QString decodeEscapes(QStringView text);

// Escapes what an XML 1.0 text cannot hold or would not keep (control characters other than tab
// and line feed, a carriage return, U+FFFE/U+FFFF, unpaired surrogates) as "_xHHHH_", and an
// underscore that would otherwise start such an escape as "_x005F_".
QString encodeEscapes(QStringView text);

} // namespace tallox::xlsx
