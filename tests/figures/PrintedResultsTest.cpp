// The fit's results printed on the chart belong to the line that is shown: every way the page
// hides, keeps or brings back the current figure's line takes the printed results along.
#include "FigurePageFixture.h"

#include "figures/ControlGroups.h"

#include <functional>

using namespace tallox;

class PrintedResultsTest : public FigurePageTest {
protected:
    // Figure 1 of (1, 3), (2, 5), (3, 7) with its fit y = 2x + 1 drawn, as a fit leaves it.
    void SetUp() override
    {
        FigurePageTest::SetUp();
        fillColumn(1, {1, 2, 3});
        fillColumn(2, {3, 5, 7});
        fillColumn(3, {9, 9, 9});
        fillColumn(4, {0.1, 0.1, 0.1});
        ui.AddFigure_Button->click();
        fit(0);
        ASSERT_EQ(chart->canvasTextCount(), 12);
    }

    void fit(int slot)
    {
        danewykresu& f = figures.record(slot);
        f.RegressionDone = true;
        f.RegA = 2;
        f.RegB = 1;
        page->showFittedLine(slot);
    }

    // A figure list with a second entry, as more figures would give.
    void offerSecondFigure() { ui.NrWykresu_ComboBox->addItem(QStringLiteral("2")); }
};

TEST_F(PrintedResultsTest, ResultsFollowTheCurrentFiguresShownLineOnEveryPath)
{
    struct Path {
        const char* what;
        std::function<void()> act;
        bool lineShown;  // the current figure's line afterwards
    };
    const std::vector<Path> paths = {
        {"Akceptuj Ustawienia", [&] { ui.Akceptuj_Button->click(); }, false},
        {"Usuń", [&] { ui.RemoveFigure_Button->click(); }, false},
        {"Regresja widoczna: Nie", [&] { choose(ui.WidocznaRegresja_ComboBox, 1); }, false},
        {"Regresja widoczna: Nie, then Tak",
         [&] {
             choose(ui.WidocznaRegresja_ComboBox, 1);
             choose(ui.WidocznaRegresja_ComboBox, 0);
         },
         true},
        {"X kind: Takie same", [&] { choose(ui.TypNiepX_ComboBox, 1); }, true},
        {"Y value typed",
         [&] {
             choose(ui.TypNiepY_ComboBox, 1);
             enter(ui.NiepY_Edit, "0,5");
         },
         true},
        {"Y column of uncertainties chosen (points loaded again)",
         [&] { choose(ui.NrKolumnyNiepewnosciY_ComboBox, 3); }, true},
        {"Y data column changed (points loaded again)", [&] { choose(ui.NrKolumnyDanychY_ComboBox, 2); }, true},
        {"Wykres widoczny: Nie (the line stays)", [&] { choose(ui.WidocznyWykres_ComboBox, 1); }, true},
        {"another figure, without a fit",
         [&] {
             offerSecondFigure();
             ui.NrWykresu_ComboBox->setCurrentIndex(1);
         },
         false},
        {"another figure with its own fit, then figure 1 again",
         [&] {
             offerSecondFigure();
             ui.NrWykresu_ComboBox->setCurrentIndex(1);
             fit(1);
             ui.NrWykresu_ComboBox->setCurrentIndex(0);
         },
         true},
        {"another figure whose fit was hidden",
         [&] {
             offerSecondFigure();
             ui.NrWykresu_ComboBox->setCurrentIndex(1);
             fit(1);
             choose(ui.WidocznaRegresja_ComboBox, 1);
             ui.NrWykresu_ComboBox->setCurrentIndex(0);
             ui.NrWykresu_ComboBox->setCurrentIndex(1);
         },
         false},
        {"no figure chosen", [&] { ui.NrWykresu_ComboBox->setCurrentIndex(-1); }, false},
    };
    for (const Path& path : paths) {
        SCOPED_TRACE(path.what);
        TearDown();
        SetUp();
        path.act();
        const int s = page->currentSlot();
        const bool shown = s >= 0 && chart->series(Chart::firstLineSeries + s).isActive()
                           && figures.record(s).RegressionShown;
        EXPECT_EQ(shown, path.lineShown);
        // Six captions and six values, once, while the line shows; nothing otherwise.
        EXPECT_EQ(chart->canvasTextCount(), path.lineShown ? 12 : 0);
    }
}

TEST(ControlGroupsTest, AGroupSwitchesAndPaintsItsMembersAndRefusesAMissingOne)
{
    ControlGroups groups;
    QWidget owner;
    auto* a = new QLineEdit(&owner);
    auto* b = new QComboBox(&owner);
    auto* other = new QLineEdit(&owner);
    groups.add(ControlGroup::AxisFields, {a, b});
    groups.add(ControlGroup::ExerciseInputs, other);
    groups.setEnabled(ControlGroup::AxisFields, false);
    groups.paint(ControlGroup::AxisFields, false);
    EXPECT_FALSE(a->isEnabled());
    EXPECT_FALSE(b->isEnabled());
    EXPECT_TRUE(other->isEnabled());
    EXPECT_EQ(a->palette().color(QPalette::Base), buttonFaceColour());
    EXPECT_EQ(b->palette().color(QPalette::Button), buttonFaceColour());
    groups.paint(ControlGroup::AxisFields, true);
    EXPECT_EQ(a->palette().color(QPalette::Base), windowColour());
#ifdef QT_NO_DEBUG  // a debug build stops at the assertion already
    EXPECT_THROW(groups.add(ControlGroup::AxisPageControls, nullptr), std::logic_error);
#endif
    EXPECT_TRUE(groups.members(ControlGroup::AxisPageControls).empty());
}
