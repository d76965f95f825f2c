#include "analyses/AnalysisSupport.h"

#include "common/Messages.h"
#include "stats/Mean.h"
#include "stats/ResultFormat.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace tallox {

bool Obliczenie_wartosci_sredniej_dlakolumny(TF1Book& sheet, ColumnTable& columns, int column)
{
    const ColumnCount scan = columns.GetLiczbaDanych(sheet, column);
    for (const Message& notice : scan.notices)
        showMessage(notice);
    if (scan.count == 0)
        return false;
    ColumnRecord& record = columns[column];
    std::vector<long double> values;
    values.reserve(record.NumericCount);
    for (int row = 1; row <= record.LastNumericRow; ++row)
        if (sheet.CellType(row, column) == TF1Book::NumberCell)
            values.push_back(sheet.CellNumber(row, column));
    const std::optional<stats::StandardMean> mean = stats::standardMean(values);
    if (!mean)
        return false;
    record.Mean = mean->mean;
    record.StdDevSingle = mean->stdDevSingle;
    record.StdDevMean = mean->stdDevMean;
    record.Weight = mean->weight;
    return true;
}

std::vector<stats::Cell> columnCells(const TF1Book& sheet, int column, int lastRow)
{
    std::vector<stats::Cell> cells;
    cells.reserve(std::size_t(std::max(0, lastRow)));
    for (int row = 1; row <= lastRow; ++row) {
        switch (sheet.CellType(row, column)) {
        case TF1Book::NumberCell: cells.push_back(stats::numberCell(sheet.CellNumber(row, column))); break;
        case TF1Book::TextCell: cells.push_back(stats::textCell()); break;
        default: cells.push_back(stats::emptyCell()); break;
        }
    }
    return cells;
}

QComboBox* makePicker(QWidget* parent, const char* name, const QStringList& items, int index)
{
    auto* picker = new QComboBox(parent);
    picker->setObjectName(QLatin1String(name));
    picker->addItems(items);
    picker->setCurrentIndex(index);
    picker->setMaxVisibleItems(14);
    return picker;
}

QLabel* addResultRow(QGridLayout* grid, const QString& caption, const char* name)
{
    const int row = grid->rowCount();
    auto* captionLabel = new QLabel(caption);
    grid->addWidget(captionLabel, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    auto* value = new QLabel;
    value->setObjectName(QLatin1String(name));
    value->setTextFormat(Qt::PlainText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setMinimumWidth(190);
    value->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    value->setAutoFillBackground(true);
    value->setBackgroundRole(QPalette::Base);
    value->setContentsMargins(6, 2, 6, 2);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    grid->addWidget(value, row, 1);
    return value;
}

QLabel* addCaption(QWidget* parent, const QString& text) { return new QLabel(text, parent); }

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString resultText(long double value) { return fromUtf8(stats::formatResult(value)); }

QString resultText(const std::optional<long double>& value)
{
    return fromUtf8(stats::formatResult(value));
}

void showAnalysisMessage(const QString& caption, const QString& text)
{
    // Captions of warnings speak of a warning; every other box reports a failure.
    const bool warning = caption.startsWith(QStringLiteral("Ostrz"))
                         || caption.startsWith(QStringLiteral("Ostzeż"));
    showMessage({warning ? MessageIcon::Warning : MessageIcon::Critical, caption, text,
                 MessageButtons::Ok});
}

void showAnalysisMessage(const stats::MessageText& message)
{
    showAnalysisMessage(fromUtf8(message.caption), fromUtf8(message.text));
}

} // namespace tallox
