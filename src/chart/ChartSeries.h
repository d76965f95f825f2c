#pragma once
// One series of the chart: an ordered list of (x, y) points with its drawing style. The chart holds
// 1024 of them at fixed positions; callers address them by position and never create or delete one.
#include <QColor>
#include <vector>

namespace tallox {

class Chart;

class ChartSeries {
public:
    // Point: the measured points of a figure. FastLine: a polyline such as the fitted straight line.
    // Shape: an uncertainty box, a transparent rectangle spanned by its first two points as opposite
    // corners; with zero width or height it shows as a segment.
    enum class Kind { Point, FastLine, Shape };
    enum class PointerShape { Square, Circle, Triangle, InvertedTriangle, Diamond };

    ChartSeries(const ChartSeries&) = delete;
    ChartSeries& operator=(const ChartSeries&) = delete;

    Kind kind() const { return kind_; }

    // Points in insertion order: a series is never sorted by x.
    void clear();
    void addPoint(double x, double y);
    int count() const { return static_cast<int>(xs_.size()); }
    // Out-of-range indexes read as 0 and are ignored on write.
    double x(int i) const;
    double y(int i) const;
    void setX(int i, double value);
    void setY(int i, double value);
    // Smallest and largest x of the finite points; 0 for a series without any.
    double minX() const;
    double maxX() const;

    // A switched-off series keeps its points but is neither drawn nor counted in automatic ranges.
    bool isActive() const { return active_; }
    void setActive(bool on);

    // Pen colour: outline of a pointer, the line of a fast line, the sides of a box.
    QColor penColor() const { return penColor_; }
    void setPenColor(const QColor& color);

    // Pointer style of a point series.
    PointerShape pointerShape() const { return shape_; }
    void setPointerShape(PointerShape shape);
    QColor brushColor() const { return brushColor_; }
    void setBrushColor(const QColor& color);
    // Solid brush (true) or clear brush: an outline in the pen colour only.
    bool isFilled() const { return filled_; }
    void setFilled(bool solid);
    // Half width and half height of the pointer in pixels: a size of 4 spans 9 pixels.
    int pointerWidth() const { return pointerWidth_; }
    int pointerHeight() const { return pointerHeight_; }
    void setPointerSize(int horizontal, int vertical);

    // Dotted or solid pen of a fast-line series.
    bool isDotted() const { return dotted_; }
    void setDotted(bool on);

private:
    friend class Chart;
    ChartSeries(Chart* owner, Kind kind);
    void changed();

    Chart* owner_;
    Kind kind_;
    std::vector<double> xs_;
    std::vector<double> ys_;
    bool active_ = false;
    QColor penColor_;
    QColor brushColor_;
    PointerShape shape_ = PointerShape::Circle;
    bool filled_ = true;
    int pointerWidth_ = 4;
    int pointerHeight_ = 4;
    bool dotted_ = false;
};

}  // namespace tallox
