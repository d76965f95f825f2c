// Creating, accepting, hiding and removing the figure, driven through the page's controls.
#include "FigurePageFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace tallox;

namespace {
const QString kTextCellWarning =
    "Ostrzeżenie|Uwaga któraś dana z kolumny nie jest liczbą ! Wyznaczony wynik może być nieprawidłowy !";
}

TEST_F(FigurePageTest, RowsWithATextCellAreSkippedWithoutAGap)
{
    fillColumn(1, {1, 2, std::nullopt, 4});
    sheet->setCellText(3, 1, "trzy");
    fillColumn(2, {10, 20, 30, 40});

    ui.AddFigure_Button->click();

    EXPECT_EQ(boxes(), std::vector<QString>{kTextCellWarning});
    ASSERT_EQ(points().count(), 3);
    EXPECT_EQ(figure().PointCount, 3);
    EXPECT_EQ(points().x(2), 4);
    EXPECT_EQ(points().y(2), 40);
    EXPECT_TRUE(points().isActive());
    EXPECT_TRUE(figure().Shown);
    EXPECT_EQ(figure().DataColumnX, 1);
    EXPECT_EQ(figure().DataColumnY, 2);
}

TEST_F(FigurePageTest, AddingAFigureSwitchesTheControlsOn)
{
    fillColumn(1, {1, 2, 3});
    fillColumn(2, {2, 4, 6});
    ui.AddFigure_Button->click();

    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(ui.AddFigure_Button->isEnabled());
    EXPECT_TRUE(ui.RemoveFigure_Button->isEnabled());
    EXPECT_TRUE(ui.Akceptuj_Button->isEnabled());
    EXPECT_TRUE(ui.NrWykresu_ComboBox->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui.TypPunktow_ComboBox, ui.KolorPunktow_ComboBox, ui.StylPunktow_ComboBox,
             ui.Rozmiar_Edit, ui.TypNiepX_ComboBox, ui.TypNiepY_ComboBox,
             ui.WidocznyWykres_ComboBox, ui.NrKolumnyDanychX_ComboBox})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    // The fitted line's list waits for a fit.
    EXPECT_FALSE(ui.WidocznaRegresja_ComboBox->isEnabled());
    EXPECT_EQ(ui.TypNiepX_ComboBox->palette().color(QPalette::Base), windowColour());
    EXPECT_EQ(ui.NrKolumnyDanychX_ComboBox->palette().color(QPalette::Base), windowColour());
    EXPECT_TRUE(ui.figureOptionsPages->isTabEnabled(
        ui.figureOptionsPages->indexOf(ui.Osie_TabSheet)));

    EXPECT_EQ(figures.count(), 1);
    EXPECT_EQ(ui.NrWykresu_ComboBox->currentIndex(), 0);
    // The next slot is prepared from the current one.
    EXPECT_TRUE(figures.record(1).Shown);
    EXPECT_EQ(figures.record(1).DataColumnY, 2);
}

TEST_F(FigurePageTest, AColumnWithoutNumbersStopsTheFigure)
{
    fillColumn(2, {1, 2});
    ui.AddFigure_Button->click();
    EXPECT_EQ(boxes(), std::vector<QString>{
                           "Poważny błąd generacji wykresu!|Brak danych w kolumnie A! Lub niepoprawny "
                           "format numeryczny! Zastanów się!"});
    EXPECT_EQ(points().count(), 0);
    EXPECT_FALSE(ui.TypPunktow_ComboBox->isEnabled());

    // The Y message names B even for another column.
    messages.clear();
    fillColumn(3, {5, 6});
    choose(ui.NrKolumnyDanychX_ComboBox, 2);
    choose(ui.NrKolumnyDanychY_ComboBox, 5);
    ui.Akceptuj_Button->click();
    EXPECT_EQ(boxes(), std::vector<QString>{
                           "Poważny błąd generacji wykresu!|Brak danych w kolumnie B! Lub niepoprawny "
                           "format numeryczny! Zastanów się!"});
    EXPECT_EQ(figure().DataColumnY, 6);
}

TEST_F(FigurePageTest, ChangingADataColumnRedrawsAShownFigure)
{
    fillColumn(1, {1, 2});
    fillColumn(2, {3, 4});
    fillColumn(3, {7, 8});
    ui.AddFigure_Button->click();
    choose(ui.NrKolumnyDanychY_ComboBox, 2);
    EXPECT_EQ(figure().DataColumnY, 3);
    ASSERT_EQ(points().count(), 2);
    EXPECT_EQ(points().y(1), 8);
}

TEST_F(FigurePageTest, RemovingPutsTheListsBackButKeepsTheRecord)
{
    fillColumn(3, {1, 2});
    fillColumn(4, {5, 6});
    fillColumn(1, {10, 20, 30});
    fillColumn(2, {1, 1, 1});
    choose(ui.NrKolumnyDanychX_ComboBox, 2);
    choose(ui.NrKolumnyDanychY_ComboBox, 3);
    ui.AddFigure_Button->click();
    choose(ui.TypNiepY_ComboBox, 1);
    ASSERT_EQ(drawnBoxes(), 2);

    ui.RemoveFigure_Button->click();
    EXPECT_EQ(ui.NrKolumnyDanychX_ComboBox->currentText(), "A");
    EXPECT_EQ(ui.NrKolumnyDanychY_ComboBox->currentText(), "B");
    EXPECT_EQ(ui.TypNiepY_ComboBox->currentText(), "Brak");
    EXPECT_FALSE(ui.NiepY_Edit->isVisibleTo(page.get()));
    EXPECT_EQ(figure().DataColumnX, 3);
    EXPECT_EQ(figure().DataColumnY, 4);
    EXPECT_EQ(points().count(), 0);
    EXPECT_EQ(drawnBoxes(), 0);
    EXPECT_TRUE(ui.AddFigure_Button->isEnabled());
    EXPECT_FALSE(ui.RemoveFigure_Button->isEnabled());
    EXPECT_FALSE(ui.NrWykresu_ComboBox->isEnabled());
    EXPECT_FALSE(ui.AktuWykres_Label->isEnabled());
    EXPECT_FALSE(ui.TypPunktow_ComboBox->isEnabled());
    EXPECT_EQ(ui.NrKolumnyDanychX_ComboBox->palette().color(QPalette::Base), buttonFaceColour());

    // A new figure takes its columns from the lists.
    ui.AddFigure_Button->click();
    EXPECT_EQ(figure().DataColumnX, 1);
    ASSERT_EQ(points().count(), 3);
    EXPECT_EQ(points().x(2), 30);
}

TEST_F(FigurePageTest, HiddenFigureShowsAgainOnAcceptance)
{
    fillColumn(1, {1, 2});
    fillColumn(2, {3, 4});
    ui.AddFigure_Button->click();
    choose(ui.TypNiepX_ComboBox, 1);
    ASSERT_EQ(drawnBoxes(), 2);

    choose(ui.WidocznyWykres_ComboBox, 1);
    EXPECT_FALSE(points().isActive());
    EXPECT_FALSE(box(0).isActive());
    EXPECT_FALSE(figure().Shown);

    choose(ui.WidocznyWykres_ComboBox, 0);
    EXPECT_TRUE(points().isActive());
    EXPECT_TRUE(box(1).isActive());

    choose(ui.WidocznyWykres_ComboBox, 1);
    ui.Akceptuj_Button->click();
    EXPECT_TRUE(points().isActive());
    EXPECT_TRUE(figure().Shown);
    EXPECT_EQ(ui.WidocznyWykres_ComboBox->currentText(), "Tak");
}

TEST_F(FigurePageTest, AcceptanceHidesTheFittedLine)
{
    fillColumn(1, {1, 2});
    fillColumn(2, {3, 4});
    ui.AddFigure_Button->click();
    figure().RegressionDone = true;  // as a fit leaves it: y = 2x + 1
    figure().RegA = 2;
    figure().RegB = 1;
    ui.WidocznaRegresja_ComboBox->setEnabled(true);
    choose(ui.WidocznaRegresja_ComboBox, 0);
    EXPECT_TRUE(chart->series(Chart::firstLineSeries).isActive());
    EXPECT_TRUE(figure().RegressionShown);
    EXPECT_EQ(chart->canvasTextCount(), 12);  // the line's results are printed with it

    ui.Akceptuj_Button->click();
    EXPECT_FALSE(chart->series(Chart::firstLineSeries).isActive());
    EXPECT_FALSE(figure().RegressionShown);
    EXPECT_EQ(chart->canvasTextCount(), 0);  // and go with it
}

TEST_F(FigurePageTest, ManyFiguresKeepFigureOneSelected)
{
    fillColumn(1, {1});
    fillColumn(2, {2});
    for (int i = 0; i < 14; ++i) {
        ui.AddFigure_Button->click();
        ui.RemoveFigure_Button->click();
    }
    EXPECT_EQ(figures.count(), FigureTable::maxCount);
    EXPECT_EQ(ui.NrWykresu_ComboBox->currentIndex(), 0);
    EXPECT_EQ(page->currentSlot(), 0);
    ui.AddFigure_Button->click();
    EXPECT_EQ(points().count(), 1);
    figures.resetCount();
    EXPECT_EQ(figures.count(), 0);
}
