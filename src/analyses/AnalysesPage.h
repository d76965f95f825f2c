#pragma once
// The page "Analizy": the mean, planning, regression and linearization pages.
#include <QWidget>

class ColumnTable;
class LinearizationPage;
class MeanPage;
class PlanningPage;
class QTabWidget;
class RegressionPage;
class TF1Book;

namespace tallox {
class Chart;
class FigureTable;
class FiguresPage;
}

class AnalysesPage : public QWidget {
    Q_OBJECT
public:
    AnalysesPage(TF1Book& sheet, ColumnTable& columns, tallox::FigureTable& figures,
                 tallox::Chart& chart, tallox::FiguresPage& figuresPage, QWidget* parent = nullptr);

    QTabWidget* pages = nullptr;
    MeanPage* meanPage = nullptr;
    PlanningPage* planningPage = nullptr;
    RegressionPage* regressionPage = nullptr;
    LinearizationPage* linearizationPage = nullptr;

    // Empties the result labels of every analysis page, as at start-up.
    void clearResults();

public slots:
    // The page came into view: the regression page shows the current figure's settings.
    void Analizy_TabSheetShow();

protected:
    void showEvent(QShowEvent* event) override;
};
