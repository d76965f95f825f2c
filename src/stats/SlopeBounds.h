#pragma once
// The graphical method of a straight-line figure: the steepest and the least steep lines that
// still pass through every uncertainty box. Their mean slope is the slope, half their difference
// its uncertainty; the same for the intercepts.
#include <span>
#include <vector>

namespace tallox::stats {

// One point's uncertainty box [xLow, xHigh] × [yLow, yHigh] (closed).
struct Box {
    long double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
};

// A line y = a·x + b.
struct BoundLine {
    long double a = 0;
    long double b = 0;
};

enum class SlopeBoundsStatus {
    Ok,
    TooFewPoints, // fewer than two boxes
    NoLine,       // no straight line meets every box
    Unbounded,    // the boxes allow an arbitrarily steep line
};

struct SlopeBounds {
    SlopeBoundsStatus status = SlopeBoundsStatus::Ok;
    BoundLine steepest;  // a_max; its b the middle of the feasible intercepts at that slope
    BoundLine flattest;  // a_min, likewise
};

// The extreme slopes of the lines that meet every box (a line meets a box when it has a point in
// the closed rectangle). For a ≥ 0 the line meets box i exactly when a·xLow + b ≤ yHigh and
// a·xHigh + b ≥ yLow (for a ≤ 0 the x ends swap), so each sign of a is a 2-D linear program; it
// is solved exactly from the envelopes of the constraint lines in O(n log n).
//   boxes: the points' boxes (xLow ≤ xHigh, yLow ≤ yHigh; finite)
SlopeBounds slopeBounds(std::span<const Box> boxes);

// Point i's box from its value and standard uncertainties (a zero uncertainty gives a segment).
//   x, y: the points; ux, uy: their uncertainties, same length (non-negative)
std::vector<Box> uncertaintyBoxes(std::span<const long double> x, std::span<const long double> y,
                                  std::span<const long double> ux, std::span<const long double> uy);

} // namespace tallox::stats
