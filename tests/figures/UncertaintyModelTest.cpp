// The uncertainty model on its own: reading a typed common value, and the boxes of a figure's
// points with the notices of the checks, in order. Nothing is shown.
#include "figures/FigureTable.h"
#include "figures/UncertaintyBoxes.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <gtest/gtest.h>
#include <optional>

using namespace tallox;
using Kind = stats::UncertaintyKind;

namespace {

std::vector<QString> texts(const std::vector<Message>& notices)
{
    std::vector<QString> out;
    for (const Message& m : notices)
        out.push_back(m.caption + u'|' + m.text);
    return out;
}

const QString kBadValue = "Uwaga !|Niepoprawny format numeryczny!  Popraw wartość niepewności!";
const QString kYZero = "Ostrzeżenie o nieprawidłowej wartości niepewności y-ka!!|Niepewność y-ka jest zerem! ";
const QString kXZero = "Ostrzeżenie o nieprawidłowej wartości niepewności x-ksa!!|Niepewność x-ksa jest zerem! ";
const QString kYNegative = "Poważny błąd użytkownika!|Niepewność y-ka nie może być ujemna! Zastanów się!";
const QString kYSameColumn =
    "Poważny błąd użytkownika!|Kolumna niepewności y-ka jest taka sama jak kolumna danych y-ów! Zastanów się!";
const QString kYaSameColumn =
    "Poważny błąd użytkownika!|Kolumna niepewności y-a jest taka sama jak kolumna danych y-ów! Zastanów się!";
const QString kXSameColumn =
    "Poważny błąd użytkownika!|Kolumna niepewności x-ksa jest taka sama jak kolumna danych x-ów! Zastanów się!";

}  // namespace

TEST(UncertaintyModel, ReadsATypedCommonValueOrTheColumnALetterNames)
{
    using Outcome = UncertaintyReading::Outcome;
    struct Case {
        QString typed;
        Outcome outcome;
        QString text;
        double value;
        int column;
    };
    const Case cases[] = {
        {"0,05", Outcome::Value, "0.05", 0.05, 0},    {"-3", Outcome::Value, "3", 3, 0},
        {"d", Outcome::Column, "D", 0, 4},             {"C5", Outcome::Column, "C5", 0, 3},
        {"0.2x", Outcome::Unreadable, "0.2X", 0, 0},  {"", Outcome::Unreadable, "", 0, 0},
        {"e", Outcome::Unreadable, "E", 0, 0},  // "E" opens an exponent: no column E this way
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const UncertaintyReading r = readUncertaintyText(c.typed);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.text, c.text);
        EXPECT_DOUBLE_EQ(r.value, c.value);
        EXPECT_EQ(r.column, c.column);
        EXPECT_EQ(texts(r.notices), c.outcome == Outcome::Unreadable ? std::vector<QString>{kBadValue}
                                                                     : std::vector<QString>{});
    }
}

TEST(UncertaintyModel, BoxesAndTheirNoticesInTheOrderTheChecksMeetThem)
{
    struct Case {
        const char* what;
        Kind kindX, kindY;
        int uncColumnX, uncColumnY;  // data columns are A (X) and B (Y)
        std::size_t boxes;
        std::optional<BoxCorners> second;  // corners of the second box
        std::vector<QString> notices;
        int lastRow, lastColumn;
    };
    // Points (1, 10), (2, 20), (3, 30); column C holds 0.1, 0, -0.2, column D 0.5 in every row
    // and column E 0, 0.1, 0.1.
    const std::vector<Case> cases = {
        {"no uncertainty", Kind::None, Kind::None, 0, 0, 0, std::nullopt, {}, 0, 0},
        {"common X and Y", Kind::Common, Kind::Common, 0, 0, 3, BoxCorners{{1.8, 20.3}, {2.2, 19.7}}, {}, 0, 0},
        {"per-point Y, zero then negative", Kind::None, Kind::PerPoint, 0, 3, 3,
         BoxCorners{{2, 20}, {2, 20}}, {kYZero, kYNegative}, 3, 3},
        {"per-point X from D, Y common", Kind::PerPoint, Kind::Common, 4, 0, 3,
         BoxCorners{{1.5, 20.3}, {2.5, 19.7}}, {}, 3, 4},
        {"Y column is the Y data column, X per point", Kind::PerPoint, Kind::PerPoint, 5, 2, 0,
         std::nullopt, {kXZero, kYSameColumn}, 1, 5},
        {"Y column is the Y data column, no X", Kind::None, Kind::PerPoint, 0, 2, 0, std::nullopt,
         {kYaSameColumn}, 0, 0},
        {"X column is the X data column", Kind::PerPoint, Kind::Common, 1, 0, 0, std::nullopt,
         {kXSameColumn}, 0, 0},
    };
    TF1Book sheet;
    Kolorowanie_Kolumn(sheet);
    const double c[] = {0.1, 0, -0.2};
    for (int row = 1; row <= 3; ++row) {
        sheet.setCellNumber(row, 1, row);
        sheet.setCellNumber(row, 2, 10 * row);
        sheet.setCellNumber(row, 3, c[row - 1]);
        sheet.setCellNumber(row, 4, 0.5);
        sheet.setCellNumber(row, 5, row == 1 ? 0 : 0.1);
    }
    const std::vector<QPointF> points = {{1, 10}, {2, 20}, {3, 30}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        danewykresu figure;
        figure.DataColumnX = 1, figure.DataColumnY = 2;
        figure.UncKindX = k.kindX, figure.UncKindY = k.kindY;
        figure.UncValueX = 0.2, figure.UncValueY = 0.3;
        figure.UncColumnX = std::uint8_t(k.uncColumnX), figure.UncColumnY = std::uint8_t(k.uncColumnY);
        const UncertaintyBoxes result = computeUncertaintyBoxes(figure, points, sheet);
        ASSERT_EQ(result.boxes.size(), k.boxes);
        if (k.second) {
            EXPECT_DOUBLE_EQ(result.boxes[1].first.x(), k.second->first.x());
            EXPECT_DOUBLE_EQ(result.boxes[1].first.y(), k.second->first.y());
            EXPECT_DOUBLE_EQ(result.boxes[1].second.x(), k.second->second.x());
            EXPECT_DOUBLE_EQ(result.boxes[1].second.y(), k.second->second.y());
        }
        EXPECT_EQ(texts(result.notices), k.notices);
        EXPECT_EQ(result.lastRow, k.lastRow);
        EXPECT_EQ(result.lastColumn, k.lastColumn);
    }
    // The model reads the sheet only.
    EXPECT_EQ(sheet.ActiveRow(), 1);
    EXPECT_EQ(sheet.ActiveCol(), 1);
}
