#pragma once
// One axis of the chart (bottom for X, left for Y): its range, title, ticks, labels and grid.
// Every setter only records the setting; the chart shows it at its next replot.
#include <QFont>
#include <QString>

namespace tallox {

class Chart;

class ChartAxis {
public:
    enum class Orientation { Horizontal, Vertical };

    ChartAxis(const ChartAxis&) = delete;
    ChartAxis& operator=(const ChartAxis&) = delete;

    Orientation orientation() const { return orientation_; }

    // Automatic: the range follows the active series (their extent with a small margin, so that
    // pointers at the ends are not cut). Fixed: the range is what was set, by hand or by zooming.
    bool isAutomatic() const { return automatic_; }
    // Switching an automatic axis to fixed keeps the range it shows.
    void setAutomatic(bool on);
    // The bounds shown; while automatic, the bounds the automatic range gives for the active series.
    double minimum() const;
    double maximum() const;
    // Each of these makes the range fixed; a bound set alone keeps the other one as it is shown.
    void setMinMax(double minimum, double maximum);
    void setMinimum(double value);
    void setMaximum(double value);

    QString title() const { return title_; }
    void setTitle(const QString& text);
    QFont titleFont() const { return titleFont_; }
    void setTitleFont(const QFont& font);

    // Lengths in pixels, drawn outwards from the axis line; negative values count as 0.
    int tickLength() const { return tickLength_; }
    void setTickLength(int pixels);
    int minorTickLength() const { return minorTickLength_; }
    void setMinorTickLength(int pixels);
    // Minor ticks between two neighbouring major ticks.
    int minorTickCount() const { return minorTickCount_; }
    void setMinorTickCount(int count);
    // The least free space between neighbouring labels, in percent of a label's own size; more
    // separation means fewer labels. Used only while the increment is automatic.
    int labelSeparation() const { return labelSeparation_; }
    void setLabelSeparation(int percent);
    // Distance between major ticks in axis units; 0 lets the chart choose. An increment that would
    // put more than a thousand ticks on the axis is not followed (the chart chooses instead).
    double increment() const { return increment_; }
    void setIncrement(double step);
    // Whether the labels of ticks that fall on the very ends of the axis are written.
    bool labelsOnAxis() const { return labelsOnAxis_; }
    void setLabelsOnAxis(bool on);
    bool isGridVisible() const { return gridVisible_; }
    void setGridVisible(bool on);

private:
    friend class Chart;
    ChartAxis(Chart* owner, Orientation orientation);
    void changed();

    Chart* owner_;
    Orientation orientation_;
    bool automatic_ = true;
    double minimum_ = 0;
    double maximum_ = 1;
    QString title_;
    QFont titleFont_;
    int tickLength_ = 8;
    int minorTickLength_ = 4;
    int minorTickCount_ = 4;
    int labelSeparation_ = 10;
    double increment_ = 0;
    bool labelsOnAxis_ = true;
    bool gridVisible_ = true;
};

}  // namespace tallox
