// Result values and the texts made from them: what the labels and the list rows show.
#include "analyses/AnalysisResults.h"

#include <gtest/gtest.h>

namespace {

using namespace tallox;
using stats::UncertaintyKind;

const QString kNone = QStringLiteral("----------");

TEST(AnalysisResults, RowTextsOfEveryKindOfResult)
{
    const FitAxis x{1, QStringLiteral("A"), UncertaintyKind::Common, QStringLiteral("0.25"), {}};
    const FitAxis y{24, QStringLiteral("Trans Y"), UncertaintyKind::PerPoint, QStringLiteral("9"),
                    QStringLiteral("D")};
    const FitAxis bare{2, QStringLiteral("B"), UncertaintyKind::None, QStringLiteral("0.2"), {}};
    const struct {
        const char* what;
        QStringList texts;
        QStringList expected;
    } cases[] = {
        {"standard mean",
         rowTexts(MeanRow{MeanResult{12, 3, 2.5L, 0.5L, -0.25L}}),
         {"Standardowa", "12 (L)", kNone, "3", "2.5000000000", "0.5000000000", "-0.2500000000",
          kNone, ""}},
        {"weighted mean without a reduced chi-squared",
         rowTexts(MeanRow{WeightedMeanResult{1, 26, 1, 10, 0.5L, std::nullopt}}),
         {"Ważona", "1 (A)", "26 (Z)", "1", "10.0000000000", kNone, "0.5000000000", kNone, ""}},
        {"series mean",
         rowTexts(MeanRow{SeriesMeanResult{QStringLiteral("A,D,K-N"), 10.4L, 0.8L, 0.8L}}),
         {"Ważona z Serii", "A,D,K-N", kNone, kNone, "10.4000000000", kNone, "0.8000000000",
          "0.8000000000", ""}},
        {"planning keeps the typed texts",
         rowTexts(PlanningResult{3, QStringLiteral(" 2,6"), QStringLiteral("0.2"), 5, 1, 0.5L, 42}),
         {"3 (C)", " 2,6", "0.2", "5", "1.0000000000", "0.5000000000", "42"}},
        {"weighted fit with a common X and a per-point Y uncertainty",
         rowTexts(FitResult{stats::FitMethod::Weighted, fitName(stats::FitMethod::Weighted, stats::Axis::Y),
                            1, x, y, 2, -1, 0.125L, 0.25L, 0.5L, 1.5L}),
         {"Ważona po Y", "2", "A", "Trans Y", "0.25", "D", "2.0000000000", "-1.0000000000",
          "0.1250000000", "0.2500000000", "0.5000000000", "1.5000000000", ""}},
        {"two points leave no spread",
         rowTexts(FitResult{stats::FitMethod::Effective, fitName(stats::FitMethod::Effective, stats::Axis::X),
                            0, bare, bare, 0.5L, 1.5L, std::nullopt, std::nullopt, 1, std::nullopt}),
         {"Efektywna", "1", "B", "B", kNone, kNone, "0.5000000000", "1.5000000000", kNone, kNone,
          "1.0000000000", kNone, ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.texts, c.expected) << c.what;
    EXPECT_EQ(fitName(stats::FitMethod::Classical, stats::Axis::Y), QStringLiteral("Klasyczna"));
    EXPECT_EQ(fitName(stats::FitMethod::Weighted, stats::Axis::X), QStringLiteral("Ważona po X"));
}

TEST(AnalysisResults, AMeanRowsKindIsItsAlternative)
{
    EXPECT_EQ(kindOf(MeanRow{MeanResult{}}), MeanKind::Standard);
    EXPECT_EQ(kindOf(MeanRow{WeightedMeanResult{}}), MeanKind::Weighted);
    EXPECT_EQ(kindOf(MeanRow{SeriesMeanResult{}}), MeanKind::Series);
}

} // namespace
