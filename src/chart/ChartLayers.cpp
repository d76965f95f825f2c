#include "chart/ChartLayers.h"

#include "chart/Chart.h"

#include <cmath>

namespace tallox {

namespace {

// A fixed increment is followed only while it leaves the axis readable and the replot quick: a
// typed increment of 1e-9 on an axis of width 10 would otherwise ask for ten billion ticks.
constexpr double maxTicksPerAxis = 1000;

bool finitePoint(double x, double y)
{
    return std::isfinite(x) && std::isfinite(y);
}

}  // namespace

SeriesLayer::SeriesLayer(QCustomPlot* plot, const std::vector<std::unique_ptr<ChartSeries>>& series,
                         const std::vector<AnchoredLine>& overlay)
    : QCPLayerable(plot, QStringLiteral("main")), series_(series), overlay_(overlay)
{
}

QRect SeriesLayer::clipRect() const
{
    return mParentPlot->axisRect()->rect();
}

void SeriesLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const
{
    painter->setAntialiasing(true);
}

QPointF SeriesLayer::toPixel(double x, double y) const
{
    return {mParentPlot->xAxis->coordToPixel(x), mParentPlot->yAxis->coordToPixel(y)};
}

void SeriesLayer::draw(QCPPainter* painter)
{
    for (int i = Chart::firstShapeSeries; i < Chart::seriesCount; ++i) {
        const ChartSeries& box = *series_[static_cast<size_t>(i)];
        if (box.isActive() && box.count() >= 2)
            drawBox(painter, box);
    }
    for (int i = Chart::firstLineSeries; i < Chart::firstShapeSeries; ++i) {
        const ChartSeries& line = *series_[static_cast<size_t>(i)];
        if (line.isActive() && line.count() > 0)
            drawLine(painter, line);
    }
    // Overlay lines (the graphical method's extreme lines) under the points, dashed.
    for (const AnchoredLine& anchored : overlay_) {
        const OverlayLine& line = anchored.line;
        if (!finitePoint(line.from.x(), line.from.y()) || !finitePoint(line.to.x(), line.to.y()))
            continue;
        painter->setAntialiasing(true);
        painter->setPen(QPen(line.color, 1, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawLine(QLineF(toPixel(line.from.x(), line.from.y()), toPixel(line.to.x(), line.to.y())));
    }
    for (int i = 0; i < Chart::firstLineSeries; ++i) {
        const ChartSeries& points = *series_[static_cast<size_t>(i)];
        if (points.isActive() && points.count() > 0)
            drawPoints(painter, points);
    }
}

void SeriesLayer::drawBox(QCPPainter* painter, const ChartSeries& box) const
{
    const double x0 = box.x(0), y0 = box.y(0), x1 = box.x(1), y1 = box.y(1);
    if (!finitePoint(x0, y0) || !finitePoint(x1, y1))
        return;
    // Sides on whole pixels look sharp; a box is an uncertainty, not data, so no smoothing.
    painter->setAntialiasing(false);
    painter->setPen(QPen(box.penColor(), 1));
    painter->setBrush(box.isFilled() ? QBrush(box.brushColor()) : QBrush(Qt::NoBrush));
    const QPointF a = toPixel(x0, y0), b = toPixel(x1, y1);
    if (x0 == x1 || y0 == y1)
        painter->drawLine(QLineF(a, b));  // an uncertainty in one direction only
    else
        painter->drawRect(QRectF(a, b).normalized());
}

void SeriesLayer::drawLine(QCPPainter* painter, const ChartSeries& line) const
{
    painter->setAntialiasing(true);
    painter->setPen(QPen(line.penColor(), 1, line.isDotted() ? Qt::DotLine : Qt::SolidLine));
    painter->setBrush(Qt::NoBrush);
    QPolygonF polyline;
    polyline.reserve(line.count());
    for (int i = 0; i < line.count(); ++i) {
        if (!finitePoint(line.x(i), line.y(i))) {
            // A gap in the data breaks the line rather than joining across it.
            if (polyline.size() > 1)
                painter->drawPolyline(polyline);
            polyline.clear();
            continue;
        }
        polyline.append(toPixel(line.x(i), line.y(i)));
    }
    if (polyline.size() > 1)
        painter->drawPolyline(polyline);
}

void SeriesLayer::drawPoints(QCPPainter* painter, const ChartSeries& points) const
{
    painter->setAntialiasing(true);
    painter->setPen(QPen(points.penColor(), 1));
    painter->setBrush(points.isFilled() ? QBrush(points.brushColor()) : QBrush(Qt::NoBrush));
    const double w = points.pointerWidth(), h = points.pointerHeight();
    const QRectF visible = QRectF(clipRect()).adjusted(-w - 1, -h - 1, w + 1, h + 1);
    for (int i = 0; i < points.count(); ++i) {
        if (!finitePoint(points.x(i), points.y(i)))
            continue;
        const QPointF c = toPixel(points.x(i), points.y(i));
        if (!visible.contains(c))
            continue;
        switch (points.pointerShape()) {
        case ChartSeries::PointerShape::Square:
            painter->drawRect(QRectF(c.x() - w, c.y() - h, 2 * w, 2 * h));
            break;
        case ChartSeries::PointerShape::Circle:
            painter->drawEllipse(c, w, h);
            break;
        case ChartSeries::PointerShape::Triangle: {
            const QPointF apexUp[] = {{c.x(), c.y() - h}, {c.x() + w, c.y() + h}, {c.x() - w, c.y() + h}};
            painter->drawPolygon(apexUp, 3);
            break;
        }
        case ChartSeries::PointerShape::InvertedTriangle: {
            const QPointF apexDown[] = {{c.x(), c.y() + h}, {c.x() - w, c.y() - h}, {c.x() + w, c.y() - h}};
            painter->drawPolygon(apexDown, 3);
            break;
        }
        case ChartSeries::PointerShape::Diamond: {
            const QPointF diamond[] = {{c.x(), c.y() - h}, {c.x() + w, c.y()}, {c.x(), c.y() + h}, {c.x() - w, c.y()}};
            painter->drawPolygon(diamond, 4);
            break;
        }
        }
    }
}

CanvasTextLayer::CanvasTextLayer(QCustomPlot* plot, const std::vector<CanvasText>& texts)
    : QCPLayerable(plot, QStringLiteral("overlay")), texts_(texts)
{
}

void CanvasTextLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const
{
    painter->setAntialiasing(true);
}

void CanvasTextLayer::draw(QCPPainter* painter)
{
    for (const CanvasText& t : texts_) {
        painter->setFont(t.font);
        painter->setPen(t.color);
        // (x, y) is the top-left corner of the text, as on a plain drawing canvas.
        const QRect area(t.x, t.y, 100000, 100000);
        painter->drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t.text);
    }
}

void AxisTicker::generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                          QVector<double>& ticks, QVector<double>* subTicks, QVector<QString>* tickLabels)
{
    QCPAxisTicker::generate(range, locale, formatChar, precision, ticks, subTicks, tickLabels);
    if (labelsOnEnds || !tickLabels)
        return;
    const double tolerance = range.size() * 1e-9;
    for (int i = 0; i < ticks.size() && i < tickLabels->size(); ++i) {
        if (std::abs(ticks[i] - range.lower) <= tolerance || std::abs(ticks[i] - range.upper) <= tolerance)
            (*tickLabels)[i].clear();
    }
}

double AxisTicker::getTickStep(const QCPRange& range)
{
    if (increment > 0 && range.size() / increment <= maxTicksPerAxis)
        return increment;
    return QCPAxisTicker::getTickStep(range);
}

int AxisTicker::getSubTickCount(double)
{
    return minorCount;
}

}  // namespace tallox
