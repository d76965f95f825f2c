#include "stats/ColumnSet.h"

#include <gtest/gtest.h>

namespace tallox::stats {
namespace {

using K = ColumnSetNoticeKind;
using Columns = std::vector<int>;

TEST(ColumnSet, LettersAndRangesAnyCase)
{
    const auto parse = parseColumnSet("a, d ,k-n");
    EXPECT_TRUE(parse.ok);
    EXPECT_EQ(parse.editText, "A,D,K-N");
    EXPECT_EQ(parse.columns, (Columns{1, 4, 11, 12, 13, 14}));
    EXPECT_TRUE(parse.notices.empty());
}

TEST(ColumnSet, WrongCharacterIsDroppedOnce)
{
    const auto parse = parseColumnSet("A1");
    EXPECT_TRUE(parse.ok);
    EXPECT_EQ(parse.columns, Columns{1});
    EXPECT_EQ(parse.notices, std::vector<K>{K::WrongCharacter});
    EXPECT_EQ(parse.editText, "A1");

    // A Polish letter is one character, so one message.
    const auto polish = parseColumnSet("Bą");
    EXPECT_TRUE(polish.ok);
    EXPECT_EQ(polish.columns, Columns{2});
    EXPECT_EQ(polish.notices, std::vector<K>{K::WrongCharacter});
    EXPECT_EQ(polish.editText, "Bą");
}

TEST(ColumnSet, TrailingCommasAndTwoLetterNames)
{
    for (const char* text : {"A,", "A,,"}) {
        const auto parse = parseColumnSet(text);
        EXPECT_TRUE(parse.ok) << text;
        EXPECT_EQ(parse.columns, Columns{1}) << text;
    }
    const auto twoLetters = parseColumnSet("AB,C");
    EXPECT_TRUE(twoLetters.ok);
    EXPECT_EQ(twoLetters.columns, (Columns{1, 3}));
}

TEST(ColumnSet, Failures)
{
    const auto open = parseColumnSet("A-");
    EXPECT_FALSE(open.ok);
    EXPECT_EQ(open.notices, std::vector<K>{K::Unparsable});

    const auto chained = parseColumnSet("A-B-C");
    EXPECT_FALSE(chained.ok);
    EXPECT_EQ(chained.notices, std::vector<K>{K::Unparsable});

    const auto blanks = parseColumnSet("   ");
    EXPECT_FALSE(blanks.ok);
    EXPECT_EQ(blanks.notices, (std::vector<K>{K::Empty, K::Unparsable}));
    EXPECT_EQ(blanks.editText, "   ");
}

TEST(ColumnSet, BackwardRangeMarksNothingButSucceeds)
{
    const auto parse = parseColumnSet("N-K");
    EXPECT_TRUE(parse.ok);
    EXPECT_TRUE(parse.columns.empty());
    EXPECT_EQ(parseColumnSet("c-e,z").columns, (Columns{3, 4, 5, 26}));
}

} // namespace
} // namespace tallox::stats
