// Files on real trouble: a full disk, a read-only file system, a pipe where a file should be.
// The disks are small tmpfs mounts in a private mount namespace (root only; skipped otherwise).
#include "support/ScratchDisk.h"
#include "worksheet/formats/SheetFile.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tallox;

namespace {

const QLocale polish(QLocale::Polish, QLocale::Poland);

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SheetCells numbers(int count)
{
    SheetCells sheet;
    for (int i = 0; i < count; ++i)
        sheet.cells.push_back({i / 9 + 1, i % 9 + 1, SheetCell::Kind::Number, 1234.5678 + i, {}});
    return sheet;
}

struct FullDiskCase {
    const char* name;
    SheetFileType type;
    int cells;
    qint64 freeLeft;
};

TEST(FileSafety, ASaveOnAFullDiskFailsAndLeavesTheOldFileByteForByte)
{
    const FullDiskCase cases[] = {
        {"dane.tlx", SheetFileType::Tlx, 3, 0},       // not a byte free: the 3 cells stay in the buffer
        {"dane.dat", SheetFileType::Tsv, 900, 4096},  // one page free, the file needs two
    };
    for (const FullDiskCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDisk disk;
        if (const QString why = disk.mount(16); !why.isEmpty())
            GTEST_SKIP() << "no scratch disk: " << why.toStdString();
        const QString target = disk.path(QString::fromLatin1(c.name));
        ASSERT_TRUE(writeSheetFile(target, c.type, numbers(2), polish).ok);
        const QByteArray before = contentOf(target);
        ASSERT_FALSE(before.isEmpty());
        ASSERT_TRUE(disk.fill(c.freeLeft)) << disk.freeBytes();

        const SheetWriteResult result = writeSheetFile(target, c.type, numbers(c.cells), polish);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, QStringLiteral("Nie można zapisać pliku: na dysku brakuje wolnego miejsca."));
        EXPECT_EQ(contentOf(target), before);
        // No temporary file is left behind to eat the little space there is.
        EXPECT_EQ(QDir(disk.path({})).entryList(QDir::Files),
                  (QStringList{QString::fromLatin1(c.name), QStringLiteral("zapelnienie")}));
    }
}

TEST(FileSafety, AReadOnlyFileSystemIsNamedAsSuch)
{
    ScratchDisk disk;
    if (const QString why = disk.mount(16); !why.isEmpty())
        GTEST_SKIP() << "no scratch disk: " << why.toStdString();
    const QString target = disk.path(QStringLiteral("dane.tlx"));
    ASSERT_TRUE(writeSheetFile(target, SheetFileType::Tlx, numbers(1), polish).ok);
    const QByteArray before = contentOf(target);
    ASSERT_TRUE(disk.makeReadOnly());

    const SheetWriteResult result = writeSheetFile(target, SheetFileType::Tlx, numbers(5), polish);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, QStringLiteral("Nie można zapisać pliku: system plików tylko do odczytu."));
    EXPECT_EQ(contentOf(target), before);
    EXPECT_TRUE(readSheetFile(target, polish).ok);  // reading still works
}

TEST(FileSafety, APipeOrADeviceIsRefusedAtOnceByEveryEntry)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("potok.dat"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {fifo, QStringLiteral("/dev/zero")}) {
        SCOPED_TRACE(path.toStdString());
        QElapsedTimer clock;
        clock.start();
        for (const SheetLoadResult& result : {readSheetFile(path, polish), readTextDataFile(path)}) {
            EXPECT_FALSE(result.ok);
            EXPECT_EQ(result.error, QStringLiteral("To nie jest zwykły plik."));
        }
        EXPECT_LT(clock.elapsed(), 2000);  // no writer ever opens the pipe: a blocking open hangs
    }
    const SheetWriteResult written = writeSheetFile(fifo, SheetFileType::Tlx, numbers(1), polish);
    EXPECT_FALSE(written.ok);
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));  // the pipe was not replaced by a file
}

} // namespace
