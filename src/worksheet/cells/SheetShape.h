#pragma once
// The worksheet's fixed shape: one sheet of 200 rows and 26 columns, numbered from 1. Columns 1 to
// 22 ("A" to "V") hold the measured data; 23 to 26 are the columns the transformations write.
#include <QString>
#include <QStringList>

namespace tallox {

inline constexpr int sheetRows = 200;
inline constexpr int sheetColumns = 26;
inline constexpr int dataColumns = 22;

// The transform columns: transformed X and Y, and their uncertainties.
inline constexpr int transXColumn = 23;
inline constexpr int transYColumn = 24;
inline constexpr int transUncertaintyXColumn = 25;
inline constexpr int transUncertaintyYColumn = 26;

inline constexpr bool insideSheet(int row, int col)
{
    return row >= 1 && row <= sheetRows && col >= 1 && col <= sheetColumns;
}

// A column's letters: "A" ... "Z" for 1 ... 26, then "AA", "AB", ... (spreadsheet naming).
inline QString columnLetters(int col)
{
    QString letters;
    for (int n = col; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

// "A" to "Z": every column of the sheet by its letter, as the column pickers list them.
inline QStringList sheetColumnLetters()
{
    QStringList letters;
    for (int col = 1; col <= sheetColumns; ++col)
        letters << columnLetters(col);
    return letters;
}

} // namespace tallox
