// The axis page "Osie": titles, ranges, tick fields and their up-downs, grids and their menu items.
#include "FigurePageFixture.h"
#include "figures/AxisFieldText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QToolButton>

using namespace tallox;

namespace {

class AxisPageTest : public FigurePageTest {
protected:
    void SetUp() override
    {
        FigurePageTest::SetUp();
        savedLocale_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        // A figure of three points: the page is enabled and the axes span 0 to 10.
        fillColumn(1, {0, 5, 10});
        fillColumn(2, {0, 5, 10});
        ui.AddFigure_Button->click();
    }
    void TearDown() override
    {
        QLocale::setDefault(savedLocale_);
        FigurePageTest::TearDown();
    }
    QLocale savedLocale_;
    template <class T>
    T* named(const char* name) { return control<T>(*page, name); }
    QLineEdit* field(const char* name) { return named<QLineEdit>(name); }
    static void leave(QLineEdit* edit, const QString& text)
    {
        edit->setText(text);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(edit, &out);
    }
};

TEST(AxisFieldText, NumberFormsOfTheAxisFields)
{
    EXPECT_EQ(scientificBoundText(1.5), " 1.50000000000000E+0000");
    EXPECT_EQ(scientificBoundText(10.5), " 1.05000000000000E+0001");
    EXPECT_EQ(scientificBoundText(-0.00123), "-1.23000000000000E-0003");
    EXPECT_EQ(scientificBoundText(0), " 0.00000000000000E+0000");
    EXPECT_EQ(scientificBoundText(2.5e-300).size(), 23);
    EXPECT_EQ(scientificBoundText(1e300).size(), 23);

    for (const auto& [in, out] : {std::pair{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {7.6, 8}})
        EXPECT_EQ(roundHalfEven(in), out) << in;

    // A leading number is taken; a text that starts with none gives 0.
    EXPECT_DOUBLE_EQ(boundValue("2,5 cm"), 2.5);
    EXPECT_DOUBLE_EQ(boundValue("-3,25"), -3.25);
    EXPECT_DOUBLE_EQ(boundValue(" 1.05000000000000E+0001"), 10.5);
    EXPECT_DOUBLE_EQ(boundValue("cm 2"), 0);
    EXPECT_DOUBLE_EQ(fieldValue("-7"), 7);  // the cleanup deletes the sign
    EXPECT_DOUBLE_EQ(fieldValue("2 5"), 2.5);
    EXPECT_DOUBLE_EQ(fieldValue("1e999"), 0);
}

TEST_F(AxisPageTest, TickFieldsLimitRoundAndWriteBack)
{
    struct Case {
        const char* field;
        const char* upDown;
        bool onEnter;  // else on leaving the field
        const char* typed;
        const char* shown;
        int position;
        int (ChartAxis::*property)() const;
        bool leftAxis;
        int value;
    };
    const Case cases[] = {
        {"TicksMajorLenghtX_Edit", "TicksMajorLenghtX_UpDown", false, "150", "100", 100, &ChartAxis::tickLength, false, 100},
        {"TickMinorCountX_Edit", "TicksMinorCountX_UpDown", true, "7.6", "7,6", 8, &ChartAxis::minorTickCount, false, 8},
        {"TicksMinorLenghtY_Edit", "TicksMinorLenghtY_UpDown", true, "2.5", "2,5", 2, &ChartAxis::minorTickLength, true, 2},
        {"TickMinorCountY_Edit", "TicksMinorCountY_UpDown", false, "15", "15", 9, &ChartAxis::minorTickCount, true, 15},
        {"TickMinorCountY_Edit", "TicksMinorCountY_UpDown", true, "40", "19", 9, &ChartAxis::minorTickCount, true, 19},
        {"TicksMajorLenghtY_Edit", "TicksMajorLenghtY_UpDown", true, "-7", "7", 7, &ChartAxis::tickLength, true, 7},
        {"TicksMinorLenghtX_Edit", "TicksMinorLenghtX_UpDown", true, "abc", "0", 0, &ChartAxis::minorTickLength, false, 0},
        {"LabelSeparationY_Edit", "SeparationY_UpDown", true, "0", "Brak", 0, &ChartAxis::labelSeparation, true, 0},
        {"LabelSeparationY_Edit", "SeparationY_UpDown", true, "1", "Auto", 1, &ChartAxis::labelSeparation, true, 1},
        {"LabelSeparationX_Edit", "SeparationX_UpDown", false, "35,5", "35,5", 36, &ChartAxis::labelSeparation, false, 36},
        {"LabelSeparationX_Edit", "SeparationX_UpDown", false, "Brak", "Brak", 0, &ChartAxis::labelSeparation, false, 0},
        {"LabelSeparationX_Edit", "SeparationX_UpDown", false, "auto", "Auto", 1, &ChartAxis::labelSeparation, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " <- " + c.typed);
        QLineEdit* edit = field(c.field);
        if (c.onEnter)
            enter(edit, QString::fromUtf8(c.typed));
        else
            leave(edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(named<UpDown>(c.upDown)->position(), c.position);
        const ChartAxis& axis = c.leftAxis ? chart->leftAxis() : chart->bottomAxis();
        EXPECT_EQ((axis.*c.property)(), c.value);
    }
}

TEST_F(AxisPageTest, UpDownsSetTheAxisAndWriteTheirField)
{
    auto* major = named<UpDown>("TicksMajorLenghtX_UpDown");
    EXPECT_EQ(major->position(), 8);  // in step with its field and the axis from the start
    major->step(+1);
    EXPECT_EQ(chart->bottomAxis().tickLength(), 9);
    EXPECT_EQ(field("TicksMajorLenghtX_Edit")->text(), "9");

    auto* separation = named<UpDown>("SeparationY_UpDown");
    separation->step(-1);
    EXPECT_EQ(field("LabelSeparationY_Edit")->text(), "Brak");
    EXPECT_EQ(chart->leftAxis().labelSeparation(), 0);
    separation->step(+1);
    separation->step(+1);
    EXPECT_EQ(field("LabelSeparationY_Edit")->text(), "2");

    auto* count = named<UpDown>("TicksMinorCountY_UpDown");
    for (int i = 0; i < 12; ++i)
        count->step(+1);
    EXPECT_EQ(chart->leftAxis().minorTickCount(), 9);
    EXPECT_EQ(field("TickMinorCountY_Edit")->text(), "9");
}

TEST_F(AxisPageTest, IncrementTakesTheCleanedTextAndZeroIsAutomatic)
{
    QLineEdit* x = field("InkrementValueX_Edit");
    enter(x, "0,5");
    EXPECT_EQ(x->text(), "0.5");
    EXPECT_DOUBLE_EQ(chart->bottomAxis().increment(), 0.5);
    leave(x, "Auto");
    EXPECT_EQ(x->text(), "AUTO");
    EXPECT_DOUBLE_EQ(chart->bottomAxis().increment(), 0);
    enter(field("InkrementValueY_Edit"), "-2");
    EXPECT_DOUBLE_EQ(chart->leftAxis().increment(), 2);
}

TEST_F(AxisPageTest, BoundsTypedOrSteppedFixTheAxis)
{
    QLineEdit* top = field("Axis_TopMargin_Edit");
    enter(top, "2,5");
    EXPECT_FALSE(chart->leftAxis().isAutomatic());
    EXPECT_DOUBLE_EQ(chart->leftAxis().maximum(), 2.5);
    EXPECT_EQ(top->text(), "2,5");
    EXPECT_EQ(top->toolTip(), "2,5");
    EXPECT_EQ(top->selectedText(), "2,5");

    enter(field("Axis_LeftMargin_Edit"), "-3 cm");
    EXPECT_DOUBLE_EQ(chart->bottomAxis().minimum(), -3);
    EXPECT_FALSE(chart->bottomAxis().isAutomatic());

    chart->leftAxis().setMinMax(0, 10);
    named<QToolButton>("TopMarginAxisUp_Button")->click();
    EXPECT_DOUBLE_EQ(chart->leftAxis().maximum(), 10.5);
    EXPECT_EQ(top->text(), " 1.05000000000000E+0001");
    named<QToolButton>("BottomMarginAxisDown_Button")->click();
    EXPECT_DOUBLE_EQ(chart->leftAxis().minimum(), -0.525);
    EXPECT_DOUBLE_EQ(chart->leftAxis().maximum(), 10.5);
    EXPECT_EQ(field("Axis_BottomMargin_Edit")->text(), "-5.25000000000000E-0001");
    // The mouse over a numeric field selects all its text; over the title field it does nothing.
    for (const char* name : {"Axis_LeftMargin_Edit", "TickMinorCountY_Edit", "InkrementValueX_Edit", "FigureTitle_Edit"}) {
        QLineEdit* edit = field(name);
        edit->deselect();
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), edit->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &move);
        EXPECT_EQ(edit->selectedText(), std::string(name) == "FigureTitle_Edit" ? QString() : edit->text()) << name;
    }
    // Enter on a field the buttons wrote reads it back.
    enter(top, top->text());
    EXPECT_DOUBLE_EQ(chart->leftAxis().maximum(), 10.5);
}

TEST_F(AxisPageTest, AutomaticButtonTogglesEachAxisAndWritesTheBounds)
{
    auto* button = named<QPushButton>("AutomaticHandsRanges_Button");
    ChartAxis& bottom = chart->bottomAxis();
    ChartAxis& left = chart->leftAxis();
    ASSERT_TRUE(bottom.isAutomatic());
    const double shownMin = bottom.minimum(), shownMax = bottom.maximum();
    button->click();
    EXPECT_FALSE(bottom.isAutomatic());
    EXPECT_FALSE(left.isAutomatic());
    EXPECT_EQ(button->text(), "Ręcznie");
    // Fixed where they stood.
    EXPECT_DOUBLE_EQ(bottom.minimum(), shownMin);
    EXPECT_DOUBLE_EQ(bottom.maximum(), shownMax);
    EXPECT_EQ(field("Axis_RightMargin_Edit")->text(), scientificBoundText(shownMax));
    EXPECT_EQ(field("Axis_RightMargin_Edit")->text().size(), 23);
    button->click();
    EXPECT_TRUE(bottom.isAutomatic());
    EXPECT_TRUE(left.isAutomatic());
    EXPECT_EQ(button->text(), "Automatycznie");

    // One axis fixed, the other automatic: the two swap.
    left.setMinMax(-1, 1);
    button->click();
    EXPECT_FALSE(bottom.isAutomatic());
    EXPECT_TRUE(left.isAutomatic());
    EXPECT_EQ(field("Axis_TopMargin_Edit")->text(), scientificBoundText(left.maximum()));

    named<QPushButton>("LeftRight_Button")->click();
    EXPECT_TRUE(bottom.isAutomatic());
    EXPECT_EQ(field("Axis_LeftMargin_Edit")->text(), scientificBoundText(bottom.minimum()));
    left.setMinMax(-1, 1);
    named<QPushButton>("AutoUpDown_Button")->click();
    EXPECT_TRUE(left.isAutomatic());
    EXPECT_EQ(field("Axis_BottomMargin_Edit")->text(), scientificBoundText(left.minimum()));
}

TEST_F(AxisPageTest, GridBoxesAndMenuItemsStayInStepAndLabelBoxesActOnTheirOwnAxis)
{
    QAction vertical, horizontal;
    for (QAction* item : {&vertical, &horizontal}) {
        item->setCheckable(true);
        item->setChecked(true);
    }
    page->attachGridMenuItems(&vertical, &horizontal);
    auto* gridX = named<QCheckBox>("GridOdcietych_CheckBox");
    auto* gridY = named<QCheckBox>("GridRzednych_CheckBox");
    gridX->click();
    EXPECT_FALSE(chart->bottomAxis().isGridVisible());
    EXPECT_FALSE(vertical.isChecked());
    EXPECT_TRUE(horizontal.isChecked());
    vertical.trigger();
    EXPECT_TRUE(gridX->isChecked());
    EXPECT_TRUE(chart->bottomAxis().isGridVisible());
    horizontal.trigger();
    EXPECT_FALSE(gridY->isChecked());
    EXPECT_FALSE(chart->leftAxis().isGridVisible());
    EXPECT_TRUE(chart->bottomAxis().isGridVisible());

    named<QCheckBox>("LabelsOnAxisY_CheckBox")->click();
    EXPECT_FALSE(chart->leftAxis().labelsOnAxis());
    EXPECT_TRUE(chart->bottomAxis().labelsOnAxis());
    named<QCheckBox>("LabelsOnAxisX_CheckBox")->click();
    EXPECT_FALSE(chart->bottomAxis().labelsOnAxis());
}

TEST_F(AxisPageTest, TitlesGoToTheChartAndTheFigureRecord)
{
    QLineEdit* title = field("FigureTitle_Edit");
    title->setText("Drgania wahadła");
    QTest::keyRelease(title, Qt::Key_A);
    EXPECT_EQ(chart->titleLines(), QStringList{"Drgania wahadła"});
    EXPECT_EQ(figure().FigureTitle, "Drgania wahadła\n");

    leave(field("XAxisTitle_Edit"), "t [s]");
    EXPECT_EQ(chart->bottomAxis().title(), "t [s]");
    EXPECT_EQ(figure().AxisTitleX, "t [s]");
    field("YAxisTitle_Edit")->setText("x [m]");
    named<QPushButton>("AcceptYTittle_Button")->click();
    EXPECT_EQ(chart->leftAxis().title(), "x [m]");
    EXPECT_EQ(figure().AxisTitleY, "x [m]");
}

TEST_F(AxisPageTest, PageFollowsTheFigure)
{
    const int tab = ui.figureOptionsPages->indexOf(ui.Osie_TabSheet);
    EXPECT_TRUE(ui.figureOptionsPages->isTabEnabled(tab));
    for (const char* name : {"TicksMajorLenghtX_Edit", "InkrementValueY_Edit", "Axis_TopMargin_Edit",
                             "FigureTitle_Edit"})
        EXPECT_TRUE(field(name)->isEnabled()) << name;
    EXPECT_TRUE(named<QPushButton>("AutomaticHandsRanges_Button")->isEnabled());
    const QColor window = field("TicksMajorLenghtX_Edit")->palette().color(QPalette::Base);
    ui.RemoveFigure_Button->click();
    EXPECT_FALSE(ui.figureOptionsPages->isTabEnabled(tab));
    EXPECT_FALSE(field("TicksMajorLenghtX_Edit")->isEnabled());
    EXPECT_FALSE(named<QCheckBox>("GridRzednych_CheckBox")->isEnabled());
    EXPECT_NE(field("TicksMajorLenghtX_Edit")->palette().color(QPalette::Base), window);
}

}  // namespace
