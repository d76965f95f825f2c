#pragma once
// The lab report as one PDF document: a heading (data file, user, date), the chart as vector
// drawing at the page's width, the results in report notation and the figure's data table.
// One A4 page, or more when the table needs them (its rows run in side-by-side blocks).
#include <QList>
#include <QPicture>
#include <QString>
#include <QStringList>

namespace tallox {

struct LabReportContent {
    QString dataFile;      // the data file's name as the status bar shows it
    QString user;          // the user as the status bar shows it
    QString date;          // the day the report is made
    QPicture chart;        // the chart as vector drawing (Chart::vectorPicture)
    QSize chartSize;       // the size the chart was laid out at
    // Result sections in order, each a heading and its lines ("a = 13.60 ± 0.92; ...");
    // a section without lines is left out.
    struct Section {
        QString heading;
        QStringList lines;
    };
    QList<Section> sections;
    QString tableHeading;        // what the table holds ("Dane wykresu 1")
    QStringList tableColumns;    // the column captions
    QList<QStringList> tableRows;  // the cells as the worksheet shows them
};

// The document's bytes; empty when the PDF could not be drawn. Fonts are embedded (DejaVu
// Sans, so Polish letters show in any reader).
QByteArray labReportPdf(const LabReportContent& content);

// The path written for a name chosen in the save dialog: ".pdf" added unless it ends so
// (any case).
QString labReportPath(const QString& chosen);

} // namespace tallox
