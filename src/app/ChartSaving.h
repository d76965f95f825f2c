#pragma once
// Saving the chart as a picture file for a report ("Zapisz Wykres jako…").
#include "chart/Chart.h"

#include <QString>
#include <QStringList>

namespace tallox {

// The save dialog's entries, in order: PNG, SVG, PDF.
QStringList chartImageFilters();

// The path written for a name chosen with the dialog's entry (1-based): a name ending in ".png",
// ".svg" or ".pdf" (any case) keeps it and is written in that format; any other name gets the
// entry's extension.
struct ChartImageTarget {
    QString path;
    Chart::ImageFormat format;
};
ChartImageTarget chartImageTarget(const QString& chosen, int filterEntry);

// Draws the chart in the format and replaces the file's content safely (an old file stays whole
// on failure, no partial file is left). Empty on success, else a Polish reason.
QString saveChartImage(Chart& chart, const ChartImageTarget& target);

}  // namespace tallox
