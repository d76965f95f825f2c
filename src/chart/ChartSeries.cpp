#include "chart/ChartSeries.h"

#include "chart/Chart.h"

#include <algorithm>
#include <cmath>

namespace tallox {

ChartSeries::ChartSeries(Chart* owner, Kind kind) : owner_(owner), kind_(kind)
{
    // Red circle pointers for the measured points, a red dotted fitted line, and boxes whose sides
    // are black so that they read as uncertainties rather than as data.
    switch (kind) {
    case Kind::Point:
        penColor_ = Qt::red;
        brushColor_ = Qt::red;
        break;
    case Kind::FastLine:
        penColor_ = Qt::red;
        brushColor_ = Qt::red;
        dotted_ = true;
        break;
    case Kind::Shape:
        penColor_ = Qt::black;
        brushColor_ = Qt::white;
        filled_ = false;  // transparent: the point inside the box stays visible
        break;
    }
}

void ChartSeries::changed()
{
    if (owner_)
        owner_->requestReplot();
}

void ChartSeries::clear()
{
    if (owner_)
        owner_->releaseOverlayLines(this);
    if (xs_.empty())
        return;
    xs_.clear();
    ys_.clear();
    changed();
}

void ChartSeries::addPoint(double x, double y)
{
    xs_.push_back(x);
    ys_.push_back(y);
    changed();
}

double ChartSeries::x(int i) const
{
    return i >= 0 && i < count() ? xs_[static_cast<size_t>(i)] : 0.0;
}

double ChartSeries::y(int i) const
{
    return i >= 0 && i < count() ? ys_[static_cast<size_t>(i)] : 0.0;
}

void ChartSeries::setX(int i, double value)
{
    if (i < 0 || i >= count())
        return;
    xs_[static_cast<size_t>(i)] = value;
    changed();
}

void ChartSeries::setY(int i, double value)
{
    if (i < 0 || i >= count())
        return;
    ys_[static_cast<size_t>(i)] = value;
    changed();
}

double ChartSeries::minX() const
{
    bool any = false;
    double least = 0;
    for (double v : xs_) {
        if (!std::isfinite(v))
            continue;
        least = any ? std::min(least, v) : v;
        any = true;
    }
    return least;
}

double ChartSeries::maxX() const
{
    bool any = false;
    double most = 0;
    for (double v : xs_) {
        if (!std::isfinite(v))
            continue;
        most = any ? std::max(most, v) : v;
        any = true;
    }
    return most;
}

void ChartSeries::setActive(bool on)
{
    if (!on && owner_)
        owner_->releaseOverlayLines(this);
    if (active_ == on)
        return;
    active_ = on;
    changed();
}

void ChartSeries::setPenColor(const QColor& color)
{
    penColor_ = color;
    changed();
}

void ChartSeries::setPointerShape(PointerShape shape)
{
    shape_ = shape;
    changed();
}

void ChartSeries::setBrushColor(const QColor& color)
{
    brushColor_ = color;
    changed();
}

void ChartSeries::setFilled(bool solid)
{
    filled_ = solid;
    changed();
}

void ChartSeries::setPointerSize(int horizontal, int vertical)
{
    pointerWidth_ = std::max(0, horizontal);
    pointerHeight_ = std::max(0, vertical);
    changed();
}

void ChartSeries::setDotted(bool on)
{
    dotted_ = on;
    changed();
}

}  // namespace tallox
