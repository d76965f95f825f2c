// Weighted and effective fits through the window, and the NIST Norris set fitted from two typed
// columns.
//
// The expected values of the cases marked "independent" were computed outside this program: the
// written sums and formulas evaluated in exact rational arithmetic (Python's fractions) on the
// decimal data, the square roots in 40-digit decimals, then rounded to 10 decimals.
#include "analyses/test_regression_fixture.h"
#include "figures/FigureTable.h"

#include <QFile>
#include <QTextStream>

namespace {

const QString kNone = QStringLiteral("----------");

// X 1..5 and a slightly scattered Y, the data of the independent cases.
class RegressionFitsTest : public RegressionPageTest {
protected:
    void scatteredData()
    {
        fillColumn(1, {1, 2, 3, 4, 5});
        fillColumn(2, {2.1, 3.9, 6.2, 7.8, 10.1});
    }
};

TEST_F(RegressionFitsTest, WeightedByTheDominatingAxis)
{
    // R_x ≈ 0.0023 against R_y ≈ 0.57: Y dominates, every weight 1/0.5².
    fillColumn(1, {1, 2, 3, 4, 5});
    fillColumn(2, {2, 4, 6, 8, 10});
    fillColumn(3, {0.5, 0.5, 0.5, 0.5, 0.5});
    plot();
    commonUncertainty(true, QStringLiteral("0.001"));
    columnUncertainty(false, 3);
    run(1);
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(page->Ostatnie_Analizy_Regresji_Label->text(),
              QStringLiteral("Ostatnie analizy to Regresja Ważona po Y"));
    EXPECT_EQ(row(0), (QStringList{"Ważona po Y", "1", "A", "B", "0.001", "C", "2.0000000000",
                                   "0.0000000000", "0.0000000000", "0.0000000000",
                                   "1.0000000000", "0.0000000000"}));
    EXPECT_EQ(form().figureTable().record(0).RegressionKind, tallox::stats::FitMethod::Weighted);
}

TEST_F(RegressionFitsTest, WeightedIndependentCases)
{
    // Each point weighs by its own Y uncertainty.
    scatteredData();
    fillColumn(3, {0.1, 0.2, 0.1, 0.4, 0.2});
    plot();
    commonUncertainty(true, QStringLiteral("0.001"));
    columnUncertainty(false, 3);
    run(1);
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(labels(), (QStringList{"2.0123367199", "0.0833091437", "0.0441833815",
                                     "0.1179121202", "0.9992776676", "0.8201499758"}));

    // Y uncertainties only (X "Brak"), one of them an empty cell: no message, that point
    // weighs 1.
    choose(figureControl<QComboBox>("TypNiepX_ComboBox"), 0);
    form().F1Book1->setCellText(2, 3, QString());
    run(1);
    // The fit says nothing (the boxes drawn again afterwards speak of the empty cell).
    EXPECT_EQ(shownBoxes().find("Regresji"), std::string::npos) << shownBoxes();
    EXPECT_EQ(page->Regresja_ListView->subItem(1, 0), QStringLiteral("Ważona po Y"));
    EXPECT_EQ(page->Regresja_ListView->subItem(1, 4), kNone);
    EXPECT_EQ(labels(), (QStringList{"2.0078273214", "0.1155191327", "0.0323156291",
                                     "0.0881723164", "0.9996116612", "0.4355090233"}));
}

TEST_F(RegressionFitsTest, WeightedRefusals)
{
    fillColumn(1, {1, 2, 3});
    fillColumn(2, {2, 4, 6});
    plot();
    // R_x = 0.1·(1 + 1/2 + 1/3) equals R_y = 0.2·(1/2 + 1/4 + 1/6): neither dominates.
    commonUncertainty(true, QStringLiteral("0.1"));
    commonUncertainty(false, QStringLiteral("0.2"));
    run(1);
    EXPECT_EQ(shownBoxes(), "Ostrzeżenie Regresji Ważonej!|Brak zasadności stosowania Regresji "
                           "Ważonej! Zastosuj Regresję Efektywną!");

    // A one-value uncertainty of 0 stops either fit before any fitting.
    commonUncertainty(true, QStringLiteral("0"));
    run(1);
    EXPECT_EQ(shownBoxes(), "Ostrzeżenie Regresji Ważonej!|Zerowa niepewność dla x?");
    run(2);
    EXPECT_EQ(shownBoxes(), "Ostrzeżenie Regresji Efektywnej!|Zerowa niepewność dla X?");
    EXPECT_EQ(page->Regresja_ListView->rowCount(), 0);
    EXPECT_FALSE(form().figureTable().record(0).RegressionDone);
}

TEST_F(RegressionFitsTest, EffectiveWorkedCase)
{
    // P = uy² + a0²·ux² = 0.04 + 4·0.01 = 0.08, every weight 12.5: S = 37.5, Dx = 937.5,
    // sa = √(S/Dx) = 0.2, sb = √(Sxx/S)·sa = √(14/3)·0.2.
    fillColumn(1, {1, 2, 3});
    fillColumn(2, {2, 4, 6});
    plot();
    commonUncertainty(true, QStringLiteral("0.1"));
    commonUncertainty(false, QStringLiteral("0.2"));
    run(2);
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(labels(), (QStringList{"2.0000000000", "0.0000000000", "0.2000000000",
                                     "0.4320493799", "1.0000000000", "0.0000000000"}));
    EXPECT_EQ(page->Ostatnie_Analizy_Regresji_Label->text(),
              QStringLiteral("Ostatnie analizy to Regresja Efektywna"));
    EXPECT_EQ(row(0).mid(0, 6), (QStringList{"Efektywna", "1", "A", "B", "0.1", "0.2"}));
    EXPECT_EQ(line().count(), 200);
}

TEST_F(RegressionFitsTest, EffectiveIndependentCases)
{
    // Per-point uncertainties on both axes (independent).
    scatteredData();
    fillColumn(3, {0.1, 0.2, 0.1, 0.4, 0.2});
    fillColumn(4, {0.05, 0.1, 0.05, 0.1, 0.05});
    plot();
    columnUncertainty(true, 4);
    columnUncertainty(false, 3);
    run(2);
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(labels(), (QStringList{"2.0056784413", "0.0930687935", "0.0613969571",
                                     "0.1759214031", "0.9993260029", "0.4799930114"}));

    // No uncertainty at all: the classical fit of the same points, still named "Efektywna".
    choose(figureControl<QComboBox>("TypNiepX_ComboBox"), 0);
    choose(figureControl<QComboBox>("TypNiepY_ComboBox"), 0);
    run(2);
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(labels(), (QStringList{"1.9900000000", "0.0500000000", "0.0597215762",
                                     "0.1980740602", "0.9986517556", "0.0356666667"}));
    EXPECT_EQ(page->Regresja_ListView->subItem(1, 0), QStringLiteral("Efektywna"));
}

TEST_F(RegressionFitsTest, EffectiveWithZeroXColumnWarnsPerRowAndFitsClassically)
{
    scatteredData();
    fillColumn(3, {0, 0, 0, 0, 0});
    plot();
    columnUncertainty(true, 3);
    commonUncertainty(false, QStringLiteral("0.3"));
    run(2);
    // One warning a row from the fit, then the boxes' own warnings as they are drawn again.
    const std::vector<QString> shown = boxes();
    ASSERT_GE(shown.size(), 5u) << shownBoxes();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(shown[i], QStringLiteral("Ostrzeżenie Regresji Efektywnej!|Zerowa niepewność dla X!"));
    for (std::size_t i = 5; i < shown.size(); ++i)
        EXPECT_FALSE(shown[i].contains(QStringLiteral("Regresji"))) << shownBoxes();
    // Equal weights 1/uy²: the classical line.
    EXPECT_EQ(labels().mid(0, 2), (QStringList{"1.9900000000", "0.0500000000"}));
}

TEST_F(RegressionFitsTest, LinearizationModeStoresOnlyTheCoefficients)
{
    // The linearization's run checks the transform columns and keeps its results apart: the
    // figure's own fit, the labels, the list and the line stay untouched.
    fillColumn(1, {1, 2, 3});
    fillColumn(2, {1, 3, 2});
    plot();
    commonUncertainty(false, QStringLiteral("0.5"));
    messages.clear();
    page->Regresja_efektywna(RegressionPage::FitRun::Linearization);
    EXPECT_EQ(shownBoxes(), "");
    const danewykresu& figure = form().figureTable().record(0);
    EXPECT_DOUBLE_EQ(double(figure.LinA), 0.5);  // equal weights: the classical line
    EXPECT_DOUBLE_EQ(double(figure.LinB), 1.0);
    EXPECT_FALSE(figure.RegressionDone);
    EXPECT_EQ(figure.RegA, 0);
    EXPECT_EQ(page->Regresja_ListView->rowCount(), 0);
    EXPECT_EQ(labels(), QStringList(6, QString()));
    EXPECT_EQ(line().count(), 0);
}

// The certified values of NIST StRD Norris (36 points), fitted as a user would: the data typed
// into two columns, plotted and fitted classically.
TEST_F(RegressionFitsTest, NorrisThroughTheWindow)
{
    QFile file(QStringLiteral(TALLOX_TESTS_DIR "/data/nist/Norris.dat"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    int line = 0, row = 0;
    while (!in.atEnd()) {
        const QString text = in.readLine();
        if (++line < 61)
            continue;
        const QStringList fields = text.simplified().split(u' ', Qt::SkipEmptyParts);
        if (fields.size() != 2)
            continue;
        ++row;
        form().F1Book1->setCellNumber(row, 1, fields[1].toDouble());  // x
        form().F1Book1->setCellNumber(row, 2, fields[0].toDouble());  // y
    }
    ASSERT_EQ(row, 36);
    plot();
    run(0);
    EXPECT_EQ(shownBoxes(), "");
    // a, b and their deviations as certified; r = √R², chi-squared = (residual SD)².
    EXPECT_EQ(labels(), (QStringList{"1.0021168180", "-0.2623230738", "0.0004297968",
                                     "0.2328182343", "0.9999968729", "0.7828646626"}));
}

} // namespace
