#pragma once
// The chart's private state, shared by its sources (drawing and output); includes the plotting
// library, so only src/chart includes it.
#include "chart/Chart.h"
#include "chart/ChartLayers.h"

#include <QPointer>
#include <QSharedPointer>

namespace tallox {

struct Chart::Impl {
    QCustomPlot* plot = nullptr;
    std::vector<std::unique_ptr<ChartSeries>> series;
    std::unique_ptr<ChartAxis> bottom;
    std::unique_ptr<ChartAxis> left;
    QSharedPointer<AxisTicker> bottomTicker;
    QSharedPointer<AxisTicker> leftTicker;
    QCPTextElement* title = nullptr;
    QStringList titleLines;
    QFont titleFont;
    QColor background;
    std::vector<CanvasText> texts;
    std::vector<AnchoredLine> overlay;
    QFont canvasFont;
    QColor canvasColor = Qt::black;
    SeriesLayer* seriesLayer = nullptr;
    CanvasTextLayer* textLayer = nullptr;
    QPointer<QMenu> menu;
    bool shown = false;  // the plot has been on screen: its size is the one to print
    bool replotPending = false;
    bool syncing = false;  // our own range changes are not the user's zoom
};

}  // namespace tallox
