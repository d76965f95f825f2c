#pragma once
// The regression page inside the whole program: data typed into the sheet, a figure plotted on
// the figures page, its uncertainties set there, and fits run with "Wyznaczaj". The figures
// page's controls are found by their names.
#include "analyses/RegressionPage.h"
#include "chart/Chart.h"
#include "figures/FiguresPage.h"
#include "records/ResultList.h"
#include "support/fixture.h"
#include "worksheet/TF1Book.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>

class RegressionPageTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        page = form().findChild<RegressionPage*>();
        ASSERT_NE(page, nullptr);
        figures = form().Wykresy_TabSheet;
        chart = form().Chart1;
    }

    // Numbers from row 1 down; an empty optional leaves the cell empty.
    void fillColumn(int column, std::initializer_list<std::optional<double>> values)
    {
        int row = 1;
        for (const auto& v : values) {
            if (v)
                form().F1Book1->setCellNumber(row, column, *v);
            ++row;
        }
    }

    // A control of the figures page, found by its name; a missing one fails the test.
    template <class T>
    T* figureControl(const char* name) const
    {
        T* control = figures->findChild<T*>(QLatin1String(name));
        if (!control)
            throw std::logic_error(std::string("no control ") + name);
        return control;
    }

    static void choose(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // Figure 1 from two columns, as "Dodaj Wykres" makes it.
    void plot(int columnX = 1, int columnY = 2)
    {
        figureControl<QComboBox>("NrKolumnyDanychX_ComboBox")->setCurrentIndex(columnX - 1);
        figureControl<QComboBox>("NrKolumnyDanychY_ComboBox")->setCurrentIndex(columnY - 1);
        figureControl<QPushButton>("AddFigure_Button")->click();
    }

    // One value for every point of an axis, typed on the figures page.
    void commonUncertainty(bool x, const QString& text)
    {
        figureControl<QLineEdit>(x ? "NiepX_Edit" : "NiepY_Edit")->setText(text);
        choose(figureControl<QComboBox>(x ? "TypNiepX_ComboBox" : "TypNiepY_ComboBox"), 1);
    }

    // Per-point uncertainties of an axis from a worksheet column.
    void columnUncertainty(bool x, int column)
    {
        figureControl<QComboBox>(x ? "NrKolumnyNiepewnosciX_ComboBox" : "NrKolumnyNiepewnosciY_ComboBox")
            ->setCurrentIndex(column - 1);
        choose(figureControl<QComboBox>(x ? "TypNiepX_ComboBox" : "TypNiepY_ComboBox"), 2);
    }

    // "Wyznaczaj" with a kind: 0 classical, 1 weighted, 2 effective. Earlier boxes are forgotten.
    void run(int kind)
    {
        messages.clear();
        page->TypObliczenRegresji_ComboBox->setCurrentIndex(kind);
        page->BitBtn8->click();
    }

    // The six result labels: a, b, sa, sb, r, chi-squared.
    QStringList labels() const
    {
        return {page->Wspolczynnik_kierunkowy_a_Wynik_Label->text(),
                page->Wspolczynnik_przeciecia_b_Wynik_Label->text(),
                page->Odchylenie_standardowe_wspolczynnika_a_Wynik_Label->text(),
                page->Odchylenie_standardowe_wspolczynnika_b_Wynik_Label->text(),
                page->Wspolczynnik_korelacji_r_Wynik_Label->text(),
                page->Wartosc_testu_Chi2_Wynik_Label->text()};
    }

    QStringList row(int r) const
    {
        QStringList items;
        for (int k = 0; k < 12; ++k)
            items << page->Regresja_ListView->subItem(r, k);
        return items;
    }

    // The boxes shown since the last run, "caption|text" one a line (readable when a check fails).
    std::string shownBoxes() const
    {
        QStringList lines;
        for (const QString& box : boxes())
            lines << box;
        return lines.join(u'\n').toStdString();
    }

    tallox::ChartSeries& line() { return chart->series(tallox::Chart::firstLineSeries); }

    RegressionPage* page = nullptr;
    tallox::FiguresPage* figures = nullptr;
    tallox::Chart* chart = nullptr;
};
