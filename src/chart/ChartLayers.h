#pragma once
// Drawing pieces of the chart that live inside the plotting library: the layer that paints every
// series, the layer of canvas text, and the tick generator that follows an axis's settings.
// Only the chart's own sources include this header.
#include "chart/Chart.h"
#include "chart/ChartSeries.h"

#include <QFont>
#include <QString>
#include <qcustomplot.h>
#include <array>
#include <memory>
#include <vector>

namespace tallox {

// An overlay line with the series it belongs to.
struct AnchoredLine {
    OverlayLine line;
    const ChartSeries* anchor = nullptr;
};

// Paints all active series in one pass: boxes first, then fitted lines, then the measured points
// on top. One layerable for 1024 series keeps a replot proportional to the points actually shown.
class SeriesLayer : public QCPLayerable {
public:
    SeriesLayer(QCustomPlot* plot, const std::vector<std::unique_ptr<ChartSeries>>& series,
                const std::vector<AnchoredLine>& overlay);

protected:
    QRect clipRect() const override;
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    void drawBox(QCPPainter* painter, const ChartSeries& box) const;
    void drawLine(QCPPainter* painter, const ChartSeries& line) const;
    void drawPoints(QCPPainter* painter, const ChartSeries& points) const;
    QPointF toPixel(double x, double y) const;

    const std::vector<std::unique_ptr<ChartSeries>>& series_;
    const std::vector<AnchoredLine>& overlay_;
};

struct CanvasText {
    int x = 0;
    int y = 0;
    QString text;
    QFont font;
    QColor color;
};

// Text written on the chart at pixel positions, above everything else and not clipped to the plot.
class CanvasTextLayer : public QCPLayerable {
public:
    CanvasTextLayer(QCustomPlot* plot, const std::vector<CanvasText>& texts);

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    const std::vector<CanvasText>& texts_;
};

// Ticks of one axis: a fixed increment when one is set and sensible, a fixed number of minor ticks,
// and, when labels on the axis ends are off, blank labels for ticks that sit on the ends.
class AxisTicker : public QCPAxisTicker {
public:
    double increment = 0;
    int minorCount = 4;
    bool labelsOnEnds = true;

    void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                  QVector<double>& ticks, QVector<double>* subTicks, QVector<QString>* tickLabels) override;

protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
};

}  // namespace tallox
