// Creating, accepting, loading, showing, hiding and removing the current figure.
#include "chart/Chart.h"
#include "common/Messages.h"
#include "figures/ControlNames.h"
#include "figures/FiguresPage.h"
#include "figures/UpDown.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace tallox {

namespace {

const QString kFigureErrorCaption = QStringLiteral("Poważny błąd generacji wykresu!");

void showProgramBox(const QString& caption, const QString& text)
{
    showMessage({MessageIcon::None, caption, text, MessageButtons::Ok});
}

}  // namespace

void FiguresPage::Akceptuj_ButtonClick() { Obsluga_Akceptacji_Wykresu(); }

void FiguresPage::NrKolumnyDanychX_ComboBoxChange()
{
    Obsluga_ComboBoxaKolumnyDanychX(NrKolumnyDanychX_ComboBox->currentIndex());
}

void FiguresPage::NrKolumnyDanychY_ComboBoxChange()
{
    Obsluga_ComboBoxaKolumnyDanychY(NrKolumnyDanychY_ComboBox->currentIndex());
}

void FiguresPage::Obsluga_ComboBoxaKolumnyDanychX(int index)
{
    const int s = currentSlot();
    if (s < 0 || index < 0)
        return;
    figures_.record(s).DataColumnX = std::uint8_t(index + 1);
    if (figures_.record(s).Shown)
        Akceptacja_Wykresu();
}

void FiguresPage::Obsluga_ComboBoxaKolumnyDanychY(int index)
{
    const int s = currentSlot();
    if (s < 0 || index < 0)
        return;
    figures_.record(s).DataColumnY = std::uint8_t(index + 1);
    if (figures_.record(s).Shown)
        Akceptacja_Wykresu();
}

void FiguresPage::Obsluga_Akceptacji_Wykresu()
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

    // The messages name A and B whichever columns were chosen.
    QString failure;
    if (columns_.GetLiczbaDanych(sheet_, columnX) == 0)
        failure = QStringLiteral(
            "Brak danych w kolumnie A! Lub niepoprawny format numeryczny! Zastanów się!");
    else if (columns_.GetLiczbaDanych(sheet_, columnY) == 0)
        failure = QStringLiteral(
            "Brak danych w kolumnie B! Lub niepoprawny format numeryczny! Zastanów się!");
    if (!failure.isEmpty()) {
        // A shown figure still follows its new columns, as the lists say.
        if (wasShown)
            Akceptacja_Wykresu();
        showProgramBox(kFigureErrorCaption, failure);
        return;
    }

    Akceptacja_Wykresu();
    paintByName(figureControls::uncertaintyKindLists, true);
    // Every acceptance hides the fitted line until a fit runs or it is asked for again.
    fittedLine_.hide(s);
}

void FiguresPage::Akceptacja_Wykresu()
{
    const int s = currentSlot();
    if (s < 0)
        return;
    loadPoints(s);

    for (QWidget* w : std::initializer_list<QWidget*>{WidocznyWykres_ComboBox, NiepX_Label, NiepY_Label,
                                                       TypNiepX_ComboBox, TypNiepY_ComboBox})
        w->setEnabled(true);
    setEnabledByName(figureControls::styleGroup, true);

    danewykresu& figure = figures_.record(s);
    figure.UncKindX = stats::UncertaintyKind(std::max(0, TypNiepX_ComboBox->currentIndex()));
    figure.UncKindY = stats::UncertaintyKind(std::max(0, TypNiepY_ComboBox->currentIndex()));
    Identyfikacja_Niepewnosci_X();
    Identyfikacja_Niepewnosci_Y();
    Generacja_Niepewnosci_Wykresu();
}

void FiguresPage::loadPoints(int s)
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

void FiguresPage::AddFigure_ButtonClick()
{
    const int s = currentSlot();
    if (s < 0)
        return;
    // The figure is accepted once, at the end, after the inputs have been reset: accepting it
    // here as well would only repeat the column checks and their messages. The columns the
    // lists show are noted at once, so that the new slot is prepared with them.
    figures_.record(s).DataColumnX = std::uint8_t(NrKolumnyDanychX_ComboBox->currentIndex() + 1);
    figures_.record(s).DataColumnY = std::uint8_t(NrKolumnyDanychY_ComboBox->currentIndex() + 1);
    NrWykresu_ComboBox->setEnabled(true);
    Akceptuj_Button->setEnabled(true);
    paintByName(figureControls::figureInputs, true);
    for (QWidget* w : std::initializer_list<QWidget*>{AktuWykres_Label, Dane_Label,
                                                       NrKolumnyDanychX_ComboBox, NrKolumnyDanychY_ComboBox,
                                                       OsOdcietych_Label, OsRzednych_Label})
        w->setEnabled(true);

    // The style group and the uncertainty kinds wait for the points; the acceptance below
    // enables them when it succeeds.
    setEnabledByName(figureControls::styleGroup, false);
    for (QWidget* w : std::initializer_list<QWidget*>{NiepX_Label, NiepY_Label, TypNiepX_ComboBox,
                                                       TypNiepY_ComboBox, WidocznyWykres_ComboBox,
                                                       WidocznaRegresja_ComboBox})
        w->setEnabled(false);
    TypNiepX_ComboBox->setCurrentIndex(0);
    TypNiepY_ComboBox->setCurrentIndex(0);
    for (QWidget* w : std::initializer_list<QWidget*>{NrKolumnyNiepewnosciX_ComboBox,
                                                       NrKolumnyNiepewnosciY_ComboBox,
                                                       WykresWidoczny_Label, RegresjaWidoczna_Label})
        w->setEnabled(true);

    figureOptionsPages->setTabEnabled(figureOptionsPages->indexOf(Osie_TabSheet), true);
    setEnabledByName(figureControls::axisPageControls, true);
    setEnabledByName(figureControls::axisFields, true);
    paintByName(figureControls::axisFields, true);
    figureOptionsPages->setTabEnabled(figureOptionsPages->indexOf(Dodatki_TabSheet), true);
    setEnabledByName(figureControls::exerciseLabels, true);
    setEnabledByName(figureControls::exerciseInputs, true);
    paintByName(figureControls::exerciseInputs, true);

    // The count goes on rising, but the list offers figure "1" only and the table has five slots.
    const int count = figures_.raiseCount();
    NrWykresu_ComboBox->setCurrentIndex(std::min(count - 1, NrWykresu_ComboBox->count() - 1));
    const int current = currentSlot() < 0 ? s : currentSlot();
    figures_.prepareSlot(FigureTable::preparedSlotFor(count), current);

    RemoveFigure_Button->setEnabled(true);
    AddFigure_Button->setEnabled(false);
    Obsluga_Akceptacji_Wykresu();
}

void FiguresPage::RemoveFigure_ButtonClick()
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

    for (QWidget* w : std::initializer_list<QWidget*>{Dane_Label, OsOdcietych_Label, OsRzednych_Label,
                                                       NrKolumnyDanychX_ComboBox, NrKolumnyDanychY_ComboBox})
        w->setEnabled(false);
    NrKolumnyDanychX_ComboBox->setCurrentIndex(0);
    NrKolumnyDanychY_ComboBox->setCurrentIndex(1);

    for (Axis axis : {Axis::X, Axis::Y}) {
        const UncertaintyGroup g = group(axis);
        g.caption->setEnabled(false);
        showUncertaintyInput(axis, 0);
        g.kind->setCurrentIndex(0);
        g.kind->setEnabled(false);
        g.column->setCurrentIndex(0);
        g.column->setEnabled(false);
    }
    paintByName(figureControls::uncertaintyKindLists, false);

    for (QWidget* w : std::initializer_list<QWidget*>{WykresWidoczny_Label, WidocznyWykres_ComboBox,
                                                       RegresjaWidoczna_Label, WidocznaRegresja_ComboBox,
                                                       Akceptuj_Button})
        w->setEnabled(false);
    setEnabledByName(figureControls::styleGroup, false);
    paintByName(figureControls::figureInputs, false);

    setEnabledByName(figureControls::axisPageControls, false);
    setEnabledByName(figureControls::axisFields, false);
    paintByName(figureControls::axisFields, false);
    figureOptionsPages->setTabEnabled(figureOptionsPages->indexOf(Osie_TabSheet), false);
    setEnabledByName(figureControls::exerciseLabels, false);
    setEnabledByName(figureControls::exerciseInputs, false);
    paintByName(figureControls::exerciseInputs, false);
    figureOptionsPages->setTabEnabled(figureOptionsPages->indexOf(Dodatki_TabSheet), false);

    // Greyed with the other figure inputs above.
    if (NrWykresu_ComboBox->count() == 1) {
        NrWykresu_ComboBox->setEnabled(false);
        AktuWykres_Label->setEnabled(false);
    }
}

void FiguresPage::WidocznyWykres_ComboBoxChange()
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

void FiguresPage::WidocznaRegresja_ComboBoxChange()
{
    const int s = currentSlot();
    if (s < 0)
        return;
    if (WidocznaRegresja_ComboBox->currentIndex() == 0 && figures_.record(s).RegressionDone)
        fittedLine_.show(s);
    else
        fittedLine_.hide(s);
}

void FiguresPage::showFittedLine(int slot)
{
    fittedLine_.show(slot);
    WidocznaRegresja_ComboBox->setEnabled(true);
    WidocznaRegresja_ComboBox->setCurrentIndex(0);
}

}  // namespace tallox
