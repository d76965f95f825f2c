#include "worksheet/formats/xls/CompoundFile.h"

#include "worksheet/formats/xls/Bytes.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tallox::xls {

namespace {

constexpr std::uint32_t freeSector = 0xFFFFFFFFu;
constexpr std::uint32_t endOfChain = 0xFFFFFFFEu;
constexpr std::uint32_t fatSector = 0xFFFFFFFDu;
constexpr std::uint32_t difatSector = 0xFFFFFFFCu;
constexpr std::uint32_t noEntry = 0xFFFFFFFFu;

constexpr int headerSize = 512;
constexpr int headerDifatEntries = 109;
constexpr int directoryEntrySize = 128;
constexpr int miniSectorSize = 64;

const char signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

enum EntryType : std::uint8_t { emptyEntry = 0, storageEntry = 1, streamEntry = 2, rootEntry = 5 };

struct DirectoryEntry {
    QString name;
    std::uint8_t type = emptyEntry;
    std::uint32_t left = noEntry, right = noEntry, child = noEntry;
    std::uint32_t start = endOfChain;
    std::uint64_t size = 0;
};

// Reads one container; each step returns false (or nullopt) as soon as something does not hold.
class CompoundReader {
public:
    explicit CompoundReader(const QByteArray& file) : file_(file) {}

    CompoundStream read(const QStringList& names)
    {
        if (!file_.startsWith(QByteArray::fromRawData(signature, 8)))
            return {CompoundError::NotCompoundFile, {}};
        if (file_.size() < headerSize || !readHeader() || !readFat() || !readDirectory())
            return {CompoundError::Damaged, {}};

        const std::optional<std::uint32_t> found = findRootStream(names);
        if (!found)
            return {CompoundError::StreamMissing, {}};
        std::optional<QByteArray> data = streamData(entries_[*found]);
        if (!data)
            return {CompoundError::Damaged, {}};
        return {CompoundError::None, std::move(*data)};
    }

private:
    bool readHeader()
    {
        const char* h = file_.constData();
        const std::uint16_t major = u16At(h + 0x1A);
        const std::uint16_t sectorShift = u16At(h + 0x1E);
        if (u16At(h + 0x1C) != 0xFFFE || u16At(h + 0x20) != 6)
            return false;
        // Version 3 files use 512-byte sectors, version 4 files 4096-byte ones.
        if (!((major == 3 && sectorShift == 9) || (major == 4 && sectorShift == 12)))
            return false;
        version4_ = major == 4;
        sectorSize_ = 1u << sectorShift;
        // Sector n starts at sectorSize * (n + 1); a last sector cut short still counts, the
        // stream reads check each byte range against the real file size.
        const std::uint64_t afterHeader =
            file_.size() > qsizetype(sectorSize_) ? std::uint64_t(file_.size()) - sectorSize_ : 0;
        sectorCount_ = (afterHeader + sectorSize_ - 1) / sectorSize_;

        fatSectorCount_ = u32At(h + 0x2C);
        firstDirectorySector_ = u32At(h + 0x30);
        miniStreamCutoff_ = u32At(h + 0x38);
        firstMiniFatSector_ = u32At(h + 0x3C);
        firstDifatSector_ = u32At(h + 0x44);
        return fatSectorCount_ >= 1 && fatSectorCount_ <= sectorCount_;
    }

    // Start of sector n's bytes, or nullptr when fewer than `needed` bytes of it are in the file.
    const char* sector(std::uint32_t n, std::uint32_t needed) const
    {
        if (n >= sectorCount_)
            return nullptr;
        const std::uint64_t offset = (std::uint64_t(n) + 1) * sectorSize_;
        if (!fits(std::uint64_t(file_.size()), offset, needed))
            return nullptr;
        return file_.constData() + offset;
    }

    // The FAT is spread over sectors listed first in the header, then in a chain of DIFAT sectors.
    bool readFat()
    {
        std::vector<std::uint32_t> fatSectors;
        fatSectors.reserve(fatSectorCount_);
        for (int i = 0; i < headerDifatEntries && fatSectors.size() < fatSectorCount_; ++i)
            fatSectors.push_back(u32At(file_.constData() + 0x4C + 4 * i));

        const std::uint32_t perDifatSector = sectorSize_ / 4 - 1;
        std::vector<bool> seen(sectorCount_, false);
        std::uint32_t next = firstDifatSector_;
        while (fatSectors.size() < fatSectorCount_) {
            if (next >= sectorCount_ || seen[next])
                return false;
            seen[next] = true;
            const char* s = sector(next, sectorSize_);
            if (!s)
                return false;
            for (std::uint32_t i = 0; i < perDifatSector && fatSectors.size() < fatSectorCount_; ++i)
                fatSectors.push_back(u32At(s + 4 * i));
            next = u32At(s + 4 * perDifatSector);
        }

        const std::uint32_t perSector = sectorSize_ / 4;
        fat_.reserve(std::size_t(fatSectors.size()) * perSector);
        for (std::uint32_t n : fatSectors) {
            const char* s = sector(n, sectorSize_);
            if (!s)
                return false;
            for (std::uint32_t i = 0; i < perSector; ++i)
                fat_.push_back(u32At(s + 4 * i));
        }
        return true;
    }

    // The sectors of a chain in `table`, at most `limit` of them (enough for the stream's size).
    // A chain that leaves the table, meets a special value or returns to a sector is damage.
    static std::optional<std::vector<std::uint32_t>> chain(const std::vector<std::uint32_t>& table,
                                                           std::uint32_t start, std::uint64_t limit)
    {
        std::vector<std::uint32_t> sectors;
        std::vector<bool> seen(table.size(), false);
        std::uint32_t current = start;
        while (sectors.size() < limit) {
            if (current == endOfChain)
                break;
            if (current >= table.size() || seen[current])
                return std::nullopt;
            seen[current] = true;
            sectors.push_back(current);
            current = table[current];
        }
        return sectors;
    }

    // Concatenates `size` bytes from a chain of sectors taken from `fetch`.
    template <typename Fetch>
    static std::optional<QByteArray> gather(const std::vector<std::uint32_t>& sectors,
                                            std::uint32_t unit, std::uint64_t size, Fetch fetch)
    {
        if (std::uint64_t(sectors.size()) * unit < size)
            return std::nullopt;  // the chain ends before the stream does: a truncated file
        QByteArray out;
        out.reserve(qsizetype(size));
        std::uint64_t remaining = size;
        for (std::uint32_t n : sectors) {
            if (remaining == 0)
                break;
            const auto take = std::uint32_t(std::min<std::uint64_t>(unit, remaining));
            const char* s = fetch(n, take);
            if (!s)
                return std::nullopt;
            out.append(s, take);
            remaining -= take;
        }
        return out;
    }

    std::optional<QByteArray> regularStream(std::uint32_t start, std::uint64_t size) const
    {
        if (size > std::uint64_t(file_.size()))
            return std::nullopt;
        const auto sectors = chain(fat_, start, (size + sectorSize_ - 1) / sectorSize_);
        if (!sectors)
            return std::nullopt;
        return gather(*sectors, sectorSize_, size,
                      [this](std::uint32_t n, std::uint32_t take) { return sector(n, take); });
    }

    bool readDirectory()
    {
        // The directory has no size of its own: take its whole chain, bounded by the file.
        const auto sectors = chain(fat_, firstDirectorySector_, sectorCount_);
        if (!sectors || sectors->empty())
            return false;
        for (std::uint32_t n : *sectors) {
            const char* s = sector(n, sectorSize_);
            if (!s)
                return false;
            for (std::uint32_t at = 0; at + directoryEntrySize <= sectorSize_; at += directoryEntrySize)
                entries_.push_back(parseEntry(s + at));
        }
        return entries_.front().type == rootEntry;
    }

    DirectoryEntry parseEntry(const char* e) const
    {
        DirectoryEntry entry;
        const int nameBytes = std::min<int>(u16At(e + 0x40), 64);
        int units = nameBytes / 2;
        for (int i = 0; i < units; ++i) {
            const char16_t c = u16At(e + 2 * i);
            if (c == 0) {
                units = i;
                break;
            }
            entry.name.append(QChar(c));
        }
        entry.type = std::uint8_t(e[0x42]);
        entry.left = u32At(e + 0x44);
        entry.right = u32At(e + 0x48);
        entry.child = u32At(e + 0x4C);
        entry.start = u32At(e + 0x74);
        // Version 3 writers may leave garbage in the high half of the size.
        entry.size = version4_ ? u64At(e + 0x78) : u32At(e + 0x78);
        return entry;
    }

    // The root storage's children form a tree through left/right siblings; walk it once.
    std::optional<std::uint32_t> findRootStream(const QStringList& names) const
    {
        std::vector<std::uint32_t> streams;
        std::vector<bool> seen(entries_.size(), false);
        std::vector<std::uint32_t> pending{entries_.front().child};
        while (!pending.empty()) {
            const std::uint32_t i = pending.back();
            pending.pop_back();
            if (i >= entries_.size() || seen[i])
                continue;
            seen[i] = true;
            if (entries_[i].type == streamEntry)
                streams.push_back(i);
            pending.push_back(entries_[i].left);
            pending.push_back(entries_[i].right);
        }
        for (const QString& wanted : names)
            for (std::uint32_t i : streams)
                if (entries_[i].name.compare(wanted, Qt::CaseInsensitive) == 0)
                    return i;
        return std::nullopt;
    }

    std::optional<QByteArray> streamData(const DirectoryEntry& entry)
    {
        if (entry.size >= miniStreamCutoff_)
            return regularStream(entry.start, entry.size);
        if (entry.size == 0)
            return QByteArray();
        if (!loadMiniStream())
            return std::nullopt;
        const auto sectors = chain(miniFat_, entry.start, (entry.size + miniSectorSize - 1) / miniSectorSize);
        if (!sectors)
            return std::nullopt;
        return gather(*sectors, miniSectorSize, entry.size, [this](std::uint32_t n, std::uint32_t take) {
            const std::uint64_t offset = std::uint64_t(n) * miniSectorSize;
            return fits(std::uint64_t(miniStream_.size()), offset, take) ? miniStream_.constData() + offset
                                                                         : nullptr;
        });
    }

    // Small streams live in 64-byte sectors inside the root entry's own stream, chained by the MiniFAT.
    bool loadMiniStream()
    {
        if (miniLoaded_)
            return true;
        const DirectoryEntry& root = entries_.front();
        const auto miniFatSectors = chain(fat_, firstMiniFatSector_, sectorCount_);
        if (!miniFatSectors)
            return false;
        for (std::uint32_t n : *miniFatSectors) {
            const char* s = sector(n, sectorSize_);
            if (!s)
                return false;
            for (std::uint32_t i = 0; i < sectorSize_ / 4; ++i)
                miniFat_.push_back(u32At(s + 4 * i));
        }
        std::optional<QByteArray> data = regularStream(root.start, root.size);
        if (!data)
            return false;
        miniStream_ = std::move(*data);
        miniLoaded_ = true;
        return true;
    }

    const QByteArray& file_;
    bool version4_ = false;
    std::uint32_t sectorSize_ = 512;
    std::uint64_t sectorCount_ = 0;
    std::uint32_t fatSectorCount_ = 0;
    std::uint32_t firstDirectorySector_ = endOfChain;
    std::uint32_t miniStreamCutoff_ = 0x1000;
    std::uint32_t firstMiniFatSector_ = endOfChain;
    std::uint32_t firstDifatSector_ = endOfChain;
    std::vector<std::uint32_t> fat_;
    std::vector<DirectoryEntry> entries_;
    bool miniLoaded_ = false;
    std::vector<std::uint32_t> miniFat_;
    QByteArray miniStream_;
};

void putDirectoryEntry(char* e, const QString& name, EntryType type, std::uint32_t child,
                       std::uint32_t start, std::uint32_t size)
{
    const int units = std::min<int>(int(name.size()), 31);
    for (int i = 0; i < units; ++i)
        putU16(e + 2 * i, name.at(i).unicode());
    putU16(e + 0x40, std::uint16_t(units == 0 && type == emptyEntry ? 0 : 2 * (units + 1)));
    e[0x42] = char(type);
    e[0x43] = type == emptyEntry ? 0 : 1;  // black: a one-node tree needs no balancing
    putU32(e + 0x44, noEntry);
    putU32(e + 0x48, noEntry);
    putU32(e + 0x4C, child);
    putU32(e + 0x74, start);
    putU32(e + 0x78, size);
}

} // namespace

CompoundStream readRootStream(const QByteArray& file, const QStringList& names)
{
    return CompoundReader(file).read(names);
}

QByteArray writeSingleStreamFile(const QString& name, const QByteArray& stream)
{
    constexpr std::uint32_t sectorSize = 512;
    constexpr std::uint32_t perFatSector = sectorSize / 4;
    constexpr std::uint32_t perDifatSector = perFatSector - 1;

    // A stream under 4096 bytes would belong in the mini stream; padding it past the cutoff (and
    // past one more sector, as some readers then look for a mini stream) keeps the layout plain.
    QByteArray body = stream;
    if (body.size() < 4608)
        body.append(QByteArray(4608 - body.size(), '\0'));
    const auto streamSectors = std::uint32_t((body.size() + sectorSize - 1) / sectorSize);

    // Layout: [header][FAT sectors][DIFAT sectors][stream][one directory sector].
    std::uint32_t fatCount = 1, difatCount = 0;
    for (;; ++fatCount) {
        difatCount = fatCount > headerDifatEntries
                         ? (fatCount - headerDifatEntries + perDifatSector - 1) / perDifatSector
                         : 0;
        if (std::uint64_t(perFatSector) * fatCount >= fatCount + difatCount + streamSectors + 1)
            break;
    }
    const std::uint32_t firstStream = fatCount + difatCount;
    const std::uint32_t directorySector = firstStream + streamSectors;
    const std::uint32_t totalSectors = directorySector + 1;

    QByteArray out(qsizetype(sectorSize) * (totalSectors + 1), '\0');
    char* h = out.data();
    std::memcpy(h, signature, 8);
    putU16(h + 0x18, 0x003E);
    putU16(h + 0x1A, 3);
    putU16(h + 0x1C, 0xFFFE);
    putU16(h + 0x1E, 9);
    putU16(h + 0x20, 6);
    putU32(h + 0x2C, fatCount);
    putU32(h + 0x30, directorySector);
    putU32(h + 0x38, 0x1000);
    putU32(h + 0x3C, endOfChain);
    putU32(h + 0x40, 0);
    putU32(h + 0x44, difatCount ? fatCount : endOfChain);
    putU32(h + 0x48, difatCount);
    for (std::uint32_t i = 0; i < headerDifatEntries; ++i)
        putU32(h + 0x4C + 4 * i, i < fatCount ? i : freeSector);

    auto sectorAt = [&](std::uint32_t n) { return out.data() + qsizetype(sectorSize) * (n + 1); };

    std::vector<std::uint32_t> fat(std::size_t(perFatSector) * fatCount, freeSector);
    for (std::uint32_t i = 0; i < fatCount; ++i)
        fat[i] = fatSector;
    for (std::uint32_t i = 0; i < difatCount; ++i)
        fat[fatCount + i] = difatSector;
    for (std::uint32_t i = 0; i < streamSectors; ++i)
        fat[firstStream + i] = i + 1 < streamSectors ? firstStream + i + 1 : endOfChain;
    fat[directorySector] = endOfChain;
    for (std::size_t i = 0; i < fat.size(); ++i)
        putU32(sectorAt(std::uint32_t(i / perFatSector)) + 4 * (i % perFatSector), fat[i]);

    // FAT sectors beyond the header's 109 are listed in the DIFAT chain.
    for (std::uint32_t d = 0; d < difatCount; ++d) {
        char* s = sectorAt(fatCount + d);
        for (std::uint32_t i = 0; i < perDifatSector; ++i) {
            const std::uint32_t fatIndex = headerDifatEntries + d * perDifatSector + i;
            putU32(s + 4 * i, fatIndex < fatCount ? fatIndex : freeSector);
        }
        putU32(s + 4 * perDifatSector, d + 1 < difatCount ? fatCount + d + 1 : endOfChain);
    }

    std::memcpy(sectorAt(firstStream), body.constData(), std::size_t(body.size()));

    char* dir = sectorAt(directorySector);
    putDirectoryEntry(dir, QStringLiteral("Root Entry"), rootEntry, 1, endOfChain, 0);
    putDirectoryEntry(dir + directoryEntrySize, name, streamEntry, noEntry, firstStream,
                      std::uint32_t(body.size()));
    putDirectoryEntry(dir + 2 * directoryEntrySize, QString(), emptyEntry, noEntry, 0, 0);
    putDirectoryEntry(dir + 3 * directoryEntrySize, QString(), emptyEntry, noEntry, 0, 0);
    return out;
}

} // namespace tallox::xls
