// The printed page read back: the words a PDF printer wrote (pdftotext) and where they stand.
#include "chart/Chart.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>

using tallox::Chart;

namespace {

struct Word {
    QString text;
    QRectF box;  // in points, y downwards
};

struct PrintedPage {
    QSizeF size;  // in points
    QList<Word> words;

    QList<Word> find(const QString& text) const
    {
        QList<Word> found;
        for (const Word& w : words)
            if (w.text == text)
                found.append(w);
        return found;
    }
    bool has(const QString& text) const { return !find(text).isEmpty(); }
};

// pdftotext -bbox: one <page width height> and a <word xMin yMin xMax yMax> per word.
PrintedPage readBack(const QString& pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    run.waitForFinished(30000);
    const QString html = QString::fromUtf8(run.readAllStandardOutput());
    PrintedPage page;
    const QRegularExpression pageTag(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    if (const auto m = pageTag.match(html); m.hasMatch())
        page.size = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    const QRegularExpression wordTag(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = wordTag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        page.words.append(Word{m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return page;
}

// A fitted figure as the program draws it: points with boxes, the fitted line, titles and the
// fit's results written on the canvas.
void drawFittedFigure(Chart& chart)
{
    auto& points = chart.series(0);
    for (int i = 1; i <= 6; ++i) {
        points.addPoint(i, 2.0 * i + 1);
        auto& box = chart.series(Chart::firstShapeSeries + i);
        box.addPoint(i - 0.2, 2.0 * i + 1.5);
        box.addPoint(i + 0.2, 2.0 * i + 0.5);
        box.setActive(true);
    }
    points.setActive(true);
    auto& line = chart.series(Chart::firstLineSeries);
    line.addPoint(0.8, 2.6);
    line.addPoint(6.2, 13.4);
    line.setActive(true);
    chart.setTitleLines({QStringLiteral("Droga od czasu")});
    chart.bottomAxis().setTitle(QStringLiteral("czas t [s]"));
    chart.leftAxis().setTitle(QStringLiteral("droga s [m]"));
    chart.textOut(120, 70, QStringLiteral("a = 2.0000000000"));
}

}  // namespace

// The page shows what the screen shows, in proportion: readable tick labels that do not run into
// each other, both axis titles, the title and the canvas text, whether the chart was on screen or
// never shown.
TEST(ChartPrint, ThePageCarriesTitlesTickLabelsAndCanvasTextInProportion)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the printed page cannot be read back";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    struct Case {
        const char* name;
        QSize size;
        bool shown;
    };
    for (const Case& c : {Case{"on screen", {958, 600}, true}, Case{"small window", {520, 380}, true},
                          Case{"never shown", {0, 0}, false}}) {
        SCOPED_TRACE(c.name);
        Chart chart;
        if (c.shown) {
            chart.resize(c.size);
            chart.show();
        }
        drawFittedFigure(chart);
        chart.replotNow();

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        const QString path = dir.filePath(QString::fromLatin1(c.name) + ".pdf");
        printer.setOutputFileName(path);
        const QRect plotArea = chart.plotArea();
        ASSERT_TRUE(chart.print(printer));
        EXPECT_EQ(chart.plotArea(), plotArea) << "the screen's layout comes back";

        const PrintedPage page = readBack(path);
        ASSERT_GT(page.size.width(), page.size.height()) << "landscape";
        for (const char* text : {"Droga", "czasu", "czas", "[s]", "droga", "[m]", "a", "2.0000000000"})
            EXPECT_TRUE(page.has(QString::fromUtf8(text))) << text;

        // The bottom axis labels: the whole numbers 1..6 at least, each a readable size (a text
        // line of 1-4 % of the page height), on one baseline, apart from each other.
        QList<Word> ticks;
        for (int v = 1; v <= 6; ++v) {
            const QList<Word> found = page.find(QString::number(v));
            ASSERT_FALSE(found.isEmpty()) << "tick label " << v;
            // The lowest occurrence is the bottom axis label (the left axis has them too).
            ticks.append(*std::max_element(found.begin(), found.end(), [](const Word& a, const Word& b) {
                return a.box.top() < b.box.top();
            }));
        }
        for (int i = 0; i < ticks.size(); ++i) {
            const double share = ticks[i].box.height() / page.size.height();
            EXPECT_GT(share, 0.01) << ticks[i].text.toStdString();
            EXPECT_LT(share, 0.04) << ticks[i].text.toStdString();
            EXPECT_TRUE(QRectF(QPointF(0, 0), page.size).contains(ticks[i].box));
            if (i > 0) {
                EXPECT_NEAR(ticks[i].box.top(), ticks[0].box.top(), 1.0);
                EXPECT_GT(ticks[i].box.left(), ticks[i - 1].box.right());
            }
        }
        // The chart fills the page: the axis labels reach across most of it.
        EXPECT_GT(ticks.last().box.right() - ticks.first().box.left(), page.size.width() * 0.5);
        // Canvas text keeps its place relative to the chart: left of the middle, near the top.
        const Word fit = page.find(QStringLiteral("2.0000000000")).first();
        EXPECT_LT(fit.box.left(), page.size.width() * 0.5);
        EXPECT_LT(fit.box.top(), page.size.height() * 0.35);
        EXPECT_LT(fit.box.height() / page.size.height(), 0.05);
    }
}
