// "Akceptuj Ustawienia" on a 200-point figure with X and Y uncertainty boxes: the points read
// from the sheet, 200 boxes built, the chart painted. Median of 20 runs (budget 16 ms).
#include "FigureSetup.h"
#include "app/TForm1.h"
#include "app/TalloxApplication.h"
#include "chart/Chart.h"
#include "common/Messages.h"
#include "figures/FiguresPage.h"
#include "worksheet/TF1Book.h"

#include <QComboBox>
#include <QPushButton>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    TalloxApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    int boxesShown = 0;
    tallox::setMessageHandler([&](const tallox::Message&) {
        ++boxesShown;
        return tallox::MessageAnswer::Ok;
    });
    TForm1 form;
    form.show();
    TF1Book& sheet = *form.F1Book1;
    for (int row = 1; row <= 200; ++row) {
        sheet.setCellNumber(row, 1, 0.5 * row);
        sheet.setCellNumber(row, 2, row + 0.25 * (row % 7));
        sheet.setCellNumber(row, 3, 0.1 + 0.001 * row);  // X uncertainties
        sheet.setCellNumber(row, 4, 0.4);                // Y uncertainties
    }
    form.PageControl1->setCurrentWidget(form.Wykresy_TabSheet);
    auto* accept = bench::figureControl<QPushButton>(form, "Akceptuj_Button");
    bench::addFigure(form);
    bench::columnUncertainty(form, true, 3);
    bench::columnUncertainty(form, false, 4);
    app.processEvents();

    std::vector<double> times;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer timer;
        timer.start();
        accept->click();
        form.Chart1->replotNow();
        if (i > 0)  // the first run warms the caches
            times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    int boxes = 0;
    for (int s = tallox::Chart::firstShapeSeries; s < tallox::Chart::seriesCount; ++s)
        boxes += form.Chart1->series(s).isActive() ? 1 : 0;
    std::printf("accept and paint: %.2f ms (median of 20; budget 16 ms); %d points, %d boxes, "
                "%d message boxes\n",
                (times[9] + times[10]) / 2, form.Chart1->series(0).count(), boxes, boxesShown);
    return 0;
}
