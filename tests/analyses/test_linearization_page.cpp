// The page "Linearyzacja / Transformacja" inside the whole program: a figure plotted on the
// figures page, linearized by a law or transformed, fitted, listed and shown.
#include "analyses/test_regression_fixture.h"

#include "analyses/AnalysesPage.h"
#include "analyses/LinearizationPage.h"
#include "figures/FigureTable.h"
#include "worksheet/cells/SheetShape.h"

#include <QFrame>
#include <cmath>
#include <random>

namespace {

using tallox::transUncertaintyXColumn;
using tallox::transXColumn;
using tallox::transYColumn;

class LinearizationPageTest : public RegressionPageTest {
protected:
    void SetUp() override
    {
        RegressionPageTest::SetUp();
        lin = form().Analizy_TabSheet->linearizationPage;
        ASSERT_NE(lin, nullptr);
    }

    // "LINEARYZUJ" by a law (0 power .. 3 hyperbolic), earlier boxes forgotten.
    void linearize(int law)
    {
        choose(lin->TransformacjaDanych_TakNie_ComboBox, 0);
        lin->TypLinearyzacji_ComboBox->setCurrentIndex(law);
        messages.clear();
        lin->Linearyzacja_Button->click();
    }

    // "TRANSFORMUJ" with the X and Y pickers' indexes.
    void transform(int onX, int onY)
    {
        choose(lin->TransformacjaDanych_TakNie_ComboBox, 1);
        lin->TypTransformacjiDanychX_ComboBox->setCurrentIndex(onX);
        lin->TypTransformacjiDanychY_ComboBox->setCurrentIndex(onY);
        messages.clear();
        lin->Linearyzacja_Button->click();
    }

    bool empty(int row, int column) { return form().F1Book1->CellType(row, column) == TF1Book::Empty; }
    double cell(int row, int column) { return form().F1Book1->CellNumber(row, column); }
    const danewykresu& figure() { return form().figureTable().record(0); }
    tallox::ChartSeries& points() { return chart->series(0); }

    LinearizationPage* lin = nullptr;
};

TEST_F(LinearizationPageTest, StartStateAndModeSwitch)
{
    EXPECT_EQ(lin->NrWykresudoLinearyzacji_ComboBox->currentText(), QStringLiteral("1"));
    EXPECT_EQ(lin->TransformacjaDanych_TakNie_ComboBox->currentText(), QStringLiteral("Tak"));
    EXPECT_EQ(lin->TypLinearyzacji_ComboBox->itemText(2), QStringLiteral("Logarytmiczna o podstawie e"));
    EXPECT_EQ(lin->TypLinearyzacji_ComboBox->currentText(), QStringLiteral("Potęgowa"));
    EXPECT_EQ(lin->TypTransformacjiDanychX_ComboBox->itemText(4), QStringLiteral("1 / ( X^2 )"));
    EXPECT_EQ(lin->TypTransformacjiDanychY_ComboBox->itemText(2), QStringLiteral("Sqrt ( Y )"));
    EXPECT_EQ(lin->TypTransformacjiDanychX_ComboBox->currentText(), QStringLiteral("Brak"));
    EXPECT_EQ(lin->TypTransformacjiDanychY_ComboBox->currentText(), QStringLiteral("Brak"));
    EXPECT_TRUE(lin->TransformacjaDanych_Nie_Panel->isVisibleTo(lin));
    EXPECT_FALSE(lin->TransformacjaDanych_Tak_Panel->isVisibleTo(lin));
    EXPECT_EQ(lin->WspolczynnikApoLinearyzacji_Label->text(), QString());
    for (QLabel* hidden : {lin->InfoTransformacja1_Label, lin->InfoTransformacja2_Label,
                           lin->ParametryFunkcji_Label, lin->ParametrFunkcji1_Label})
        EXPECT_FALSE(hidden->isVisibleTo(lin)) << hidden->objectName().toStdString();

    const QString linearized = QStringLiteral("Wartości współczynników korelacji po linearyzacji:");
    EXPECT_EQ(lin->Linearyzacja_Button->text(), QStringLiteral("LINEARYZUJ"));
    EXPECT_EQ(lin->PoLinearyzacji_Label->text(), linearized);
    choose(lin->TransformacjaDanych_TakNie_ComboBox, 1);
    EXPECT_EQ(lin->Linearyzacja_Button->text(), QStringLiteral("TRANSFORMUJ"));
    EXPECT_EQ(lin->Linearyzacja_Button->toolTip(), QStringLiteral("Transformacja danych + Regresja efektywna"));
    EXPECT_EQ(lin->PoLinearyzacji_Label->text(), QStringLiteral("Wartości współczynników korelacji po transformacji:"));
    EXPECT_TRUE(lin->TransformacjaDanych_Tak_Panel->isVisibleTo(lin));
    EXPECT_FALSE(lin->TransformacjaDanych_Nie_Panel->isVisibleTo(lin));
    choose(lin->TransformacjaDanych_TakNie_ComboBox, 0);
    EXPECT_EQ(lin->Linearyzacja_Button->text(), QStringLiteral("LINEARYZUJ"));
    EXPECT_EQ(lin->PoLinearyzacji_Label->text(), linearized);
}

TEST_F(LinearizationPageTest, PowerLawMovesPointsAndFillsTheTransformColumns)
{
    fillColumn(1, {1, 2, 4});
    fillColumn(2, {2, 8, 32});
    plot();
    linearize(0);
    EXPECT_EQ(shownBoxes(), "");
    const double lx[] = {0, std::log(2.0), std::log(4.0)}, ly[] = {std::log(2.0), std::log(8.0), std::log(32.0)};
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(cell(i + 1, transXColumn), lx[i]);
        EXPECT_DOUBLE_EQ(cell(i + 1, transYColumn), ly[i]);
        EXPECT_DOUBLE_EQ(points().x(i), lx[i]);
        EXPECT_DOUBLE_EQ(points().y(i), ly[i]);
    }
    EXPECT_EQ(figure().DataColumnX, transXColumn);
    EXPECT_EQ(figure().DataColumnY, transYColumn);
    EXPECT_TRUE(figure().LinByFunction);
    EXPECT_EQ(figure().LinFunction, tallox::LinearizationLaw::Power);
    // ln y = 2·ln x + ln 2, the row listed and the line drawn over the moved points.
    EXPECT_EQ(lin->WspolczynnikApoLinearyzacji_Label->text(), QStringLiteral("2.000000"));
    EXPECT_EQ(lin->WspolczynnikBpoLinearyzacji_Label->text(), QStringLiteral("0.693147"));
    EXPECT_EQ(lin->WspolczynnikRpoLinearyzacji_Label->text(), QStringLiteral("1.000000"));
    ASSERT_EQ(page->Regresja_ListView->rowCount(), 1);
    EXPECT_EQ(row(0).mid(0, 4), (QStringList{"Efektywna", "1", "Trans X", "Trans Y"}));
    EXPECT_TRUE(line().isActive());
    EXPECT_DOUBLE_EQ(line().x(0), 0.0);
    EXPECT_TRUE(lin->InfoTransformacja2_Label->isVisibleTo(lin));
    EXPECT_EQ(lin->InfoTransformacja2_Label->text(),
              QStringLiteral("natomiast transformowane niepewności w kolumnach 'Trans niep X',  'Trans niep Y'."));
    EXPECT_EQ(lin->ParametryFunkcji_Label->text(), QStringLiteral("Parametry funkcji: y = C·x^n"));
}

// y = 3·x^1.5 with 2 % scatter and each y's uncertainty 2 % of it: carried through ln y (u/y, so
// 0.02 on ln y) the page reads n and C back with uncertainties that cover 1.5 and 3.
TEST_F(LinearizationPageTest, PowerLawParametersWithUncertainties)
{
    std::mt19937_64 random(7);
    std::normal_distribution<double> scatter(0, 0.02);
    for (int row = 1; row <= 30; ++row) {
        const double x = 0.5 * row;
        form().F1Book1->setCellNumber(row, 1, x);
        const double y = 3 * std::pow(x, 1.5) * (1 + scatter(random));
        form().F1Book1->setCellNumber(row, 2, y);
        form().F1Book1->setCellNumber(row, 3, 0.02 * y);
    }
    plot();
    columnUncertainty(false, 3);
    linearize(0);
    EXPECT_EQ(shownBoxes(), "");
    // The Y uncertainties in the law's coordinates: u(ln y) = u(y)/y, per point in column 26.
    for (int row : {1, 17, 30})
        EXPECT_NEAR(form().F1Book1->CellNumber(row, 26), 0.02, 1e-12);
    EXPECT_EQ(form().figureTable().record(0).UncColumnY, 26);
    const QString n = lin->ParametrFunkcji1_Label->text(), c = lin->ParametrFunkcji2_Label->text();
    ASSERT_TRUE(n.startsWith(QStringLiteral("n = "))) << n.toStdString();
    ASSERT_TRUE(c.startsWith(QStringLiteral("C = "))) << c.toStdString();
    for (const auto& [text, truth] : {std::pair{n, 1.5}, std::pair{c, 3.0}}) {
        const QStringList parts = text.mid(4).split(QStringLiteral(" ± "));
        ASSERT_EQ(parts.size(), 2) << text.toStdString();
        QString digits = parts[1];
        digits.remove(u'.');
        while (digits.startsWith(u'0'))
            digits.remove(0, 1);
        EXPECT_EQ(digits.size(), 2) << text.toStdString();  // two significant digits
        EXPECT_NEAR(parts[0].toDouble(), truth, 2.5 * parts[1].toDouble()) << text.toStdString();
    }
    EXPECT_TRUE(lin->ParametrFunkcji2_Label->isVisibleTo(lin));
    // A transformation has no law: the block goes away.
    transform(0, 0);
    EXPECT_FALSE(lin->ParametryFunkcji_Label->isVisibleTo(lin));
    EXPECT_EQ(lin->ParametrFunkcji1_Label->text(), QString());
}

TEST_F(LinearizationPageTest, ExponentialCopiesXAndHyperbolicRefusesZero)
{
    fillColumn(1, {0, 1, 2});
    fillColumn(2, {1, 3, 5});
    plot();
    linearize(1);
    EXPECT_EQ(shownBoxes(), "");
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(cell(row, transXColumn), cell(row, 1));
    EXPECT_EQ(figure().DataColumnX, 1);
    EXPECT_EQ(figure().DataColumnY, transYColumn);

    linearize(3);
    EXPECT_EQ(shownBoxes(), "Błąd transformacji danych!|Nieprawidłowy argument x dla funkcji \"1/x\"");
    EXPECT_TRUE(empty(1, transXColumn));
    EXPECT_EQ(cell(2, transXColumn), 1.0);
    EXPECT_EQ(cell(3, transXColumn), 0.5);
    EXPECT_EQ(points().x(0), 0.0);  // the refused point keeps its value
    EXPECT_EQ(figure().DataColumnX, transXColumn);
    EXPECT_EQ(figure().DataColumnY, 2);  // the re-acceptance took B again
    EXPECT_EQ(figure().LinFunction, tallox::LinearizationLaw::Hyperbolic);
}

TEST_F(LinearizationPageTest, SquareOfXCarriesTheCommonUncertainty)
{
    fillColumn(1, {1, 2, 3, 4});
    fillColumn(2, {1.1, 3.9, 9.2, 15.8});
    plot();
    commonUncertainty(true, QStringLiteral("0.1"));
    transform(1, 0);
    for (int row = 1; row <= 4; ++row) {
        EXPECT_DOUBLE_EQ(cell(row, transXColumn), row * row);
        EXPECT_DOUBLE_EQ(cell(row, transUncertaintyXColumn), 0.2 * row);
        EXPECT_DOUBLE_EQ(points().x(row - 1), row * row);
    }
    EXPECT_TRUE(empty(1, transYColumn));
    EXPECT_EQ(figure().UncKindX, tallox::stats::UncertaintyKind::PerPoint);
    EXPECT_EQ(figure().UncColumnX, transUncertaintyXColumn);
    EXPECT_EQ(figure().DataColumnX, transXColumn);
    EXPECT_FALSE(figure().LinByFunction);
    EXPECT_EQ(page->Regresja_ListView->rowCount(), 1);
    EXPECT_EQ(lin->WspolczynnikApoLinearyzacji_Label->text().size(), 8);  // "0.9xxxxx": 6 decimals
    EXPECT_FALSE(lin->ParametryFunkcji_Label->isVisibleTo(lin));

    // Both pickers at "Brak": nothing written, the figure as accepted, its fit still listed.
    transform(0, 0);
    for (int column = transXColumn; column <= tallox::sheetColumns; ++column)
        EXPECT_TRUE(empty(1, column)) << column;
    EXPECT_EQ(figure().DataColumnX, 1);
    EXPECT_EQ(figure().UncKindX, tallox::stats::UncertaintyKind::Common);
    EXPECT_EQ(points().x(1), 2.0);
    EXPECT_EQ(page->Regresja_ListView->rowCount(), 2);
}

// Per-point uncertainties carried through Y²; a second run starts again from column C, not
// from the transform column the first one filled and the second one emptied.
TEST_F(LinearizationPageTest, PerPointUncertaintiesAgainOnTheNextRun)
{
    fillColumn(1, {1, 2, 3});
    fillColumn(2, {1, 2, 4});
    fillColumn(3, {0.1, 0.2, 0.3});
    plot();
    columnUncertainty(false, 3);
    for (int run = 0; run < 2; ++run) {
        transform(0, 1);
        EXPECT_EQ(shownBoxes(), "") << run;
        EXPECT_DOUBLE_EQ(cell(3, tallox::transUncertaintyYColumn), 0.3 * 8);
        EXPECT_DOUBLE_EQ(cell(3, transYColumn), 16);
        EXPECT_EQ(figure().UncColumnY, tallox::transUncertaintyYColumn);
    }
}

// A whole column outside the logarithm's domain: the box once, no cell filled, the points kept.
TEST_F(LinearizationPageTest, ColumnOfRefusedValuesGivesOneBox)
{
    for (int row = 1; row <= 200; ++row) {
        form().F1Book1->setCellNumber(row, 1, row);
        form().F1Book1->setCellNumber(row, 2, -0.5 * row - (row % 3));
    }
    plot();
    transform(0, 5);
    EXPECT_EQ(shownBoxes(), "Błąd transformacji danych!|Nieprawidłowy argument y dla funkcji \"ln\"");
    for (int row : {1, 100, 200}) {
        EXPECT_TRUE(empty(row, transYColumn));
        EXPECT_TRUE(empty(row, tallox::transUncertaintyYColumn));
        EXPECT_EQ(points().y(row - 1), cell(row, 2));
    }
    // Square roots of the same column: the same single box, with the function's name.
    transform(0, 2);
    EXPECT_EQ(shownBoxes(), "Błąd transformacji danych!|Nieprawidłowy argument y dla funkcji \"sqrt\"");
}

} // namespace
