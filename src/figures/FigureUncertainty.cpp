// The uncertainty boxes of the current figure: the kind of each axis's uncertainty, the typed
// common value (or a letter naming a column), and the rebuild of one box per point.
#include "chart/Chart.h"
#include "common/Messages.h"
#include "figures/FiguresPage.h"
#include "stats/NumberText.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace tallox {

namespace {

const QString kUserErrorCaption = QStringLiteral("Poważny błąd użytkownika!");

void showProgramBox(const QString& caption, const QString& text)
{
    showMessage({MessageIcon::None, caption, text, MessageButtons::Ok});
}

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

void FiguresPage::showUncertaintyInput(Axis axis, int kind)
{
    const UncertaintyGroup g = group(axis);
    g.value->setVisible(kind == 1);
    g.valueLabel->setVisible(kind == 1);
    g.column->setVisible(kind == 2);
    g.columnLabel->setVisible(kind == 2);
}

void FiguresPage::Identyfikacja_Niepewnosci_X() { identifyUncertainty(Axis::X); }
void FiguresPage::Identyfikacja_Niepewnosci_Y() { identifyUncertainty(Axis::Y); }

void FiguresPage::identifyUncertainty(Axis axis)
{
    const int s = currentSlot();
    const UncertaintyGroup g = group(axis);
    if (s < 0 || g.kind->currentIndex() != 1 || identifying_)
        return;
    danewykresu& figure = figures_.record(s);
    const bool x = axis == Axis::X;

    const std::string cleaned = stats::cleanNumberText(g.value->text().toStdString());
    const stats::NumberConversion number = stats::convertNumber(cleaned);
    const QString text = QString::fromStdString(cleaned);
    g.value->setText(text);
    g.value->selectAll();

    if (number.ok()) {
        (x ? figure.UncTextX : figure.UncTextY) = text;
        (x ? figure.UncValueX : figure.UncValueY) = double(number.value);
        (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::Common;
        showUncertaintyInput(axis, 1);
    } else if (number.errorPosition == 1 && !cleaned.empty() && cleaned[0] >= 'A' && cleaned[0] <= 'Z') {
        // A letter names the column of per-point uncertainties ("C5" names C); the field gets
        // back the last common value it held.
        const int column = cleaned[0] - 'A' + 1;
        (x ? figure.UncColumnTextX : figure.UncColumnTextY) = text;
        (x ? figure.UncColumnX : figure.UncColumnY) = std::uint8_t(column);
        g.kind->setCurrentIndex(2);
        (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::PerPoint;
        showUncertaintyInput(axis, 2);
        g.column->setCurrentIndex(column - 1);
        g.value->setText(x ? figure.UncTextX : figure.UncTextY);
        g.value->selectAll();
    } else {
        // The box takes the focus from the field for a while; that is no leaving of the field.
        identifying_ = true;
        showProgramBox(QStringLiteral("Uwaga !"),
                       QStringLiteral("Niepoprawny format numeryczny!  Popraw wartość niepewności!"));
        identifying_ = false;
    }
}

void FiguresPage::TypNiepX_ComboBoxChange() { uncertaintyKindChanged(Axis::X); }
void FiguresPage::TypNiepY_ComboBoxChange() { uncertaintyKindChanged(Axis::Y); }

void FiguresPage::uncertaintyKindChanged(Axis axis)
{
    const int s = currentSlot();
    if (s < 0)
        return;
    const UncertaintyGroup g = group(axis);
    danewykresu& figure = figures_.record(s);
    const bool x = axis == Axis::X;
    showUncertaintyInput(axis, 0);
    switch (g.kind->currentIndex()) {
    case 0:
        (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::None;
        break;
    case 1:
        g.value->setEnabled(true);
        showUncertaintyInput(axis, 1);
        (x ? figure.UncTextX : figure.UncTextY) = g.value->text();
        (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::Common;
        identifyUncertainty(axis);
        break;
    case 2:
        g.column->setEnabled(true);
        showUncertaintyInput(axis, 2);
        (x ? figure.UncColumnX : figure.UncColumnY) = std::uint8_t(g.column->currentIndex() + 1);
        (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::PerPoint;
        break;
    default:
        break;
    }
    if (figure.Shown)
        Generacja_Niepewnosci_Wykresu();
}

void FiguresPage::NiepX_EditKeyDown(int key)
{
    if (isEnterKey(key))
        uncertaintyFieldDone(Axis::X);
}

void FiguresPage::NiepY_EditKeyDown(int key)
{
    if (isEnterKey(key))
        uncertaintyFieldDone(Axis::Y);
}

void FiguresPage::NiepX_EditExit()
{
    identifyUncertainty(Axis::X);
    const int s = currentSlot();
    if (s >= 0 && figures_.record(s).Shown)
        Generacja_Niepewnosci_Wykresu();
}

void FiguresPage::NiepY_EditExit()
{
    identifyUncertainty(Axis::Y);
    const int s = currentSlot();
    if (s >= 0 && figures_.record(s).Shown)
        Generacja_Niepewnosci_Wykresu();
}

void FiguresPage::uncertaintyFieldDone(Axis axis)
{
    group(axis).value->selectAll();
    identifyUncertainty(axis);
    const int s = currentSlot();
    if (s >= 0 && figures_.record(s).Shown)
        Generacja_Niepewnosci_Wykresu();
}

void FiguresPage::NrKolumnyNiepewnosciX_ComboBoxChange()
{
    Obsluga_ComboBoxa_NiepewnosciX(NrKolumnyNiepewnosciX_ComboBox->currentIndex());
}

void FiguresPage::NrKolumnyNiepewnosciY_ComboBoxChange()
{
    Obsluga_ComboBoxa_NiepewnosciY(NrKolumnyNiepewnosciY_ComboBox->currentIndex());
}

void FiguresPage::Obsluga_ComboBoxa_NiepewnosciX(int index) { uncertaintyColumnChosen(Axis::X, index); }
void FiguresPage::Obsluga_ComboBoxa_NiepewnosciY(int index) { uncertaintyColumnChosen(Axis::Y, index); }

void FiguresPage::uncertaintyColumnChosen(Axis axis, int index)
{
    const int s = currentSlot();
    if (s < 0 || index < 0)
        return;
    danewykresu& figure = figures_.record(s);
    const bool x = axis == Axis::X;
    group(axis).kind->setCurrentIndex(2);
    showUncertaintyInput(axis, 2);
    (x ? figure.UncColumnX : figure.UncColumnY) = std::uint8_t(index + 1);
    (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::PerPoint;
    // Loading the points rebuilds the boxes; a hidden figure keeps the setting and draws nothing
    // until it is shown or accepted again.
    if (figure.Shown)
        Akceptacja_Wykresu();
}

void FiguresPage::Generacja_Niepewnosci_Wykresu()
{
    const int s = currentSlot();
    if (s < 0)
        return;
    for (int i = Chart::firstShapeSeries; i < Chart::seriesCount; ++i) {
        ChartSeries& box = chart_.series(i);
        box.clear();
        box.setActive(false);
    }
    const danewykresu& figure = figures_.record(s);
    const ChartSeries& points = chart_.series(s);
    const int n = std::min(points.count(), Chart::seriesCount - Chart::firstShapeSeries);

    // Per-point uncertainties come from worksheet row i + 1 of their column; an empty or text
    // cell reads as 0. The last cell read ends up as the active cell.
    int lastRow = 0, lastColumn = 0;
    auto perPoint = [&](int row, int column) -> double {
        if (column < 1 || column > sheetColumns)
            return 0.0;
        lastRow = row, lastColumn = column;
        return sheet_.CellType(row, column) == TF1Book::NumberCell ? sheet_.CellNumber(row, column) : 0.0;
    };

    for (int i = 0; i < n; ++i) {
        const double x = points.x(i), y = points.y(i);
        if (figure.UncKindX == stats::UncertaintyKind::None && figure.UncKindY == stats::UncertaintyKind::None)
            continue;
        double ux = 0, uy = 0;
        if (figure.UncKindX == stats::UncertaintyKind::Common) {
            ux = figure.UncValueX;
        } else if (figure.UncKindX == stats::UncertaintyKind::PerPoint) {
            if (figure.UncColumnX == figure.DataColumnX) {
                showProgramBox(kUserErrorCaption,
                               QStringLiteral("Kolumna niepewności x-ksa jest taka sama jak kolumna "
                                              "danych x-ów! Zastanów się!"));
                break;
            }
            ux = perPoint(i + 1, figure.UncColumnX);
            if (ux < 0)
                showProgramBox(kUserErrorCaption,
                               QStringLiteral("Niepewność x-ksa nie może być ujemna! Zastanów się!"));
            else if (ux == 0)
                showProgramBox(QStringLiteral("Ostrzeżenie o nieprawidłowej wartości niepewności x-ksa!!"),
                               QStringLiteral("Niepewność x-ksa jest zerem! "));
        }
        if (figure.UncKindY == stats::UncertaintyKind::Common) {
            uy = figure.UncValueY;
        } else if (figure.UncKindY == stats::UncertaintyKind::PerPoint) {
            if (figure.UncColumnY == figure.DataColumnY) {
                showProgramBox(kUserErrorCaption,
                               figure.UncKindX != stats::UncertaintyKind::None
                                   ? QStringLiteral("Kolumna niepewności y-ka jest taka sama jak "
                                                    "kolumna danych y-ów! Zastanów się!")
                                   : QStringLiteral("Kolumna niepewności y-a jest taka sama jak "
                                                    "kolumna danych y-ów! Zastanów się!"));
                break;
            }
            uy = perPoint(i + 1, figure.UncColumnY);
            if (uy < 0)
                showProgramBox(kUserErrorCaption,
                               QStringLiteral("Niepewność y-ka nie może być ujemna! Zastanów się!"));
            else if (uy == 0)
                showProgramBox(QStringLiteral("Ostrzeżenie o nieprawidłowej wartości niepewności y-ka!!"),
                               QStringLiteral("Niepewność y-ka jest zerem! "));
        }

        // Opposite corners of the box; with one uncertainty only the box is a segment.
        ChartSeries& box = chart_.series(Chart::firstShapeSeries + i);
        if (figure.UncKindX != stats::UncertaintyKind::None && figure.UncKindY != stats::UncertaintyKind::None) {
            box.addPoint(x - ux, y + uy);
            box.addPoint(x + ux, y - uy);
        } else if (figure.UncKindX != stats::UncertaintyKind::None) {
            box.addPoint(x - ux, y);
            box.addPoint(x + ux, y);
        } else {
            box.addPoint(x, y + uy);
            box.addPoint(x, y - uy);
        }
        box.setActive(true);
    }
    if (lastRow > 0)
        sheet_.SetActiveCell(lastRow, lastColumn);
}

}  // namespace tallox
