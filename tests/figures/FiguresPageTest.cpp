// The page as a user first meets it, its layout beside the chart, and what it draws.
#include "FigurePageFixture.h"

#include "figures/PointStyles.h"
#include "figures/SampleComboBox.h"
#include "figures/UpDown.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>

using namespace tallox;

namespace {
QStringList itemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}
}  // namespace

TEST_F(FigurePageTest, StartsWithOnlyAddEnabledAndTheInitialChoices)
{
    EXPECT_EQ(page->objectName(), "Wykresy_TabSheet");
    EXPECT_TRUE(ui.AddFigure_Button->isEnabled());
    EXPECT_EQ(ui.AddFigure_Button->text(), "Dodaj Wykres");
    EXPECT_EQ(ui.AddFigure_Button->toolTip(), "Utworz nowy wykres");
    EXPECT_EQ(ui.RemoveFigure_Button->text(), "Usuń");
    EXPECT_EQ(ui.Akceptuj_Button->text(), "Akceptuj Ustawienia");
    for (const char* name : {"RemoveFigure_Button", "Akceptuj_Button", "NrWykresu_ComboBox",
                             "NrKolumnyDanychX_ComboBox", "TypNiepX_ComboBox", "TypNiepY_ComboBox",
                             "WidocznyWykres_ComboBox", "TypPunktow_ComboBox", "Rozmiar_Edit",
                             "Rozmiar_UpDown", "NiepX_Label", "NiepX_Edit"}) {
        QWidget* w = page->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_FALSE(w->isEnabled()) << name;
    }

    QStringList dataColumns;
    for (char c = 'A'; c <= 'V'; ++c)
        dataColumns << QString(QChar(c));
    dataColumns << "Trans X" << "Trans Y" << "Trans niep X" << "Trans niep Y";
    EXPECT_EQ(itemsOf(ui.NrKolumnyDanychX_ComboBox), dataColumns);
    EXPECT_EQ(ui.NrKolumnyDanychX_ComboBox->currentText(), "A");
    EXPECT_EQ(ui.NrKolumnyDanychY_ComboBox->currentText(), "B");
    EXPECT_EQ(ui.NrKolumnyNiepewnosciX_ComboBox->count(), 26);
    EXPECT_EQ(ui.NrKolumnyNiepewnosciX_ComboBox->currentText(), "A");
    EXPECT_EQ(ui.NrKolumnyNiepewnosciY_ComboBox->currentText(), "B");
    EXPECT_EQ(itemsOf(ui.TypNiepX_ComboBox), (QStringList{"Brak", "Takie same", "Różne"}));
    EXPECT_EQ(itemsOf(ui.NrWykresu_ComboBox), QStringList{"1"});
    EXPECT_EQ(ui.WidocznyWykres_ComboBox->currentText(), "Tak");
    EXPECT_EQ(ui.WidocznaRegresja_ComboBox->currentText(), "Nie");
    EXPECT_EQ(ui.TypPunktow_ComboBox->currentIndex(), 1);
    EXPECT_EQ(ui.KolorPunktow_ComboBox->count(), 7);
    EXPECT_EQ(ui.StylPunktow_ComboBox->count(), 2);
    EXPECT_EQ(ui.Rozmiar_Edit->text(), "4");
    EXPECT_EQ(ui.Rozmiar_UpDown->position(), 4);
    EXPECT_EQ(ui.NiepX_Edit->text(), "0.2");
    EXPECT_EQ(ui.NiepY_Edit->text(), "0.3");
    EXPECT_EQ(ui.NiepX_Label->text(), "   Niepewności  X   ");
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             ui.NiepX_Edit, ui.oWartoscidlakolumnyX_DoWykresu_Label,
             ui.NrKolumnyNiepewnosciY_ComboBox, ui.zkolumnyY_DoWykresu_Label})
        EXPECT_FALSE(hidden->isVisibleTo(page.get())) << hidden->objectName().toStdString();
    EXPECT_EQ(ui.TypPunktow_ComboBox->palette().color(QPalette::Base), buttonFaceColour());
    EXPECT_EQ(ui.Rozmiar_Edit->palette().color(QPalette::Base), buttonFaceColour());

    QTabWidget* pages = ui.figureOptionsPages;
    EXPECT_FALSE(pages->isTabVisible(pages->indexOf(ui.Dodatki_TabSheet)));
    EXPECT_EQ(pages->tabText(pages->indexOf(ui.Dodatki_TabSheet)), "   Dodatki   ");
    EXPECT_EQ(pages->tabText(pages->indexOf(ui.regressionResultsPage)), "  Wyniki Regresji  ");
}

TEST_F(FigurePageTest, ColourChangeWithoutAFigureSelectedOnlyTellsTheUser)
{
    ui.NrWykresu_ComboBox->setCurrentIndex(-1);
    choose(ui.KolorPunktow_ComboBox, 3);
    EXPECT_EQ(boxes(), std::vector<QString>{"Informacja|Najpierw ustal numer zestawu danych"});
    EXPECT_EQ(points().penColor(), QColor(Qt::red));
}

TEST_F(FigurePageTest, ChartFillsThePageHeightAndTheInputsStayBesideIt)
{
    page->show();
    page->resize(1000, 640);
    chart->resize(700, chart->height());  // the main window sets the width
    QCoreApplication::processEvents();
    EXPECT_EQ(chart->pos(), QPoint(0, 0));
    EXPECT_EQ(chart->height(), 640);
    EXPECT_EQ(chart->width(), 700);
    auto* inputs = page->findChild<QScrollArea*>("figureInputsArea");
    ASSERT_NE(inputs, nullptr);
    EXPECT_GE(inputs->geometry().left(), chart->geometry().right() + 1);
    EXPECT_EQ(inputs->geometry().right(), page->width() - 1);
}

TEST_F(FigurePageTest, RendersTheFigureWithItsBoxes)
{
    fillColumn(1, {1, 2, 3, 4});
    fillColumn(2, {1, 4, 9, 16});
    ui.AddFigure_Button->click();
    choose(ui.TypNiepX_ComboBox, 1);
    choose(ui.TypNiepY_ComboBox, 1);
    choose(ui.KolorPunktow_ComboBox, 2);
    page->show();
    chart->replotNow();
    const QImage image = page->grab().toImage();
    // Some pixels in the plot area wear the points' blue.
    const QRect area = chart->plotArea();
    ASSERT_FALSE(area.isEmpty());
    int blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            blue += image.pixelColor(x, y) == QColor(Qt::blue);
    EXPECT_GT(blue, 20);
    if (qEnvironmentVariableIsSet("TALLOX_FIGURES_SCREENSHOT"))
        image.save(qEnvironmentVariable("TALLOX_FIGURES_SCREENSHOT"));
}
