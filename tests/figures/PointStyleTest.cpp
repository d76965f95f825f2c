// The point style group: shape, colour, fill and size of the current figure's points.
#include "FigurePageFixture.h"

#include "common/Colors.h"
#include "figures/PointStyles.h"
#include "figures/SampleComboBox.h"
#include "figures/UpDown.h"

#include <QImage>
#include <QPainter>

using namespace tallox;
using Shape = ChartSeries::PointerShape;

class PointStyleTest : public FigurePageTest {
protected:
    void SetUp() override
    {
        FigurePageTest::SetUp();
        fillColumn(1, {1, 2});
        fillColumn(2, {3, 4});
        ui.AddFigure_Button->click();
    }
};

TEST_F(PointStyleTest, TypeColourAndFillApplyToThePoints)
{
    choose(ui.TypPunktow_ComboBox, 3);
    EXPECT_EQ(points().pointerShape(), Shape::InvertedTriangle);
    EXPECT_EQ(figure().PointType, ChartSeries::PointerShape::InvertedTriangle);

    choose(ui.KolorPunktow_ComboBox, 1);
    EXPECT_EQ(points().brushColor(), colorFromBgr(0x008000));
    EXPECT_EQ(points().penColor(), colorFromBgr(0x008000));
    EXPECT_EQ(figure().PointColour, 1);

    choose(ui.StylPunktow_ComboBox, 1);
    EXPECT_FALSE(points().isFilled());
    EXPECT_EQ(figure().PointFill, PointFill::Outline);
    // A new shape keeps the chosen colour and fill.
    choose(ui.TypPunktow_ComboBox, 4);
    EXPECT_EQ(points().pointerShape(), Shape::Diamond);
    EXPECT_FALSE(points().isFilled());
    EXPECT_EQ(points().penColor(), colorFromBgr(0x008000));

    choose(ui.StylPunktow_ComboBox, 0);
    EXPECT_TRUE(points().isFilled());

    // The style is the series', not the record's: accepting again keeps it.
    ui.Akceptuj_Button->click();
    EXPECT_EQ(points().pointerShape(), Shape::Diamond);
    EXPECT_EQ(points().brushColor(), colorFromBgr(0x008000));
}

TEST_F(PointStyleTest, ColourRecoloursTheFittedLineOnlyAfterAFit)
{
    ChartSeries& line = chart->series(Chart::firstLineSeries);
    const QColor before = line.penColor();
    choose(ui.KolorPunktow_ComboBox, 2);  // "Niebieski"
    EXPECT_EQ(points().penColor(), QColor(Qt::blue));
    EXPECT_EQ(line.penColor(), before);

    figure().RegressionDone = true;
    choose(ui.KolorPunktow_ComboBox, 2);
    EXPECT_EQ(line.penColor(), QColor(Qt::blue));
}

TEST_F(PointStyleTest, TypedSizeDropsTheCommaAndStaysWithinRange)
{
    enter(ui.Rozmiar_Edit, "1,2");
    EXPECT_EQ(points().pointerWidth(), 12);
    EXPECT_EQ(points().pointerHeight(), 12);
    EXPECT_EQ(ui.Rozmiar_Edit->text(), "12");
    EXPECT_EQ(ui.Rozmiar_UpDown->position(), 12);

    enter(ui.Rozmiar_Edit, "5000");
    EXPECT_EQ(points().pointerWidth(), 1000);
    EXPECT_EQ(ui.Rozmiar_Edit->text(), "1000");
    enter(ui.Rozmiar_Edit, "0");
    EXPECT_EQ(points().pointerWidth(), 1);
    EXPECT_TRUE(boxes().empty());

    enter(ui.Rozmiar_Edit, "duży");
    EXPECT_EQ(boxes(), std::vector<QString>{"Tallox|'duży' is not a valid integer value"});
    EXPECT_EQ(points().pointerWidth(), 1);
    EXPECT_EQ(ui.Rozmiar_UpDown->position(), 1);
}

TEST_F(PointStyleTest, UpDownStepsTheSize)
{
    ui.Rozmiar_UpDown->step(+1);
    EXPECT_EQ(points().pointerWidth(), 5);
    EXPECT_EQ(ui.Rozmiar_Edit->text(), "5");
    ui.Rozmiar_UpDown->setPosition(1);
    ui.Rozmiar_UpDown->step(-1);  // no step below the range
    EXPECT_EQ(points().pointerWidth(), 5);
}

TEST(PointSamples, TypeSamplesFollowColourAndFill)
{
    QImage solid(24, 16, QImage::Format_RGB32), outline(24, 16, QImage::Format_RGB32);
    for (QImage* image : {&solid, &outline}) {
        image->fill(Qt::white);
        QPainter painter(image);
        drawTypeSample(painter, QRect(0, 0, 24, 16), 0, Qt::blue, image == &solid);
    }
    // The middle of the square: blue when filled, the background when outlined.
    EXPECT_EQ(solid.pixelColor(12, 8), QColor(Qt::blue));
    EXPECT_EQ(outline.pixelColor(12, 8), QColor(Qt::white));
    EXPECT_EQ(outline.pixelColor(6, 8), QColor(Qt::blue));
}
