#include "chart/Chart.h"

#include "chart/ChartImpl.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLocale>
#include <QMenu>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tallox {

namespace {

QFont arialPixels(int pixels, bool bold, bool italic)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Share of the data's span left free at each end of an automatic axis, so that the pointers and
// boxes at the ends are drawn whole.
constexpr double automaticMargin = 0.05;

// The number of major ticks that keeps neighbouring labels apart by the given separation.
int tickCountFor(int axisPixels, double labelPixels, int separationPercent)
{
    const double spacing = std::max(1.0, labelPixels) * (1.0 + separationPercent / 100.0) * 2.5;
    return std::clamp(static_cast<int>(axisPixels / spacing), 2, 30);
}

}  // namespace

Chart::Chart(QWidget* parent) : QWidget(parent), d(std::make_unique<Impl>())
{
    setObjectName(QStringLiteral("Chart1"));
    d->plot = new QCustomPlot(this);
    d->plot->setObjectName(QStringLiteral("plot"));
    d->plot->setGeometry(rect());
    d->plot->installEventFilter(this);
    // Tick labels in the user's number format (a decimal comma under Polish settings), without
    // thousands separators, which read like extra decimal marks on an axis.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    d->plot->setLocale(locale);
    d->plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    d->plot->axisRect()->setRangeDrag(Qt::Horizontal | Qt::Vertical);
    d->plot->axisRect()->setRangeZoom(Qt::Horizontal | Qt::Vertical);
    d->plot->setContextMenuPolicy(Qt::CustomContextMenu);

    d->series.reserve(seriesCount);
    for (int i = 0; i < seriesCount; ++i) {
        const auto kind = i < firstLineSeries    ? ChartSeries::Kind::Point
                          : i < firstShapeSeries ? ChartSeries::Kind::FastLine
                                                 : ChartSeries::Kind::Shape;
        d->series.emplace_back(new ChartSeries(this, kind));
    }

    d->bottom.reset(new ChartAxis(this, ChartAxis::Orientation::Horizontal));
    d->left.reset(new ChartAxis(this, ChartAxis::Orientation::Vertical));
    d->bottom->title_ = QStringLiteral("Opis Osi Odciętych ( X-ów )");
    d->left->title_ = QStringLiteral("Opis Osi Rzędnych( Y-ów )");
    d->bottom->titleFont_ = arialPixels(16, true, false);
    d->left->titleFont_ = arialPixels(16, true, false);
    d->left->labelSeparation_ = 20;
    d->bottomTicker.reset(new AxisTicker);
    d->leftTicker.reset(new AxisTicker);
    d->plot->xAxis->setTicker(d->bottomTicker);
    d->plot->yAxis->setTicker(d->leftTicker);
    for (QCPAxis* axis : {d->plot->xAxis, d->plot->yAxis}) {
        axis->setLabelColor(Qt::black);
        axis->grid()->setPen(QPen(QColor(160, 160, 160), 0, Qt::DotLine));
        axis->grid()->setZeroLinePen(QPen(QColor(120, 120, 120), 0, Qt::DotLine));
    }

    d->titleLines = QStringList{QStringLiteral("Zależność Y-ów od X-ów")};
    d->titleFont = arialPixels(16, true, true);
    d->plot->plotLayout()->insertRow(0);
    d->title = new QCPTextElement(d->plot, d->titleLines.join('\n'), d->titleFont);
    d->title->setTextFlags(Qt::AlignRight | Qt::AlignVCenter);
    d->title->setTextColor(Qt::black);
    d->title->setMargins(QMargins(12, 8, 16, 4));
    d->plot->plotLayout()->addElement(0, 0, d->title);

    d->background = QApplication::palette().color(QPalette::Button);
    d->canvasFont = arialPixels(13, false, false);

    d->seriesLayer = new SeriesLayer(d->plot, d->series, d->overlay);
    d->textLayer = new CanvasTextLayer(d->plot, d->texts);

    connect(d->plot, &QCustomPlot::beforeReplot, this, [this] { syncPlot(); });
    connect(d->plot->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
            [this] { userChangedRange(); });
    connect(d->plot->yAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
            [this] { userChangedRange(); });
    connect(d->plot, &QCustomPlot::mouseDoubleClick, this, [this] {
        // Back to the full view of the data.
        d->bottom->setAutomatic(true);
        d->left->setAutomatic(true);
        emit viewChangedByUser();
    });
    connect(d->plot, &QCustomPlot::axisClick, this, [this](QCPAxis* axis, QCPAxis::SelectablePart, QMouseEvent*) {
        if (axis == d->plot->xAxis)
            emit axisClicked(d->bottom.get());
        else if (axis == d->plot->yAxis)
            emit axisClicked(d->left.get());
    });
    connect(d->plot, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (d->menu)
            d->menu->popup(d->plot->mapToGlobal(pos));
    });

    requestReplot();
}

Chart::~Chart()
{
    // The layers point into our series and texts, and the plot's signals reach into d: take them
    // all down while d is still whole.
    delete d->textLayer;
    delete d->seriesLayer;
    delete d->plot;
}

ChartSeries& Chart::series(int position)
{
    if (position < 0 || position >= seriesCount)
        throw std::out_of_range("chart series position");
    return *d->series[static_cast<size_t>(position)];
}

const ChartSeries& Chart::series(int position) const
{
    return const_cast<Chart*>(this)->series(position);
}

ChartAxis& Chart::bottomAxis() { return *d->bottom; }
ChartAxis& Chart::leftAxis() { return *d->left; }
const ChartAxis& Chart::bottomAxis() const { return *d->bottom; }
const ChartAxis& Chart::leftAxis() const { return *d->left; }

QStringList Chart::titleLines() const { return d->titleLines; }

void Chart::setTitleLines(const QStringList& lines)
{
    d->titleLines = lines;
    requestReplot();
}

QFont Chart::titleFont() const { return d->titleFont; }

void Chart::setTitleFont(const QFont& font)
{
    d->titleFont = font;
    requestReplot();
}

QColor Chart::backgroundColor() const { return d->background; }

void Chart::setBackgroundColor(const QColor& color)
{
    d->background = color;
    requestReplot();
}

void Chart::textOut(int x, int y, const QString& text)
{
    d->texts.push_back(CanvasText{x, y, text, d->canvasFont, d->canvasColor});
    requestReplot();
}

int Chart::textHeight(const QString& text) const
{
    const QFontMetrics metrics(d->canvasFont, d->plot);
    const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    return metrics.height() + (lines - 1) * metrics.lineSpacing();
}

QFont Chart::canvasFont() const { return d->canvasFont; }
void Chart::setCanvasFont(const QFont& font) { d->canvasFont = font; }
QColor Chart::canvasTextColor() const { return d->canvasColor; }
void Chart::setCanvasTextColor(const QColor& color) { d->canvasColor = color; }
int Chart::canvasTextCount() const { return static_cast<int>(d->texts.size()); }

void Chart::clearCanvasText()
{
    d->texts.clear();
    requestReplot();
}

void Chart::setOverlayLines(int anchor, const std::vector<OverlayLine>& lines)
{
    const ChartSeries* owner = &series(anchor);
    std::erase_if(d->overlay, [owner](const AnchoredLine& l) { return l.anchor == owner; });
    for (const OverlayLine& line : lines)
        d->overlay.push_back({line, owner});
    requestReplot();
}

void Chart::clearOverlayLines()
{
    if (d->overlay.empty())
        return;
    d->overlay.clear();
    requestReplot();
}

std::vector<OverlayLine> Chart::overlayLines() const
{
    std::vector<OverlayLine> lines;
    for (const AnchoredLine& l : d->overlay)
        lines.push_back(l.line);
    return lines;
}

void Chart::releaseOverlayLines(const ChartSeries* owner)
{
    if (std::erase_if(d->overlay, [owner](const AnchoredLine& l) { return l.anchor == owner; }) > 0)
        requestReplot();
}

void Chart::replotNow()
{
    d->plot->replot(QCustomPlot::rpImmediateRefresh);
}

QRect Chart::plotArea() const
{
    return d->plot->axisRect()->rect().translated(d->plot->pos());
}

QPointF Chart::pixelOf(double x, double y) const
{
    return QPointF(d->plot->xAxis->coordToPixel(x), d->plot->yAxis->coordToPixel(y)) + d->plot->pos();
}

void Chart::setContextMenu(QMenu* menu) { d->menu = menu; }
QMenu* Chart::contextMenu() const { return d->menu; }

void Chart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    d->plot->setGeometry(rect());
}

bool Chart::eventFilter(QObject* watched, QEvent* event)
{
    // A paint that comes before the deferred replot (a grab, an expose) shows the present state.
    if (watched == d->plot && event->type() == QEvent::Paint && d->replotPending)
        d->plot->replot(QCustomPlot::rpQueuedRefresh);
    if (watched == d->plot && event->type() == QEvent::Show)
        d->shown = true;
    return QWidget::eventFilter(watched, event);
}

void Chart::requestReplot()
{
    if (d->replotPending)
        return;
    d->replotPending = true;
    d->plot->replot(QCustomPlot::rpQueuedReplot);
}

void Chart::userChangedRange()
{
    if (d->syncing)
        return;
    // Zooming or panning: the axes stay where the user put them.
    const QCPRange x = d->plot->xAxis->range(), y = d->plot->yAxis->range();
    d->bottom->setMinMax(x.lower, x.upper);
    d->left->setMinMax(y.lower, y.upper);
    emit viewChangedByUser();
}

void Chart::automaticRange(ChartAxis::Orientation orientation, double& lower, double& upper) const
{
    const bool horizontal = orientation == ChartAxis::Orientation::Horizontal;
    bool any = false;
    double least = 0, most = 0;
    auto take = [&](double v) {
        if (!std::isfinite(v))
            return;
        least = any ? std::min(least, v) : v;
        most = any ? std::max(most, v) : v;
        any = true;
    };
    for (const auto& s : d->series) {
        if (!s->isActive())
            continue;
        // A box counts by its two corners; it draws nothing with fewer.
        const int n = s->kind() == ChartSeries::Kind::Shape ? (s->count() >= 2 ? 2 : 0) : s->count();
        for (int i = 0; i < n; ++i) {
            if (std::isfinite(s->x(i)) && std::isfinite(s->y(i)))
                take(horizontal ? s->x(i) : s->y(i));
        }
    }
    if (!any) {
        lower = 0;
        upper = 1;
        return;
    }
    double margin = (most - least) * automaticMargin;
    if (!(margin > 0)) {
        // All values equal: centre them in a window of a tenth of their size.
        margin = least != 0 ? std::abs(least) * 0.1 : 1.0;
    }
    lower = least - margin;
    upper = most + margin;
}

void Chart::syncPlot()
{
    d->syncing = true;
    d->replotPending = false;
    QCustomPlot* plot = d->plot;
    const QFontMetrics labelMetrics(plot->xAxis->tickLabelFont(), plot);

    auto apply = [&](const ChartAxis& from, QCPAxis* to, AxisTicker& ticker) {
        double lower = from.minimum(), upper = from.maximum();
        if (std::isfinite(lower) && std::isfinite(upper)) {
            if (lower > upper)
                std::swap(lower, upper);
            if (!(upper - lower > std::max(std::abs(lower), std::abs(upper)) * 1e-12)) {
                // A fixed range of no width still shows its one value.
                const double half = lower != 0 ? std::abs(lower) * 0.1 : 1.0;
                lower -= half;
                upper += half;
            }
            to->setRange(lower, upper);
        }
        to->setLabel(from.title());
        to->setLabelFont(from.titleFont());
        to->setTickLength(0, from.tickLength());
        to->setSubTickLength(0, from.minorTickLength());
        to->grid()->setVisible(from.isGridVisible());
        ticker.increment = from.increment();
        ticker.minorCount = from.minorTickCount();
        ticker.labelsOnEnds = from.labelsOnAxis();
        const bool horizontal = from.orientation() == ChartAxis::Orientation::Horizontal;
        const double labelSize = horizontal
                                     ? labelMetrics.horizontalAdvance(QString::number(upper, 'g', 6)) + 4
                                     : labelMetrics.height();
        const int length = horizontal ? plot->axisRect()->width() : plot->axisRect()->height();
        ticker.setTickCount(tickCountFor(length, labelSize, from.labelSeparation()));
    };
    apply(*d->bottom, plot->xAxis, *d->bottomTicker);
    apply(*d->left, plot->yAxis, *d->leftTicker);

    d->title->setText(d->titleLines.join(QLatin1Char('\n')));
    d->title->setFont(d->titleFont);
    plot->setBackground(QBrush(d->background));
    d->syncing = false;
}

}  // namespace tallox
