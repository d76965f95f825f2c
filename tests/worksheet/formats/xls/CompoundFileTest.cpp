// The container around the workbook: large streams through DIFAT sectors, and damaged headers,
// FATs and directories, which must be refused without crashing or looping.
#include "worksheet/formats/xls/CompoundFile.h"
#include "worksheet/formats/xls/XlsFile.h"
#include "worksheet/formats/xls/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

#include <QtEndian>

using namespace tallox;
using namespace tallox::xls;
using namespace tallox::xls::testing;

namespace {

const QStringList workbookNames{QStringLiteral("Workbook"), QStringLiteral("Book")};

std::uint32_t u32At(const QByteArray& b, qsizetype at)
{
    std::uint32_t v = 0;
    if (at >= 0 && at + 4 <= b.size())
        std::memcpy(&v, b.constData() + at, sizeof v);
    return qFromLittleEndian(v);
}
void setU32(QByteArray& b, qsizetype at, std::uint32_t v)
{
    if (at >= 0 && at + 4 <= b.size()) {
        const std::uint32_t little = qToLittleEndian(v);
        std::memcpy(b.data() + at, &little, sizeof little);
    }
}

// Byte offsets inside a file made by writeSingleStreamFile (512-byte sectors).
qsizetype sectorOffset(std::uint32_t n) { return 512 * (qsizetype(n) + 1); }
qsizetype fatEntry(const QByteArray& b, std::uint32_t n)
{
    return sectorOffset(u32At(b, 0x4C + 4 * (n / 128))) + 4 * (n % 128);
}
qsizetype directoryEntry(const QByteArray& b, int i) { return sectorOffset(u32At(b, 0x30)) + 128 * i; }

TEST(CompoundFile, StreamsLargerThanTheHeaderFatListAreChainedThroughDifatSectors)
{
    // 9 MB needs more FAT sectors than the header's 109 entries can list.
    QByteArray stream(9 * 1024 * 1024 + 123, '\0');
    for (qsizetype i = 0; i < stream.size(); ++i)
        stream[i] = char((i * 7919) >> 5);
    const QByteArray file = writeSingleStreamFile(QStringLiteral("Workbook"), stream);
    ASSERT_GT(u32At(file, 0x2C), 109u);
    EXPECT_GE(u32At(file, 0x48), 1u);

    const CompoundStream back = readRootStream(file, workbookNames);
    ASSERT_EQ(back.error, CompoundError::None);
    EXPECT_TRUE(back.data == stream);

    // A DIFAT chain that loops on itself before listing every FAT sector is damage, not a hang.
    QByteArray looped = file;
    const std::uint32_t difat = u32At(file, 0x44);
    setU32(looped, 0x2C, 300);
    setU32(looped, sectorOffset(difat) + 508, difat);
    EXPECT_EQ(readRootStream(looped, workbookNames).error, CompoundError::Damaged);
}

TEST(CompoundFile, SmallStreamsArePaddedOutOfTheMiniStream)
{
    const QByteArray file = writeSingleStreamFile(QStringLiteral("Workbook"), QByteArray("abc"));
    EXPECT_EQ(u32At(file, 0x3C), 0xFFFFFFFEu);  // no MiniFAT
    const CompoundStream back = readRootStream(file, workbookNames);
    ASSERT_EQ(back.error, CompoundError::None);
    EXPECT_EQ(back.data.size(), 4608);
    EXPECT_TRUE(back.data.startsWith("abc"));
}

TEST(CompoundFile, DamagedContainersAreRefused)
{
    SheetCells sheet;
    for (int r = 1; r <= 200; ++r)
        sheet.cells.push_back({r, 1, SheetCell::Kind::Number, r * 0.5, {}});
    const QByteArray good = writeXls(sheet);
    ASSERT_TRUE(readXls(good).ok);
    const std::uint32_t firstStream = u32At(good, directoryEntry(good, 1) + 0x74);

    struct Case {
        const char* what;
        std::function<void(QByteArray&)> damage;
        CompoundError expected;
    };
    const Case cases[] = {
        {"stream chain loops back", [&](QByteArray& b) { setU32(b, fatEntry(b, firstStream + 3), firstStream); },
         CompoundError::Damaged},
        {"stream chain leaves the FAT", [&](QByteArray& b) { setU32(b, fatEntry(b, firstStream), 0x00FFFFFF); },
         CompoundError::Damaged},
        {"stream chain ends early", [&](QByteArray& b) { setU32(b, fatEntry(b, firstStream), 0xFFFFFFFE); },
         CompoundError::Damaged},
        {"stream size beyond the file", [](QByteArray& b) { setU32(b, directoryEntry(b, 1) + 0x78, 0xFFFFFF00); },
         CompoundError::Damaged},
        {"directory chain loops", [](QByteArray& b) { setU32(b, fatEntry(b, u32At(b, 0x30)), u32At(b, 0x30)); },
         CompoundError::Damaged},
        {"directory beyond the file", [](QByteArray& b) { setU32(b, 0x30, 0x00100000); }, CompoundError::Damaged},
        {"no FAT sectors", [](QByteArray& b) { setU32(b, 0x2C, 0); }, CompoundError::Damaged},
        {"more FAT sectors than the file has", [](QByteArray& b) { setU32(b, 0x2C, 0x7FFFFFFF); },
         CompoundError::Damaged},
        {"unknown sector size", [](QByteArray& b) { b[0x1E] = 20; }, CompoundError::Damaged},
        {"first entry is not the root", [](QByteArray& b) { b[directoryEntry(b, 0) + 0x42] = 2; },
         CompoundError::Damaged},
        {"stream renamed", [](QByteArray& b) { b[directoryEntry(b, 1)] = 'X'; }, CompoundError::StreamMissing},
        {"root has no children", [](QByteArray& b) { setU32(b, directoryEntry(b, 0) + 0x4C, 0xFFFFFFFF); },
         CompoundError::StreamMissing},
        {"signature broken", [](QByteArray& b) { b[3] = 0; }, CompoundError::NotCompoundFile},
        // Tolerable: a sibling link back to the root does not hide the stream.
        {"sibling loop", [](QByteArray& b) { setU32(b, directoryEntry(b, 1) + 0x44, 1); }, CompoundError::None},
    };
    for (const Case& c : cases) {
        QByteArray bad = good;
        c.damage(bad);
        EXPECT_EQ(readRootStream(bad, workbookNames).error, c.expected) << c.what;
        const SheetReadResult r = readXls(bad);
        EXPECT_EQ(r.ok, c.expected == CompoundError::None) << c.what;
        EXPECT_TRUE(loadedConsistently(r)) << c.what;
    }
}

} // namespace
