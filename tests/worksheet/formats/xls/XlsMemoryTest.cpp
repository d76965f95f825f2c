// A workbook costs memory in proportion to its size, whatever its records claim: a shared string
// table that announces two billion strings and holds millions of empty ones is read without
// building them.
#include "worksheet/formats/xls/Bytes.h"
#include "worksheet/formats/xls/CompoundFile.h"
#include "worksheet/formats/xls/XlsFile.h"
#include "worksheet/formats/xls/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tallox;
using namespace tallox::xls;
using namespace tallox::xls::testing;

namespace {

void appendRecord(QByteArray& out, std::uint16_t id, const QByteArray& payload)
{
    appendU16(out, id);
    appendU16(out, std::uint16_t(payload.size()));
    out.append(payload);
}

QByteArray beginOfFile(std::uint16_t substream)
{
    QByteArray p;
    appendU16(p, 0x0600);
    appendU16(p, substream);
    p.append(12, '\0');
    return p;
}

// A workbook of about `streamBytes` whose string table claims 2^31 strings and holds empty ones
// (three bytes each) followed by "koniec"; A1 shows that last string, B1 holds 2.5.
QByteArray hugeStringTableWorkbook(qsizetype streamBytes)
{
    QByteArray s;
    s.reserve(streamBytes + 65536);
    appendRecord(s, 0x0809, beginOfFile(0x0005));
    const qsizetype sheetOffsetAt = s.size() + 4;
    appendRecord(s, 0x0085, QByteArray(6, '\0') + QByteArray("\x01\x00S", 3));

    constexpr int perRecord = 8220 / 3;
    const QByteArray emptyStrings(3 * perRecord, '\0');
    QByteArray sst;
    appendU32(sst, 0x80000000u);
    appendU32(sst, 0x80000000u);
    std::uint32_t strings = perRecord - 3;  // the record's first 8 bytes hold the counts
    appendRecord(s, 0x00FC, sst + emptyStrings.left(3 * strings));
    while (s.size() < streamBytes) {
        appendRecord(s, 0x003C, emptyStrings);
        strings += perRecord;
    }
    appendRecord(s, 0x003C, QByteArray("\x06\x00\x00koniec", 9));
    appendRecord(s, 0x000A, {});
    putU32(s.data() + sheetOffsetAt, std::uint32_t(s.size()));

    appendRecord(s, 0x0809, beginOfFile(0x0010));
    QByteArray label;
    appendU16(label, 0);
    appendU16(label, 0);
    appendU16(label, 15);
    appendU32(label, strings);
    appendRecord(s, 0x00FD, label);
    QByteArray number;
    appendU16(number, 0);
    appendU16(number, 1);
    appendU16(number, 15);
    appendDouble(number, 2.5);
    appendRecord(s, 0x0203, number);
    appendRecord(s, 0x000A, {});
    return writeSingleStreamFile(QStringLiteral("Workbook"), s);
}

struct ChildReport {
    bool ok = false;
    int cells = 0;
    bool lastStringRead = false;
    long peakGrowthKb = 0;  // the child's peak resident size above what it started with
};

// Reads the file in a child process, so that its peak resident size is this read's alone.
ChildReport readInChild(const QString& path)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        ChildReport report;
        {
            QFile f(path);
            const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            const XlsReadResult r = readXls(bytes);
            report.ok = r.ok;
            report.cells = int(r.sheet.cells.size());
            report.lastStringRead = std::any_of(r.sheet.cells.begin(), r.sheet.cells.end(), [](const SheetCell& c) {
                return c.row == 1 && c.col == 1 && c.text == QStringLiteral("koniec");
            });
        }
        getrusage(RUSAGE_SELF, &after);
        report.peakGrowthKb = after.ru_maxrss - before.ru_maxrss;
        const bool sent = write(fds[1], &report, sizeof report) == ssize_t(sizeof report);
        _exit(sent ? 0 : 1);
    }
    close(fds[1]);
    ChildReport report;
    const bool received = pid > 0 && read(fds[0], &report, sizeof report) == ssize_t(sizeof report);
    close(fds[0]);
    int status = 0;
    if (pid > 0)
        waitpid(pid, &status, 0);
    if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return report;
}

TEST(XlsMemory, AStringTableClaimingBillionsOfStringsCostsAtMostAFewTimesTheFileSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wielka-tablica.xls"));
    qsizetype fileSize = 0;
    {
        const QByteArray bytes = hugeStringTableWorkbook(40 * 1024 * 1024);
        fileSize = bytes.size();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    const ChildReport report = readInChild(path);
    ASSERT_TRUE(report.ok);
    EXPECT_EQ(report.cells, 2);
    EXPECT_TRUE(report.lastStringRead);
    // The file's bytes and one copy of its workbook stream, plus room for the rest.
    const long limitKb = long(4 * fileSize / 1024) + 64 * 1024;
    EXPECT_GT(report.peakGrowthKb, fileSize / 1024);  // the measurement sees at least the file
    EXPECT_LE(report.peakGrowthKb, limitKb) << "file of " << fileSize / 1024 << " kB";
}

} // namespace
