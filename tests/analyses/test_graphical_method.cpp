// The regression page's graphical method end to end: the extreme lines of a figure's boxes,
// their labels and dashed lines, the lines going with the figure's changes, and the refusals.
#include "analyses/test_regression_fixture.h"

#include "analyses/AnalysisResults.h"
#include "common/Messages.h"

#include <QGroupBox>

namespace {

class GraphicalMethodTest : public RegressionPageTest {
protected:
    QStringList graphicalLabels() const
    {
        return {page->AMin_Wynik_Label->text(), page->AMax_Wynik_Label->text(),
                page->AGraficzna_Wynik_Label->text(), page->BGraficzna_Wynik_Label->text()};
    }
    void runGraphical()
    {
        messages.clear();
        page->ProsteGraniczne_Button->click();
    }
    // (1, 2), (2, 3), (3, 4) with Y uncertainty 0.5.
    void textbookFigure()
    {
        fillColumn(1, {1, 2, 3});
        fillColumn(2, {2, 3, 4});
        plot();
        commonUncertainty(false, QStringLiteral("0.5"));
    }
};

TEST_F(GraphicalMethodTest, TextbookExampleGivesLabelsAndTwoDashedLines)
{
    EXPECT_EQ(page->MetodaGraficzna_GroupBox->title(), QStringLiteral("Metoda graficzna"));
    EXPECT_EQ(page->ProsteGraniczne_Button->text(), QStringLiteral("Proste graniczne"));
    EXPECT_EQ(graphicalLabels(), QStringList(4, QString())); // empty until the first run
    textbookFigure();
    runGraphical();
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(graphicalLabels(), (QStringList{"0.5000000000", "1.5000000000", "a = 1.00 ± 0.50",
                                              "b = 1.0 ± 1.0"}));
    const std::vector<tallox::OverlayLine> lines = chart->overlayLines();
    ASSERT_EQ(lines.size(), 2u);
    // The steepest through (1, 1.5) and (3, 4.5), the least steep through (1, 2.5) and (3, 3.5).
    EXPECT_EQ(lines[0].from, QPointF(1, 1.5));
    EXPECT_EQ(lines[0].to, QPointF(3, 4.5));
    EXPECT_EQ(lines[1].from, QPointF(1, 2.5));
    EXPECT_EQ(lines[1].to, QPointF(3, 3.5));
    EXPECT_EQ(lines[0].color, chart->series(0).penColor());
    // No series position taken: every fitted-line position is as it was.
    EXPECT_FALSE(line().isActive());
    ASSERT_TRUE(page->graphicalResult());
    EXPECT_EQ(page->graphicalResult()->figure, 0);
}

TEST_F(GraphicalMethodTest, LinesGoWithAFitAReacceptanceAHiddenFigureAndNewData)
{
    textbookFigure();
    const struct {
        const char* what;
        std::function<void()> change;
    } changes[] = {
        {"a fit", [this] { run(0); }},
        {"the figure accepted again", [this] { figureControl<QPushButton>("Akceptuj_Button")->click(); }},
        {"the figure hidden", [this] { choose(figureControl<QComboBox>("WidocznyWykres_ComboBox"), 1); }},
        {"Nowe Dane", [this] {
             answers.push_back(tallox::MessageAnswer::Yes);
             form().NewDane_ButtonClick();
         }},
    };
    for (const auto& c : changes) {
        choose(figureControl<QComboBox>("WidocznyWykres_ComboBox"), 0);
        runGraphical();
        ASSERT_EQ(chart->overlayLines().size(), 2u) << c.what;
        c.change();
        EXPECT_TRUE(chart->overlayLines().empty()) << c.what;
        EXPECT_FALSE(page->graphicalResult()) << c.what;
    }
}

TEST_F(GraphicalMethodTest, BadFiguresAreRefusedWithTheirBox)
{
    const struct {
        const char* what;
        std::initializer_list<std::optional<double>> x, y;
        std::string box;
    } cases[] = {
        {"one point", {1}, {2}, "Metoda graficzna|Metoda graficzna wymaga co najmniej dwóch punktów !"},
        {"a bent row", {1, 2, 3}, {0, 5, 0},
         "Metoda graficzna|Żadna prosta nie przechodzi przez wszystkie prostokąty niepewności !"},
        {"one vertical", {2, 2, 2}, {1, 2, 3},
         "Metoda graficzna|Prostokąty niepewności pozwalają na dowolnie stromą prostą - nachylenie "
         "nie jest ograniczone !"},
    };
    for (const auto& c : cases) {
        form().F1Book1->ClearRange(1, 1, 200, 26, TF1Book::ClearKind::All);
        fillColumn(1, c.x);
        fillColumn(2, c.y);
        if (figureControl<QPushButton>("AddFigure_Button")->isEnabled())
            plot();
        else
            figureControl<QPushButton>("Akceptuj_Button")->click();
        runGraphical();
        EXPECT_EQ(shownBoxes(), c.box) << c.what;
        EXPECT_EQ(graphicalLabels(), QStringList(4, QString())) << c.what;
        EXPECT_TRUE(chart->overlayLines().empty()) << c.what;
    }
}

TEST_F(GraphicalMethodTest, NoFigureGivesThePagesOwnMessage)
{
    runGraphical();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Brak punktów w wykresie !"));
}

} // namespace
