#pragma once
// Colours of the program are 24-bit values 0x00BBGGRR (red in the lowest byte).
#include <QColor>
#include <cstdint>

namespace tallox {

inline QColor colorFromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline std::uint32_t bgrFromColor(const QColor& color)
{
    return std::uint32_t(color.red()) | (std::uint32_t(color.green()) << 8)
           | (std::uint32_t(color.blue()) << 16);
}

} // namespace tallox
