#pragma once
// The figure table: the record of every figure slot (its columns, uncertainties, style indexes,
// titles and the results of the fits drawn on it) and the count of figures created so far.
#include <QString>
#include <array>
#include <cstdint>

// One figure's record. Every field starts as zero or empty; a record is never cleared afterwards,
// removing a figure leaves it as it was.
struct danewykresu {
    std::uint8_t Shown = 0;         // accepted and shown ("Wykres widoczny" = "Tak")
    std::int32_t PointCount = 0;    // points plotted at the last acceptance
    std::uint8_t DataColumnX = 0;   // worksheet column of X, 1 = A .. 26 = Z
    std::uint8_t DataColumnY = 0;   // worksheet column of Y
    QString AxisTitleX;
    QString AxisTitleY;
    std::uint8_t PointType = 0;     // pointer shape 0..4
    std::uint8_t PointColour = 0;   // index into the colour table
    std::uint8_t PointFill = 0;     // 0 solid, 1 outline only
    QString FigureTitle;
    std::uint8_t RegressionDone = 0;
    std::uint8_t RegressionKind = 0;  // 0 classical, 1 weighted, 2 effective
    QString RegressionName;
    std::uint8_t RegressionShown = 0;
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
    std::uint8_t LinByFunction = 0;  // 1 function linearization, 0 data transformation
    std::uint8_t LinFunction = 0;    // linearization function 0..3
    std::uint8_t UncKindX = 0;       // 0 none ("Brak"), 1 one value ("Takie same"), 2 per point ("Różne")
    std::uint8_t UncKindY = 0;
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

class FigureTable {
public:
    static constexpr int slotCount = 5;
    // "Dodaj Wykres" raises the count up to this value, even though fewer slots exist.
    static constexpr int maxCount = 11;

    // Slot 0..4 (slot 0 is figure "1"); any other slot is a programming error (std::out_of_range).
    danewykresu& record(int slot);
    const danewykresu& record(int slot) const;

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

private:
    std::array<danewykresu, slotCount> slots_{};
    int count_ = 0;
};

}  // namespace tallox
