// What the mouse does on the chart: axis clicks, zoom, pan, back to the full view, context menu.
#include "chart/Chart.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

using tallox::Chart;
using tallox::ChartAxis;

namespace {

struct ShownChart : ::testing::Test {
    Chart chart;
    QWidget* plot = nullptr;

    void SetUp() override
    {
        chart.resize(640, 480);
        chart.show();
        for (int x = 0; x <= 10; ++x) chart.series(0).addPoint(x, x * x);
        chart.series(0).setActive(true);
        chart.replotNow();
        plot = chart.findChild<QWidget*>("plot");
        ASSERT_NE(plot, nullptr);
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), plot->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(plot, &event);
    }
    void click(QPoint at)
    {
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
};

}  // namespace

TEST_F(ShownChart, ClickOnAnAxisNamesThatAxis)
{
    ChartAxis* clicked = nullptr;
    int clicks = 0;
    QObject::connect(&chart, &Chart::axisClicked, [&](ChartAxis* axis) {
        clicked = axis;
        ++clicks;
    });
    const QRect area = chart.plotArea();
    click(QPoint(area.center().x(), area.bottom() + 2));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clicked, &chart.bottomAxis());
    click(QPoint(area.left() - 2, area.center().y()));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(clicked, &chart.leftAxis());
    click(area.center());  // inside the plot: no axis
    EXPECT_EQ(clicks, 2);
}

TEST_F(ShownChart, WheelZoomsInAndDoubleClickReturnsToTheFullView)
{
    const double fullMin = chart.bottomAxis().minimum(), fullMax = chart.bottomAxis().maximum();
    int viewChanges = 0;
    QObject::connect(&chart, &Chart::viewChangedByUser, [&] { ++viewChanges; });
    const QPointF centre = chart.plotArea().center();
    QWheelEvent wheel(centre, plot->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &wheel);
    EXPECT_GT(viewChanges, 0);
    EXPECT_FALSE(chart.bottomAxis().isAutomatic());
    EXPECT_FALSE(chart.leftAxis().isAutomatic());
    EXPECT_LT(chart.bottomAxis().maximum() - chart.bottomAxis().minimum(), fullMax - fullMin);

    mouse(QEvent::MouseButtonDblClick, centre.toPoint(), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, centre.toPoint(), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(chart.bottomAxis().isAutomatic());
    EXPECT_TRUE(chart.leftAxis().isAutomatic());
    EXPECT_DOUBLE_EQ(chart.bottomAxis().minimum(), fullMin);
    EXPECT_DOUBLE_EQ(chart.bottomAxis().maximum(), fullMax);
}

TEST_F(ShownChart, DraggingPansAndKeepsTheRangeWidth)
{
    const double min = chart.bottomAxis().minimum(), max = chart.bottomAxis().maximum();
    const QPoint from = chart.plotArea().center();
    const QPoint to = from + QPoint(60, 0);
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(chart.bottomAxis().isAutomatic());
    EXPECT_LT(chart.bottomAxis().minimum(), min);  // the data moved right with the mouse
    EXPECT_NEAR(chart.bottomAxis().maximum() - chart.bottomAxis().minimum(), max - min, 1e-9);
}

TEST_F(ShownChart, RightClickPopsUpTheCallersMenu)
{
    QMenu menu;
    menu.addAction(QStringLiteral(" Siatka pionowa"));
    chart.setContextMenu(&menu);
    EXPECT_EQ(chart.contextMenu(), &menu);
    const QPoint at = chart.plotArea().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, plot->mapToGlobal(at));
    QApplication::sendEvent(plot, &event);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
}
