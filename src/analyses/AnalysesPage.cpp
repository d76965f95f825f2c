#include "analyses/AnalysesPage.h"

#include "analyses/LinearizationPage.h"
#include "analyses/MeanPage.h"
#include "analyses/PlanningPage.h"
#include "analyses/RegressionPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

AnalysesPage::AnalysesPage(TF1Book& sheet, ColumnTable& columns, tallox::FigureTable& figures,
                           tallox::Chart& chart, tallox::FiguresPage& figuresPage, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Analizy_TabSheet"));
    pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("Analizy_PageControl"));
    meanPage = new MeanPage(sheet, columns);
    planningPage = new PlanningPage(sheet, columns);
    regressionPage = new RegressionPage(sheet, figures, chart, figuresPage);
    linearizationPage = new LinearizationPage(sheet, figures, chart, figuresPage, *regressionPage);
    pages->addTab(meanPage, QStringLiteral("Wartość Średnia"));
    pages->addTab(planningPage, QStringLiteral("Planowanie"));
    pages->addTab(regressionPage, QStringLiteral("Regresja Liniowa"));
    pages->addTab(linearizationPage, QStringLiteral("Linearyzacja / Transformacja"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pages);
}

void AnalysesPage::clearResults()
{
    meanPage->clearResults();
    planningPage->clearResults();
    regressionPage->clearResults();
    linearizationPage->clearResults();
}

void AnalysesPage::Analizy_TabSheetShow() { regressionPage->Aktualizacja_Ustawien_Do_Regresji(); }

void AnalysesPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Analizy_TabSheetShow();
}
