#pragma once
// How the worksheet turns numbers into texts and texts into numbers, in the user's locale, and
// the tab-separated text that spreadsheet programs exchange through the clipboard.
#include <QLocale>
#include <QString>
#include <vector>

class QFontMetrics;

namespace tallox {

// The worksheet's locale: the default QLocale, without digit grouping. Grouping is rejected when
// reading, so that "1,5" typed under an English locale is a text and not fifteen.
QLocale worksheetLocale();

// A cell's number as shown: up to 15 significant digits in the locale's format.
QString numberToCellText(double value);
// The shortest text in the locale's format that reads back to the same double.
QString numberToExactText(double value);
// True (and the value) when the locale reads the whole text, blanks around it aside, as a finite
// number.
bool readTypedNumber(const QString& text, double& value);

// True when the text is no number in the worksheet's locale but would be one written with the
// other decimal separator ("1.5" under Polish settings, "1,5" under English ones).
bool isNumberInOtherConvention(const QString& text);
// The hint for such a text kept as a text in a cell: where it is, and how numbers are written here.
QString otherConventionHint(int row, int col, const QString& text);

// A width in 1/256 of a character as pixels for the grid's font.
int widthInPixels(int width, const QFontMetrics& metrics);

struct ClipboardField {
    QString text;
    bool quoted = false;  // quoted fields are texts even when they look like numbers
};
// A text cell as one clipboard field: quoted when it holds a tab, a line break or a quote, or
// when it would otherwise be read back as a number.
QString textToClipboardField(const QString& text);
QString joinTabSeparated(const std::vector<std::vector<QString>>& rows);
// Rows of fields; CR LF or LF between rows, a final line break ends the last row.
std::vector<std::vector<ClipboardField>> splitTabSeparated(const QString& text);

} // namespace tallox
