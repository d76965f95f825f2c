#include "analyses/AnalysesPage.h"

#include "analyses/MeanPage.h"
#include "analyses/PlanningPage.h"
#include "records/ResultList.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QVBoxLayout>

using tallox::ResultList;

AnalysesPage::AnalysesPage(TF1Book& sheet, ColumnTable& columns, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Analizy_TabSheet"));
    pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("Analizy_PageControl"));
    meanPage = new MeanPage(sheet, columns);
    planningPage = new PlanningPage(sheet, columns);
    regressionPage = new QWidget;
    regressionPage->setObjectName(QStringLiteral("RegresjaTabSheet"));
    linearizationPage = new QWidget;
    linearizationPage->setObjectName(QStringLiteral("LinearyzacjaTabSheet"));
    pages->addTab(meanPage, QStringLiteral("Wartość Średnia"));
    pages->addTab(planningPage, QStringLiteral("Planowanie"));
    pages->addTab(regressionPage, QStringLiteral("Regresja Liniowa"));
    pages->addTab(linearizationPage, QStringLiteral("Linearyzacja / Transformacja"));

    // The regression list: its rows come from the fits on the regression page.
    Regresja_ListView = new ResultList(
        QStringLiteral("Regresja_ListView"),
        {QStringLiteral("Regresja"), QStringLiteral("Wykres"), QStringLiteral("Kol X"),
         QStringLiteral("Kol Y"), QStringLiteral("NiepX"), QStringLiteral("NiepY"),
         QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("sa"), QStringLiteral("sb"),
         QStringLiteral("r"), QStringLiteral("Chi2")},
        13, regressionPage);
    Regresja_ListView->setColumnWidths({40, 25, 45, 45, 50, 50});
    Regresja_ListView->contextMenu()->setObjectName(QStringLiteral("Regresja_PopupMenu"));
    Regresja_ListView->deleteAction()->setObjectName(QStringLiteral("Delete3"));
    auto* regressionLayout = new QVBoxLayout(regressionPage);
    regressionLayout->addStretch(1);
    regressionLayout->addWidget(Regresja_ListView, 1);
    connect(Regresja_ListView->deleteAction(), &QAction::triggered, this,
            &AnalysesPage::Delete3Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pages);
}

void AnalysesPage::Delete3Click() { Regresja_ListView->deleteFocusedRow(); }
