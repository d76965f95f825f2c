#include "figures/UncertaintyPanel.h"

#include "chart/Chart.h"
#include "figures/ControlGroups.h"
#include "figures/FigureTable.h"
#include "figures/PageWidgets.h"
#include "figures/UncertaintyBoxes.h"
#include "worksheet/TF1Book.h"
#include "worksheet/cells/SheetShape.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tallox {

namespace {
bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
}  // namespace

UncertaintyPanel::UncertaintyPanel(TF1Book& sheet, FigureTable& figures, Chart& chart,
                                   ControlGroups& groups, QWidget* parent)
    : QWidget(parent), sheet_(sheet), figures_(figures), chart_(chart)
{
    setObjectName(QStringLiteral("uncertaintyPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(5);
    for (Axis axis : {Axis::X, Axis::Y}) {
        QWidget* panel = framedPanel(this, axis == Axis::X ? "uncertaintyXPanel" : "uncertaintyYPanel");
        buildGroup(axis, panel);
        column->addWidget(panel);
    }
    groups.add(ControlGroup::UncertaintyKindLists, {TypNiepX_ComboBox, TypNiepY_ComboBox});
    groups.add(ControlGroup::FigureInputs, {NrKolumnyNiepewnosciX_ComboBox, NrKolumnyNiepewnosciY_ComboBox});

    connect(TypNiepX_ComboBox, &QComboBox::activated, this, &UncertaintyPanel::TypNiepX_ComboBoxChange);
    connect(TypNiepY_ComboBox, &QComboBox::activated, this, &UncertaintyPanel::TypNiepY_ComboBoxChange);
    connect(NrKolumnyNiepewnosciX_ComboBox, &QComboBox::activated, this,
            &UncertaintyPanel::NrKolumnyNiepewnosciX_ComboBoxChange);
    connect(NrKolumnyNiepewnosciY_ComboBox, &QComboBox::activated, this,
            &UncertaintyPanel::NrKolumnyNiepewnosciY_ComboBoxChange);
    for (QLineEdit* field : {NiepX_Edit, NiepY_Edit})
        field->installEventFilter(this);

    // Until a figure's points are loaded the groups are disabled, with no input showing.
    TypNiepX_ComboBox->setCurrentIndex(0);
    TypNiepY_ComboBox->setCurrentIndex(0);
    NrKolumnyNiepewnosciX_ComboBox->setCurrentIndex(0);
    NrKolumnyNiepewnosciY_ComboBox->setCurrentIndex(1);
    for (Axis axis : {Axis::X, Axis::Y}) {
        const Group g = group(axis);
        for (QWidget* w : std::initializer_list<QWidget*>{g.caption, g.kind, g.value, g.column})
            w->setEnabled(false);
        showInput(axis, 0);
    }
}

UncertaintyPanel::~UncertaintyPanel()
{
    for (QLineEdit* field : {NiepX_Edit, NiepY_Edit})
        field->removeEventFilter(this);
}

void UncertaintyPanel::buildGroup(Axis axis, QWidget* panel)
{
    const bool x = axis == Axis::X;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    QLabel* caption = makeLabel(panel, x ? "NiepX_Label" : "NiepY_Label",
                                x ? QStringLiteral("   Niepewności  X   ")
                                  : QStringLiteral("   Niepewności  Y   "));
    caption->setFont(boldFont(caption->font()));
    QComboBox* kind = makeList(panel, x ? "TypNiepX_ComboBox" : "TypNiepY_ComboBox",
                               {QStringLiteral("Brak"), QStringLiteral("Takie same"),
                                QStringLiteral("Różne")});
    auto* value = new QLineEdit(x ? QStringLiteral("0.2") : QStringLiteral("0.3"), panel);
    value->setObjectName(x ? QStringLiteral("NiepX_Edit") : QStringLiteral("NiepY_Edit"));
    QLabel* valueLabel =
        makeLabel(panel, x ? "oWartoscidlakolumnyX_DoWykresu_Label" : "oWartoscidlakolumnyY_DoWykresu_Label",
                  QStringLiteral("o wartości"));
    QComboBox* columnList =
        makeList(panel, x ? "NrKolumnyNiepewnosciX_ComboBox" : "NrKolumnyNiepewnosciY_ComboBox",
                 sheetColumnLetters());
    QLabel* columnLabel = makeLabel(panel, x ? "zkolumnyX_DoWykresu_Label" : "zkolumnyY_DoWykresu_Label",
                                    QStringLiteral("z kolumny"));
    grid->addWidget(caption, 0, 0, 1, 3);
    grid->addWidget(kind, 1, 0);
    // The value field and the column list share one place: at most one of them shows.
    grid->addWidget(valueLabel, 1, 1);
    grid->addWidget(columnLabel, 1, 1);
    grid->addWidget(value, 1, 2);
    grid->addWidget(columnList, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnMinimumWidth(1, 64);
    grid->setColumnStretch(2, 2);
    // Keep the row's height whichever input shows.
    kind->setMinimumHeight(value->sizeHint().height());

    if (x) {
        NiepX_Label = caption, TypNiepX_ComboBox = kind, NiepX_Edit = value;
        oWartoscidlakolumnyX_DoWykresu_Label = valueLabel;
        NrKolumnyNiepewnosciX_ComboBox = columnList, zkolumnyX_DoWykresu_Label = columnLabel;
    } else {
        NiepY_Label = caption, TypNiepY_ComboBox = kind, NiepY_Edit = value;
        oWartoscidlakolumnyY_DoWykresu_Label = valueLabel;
        NrKolumnyNiepewnosciY_ComboBox = columnList, zkolumnyY_DoWykresu_Label = columnLabel;
    }
}

UncertaintyPanel::Group UncertaintyPanel::group(Axis axis) const
{
    if (axis == Axis::X)
        return {NiepX_Label, TypNiepX_ComboBox, NiepX_Edit, oWartoscidlakolumnyX_DoWykresu_Label,
                NrKolumnyNiepewnosciX_ComboBox, zkolumnyX_DoWykresu_Label};
    return {NiepY_Label, TypNiepY_ComboBox, NiepY_Edit, oWartoscidlakolumnyY_DoWykresu_Label,
            NrKolumnyNiepewnosciY_ComboBox, zkolumnyY_DoWykresu_Label};
}

stats::UncertaintyKind UncertaintyPanel::chosenKind(Axis axis) const
{
    return stats::UncertaintyKind(std::max(0, group(axis).kind->currentIndex()));
}

void UncertaintyPanel::showInput(Axis axis, int kind)
{
    const Group g = group(axis);
    g.value->setVisible(kind == 1);
    g.valueLabel->setVisible(kind == 1);
    g.column->setVisible(kind == 2);
    g.columnLabel->setVisible(kind == 2);
}

void UncertaintyPanel::applyToLoadedFigure()
{
    const int s = figures_.currentSlot();
    if (s < 0)
        return;
    for (Axis axis : {Axis::X, Axis::Y}) {
        group(axis).caption->setEnabled(true);
        group(axis).kind->setEnabled(true);
    }
    danewykresu& figure = figures_.record(s);
    figure.UncKindX = chosenKind(Axis::X);
    figure.UncKindY = chosenKind(Axis::Y);
    Identyfikacja_Niepewnosci_X();
    Identyfikacja_Niepewnosci_Y();
    Generacja_Niepewnosci_Wykresu();
}

void UncertaintyPanel::prepareForNewFigure()
{
    for (Axis axis : {Axis::X, Axis::Y}) {
        const Group g = group(axis);
        g.caption->setEnabled(false);
        g.kind->setEnabled(false);
        g.kind->setCurrentIndex(0);
        g.column->setEnabled(true);
    }
}

void UncertaintyPanel::clearForNoFigure()
{
    for (Axis axis : {Axis::X, Axis::Y}) {
        const Group g = group(axis);
        g.caption->setEnabled(false);
        showInput(axis, 0);
        g.kind->setCurrentIndex(0);
        g.kind->setEnabled(false);
        g.column->setCurrentIndex(0);
        g.column->setEnabled(false);
    }
}

void UncertaintyPanel::Identyfikacja_Niepewnosci_X() { identifyUncertainty(Axis::X); }
void UncertaintyPanel::Identyfikacja_Niepewnosci_Y() { identifyUncertainty(Axis::Y); }

void UncertaintyPanel::identifyUncertainty(Axis axis)
{
    const int s = figures_.currentSlot();
    const Group g = group(axis);
    if (s < 0 || g.kind->currentIndex() != 1 || identifying_)
        return;
    danewykresu& figure = figures_.record(s);
    const bool x = axis == Axis::X;

    const UncertaintyReading reading = readUncertaintyText(g.value->text());
    g.value->setText(reading.text);
    g.value->selectAll();
    switch (reading.outcome) {
    case UncertaintyReading::Outcome::Value:
        (x ? figure.UncTextX : figure.UncTextY) = reading.text;
        (x ? figure.UncValueX : figure.UncValueY) = reading.value;
        (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::Common;
        showInput(axis, 1);
        break;
    case UncertaintyReading::Outcome::Column:
        // The field gets back the last common value it held.
        (x ? figure.UncColumnTextX : figure.UncColumnTextY) = reading.text;
        (x ? figure.UncColumnX : figure.UncColumnY) = std::uint8_t(reading.column);
        g.kind->setCurrentIndex(2);
        (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::PerPoint;
        showInput(axis, 2);
        g.column->setCurrentIndex(reading.column - 1);
        g.value->setText(x ? figure.UncTextX : figure.UncTextY);
        g.value->selectAll();
        break;
    case UncertaintyReading::Outcome::Unreadable:
        // The box takes the focus from the field for a while; that is no leaving of the field.
        identifying_ = true;
        showNotices(reading.notices);
        identifying_ = false;
        break;
    }
}

void UncertaintyPanel::TypNiepX_ComboBoxChange() { uncertaintyKindChanged(Axis::X); }
void UncertaintyPanel::TypNiepY_ComboBoxChange() { uncertaintyKindChanged(Axis::Y); }

void UncertaintyPanel::uncertaintyKindChanged(Axis axis)
{
    const int s = figures_.currentSlot();
    if (s < 0)
        return;
    const Group g = group(axis);
    danewykresu& figure = figures_.record(s);
    const bool x = axis == Axis::X;
    showInput(axis, 0);
    switch (g.kind->currentIndex()) {
    case 0:
        (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::None;
        break;
    case 1:
        g.value->setEnabled(true);
        showInput(axis, 1);
        (x ? figure.UncTextX : figure.UncTextY) = g.value->text();
        (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::Common;
        identifyUncertainty(axis);
        break;
    case 2:
        g.column->setEnabled(true);
        showInput(axis, 2);
        (x ? figure.UncColumnX : figure.UncColumnY) = std::uint8_t(g.column->currentIndex() + 1);
        (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::PerPoint;
        break;
    default:
        break;
    }
    rebuildIfShown();
}

void UncertaintyPanel::NiepX_EditKeyDown(int key)
{
    if (isEnterKey(key))
        uncertaintyFieldDone(Axis::X);
}

void UncertaintyPanel::NiepY_EditKeyDown(int key)
{
    if (isEnterKey(key))
        uncertaintyFieldDone(Axis::Y);
}

void UncertaintyPanel::NiepX_EditExit()
{
    identifyUncertainty(Axis::X);
    rebuildIfShown();
}

void UncertaintyPanel::NiepY_EditExit()
{
    identifyUncertainty(Axis::Y);
    rebuildIfShown();
}

void UncertaintyPanel::uncertaintyFieldDone(Axis axis)
{
    group(axis).value->selectAll();
    identifyUncertainty(axis);
    rebuildIfShown();
}

void UncertaintyPanel::rebuildIfShown()
{
    const int s = figures_.currentSlot();
    if (s >= 0 && figures_.record(s).Shown)
        Generacja_Niepewnosci_Wykresu();
}

void UncertaintyPanel::NrKolumnyNiepewnosciX_ComboBoxChange()
{
    Obsluga_ComboBoxa_NiepewnosciX(NrKolumnyNiepewnosciX_ComboBox->currentIndex());
}

void UncertaintyPanel::NrKolumnyNiepewnosciY_ComboBoxChange()
{
    Obsluga_ComboBoxa_NiepewnosciY(NrKolumnyNiepewnosciY_ComboBox->currentIndex());
}

void UncertaintyPanel::Obsluga_ComboBoxa_NiepewnosciX(int index) { uncertaintyColumnChosen(Axis::X, index); }
void UncertaintyPanel::Obsluga_ComboBoxa_NiepewnosciY(int index) { uncertaintyColumnChosen(Axis::Y, index); }

void UncertaintyPanel::uncertaintyColumnChosen(Axis axis, int index)
{
    const int s = figures_.currentSlot();
    if (s < 0 || index < 0)
        return;
    danewykresu& figure = figures_.record(s);
    const bool x = axis == Axis::X;
    group(axis).kind->setCurrentIndex(2);
    showInput(axis, 2);
    (x ? figure.UncColumnX : figure.UncColumnY) = std::uint8_t(index + 1);
    (x ? figure.UncKindX : figure.UncKindY) = stats::UncertaintyKind::PerPoint;
    // Loading the points rebuilds the boxes; a hidden figure keeps the setting and draws nothing
    // until it is shown or accepted again.
    if (figure.Shown)
        emit pointsReloadNeeded();
}

void UncertaintyPanel::Generacja_Niepewnosci_Wykresu()
{
    const int s = figures_.currentSlot();
    if (s < 0)
        return;
    for (int i = Chart::firstShapeSeries; i < Chart::seriesCount; ++i) {
        ChartSeries& box = chart_.series(i);
        box.clear();
        box.setActive(false);
    }
    const ChartSeries& series = chart_.series(s);
    const int n = std::min(series.count(), Chart::seriesCount - Chart::firstShapeSeries);
    std::vector<QPointF> points;
    points.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i)
        points.emplace_back(series.x(i), series.y(i));

    const UncertaintyBoxes result = computeUncertaintyBoxes(figures_.record(s), points, sheet_);
    for (std::size_t i = 0; i < result.boxes.size(); ++i) {
        ChartSeries& box = chart_.series(Chart::firstShapeSeries + int(i));
        box.addPoint(result.boxes[i].first.x(), result.boxes[i].first.y());
        box.addPoint(result.boxes[i].second.x(), result.boxes[i].second.y());
        box.setActive(true);
    }
    // The last per-point cell read ends up as the active cell.
    if (result.lastRow > 0)
        sheet_.SetActiveCell(result.lastRow, result.lastColumn);
    showNotices(result.notices);
}

bool UncertaintyPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == NiepX_Edit)
            NiepX_EditKeyDown(key);
        else if (watched == NiepY_Edit)
            NiepY_EditKeyDown(key);
    } else if (event->type() == QEvent::FocusOut && (watched == NiepX_Edit || watched == NiepY_Edit)) {
        // Leaving the field for another control; a box or a menu taking the focus for a moment is
        // no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == NiepX_Edit)
                NiepX_EditExit();
            else
                NiepY_EditExit();
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tallox
