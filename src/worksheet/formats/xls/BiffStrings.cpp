#include "worksheet/formats/xls/BiffStrings.h"

#include "worksheet/formats/xls/Bytes.h"

#include <algorithm>

namespace tallox::xls {

bool ContinuedReader::nextSegment()
{
    if (segment_ + 1 >= segments_.size())
        return false;
    ++segment_;
    position_ = 0;
    return true;
}

bool ContinuedReader::atEnd()
{
    while (segment_ < segments_.size() && position_ >= segments_[segment_].size) {
        if (!nextSegment())
            return true;
    }
    return segment_ >= segments_.size();
}

std::optional<std::uint8_t> ContinuedReader::u8()
{
    if (atEnd())
        return std::nullopt;
    return std::uint8_t(segments_[segment_].data[position_++]);
}

std::optional<std::uint16_t> ContinuedReader::u16()
{
    const auto lo = u8();
    const auto hi = lo ? u8() : std::nullopt;
    if (!hi)
        return std::nullopt;
    return std::uint16_t(*lo | (*hi << 8));
}

std::optional<std::uint32_t> ContinuedReader::u32()
{
    const auto lo = u16();
    const auto hi = lo ? u16() : std::nullopt;
    if (!hi)
        return std::nullopt;
    return std::uint32_t(*lo) | (std::uint32_t(*hi) << 16);
}

bool ContinuedReader::skip(std::uint64_t count)
{
    while (count > 0) {
        if (atEnd())
            return false;
        const auto step = std::min<std::uint64_t>(count, std::uint64_t(segments_[segment_].size - position_));
        position_ += int(step);
        count -= step;
    }
    return true;
}

bool ContinuedReader::characters(int count, bool twoBytes, QString& out)
{
    while (count > 0) {
        if (segment_ >= segments_.size())
            return false;
        if (position_ >= segments_[segment_].size) {
            // The text goes on in the next record, which restates the character width.
            if (!nextSegment() || segments_[segment_].size < 1)
                return false;
            twoBytes = (segments_[segment_].data[0] & 0x01) != 0;
            position_ = 1;
            continue;
        }
        const Segment& s = segments_[segment_];
        const int width = twoBytes ? 2 : 1;
        const int available = (s.size - position_) / width;
        if (available == 0)
            return false;  // half a two-byte character before the boundary
        const int take = std::min(count, available);
        const char* p = s.data + position_;
        if (twoBytes) {
            for (int i = 0; i < take; ++i)
                out.append(QChar(char16_t(u16At(p + 2 * i))));
        } else {
            out.append(QString::fromLatin1(p, take));
        }
        position_ += take * width;
        count -= take;
    }
    return true;
}

std::optional<QString> ContinuedReader::richString()
{
    const auto length = u16();
    const auto flags = length ? u8() : std::nullopt;
    if (!flags)
        return std::nullopt;
    std::uint16_t runs = 0;
    std::uint32_t extension = 0;
    if (*flags & 0x08) {
        const auto r = u16();
        if (!r)
            return std::nullopt;
        runs = *r;
    }
    if (*flags & 0x04) {
        const auto e = u32();
        if (!e)
            return std::nullopt;
        extension = *e;
    }
    QString text;
    text.reserve(*length);
    if (!characters(*length, (*flags & 0x01) != 0, text))
        return std::nullopt;
    if (!skip(4ull * runs) || !skip(extension))
        return std::nullopt;
    return text;
}

std::optional<QString> ContinuedReader::plainString()
{
    const auto length = u16();
    const auto flags = length ? u8() : std::nullopt;
    if (!flags)
        return std::nullopt;
    QString text;
    text.reserve(*length);
    if (!characters(*length, (*flags & 0x01) != 0, text))
        return std::nullopt;
    return text;
}

QStringList readSharedStrings(ContinuedReader& reader)
{
    QStringList strings;
    const auto total = reader.u32();
    const auto unique = total ? reader.u32() : std::nullopt;
    if (!unique)
        return strings;
    // The count is only a claim: reading stops where the data does.
    for (std::uint32_t i = 0; i < *unique; ++i) {
        std::optional<QString> s = reader.richString();
        if (!s)
            break;
        strings.append(std::move(*s));
    }
    return strings;
}

} // namespace tallox::xls
