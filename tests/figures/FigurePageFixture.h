#pragma once
// A figures page on its own: a worksheet laid out as the program lays it out, a column table, a
// figure table and a chart, with the recording message handlers of SeamsTest.
#include "chart/Chart.h"
#include "figures/FigureTable.h"
#include "figures/FiguresPage.h"
#include "figures/SampleComboBox.h"
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

class FigurePageTest : public SeamsTest {
protected:
    void SetUp() override
    {
        SeamsTest::SetUp();
        sheet = std::make_unique<TF1Book>();
        Kolorowanie_Kolumn(*sheet);
        chart = new tallox::Chart;
        page = std::make_unique<tallox::FiguresPage>(*sheet, columns, figures, *chart);
        page->resize(900, 560);
        chart->resize(620, chart->height());
    }
    void TearDown() override
    {
        page.reset();  // takes the chart with it
        sheet.reset();
        SeamsTest::TearDown();
    }

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
};
