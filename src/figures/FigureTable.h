#pragma once
// The figure table: the record of every figure slot (its columns, uncertainties, style indexes,
// titles and the results of the fits drawn on it) and the count of figures created so far.
#include "chart/ChartSeries.h"
#include "stats/LineFit.h"

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>

namespace tallox {
// How a figure's points are filled: "Pełny" solid, or only their outline.
enum class PointFill : std::uint8_t { Solid, Outline };
// The law a figure's data were linearized by.
enum class LinearizationLaw : std::uint8_t { Power, Exponential, Logarithmic, Hyperbolic };
}  // namespace tallox

// One figure's record. Every field starts as zero or empty; a record is never cleared afterwards,
// removing a figure leaves it as it was.
struct danewykresu {
    bool Shown = false;             // accepted and shown ("Wykres widoczny" = "Tak")
    std::int32_t PointCount = 0;    // points plotted at the last acceptance
    std::uint8_t DataColumnX = 0;   // worksheet column of X, 1 = A .. 26 = Z
    std::uint8_t DataColumnY = 0;   // worksheet column of Y
    QString AxisTitleX;
    QString AxisTitleY;
    tallox::ChartSeries::PointerShape PointType = tallox::ChartSeries::PointerShape::Square;
    std::uint8_t PointColour = 0;   // index into the colour table
    tallox::PointFill PointFill = tallox::PointFill::Solid;
    QString FigureTitle;
    bool RegressionDone = false;
    tallox::stats::FitMethod RegressionKind = tallox::stats::FitMethod::Classical;
    QString RegressionName;
    bool RegressionShown = false;
    long double RegA = 0;   // slope of y = a·x + b
    long double RegB = 0;   // intercept
    long double RegSa = 0;  // standard deviation of a
    long double RegSb = 0;  // standard deviation of b
    long double RegR = 0;   // correlation coefficient
    long double RegChi2 = 0;
    long double LinA = 0;   // coefficients after linearization
    long double LinB = 0;
    long double LinSa = 0;
    long double LinSb = 0;
    bool LinByFunction = false;      // linearized by a law (true) or the data transformed (false)
    tallox::LinearizationLaw LinFunction = tallox::LinearizationLaw::Power;
    tallox::stats::UncertaintyKind UncKindX = tallox::stats::UncertaintyKind::None;
    tallox::stats::UncertaintyKind UncKindY = tallox::stats::UncertaintyKind::None;
    QString UncTextX;                // text of the common uncertainty
    QString UncTextY;
    double UncValueX = 0;            // the common uncertainty
    double UncValueY = 0;
    QString UncColumnTextX;          // a typed text that named a column instead of a value
    QString UncColumnTextY;
    std::uint8_t UncColumnX = 0;     // worksheet column of the per-point uncertainties, 1 = A
    std::uint8_t UncColumnY = 0;
};

namespace tallox {

class FigureTable : public QObject {
    Q_OBJECT
public:
    static constexpr int slotCount = 5;
    // "Dodaj Wykres" raises the count up to this value, even though fewer slots exist.
    static constexpr int maxCount = 11;

    // Slot 0..4 (slot 0 is figure "1"); any other slot is a programming error (std::out_of_range).
    danewykresu& record(int slot);
    const danewykresu& record(int slot) const;

    // The current figure: the slot chosen on the figures page (the index of NrWykresu_ComboBox),
    // -1 when none is chosen. Setting another slot signals currentFigureChanged.
    int currentSlot() const { return current_; }
    void setCurrentSlot(int slot);

    // Figures created since the data were last loaded.
    int count() const { return count_; }
    // One more figure, at most maxCount; returns the new count.
    int raiseCount();
    // Loading worksheet data or an analysis set starts the count again.
    void resetCount() { count_ = 0; }

    // The slot a new figure is prepared in: the count taken as a slot number, kept within the table.
    static int preparedSlotFor(int count);
    // A new figure in `slot` starts shown, with the columns, titles and style of `fromSlot`.
    void prepareSlot(int slot, int fromSlot);

signals:
    void currentFigureChanged(int slot);

private:
    std::array<danewykresu, slotCount> slots_{};
    int count_ = 0;
    int current_ = -1;
};

}  // namespace tallox
