// Printing the chart and copying it to the clipboard: both draw the screen's picture through one
// painter whose transform does the scaling.
#include "chart/ChartImpl.h"

#include <QBuffer>
#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageSize>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>

namespace tallox {

namespace {

// A font sized in points is drawn at the resolution of the device painted on (1200 dpi on a
// printer, 72 on an SVG), while the layout measured it at the screen's: the same font sized in
// screen pixels draws as large as the layout planned, and the painter's transform scales it.
QFont inScreenPixels(const QFont& font)
{
    if (font.pixelSize() > 0)
        return font;
    QFont pixels(font);
    pixels.setPixelSize(std::max(1, QFontInfo(font).pixelSize()));
    return pixels;
}

// The plot's fonts in screen pixels while it is drawn off screen; back as they were afterwards.
class ScreenPixelFonts {
public:
    ScreenPixelFonts(QCustomPlot& plot, QCPTextElement& title, std::vector<CanvasText>& texts)
        : plot_(plot), title_(title), texts_(texts), savedTexts_(texts)
    {
        for (QCPAxis* axis : {plot.xAxis, plot.yAxis}) {
            saved_.push_back(axis->tickLabelFont());
            saved_.push_back(axis->labelFont());
            axis->setTickLabelFont(inScreenPixels(axis->tickLabelFont()));
            axis->setLabelFont(inScreenPixels(axis->labelFont()));
        }
        saved_.push_back(title.font());
        title.setFont(inScreenPixels(title.font()));
        for (CanvasText& t : texts)
            t.font = inScreenPixels(t.font);
    }
    ~ScreenPixelFonts()
    {
        size_t i = 0;
        for (QCPAxis* axis : {plot_.xAxis, plot_.yAxis}) {
            axis->setTickLabelFont(saved_[i++]);
            axis->setLabelFont(saved_[i++]);
        }
        title_.setFont(saved_[i]);
        texts_ = std::move(savedTexts_);
    }
    ScreenPixelFonts(const ScreenPixelFonts&) = delete;
    ScreenPixelFonts& operator=(const ScreenPixelFonts&) = delete;

private:
    QCustomPlot& plot_;
    QCPTextElement& title_;
    std::vector<CanvasText>& texts_;
    std::vector<CanvasText> savedTexts_;
    std::vector<QFont> saved_;
};

// Lays the plot out in its viewport without drawing (ticks, margins, the axis rectangle).
void layOut(QCustomPlot& plot)
{
    for (auto phase : {QCPLayoutElement::upPreparation, QCPLayoutElement::upMargins, QCPLayoutElement::upLayout})
        plot.plotLayout()->update(phase);
}

// The chart drawn on white for as long as this lives (paper and reports), then its own colour.
class WhiteBackground {
public:
    explicit WhiteBackground(QColor& background) : background_(background), saved_(background)
    {
        background_ = Qt::white;
    }
    ~WhiteBackground() { background_ = saved_; }
    WhiteBackground(const WhiteBackground&) = delete;
    WhiteBackground& operator=(const WhiteBackground&) = delete;

private:
    QColor& background_;
    QColor saved_;
};

}  // namespace

QSize Chart::outputSize() const
{
    const QSize onScreen = d->plot->size();
    return d->shown && !onScreen.isEmpty() ? onScreen : standardOutputSize;
}

void Chart::render(QCPPainter& painter, QSize size, bool vector)
{
    syncPlot();
    QCustomPlot& plot = *d->plot;
    const QRect screenViewport = plot.viewport();
    const bool otherSize = screenViewport.size() != size;
    if (otherSize) {
        // The tick count follows the axis length: lay out at the size drawn before choosing it.
        plot.setViewport(QRect(QPoint(0, 0), size));
        layOut(plot);
        syncPlot();
    }
    {
        const ScreenPixelFonts fonts(plot, *d->title, d->texts);
        painter.setMode(QCPPainter::pmNoCaching);
        painter.setMode(QCPPainter::pmVectorized, vector);
        // Hairlines become one screen pixel, scaled with everything else.
        painter.setMode(QCPPainter::pmNonCosmetic);
        plot.toPainter(&painter, size.width(), size.height());
    }
    if (otherSize) {
        // Axis rectangle and pixel positions as the screen has them again.
        plot.setViewport(screenViewport);
        syncPlot();
        layOut(plot);
    }
    requestReplot();
}

bool Chart::print(QPrinter& printer)
{
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    if (page.isEmpty())
        return false;
    QCPPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The screen's picture, as large as fits the page with its proportions kept, centred.
    const QSize size = outputSize();
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate((page.width() - size.width() * scale) / 2, (page.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    {
        const WhiteBackground white(d->background);
        render(painter, size, true);
    }
    return painter.end();
}

QByteArray Chart::svgBytes(QSize size)
{
    const WhiteBackground white(d->background);
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(d->plot->logicalDpiX());  // on paper as large as on screen
    QCPPainter painter;
    if (!painter.begin(&generator))
        return {};
    render(painter, size, true);
    painter.end();
    return svg;
}

QPicture Chart::vectorPicture()
{
    const WhiteBackground white(d->background);
    QPicture picture;
    QCPPainter painter;
    if (!painter.begin(&picture))
        return {};
    render(painter, outputSize(), true);
    painter.end();
    return picture;
}

QImage Chart::rasterImage(QSize size, int scale)
{
    const WhiteBackground white(d->background);
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    // As large on paper as the chart on screen: the density grows with the pixels.
    const double dotsPerMeter = d->plot->logicalDpiX() / 0.0254 * scale;
    image.setDotsPerMeterX(qRound(dotsPerMeter));
    image.setDotsPerMeterY(qRound(dotsPerMeter));
    QCPPainter painter;
    if (!painter.begin(&image))
        return {};
    painter.scale(scale, scale);
    render(painter, size, false);
    painter.end();
    return image;
}

void Chart::copyToClipboard()
{
    // The copy is meant for reports: white paper, not the window's button face.
    const QSize size = outputSize();
    const QByteArray svg = svgBytes(size);
    const QImage image = rasterImage(size, 1);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }

    auto* mime = new QMimeData;
    if (!svg.isEmpty())
        mime->setData(QStringLiteral("image/svg+xml"), svg);
    mime->setData(QStringLiteral("image/png"), png);
    mime->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(mime);
}

QByteArray Chart::exportImage(ImageFormat format)
{
    const QSize size = outputSize();
    switch (format) {
    case ImageFormat::Svg:
        return svgBytes(size);
    case ImageFormat::Png: {
        const QImage image = rasterImage(size, 2);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (image.isNull() || !image.save(&buffer, "PNG"))
            return {};
        return png;
    }
    case ImageFormat::Pdf: {
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        {
            // One page the size of the chart on screen, no margins.
            QPdfWriter writer(&buffer);
            const double dpi = d->plot->logicalDpiX();
            writer.setPageSize(QPageSize(QSizeF(size.width() * 72.0 / dpi, size.height() * 72.0 / dpi),
                                         QPageSize::Point, QString(), QPageSize::ExactMatch));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            writer.setResolution(1200);
            writer.setCreator(QStringLiteral("Tallox"));
            const WhiteBackground white(d->background);
            QCPPainter painter;
            if (!painter.begin(&writer))
                return {};
            const double scale = std::min(writer.width() / double(size.width()), writer.height() / double(size.height()));
            painter.scale(scale, scale);
            render(painter, size, true);
            if (!painter.end())
                return {};
        }
        return pdf;
    }
    }
    return {};
}

}  // namespace tallox
