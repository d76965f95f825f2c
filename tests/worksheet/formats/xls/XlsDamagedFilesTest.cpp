// Files that are not workbooks, cut short or corrupted: a clear refusal or a consistent sheet,
// never a crash or a hang.
#include "worksheet/formats/xls/XlsFile.h"
#include "worksheet/formats/xls/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>

#include <random>

using namespace tallox;
using namespace tallox::xls;
using namespace tallox::xls::testing;

namespace {

const QString damagedText = QStringLiteral("Plik jest uszkodzony lub nie jest skoroszytem Excela.");

QByteArray signature() { return QByteArray::fromHex("d0cf11e0a1b11ae1"); }

SheetCells sampleSheet()
{
    SheetCells sheet;
    for (int r = 1; r <= 200; ++r)
        for (int c = 1; c <= 26; c += 5)
            sheet.cells.push_back(c % 2 ? SheetCell{r, c, SheetCell::Kind::Number, r / 7.0 - c, {}}
                                        : SheetCell{r, c, SheetCell::Kind::Text, 0.0,
                                                    QStringLiteral("pomiar %1 ± ąę").arg(r * c)});
    sheet.cells.push_back({1, 2, SheetCell::Kind::Text, 0.0, QString(5000, QChar(u'ż'))});
    return sheet;
}

TEST(XlsDamagedFiles, BytesThatAreNotAWorkbookAreRefused)
{
    std::mt19937 gen(5);
    QByteArray noise(10000, '\0');
    for (char& b : noise)
        b = char(gen());
    const QString notWorkbook = QStringLiteral("Plik nie jest skoroszytem Excela.");

    for (const QByteArray& bytes : {QByteArray(), QByteArray("abc"), QByteArray("1.5\t2,5\r\n3\t4\r\n"),
                                    noise, signature().left(7)}) {
        const SheetReadResult r = readXls(bytes);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, notWorkbook);
    }
    for (const QByteArray& bytes : {signature(), signature() + QByteArray(504, '\0'),
                                    signature() + noise}) {
        const SheetReadResult r = readXls(bytes);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, damagedText);
    }
}

TEST(XlsDamagedFiles, OurFileCutShortAnywhereIsRefused)
{
    const QByteArray whole = writeXls(sampleSheet());
    ASSERT_TRUE(readXls(whole).ok);
    // The directory sits in the last sector, so any cut loses it.
    for (qsizetype length = 0; length < whole.size(); length += (length % 512 == 0 ? 1 : 211)) {
        const SheetReadResult r = readXls(whole.left(length));
        EXPECT_FALSE(r.ok) << length;
        EXPECT_FALSE(r.error.isEmpty()) << length;
    }
}

// Every byte of a file flipped in turn, and the file cut at every sector.
void sweepCorruptions(const QByteArray& whole, int stride)
{
    for (qsizetype at = 0; at < whole.size(); at += stride) {
        QByteArray bad = whole;
        bad[at] = char(bad[at] ^ 0xA5);
        ASSERT_TRUE(loadedConsistently(readXls(bad))) << "byte " << at;
    }
    for (qsizetype length = 512; length < whole.size(); length += 512)
        ASSERT_TRUE(loadedConsistently(readXls(whole.left(length)))) << "cut at " << length;
}

TEST(XlsDamagedFiles, CorruptedBytesGiveARefusalOrAConsistentSheet)
{
    sweepCorruptions(referenceBytes("lo-values.xls"), 1);
    sweepCorruptions(referenceBytes("lo-formulas.xls"), 1);
    sweepCorruptions(referenceBytes("lo-longtext.xls"), 5);
    sweepCorruptions(writeXls(sampleSheet()), 11);
}

// Inputs that once troubled the reader, kept beside the tests.
TEST(XlsDamagedFiles, CollectedDamagedInputsLoadSafely)
{
    const QDir corpus(QStringLiteral(TALLOX_TESTS_DIR "/worksheet/formats/xls/corpus"));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files)
        EXPECT_TRUE(loadedConsistently(readXls(fileBytes(corpus.filePath(name))))) << name.toStdString();
}

} // namespace
