#include "records/LabReport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace tallox {

namespace {

// Page geometry in points (the writer draws at 72 dots per inch: one unit is one point).
constexpr qreal kMargin = 42;
constexpr qreal kGap = 8;

QFont reportFont(qreal size, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(size));
    font.setBold(bold);
    // No ligatures: "fi" stays two letters for a reader that searches or copies the text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

class Layout {
public:
    Layout(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter), width_(writer.width() - 2 * kMargin),
          bottom_(writer.height() - kMargin), y_(kMargin)
    {
    }

    qreal width() const { return width_; }
    qreal y() const { return y_; }
    qreal room() const { return bottom_ - y_; }
    void skip(qreal h) { y_ += h; }

    // A new page when less than h is left on this one.
    void ensure(qreal h)
    {
        if (y_ + h > bottom_ && y_ > kMargin)
            newPage();
    }
    void newPage()
    {
        writer_.newPage();
        y_ = kMargin;
    }

    void text(const QString& line, const QFont& font)
    {
        const QFontMetricsF metrics(font, &writer_);
        ensure(metrics.height());
        painter_.setFont(font);
        painter_.drawText(QRectF(kMargin, y_, width_, metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                          metrics.elidedText(line, Qt::ElideRight, width_));
        y_ += metrics.height();
    }

private:
    QPdfWriter& writer_;
    QPainter& painter_;
    qreal width_;
    qreal bottom_;
    qreal y_;
};

void drawChart(Layout& layout, QPainter& painter, const QPdfWriter& writer, const LabReportContent& content)
{
    const QSize size = content.chartSize.isEmpty() ? QSize(958, 600) : content.chartSize;
    const qreal scale = layout.width() / size.width();
    const qreal height = size.height() * scale;
    layout.ensure(height);
    painter.save();
    painter.translate(kMargin, layout.y());
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), QSizeF(size)));
    // A picture replayed on a device of another resolution is drawn scaled by the ratio of
    // the two; the chart's pixels are meant to fill the width exactly.
    const qreal replay = qreal(content.chart.logicalDpiX()) / writer.logicalDpiX();
    painter.scale(replay, replay);
    painter.drawPicture(0, 0, content.chart);
    painter.restore();
    layout.skip(height + kGap);
}

// The table's rows run down the page in blocks side by side, as many blocks as fit the width.
void drawTable(Layout& layout, QPainter& painter, QPdfWriter& writer, const LabReportContent& content)
{
    const int columns = int(content.tableColumns.size());
    if (columns == 0 || content.tableRows.isEmpty())
        return;
    const QFont font = reportFont(7);
    const QFont bold = reportFont(7, true);
    const QFontMetricsF metrics(font, &writer);
    const qreal rowHeight = metrics.height() + 1;
    // Each column as wide as its widest cell; the row number first.
    QList<qreal> widths{metrics.horizontalAdvance(QString::number(content.tableRows.size())) + 6};
    for (int c = 0; c < columns; ++c) {
        qreal w = QFontMetricsF(bold, &writer).horizontalAdvance(content.tableColumns[c]);
        for (const QStringList& row : content.tableRows)
            w = std::max(w, metrics.horizontalAdvance(row.value(c)));
        widths << w + 8;
    }
    qreal blockWidth = 0;
    for (qreal w : widths)
        blockWidth += w;
    blockWidth += 12;
    const int blocks = std::max(1, int(layout.width() / blockWidth));

    layout.ensure(3 * rowHeight);
    int next = 0;
    const int total = int(content.tableRows.size());
    while (next < total) {
        layout.ensure(3 * rowHeight);
        const int perBlock = std::max(1, int(layout.room() / rowHeight) - 1);
        const qreal top = layout.y();
        int used = 0;
        for (int b = 0; b < blocks && next < total; ++b) {
            qreal x = kMargin + b * blockWidth;
            qreal y = top;
            painter.setFont(bold);
            qreal cx = x + widths[0];
            for (int c = 0; c < columns; ++c) {
                painter.drawText(QRectF(cx, y, widths[c + 1] - 4, rowHeight), Qt::AlignRight, content.tableColumns[c]);
                cx += widths[c + 1];
            }
            painter.drawLine(QPointF(x, y + rowHeight), QPointF(cx, y + rowHeight));
            painter.setFont(font);
            const int end = std::min(total, next + perBlock);
            for (int r = next; r < end; ++r) {
                y += rowHeight;
                painter.drawText(QRectF(x, y, widths[0] - 4, rowHeight), Qt::AlignRight, QString::number(r + 1));
                cx = x + widths[0];
                for (int c = 0; c < columns; ++c) {
                    painter.drawText(QRectF(cx, y, widths[c + 1] - 4, rowHeight), Qt::AlignRight,
                                     content.tableRows[r].value(c));
                    cx += widths[c + 1];
                }
            }
            used = std::max(used, end - next + 1);
            next = end;
        }
        layout.skip(used * rowHeight);
        if (next < total)
            layout.newPage();
    }
}

} // namespace

QByteArray labReportPdf(const LabReportContent& content)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(QStringLiteral("Raport"));
    writer.setCreator(QStringLiteral("Tallox"));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    Layout layout(writer, painter);

    layout.text(QStringLiteral("Raport z pomiarów"), reportFont(16, true));
    layout.skip(2);
    const QFont plain = reportFont(10);
    layout.text(QStringLiteral("Dane: ") + (content.dataFile.isEmpty() ? QStringLiteral("(bez nazwy)") : content.dataFile), plain);
    if (!content.user.isEmpty())
        layout.text(QStringLiteral("Użytkownik: ") + content.user, plain);
    layout.text(QStringLiteral("Data: ") + content.date, plain);
    layout.skip(kGap);

    drawChart(layout, painter, writer, content);

    for (const LabReportContent::Section& section : content.sections) {
        if (section.lines.isEmpty())
            continue;
        layout.ensure(40);
        layout.text(section.heading, reportFont(11, true));
        for (const QString& line : section.lines)
            layout.text(line, plain);
        layout.skip(kGap / 2);
    }
    if (!content.tableRows.isEmpty()) {
        layout.skip(kGap / 2);
        layout.ensure(40);
        layout.text(content.tableHeading, reportFont(11, true));
        drawTable(layout, painter, writer, content);
    }
    if (!painter.end())
        return {};
    return bytes;
}

QString labReportPath(const QString& chosen)
{
    return QFileInfo(chosen).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0
               ? chosen
               : chosen + QStringLiteral(".pdf");
}

} // namespace tallox
