// Overlay lines: drawn dashed over the plot without a series position, and gone when the series
// they belong to is cleared or switched off.
#include "chart/Chart.h"

#include <QImage>
#include <gtest/gtest.h>

using tallox::Chart;
using tallox::OverlayLine;

namespace {

void plotFigure(Chart& chart)
{
    for (int i = 0; i <= 4; ++i)
        chart.series(0).addPoint(i, i);
    chart.series(0).setActive(true);
}

TEST(ChartOverlay, LinesBelongToTheirSeries)
{
    Chart chart;
    plotFigure(chart);
    const std::vector<OverlayLine> lines{{{0, 0}, {4, 4}, Qt::blue}, {{0, 1}, {4, 3}, Qt::blue}};
    const struct {
        const char* what;
        std::function<void()> change;
        bool linesStay;
    } cases[] = {
        {"another series cleared", [&] { chart.series(1).clear(); chart.series(12).setActive(false); }, true},
        {"the series switched on again", [&] { chart.series(0).setActive(true); }, true},
        {"the series switched off", [&] { chart.series(0).setActive(false); }, false},
        {"the series cleared", [&] { chart.series(0).clear(); }, false},
        {"all overlay lines cleared", [&] { chart.clearOverlayLines(); }, false},
    };
    for (const auto& c : cases) {
        plotFigure(chart);
        chart.setOverlayLines(0, lines);
        c.change();
        EXPECT_EQ(chart.overlayLines().size(), c.linesStay ? 2u : 0u) << c.what;
    }
    // New lines for a series replace its old ones only.
    plotFigure(chart);
    chart.setOverlayLines(0, lines);
    chart.setOverlayLines(1, {lines[0]});
    chart.setOverlayLines(0, {lines[1]});
    EXPECT_EQ(chart.overlayLines().size(), 2u);
    // No series position taken.
    for (int p = 1; p < Chart::seriesCount; ++p)
        ASSERT_EQ(chart.series(p).count(), 0) << p;
}

TEST(ChartOverlay, LinesAreDrawnDashedInTheirColour)
{
    Chart chart;
    plotFigure(chart);
    chart.setOverlayLines(0, {{{0, 4}, {4, 0}, QColor(0, 0, 255)}});
    const QByteArray svg = chart.exportImage(Chart::ImageFormat::Svg);
    EXPECT_TRUE(svg.contains("stroke-dasharray")) << "a dashed line in the vector copy";
    EXPECT_TRUE(svg.contains("#0000ff"));
    chart.clearOverlayLines();
    EXPECT_FALSE(chart.exportImage(Chart::ImageFormat::Svg).contains("#0000ff"));
}

} // namespace
