#pragma once
// Texts in BIFF8 records. A text may run on from one record into the CONTINUE records after it;
// where its characters cross that boundary the next record starts with a fresh flags byte that may
// switch between one-byte (Latin-1) and two-byte (UTF-16LE) characters.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace tallox::xls {

// Reads across the payloads of a record and its CONTINUE records as if they were one buffer,
// except for characters, which obey the flags byte at each boundary. Reads past the end fail.
class ContinuedReader {
public:
    struct Segment {
        const char* data;
        int size;
    };

    explicit ContinuedReader(std::vector<Segment> segments) : segments_(std::move(segments)) {}

    bool atEnd();
    std::optional<std::uint8_t> u8();
    std::optional<std::uint16_t> u16();
    std::optional<std::uint32_t> u32();
    bool skip(std::uint64_t count);
    // `count` characters starting in one- or two-byte form; appended to `out`.
    bool characters(int count, bool twoBytes, QString& out);

    // A whole unicode string: u16 character count, flags, optional run count and extension size,
    // the characters, then the formatting runs and extension data, which are skipped.
    std::optional<QString> richString();
    // A unicode string without runs: u16 character count, flags, the characters (cell texts and
    // formula results).
    std::optional<QString> plainString();

private:
    bool nextSegment();
    std::vector<Segment> segments_;
    std::size_t segment_ = 0;
    int position_ = 0;
};

// The shared string table (SST record and its CONTINUE records). Strings that cannot be read
// because the table is cut short are left out; cells pointing at them are caught by the caller.
QStringList readSharedStrings(ContinuedReader& reader);

} // namespace tallox::xls
