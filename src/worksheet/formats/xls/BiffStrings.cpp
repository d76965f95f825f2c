#include "worksheet/formats/xls/BiffStrings.h"

#include "worksheet/formats/xls/BiffRecords.h"
#include "worksheet/formats/xls/Bytes.h"

#include <algorithm>

namespace tallox::xls {

ContinuedReader::ContinuedReader(const QByteArray& stream, qsizetype offset, int size, qsizetype next)
    : data_(stream.constData()), streamSize_(stream.size()), start_(offset), size_(size), next_(next)
{
}

// Moves on to the CONTINUE record at next_; any other record, or one cut short, ends the data.
bool ContinuedReader::nextSegment()
{
    const auto total = std::uint64_t(streamSize_);
    if (!fits(total, std::uint64_t(next_), 4))
        return false;
    const char* header = data_ + next_;
    const int length = u16At(header + 2);
    if (u16At(header) != record::continuation || !fits(total, std::uint64_t(next_) + 4, std::uint64_t(length)))
        return false;
    start_ = next_ + 4;
    size_ = length;
    position_ = 0;
    next_ = start_ + length;
    return true;
}

bool ContinuedReader::atEnd()
{
    while (position_ >= size_)
        if (!nextSegment())
            return true;
    return false;
}

std::optional<std::uint8_t> ContinuedReader::u8()
{
    if (atEnd())
        return std::nullopt;
    return std::uint8_t(data_[start_ + position_++]);
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
        const auto step = std::min<std::uint64_t>(count, std::uint64_t(size_ - position_));
        position_ += int(step);
        count -= step;
    }
    return true;
}

bool ContinuedReader::characters(int count, bool twoBytes, QString* out)
{
    while (count > 0) {
        if (position_ >= size_) {
            // The text goes on in the next record, which restates the character width.
            if (!nextSegment() || size_ < 1)
                return false;
            twoBytes = (data_[start_] & 0x01) != 0;
            position_ = 1;
            continue;
        }
        const int width = twoBytes ? 2 : 1;
        const int available = (size_ - position_) / width;
        if (available == 0)
            return false;  // half a two-byte character before the boundary
        const int take = std::min(count, available);
        const char* p = data_ + start_ + position_;
        if (out && twoBytes) {
            for (int i = 0; i < take; ++i)
                out->append(QChar(char16_t(u16At(p + 2 * i))));
        } else if (out) {
            out->append(QString::fromLatin1(p, take));
        }
        position_ += take * width;
        count -= take;
    }
    return true;
}

bool ContinuedReader::richString(QString* out)
{
    // The common case, the whole header inside the current record, read at once: a table may
    // hold millions of strings.
    std::optional<std::uint16_t> length;
    std::optional<std::uint8_t> flags;
    if (size_ - position_ >= 3) {
        const char* p = data_ + start_ + position_;
        length = u16At(p);
        flags = std::uint8_t(p[2]);
        position_ += 3;
    } else {
        length = u16();
        flags = length ? u8() : std::nullopt;
    }
    if (!flags)
        return false;
    std::uint16_t runs = 0;
    std::uint32_t extension = 0;
    if (*flags & 0x08) {
        const auto r = u16();
        if (!r)
            return false;
        runs = *r;
    }
    if (*flags & 0x04) {
        const auto e = u32();
        if (!e)
            return false;
        extension = *e;
    }
    if (out)
        out->reserve(*length);
    return characters(*length, (*flags & 0x01) != 0, out) && skip(4ull * runs) && skip(extension);
}

std::optional<QString> ContinuedReader::plainString()
{
    const auto length = u16();
    const auto flags = length ? u8() : std::nullopt;
    if (!flags)
        return std::nullopt;
    QString text;
    text.reserve(*length);
    if (!characters(*length, (*flags & 0x01) != 0, &text))
        return std::nullopt;
    return text;
}

std::vector<QString> readSharedStrings(ContinuedReader& reader, const std::vector<std::uint32_t>& wanted)
{
    std::vector<QString> strings;
    const auto total = reader.u32();
    const auto unique = total ? reader.u32() : std::nullopt;
    if (!unique || wanted.empty())
        return strings;
    strings.reserve(wanted.size());
    // The count is only a claim: reading stops where the data does, or after the last string asked for.
    auto next = wanted.begin();
    for (std::uint32_t i = 0; i < *unique && next != wanted.end(); ++i) {
        if (i != *next) {
            if (!reader.richString(nullptr))
                break;
            continue;
        }
        QString text;
        if (!reader.richString(&text))
            break;
        strings.push_back(std::move(text));
        ++next;
    }
    return strings;
}

} // namespace tallox::xls
