// The chart's series: kinds by position, point order, extremes, switching, design-time looks.
#include "chart/Chart.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <stdexcept>

using tallox::Chart;
using tallox::ChartSeries;

TEST(ChartSeries, KindFollowsPositionAndEveryOneStartsEmptyAndOff)
{
    Chart chart;
    EXPECT_EQ(chart.objectName(), "Chart1");
    for (int p : {0, 11}) EXPECT_EQ(chart.series(p).kind(), ChartSeries::Kind::Point) << p;
    for (int p : {12, 23}) EXPECT_EQ(chart.series(p).kind(), ChartSeries::Kind::FastLine) << p;
    for (int p : {24, 500, 1023}) EXPECT_EQ(chart.series(p).kind(), ChartSeries::Kind::Shape) << p;
    for (int p = 0; p < Chart::seriesCount; ++p) {
        ASSERT_EQ(chart.series(p).count(), 0) << p;
        ASSERT_FALSE(chart.series(p).isActive()) << p;
    }
    EXPECT_THROW(chart.series(-1), std::out_of_range);
    EXPECT_THROW(chart.series(1024), std::out_of_range);
}

TEST(ChartSeries, PointsKeepInsertionOrderAndCanBeEdited)
{
    Chart chart;
    for (int p : {0, 12}) {  // neither points nor the fitted line are sorted by x
        ChartSeries& s = chart.series(p);
        s.addPoint(3, 30);
        s.addPoint(1, 10);
        s.addPoint(2, 20);
        ASSERT_EQ(s.count(), 3);
        EXPECT_EQ(s.x(0), 3);
        EXPECT_EQ(s.y(0), 30);
        EXPECT_EQ(s.x(1), 1);
        EXPECT_EQ(s.x(2), 2);
        EXPECT_EQ(s.y(2), 20);
        s.setX(1, 7);
        s.setY(1, 70);
        EXPECT_EQ(s.x(1), 7);
        EXPECT_EQ(s.y(1), 70);
        // Indexes past the end neither read garbage nor grow the series.
        s.setX(3, 99);
        EXPECT_EQ(s.count(), 3);
        EXPECT_EQ(s.x(3), 0);
        EXPECT_EQ(s.y(-1), 0);
        s.clear();
        EXPECT_EQ(s.count(), 0);
    }
}

TEST(ChartSeries, SmallestAndLargestXIgnoreOrderAndUndefinedValues)
{
    Chart chart;
    ChartSeries& s = chart.series(0);
    EXPECT_EQ(s.minX(), 0);
    EXPECT_EQ(s.maxX(), 0);
    s.addPoint(2.5, 0);
    s.addPoint(-1.25, 0);
    s.addPoint(std::numeric_limits<double>::quiet_NaN(), 1);
    s.addPoint(4, 0);
    s.addPoint(0, 0);
    EXPECT_EQ(s.minX(), -1.25);
    EXPECT_EQ(s.maxX(), 4);
    s.setX(3, -3);
    EXPECT_EQ(s.minX(), -3);
    EXPECT_EQ(s.maxX(), 2.5);
}

TEST(ChartSeries, SwitchingOffKeepsThePoints)
{
    Chart chart;
    ChartSeries& s = chart.series(5);
    s.addPoint(1, 2);
    s.setActive(true);
    EXPECT_TRUE(s.isActive());
    s.setActive(false);
    EXPECT_FALSE(s.isActive());
    EXPECT_EQ(s.count(), 1);
    EXPECT_EQ(s.y(0), 2);
}

TEST(ChartSeries, BoxHoldsItsTwoCornersInOrder)
{
    Chart chart;
    ChartSeries& box = chart.series(24 + 7);
    box.addPoint(0.95, 2.3);  // (x - ux, y + uy)
    box.addPoint(1.05, 1.7);  // (x + ux, y - uy)
    ASSERT_EQ(box.count(), 2);
    EXPECT_DOUBLE_EQ(box.x(0), 0.95);
    EXPECT_DOUBLE_EQ(box.y(0), 2.3);
    EXPECT_DOUBLE_EQ(box.x(1), 1.05);
    EXPECT_DOUBLE_EQ(box.y(1), 1.7);
    EXPECT_DOUBLE_EQ(box.minX(), 0.95);
    EXPECT_DOUBLE_EQ(box.maxX(), 1.05);
}

TEST(ChartSeries, DesignTimeLooksAndStyleChanges)
{
    Chart chart;
    const ChartSeries& points = chart.series(0);
    EXPECT_EQ(points.pointerShape(), ChartSeries::PointerShape::Circle);
    EXPECT_EQ(points.brushColor(), QColor(Qt::red));
    EXPECT_EQ(points.penColor(), QColor(Qt::red));
    EXPECT_TRUE(points.isFilled());
    EXPECT_EQ(points.pointerWidth(), 4);
    const ChartSeries& line = chart.series(12);
    EXPECT_EQ(line.penColor(), QColor(Qt::red));
    EXPECT_TRUE(line.isDotted());
    const ChartSeries& box = chart.series(24);
    EXPECT_FALSE(box.isFilled());  // transparent: the point inside shows
    EXPECT_EQ(box.brushColor(), QColor(Qt::white));

    ChartSeries& s = chart.series(3);
    s.setPointerShape(ChartSeries::PointerShape::InvertedTriangle);
    s.setBrushColor(QColor(0, 0, 255));
    s.setFilled(false);
    s.setPointerSize(12, 7);
    EXPECT_EQ(s.pointerShape(), ChartSeries::PointerShape::InvertedTriangle);
    EXPECT_EQ(s.brushColor(), QColor(0, 0, 255));
    EXPECT_FALSE(s.isFilled());
    EXPECT_EQ(s.pointerWidth(), 12);
    EXPECT_EQ(s.pointerHeight(), 7);
    s.setPointerSize(-5, 3);
    EXPECT_EQ(s.pointerWidth(), 0);
}
