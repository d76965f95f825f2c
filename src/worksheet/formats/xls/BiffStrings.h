#pragma once
// Texts in BIFF8 records. A text may run on from one record into the CONTINUE records after it;
// where its characters cross that boundary the next record starts with a fresh flags byte that may
// switch between one-byte (Latin-1) and two-byte (UTF-16LE) characters.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tallox::xls {

// Reads across the payload of a record and the CONTINUE records right after it as if they were one
// buffer, except for characters, which obey the flags byte at each boundary. The CONTINUE records
// are found as the reading reaches them, so nothing is copied or collected up front. Reads past the
// end fail.
class ContinuedReader {
public:
    // The payload [offset, offset + size) of a record in `stream`, whose CONTINUE records (if any)
    // start at `next`. The stream must outlive the reader.
    ContinuedReader(const QByteArray& stream, qsizetype offset, int size, qsizetype next);

    bool atEnd();
    std::optional<std::uint8_t> u8();
    std::optional<std::uint16_t> u16();
    std::optional<std::uint32_t> u32();
    bool skip(std::uint64_t count);
    // `count` characters starting in one- or two-byte form; appended to `out`, or passed over when
    // `out` is null.
    bool characters(int count, bool twoBytes, QString* out);

    // A whole unicode string: u16 character count, flags, optional run count and extension size,
    // the characters, then the formatting runs and extension data, which are skipped. The text goes
    // to `out`; a null `out` passes over the string without building it.
    bool richString(QString* out);
    // A unicode string without runs: u16 character count, flags, the characters (cell texts and
    // formula results).
    std::optional<QString> plainString();

private:
    bool nextSegment();
    const char* data_;
    qsizetype streamSize_;
    qsizetype start_;     // the current segment's first byte in the stream
    int size_;            // and its length
    int position_ = 0;    // within the current segment
    qsizetype next_;      // where the record after the current segment starts
};

// The strings at the indices `wanted` (ascending, no repeats) of the shared string table (SST
// record and its CONTINUE records). One pass over the table builds only those texts and stops after
// the last of them, so a table claiming millions of strings costs no memory beyond the file. The
// result holds the strings of `wanted` in order; it is shorter when the table ends first (cut
// short, or holding fewer strings than an index asks for).
std::vector<QString> readSharedStrings(ContinuedReader& reader, const std::vector<std::uint32_t>& wanted);

} // namespace tallox::xls
