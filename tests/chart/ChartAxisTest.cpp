// Axis ranges (automatic and fixed), axis settings and the chart's title.
#include "chart/Chart.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using tallox::Chart;
using tallox::ChartAxis;

TEST(ChartAxis, AutomaticRangeCoversActiveSeriesOnlyWithAMargin)
{
    Chart chart;
    ASSERT_TRUE(chart.bottomAxis().isAutomatic());
    auto& points = chart.series(0);
    for (int x = 1; x <= 5; ++x) points.addPoint(x, 10.0 * x);
    chart.series(1).addPoint(1000, -1000);  // switched off: must not stretch the axes
    points.setActive(true);

    const double bottomMin = chart.bottomAxis().minimum(), bottomMax = chart.bottomAxis().maximum();
    EXPECT_LT(bottomMin, 1);
    EXPECT_GT(bottomMin, 0.5);
    EXPECT_GT(bottomMax, 5);
    EXPECT_LT(bottomMax, 5.5);
    EXPECT_LT(chart.leftAxis().minimum(), 10);
    EXPECT_GT(chart.leftAxis().minimum(), 5);
    EXPECT_GT(chart.leftAxis().maximum(), 50);
    EXPECT_LT(chart.leftAxis().maximum(), 55);

    // A box reaching past the points widens the range; a box that is off does not.
    auto& box = chart.series(24);
    box.addPoint(-4, 60);
    box.addPoint(6, 40);
    EXPECT_GT(chart.bottomAxis().minimum(), 0.5);
    box.setActive(true);
    EXPECT_LT(chart.bottomAxis().minimum(), -4);
    EXPECT_GT(chart.leftAxis().maximum(), 60);
}

TEST(ChartAxis, AutomaticRangeOfASinglePointIsNotEmpty)
{
    Chart chart;
    chart.series(0).addPoint(2, 0);
    chart.series(0).setActive(true);
    EXPECT_LT(chart.bottomAxis().minimum(), 2);
    EXPECT_GT(chart.bottomAxis().maximum(), 2);
    EXPECT_LT(chart.leftAxis().minimum(), 0);
    EXPECT_GT(chart.leftAxis().maximum(), 0);
}

TEST(ChartAxis, FixedRangeHoldsWhateverTheDataAndBackToAutomatic)
{
    Chart chart;
    chart.series(0).addPoint(100, 100);
    chart.series(0).setActive(true);
    ChartAxis& left = chart.leftAxis();
    left.setMinMax(0, 10);
    EXPECT_FALSE(left.isAutomatic());
    EXPECT_EQ(left.minimum(), 0);
    EXPECT_EQ(left.maximum(), 10);
    chart.series(0).addPoint(-50, -50);
    EXPECT_EQ(left.minimum(), 0);

    left.setAutomatic(true);
    EXPECT_LT(left.minimum(), -50);
    EXPECT_GT(left.maximum(), 100);

    // A range of no width, or one given upside down, still shows its values.
    chart.resize(640, 480);
    chart.show();
    left.setMinMax(5, 5);
    chart.replotNow();
    const QRect area = chart.plotArea();
    EXPECT_EQ(left.minimum(), 5);
    EXPECT_NEAR(chart.pixelOf(0, 5).y(), area.center().y(), 2);
    left.setMinMax(10, 0);
    chart.replotNow();
    EXPECT_NEAR(chart.pixelOf(0, 10).y(), area.top(), 2);
    EXPECT_NEAR(chart.pixelOf(0, 0).y(), area.bottom(), 2);
}

TEST(ChartAxis, OneBoundSetByHandFreezesTheOtherAsShown)
{
    Chart chart;
    chart.series(0).addPoint(0, 0);
    chart.series(0).addPoint(10, 10);
    chart.series(0).setActive(true);
    ChartAxis& bottom = chart.bottomAxis();
    const double shownMaximum = bottom.maximum();
    bottom.setMinimum(2.5);
    EXPECT_FALSE(bottom.isAutomatic());
    EXPECT_EQ(bottom.minimum(), 2.5);
    EXPECT_EQ(bottom.maximum(), shownMaximum);
    bottom.setMaximum(7);
    EXPECT_EQ(bottom.minimum(), 2.5);
    EXPECT_EQ(bottom.maximum(), 7);
}

TEST(ChartAxis, DesignTimeSettings)
{
    Chart chart;
    const ChartAxis& bottom = chart.bottomAxis();
    const ChartAxis& left = chart.leftAxis();
    EXPECT_EQ(bottom.title(), QStringLiteral("Opis Osi Odciętych ( X-ów )"));
    EXPECT_EQ(left.title(), QStringLiteral("Opis Osi Rzędnych( Y-ów )"));
    for (const ChartAxis* axis : {&bottom, &left}) {
        EXPECT_EQ(axis->titleFont().pixelSize(), 16);
        EXPECT_TRUE(axis->titleFont().bold());
        EXPECT_EQ(axis->tickLength(), 8);
        EXPECT_EQ(axis->minorTickLength(), 4);
        EXPECT_EQ(axis->minorTickCount(), 4);
        EXPECT_TRUE(axis->isGridVisible());
        EXPECT_TRUE(axis->labelsOnAxis());
        EXPECT_EQ(axis->increment(), 0);
    }
    EXPECT_EQ(left.labelSeparation(), 20);
    EXPECT_EQ(chart.titleLines(), QStringList{QStringLiteral("Zależność Y-ów od X-ów")});
    EXPECT_TRUE(chart.titleFont().bold());
    EXPECT_TRUE(chart.titleFont().italic());
    EXPECT_EQ(chart.titleFont().pixelSize(), 16);
}

TEST(ChartAxis, SettingsAreKeptAndNonsenseIsRefused)
{
    Chart chart;
    ChartAxis& left = chart.leftAxis();
    left.setTickLength(100);
    left.setMinorTickLength(2);
    left.setMinorTickCount(9);
    left.setLabelSeparation(0);
    left.setIncrement(2.5);
    left.setLabelsOnAxis(false);
    left.setGridVisible(false);
    left.setTitle(QStringLiteral("U [V]"));
    EXPECT_EQ(left.tickLength(), 100);
    EXPECT_EQ(left.minorTickLength(), 2);
    EXPECT_EQ(left.minorTickCount(), 9);
    EXPECT_EQ(left.labelSeparation(), 0);
    EXPECT_EQ(left.increment(), 2.5);
    EXPECT_FALSE(left.labelsOnAxis());
    EXPECT_FALSE(left.isGridVisible());
    EXPECT_EQ(left.title(), QStringLiteral("U [V]"));
    left.setTickLength(-3);
    left.setMinorTickCount(-1);
    EXPECT_EQ(left.tickLength(), 0);
    EXPECT_EQ(left.minorTickCount(), 0);
    left.setIncrement(-1);
    EXPECT_EQ(left.increment(), 0);
    left.setIncrement(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(left.increment(), 0);
    chart.setTitleLines({QStringLiteral("Wykres 1"), QStringLiteral("U(I)")});
    EXPECT_EQ(chart.titleLines().size(), 2);
}

TEST(ChartAxis, TinyIncrementDoesNotFloodTheAxisWithTicks)
{
    Chart chart;
    chart.resize(640, 480);
    chart.show();
    chart.bottomAxis().setMinMax(0, 1e6);
    chart.bottomAxis().setIncrement(1e-6);  // 1e12 ticks if followed
    chart.leftAxis().setMinMax(0, 10);
    chart.leftAxis().setIncrement(2);
    chart.replotNow();  // returns: the ticker fell back to its own spacing
    EXPECT_EQ(chart.bottomAxis().increment(), 1e-6);
    EXPECT_GT(chart.plotArea().width(), 0);
}
