// Result values and the texts made from them: what the labels and the list rows show.
#include "analyses/AnalysisResults.h"

#include <QVariant>

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

namespace {

// The report-notation text of every kind of result, and of a row's value as the lists hold it.
TEST(AnalysisResults, ReportTextOfEveryKindOfResult)
{
    using namespace tallox;
    const FitAxis axis{1, QStringLiteral("A"), UncertaintyKind::None, {}, {}};
    FitResult fit{stats::FitMethod::Classical, QStringLiteral("Klasyczna"), 0, axis, axis,
                  13.6048L, 6.9812L, 0.9163L, 0.6L, 0.99405871234L, std::nullopt};
    FitResult twoPoints = fit;
    twoPoints.sa.reset();
    twoPoints.sb.reset();
    const struct {
        const char* what;
        QVariant value;
        QString expected;
    } cases[] = {
        {"mean", QVariant::fromValue(MeanRow{MeanResult{2, 5, 15.1234L, 2.9L, 1.23L}}),
         QStringLiteral("x̄ (B) = 15.1 ± 1.3")},
        {"weighted mean", QVariant::fromValue(MeanRow{WeightedMeanResult{2, 4, 5, 15.1321L, 0.0663L, 1.2L}}),
         QStringLiteral("x̄w (B, D) = 15.132 ± 0.067")},
        {"mean of series", QVariant::fromValue(MeanRow{SeriesMeanResult{QStringLiteral("A,D,K-N"), 15.1321L, 0.0663L, 0.4L}}),
         QStringLiteral("x̄w (A,D,K-N) = 15.132 ± 0.067")},
        {"planning", QVariant::fromValue(PlanningResult{3, QStringLiteral("2"), QStringLiteral("0.1"), 5, 9.87L, 0.4321L, 12}),
         QStringLiteral("n (C) = 12; x (C) = 9.87 ± 0.44")},
        {"fit", QVariant::fromValue(fit), QStringLiteral("a = 13.60 ± 0.92; b = 6.98 ± 0.60; r = 0.9940587")},
        {"fit of two points", QVariant::fromValue(twoPoints),
         QStringLiteral("a = 13.6048000000; b = 6.9812000000; r = 0.9940587")},
        {"graphical method", QVariant::fromValue(GraphicalResult{0, {1.5L, 0}, {0.5L, 2}}),
         QStringLiteral("a = 1.00 ± 0.50; b = 1.0 ± 1.0")},
        {"no result", QVariant(), QString()},
        {"a value of another kind", QVariant(42), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reportTextOf(c.value), c.expected) << c.what;
}

} // namespace
