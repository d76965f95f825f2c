// Workbooks saved by another spreadsheet program load exactly as their expected cell lists say.
#include "worksheet/formats/xls/XlsFile.h"
#include "worksheet/formats/xls/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <charconv>
#include <string>

using namespace tallox;
using namespace tallox::xls;
using namespace tallox::xls::testing;

namespace {

QString unescape(const QString& s)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'\\' && i + 1 < s.size()) {
            const QChar c = s[++i];
            out += c == u't' ? QChar(u'\t') : c == u'n' ? QChar(u'\n') : c;
        } else {
            out += s[i];
        }
    }
    return out;
}

// row <TAB> column <TAB> N|T <TAB> value; numbers are shortest decimal reprs, read exactly.
CellMap expectedCells(const QString& name)
{
    CellMap cells;
    const QString text = QString::fromUtf8(referenceBytes(name + ".expected.tsv"));
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(u'\t');
        if (f.size() < 4)
            continue;
        const QString value = line.section(u'\t', 3);
        const std::pair key{f[0].toInt(), f[1].toInt()};
        if (f[2] == u"N") {
            const std::string s = value.toStdString();
            double d = 0;
            std::from_chars(s.data(), s.data() + s.size(), d);
            cells[key] = {SheetCell::Kind::Number, std::bit_cast<std::uint64_t>(d), {}};
        } else {
            cells[key] = {SheetCell::Kind::Text, 0, unescape(value)};
        }
    }
    return cells;
}

class ReferenceWorkbook : public ::testing::TestWithParam<const char*> {};

TEST_P(ReferenceWorkbook, LoadsExactlyTheExpectedCellsOfItsFirstSheet)
{
    const QString name = QString::fromLatin1(GetParam());
    const QByteArray bytes = referenceBytes(name + ".xls");
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(looksLikeXls(bytes));

    const SheetReadResult result = readXls(bytes);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    int duplicates = 0;
    const CellMap got = cellMap(result.sheet, &duplicates);
    EXPECT_EQ(duplicates, 0);

    const CellMap expected = expectedCells(name);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(got.size(), expected.size());
    for (const auto& [at, value] : expected) {
        const auto it = got.find(at);
        if (it == got.end()) {
            ADD_FAILURE() << "cell " << at.first << "," << at.second << " missing";
            continue;
        }
        EXPECT_EQ(it->second, value) << "cell " << at.first << "," << at.second << ": got "
                                     << describe(it->second) << ", expected " << describe(value);
    }
    for (const auto& [at, value] : got)
        EXPECT_TRUE(expected.count(at)) << "unexpected cell " << at.first << "," << at.second << " "
                                        << describe(value);
}

INSTANTIATE_TEST_SUITE_P(SavedByLibreOffice, ReferenceWorkbook,
                         ::testing::Values("lo-values", "lo-formulas", "lo-twosheets", "lo-longtext",
                                           "lo-full"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;  // "lo-values" -> "lo_values"
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
