// Records other spreadsheet programs write: compact numbers, inline texts, booleans, errors,
// formula results, strings split over records, chart sheets and embedded charts.
#include "worksheet/formats/SheetFile.h"
#include "worksheet/formats/xls/CompoundFile.h"
#include "worksheet/formats/xls/XlsFile.h"
#include "worksheet/formats/xls/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <cmath>
#include <limits>

using namespace tallox;
using namespace tallox::xls;
using namespace tallox::xls::testing;

namespace {

QByteArray u16(std::uint16_t v) { return QByteArray(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2); }
QByteArray u32(std::uint32_t v) { return QByteArray(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4); }
QByteArray f64(double d)
{
    const auto bits = qToLittleEndian(std::bit_cast<std::uint64_t>(d));
    return QByteArray(reinterpret_cast<const char*>(&bits), 8);
}
QByteArray rec(std::uint16_t id, const QByteArray& payload) { return u16(id) + u16(std::uint16_t(payload.size())) + payload; }
QByteArray bof(std::uint16_t version, std::uint16_t type)
{
    return rec(0x0809, u16(version) + u16(type) + u16(0x0DBB) + u16(0x07CC) + u32(0) + u32(6));
}
QByteArray cell(int row, int col) { return u16(std::uint16_t(row)) + u16(std::uint16_t(col)) + u16(15); }
QByteArray utf16(const QString& s)
{
    QByteArray out;
    for (QChar c : s)
        out += u16(c.unicode());
    return out;
}
QByteArray numberRecord(int row, int col, double v) { return rec(0x0203, cell(row, col) + f64(v)); }

struct Substream {
    std::uint8_t sheetType;  // as listed in the globals: 0 worksheet, 2 chart
    QByteArray records;      // from its BOF to its EOF
};

// A workbook stream: globals (with `extraGlobals` before the sheet list), then the substreams.
QByteArray workbookStream(const std::vector<Substream>& sheets, const QByteArray& extraGlobals = {},
                          std::uint16_t version = 0x0600)
{
    QByteArray head = bof(version, 0x0005) + extraGlobals;
    const qsizetype listAt = head.size();
    for (std::size_t i = 0; i < sheets.size(); ++i)
        head += rec(0x0085, u32(0) + char(0) + char(sheets[i].sheetType) + char(1) + char(0) + "S");
    QByteArray stream = head + rec(0x000A, {});
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const auto offset = qToLittleEndian(std::uint32_t(stream.size()));
        stream.replace(listAt + qsizetype(i) * 13 + 4, 4, reinterpret_cast<const char*>(&offset), 4);
        stream += sheets[i].records;
    }
    return stream;
}

QByteArray file(const QByteArray& stream) { return writeSingleStreamFile(QStringLiteral("Workbook"), stream); }

QByteArray worksheet(const QByteArray& cells) { return bof(0x0600, 0x0010) + cells + rec(0x000A, {}); }

CellValue num(double v) { return {SheetCell::Kind::Number, std::bit_cast<std::uint64_t>(v), {}}; }
CellValue txt(const QString& t) { return {SheetCell::Kind::Text, 0, t}; }

TEST(BiffRecords, ValuesOfEveryKindAreReadFromTheFirstWorksheet)
{
    // Shared strings: compressed, rich text with runs, extended data, a string whose characters
    // switch from one-byte to two-byte form in a CONTINUE record, and a string starting there.
    const QByteArray sst =
        rec(0x00FC, u32(7) + u32(5) + u16(3) + char(0) + "abc"
                        + u16(1) + char(0x09) + u16(2) + utf16(QStringLiteral("ż")) + u32(0) + u32(0)
                        + u16(3) + char(0x04) + u32(6) + "ext" + QByteArray(6, 'x')
                        + u16(15) + char(0) + "0123456789")
        + rec(0x003C, char(0x01) + utf16(QStringLiteral("ąęłńó")) + u16(2) + char(0) + "po");
    const QByteArray cells =
        rec(0x027E, cell(0, 0) + u32((5u << 2) | 2))                       // RK integer
        + rec(0x027E, cell(0, 1) + u32((1234u << 2) | 3))                // RK integer / 100
        + rec(0x027E, cell(0, 2) + u32(0x3FF80000u))                     // RK high bits of 1.5
        + rec(0x00BD, u16(1) + u16(0) + u16(15) + u32(std::uint32_t(-1 << 2) | 2) + u16(15)
                          + u32((2u << 2) | 2) + u16(15) + u32(0x3FF80000u | 1) + u16(2))
        + rec(0x00FD, cell(2, 0) + u32(0)) + rec(0x00FD, cell(2, 1) + u32(1))
        + rec(0x00FD, cell(2, 2) + u32(2)) + rec(0x00FD, cell(2, 3) + u32(3))
        + rec(0x00FD, cell(2, 4) + u32(4))
        + rec(0x0204, cell(3, 0) + u16(4) + char(0) + "caf\xE9")
        + rec(0x0204, cell(3, 1) + u16(4) + char(1) + utf16(QStringLiteral("żółw")))
        + rec(0x00D6, cell(3, 2) + u16(4) + char(0) + "rich" + u16(1) + u32(0))
        + rec(0x0205, cell(4, 0) + char(1) + char(0)) + rec(0x0205, cell(4, 1) + char(0) + char(0))
        + rec(0x0205, cell(4, 2) + char(0x07) + char(1)) + rec(0x0205, cell(4, 3) + char(0x2A) + char(1))
        + rec(0x0006, cell(5, 0) + f64(2.5) + u16(0) + u32(0) + u16(0))
        + rec(0x0006, cell(5, 1) + QByteArray::fromHex("000000000000ffff") + u16(0) + u32(0) + u16(0))
        + rec(0x0207, u16(5) + char(0) + "wynik")
        + rec(0x0006, cell(5, 2) + QByteArray::fromHex("010001000000ffff") + u16(0) + u32(0) + u16(0))
        + rec(0x0006, cell(5, 3) + QByteArray::fromHex("020024000000ffff") + u16(0) + u32(0) + u16(0))
        + rec(0x0006, cell(5, 4) + QByteArray::fromHex("030000000000ffff") + u16(0) + u32(0) + u16(0))
        + rec(0x0201, cell(6, 0)) + rec(0x00BE, u16(6) + u16(1) + u16(15) + u16(15) + u16(2))
        + bof(0x0600, 0x0020) + numberRecord(7, 0, 77.0) + rec(0x000A, {})  // an embedded chart
        + numberRecord(8, 0, std::numeric_limits<double>::quiet_NaN())
        + numberRecord(199, 25, 1.0) + numberRecord(200, 0, 2.0) + numberRecord(0, 26, 3.0);

    const QByteArray stream = workbookStream(
        {{2, bof(0x0600, 0x0020) + numberRecord(0, 0, 99.0) + rec(0x000A, {})},  // a chart sheet first
         {0, worksheet(cells)},
         {0, worksheet(numberRecord(0, 0, 42.0))}},
        sst);
    const XlsReadResult r = readXls(file(stream));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_TRUE(loadedConsistently(r));
    EXPECT_TRUE(r.outsideSheet);

    const CellMap expected{
        {{1, 1}, num(5.0)}, {{1, 2}, num(12.34)}, {{1, 3}, num(1.5)},
        {{2, 1}, num(-1.0)}, {{2, 2}, num(2.0)}, {{2, 3}, num(0.015)},
        {{3, 1}, txt("abc")}, {{3, 2}, txt("ż")}, {{3, 3}, txt("ext")},
        {{3, 4}, txt("0123456789ąęłńó")}, {{3, 5}, txt("po")},
        {{4, 1}, txt("café")}, {{4, 2}, txt("żółw")}, {{4, 3}, txt("rich")},
        {{5, 1}, txt("PRAWDA")}, {{5, 2}, txt("FAŁSZ")}, {{5, 3}, txt("#DIV/0!")}, {{5, 4}, txt("#N/A")},
        {{6, 1}, num(2.5)}, {{6, 2}, txt("wynik")}, {{6, 3}, txt("PRAWDA")}, {{6, 4}, txt("#NUM!")},
        {{9, 1}, txt("#NUM!")}, {{200, 26}, num(1.0)},
    };
    const CellMap got = cellMap(r.sheet);
    EXPECT_EQ(got.size(), expected.size());
    for (const auto& [at, value] : expected) {
        const auto it = got.find(at);
        ASSERT_NE(it, got.end()) << "cell " << at.first << "," << at.second << " missing";
        EXPECT_EQ(it->second, value) << "cell " << at.first << "," << at.second << ": got " << describe(it->second);
    }
}

TEST(BiffRecords, WorkbooksThatCannotBeReadAreRefusedWithTheirReason)
{
    const QByteArray oneCell = numberRecord(0, 0, 1.0);
    const QString damaged = QStringLiteral("Plik jest uszkodzony lub nie jest skoroszytem Excela.");
    const QString oldVersion = QStringLiteral("Skoroszyt zapisano w formacie starszym niż Excel 97 - zapisz go "
                                              "ponownie jako skoroszyt Excel 97-2003.");
    struct Case {
        const char* what;
        QByteArray stream;
        QString error;
    };
    QByteArray sheetOutside = workbookStream({{0, worksheet(oneCell)}});
    sheetOutside[sheetOutside.indexOf(QByteArray::fromHex("85000900")) + 4 + 3] = char(0x7F);
    QByteArray unterminated = workbookStream({{0, worksheet(oneCell)}});
    unterminated.chop(4);  // the sheet's EOF is missing
    QByteArray cutRecord = workbookStream({{0, worksheet(oneCell)}});
    cutRecord.chop(10);  // the stream ends inside the NUMBER record

    const Case cases[] = {
        {"empty stream", QByteArray(), damaged},
        {"no BOF first", rec(0x000A, {}) + workbookStream({{0, worksheet(oneCell)}}), damaged},
        {"sheet list points outside the stream", sheetOutside, damaged},
        {"sheet without its end", unterminated, damaged},
        {"record cut short", cutRecord, damaged},
        {"cell text index beyond the string table",
         workbookStream({{0, worksheet(rec(0x00FD, cell(0, 0) + u32(3)))}},
                        rec(0x00FC, u32(1) + u32(1) + u16(1) + char(0) + "a")),
         damaged},
        {"cell text index beyond the string table, outside the sheet",
         workbookStream({{0, worksheet(rec(0x00FD, cell(0, 0) + u32(0)) + rec(0x00FD, cell(300, 0) + u32(1)))}},
                        rec(0x00FC, u32(2) + u32(2) + u16(1) + char(0) + "a")),
         damaged},
        {"cell text without a string table", workbookStream({{0, worksheet(rec(0x00FD, cell(0, 0) + u32(0)))}}),
         damaged},
        {"Excel 5 workbook", workbookStream({{0, worksheet(oneCell)}}, {}, 0x0500), oldVersion},
        {"Excel 4 sheet", rec(0x0409, u16(0) + u16(0x0010)) + oneCell + rec(0x000A, {}), oldVersion},
        {"password protected",
         workbookStream({{0, worksheet(oneCell)}}, rec(0x002F, u16(1) + QByteArray(52, 'k'))),
         QStringLiteral("Skoroszyt jest chroniony hasłem - nie można odczytać jego danych.")},
        {"only a chart sheet",
         workbookStream({{2, bof(0x0600, 0x0020) + oneCell + rec(0x000A, {})}}),
         QStringLiteral("Skoroszyt nie zawiera arkusza z danymi.")},
    };
    for (const Case& c : cases) {
        const SheetReadResult r = readXls(file(c.stream));
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_EQ(r.error, c.error) << c.what;
        EXPECT_TRUE(r.sheet.cells.empty()) << c.what;
    }
}

// Values beyond row 200 or column Z are left out, and the load says so; empty cells there are
// no data and say nothing.
TEST(BiffRecords, ValuesOutsideTheSheetAreReported)
{
    const QByteArray sst = rec(0x00FC, u32(2) + u32(2) + u16(1) + char(0) + "a" + u16(0) + char(0));
    struct Case {
        const char* what;
        QByteArray cells;
        bool outside;
    };
    const Case cases[] = {
        {"corner cell only", numberRecord(199, 25, 1.0), false},
        {"number in row 250", numberRecord(249, 0, 1.0), true},
        {"shared text in column AD", rec(0x00FD, cell(0, 29) + u32(0)), true},
        {"inline text in row 201", rec(0x0204, cell(200, 0) + u16(1) + char(0) + "b"), true},
        {"compact numbers running past Z",
         rec(0x00BD, u16(0) + u16(25) + u16(15) + u32((1u << 2) | 2) + u16(15) + u32((2u << 2) | 2) + u16(26)), true},
        {"error value beyond the sheet", rec(0x0205, cell(0, 40) + char(0x07) + char(1)), true},
        {"blank and empty text beyond the sheet",
         rec(0x0201, cell(300, 0)) + rec(0x0204, cell(300, 1) + u16(0) + char(0)), false},
    };
    for (const Case& c : cases) {
        const QByteArray bytes =
            file(workbookStream({{0, worksheet(numberRecord(0, 0, 5.0) + c.cells)}}, sst));
        const XlsReadResult r = readXls(bytes);
        ASSERT_TRUE(r.ok) << c.what;
        EXPECT_TRUE(loadedConsistently(r)) << c.what;
        EXPECT_EQ(r.outsideSheet, c.outside) << c.what;
        // Loading the file reports it as data left out, the same way the other formats do.
        const SheetLoadResult load = readSheetBytes(bytes, QLocale::c());
        ASSERT_TRUE(load.ok) << c.what;
        EXPECT_EQ(load.truncated, c.outside) << c.what;
        EXPECT_EQ(load.sheet.cells.size(), r.sheet.cells.size()) << c.what;
    }
}

} // namespace
