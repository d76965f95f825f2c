#include "chart/ChartAxis.h"

#include "chart/Chart.h"

#include <algorithm>
#include <cmath>

namespace tallox {

ChartAxis::ChartAxis(Chart* owner, Orientation orientation) : owner_(owner), orientation_(orientation)
{
}

void ChartAxis::changed()
{
    if (owner_)
        owner_->requestReplot();
}

void ChartAxis::setAutomatic(bool on)
{
    if (automatic_ && !on) {
        // Fixed from now on at the range shown until now.
        minimum_ = minimum();
        maximum_ = maximum();
    }
    automatic_ = on;
    changed();
}

double ChartAxis::minimum() const
{
    if (!automatic_ || !owner_)
        return minimum_;
    double lower = 0, upper = 0;
    owner_->automaticRange(orientation_, lower, upper);
    return lower;
}

double ChartAxis::maximum() const
{
    if (!automatic_ || !owner_)
        return maximum_;
    double lower = 0, upper = 0;
    owner_->automaticRange(orientation_, lower, upper);
    return upper;
}

void ChartAxis::setMinMax(double minimum, double maximum)
{
    automatic_ = false;
    minimum_ = minimum;
    maximum_ = maximum;
    changed();
}

void ChartAxis::setMinimum(double value)
{
    setMinMax(value, maximum());
}

void ChartAxis::setMaximum(double value)
{
    setMinMax(minimum(), value);
}

void ChartAxis::setTitle(const QString& text)
{
    title_ = text;
    changed();
}

void ChartAxis::setTitleFont(const QFont& font)
{
    titleFont_ = font;
    changed();
}

void ChartAxis::setTickLength(int pixels)
{
    tickLength_ = std::max(0, pixels);
    changed();
}

void ChartAxis::setMinorTickLength(int pixels)
{
    minorTickLength_ = std::max(0, pixels);
    changed();
}

void ChartAxis::setMinorTickCount(int count)
{
    minorTickCount_ = std::max(0, count);
    changed();
}

void ChartAxis::setLabelSeparation(int percent)
{
    labelSeparation_ = std::max(0, percent);
    changed();
}

void ChartAxis::setIncrement(double step)
{
    // A negative, infinite or undefined step cannot space ticks: the chart chooses instead.
    increment_ = std::isfinite(step) && step > 0 ? step : 0.0;
    changed();
}

void ChartAxis::setLabelsOnAxis(bool on)
{
    labelsOnAxis_ = on;
    changed();
}

void ChartAxis::setGridVisible(bool on)
{
    gridVisible_ = on;
    changed();
}

}  // namespace tallox
