#include "figures/FigureManager.h"

#include "chart/Chart.h"
#include "figures/ControlGroups.h"
#include "figures/FigureTable.h"
#include "figures/FittedLine.h"
#include "figures/PageWidgets.h"
#include "figures/UncertaintyPanel.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallox {

namespace {

const QString kFigureErrorCaption = QStringLiteral("Poważny błąd generacji wykresu!");

// The data columns: "A" to "V", then the columns the transformations write to.
QStringList dataColumnEntries()
{
    QStringList entries = sheetColumnLetters().mid(0, dataColumns);
    entries << QStringLiteral("Trans X") << QStringLiteral("Trans Y") << QStringLiteral("Trans niep X")
            << QStringLiteral("Trans niep Y");
    return entries;
}

void enableAll(std::initializer_list<QWidget*> widgets, bool enabled)
{
    for (QWidget* w : widgets)
        w->setEnabled(enabled);
}

}  // namespace

FigureManager::FigureManager(TF1Book& sheet, ColumnTable& columns, FigureTable& figures, Chart& chart,
                             FittedLine& fittedLine, UncertaintyPanel& uncertainties,
                             ControlGroups& groups, QWidget* parent)
    : QWidget(parent), sheet_(sheet), columns_(columns), figures_(figures), chart_(chart),
      fittedLine_(fittedLine), uncertainties_(uncertainties), groups_(groups)
{
    setObjectName(QStringLiteral("figureManager"));
    buildControls();
    groups_.add(ControlGroup::FigureInputs,
                {NrWykresu_ComboBox, NrKolumnyDanychX_ComboBox, NrKolumnyDanychY_ComboBox,
                 WidocznyWykres_ComboBox, WidocznaRegresja_ComboBox});

    // The figure table follows the chosen figure, whoever chose it (the user or the program).
    connect(NrWykresu_ComboBox, &QComboBox::currentIndexChanged, this,
            [this] { figures_.setCurrentSlot(currentSlot()); });
    connect(AddFigure_Button, &QPushButton::clicked, this, &FigureManager::AddFigure_ButtonClick);
    connect(RemoveFigure_Button, &QPushButton::clicked, this, &FigureManager::RemoveFigure_ButtonClick);
    connect(Akceptuj_Button, &QPushButton::clicked, this, &FigureManager::Akceptuj_ButtonClick);
    connect(NrKolumnyDanychX_ComboBox, &QComboBox::activated, this,
            &FigureManager::NrKolumnyDanychX_ComboBoxChange);
    connect(NrKolumnyDanychY_ComboBox, &QComboBox::activated, this,
            &FigureManager::NrKolumnyDanychY_ComboBoxChange);
    connect(WidocznyWykres_ComboBox, &QComboBox::activated, this,
            &FigureManager::WidocznyWykres_ComboBoxChange);
    connect(WidocznaRegresja_ComboBox, &QComboBox::activated, this,
            &FigureManager::WidocznaRegresja_ComboBoxChange);
    // Choosing a column of per-point uncertainties re-loads a shown figure.
    connect(&uncertainties_, &UncertaintyPanel::pointsReloadNeeded, this,
            &FigureManager::Akceptacja_Wykresu);
    setStartState();
}

bool FigureManager::figurePresent() const { return RemoveFigure_Button->isEnabled(); }

int FigureManager::currentSlot() const
{
    const int slot = NrWykresu_ComboBox->currentIndex();
    return slot >= 0 && slot < FigureTable::slotCount ? slot : -1;
}

QStringList FigureManager::figureNumbers() const
{
    QStringList numbers;
    for (int i = 0; i < NrWykresu_ComboBox->count(); ++i)
        numbers << NrWykresu_ComboBox->itemText(i);
    return numbers;
}

void FigureManager::buildControls()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(5);

    // The figure: its number, create and remove.
    auto* figureRow = new QGridLayout;
    figureRow->setHorizontalSpacing(6);
    AktuWykres_Label = makeLabel(this, "AktuWykres_Label", QStringLiteral("Wykres nr"));
    NrWykresu_ComboBox = makeList(this, "NrWykresu_ComboBox", {QStringLiteral("1")});
    AddFigure_Button = new QPushButton(QStringLiteral("Dodaj Wykres"), this);
    AddFigure_Button->setObjectName(QStringLiteral("AddFigure_Button"));
    AddFigure_Button->setToolTip(QStringLiteral("Utworz nowy wykres"));
    AddFigure_Button->setStatusTip(AddFigure_Button->toolTip());
    RemoveFigure_Button = new QPushButton(QStringLiteral("Usuń"), this);
    RemoveFigure_Button->setObjectName(QStringLiteral("RemoveFigure_Button"));
    RemoveFigure_Button->setToolTip(QStringLiteral("Usun wykres"));
    RemoveFigure_Button->setStatusTip(RemoveFigure_Button->toolTip());
    figureRow->addWidget(AktuWykres_Label, 0, 0);
    figureRow->addWidget(NrWykresu_ComboBox, 0, 1);
    figureRow->addWidget(AddFigure_Button, 1, 0);
    figureRow->addWidget(RemoveFigure_Button, 1, 1);
    figureRow->setColumnStretch(0, 1);
    figureRow->setColumnStretch(1, 1);
    column->addLayout(figureRow);

    // The data: which columns are X and Y, and whether the points and the line show.
    Dane_Label = makeLabel(this, "Dane_Label", QStringLiteral("Dane wykresu"));
    Dane_Label->setFont(boldFont(Dane_Label->font()));
    column->addWidget(Dane_Label);
    auto* data = new QGridLayout;
    data->setHorizontalSpacing(6);
    OsOdcietych_Label = makeLabel(this, "OsOdcietych_Label", QStringLiteral("Oś odciętych (X)"));
    OsRzednych_Label = makeLabel(this, "OsRzednych_Label", QStringLiteral("Oś rzędnych (Y)"));
    NrKolumnyDanychX_ComboBox = makeList(this, "NrKolumnyDanychX_ComboBox", dataColumnEntries());
    NrKolumnyDanychY_ComboBox = makeList(this, "NrKolumnyDanychY_ComboBox", dataColumnEntries());
    WykresWidoczny_Label = makeLabel(this, "WykresWidoczny_Label", QStringLiteral("Wykres widoczny"));
    RegresjaWidoczna_Label =
        makeLabel(this, "RegresjaWidoczna_Label", QStringLiteral("Regresja widoczna"));
    const QStringList yesNo = {QStringLiteral("Tak"), QStringLiteral("Nie")};
    WidocznyWykres_ComboBox = makeList(this, "WidocznyWykres_ComboBox", yesNo);
    WidocznaRegresja_ComboBox = makeList(this, "WidocznaRegresja_ComboBox", yesNo);
    data->addWidget(OsOdcietych_Label, 0, 0);
    data->addWidget(NrKolumnyDanychX_ComboBox, 0, 1);
    data->addWidget(OsRzednych_Label, 1, 0);
    data->addWidget(NrKolumnyDanychY_ComboBox, 1, 1);
    data->addWidget(WykresWidoczny_Label, 2, 0);
    data->addWidget(WidocznyWykres_ComboBox, 2, 1);
    data->addWidget(RegresjaWidoczna_Label, 3, 0);
    data->addWidget(WidocznaRegresja_ComboBox, 3, 1);
    data->setColumnStretch(0, 1);
    data->setColumnStretch(1, 1);
    column->addLayout(data);

    // Placed by the page, below the uncertainty and style groups.
    Akceptuj_Button = new QPushButton(QStringLiteral("Akceptuj Ustawienia"), this);
    Akceptuj_Button->setObjectName(QStringLiteral("Akceptuj_Button"));
}

void FigureManager::setStartState()
{
    // Until a figure exists only "Dodaj Wykres" is enabled.
    NrWykresu_ComboBox->setCurrentIndex(0);
    NrKolumnyDanychX_ComboBox->setCurrentIndex(0);
    NrKolumnyDanychY_ComboBox->setCurrentIndex(1);
    WidocznyWykres_ComboBox->setCurrentIndex(0);
    WidocznaRegresja_ComboBox->setCurrentIndex(1);
    enableAll({AktuWykres_Label, NrWykresu_ComboBox, RemoveFigure_Button, Akceptuj_Button, Dane_Label,
                OsOdcietych_Label, OsRzednych_Label, NrKolumnyDanychX_ComboBox, NrKolumnyDanychY_ComboBox,
                WykresWidoczny_Label, WidocznyWykres_ComboBox, RegresjaWidoczna_Label,
                WidocznaRegresja_ComboBox},
               false);
    // The list chose its first entry while it was filled, before anyone listened.
    figures_.setCurrentSlot(currentSlot());
}

void FigureManager::Akceptuj_ButtonClick() { Obsluga_Akceptacji_Wykresu(); }

void FigureManager::NrKolumnyDanychX_ComboBoxChange()
{
    Obsluga_ComboBoxaKolumnyDanychX(NrKolumnyDanychX_ComboBox->currentIndex());
}

void FigureManager::NrKolumnyDanychY_ComboBoxChange()
{
    Obsluga_ComboBoxaKolumnyDanychY(NrKolumnyDanychY_ComboBox->currentIndex());
}

void FigureManager::Obsluga_ComboBoxaKolumnyDanychX(int index)
{
    const int s = currentSlot();
    if (s < 0 || index < 0)
        return;
    figures_.record(s).DataColumnX = std::uint8_t(index + 1);
    if (figures_.record(s).Shown)
        Akceptacja_Wykresu();
}

void FigureManager::Obsluga_ComboBoxaKolumnyDanychY(int index)
{
    const int s = currentSlot();
    if (s < 0 || index < 0)
        return;
    figures_.record(s).DataColumnY = std::uint8_t(index + 1);
    if (figures_.record(s).Shown)
        Akceptacja_Wykresu();
}

void FigureManager::Obsluga_Akceptacji_Wykresu()
{
    const int s = currentSlot();
    if (s < 0)
        return;
    danewykresu& figure = figures_.record(s);
    // The columns come from the lists. A shown figure is loaded once, below, rather than once per
    // list and once more after the check: every load rebuilds the boxes and repeats their warnings.
    const int columnX = NrKolumnyDanychX_ComboBox->currentIndex() + 1;
    const int columnY = NrKolumnyDanychY_ComboBox->currentIndex() + 1;
    figure.DataColumnX = std::uint8_t(columnX);
    figure.DataColumnY = std::uint8_t(columnY);
    const bool wasShown = figure.Shown;

    // The column counts' notices come first; the messages name A and B whichever columns were chosen.
    QString failure;
    const ColumnCount countX = columns_.GetLiczbaDanych(sheet_, columnX);
    showNotices(countX.notices);
    if (countX.count == 0) {
        failure = QStringLiteral(
            "Brak danych w kolumnie A! Lub niepoprawny format numeryczny! Zastanów się!");
    } else {
        const ColumnCount countY = columns_.GetLiczbaDanych(sheet_, columnY);
        showNotices(countY.notices);
        if (countY.count == 0)
            failure = QStringLiteral(
                "Brak danych w kolumnie B! Lub niepoprawny format numeryczny! Zastanów się!");
    }
    if (!failure.isEmpty()) {
        // A shown figure still follows its new columns, as the lists say.
        if (wasShown)
            Akceptacja_Wykresu();
        showMessage({MessageIcon::None, kFigureErrorCaption, failure, MessageButtons::Ok});
        return;
    }

    Akceptacja_Wykresu();
    groups_.paint(ControlGroup::UncertaintyKindLists, true);
    // Every acceptance hides the fitted line, and its printed results, until a fit runs or it is
    // asked for again.
    fittedLine_.hide(s);
}

void FigureManager::Akceptacja_Wykresu()
{
    const int s = currentSlot();
    if (s < 0)
        return;
    loadPoints(s);
    WidocznyWykres_ComboBox->setEnabled(true);
    groups_.setEnabled(ControlGroup::PointStyle, true);
    uncertainties_.applyToLoadedFigure();
}

void FigureManager::loadPoints(int s)
{
    danewykresu& figure = figures_.record(s);
    sheet_.SetActiveCell(1, 1);
    chart_.bottomAxis().setAutomatic(true);
    chart_.leftAxis().setAutomatic(true);
    ChartSeries& points = chart_.series(s);
    points.clear();
    // Rows holding a number in both columns become points, in row order; other rows leave no gap.
    int count = 0;
    for (int row = 1; row <= sheetRows; ++row) {
        if (sheet_.CellType(row, figure.DataColumnX) != TF1Book::NumberCell
            || sheet_.CellType(row, figure.DataColumnY) != TF1Book::NumberCell)
            continue;
        points.addPoint(sheet_.CellNumber(row, figure.DataColumnX),
                        sheet_.CellNumber(row, figure.DataColumnY));
        ++count;
    }
    points.setActive(true);
    figure.PointCount = count;
    figure.Shown = true;
    // The figure shows again, so the visibility list says so.
    WidocznyWykres_ComboBox->setCurrentIndex(0);
}

void FigureManager::AddFigure_ButtonClick()
{
    const int s = currentSlot();
    if (s < 0)
        return;
    // The figure is accepted once, at the end, after the inputs have been reset: accepting it
    // here as well would only repeat the column checks and their messages. The columns the
    // lists show are noted at once, so that the new slot is prepared with them.
    figures_.record(s).DataColumnX = std::uint8_t(NrKolumnyDanychX_ComboBox->currentIndex() + 1);
    figures_.record(s).DataColumnY = std::uint8_t(NrKolumnyDanychY_ComboBox->currentIndex() + 1);
    enableAll({NrWykresu_ComboBox, Akceptuj_Button}, true);
    groups_.paint(ControlGroup::FigureInputs, true);
    enableAll({AktuWykres_Label, Dane_Label, NrKolumnyDanychX_ComboBox, NrKolumnyDanychY_ComboBox,
                OsOdcietych_Label, OsRzednych_Label},
               true);

    // The style group and the uncertainty kinds wait for the points; the acceptance below
    // enables them when it succeeds.
    groups_.setEnabled(ControlGroup::PointStyle, false);
    uncertainties_.prepareForNewFigure();
    enableAll({WidocznyWykres_ComboBox, WidocznaRegresja_ComboBox}, false);
    enableAll({WykresWidoczny_Label, RegresjaWidoczna_Label}, true);
    emit figurePresenceChanged(true);

    // The count goes on rising, but the list offers figure "1" only and the table has five slots.
    const int count = figures_.raiseCount();
    NrWykresu_ComboBox->setCurrentIndex(std::min(count - 1, NrWykresu_ComboBox->count() - 1));
    const int current = currentSlot() < 0 ? s : currentSlot();
    figures_.prepareSlot(FigureTable::preparedSlotFor(count), current);

    RemoveFigure_Button->setEnabled(true);
    AddFigure_Button->setEnabled(false);
    Obsluga_Akceptacji_Wykresu();
}

void FigureManager::RemoveFigure_ButtonClick()
{
    const int s = currentSlot();
    RemoveFigure_Button->setEnabled(false);
    AddFigure_Button->setEnabled(true);
    if (s >= 0) {
        chart_.series(s).clear();
        chart_.series(Chart::firstLineSeries + s).clear();
        fittedLine_.hide(s);
    }
    for (int i = Chart::firstShapeSeries; i < Chart::seriesCount; ++i) {
        chart_.series(i).clear();
        chart_.series(i).setActive(false);
    }

    enableAll({Dane_Label, OsOdcietych_Label, OsRzednych_Label, NrKolumnyDanychX_ComboBox,
                NrKolumnyDanychY_ComboBox},
               false);
    NrKolumnyDanychX_ComboBox->setCurrentIndex(0);
    NrKolumnyDanychY_ComboBox->setCurrentIndex(1);
    uncertainties_.clearForNoFigure();
    groups_.paint(ControlGroup::UncertaintyKindLists, false);

    enableAll({WykresWidoczny_Label, WidocznyWykres_ComboBox, RegresjaWidoczna_Label,
                WidocznaRegresja_ComboBox, Akceptuj_Button},
               false);
    groups_.setEnabled(ControlGroup::PointStyle, false);
    groups_.paint(ControlGroup::FigureInputs, false);
    emit figurePresenceChanged(false);

    // Greyed with the other figure inputs above.
    if (NrWykresu_ComboBox->count() == 1)
        enableAll({NrWykresu_ComboBox, AktuWykres_Label}, false);
}

void FigureManager::WidocznyWykres_ComboBoxChange()
{
    const int s = currentSlot();
    if (s < 0)
        return;
    const bool show = WidocznyWykres_ComboBox->currentIndex() == 0;
    ChartSeries& points = chart_.series(s);
    points.setActive(show);
    figures_.record(s).Shown = show;
    const int n = std::min(points.count(), Chart::seriesCount - Chart::firstShapeSeries);
    for (int i = 0; i < n; ++i)
        chart_.series(Chart::firstShapeSeries + i).setActive(show);
}

void FigureManager::WidocznaRegresja_ComboBoxChange()
{
    const int s = currentSlot();
    if (s < 0)
        return;
    if (WidocznaRegresja_ComboBox->currentIndex() == 0 && figures_.record(s).RegressionDone)
        fittedLine_.show(s);
    else
        fittedLine_.hide(s);
}

void FigureManager::showFittedLine(int slot)
{
    fittedLine_.show(slot);
    WidocznaRegresja_ComboBox->setEnabled(true);
    WidocznaRegresja_ComboBox->setCurrentIndex(0);
}

}  // namespace tallox
