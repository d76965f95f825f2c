#pragma once
// The chart of the figures page: 1024 series at fixed positions, two axes, a multi-line title, text
// written on the canvas at pixel positions, printing and copying. The plotting library stays behind
// this header.
//
// Series positions: 0-11 point series, 12-23 fast-line series, 24-1023 shape series (boxes).
//
// Drawing is deferred: every change asks for one replot, done when control returns to the event
// loop, so a handler that adds 200 points and 200 boxes costs one replot. replotNow() brings the
// picture up to date at once (printing, copying and grabbing do so themselves).
//
// Mouse: the wheel zooms and a left-button drag pans (both make the axes fixed at the range shown);
// a double click returns both axes to automatic ranges; a right click pops up the menu given to
// setContextMenu(); a click on an axis emits axisClicked().
#include "chart/ChartAxis.h"
#include "chart/ChartSeries.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

class QCPPainter;
class QImage;
class QPicture;
class QMenu;
class QPrinter;

namespace tallox {

// A straight dashed line drawn over the plot from one point to another (plot coordinates), in a
// colour; it takes no series position. It belongs to the series it is anchored to: clearing or
// hiding that series removes it.
struct OverlayLine {
    QPointF from, to;
    QColor color;
};

class Chart : public QWidget {
    Q_OBJECT
public:
    static constexpr int seriesCount = 1024;
    static constexpr int firstLineSeries = 12;
    static constexpr int firstShapeSeries = 24;

    explicit Chart(QWidget* parent = nullptr);
    ~Chart() override;

    // Position 0..1023; a position outside that range is a programming error (std::out_of_range).
    ChartSeries& series(int position);
    const ChartSeries& series(int position) const;

    ChartAxis& bottomAxis();
    ChartAxis& leftAxis();
    const ChartAxis& bottomAxis() const;
    const ChartAxis& leftAxis() const;

    // The title above the plot, one entry per line, right-aligned.
    QStringList titleLines() const;
    void setTitleLines(const QStringList& lines);
    QFont titleFont() const;
    void setTitleFont(const QFont& font);

    // Background of the whole chart: the button-face colour unless set otherwise.
    QColor backgroundColor() const;
    void setBackgroundColor(const QColor& color);

    // Canvas text: written at pixel (x, y) of the chart (top-left corner of the text) with the canvas
    // font and colour of the moment of writing. It stays through ordinary redraws until clearCanvasText().
    void textOut(int x, int y, const QString& text);
    int textHeight(const QString& text) const;
    QFont canvasFont() const;
    void setCanvasFont(const QFont& font);
    QColor canvasTextColor() const;
    void setCanvasTextColor(const QColor& color);
    int canvasTextCount() const;

    // Overlay lines: replaces those anchored to the series at `anchor` with `lines`; they go
    // when that series is cleared or switched off, or by clearOverlayLines().
    void setOverlayLines(int anchor, const std::vector<OverlayLine>& lines);
    void clearOverlayLines();
    std::vector<OverlayLine> overlayLines() const;

    // Removes all canvas text and redraws the chart with the coming (deferred) replot, so text
    // written right after it in the same handler shows.
    void clearCanvasText();
    // Draws the present state at once (a pending deferred replot is then not needed any more).
    void replotNow();

    // Pixel rectangle of the plotting area and the pixel of a point (x, y), as of the last replot.
    QRect plotArea() const;
    QPointF pixelOf(double x, double y) const;

    // The chart alone on one page of the printer, in its orientation, drawn on white: the picture
    // of the screen scaled to fill the page, fonts, pens and canvas text in proportion. False when
    // the printer cannot be painted on (nothing printed).
    bool print(QPrinter& printer);
    // The chart as SVG (image/svg+xml) and as a PNG of its on-screen size, on one clipboard entry,
    // drawn on white; the background colour is restored afterwards.
    void copyToClipboard();
    // The chart as drawn on screen (its on-screen size), on white, as the bytes of a file: PNG at
    // twice the screen's pixel density (sharp when printed), SVG and PDF as vectors with the texts
    // kept as text. Empty when it cannot be drawn.
    enum class ImageFormat { Png, Svg, Pdf };
    QByteArray exportImage(ImageFormat format);
    // The size a page or a copy is laid out at: the on-screen size, or, for a chart never shown,
    // standardOutputSize.
    QSize outputSize() const;
    static constexpr QSize standardOutputSize{958, 600};

    // The chart laid out at outputSize(), on white, recorded as vector drawing commands (texts
    // kept as text) for a document that places it itself.
    QPicture vectorPicture();

    // The pop-up menu for a right click (owned by the caller); null: none.
    void setContextMenu(QMenu* menu);
    QMenu* contextMenu() const;

signals:
    // A click on the bottom or the left axis.
    void axisClicked(tallox::ChartAxis* axis);
    // The user zoomed, panned or returned to the full view: the axis ranges changed.
    void viewChangedByUser();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ChartSeries;
    friend class ChartAxis;
    struct Impl;
    // A series was cleared or switched off: its overlay lines go.
    void releaseOverlayLines(const ChartSeries* series);
    void requestReplot();
    // Hands the present settings to the plotting library (ranges, ticks, titles, background).
    void syncPlot();
    void userChangedRange();
    // Draws the chart laid out at `size` (in pixels of the screen) with the painter's transform,
    // as the screen shows it: fonts sized in those pixels, hairlines one pixel wide. Vector output
    // (printer, SVG) is not rounded to device pixels.
    void render(QCPPainter& painter, QSize size, bool vector);
    // The chart at `size` on white as SVG, and as an image `scale` times as many pixels each way.
    QByteArray svgBytes(QSize size);
    QImage rasterImage(QSize size, int scale);
    // The range an automatic axis shows for the active series.
    void automaticRange(ChartAxis::Orientation orientation, double& lower, double& upper) const;

    std::unique_ptr<Impl> d;
};

}  // namespace tallox
