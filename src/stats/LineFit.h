#pragma once
#include "stats/Cell.h"
#include "stats/MessageText.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace tallox::stats {

enum class Axis { X, Y };

// How a figure's axis carries uncertainties: "Brak", "Takie same", "Różne".
enum class UncertaintyKind { None, Common, PerPoint };

// One axis of a figure as the weighted and effective fits read it: the worksheet column the
// points came from (for the checks of zero values) and the axis's uncertainties.
struct AxisData {
    std::span<const Cell> data;          // the data column, row 1 first (missing rows read empty)
    UncertaintyKind kind = UncertaintyKind::None;
    long double commonValue = 0;         // the one value for all points (kind Common)
    std::span<const Cell> uncertainties; // the uncertainty column, row 1 first (kind PerPoint)
};

// A straight line y = a*x + b fitted to a figure's points.
struct LineFit {
    long double a = 0;                     // slope
    long double b = 0;                     // intercept
    std::optional<long double> sa;         // standard deviation of a; none for two points
    std::optional<long double> sb;         // standard deviation of b; none for two points
    long double r = 0;                     // correlation coefficient
    std::optional<long double> chiSquared; // chi-squared over N-2, or the residual variance of
                                           // the classical fit; none for two points
};

enum class FitMethod { Classical, Weighted, Effective };

enum class FitNoticeKind {
    NoPoints,              // the figure has no point (stops)
    OnePoint,              // the figure has one point (stops)
    FigureHidden,          // the figure is not shown (stops)
    ZeroData,              // warning: a non-empty data cell holding 0
    ZeroUncertainty,       // warning: an uncertainty cell holding 0
    ZeroCommonUncertainty, // the one value for all points is 0 (stops)
    NoDominantAxis,        // weighted fit: neither axis's uncertainties dominate (stops)
    Ambiguous,             // vertical or horizontal points, or no weight at all (stops)
};

struct FitNotice {
    FitNoticeKind kind;
    Axis axis = Axis::X;   // the axis a zero warning is about
    int row = 0;           // 1-based worksheet row of a zero warning; 0 otherwise
    bool perPoint = false; // the warning comes from an axis with per-point uncertainties
};

struct FitOutcome {
    std::optional<LineFit> fit;     // nothing when the run stopped
    std::vector<FitNotice> notices; // in the order the boxes are shown
    Axis weightedBy = Axis::X;      // weighted fit: the axis whose uncertainties set the weights
};

// The checks every fit makes before anything else, in their order: no point, one point,
// figure hidden. Nothing when the figure may be fitted.
//   pointCount: the figure's number of points
//   shown: whether the figure is shown
std::optional<FitNotice> checkFigure(std::size_t pointCount, bool shown);

// The message box that shows a notice of a fit.
//   method: the fit that produced the notice
//   notice: the notice
MessageText fitMessage(FitMethod method, const FitNotice& notice);

} // namespace tallox::stats
