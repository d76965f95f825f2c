// The program's small text files: line ends, code pages, writes that replace whole files.
#include "common/TextFile.h"
#include "support/ScratchDisk.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(TextFile, DecodesUtf8WithOrWithoutBomAndFallsBackToWindows1250)
{
    EXPECT_EQ(tallox::decodeText("\xEF\xBB\xBFZa\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87"),
              QStringLiteral("Zażółć"));
    EXPECT_EQ(tallox::decodeText("Za\xBF\xF3\xB3\xE6 g\xEA\x9C\x6C\xB9 ja\x9F\xF1"),
              QStringLiteral("Zażółć gęślą jaźń"));
    EXPECT_EQ(tallox::decodeText("\x8C\x8F\xA3\xA5\xAF"), QStringLiteral("ŚŹŁĄŻ"));
}

TEST(TextFile, ReadsLinesEndedByLfOrCrLfAndAMissingFileAsNone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lista.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("pierwsza\r\ndruga\nostatnia bez końca");
    file.close();
    EXPECT_EQ(tallox::readTextLines(path),
              (QStringList{"pierwsza", "druga", "ostatnia bez końca"}));
    EXPECT_TRUE(tallox::readTextLines(dir.filePath("brak.ini")).isEmpty());
}

TEST(TextFile, WritesUtf8WithCrLfAndReplacesTheWholeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("users.ini");
    ASSERT_TRUE(tallox::writeTextLines(path, {"Kowalski", "Nowak", "Wójcik", "Zieliński"}));
    ASSERT_TRUE(tallox::writeTextLines(path, {"Łukasz", ""}));
    EXPECT_EQ(bytesOf(path), QByteArray("\xC5\x81ukasz\r\n\r\n"));
    EXPECT_FALSE(tallox::writeTextLines(dir.filePath("brak/folderu.ini"), {"x"}));
}

TEST(TextFile, AListWrittenOnAFullDiskLeavesTheOldListWhole)
{
    ScratchDisk disk;
    if (const QString why = disk.mount(16); !why.isEmpty())
        GTEST_SKIP() << "no scratch disk: " << why.toStdString();
    const QString path = disk.path(QStringLiteral("Kowalski_data.ini"));
    ASSERT_TRUE(tallox::writeTextLines(path, {"/dane/pierwszy.tlx", "/dane/drugi.tlx"}));
    const QByteArray before = bytesOf(path);
    ASSERT_TRUE(disk.fill(0));
    EXPECT_FALSE(tallox::writeTextLines(path, {"/dane/nowy.tlx", "/dane/pierwszy.tlx", "/dane/drugi.tlx"}));
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_EQ(QDir(disk.path({})).entryList(QDir::Files).size(), 2);  // the list and the filler
}

TEST(TextFile, AFewBadBytesInUtf8AreMarkedNotReadAsWindows1250)
{
    EXPECT_EQ(tallox::decodeText("za\xC5\xBC\xF3\xC5\x82"), QStringLiteral("zaż\uFFFDł"));
}

} // namespace
