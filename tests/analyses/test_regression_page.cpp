// The page "Regresja Liniowa": the classical fit end to end, the fitted line, the printed chart
// text, refusals that leave everything as it was, the list's re-display and delete.
#include "analyses/test_regression_fixture.h"

#include "analyses/AnalysesPage.h"
#include "figures/FigureTable.h"

#include <QFrame>
#include <QTabWidget>

namespace {

const QString kNone = QStringLiteral("----------");

TEST_F(RegressionPageTest, StartState)
{
    EXPECT_EQ(page->TypObliczenRegresji_ComboBox->currentText(), QStringLiteral("Klasyczna"));
    EXPECT_EQ(page->TypObliczenRegresji_ComboBox->count(), 3);
    EXPECT_EQ(page->TypObliczenRegresji_ComboBox->itemText(1), QStringLiteral("Ważona"));
    EXPECT_EQ(page->BitBtn8->text(), QStringLiteral("Wyznaczaj"));
    EXPECT_EQ(page->NrWykresudoRegresji_ComboBox->currentText(), QStringLiteral("1"));
    EXPECT_FALSE(page->RegresjaWazonaEfektywna_Panel->isVisibleTo(page));
    EXPECT_TRUE(page->RegresjaKlasyczna_Panel->isVisibleTo(page));
    EXPECT_FALSE(page->TypNiepewnosciX_DoRegWazonej_ComboBox->isEnabled());
    EXPECT_EQ(page->TypNiepewnosciY_DoRegWazonej_ComboBox->currentText(), QStringLiteral("Brak"));
    EXPECT_EQ(page->NiepewnoscX_DoRegWazonej_Edit->text(), QStringLiteral("0.2"));
    EXPECT_EQ(page->NiepewnoscY_DoRegWazonej_Edit->text(), QStringLiteral("0.3"));
    EXPECT_TRUE(page->NiepewnoscY_DoRegWazonej_Edit->isReadOnly());
    EXPECT_EQ(page->NrKolumnyNiepewnosciY_DoRegWazonej_ComboBox->currentText(), QStringLiteral("B"));
    EXPECT_FALSE(page->NrKolumnyNiepewnosciX_DoRegWazonej_ComboBox->isVisibleTo(page));
    EXPECT_FALSE(page->zkolumnyX_DoRegWazonej_Label->isVisibleTo(page->RegresjaWazonaEfektywna_Panel));
    EXPECT_FALSE(page->oWartoscidlakolumnyY_DoRegWazonej_Label->isVisibleTo(page->RegresjaWazonaEfektywna_Panel));
    EXPECT_TRUE(page->Ostatnie_Analizy_Regresji_Label->text().isEmpty()); // emptied at start-up
    EXPECT_EQ(labels(), QStringList(6, QString()));
    EXPECT_EQ(page->Regresja_ListView->rowCount(), 0);
}

TEST_F(RegressionPageTest, ClassicalWorkedCases)
{
    fillColumn(1, {1, 2, 3});
    fillColumn(2, {2, 4, 6});
    plot();
    run(0);
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(labels(), (QStringList{"2.0000000000", "0.0000000000", "0.0000000000",
                                     "0.0000000000", "1.0000000000", "0.0000000000"}));

    fillColumn(2, {1, 3, 2});
    figureControl<QPushButton>("Akceptuj_Button")->click();
    run(0);
    // Sx = Sy = 6, Sxx = Syy = 14, Sxy = 13, D = E = 6: sa = √0.75, sb = sa·√(14/3) = √3.5.
    const QStringList expected{"0.5000000000", "1.0000000000", "0.8660254038",
                               "1.8708286934", "0.5000000000", "1.5000000000"};
    EXPECT_EQ(labels(), expected);
    EXPECT_EQ(page->Ostatnie_Analizy_Regresji_Label->text(),
              QStringLiteral("Ostatnie analizy to Regresja Klasyczna"));
    ASSERT_EQ(page->Regresja_ListView->rowCount(), 2);
    EXPECT_EQ(page->Regresja_ListView->caption(1), QStringLiteral("2"));
    EXPECT_EQ(row(1), QStringList({"Klasyczna", "1", "A", "B", kNone, kNone}) + expected);
    EXPECT_EQ(page->Regresja_ListView->focusedRow(), 1);
    EXPECT_FALSE(page->Regresja_ListView->hasFocus());

    const danewykresu& figure = form().figureTable().record(0);
    EXPECT_TRUE(figure.RegressionDone);
    EXPECT_TRUE(figure.RegressionShown);
    EXPECT_EQ(figure.RegressionKind, tallox::stats::FitMethod::Classical);
    EXPECT_DOUBLE_EQ(double(figure.RegA), 0.5);
    EXPECT_DOUBLE_EQ(double(figure.RegChi2), 1.5);
}

TEST_F(RegressionPageTest, LineHas200PointsEndingOneStepShortOfTheLargestX)
{
    fillColumn(1, {3, 1, 5, 2, 4});
    fillColumn(2, {7, 3, 11, 5, 9});  // y = 2x + 1
    plot();
    EXPECT_FALSE(figureControl<QComboBox>("WidocznaRegresja_ComboBox")->isEnabled());
    run(0);
    ASSERT_EQ(line().count(), 200);
    EXPECT_TRUE(line().isActive());
    EXPECT_DOUBLE_EQ(line().x(0), 1.0);
    EXPECT_DOUBLE_EQ(line().x(1), 1.02);
    EXPECT_DOUBLE_EQ(line().x(199), 4.98);
    EXPECT_DOUBLE_EQ(line().y(199), 2 * 4.98 + 1);
    EXPECT_TRUE(figureControl<QComboBox>("WidocznaRegresja_ComboBox")->isEnabled());
    EXPECT_EQ(figureControl<QComboBox>("WidocznaRegresja_ComboBox")->currentIndex(), 0);
}

TEST_F(RegressionPageTest, PrintedResultsBelongToTheShownLine)
{
    run(0);  // no figure yet: refused, and no line whose results could be printed
    EXPECT_EQ(shownBoxes(), "Błąd Regresji Klasycznej!|Brak punktów w wykresie !");
    EXPECT_EQ(chart->canvasTextCount(), 0);

    fillColumn(1, {1, 2, 3});
    fillColumn(2, {1, 3, 2});
    plot();
    run(0);
    EXPECT_EQ(chart->canvasTextCount(), 12);
    const QStringList before = labels();
    const auto lineBefore = std::pair{line().count(), line().y(10)};
    const danewykresu recordBefore = form().figureTable().record(0);

    fillColumn(2, {4, 4, 4});  // a horizontal set
    figureControl<QPushButton>("Akceptuj_Button")->click();
    chart->clearCanvasText();
    run(0);
    EXPECT_EQ(shownBoxes(), "Błąd Regresji Klasycznej!|Wyniki są niejednoznaczne!");
    EXPECT_EQ(labels(), before);
    EXPECT_EQ(page->Regresja_ListView->rowCount(), 1);
    EXPECT_EQ(form().figureTable().record(0).RegA, recordBefore.RegA);
    EXPECT_EQ(form().figureTable().record(0).RegressionName, recordBefore.RegressionName);
    EXPECT_EQ((std::pair{line().count(), line().y(10)}), lineBefore);
    // The acceptance hid the line, so the refused fit prints nothing; "Tak" brings both back.
    EXPECT_EQ(chart->canvasTextCount(), 0);
    choose(figureControl<QComboBox>("WidocznaRegresja_ComboBox"), 0);
    EXPECT_TRUE(line().isActive());
    EXPECT_EQ(chart->canvasTextCount(), 12);
}

TEST_F(RegressionPageTest, RefusalsOfEachKind)
{
    fillColumn(1, {2, 2, 2});  // a vertical set
    fillColumn(2, {1, 2, 3});
    plot();
    commonUncertainty(false, QStringLiteral("0.1"));
    run(2);
    EXPECT_EQ(shownBoxes(), "Błąd Regresji Efektywnej!|Wyniki są niejednoznaczne!");

    fillColumn(1, {1});
    fillColumn(2, {1});
    form().F1Book1->setCellText(2, 1, QString());
    form().F1Book1->setCellText(3, 1, QString());
    figureControl<QPushButton>("Akceptuj_Button")->click();
    run(1);
    EXPECT_EQ(shownBoxes(), "Błąd Regresji Ważonej!|Za mała ilość punktów w wykresie !");

    fillColumn(1, {1, 2, 3});
    figureControl<QPushButton>("Akceptuj_Button")->click();
    choose(figureControl<QComboBox>("WidocznyWykres_ComboBox"), 1);  // the figure hidden, its points kept
    run(0);
    EXPECT_EQ(shownBoxes(), "Błąd Regresji Klasycznej!|Wykres wyjściowy danych jest niewidoczny");
    run(1);
    EXPECT_EQ(shownBoxes(), "Błąd Regresji Ważonej!|Wykres wyjściowy danych jest niewidoczny");
    run(2);
    EXPECT_EQ(shownBoxes(), "Błąd Regresji Efektywnej!|Wykres wyjściowy danych jest niewidoczny");
    EXPECT_EQ(page->Regresja_ListView->rowCount(), 0);
    EXPECT_EQ(line().count(), 0);
}

TEST_F(RegressionPageTest, TwoPointsShowNoSpreadAnywhere)
{
    fillColumn(1, {1, 3});
    fillColumn(2, {2, 3});
    plot();
    run(0);
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(labels(), (QStringList{"0.5000000000", "1.5000000000", kNone, kNone,
                                     "1.0000000000", kNone}));
    EXPECT_EQ(row(0).mid(6), labels());
    EXPECT_EQ(chart->canvasTextCount(), 12);
}

TEST_F(RegressionPageTest, PickingARowShowsItAgainAndDeleteClears)
{
    fillColumn(1, {1, 2, 3, 4, 5});
    fillColumn(2, {2, 4, 6, 8, 10});
    fillColumn(3, {0.5, 0.5, 0.5, 0.5, 0.5});
    plot();
    run(0);
    const QStringList classical = labels();
    commonUncertainty(true, QStringLiteral("0.001"));
    columnUncertainty(false, 3);
    run(1);
    ASSERT_EQ(page->Regresja_ListView->rowCount(), 2);
    EXPECT_EQ(page->Regresja_ListView->subItem(1, 0), QStringLiteral("Ważona po Y"));

    page->Regresja_ListView->setCurrentIndex(page->Regresja_ListView->model()->index(0, 0));
    page->Regresja_ListViewClick();
    EXPECT_EQ(page->TypObliczenRegresji_ComboBox->currentIndex(), 0);
    EXPECT_TRUE(page->RegresjaKlasyczna_Panel->isVisibleTo(page));
    EXPECT_EQ(page->Ostatnie_Analizy_Regresji_Label->text(),
              QStringLiteral("Ostatnie analizy to Regresja Klasyczna"));
    EXPECT_EQ(labels(), classical);

    page->Regresja_ListView->setCurrentIndex(page->Regresja_ListView->model()->index(1, 0));
    EXPECT_EQ(page->TypObliczenRegresji_ComboBox->currentText(), QStringLiteral("Ważona"));
    EXPECT_TRUE(page->RegresjaWazonaEfektywna_Panel->isVisibleTo(page));
    EXPECT_FALSE(page->RegresjaKlasyczna_Panel->isVisibleTo(page));
    EXPECT_EQ(page->Ostatnie_Analizy_Regresji_Label->text(),
              QStringLiteral("Ostatnie analizy to Regresja Ważona po Y"));

    page->Delete3Click();
    EXPECT_EQ(page->Regresja_ListView->rowCount(), 1);
    EXPECT_EQ(labels(), classical);
    page->Delete3Click();
    EXPECT_EQ(page->Ostatnie_Analizy_Regresji_Label->text(),
              QStringLiteral("Ostatnie analizy to Regresja "));
    EXPECT_EQ(labels(), QStringList(6, QString()));
    EXPECT_EQ(line().count(), 200);  // deleting a record leaves the drawn line
}

TEST_F(RegressionPageTest, KindPickerSwitchesPanelsOnlyOnAUsersChoice)
{
    page->TypObliczenRegresji_ComboBox->setCurrentIndex(2);
    EXPECT_TRUE(page->RegresjaKlasyczna_Panel->isVisibleTo(page));
    choose(page->TypObliczenRegresji_ComboBox, 1);
    EXPECT_FALSE(page->RegresjaKlasyczna_Panel->isVisibleTo(page));
    EXPECT_TRUE(page->RegresjaWazonaEfektywna_Panel->isVisibleTo(page));
    choose(page->TypObliczenRegresji_ComboBox, 0);
    EXPECT_TRUE(page->RegresjaKlasyczna_Panel->isVisibleTo(page));
    EXPECT_FALSE(page->RegresjaWazonaEfektywna_Panel->isVisibleTo(page));
}

TEST_F(RegressionPageTest, SettingsRefreshShowsTheFiguresUncertainties)
{
    fillColumn(1, {1, 2, 3});
    fillColumn(2, {2, 4, 7});
    fillColumn(4, {0.1, 0.1, 0.2});
    plot();
    commonUncertainty(true, QStringLiteral("0,25"));
    columnUncertainty(false, 4);

    // Coming to the page runs the refresh.
    form().show();
    form().PageControl1->setCurrentWidget(form().Analizy_TabSheet);
    form().Analizy_TabSheet->pages->setCurrentWidget(page);
    EXPECT_EQ(page->TypNiepewnosciX_DoRegWazonej_ComboBox->currentText(), QStringLiteral("Takie same"));
    EXPECT_EQ(page->NiepewnoscX_DoRegWazonej_Edit->text(), QStringLiteral("0.25"));
    EXPECT_TRUE(page->oWartoscidlakolumnyX_DoRegWazonej_Label->isVisibleTo(page->RegresjaWazonaEfektywna_Panel));
    EXPECT_EQ(page->TypNiepewnosciY_DoRegWazonej_ComboBox->currentText(), QStringLiteral("Różne"));
    EXPECT_FALSE(page->NiepewnoscY_DoRegWazonej_Edit->isVisibleTo(page->RegresjaWazonaEfektywna_Panel));
    EXPECT_TRUE(page->NrKolumnyNiepewnosciY_DoRegWazonej_ComboBox->isVisibleTo(page->RegresjaWazonaEfektywna_Panel));
    EXPECT_EQ(page->NrKolumnyNiepewnosciY_DoRegWazonej_ComboBox->currentText(), QStringLiteral("D"));

    // The row names the uncertainties as the figure holds them.
    run(2);
    EXPECT_EQ(row(0).mid(0, 6), (QStringList{"Efektywna", "1", "A", "B", "0.25", "D"}));
}

TEST_F(RegressionPageTest, TheUncertaintyDisplayFollowsTheChosenFigure)
{
    fillColumn(1, {1, 2, 3});
    fillColumn(2, {2, 4, 7});
    plot();
    commonUncertainty(false, QStringLiteral("0.5"));
    EXPECT_EQ(page->TypNiepewnosciY_DoRegWazonej_ComboBox->currentText(), QStringLiteral("Brak"));
    // Another figure chosen (and back): the display shows the chosen figure without the page
    // coming into view.
    form().figureTable().setCurrentSlot(-1);
    form().figureTable().setCurrentSlot(0);
    EXPECT_EQ(page->TypNiepewnosciY_DoRegWazonej_ComboBox->currentText(), QStringLiteral("Takie same"));
    EXPECT_EQ(page->NiepewnoscY_DoRegWazonej_Edit->text(), QStringLiteral("0.5"));
    EXPECT_EQ(page->NrWykresudoRegresji_ComboBox->currentText(), QStringLiteral("1"));
}

TEST_F(RegressionPageTest, ClearingResultsEmptiesEveryResultLabelOfTheAnalysisPages)
{
    fillColumn(1, {1, 2, 3});
    fillColumn(2, {1, 3, 2});
    plot();
    run(0);
    find<QPushButton>("BitBtn6")->click();
    find<QPushButton>("Planowanie_Button")->click();
    const char* const names[] = {
        "Wynik_AnalizowanaKolumna_PL_Label", "Wynik_LiczbaDanych_PL_Label",
        "Wynik_WartoscSrednia_PL_Label", "Wynik_OdchylenieStandardowe_PL_Label",
        "Wynik_WartoscTStudenta_PL_Label", "Wynik_DokladnoscPomiarowa_PL_Label",
        "Wynik_LiczbaPomiarow_PL_Label", "Wynik_AnalizowanaKolumna_WSS_Label",
        "Wynik_LiczbaDanych_WSS_Label", "Wynik_WartoscSrednia_WSS_Label",
        "Wynik_OdchylenieStandardowePojedynczegoPomiaru_WSS_Label",
        "Wynik_OdchylenieStandardoweWartosciSredniej_WSS_Label", "Ostatnie_Analizy_Regresji_Label",
        "Wspolczynnik_kierunkowy_a_Wynik_Label", "Wspolczynnik_przeciecia_b_Wynik_Label",
        "Odchylenie_standardowe_wspolczynnika_a_Wynik_Label",
        "Odchylenie_standardowe_wspolczynnika_b_Wynik_Label", "Wspolczynnik_korelacji_r_Wynik_Label",
        "Wartosc_testu_Chi2_Wynik_Label"};
    for (const char* name : names)
        ASSERT_FALSE(find<QLabel>(name)->text().isEmpty()) << name;
    form().Analizy_TabSheet->clearResults();
    for (const char* name : names)
        EXPECT_EQ(find<QLabel>(name)->text(), QString()) << name;
    // Only the labels: the rows stay.
    EXPECT_EQ(page->Regresja_ListView->rowCount(), 1);
}

TEST_F(RegressionPageTest, FontButtonChangesTheCanvasFontAndPrintsAgain)
{
    fillColumn(1, {1, 2, 3});
    fillColumn(2, {1, 3, 2});
    plot();
    run(0);
    QFont chosen(QStringLiteral("DejaVu Sans"), 17);
    tallox::setFontDialogHandler([&](const QFont&) { return std::optional<QFont>(chosen); });
    page->RegresjaFont_Button->click();
    EXPECT_EQ(chart->canvasFont().pointSize(), 17);
    EXPECT_EQ(chart->canvasTextCount(), 12);
}

} // namespace
