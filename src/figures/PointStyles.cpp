#include "figures/PointStyles.h"

#include "common/Colors.h"

#include <QPainter>
#include <QPolygon>
#include <QRect>

#include <algorithm>

namespace tallox {

QColor NamedColour::color() const { return colorFromBgr(bgr); }

const std::array<NamedColour, 8>& colourTable()
{
    static const std::array<NamedColour, 8> table{{
        {QStringLiteral("Czerwony"), 0x0000FF},
        {QStringLiteral("Zielony"), 0x008000},
        {QStringLiteral("Niebieski"), 0xFF0000},
        {QStringLiteral("Czarny"), 0x000000},
        {QStringLiteral("Żółty"), 0x00FFFF},
        {QStringLiteral("Błękitny"), 0xFFFF00},
        {QStringLiteral("Kasztanowy"), 0x000080},
        {QStringLiteral("Szary"), 0xC0C0C0},
    }};
    return table;
}

const std::array<NamedFill, 2>& fillTable()
{
    static const std::array<NamedFill, 2> table{{
        {QStringLiteral("Pełny"), true},
        {QStringLiteral("Pusty"), false},
    }};
    return table;
}

ChartSeries::PointerShape pointerShapeFor(int type)
{
    using Shape = ChartSeries::PointerShape;
    switch (type) {
    case 0: return Shape::Square;
    case 2: return Shape::Triangle;
    case 3: return Shape::InvertedTriangle;
    case 4: return Shape::Diamond;
    default: return Shape::Circle;
    }
}

namespace {

void useStyle(QPainter& painter, const QColor& color, bool solid)
{
    painter.setPen(QPen(color, 1));
    painter.setBrush(solid ? QBrush(color) : QBrush(Qt::NoBrush));
}

// A rectangle given by its corners, as the samples are laid out (right and bottom exclusive).
QRect corners(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

}  // namespace

void drawColourSample(QPainter& painter, const QRect& entry, int colourIndex, const QColor& textColor)
{
    const NamedColour& colour = colourTable()[std::size_t(std::clamp(colourIndex, 0, 7))];
    const int l = entry.left(), t = entry.top(), b = entry.bottom() + 1;
    useStyle(painter, colour.color(), true);
    painter.drawRect(corners(l + 2, t + 2, l + 22, b - 2));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(textColor);
    painter.drawText(QRect(l + 30, t, entry.right() - l - 30, entry.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, colour.name);
}

void drawFillSample(QPainter& painter, const QRect& entry, const QColor& color, bool solid)
{
    const int l = entry.left(), t = entry.top(), b = entry.bottom() + 1;
    useStyle(painter, color, solid);
    painter.drawRect(corners(l + 2, t + 2, l + 22, b - 2));
    painter.setBrush(Qt::NoBrush);
}

void drawTypeSample(QPainter& painter, const QRect& entry, int type, const QColor& color, bool solid)
{
    const int l = entry.left(), t = entry.top(), b = entry.bottom() + 1;
    painter.setRenderHint(QPainter::Antialiasing, type != 0);
    useStyle(painter, color, solid);
    switch (type) {
    case 0:
        painter.drawRect(corners(l + 6, t + 2, l + 18, b - 2));
        break;
    case 1:
        painter.drawEllipse(corners(l + 6, t + 3, l + 17, b - 2));
        break;
    case 2:
        painter.drawPolygon(QPolygon({QPoint(l + 12, t + 3), QPoint(l + 6, b - 3), QPoint(l + 18, b - 3)}));
        break;
    case 3:
        painter.drawPolygon(QPolygon({QPoint(l + 12, b - 3), QPoint(l + 6, t + 3), QPoint(l + 18, t + 3)}));
        break;
    case 4:
        painter.drawPolygon(QPolygon({QPoint(l + 12, t + 3), QPoint(l + 7, t + 8), QPoint(l + 12, b - 3),
                                      QPoint(l + 17, t + 8)}));
        break;
    default:
        break;
    }
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace tallox
