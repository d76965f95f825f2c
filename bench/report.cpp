// The lab report's work: the graphical method's solver on 200 random boxes (budget 5 ms), the
// graphical method run from its button on a 200-point figure, and "Zapisz Raport PDF…" of that
// figure with an effective fit, its boxes and its two extreme lines (budget 300 ms: gathering,
// drawing the PDF, the safe write). Medians.
//
// With a file name as argument the regression page, the chart and the report are also saved
// (name-page.png, name-chart.png, name.pdf), to look at.
#include "FigureSetup.h"
#include "analyses/AnalysesPage.h"
#include "analyses/RegressionPage.h"
#include "app/TForm1.h"
#include "app/TalloxApplication.h"
#include "chart/Chart.h"
#include "common/Dialogs.h"
#include "common/PanelStatusBar.h"
#include "figures/FiguresPage.h"
#include "stats/SlopeBounds.h"
#include "worksheet/TF1Book.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <random>
#include <vector>

namespace {

void solverOnRandomBoxes()
{
    std::mt19937_64 random(15);
    std::normal_distribution<double> noise(0, 0.1);
    std::uniform_real_distribution<double> size(0.05, 0.3);
    std::vector<tallox::stats::Box> boxes;
    for (int i = 0; i < 200; ++i) {
        const double x = 0.05 * i, y = 2 * x + 1 + noise(random);
        const double ux = size(random) * 0.05, uy = size(random) + 0.25;
        boxes.push_back({x - ux, x + ux, y - uy, y + uy});
    }
    std::vector<double> times;
    tallox::stats::SlopeBounds bounds;
    for (int i = 0; i < 201; ++i) {
        QElapsedTimer timer;
        timer.start();
        bounds = tallox::stats::slopeBounds(boxes);
        if (i > 0)
            times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("slope bounds, 200 boxes: %.3f ms (median of 200; budget 5 ms); status %d, a %.6f .. %.6f\n",
                bench::median(times), int(bounds.status), double(bounds.flattest.a), double(bounds.steepest.a));
}

} // namespace

int main(int argc, char** argv)
{
    TalloxApplication app(argc, argv);
    solverOnRandomBoxes();

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    int boxesShown = 0;
    bench::countMessageBoxes(boxesShown);
    const QString reportPath = argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral(".pdf")
                                        : dir.filePath(QStringLiteral("raport.pdf"));
    tallox::setFileDialogHandler([&](const tallox::FileDialogRequest&) {
        return tallox::FileDialogAnswer{true, reportPath, 1};
    });

    TForm1 form;
    form.resize(1280, 900);
    form.show();
    TF1Book& sheet = *form.F1Book1;
    std::mt19937_64 random(2026);
    std::normal_distribution<double> noise(0, 0.05);
    sheet.setColumnHeading(1, QStringLiteral("Napięcie U [V]"));
    sheet.setColumnHeading(2, QStringLiteral("Natężenie I [mA]"));
    for (int row = 1; row <= 200; ++row) {
        const double x = 0.05 * row;
        sheet.setCellNumber(row, 1, x);
        sheet.setCellNumber(row, 2, 2.5 * x + 1 + noise(random));
        sheet.setCellNumber(row, 3, 0.12 + 0.01 * (row % 5));
    }
    form.StatusBar1->setPanelText(0, QStringLiteral("/home/student/pomiary/ćwiczenie_12.tlx"));
    form.StatusBar1->setPanelText(1, QStringLiteral("Łukasz Żółkiewski"));
    bench::addFigure(form);
    bench::commonUncertainty(form, true, QStringLiteral("0.01"));
    bench::columnUncertainty(form, false, 3);

    RegressionPage& page = *form.Analizy_TabSheet->regressionPage;
    form.PageControl1->setCurrentWidget(form.Analizy_TabSheet);
    form.Analizy_TabSheet->pages->setCurrentWidget(&page);
    app.processEvents();
    page.TypObliczenRegresji_ComboBox->setCurrentIndex(2);
    page.BitBtn8->click();

    std::vector<double> runs;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer timer;
        timer.start();
        page.ProsteGraniczne_Button->click();
        if (i > 0)
            runs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("Proste graniczne, 200 points: %.3f ms (median of 20) | %s | %s\n", bench::median(runs),
                qPrintable(page.AGraficzna_Wynik_Label->text()), qPrintable(page.BGraficzna_Wynik_Label->text()));

    QAction* save = form.findChild<QAction*>(QStringLiteral("ZapiszRaport_MainMenu"));
    std::vector<double> times;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer timer;
        timer.start();
        save->trigger();
        if (i > 0)
            times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("Zapisz Raport PDF, 200 points with a fit: %.1f ms (median of 20; budget 300 ms); %lld bytes\n",
                bench::median(times), QFile(reportPath).size());
    std::printf("boxes shown: %d\n", boxesShown);

    if (argc > 1) {
        const QString base = QString::fromLocal8Bit(argv[1]);
        app.processEvents();
        page.grab().save(base + QStringLiteral("-page.png"));
        form.PageControl1->setCurrentWidget(form.Wykresy_TabSheet);
        app.processEvents();
        form.Chart1->grab().save(base + QStringLiteral("-chart.png"));
    }
    return 0;
}
