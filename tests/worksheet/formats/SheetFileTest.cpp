// The grid's entry points: recognising a file by its content, and saving without ever losing
// the file that was there before.
#include "worksheet/formats/CsvFormat.h"
#include "worksheet/formats/SheetFile.h"
#include "worksheet/formats/TextDataReader.h"
#include "worksheet/formats/TlxFormat.h"
#include "worksheet/formats/TsvFormat.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <tuple>

using namespace tallox;

namespace {

const QLocale polish(QLocale::Polish, QLocale::Poland);

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

SheetCells oneNumber(double value)
{
    SheetCells sheet;
    sheet.cells.push_back({1, 1, SheetCell::Kind::Number, value, {}});
    return sheet;
}

class SheetFileTest : public testing::Test {
protected:
    QTemporaryDir folder;
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
};

TEST_F(SheetFileTest, ASignatureOutweighsTheNameAndTheNameOutweighsTheGuess)
{
    // A .tlx written under a .dat name reads as .tlx; tab-separated text under a .tlx name is a
    // damaged .tlx, not a sheet of whatever the text holds.
    ASSERT_TRUE(writeSheetFile(path("a.dat"), SheetFileType::Tlx, oneNumber(2.5), polish).ok);
    ASSERT_TRUE(writeSheetFile(path("b.tlx"), SheetFileType::Tsv, oneNumber(2.5), polish).ok);
    EXPECT_TRUE(contentOf(path("a.dat")).startsWith("Tallox worksheet 1\r\n"));
    EXPECT_EQ(contentOf(path("b.tlx")), QByteArray("2,5\r\n"));
    const SheetLoadResult tlx = readSheetFile(path("a.dat"), polish);
    ASSERT_TRUE(tlx.ok) << tlx.error.toStdString();
    EXPECT_EQ(tlx.type, SheetFileType::Tlx);
    ASSERT_EQ(tlx.sheet.cells.size(), 1u);
    EXPECT_EQ(tlx.sheet.cells[0].number, 2.5);
    const SheetLoadResult misnamed = readSheetFile(path("b.tlx"), polish);
    EXPECT_FALSE(misnamed.ok);
    EXPECT_TRUE(misnamed.error.contains(QStringLiteral("brak nagłówka"))) << misnamed.error.toStdString();
}

TEST_F(SheetFileTest, DamagedAndForeignFilesGiveAReasonNotCells)
{
    ASSERT_TRUE(writeBytes(path("cut.tlx"), writeTlx(oneNumber(1)).first(25)));
    ASSERT_TRUE(writeBytes(path("binary.dat"), QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0\0", 12)));
    ASSERT_TRUE(writeBytes(path("fake.xls"), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 garbage", 16)));
    for (const char* name : {"cut.tlx", "binary.dat", "fake.xls"}) {
        const SheetLoadResult result = readSheetFile(path(name), polish);
        EXPECT_FALSE(result.ok) << name;
        EXPECT_FALSE(result.error.isEmpty()) << name;
        EXPECT_TRUE(result.sheet.cells.empty()) << name;
    }
}

TEST_F(SheetFileTest, AFileWithoutDataIsRefusedThroughEveryReader)
{
    for (const char* name : {"empty.dat", "empty.tlx", "empty.xls", "blank.txt"}) {
        ASSERT_TRUE(writeBytes(path(name), name[0] == 'b' ? QByteArray(" \t\r\n\n") : QByteArray()));
        for (const SheetLoadResult& result : {readSheetFile(path(name), polish), readTextDataFile(path(name))}) {
            EXPECT_FALSE(result.ok) << name;
            EXPECT_EQ(result.error, noDataReason()) << name;
        }
    }
}

TEST_F(SheetFileTest, OpenErrorsAreReportedInPolish)
{
    for (const QString& where : {path("nie-ma.dat"), folder.path()}) {
        const SheetLoadResult sheet = readSheetFile(where, polish);
        EXPECT_FALSE(sheet.ok);
        EXPECT_TRUE(sheet.error.startsWith(QStringLiteral("Nie można otworzyć pliku"))) << sheet.error.toStdString();
        const SheetLoadResult text = readTextDataFile(where);
        EXPECT_FALSE(text.ok);
        EXPECT_FALSE(text.error.isEmpty());
    }
}

TEST_F(SheetFileTest, TextDataFileIsReadFromDisk)
{
    ASSERT_TRUE(writeBytes(path("pomiary.txt"), "1.5 2 3 4\n"));
    const SheetLoadResult result = readTextDataFile(path("pomiary.txt"));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.sheet.cells.size(), 4u);
}

TEST_F(SheetFileTest, SavingIntoAMissingFolderOrUnderAFileFailsWithAReason)
{
    ASSERT_TRUE(writeBytes(path("plik"), "x"));
    for (const QString& target : {path("brak/dane.tlx"), path("plik/dane.tlx")}) {
        const SheetWriteResult result = writeSheetFile(target, SheetFileType::Tlx, oneNumber(1), polish);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(QStringLiteral("folder docelowy"))) << result.error.toStdString();
    }
    EXPECT_EQ(contentOf(path("plik")), QByteArray("x"));

    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("katalog.tlx")));
    EXPECT_FALSE(writeSheetFile(path("katalog.tlx"), SheetFileType::Tlx, oneNumber(1), polish).ok);
}

TEST_F(SheetFileTest, AFailedSaveLeavesTheOldFileWhole)
{
    const QString target = path("dane.tlx");
    ASSERT_TRUE(writeSheetFile(target, SheetFileType::Tlx, oneNumber(1), polish).ok);
    const QByteArray before = contentOf(target);

    const SheetWriteResult unknown = writeSheetFile(target, SheetFileType(2), oneNumber(2), polish);
    EXPECT_FALSE(unknown.ok);
    EXPECT_FALSE(unknown.error.isEmpty());
    EXPECT_EQ(contentOf(target), before);

    // Overwriting works and leaves no temporary files behind.
    ASSERT_TRUE(writeSheetFile(target, SheetFileType::Tlx, oneNumber(3), polish).ok);
    EXPECT_EQ(readSheetFile(target, polish).sheet.cells.at(0).number, 3.0);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("dane.tlx")});
}

TEST_F(SheetFileTest, AReadOnlyFolderRefusesTheSaveAndKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    const QString target = path("dane.tlx");
    ASSERT_TRUE(writeSheetFile(target, SheetFileType::Tlx, oneNumber(1), polish).ok);
    const QByteArray before = contentOf(target);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    const SheetWriteResult result = writeSheetFile(target, SheetFileType::Tlx, oneNumber(2), polish);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("uprawnień"))) << result.error.toStdString();
    EXPECT_EQ(contentOf(target), before);
}

// The cells in row order, numbers by their bits, so two reads can be compared.
std::vector<std::tuple<int, int, int, quint64, QString>> canonical(const SheetCells& sheet)
{
    std::vector<std::tuple<int, int, int, quint64, QString>> cells;
    for (const SheetCell& c : sheet.cells)
        cells.emplace_back(c.row, c.col, int(c.kind), std::bit_cast<quint64>(c.number), c.text);
    std::sort(cells.begin(), cells.end());
    return cells;
}

// Inputs that once crashed or misled a reader stay here; every one must give a clean answer,
// and whatever a format reads must survive a save in that format and a second read.
TEST(SheetFileCorpus, EveryKeptInputReadsWithoutHarmAndSurvivesASave)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString corpus = QStringLiteral(TALLOX_TESTS_DIR "/worksheet/formats/corpus");
    QDirIterator files(corpus, QDir::Files, QDirIterator::Subdirectories);
    int count = 0;
    while (files.hasNext()) {
        const QString file = files.next();
        SCOPED_TRACE(file.toStdString());
        const QByteArray bytes = contentOf(file);
        for (const SheetLoadResult& result : {readSheetBytes(bytes, polish), readTextData(bytes)}) {
            EXPECT_EQ(result.ok, result.error.isEmpty());
            if (!result.ok) {
                EXPECT_TRUE(result.sheet.cells.empty());
            }
            for (const SheetCell& cell : result.sheet.cells)
                EXPECT_TRUE(insideSheet(cell.row, cell.col));
        }
        if (const SheetLoadResult tlx = readTlx(bytes); tlx.ok) {
            EXPECT_EQ(canonical(readTlx(writeTlx(tlx.sheet)).sheet), canonical(tlx.sheet));
        }
        for (const QLocale& locale : {polish, english}) {
            if (const SheetLoadResult tsv = readTsv(bytes, locale); tsv.ok) {
                EXPECT_EQ(canonical(readTsv(writeTsv(tsv.sheet, locale), locale).sheet), canonical(tsv.sheet));
            }
            if (const SheetLoadResult csv = readCsv(bytes, locale); csv.ok) {
                EXPECT_EQ(canonical(readCsv(writeCsv(csv.sheet, locale), locale).sheet), canonical(csv.sheet));
            }
        }
        ++count;
    }
    EXPECT_GT(count, 0) << "the regression corpus is empty";
}

} // namespace
