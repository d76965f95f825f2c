// "LINEARYZUJ" end to end on a 200-point figure with X and Y uncertainty boxes: the transform
// columns cleared, the figure accepted again, the power law applied to its points, the two
// effective fits, the labels, the list row, the boxes and the line drawn again, the chart
// painted. Also "TRANSFORMUJ" with X² and ln Y (propagated uncertainties). Medians of 20 runs.
//
// With a file name as argument the page and the chart are also saved as PNG images
// (name-page.png, name-chart.png) after a power linearization, to look at.
#include "FigureSetup.h"
#include "analyses/AnalysesPage.h"
#include "analyses/LinearizationPage.h"
#include "app/TForm1.h"
#include "app/TalloxApplication.h"
#include "chart/Chart.h"
#include "common/Messages.h"
#include "figures/FiguresPage.h"
#include "worksheet/TF1Book.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
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
    // y = 3·x^1.5 with 2 % scatter.
    std::mt19937_64 random(2026);
    std::normal_distribution<double> noise(0, 0.02);
    for (int row = 1; row <= 200; ++row) {
        const double x = 0.05 * row;
        sheet.setCellNumber(row, 1, x);
        const double y = 3 * std::pow(x, 1.5) * (1 + noise(random));
        sheet.setCellNumber(row, 2, y);
        sheet.setCellNumber(row, 3, 0.02 * y);  // Y uncertainties: 2 % of each value
    }
    bench::addFigure(form);
    bench::commonUncertainty(form, true, QStringLiteral("0.001"));
    bench::columnUncertainty(form, false, 3);

    LinearizationPage& page = *form.Analizy_TabSheet->linearizationPage;
    form.PageControl1->setCurrentWidget(form.Analizy_TabSheet);
    form.Analizy_TabSheet->pages->setCurrentWidget(&page);
    app.processEvents();

    auto measure = [&](const char* name, int mode) {
        bench::choose(page.TransformacjaDanych_TakNie_ComboBox, mode);
        std::vector<double> times;
        for (int i = 0; i < 21; ++i) {
            QElapsedTimer timer;
            timer.start();
            page.Linearyzacja_Button->click();
            form.Chart1->replotNow();
            if (i > 0)  // the first run warms the caches
                times.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("%s %.2f ms (median of 20; budget 10 ms)\n", name, bench::median(times));
    };
    page.TypTransformacjiDanychX_ComboBox->setCurrentIndex(1);
    page.TypTransformacjiDanychY_ComboBox->setCurrentIndex(5);
    measure("TRANSFORMUJ (X^2, Ln Y):", 1);
    page.TypLinearyzacji_ComboBox->setCurrentIndex(0);
    measure("LINEARYZUJ (Potęgowa):  ", 0);
    std::printf("%s | %s | %s\nboxes shown: %d\n", qPrintable(page.ParametryFunkcji_Label->text()),
                qPrintable(page.ParametrFunkcji1_Label->text()),
                qPrintable(page.ParametrFunkcji2_Label->text()), boxesShown);

    if (argc > 1) {
        const QString base = QString::fromLocal8Bit(argv[1]);
        page.grab().save(base + QStringLiteral("-page.png"));
        form.PageControl1->setCurrentWidget(form.Wykresy_TabSheet);
        app.processEvents();
        form.Chart1->grab().save(base + QStringLiteral("-chart.png"));
    }
    return 0;
}
