// Printing the chart and copying it to the clipboard.
#include "chart/ChartImpl.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>

namespace tallox {

namespace {

// Narrower charts than this would print with crowded labels: the page gets the chart laid out at
// least this wide and scaled down.
constexpr int minimumPrintWidth = 600;

}  // namespace

bool Chart::print(QPrinter& printer)
{
    syncPlot();
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    if (page.width() <= 0 || page.height() <= 0)
        return false;
    QCPPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Lay the chart out with the page's proportions at about its on-screen width, then scale it to
    // the page: one page, filled, in whatever orientation the printer has.
    const int width = std::max(d->plot->width(), minimumPrintWidth);
    const int height = std::max(1, qRound(width * page.height() / page.width()));
    const double scale = page.width() / width;
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.scale(scale, scale);
    d->plot->toPainter(&painter, width, height);
    const bool done = painter.end();
    requestReplot();  // the on-screen layout was borrowed for the page
    return done;
}

void Chart::copyToClipboard()
{
    // The copy is meant for reports: white paper, not the window's button face.
    const QColor screenBackground = d->background;
    d->background = Qt::white;
    syncPlot();
    const int width = std::max(1, d->plot->width());
    const int height = std::max(1, d->plot->height());

    QByteArray svg;
    {
        QBuffer buffer(&svg);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(width, height));
        generator.setViewBox(QRect(0, 0, width, height));
        QCPPainter painter;
        if (painter.begin(&generator)) {
            painter.setMode(QCPPainter::pmVectorized);
            painter.setMode(QCPPainter::pmNoCaching);
            d->plot->toPainter(&painter, width, height);
            painter.end();
        }
    }
    const QImage image = d->plot->toPixmap(width, height, 1.0).toImage();
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }

    d->background = screenBackground;
    requestReplot();

    auto* mime = new QMimeData;
    if (!svg.isEmpty())
        mime->setData(QStringLiteral("image/svg+xml"), svg);
    mime->setData(QStringLiteral("image/png"), png);
    mime->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(mime);
}

}  // namespace tallox
