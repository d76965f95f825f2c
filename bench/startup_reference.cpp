// The reference the program's start-up is measured against: a bare Qt program with what the
// program's main window holds at its heaviest, built with the same flags. A 958 x 699 main window
// with pages, a 200 x 26 table on the first page and a plot with 1024 graphs on the second; a
// dialog shown and closed first, as the program's start dialog is. Started by bench_startup, it
// reports "painted <kB>" once the main window is painted and ends.
#include "paint_watch.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <qcustomplot.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);

    QMainWindow window;
    window.resize(958, 699);
    auto* pages = new QTabWidget;
    auto* table = new QTableWidget(200, 26);
    pages->addTab(table, QStringLiteral("Dane"));
    auto* plot = new QCustomPlot;
    for (int i = 0; i < 1024; ++i)
        plot->addGraph();
    pages->addTab(plot, QStringLiteral("Wykresy"));
    pages->addTab(new QWidget, QStringLiteral("Analizy"));
    window.setCentralWidget(pages);

    // The start dialog: shown, painted and closed as a user pressing its button would.
    QDialog start(&window);
    start.setFixedSize(568, 330);
    auto* column = new QVBoxLayout(&start);
    column->addWidget(new QLabel(QStringLiteral("Tallox PL ver 2.0")));
    auto* begin = new QPushButton(QStringLiteral("Rozpocznij pracę"));
    column->addWidget(begin);
    QObject::connect(begin, &QPushButton::clicked, &start, &QDialog::accept);
    start.show();
    app.processEvents();
    start.accept();

    bench::PaintWatch watch;
    window.installEventFilter(&watch);
    window.show();
    return app.exec();
}
