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

CellMap expectedCells(const QString& name)
{
    return expectedCellsFile(referenceDir() + "/" + name + ".expected.tsv");
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
