#pragma once
// The page "Analizy": the mean, planning, regression and linearization pages.
#include <QWidget>

class ColumnTable;
class MeanPage;
class PlanningPage;
class QTabWidget;
class TF1Book;

namespace tallox {
class ResultList;
}

class AnalysesPage : public QWidget {
    Q_OBJECT
public:
    AnalysesPage(TF1Book& sheet, ColumnTable& columns, QWidget* parent = nullptr);

    QTabWidget* pages = nullptr;
    MeanPage* meanPage = nullptr;
    PlanningPage* planningPage = nullptr;
    QWidget* regressionPage = nullptr;
    QWidget* linearizationPage = nullptr;
    tallox::ResultList* Regresja_ListView = nullptr;

public slots:
    void Delete3Click();
};
