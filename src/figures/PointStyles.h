#pragma once
// How a figure's points may be drawn: the colour and fill tables, the five pointer shapes, and the
// small samples the style lists show instead of their entry numbers.
#include "chart/ChartSeries.h"

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

class QPainter;
class QRect;

namespace tallox {

struct NamedColour {
    QString name;
    std::uint32_t bgr;  // 0x00BBGGRR
    QColor color() const;
};

struct NamedFill {
    QString name;
    bool solid;  // false: outline only
};

// Eight colours; the colour list offers the first seven.
const std::array<NamedColour, 8>& colourTable();
inline constexpr int offeredColourCount = 7;
const std::array<NamedFill, 2>& fillTable();
inline constexpr int pointTypeCount = 5;

// Type 0 square, 1 circle, 2 triangle apex up, 3 triangle apex down, 4 diamond.
ChartSeries::PointerShape pointerShapeFor(int type);

// Samples drawn into an entry's rectangle (the background is already filled); textColor is the
// colour of the entry's text for its state (selected or not).
void drawColourSample(QPainter& painter, const QRect& entry, int colourIndex, const QColor& textColor);
void drawFillSample(QPainter& painter, const QRect& entry, const QColor& color, bool solid);
void drawTypeSample(QPainter& painter, const QRect& entry, int type, const QColor& color, bool solid);

}  // namespace tallox
