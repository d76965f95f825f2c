// The uncertainty boxes: kinds, typed values, letters naming columns, per-point columns.
#include "FigurePageFixture.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>

using namespace tallox;

namespace {
const QString kBadValue = "Uwaga !|Niepoprawny format numeryczny!  Popraw wartość niepewności!";
}

class UncertaintyTest : public FigurePageTest {
protected:
    // Points (1, 10), (2, 20), (3, 30) from columns A and B, figure created.
    void SetUp() override
    {
        FigurePageTest::SetUp();
        fillColumn(1, {1, 2, 3});
        fillColumn(2, {10, 20, 30});
        ui.AddFigure_Button->click();
        ASSERT_TRUE(boxes().empty());
    }

    void expectCorners(int i, double x1, double y1, double x2, double y2)
    {
        SCOPED_TRACE(i);
        ASSERT_EQ(box(i).count(), 2);
        EXPECT_DOUBLE_EQ(box(i).x(0), x1);
        EXPECT_DOUBLE_EQ(box(i).y(0), y1);
        EXPECT_DOUBLE_EQ(box(i).x(1), x2);
        EXPECT_DOUBLE_EQ(box(i).y(1), y2);
        EXPECT_TRUE(box(i).isActive());
    }
};

TEST_F(UncertaintyTest, CommonValueWithACommaGivesHorizontalSegments)
{
    ui.NiepX_Edit->setText("0,05");
    choose(ui.TypNiepX_ComboBox, 1);

    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(ui.NiepX_Edit->text(), "0.05");
    EXPECT_TRUE(ui.NiepX_Edit->isVisibleTo(page.get()));
    EXPECT_TRUE(ui.oWartoscidlakolumnyX_DoWykresu_Label->isVisibleTo(page.get()));
    EXPECT_FALSE(ui.NrKolumnyNiepewnosciX_ComboBox->isVisibleTo(page.get()));
    EXPECT_EQ(figure().UncKindX, stats::UncertaintyKind::Common);
    EXPECT_DOUBLE_EQ(figure().UncValueX, 0.05);
    EXPECT_EQ(figure().UncTextX, "0.05");
    EXPECT_EQ(drawnBoxes(), 3);
    for (int i = 0; i < 3; ++i)
        expectCorners(i, i + 1 - 0.05, 10 * (i + 1), i + 1 + 0.05, 10 * (i + 1));
}

TEST_F(UncertaintyTest, BothCommonValuesGiveRectanglesAndYAloneVerticalSegments)
{
    ui.NiepY_Edit->setText("2");
    choose(ui.TypNiepY_ComboBox, 1);
    expectCorners(1, 2, 22, 2, 18);

    choose(ui.TypNiepX_ComboBox, 1);  // the default text "0.2"
    expectCorners(1, 1.8, 22, 2.2, 18);

    enter(ui.NiepY_Edit, "-3");  // the cleanup drops the sign
    EXPECT_EQ(ui.NiepY_Edit->text(), "3");
    expectCorners(0, 0.8, 13, 1.2, 7);
}

TEST_F(UncertaintyTest, ALetterNamesTheColumnOfPerPointValues)
{
    fillColumn(4, {0.5, 0.25, 1});
    enter(ui.NiepX_Edit, "0.1");
    choose(ui.TypNiepX_ComboBox, 1);
    enter(ui.NiepX_Edit, "d");

    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(ui.TypNiepX_ComboBox->currentText(), "Różne");
    EXPECT_EQ(ui.NrKolumnyNiepewnosciX_ComboBox->currentText(), "D");
    EXPECT_TRUE(ui.NrKolumnyNiepewnosciX_ComboBox->isVisibleTo(page.get()));
    EXPECT_TRUE(ui.zkolumnyX_DoWykresu_Label->isVisibleTo(page.get()));
    EXPECT_FALSE(ui.NiepX_Edit->isVisibleTo(page.get()));
    EXPECT_EQ(ui.NiepX_Edit->text(), "0.1");
    EXPECT_EQ(figure().UncKindX, stats::UncertaintyKind::PerPoint);
    EXPECT_EQ(figure().UncColumnX, 4);
    EXPECT_EQ(figure().UncColumnTextX, "D");
    expectCorners(1, 1.75, 20, 2.25, 20);
}

TEST_F(UncertaintyTest, UnreadableValuesKeepThePreviousOne)
{
    choose(ui.TypNiepX_ComboBox, 1);
    ASSERT_DOUBLE_EQ(figure().UncValueX, 0.2);

    enter(ui.NiepX_Edit, "0.2x");
    EXPECT_EQ(ui.NiepX_Edit->text(), "0.2X");
    enter(ui.NiepX_Edit, "");
    // "E" opens an exponent; it cannot name column E.
    enter(ui.NiepX_Edit, "e");
    EXPECT_EQ(boxes(), (std::vector<QString>{kBadValue, kBadValue, kBadValue}));
    EXPECT_DOUBLE_EQ(figure().UncValueX, 0.2);
    EXPECT_EQ(figure().UncKindX, stats::UncertaintyKind::Common);
    EXPECT_EQ(ui.TypNiepX_ComboBox->currentText(), "Takie same");
    expectCorners(0, 0.8, 10, 1.2, 10);
}

TEST_F(UncertaintyTest, UncertaintyColumnEqualToTheDataColumnDrawsNoBox)
{
    fillColumn(3, {1, 1, 1});
    choose(ui.NrKolumnyNiepewnosciX_ComboBox, 2);
    ASSERT_EQ(drawnBoxes(), 3);
    messages.clear();
    choose(ui.NrKolumnyNiepewnosciY_ComboBox, 1);  // B, the Y data column
    EXPECT_EQ(boxes(), std::vector<QString>{
                           "Poważny błąd użytkownika!|Kolumna niepewności y-ka jest taka sama jak "
                           "kolumna danych y-ów! Zastanów się!"});
    EXPECT_EQ(drawnBoxes(), 0);

    // With no X uncertainty the message speaks of "y-a".
    messages.clear();
    choose(ui.TypNiepX_ComboBox, 0);
    EXPECT_EQ(boxes(), std::vector<QString>{
                           "Poważny błąd użytkownika!|Kolumna niepewności y-a jest taka sama jak "
                           "kolumna danych y-ów! Zastanów się!"});
}

TEST_F(UncertaintyTest, ZeroAndNegativePerPointValuesWarnPerPointAndStillDraw)
{
    fillColumn(5, {0.1, 0, -0.2});
    choose(ui.NrKolumnyNiepewnosciY_ComboBox, 4);
    EXPECT_EQ(boxes(), (std::vector<QString>{
                           "Ostrzeżenie o nieprawidłowej wartości niepewności y-ka!!|Niepewność y-ka "
                           "jest zerem! ",
                           "Poważny błąd użytkownika!|Niepewność y-ka nie może być ujemna! Zastanów się!"}));
    expectCorners(0, 1, 10.1, 1, 9.9);
    expectCorners(1, 2, 20, 2, 20);
    expectCorners(2, 3, 29.8, 3, 30.2);  // corners swapped
}

TEST_F(UncertaintyTest, PerPointValueComesFromRowIPlusOne)
{
    // Row 2 has no X: the second point is row 3's, its uncertainty row 2's.
    sheet->setCellText(2, 1, "");
    fillColumn(6, {0.1, 0.2, 0.3});
    ui.Akceptuj_Button->click();
    ASSERT_EQ(points().count(), 2);
    choose(ui.NrKolumnyNiepewnosciX_ComboBox, 5);
    expectCorners(1, 2.8, 30, 3.2, 30);
    EXPECT_EQ(drawnBoxes(), 2);
}

TEST_F(UncertaintyTest, HiddenFigureStoresKindsButDrawsNothingUntilAccepted)
{
    choose(ui.WidocznyWykres_ComboBox, 1);
    choose(ui.TypNiepX_ComboBox, 1);
    EXPECT_EQ(figure().UncKindX, stats::UncertaintyKind::Common);
    EXPECT_EQ(drawnBoxes(), 0);
    fillColumn(3, {1, 1, 1});
    choose(ui.NrKolumnyNiepewnosciY_ComboBox, 2);
    EXPECT_EQ(figure().UncKindY, stats::UncertaintyKind::PerPoint);
    EXPECT_EQ(figure().UncColumnY, 3);
    EXPECT_EQ(drawnBoxes(), 0);
    EXPECT_FALSE(points().isActive());

    ui.Akceptuj_Button->click();
    EXPECT_EQ(drawnBoxes(), 3);
    expectCorners(2, 2.8, 31, 3.2, 29);
}

TEST_F(UncertaintyTest, BackToNoneHidesTheInputsAndTheBoxes)
{
    choose(ui.TypNiepX_ComboBox, 1);
    ASSERT_EQ(drawnBoxes(), 3);
    choose(ui.TypNiepX_ComboBox, 0);
    EXPECT_EQ(figure().UncKindX, stats::UncertaintyKind::None);
    EXPECT_EQ(drawnBoxes(), 0);
    EXPECT_FALSE(ui.NiepX_Edit->isVisibleTo(page.get()));
    EXPECT_FALSE(ui.oWartoscidlakolumnyX_DoWykresu_Label->isVisibleTo(page.get()));
}

TEST_F(UncertaintyTest, ChoosingAColumnByRoutineShowsTheColumnList)
{
    fillColumn(8, {0.5, 0.5, 0.5});
    uncertainties().Obsluga_ComboBoxa_NiepewnosciX(7);
    EXPECT_EQ(ui.TypNiepX_ComboBox->currentText(), "Różne");
    EXPECT_TRUE(ui.NrKolumnyNiepewnosciX_ComboBox->isVisibleTo(page.get()));
    EXPECT_TRUE(ui.zkolumnyX_DoWykresu_Label->isVisibleTo(page.get()));
    EXPECT_EQ(figure().UncColumnX, 8);
    expectCorners(0, 0.5, 10, 1.5, 10);
}

TEST_F(UncertaintyTest, LeavingTheValueFieldReadsIt)
{
    choose(ui.TypNiepX_ComboBox, 1);
    page->show();
    QApplication::setActiveWindow(page.get());
    ui.NiepX_Edit->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(ui.NiepX_Edit->hasFocus());
    ui.NiepX_Edit->setText("0,5");
    ui.Akceptuj_Button->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(ui.NiepX_Edit->text(), "0.5");
    EXPECT_DOUBLE_EQ(figure().UncValueX, 0.5);
    expectCorners(2, 2.5, 30, 3.5, 30);
}

TEST_F(UncertaintyTest, ABoxTakingTheFocusIsNoLeavingOfTheField)
{
    choose(ui.TypNiepX_ComboBox, 1);
    ui.NiepX_Edit->setText("0,1,2");
    // The box of an Enter takes the window's focus: no second reading, no second box.
    QFocusEvent toBox(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(ui.NiepX_Edit, &toBox);
    EXPECT_TRUE(boxes().empty());
    QFocusEvent toControl(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(ui.NiepX_Edit, &toControl);
    EXPECT_EQ(boxes(), std::vector<QString>{kBadValue});
}
