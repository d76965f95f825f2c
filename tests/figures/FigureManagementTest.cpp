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

    page->AddFigure_Button->click();

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
    page->AddFigure_Button->click();

    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(page->AddFigure_Button->isEnabled());
    EXPECT_TRUE(page->RemoveFigure_Button->isEnabled());
    EXPECT_TRUE(page->Akceptuj_Button->isEnabled());
    EXPECT_TRUE(page->NrWykresu_ComboBox->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{
             page->TypPunktow_ComboBox, page->KolorPunktow_ComboBox, page->StylPunktow_ComboBox,
             page->Rozmiar_Edit, page->TypNiepX_ComboBox, page->TypNiepY_ComboBox,
             page->WidocznyWykres_ComboBox, page->NrKolumnyDanychX_ComboBox})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    // The fitted line's list waits for a fit.
    EXPECT_FALSE(page->WidocznaRegresja_ComboBox->isEnabled());
    EXPECT_EQ(page->TypNiepX_ComboBox->palette().color(QPalette::Base), windowColour());
    EXPECT_EQ(page->NrKolumnyDanychX_ComboBox->palette().color(QPalette::Base), windowColour());
    EXPECT_TRUE(page->figureOptionsPages->isTabEnabled(
        page->figureOptionsPages->indexOf(page->Osie_TabSheet)));

    EXPECT_EQ(figures.count(), 1);
    EXPECT_EQ(page->NrWykresu_ComboBox->currentIndex(), 0);
    // The next slot is prepared from the current one.
    EXPECT_TRUE(figures.record(1).Shown);
    EXPECT_EQ(figures.record(1).DataColumnY, 2);
}

TEST_F(FigurePageTest, AColumnWithoutNumbersStopsTheFigure)
{
    fillColumn(2, {1, 2});
    page->AddFigure_Button->click();
    EXPECT_EQ(boxes(), std::vector<QString>{
                           "Poważny błąd generacji wykresu!|Brak danych w kolumnie A! Lub niepoprawny "
                           "format numeryczny! Zastanów się!"});
    EXPECT_EQ(points().count(), 0);
    EXPECT_FALSE(page->TypPunktow_ComboBox->isEnabled());

    // The Y message names B even for another column.
    messages.clear();
    fillColumn(3, {5, 6});
    choose(page->NrKolumnyDanychX_ComboBox, 2);
    choose(page->NrKolumnyDanychY_ComboBox, 5);
    page->Akceptuj_Button->click();
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
    page->AddFigure_Button->click();
    choose(page->NrKolumnyDanychY_ComboBox, 2);
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
    choose(page->NrKolumnyDanychX_ComboBox, 2);
    choose(page->NrKolumnyDanychY_ComboBox, 3);
    page->AddFigure_Button->click();
    choose(page->TypNiepY_ComboBox, 1);
    ASSERT_EQ(drawnBoxes(), 2);

    page->RemoveFigure_Button->click();
    EXPECT_EQ(page->NrKolumnyDanychX_ComboBox->currentText(), "A");
    EXPECT_EQ(page->NrKolumnyDanychY_ComboBox->currentText(), "B");
    EXPECT_EQ(page->TypNiepY_ComboBox->currentText(), "Brak");
    EXPECT_FALSE(page->NiepY_Edit->isVisibleTo(page.get()));
    EXPECT_EQ(figure().DataColumnX, 3);
    EXPECT_EQ(figure().DataColumnY, 4);
    EXPECT_EQ(points().count(), 0);
    EXPECT_EQ(drawnBoxes(), 0);
    EXPECT_TRUE(page->AddFigure_Button->isEnabled());
    EXPECT_FALSE(page->RemoveFigure_Button->isEnabled());
    EXPECT_FALSE(page->NrWykresu_ComboBox->isEnabled());
    EXPECT_FALSE(page->AktuWykres_Label->isEnabled());
    EXPECT_FALSE(page->TypPunktow_ComboBox->isEnabled());
    EXPECT_EQ(page->NrKolumnyDanychX_ComboBox->palette().color(QPalette::Base), buttonFaceColour());

    // A new figure takes its columns from the lists.
    page->AddFigure_Button->click();
    EXPECT_EQ(figure().DataColumnX, 1);
    ASSERT_EQ(points().count(), 3);
    EXPECT_EQ(points().x(2), 30);
}

TEST_F(FigurePageTest, HiddenFigureShowsAgainOnAcceptance)
{
    fillColumn(1, {1, 2});
    fillColumn(2, {3, 4});
    page->AddFigure_Button->click();
    choose(page->TypNiepX_ComboBox, 1);
    ASSERT_EQ(drawnBoxes(), 2);

    choose(page->WidocznyWykres_ComboBox, 1);
    EXPECT_FALSE(points().isActive());
    EXPECT_FALSE(box(0).isActive());
    EXPECT_FALSE(figure().Shown);

    choose(page->WidocznyWykres_ComboBox, 0);
    EXPECT_TRUE(points().isActive());
    EXPECT_TRUE(box(1).isActive());

    choose(page->WidocznyWykres_ComboBox, 1);
    page->Akceptuj_Button->click();
    EXPECT_TRUE(points().isActive());
    EXPECT_TRUE(figure().Shown);
    EXPECT_EQ(page->WidocznyWykres_ComboBox->currentText(), "Tak");
}

TEST_F(FigurePageTest, AcceptanceHidesTheFittedLine)
{
    fillColumn(1, {1, 2});
    fillColumn(2, {3, 4});
    page->AddFigure_Button->click();
    figure().RegressionDone = true;  // as a fit leaves it: y = 2x + 1
    figure().RegA = 2;
    figure().RegB = 1;
    page->WidocznaRegresja_ComboBox->setEnabled(true);
    choose(page->WidocznaRegresja_ComboBox, 0);
    EXPECT_TRUE(chart->series(Chart::firstLineSeries).isActive());
    EXPECT_TRUE(figure().RegressionShown);
    EXPECT_EQ(chart->canvasTextCount(), 12);  // the line's results are printed with it

    page->Akceptuj_Button->click();
    EXPECT_FALSE(chart->series(Chart::firstLineSeries).isActive());
    EXPECT_FALSE(figure().RegressionShown);
    EXPECT_EQ(chart->canvasTextCount(), 0);  // and go with it
}

TEST_F(FigurePageTest, ManyFiguresKeepFigureOneSelected)
{
    fillColumn(1, {1});
    fillColumn(2, {2});
    for (int i = 0; i < 14; ++i) {
        page->AddFigure_Button->click();
        page->RemoveFigure_Button->click();
    }
    EXPECT_EQ(figures.count(), FigureTable::maxCount);
    EXPECT_EQ(page->NrWykresu_ComboBox->currentIndex(), 0);
    EXPECT_EQ(page->currentSlot(), 0);
    page->AddFigure_Button->click();
    EXPECT_EQ(points().count(), 1);
    figures.resetCount();
    EXPECT_EQ(figures.count(), 0);
}
