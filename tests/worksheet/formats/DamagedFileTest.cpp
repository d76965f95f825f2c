// Damaged and foreign files through the entry point: each is read as what it claims to be or
// refused with a reason that says what is wrong, never loaded as something else.
#include "worksheet/formats/SheetFile.h"
#include "worksheet/formats/TextDataReader.h"
#include "common/TextDecoding.h"
#include "worksheet/formats/TlxFormat.h"
#include "worksheet/formats/TsvFormat.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

using namespace tallox;

namespace {

const QLocale polish(QLocale::Polish, QLocale::Poland);
const QByteArray compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

struct Refusal {
    const char* name;
    QByteArray bytes;
    const char* reasonHolds;  // a part of the reason
};

TEST(DamagedFile, ClaimedFormatsAreReadAsThemOrRefusedWithTheReason)
{
    const QByteArray header("Tallox worksheet 1\r\n");
    const Refusal cases[] = {
        {"pusty.tlx", {}, "Plik nie zawiera danych."},
        {"pusty.xls", {}, "Plik nie zawiera danych."},
        {"odstepy.dat", " \r\n\t\r\n", "Plik nie zawiera danych."},
        {"puste-pola.dat", "\"\"\t\"\"\r\n", "Plik nie zawiera danych."},
        {"pusty-arkusz.tlx", "Tallox worksheet 1\r\nend\r\n", "Plik nie zawiera danych."},
        {"poza.dat", "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t7\r\n", "tylko poza arkuszem"},
        {"ucięty.tlx", "Tallox works", "plik kończy się w nagłówku"},
        {"tekst.tlx", "1\t2\r\n", "brak nagłówka"},
        {"spacja.tlx", "Tallox worksheet 1 \r\nend\r\n", "nagłówek ma na końcu spację"},
        {"cr.tlx", "Tallox worksheet 1\r1\t1\tn\t2\rend\r", "końce wierszy tylko CR"},
        {"nul.tlx", QByteArray("Tallox worksheet 1\0\r\nend\r\n", 26), "znak NUL"},
        {"nul-w-danych.tlx", header + QByteArray("1\t1\tt\ta\0b\r\nend\r\n", 14), "znak NUL"},
        {"wersja.tlx", "Tallox worksheet 1234567\r\nend\r\n", "nowszej wersji formatu Tallox (wersja 1234567)"},
        {"bez-wersji.tlx", "Tallox worksheet \r\nend\r\n", "brak numeru wersji"},
        {"tekst.xls", "1\t2\r\n", ""},
        {"ucięty.xls", compound.left(3), ""},
        {"ucięty-bez-nazwy.dat", compound.left(5), ""},
        {"ucięty-skoroszyt.dat", compound + QByteArray(40, '\0'), ""},
        {"obraz.dat", QByteArray("\x89PNG\r\n\x1A\n", 8), "zawiera dane binarne"},
        {"sterujące.dat", "1\t2\x07\r\n", "zawiera dane binarne"},
    };
    QTemporaryDir folder;
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(QString::fromUtf8(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        const SheetLoadResult result = readSheetFile(path, polish);
        EXPECT_FALSE(result.ok);
        // Picked through a text entry, a claimed format is read as that format too.
        if (!QByteArray(c.name).endsWith(".dat")) {
            EXPECT_EQ(readTextDataFile(path).error, result.error);
        }
        EXPECT_TRUE(result.sheet.cells.empty());
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.reasonHolds))) << result.error.toStdString();
        if (c.bytes.startsWith("Tallox")) {
            EXPECT_FALSE(result.error.contains(QStringLiteral("brak nagłówka")))
                << "a header that is there is not missing: " << result.error.toStdString();
        }
    }
}

TEST(DamagedFile, OneDetectionDecidesTheFormat)
{
    struct Case {
        QByteArray bytes;
        const char* name;
        SheetFileType type;
    } cases[] = {
        {"Tallox worksheet 1\r\n", "a.dat", SheetFileType::Tlx},
        {"\xEF\xBB\xBFTallox worksheet 1\r\n", "a.xls", SheetFileType::Tlx},
        {compound + "rest", "a.tlx", SheetFileType::Xls},
        {"1\t2", "a.TLX", SheetFileType::Tlx},
        {"1\t2", "a.Xls", SheetFileType::Xls},
        {compound.left(1), "a.dat", SheetFileType::Xls},
        {compound.left(7), "", SheetFileType::Xls},
        {compound.left(2) + "x", "a.dat", SheetFileType::Tsv},
        {"1\t2", "a.dat", SheetFileType::Tsv},
        {"1\t2", "a.txt", SheetFileType::Tsv},
    };
    for (const Case& c : cases)
        EXPECT_EQ(detectSheetFileType(c.bytes, QString::fromLatin1(c.name)), c.type) << c.name << " " << c.bytes.toHex().toStdString();

    // The text entries take a worksheet file for what it is, not for the numbers in its lines.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("arkusz.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Tallox worksheet 1\r\n3\t2\tt\tCzas\r\nend\r\n");
    file.close();
    const SheetLoadResult sheet = readTextDataFile(path);
    ASSERT_TRUE(sheet.ok) << sheet.error.toStdString();
    ASSERT_EQ(sheet.sheet.cells.size(), 1u);
    EXPECT_EQ(sheet.sheet.cells[0].text, QStringLiteral("Czas"));
    EXPECT_EQ(sheet.type, SheetFileType::Tlx);
}

TEST(DamagedFile, PlainTextRefusesBinaryAndCountsWhatIsNoNumber)
{
    for (const QByteArray& binary : {QByteArray("1 2\0 3 4", 8), QByteArray("1 2 3 4\x1B[0m")}) {
        const SheetLoadResult result = readTextData(binary);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, readTsv(binary, polish).error);  // the same reason as the .dat reader
        EXPECT_EQ(result.error, binaryFileReason());
    }
    const SheetLoadResult words = readTextData("1 x 3 4\ny 6 z 8\n");
    ASSERT_TRUE(words.ok);
    EXPECT_EQ(words.notNumbers, 3);
    EXPECT_EQ(loadWarnings(words), QStringList{QStringLiteral(
                                       "Pominięto fragmenty pliku, które nie są liczbami (3); ich komórki pozostały puste.")});
    // UTF-16 text is text: decoded first, not refused for its zero bytes.
    QByteArray wide("\xFF\xFE", 2);
    for (char c : QByteArray("1.5 2 3 4"))
        wide.append(c).append('\0');
    const SheetLoadResult utf16 = readTextData(wide);
    ASSERT_TRUE(utf16.ok) << utf16.error.toStdString();
    EXPECT_EQ(utf16.sheet.cells.at(0).number, 1.5);
}

TEST(DamagedFile, Utf8WithAFewBadBytesStaysUtf8)
{
    struct Case {
        QByteArray bytes;
        QString text;
        int invalid;
    } cases[] = {
        {"za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87", QStringLiteral("zażółć"), 0},
        {"za\xC5\xBC\xF3\xC5\x82\xE6", QStringLiteral("zaż\uFFFDł\uFFFD"), 2},          // one bad byte each
        {"\xEF\xBB\xBF\xFF\xFE\xFDok", QStringLiteral("\uFFFD\uFFFD\uFFFDok"), 3},      // a BOM says UTF-8
        {"\xC5\xBC\xC0\xAF", QStringLiteral("ż\uFFFD\uFFFD"), 2},                       // an overlong "/"
        {"Za\xBF\xF3\xB3\xE6", QStringLiteral("Zażółć"), 0},                             // no UTF-8 at all
    };
    for (const Case& c : cases) {
        const DecodedText decoded = decodeDataText(c.bytes);
        EXPECT_EQ(decoded.text, c.text) << c.bytes.toHex().toStdString();
        EXPECT_EQ(decoded.invalidBytes, c.invalid) << c.bytes.toHex().toStdString();
    }
    const SheetLoadResult tsv = readTsv("Pr\xC4\x99" "dko\x9C\xC4\x87\t1,5\r\n", polish);
    ASSERT_TRUE(tsv.ok);
    EXPECT_EQ(tsv.sheet.cells.at(0).text, QStringLiteral("Prędko\uFFFDć"));
    EXPECT_EQ(loadWarnings(tsv), QStringList{QStringLiteral(
                                     "Plik zawiera bajty, które nie są poprawnym tekstem UTF-8 (1); zastąpiono je znakiem �.")});
    EXPECT_EQ(readTextData("1 2 3 \xC4\x99\xFF\n").invalidBytes, 1);
}

TEST(DamagedFile, NoReaderHandsOverANulOrANumberThatIsNotFinite)
{
    const SheetLoadResult tlx = readSheetBytes("Tallox worksheet 1\r\n"
                                               "1\t1\tt\ta\\u0000b\r\n"
                                               "1\t2\tn\tinf\r\n"
                                               "1\t3\tn\t-nan\r\n"
                                               "end\r\n",
                                               polish);
    ASSERT_TRUE(tlx.ok) << tlx.error.toStdString();
    ASSERT_EQ(tlx.sheet.cells.size(), 3u);
    EXPECT_EQ(tlx.sheet.cells[0].text, QStringLiteral("a\uFFFDb"));
    for (int i : {1, 2}) {
        EXPECT_EQ(tlx.sheet.cells[std::size_t(i)].kind, SheetCell::Kind::Text);
        EXPECT_EQ(tlx.sheet.cells[std::size_t(i)].text, QStringLiteral("#NUM!"));
    }
    // And what such a cell is written as reads back the same.
    const SheetLoadResult again = readTsv(writeTsv(tlx.sheet, polish), polish);
    ASSERT_TRUE(again.ok) << again.error.toStdString();
    EXPECT_EQ(again.sheet.cells.size(), 3u);
}

TEST(DamagedFile, TheFirstTextTooLongForTheFormatIsNamed)
{
    SheetCells sheet;
    const QString longText(40000, u'x');
    sheet.cells.push_back({30, 28, SheetCell::Kind::Text, 0.0, longText});  // outside: never written
    sheet.cells.push_back({12, 3, SheetCell::Kind::Text, 0.0, longText});
    sheet.cells.push_back({2, 27 - 1, SheetCell::Kind::Text, 0.0, longText});
    sheet.cells.push_back({1, 1, SheetCell::Kind::Text, 0.0, QStringLiteral("krótki")});
    QTemporaryDir folder;
    const struct {
        SheetFileType type;
        const char* cut;
    } cases[] = {{SheetFileType::Xls, "Z2"}, {SheetFileType::Tlx, ""}, {SheetFileType::Tsv, ""}};
    for (const auto& c : cases) {
        const SheetWriteResult written = writeSheetFile(folder.filePath(QStringLiteral("a")), c.type, sheet, polish);
        ASSERT_TRUE(written.ok) << written.error.toStdString();
        EXPECT_EQ(written.truncatedCell, QString::fromLatin1(c.cut)) << int(c.type);
    }
}

} // namespace
