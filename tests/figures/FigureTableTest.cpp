#include "figures/FigureTable.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace tallox;

TEST(FigureTable, SlotsOutsideTheTableAreRefused)
{
    FigureTable table;
    EXPECT_NO_THROW(table.record(0));
    EXPECT_NO_THROW(table.record(4));
    EXPECT_THROW(table.record(5), std::out_of_range);
    EXPECT_THROW(table.record(-1), std::out_of_range);
}

TEST(FigureTable, CountStopsAtElevenAndStartsAgainOnLoading)
{
    FigureTable table;
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(table.raiseCount(), i);
    EXPECT_EQ(table.raiseCount(), 11);
    EXPECT_EQ(table.count(), 11);
    table.resetCount();
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.raiseCount(), 1);
}

TEST(FigureTable, PreparedSlotStaysWithinTheTable)
{
    EXPECT_EQ(FigureTable::preparedSlotFor(1), 1);
    EXPECT_EQ(FigureTable::preparedSlotFor(4), 4);
    EXPECT_EQ(FigureTable::preparedSlotFor(5), 4);
    EXPECT_EQ(FigureTable::preparedSlotFor(11), 4);
}

TEST(FigureTable, PreparedSlotTakesColumnsTitlesAndStyleButNotResults)
{
    FigureTable table;
    danewykresu& source = table.record(0);
    source.DataColumnX = 3;
    source.DataColumnY = 5;
    source.AxisTitleX = "t [s]";
    source.AxisTitleY = "x [m]";
    source.PointType = ChartSeries::PointerShape::Diamond;
    source.PointColour = 2;
    source.PointFill = PointFill::Outline;
    source.FigureTitle = "Spadek swobodny";
    source.RegA = 9.81L;
    source.UncKindX = stats::UncertaintyKind::PerPoint;

    table.prepareSlot(1, 0);
    const danewykresu& prepared = table.record(1);
    EXPECT_TRUE(prepared.Shown);
    EXPECT_EQ(prepared.DataColumnX, 3);
    EXPECT_EQ(prepared.DataColumnY, 5);
    EXPECT_EQ(prepared.AxisTitleX, "t [s]");
    EXPECT_EQ(prepared.AxisTitleY, "x [m]");
    EXPECT_EQ(prepared.PointType, ChartSeries::PointerShape::Diamond);
    EXPECT_EQ(prepared.PointColour, 2);
    EXPECT_EQ(prepared.FigureTitle, "Spadek swobodny");
    EXPECT_EQ(prepared.PointFill, PointFill::Solid);
    EXPECT_EQ(prepared.RegA, 0.0L);
    EXPECT_EQ(prepared.UncKindX, stats::UncertaintyKind::None);
}
