#pragma once
#include "stats/LineFit.h"

#include <span>

namespace tallox::stats {

// Unweighted least-squares line through a figure's points, with the residual variance in the
// place of chi-squared. Refused for fewer than two points and for vertical or horizontal sets.
//   x, y: the figure's points in series order (equal lengths)
FitOutcome classicalFit(std::span<const long double> x, std::span<const long double> y);

// Least-squares line weighted by the uncertainties of whichever axis dominates: the axis whose
// sum of relative uncertainties |u/x| exceeds ten times the other's. Point i belongs to
// worksheet row i + 1.
//   x, y: the figure's points in series order (equal lengths)
//   xAxis, yAxis: data columns and uncertainties of the two axes
FitOutcome weightedFit(std::span<const long double> x, std::span<const long double> y,
                       const AxisData& xAxis, const AxisData& yAxis);

// Least-squares line for uncertainties on both axes: each point weighs 1/(uy^2 + a0^2 ux^2)
// with a0 the unweighted slope (one step, no iteration). When no point carries any
// uncertainty the result is the classical fit. Point i belongs to worksheet row i + 1.
//   x, y: the figure's points in series order (equal lengths)
//   xAxis, yAxis: data columns and uncertainties of the two axes
FitOutcome effectiveFit(std::span<const long double> x, std::span<const long double> y,
                        const AxisData& xAxis, const AxisData& yAxis);

} // namespace tallox::stats
