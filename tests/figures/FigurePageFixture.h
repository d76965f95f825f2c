#pragma once
// A figures page on its own: a worksheet laid out as the program lays it out, a column table, a
// figure table and a chart, with the recording message handlers of SeamsTest.
#include "chart/Chart.h"
#include "figures/FigureTable.h"
#include "figures/FiguresPage.h"
#include "figures/SampleComboBox.h"
#include "figures/UncertaintyPanel.h"
#include "figures/UpDown.h"
#include "support/seams.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QLineEdit>
#include <QTest>
#include <initializer_list>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

class FigurePageTest : public SeamsTest {
protected:
    // The page's controls, found by their names as a user's test finds them.
    struct Controls {
        QLabel* AktuWykres_Label = nullptr;
        QLabel* Dane_Label = nullptr;
        QLabel* OsOdcietych_Label = nullptr;
        QLabel* OsRzednych_Label = nullptr;
        QLabel* WykresWidoczny_Label = nullptr;
        QLabel* RegresjaWidoczna_Label = nullptr;
        QLabel* NiepX_Label = nullptr;
        QLabel* oWartoscidlakolumnyX_DoWykresu_Label = nullptr;
        QLabel* zkolumnyX_DoWykresu_Label = nullptr;
        QLabel* NiepY_Label = nullptr;
        QLabel* oWartoscidlakolumnyY_DoWykresu_Label = nullptr;
        QLabel* zkolumnyY_DoWykresu_Label = nullptr;
        QLabel* TypPunktow_Label = nullptr;
        QLabel* KolorPunktow_Label = nullptr;
        QLabel* StylPunktow_Label = nullptr;
        QLabel* Rozmiar_Label = nullptr;
        QComboBox* NrWykresu_ComboBox = nullptr;
        QComboBox* NrKolumnyDanychX_ComboBox = nullptr;
        QComboBox* NrKolumnyDanychY_ComboBox = nullptr;
        QComboBox* WidocznyWykres_ComboBox = nullptr;
        QComboBox* WidocznaRegresja_ComboBox = nullptr;
        QComboBox* TypNiepX_ComboBox = nullptr;
        QComboBox* NrKolumnyNiepewnosciX_ComboBox = nullptr;
        QComboBox* TypNiepY_ComboBox = nullptr;
        QComboBox* NrKolumnyNiepewnosciY_ComboBox = nullptr;
        QPushButton* AddFigure_Button = nullptr;
        QPushButton* RemoveFigure_Button = nullptr;
        QPushButton* Akceptuj_Button = nullptr;
        QLineEdit* NiepX_Edit = nullptr;
        QLineEdit* NiepY_Edit = nullptr;
        QLineEdit* Rozmiar_Edit = nullptr;
        tallox::SampleComboBox* TypPunktow_ComboBox = nullptr;
        tallox::SampleComboBox* KolorPunktow_ComboBox = nullptr;
        tallox::SampleComboBox* StylPunktow_ComboBox = nullptr;
        tallox::UpDown* Rozmiar_UpDown = nullptr;
        QTabWidget* figureOptionsPages = nullptr;
        QWidget* Osie_TabSheet = nullptr;
        QWidget* Dodatki_TabSheet = nullptr;
        QWidget* regressionResultsPage = nullptr;
    };

    void SetUp() override
    {
        SeamsTest::SetUp();
        sheet = std::make_unique<TF1Book>();
        Kolorowanie_Kolumn(*sheet);
        chart = new tallox::Chart;
        page = std::make_unique<tallox::FiguresPage>(*sheet, columns, figures, *chart);
        page->resize(900, 560);
        chart->resize(620, chart->height());
        ui = findControls(*page);
    }
    void TearDown() override
    {
        page.reset();  // takes the chart with it
        sheet.reset();
        SeamsTest::TearDown();
    }

    // A control the page does not hold is a fault of the page, not of the test's data.
    template <class T>
    static T* control(const QWidget& page, const char* name)
    {
        T* found = page.findChild<T*>(QLatin1String(name));
        if (!found)
            throw std::logic_error(std::string("no control ") + name);
        return found;
    }

    static Controls findControls(const QWidget& page)
    {
        Controls c;
        c.AktuWykres_Label = control<QLabel>(page, "AktuWykres_Label");
        c.Dane_Label = control<QLabel>(page, "Dane_Label");
        c.OsOdcietych_Label = control<QLabel>(page, "OsOdcietych_Label");
        c.OsRzednych_Label = control<QLabel>(page, "OsRzednych_Label");
        c.WykresWidoczny_Label = control<QLabel>(page, "WykresWidoczny_Label");
        c.RegresjaWidoczna_Label = control<QLabel>(page, "RegresjaWidoczna_Label");
        c.NiepX_Label = control<QLabel>(page, "NiepX_Label");
        c.oWartoscidlakolumnyX_DoWykresu_Label = control<QLabel>(page, "oWartoscidlakolumnyX_DoWykresu_Label");
        c.zkolumnyX_DoWykresu_Label = control<QLabel>(page, "zkolumnyX_DoWykresu_Label");
        c.NiepY_Label = control<QLabel>(page, "NiepY_Label");
        c.oWartoscidlakolumnyY_DoWykresu_Label = control<QLabel>(page, "oWartoscidlakolumnyY_DoWykresu_Label");
        c.zkolumnyY_DoWykresu_Label = control<QLabel>(page, "zkolumnyY_DoWykresu_Label");
        c.TypPunktow_Label = control<QLabel>(page, "TypPunktow_Label");
        c.KolorPunktow_Label = control<QLabel>(page, "KolorPunktow_Label");
        c.StylPunktow_Label = control<QLabel>(page, "StylPunktow_Label");
        c.Rozmiar_Label = control<QLabel>(page, "Rozmiar_Label");
        c.NrWykresu_ComboBox = control<QComboBox>(page, "NrWykresu_ComboBox");
        c.NrKolumnyDanychX_ComboBox = control<QComboBox>(page, "NrKolumnyDanychX_ComboBox");
        c.NrKolumnyDanychY_ComboBox = control<QComboBox>(page, "NrKolumnyDanychY_ComboBox");
        c.WidocznyWykres_ComboBox = control<QComboBox>(page, "WidocznyWykres_ComboBox");
        c.WidocznaRegresja_ComboBox = control<QComboBox>(page, "WidocznaRegresja_ComboBox");
        c.TypNiepX_ComboBox = control<QComboBox>(page, "TypNiepX_ComboBox");
        c.NrKolumnyNiepewnosciX_ComboBox = control<QComboBox>(page, "NrKolumnyNiepewnosciX_ComboBox");
        c.TypNiepY_ComboBox = control<QComboBox>(page, "TypNiepY_ComboBox");
        c.NrKolumnyNiepewnosciY_ComboBox = control<QComboBox>(page, "NrKolumnyNiepewnosciY_ComboBox");
        c.AddFigure_Button = control<QPushButton>(page, "AddFigure_Button");
        c.RemoveFigure_Button = control<QPushButton>(page, "RemoveFigure_Button");
        c.Akceptuj_Button = control<QPushButton>(page, "Akceptuj_Button");
        c.NiepX_Edit = control<QLineEdit>(page, "NiepX_Edit");
        c.NiepY_Edit = control<QLineEdit>(page, "NiepY_Edit");
        c.Rozmiar_Edit = control<QLineEdit>(page, "Rozmiar_Edit");
        c.TypPunktow_ComboBox = control<tallox::SampleComboBox>(page, "TypPunktow_ComboBox");
        c.KolorPunktow_ComboBox = control<tallox::SampleComboBox>(page, "KolorPunktow_ComboBox");
        c.StylPunktow_ComboBox = control<tallox::SampleComboBox>(page, "StylPunktow_ComboBox");
        c.Rozmiar_UpDown = control<tallox::UpDown>(page, "Rozmiar_UpDown");
        c.figureOptionsPages = control<QTabWidget>(page, "figureOptionsPages");
        c.Osie_TabSheet = control<QWidget>(page, "Osie_TabSheet");
        c.Dodatki_TabSheet = control<QWidget>(page, "Dodatki_TabSheet");
        c.regressionResultsPage = control<QWidget>(page, "regressionResultsPage");
        return c;
    }

    tallox::UncertaintyPanel& uncertainties() { return *control<tallox::UncertaintyPanel>(*page, "uncertaintyPanel"); }

    // Numbers from row 1 down; an empty optional leaves the cell empty.
    void fillColumn(int column, std::initializer_list<std::optional<double>> values)
    {
        int row = 1;
        for (const auto& v : values) {
            if (v)
                sheet->setCellNumber(row, column, *v);
            ++row;
        }
    }

    // A user's choice in a list.
    static void choose(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // Types a text into a field and presses Enter in it.
    static void enter(QLineEdit* field, const QString& text)
    {
        field->setText(text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    tallox::ChartSeries& points() { return chart->series(0); }
    tallox::ChartSeries& box(int i) { return chart->series(tallox::Chart::firstShapeSeries + i); }
    danewykresu& figure() { return figures.record(0); }

    // Boxes that hold points.
    int drawnBoxes()
    {
        int n = 0;
        for (int i = tallox::Chart::firstShapeSeries; i < tallox::Chart::seriesCount; ++i)
            n += chart->series(i).count() > 0;
        return n;
    }

    std::unique_ptr<TF1Book> sheet;
    ColumnTable columns;
    tallox::FigureTable figures;
    tallox::Chart* chart = nullptr;
    std::unique_ptr<tallox::FiguresPage> page;
    Controls ui;
};
