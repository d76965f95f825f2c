// "Wyznaczaj" end to end on a 200-point figure with X and Y uncertainty boxes, for each kind of
// fit: the fit, the labels, the list row, the boxes and the line drawn again, the results
// printed onto the chart, and the chart painted. Medians of 20 runs.
//
// With a file name as argument the regression page and the chart are also saved as PNG images
// (name-page.png, name-chart.png) after an effective fit, to look at.
#include "FigureSetup.h"
#include "analyses/AnalysesPage.h"
#include "analyses/RegressionPage.h"
#include "app/TForm1.h"
#include "app/TalloxApplication.h"
#include "chart/Chart.h"
#include "common/Messages.h"
#include "records/ResultList.h"
#include "figures/FiguresPage.h"
#include "worksheet/TF1Book.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>


int main(int argc, char** argv)
{
    TalloxApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    int boxesShown = 0;
    bench::countMessageBoxes(boxesShown);

    TForm1 form;
    form.resize(1280, 800);
    form.show();
    TF1Book& sheet = *form.F1Book1;
    std::mt19937_64 random(2026);
    std::normal_distribution<double> noise(0, 0.3);
    for (int row = 1; row <= 200; ++row) {
        const double x = 0.5 * row;
        sheet.setCellNumber(row, 1, x);
        sheet.setCellNumber(row, 2, 2 * x + 1 + noise(random));
        sheet.setCellNumber(row, 3, 0.2 + 0.001 * row);  // Y uncertainties
        sheet.setCellNumber(row, 4, 0.05);              // X uncertainties
    }
    bench::addFigure(form);
    // X: one small value (Y dominates the weighted fit); Y: per point from column C.
    bench::commonUncertainty(form, true, QStringLiteral("0.001"));
    bench::columnUncertainty(form, false, 3);

    RegressionPage& page = *form.Analizy_TabSheet->regressionPage;
    form.PageControl1->setCurrentWidget(form.Analizy_TabSheet);
    form.Analizy_TabSheet->pages->setCurrentWidget(&page);
    app.processEvents();

    const char* names[] = {"Klasyczna:", "Ważona:   ", "Efektywna:"};
    for (int kind = 0; kind < 3; ++kind) {
        page.TypObliczenRegresji_ComboBox->setCurrentIndex(kind);
        std::vector<double> times;
        for (int i = 0; i < 21; ++i) {
            QElapsedTimer timer;
            timer.start();
            page.BitBtn8->click();
            form.Chart1->replotNow();
            if (i > 0)  // the first run warms the caches
                times.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("%s %.2f ms (median of 20; budget 10 ms)\n", names[kind], bench::median(times));
    }
    std::printf("rows in the list: %d, boxes shown: %d\n",
                page.Regresja_ListView ? int(page.Regresja_ListView->model()->rowCount()) : -1,
                boxesShown);

    if (argc > 1) {
        const QString base = QString::fromLocal8Bit(argv[1]);
        page.grab().save(base + QStringLiteral("-page.png"));
        form.PageControl1->setCurrentWidget(form.Wykresy_TabSheet);
        app.processEvents();
        page.Wtopienie_Wynikow_Regresji();
        form.Chart1->grab().save(base + QStringLiteral("-chart.png"));
    }
    return 0;
}
