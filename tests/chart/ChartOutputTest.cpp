// Canvas text, copying, printing and one look at the rendered picture.
#include "chart/Chart.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QMimeData>
#include <QPalette>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tallox::Chart;

namespace {

bool anyPixel(const QImage& image, QRect area, const std::function<bool(QColor)>& test)
{
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

bool isRed(QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }
bool isDark(QColor c) { return c.red() < 70 && c.green() < 70 && c.blue() < 70; }

QRect around(QPointF p, int radius)
{
    return QRect(p.toPoint() - QPoint(radius, radius), QSize(2 * radius + 1, 2 * radius + 1));
}

}  // namespace

TEST(ChartCanvasText, StaysThroughPlainRedrawsAndGoesWithRepaint)
{
    Chart chart;
    chart.resize(640, 480);
    chart.show();
    chart.textOut(100, 60, QStringLiteral("a  "));
    chart.textOut(140, 60, QStringLiteral("1.0000000000"));
    EXPECT_EQ(chart.canvasTextCount(), 2);
    chart.update();
    chart.replotNow();
    QApplication::processEvents();
    EXPECT_EQ(chart.canvasTextCount(), 2);
    chart.clearCanvasText();
    EXPECT_EQ(chart.canvasTextCount(), 0);
}

TEST(ChartCanvasText, HeightFollowsTheFontAndTheLines)
{
    Chart chart;
    const int small = chart.textHeight(QStringLiteral("W"));
    EXPECT_GT(small, 0);
    QFont big = chart.canvasFont();
    big.setPixelSize(40);
    chart.setCanvasFont(big);
    EXPECT_EQ(chart.canvasFont().pixelSize(), 40);
    const int large = chart.textHeight(QStringLiteral("W"));
    EXPECT_GT(large, small);
    EXPECT_GT(chart.textHeight(QStringLiteral("W\nW")), large);
}

TEST(ChartCopy, PutsSvgAndPngOnTheClipboardDrawnOnWhite)
{
    Chart chart;
    chart.resize(500, 360);
    chart.show();
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(chart.backgroundColor(), buttonFace);
    chart.series(0).addPoint(1, 1);
    chart.series(0).setActive(true);

    chart.copyToClipboard();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    ASSERT_TRUE(mime->hasFormat("image/svg+xml"));
    ASSERT_TRUE(mime->hasFormat("image/png"));
    const QByteArray svg = mime->data("image/svg+xml");
    EXPECT_TRUE(svg.contains("<svg"));
    // Tick labels in the SVG are as large as on screen, whatever resolution the SVG assumes.
    const QRegularExpression tickLabel(QStringLiteral(R"re(<text[^>]*font-size="([\d.]+)"[^>]*>\s*[\d.,-]+</text>)re"));
    const auto label = tickLabel.match(QString::fromUtf8(svg));
    ASSERT_TRUE(label.hasMatch());
    EXPECT_DOUBLE_EQ(label.captured(1).toDouble(), QFontInfo(QApplication::font()).pixelSize());
    QImage png;
    ASSERT_TRUE(png.loadFromData(mime->data("image/png"), "PNG"));
    EXPECT_EQ(png.size(), QSize(500, 360));
    EXPECT_EQ(png.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(chart.backgroundColor(), buttonFace);

    // Whatever background was set comes back after the copy.
    chart.setBackgroundColor(QColor(10, 20, 30));
    chart.copyToClipboard();
    EXPECT_EQ(chart.backgroundColor(), QColor(10, 20, 30));
    chart.replotNow();
    EXPECT_EQ(chart.grab().toImage().pixelColor(2, 2), QColor(10, 20, 30));
}

TEST(ChartPrint, WritesOnePageToAPdfPrinterAndReportsAFailedPrinter)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Chart chart;
    chart.resize(640, 480);
    chart.series(0).addPoint(1, 2);
    chart.series(0).setActive(true);
    chart.textOut(100, 60, QStringLiteral("r 0.99"));

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    const QString path = dir.filePath("chart.pdf");
    printer.setOutputFileName(path);
    EXPECT_TRUE(chart.print(printer));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>>")
                  + bytes.count("/Type /Page "),
              1);

    QPrinter nowhere;
    nowhere.setOutputFormat(QPrinter::PdfFormat);
    nowhere.setOutputFileName(dir.filePath("no/such/folder/chart.pdf"));
    EXPECT_FALSE(chart.print(nowhere));
}

TEST(ChartRendering, PointsBoxesAndCanvasTextShowWhereTheyBelong)
{
    Chart chart;
    chart.resize(640, 480);
    chart.show();
    auto& points = chart.series(0);
    points.addPoint(1, 1);
    points.addPoint(2, 2);
    points.addPoint(3, 3);
    points.setActive(true);
    auto& box = chart.series(24 + 1);
    box.addPoint(1.6, 2.4);
    box.addPoint(2.4, 1.6);
    box.setActive(true);
    chart.series(2).addPoint(1, 3);  // switched off: draws nothing
    chart.replotNow();

    const QPointF textPlace = chart.pixelOf(2.7, 1.3);  // an empty stretch of the plot
    QFont font = chart.canvasFont();
    font.setPixelSize(24);
    chart.setCanvasFont(font);
    chart.textOut(int(textPlace.x()), int(textPlace.y()), QStringLiteral("WW"));
    const QRect textArea(textPlace.toPoint(), QSize(30, chart.textHeight("W")));

    QImage image = chart.grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2), chart.backgroundColor());
    for (double x : {1.0, 2.0, 3.0})
        EXPECT_TRUE(anyPixel(image, around(chart.pixelOf(x, x), 1), isRed)) << x;
    EXPECT_FALSE(anyPixel(image, around(chart.pixelOf(1, 3), 3), isRed));
    EXPECT_FALSE(anyPixel(image, around(chart.pixelOf(1, 2), 3), isDark));
    // Left and top sides of the box.
    EXPECT_TRUE(anyPixel(image, around(chart.pixelOf(1.6, 1.8), 1), isDark));
    EXPECT_TRUE(anyPixel(image, around(chart.pixelOf(2.2, 2.4), 1), isDark));
    EXPECT_TRUE(anyPixel(image, textArea, isDark));

    // An ordinary expose redraws the text; the chart's repaint removes it.
    chart.update();
    QApplication::processEvents();
    EXPECT_TRUE(anyPixel(chart.grab().toImage(), textArea, isDark));
    chart.clearCanvasText();
    EXPECT_FALSE(anyPixel(chart.grab().toImage(), textArea, isDark));
}

TEST(ChartExport, PngAtTwiceTheDensitySvgAndPdfAsVectorsAllOnWhite)
{
    Chart chart;
    chart.resize(500, 360);
    chart.show();
    chart.series(0).addPoint(1, 1);
    chart.series(0).addPoint(2, 3);
    chart.series(0).setActive(true);
    chart.textOut(80, 40, QStringLiteral("a = 1,25"));
    const QColor before = chart.backgroundColor();

    QImage png;
    ASSERT_TRUE(png.loadFromData(chart.exportImage(Chart::ImageFormat::Png), "PNG"));
    EXPECT_EQ(png.size(), QSize(1000, 720));
    EXPECT_EQ(png.pixelColor(3, 3), QColor(Qt::white));
    // Printed as large as the chart on screen.
    EXPECT_NEAR(png.dotsPerMeterX() / 2.0, chart.logicalDpiX() / 0.0254, 1.0);

    const QByteArray svg = chart.exportImage(Chart::ImageFormat::Svg);
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("a = 1,25"));  // the text stays text

    const QByteArray pdf = chart.exportImage(Chart::ImageFormat::Pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page>>")
                  + pdf.count("/Type /Page "),
              1);
    EXPECT_EQ(chart.backgroundColor(), before);
}
