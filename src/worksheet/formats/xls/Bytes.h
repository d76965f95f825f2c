#pragma once
// Little-endian integers in and out of byte buffers. Every read is bounds-checked by the caller
// through `fits`; the helpers themselves never look past the span they are given.
#include <QByteArray>

#include <cstdint>
#include <cstring>

namespace tallox::xls {

// True when [offset, offset + length) lies inside a buffer of `size` bytes (no overflow).
inline bool fits(std::uint64_t size, std::uint64_t offset, std::uint64_t length)
{
    return offset <= size && length <= size - offset;
}

inline std::uint16_t u16At(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

inline std::uint32_t u32At(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16)
           | (std::uint32_t(b[3]) << 24);
}

inline std::uint64_t u64At(const char* p)
{
    return std::uint64_t(u32At(p)) | (std::uint64_t(u32At(p + 4)) << 32);
}

// IEEE doubles are stored byte for byte (little-endian), so copying keeps every bit, -0.0 included.
inline double doubleAt(const char* p)
{
    const std::uint64_t bits = u64At(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void putU16(char* p, std::uint16_t v)
{
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}

inline void putU32(char* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

inline void appendU8(QByteArray& out, std::uint8_t v) { out.append(char(v)); }

inline void appendU16(QByteArray& out, std::uint16_t v)
{
    char b[2];
    putU16(b, v);
    out.append(b, 2);
}

inline void appendU32(QByteArray& out, std::uint32_t v)
{
    char b[4];
    putU32(b, v);
    out.append(b, 4);
}

inline void appendDouble(QByteArray& out, double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    appendU32(out, std::uint32_t(bits & 0xFFFFFFFFu));
    appendU32(out, std::uint32_t(bits >> 32));
}

} // namespace tallox::xls
