#pragma once
// What the analysis pages share: the column mean computation every mean-based analysis starts
// with, reading worksheet columns into plain cells, and the texts results are shown in.
#include "stats/Cell.h"
#include "stats/MessageText.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>
#include <vector>

class ColumnTable;
class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;
class TF1Book;

namespace tallox {

// Counts the column (with the column count's warnings about text cells), then stores its mean,
// the deviations of a single measurement and of the mean, and the weight in its record.
// False, with only the count changed, when the column holds no number.
bool Obliczenie_wartosci_sredniej_dlakolumny(TF1Book& sheet, ColumnTable& columns, int column);

// The cells of a column from row 1 to lastRow.
std::vector<stats::Cell> columnCells(const TF1Book& sheet, int column, int lastRow);

// A column as the results show it: its number, a blank and its letter in parentheses, "3 (C)".
QString columnText(int column, const QString& letter);
// The column number read back from such a text: the leading digits among its first two
// characters (leading blanks skipped); 0 when there is none.
int columnNumberFromText(const QString& text);

// A drop-down list with the given items and a starting item.
QComboBox* makePicker(QWidget* parent, const char* name, const QStringList& items, int index);

// A result line of a page: the caption, then the label that shows the value (empty at start).
QLabel* addResultRow(QGridLayout* grid, const QString& caption, const char* name);
// A caption label beside an input.
QLabel* addCaption(QWidget* parent, const QString& text);

QString fromUtf8(std::string_view text);
QString resultText(long double value);
QString resultText(const std::optional<long double>& value);
// The program's box for a failure or a warning of an analysis.
void showAnalysisMessage(const stats::MessageText& message);
void showAnalysisMessage(const QString& caption, const QString& text);

} // namespace tallox
