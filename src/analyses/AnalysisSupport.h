#pragma once
// What the analysis pages share: the column mean computation every mean-based analysis starts
// with, reading worksheet columns into plain cells, and the texts results are shown in.
#include "stats/Cell.h"
#include "stats/MessageText.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
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

// A drop-down list with the given items and a starting item.
QComboBox* makePicker(QWidget* parent, const char* name, const QStringList& items, int index);

// A picker whose entries stand for the values of an enum lists them in the order of `entries`:
// the one place where its indexes and the enum meet.
template <class Enum, std::size_t N>
std::optional<Enum> choiceAt(const std::array<Enum, N>& entries, int index)
{
    if (index < 0 || index >= int(N))
        return std::nullopt;
    return entries[std::size_t(index)];
}
template <class Enum, std::size_t N>
int choiceIndex(const std::array<Enum, N>& entries, Enum value)
{
    for (std::size_t i = 0; i < N; ++i)
        if (entries[i] == value)
            return int(i);
    return -1;
}

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
