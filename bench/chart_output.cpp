// Copying, printing and saving the chart of a 200-point figure with X and Y uncertainty boxes:
// time of each (median of 10 after one warm-up run) and the size of what is produced.
#include "FigureSetup.h"
#include "app/TForm1.h"
#include "app/TalloxApplication.h"
#include "chart/Chart.h"
#include "common/Messages.h"
#include "figures/FiguresPage.h"
#include "worksheet/TF1Book.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
double medianMs(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < 11; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        if (i > 0)
            times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return (times[4] + times[5]) / 2;
}
}  // namespace

int main(int argc, char** argv)
{
    TalloxApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    tallox::setMessageHandler([](const tallox::Message&) { return tallox::MessageAnswer::Ok; });
    TForm1 form;
    form.show();
    TF1Book& sheet = *form.F1Book1;
    for (int row = 1; row <= 200; ++row) {
        sheet.setCellNumber(row, 1, 0.5 * row);
        sheet.setCellNumber(row, 2, row + 0.25 * (row % 7));
        sheet.setCellNumber(row, 3, 0.1 + 0.001 * row);
        sheet.setCellNumber(row, 4, 0.4);
    }
    form.PageControl1->setCurrentWidget(form.Wykresy_TabSheet);
    bench::addFigure(form);
    bench::columnUncertainty(form, true, 3);
    bench::columnUncertainty(form, false, 4);
    app.processEvents();
    tallox::Chart& chart = *form.Chart1;

    const double copy = medianMs([&] { chart.copyToClipboard(); });
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    const qsizetype svgSize = mime ? mime->data(QStringLiteral("image/svg+xml")).size() : 0;
    const qsizetype pngSize = mime ? mime->data(QStringLiteral("image/png")).size() : 0;

    const QString pdfPath = dir.filePath(QStringLiteral("page.pdf"));
    const double print = medianMs([&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setOutputFileName(pdfPath);
        chart.print(printer);
    });
    QByteArray png, svg, pdf;
    const double savePng = medianMs([&] { png = chart.exportImage(tallox::Chart::ImageFormat::Png); });
    const double saveSvg = medianMs([&] { svg = chart.exportImage(tallox::Chart::ImageFormat::Svg); });
    const double savePdf = medianMs([&] { pdf = chart.exportImage(tallox::Chart::ImageFormat::Pdf); });
    const QSize size = chart.outputSize();
    std::printf("chart %dx%d, %d points, 200 boxes (median of 10)\n", size.width(), size.height(),
                chart.series(0).count());
    std::printf("copy to clipboard: %.1f ms (SVG %lld bytes, PNG %lld bytes)\n", copy,
                static_cast<long long>(svgSize), static_cast<long long>(pngSize));
    std::printf("print to a PDF printer: %.1f ms (%lld bytes)\n", print,
                static_cast<long long>(QFile(pdfPath).size()));
    std::printf("save as PNG: %.1f ms (%lld bytes), SVG: %.1f ms (%lld bytes), PDF: %.1f ms (%lld bytes)\n",
                savePng, static_cast<long long>(png.size()), saveSvg, static_cast<long long>(svg.size()),
                savePdf, static_cast<long long>(pdf.size()));
    return 0;
}
