#include "figures/FittedLine.h"

#include "chart/Chart.h"
#include "figures/FigureTable.h"
#include "stats/ResultFormat.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace tallox {

FittedLine::FittedLine(FigureTable& figures, Chart& chart) : figures_(figures), chart_(chart) {}

void FittedLine::show(int slot)
{
    chart_.bottomAxis().setAutomatic(true);
    ChartSeries& line = chart_.series(Chart::firstLineSeries + slot);
    line.clear();
    const ChartSeries& points = chart_.series(slot);
    danewykresu& figure = figures_.record(slot);
    if (points.count() > 0) {
        const double xMin = points.minX(), xMax = points.maxX();
        const double step = std::fabs(xMin - xMax) / 200;
        for (int k = 0; k < 200; ++k) {
            const double x = xMin + k * step;
            line.addPoint(x, double(figure.RegA * x + figure.RegB));
        }
    }
    line.setActive(true);
    figure.RegressionShown = true;
    printResults(slot);
}

void FittedLine::hide(int slot)
{
    chart_.series(Chart::firstLineSeries + slot).setActive(false);
    figures_.record(slot).RegressionShown = false;
    chart_.clearCanvasText();
}

void FittedLine::printResults(int slot)
{
    chart_.clearCanvasText();
    if (slot < 0 || slot >= FigureTable::slotCount)
        return;
    const danewykresu& figure = figures_.record(slot);
    if (!figure.RegressionDone || !figure.RegressionShown)
        return;
    const int h = chart_.textHeight(QStringLiteral("W"));
    // The values start 40 px right of the captions, or further when a caption in the chosen font
    // is wider ("Chi^2" in a large font would otherwise run into its value).
    const QFontMetrics metrics(chart_.canvasFont());
    int valueX = 140;
    const QStringList captions = resultCaptions();
    const QStringList texts = resultTexts(figures_, slot);
    for (const QString& caption : captions)
        valueX = std::max(valueX, 100 + metrics.horizontalAdvance(caption + QLatin1Char(' ')));
    for (int i = 0; i < captions.size(); ++i) {
        chart_.textOut(100, 60 + i * h, captions[i]);
        chart_.textOut(valueX, 60 + i * h, texts[i]);
    }
}

QStringList FittedLine::resultCaptions()
{
    return {QStringLiteral("a  "), QStringLiteral("b  "),  QStringLiteral("Sa  "),
            QStringLiteral("Sb  "), QStringLiteral("r "), QStringLiteral("Chi^2 ")};
}

QStringList FittedLine::resultTexts(const FigureTable& figures, int slot)
{
    const danewykresu& f = figures.record(slot);
    QStringList texts;
    for (long double v : {f.RegA, f.RegB, f.RegSa, f.RegSb, f.RegR, f.RegChi2})
        texts << QString::fromStdString(stats::formatResult(v));
    return texts;
}

}  // namespace tallox
