#include "stats/SlopeBounds.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tallox::stats {

namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();

// A line of the (a, value) plane: value = slope·a + offset.
struct Line {
    long double slope = 0, offset = 0;
    long double at(long double a) const { return slope * a + offset; }
};

// One piece of an upper envelope: `line` is the highest on [from, to].
struct Piece {
    Line line;
    long double from = 0, to = 0;
};

long double crossing(const Line& p, const Line& q)
{
    return (q.offset - p.offset) / (p.slope - q.slope);
}

// The upper envelope max_k lines[k](a) over a ≥ 0, left to right.
std::vector<Piece> upperEnvelope(std::vector<Line> lines)
{
    std::sort(lines.begin(), lines.end(), [](const Line& p, const Line& q) {
        return p.slope < q.slope || (p.slope == q.slope && p.offset < q.offset);
    });
    std::vector<Line> hull;
    for (const Line& l : lines) {
        if (!hull.empty() && hull.back().slope == l.slope)
            hull.pop_back(); // same slope, lower or equal offset: never above
        while (hull.size() >= 2 &&
               crossing(hull[hull.size() - 2], l) <= crossing(hull[hull.size() - 2], hull.back()))
            hull.pop_back();
        hull.push_back(l);
    }
    std::vector<Piece> pieces;
    for (std::size_t k = 0; k < hull.size(); ++k) {
        const long double from = k == 0 ? -kInf : crossing(hull[k - 1], hull[k]);
        const long double to = k + 1 == hull.size() ? kInf : crossing(hull[k], hull[k + 1]);
        if (to < 0)
            continue;
        pieces.push_back({hull[k], std::max<long double>(from, 0), to});
    }
    return pieces;
}

struct SlopeRange {
    long double low = kInf, high = -kInf; // empty while low > high
    // The constraint lines: the intercept b must lie in [lower(a), upper(a)].
    std::vector<Piece> lowerEnv, upperEnvNegated;
    bool empty() const { return low > high; }
    long double lower(long double a) const { return valueAt(lowerEnv, a); }
    long double upper(long double a) const { return -valueAt(upperEnvNegated, a); }
    static long double valueAt(const std::vector<Piece>& env, long double a)
    {
        for (const Piece& p : env)
            if (a <= p.to)
                return p.line.at(a);
        return env.back().line.at(a);
    }
};

// The slopes a ≥ 0 of the lines meeting every box: b ≥ L(a) = max(yLow − a·xHigh) and
// b ≤ U(a) = min(yHigh − a·xLow). U − L is concave, so its non-negative set is one interval; on
// each stretch where one line of each envelope is active it is a linear condition on a.
SlopeRange nonNegativeSlopes(std::span<const Box> boxes)
{
    std::vector<Line> lower, upperNegated;
    for (const Box& box : boxes) {
        lower.push_back({-box.xHigh, box.yLow});
        upperNegated.push_back({box.xLow, -box.yHigh});
    }
    SlopeRange range;
    range.lowerEnv = upperEnvelope(std::move(lower));
    range.upperEnvNegated = upperEnvelope(std::move(upperNegated));
    std::size_t i = 0, j = 0;
    long double from = 0;
    const auto& envL = range.lowerEnv;
    const auto& envU = range.upperEnvNegated;
    while (i < envL.size() && j < envU.size()) {
        const long double to = std::min(envL[i].to, envU[j].to);
        // gap(a) = U(a) − L(a) = c − d·a on [from, to]
        const Line& l = envL[i].line;
        const Line& u = envU[j].line;
        const long double c = -u.offset - l.offset;
        const long double d = u.slope + l.slope;
        long double lo = from, hi = to;
        if (d > 0)
            hi = std::min(hi, c / d);
        else if (d < 0)
            lo = std::max(lo, c / d);
        else if (c < 0)
            hi = -kInf;
        if (lo <= hi) {
            range.low = std::min(range.low, lo);
            range.high = std::max(range.high, hi);
        }
        if (envL[i].to == to)
            ++i;
        if (envU[j].to == to)
            ++j;
        from = to;
    }
    return range;
}

// The line of slope a in the middle of the intercepts the range allows.
BoundLine middleLine(const SlopeRange& range, long double a, long double sign)
{
    const long double b = (range.lower(a) + range.upper(a)) / 2;
    return {sign * a, b};
}

} // namespace

SlopeBounds slopeBounds(std::span<const Box> boxes)
{
    SlopeBounds result;
    if (boxes.size() < 2) {
        result.status = SlopeBoundsStatus::TooFewPoints;
        return result;
    }
    // A vertical line through every box: the slope is not bounded (even where the boxes are
    // segments on one vertical, which no line y = a·x + b meets).
    long double leftmostRight = kInf, rightmostLeft = -kInf;
    for (const Box& box : boxes) {
        leftmostRight = std::min(leftmostRight, box.xHigh);
        rightmostLeft = std::max(rightmostLeft, box.xLow);
    }
    if (rightmostLeft <= leftmostRight) {
        result.status = SlopeBoundsStatus::Unbounded;
        return result;
    }
    // Negative slopes are the non-negative slopes of the figure mirrored in x.
    std::vector<Box> mirrored;
    mirrored.reserve(boxes.size());
    for (const Box& box : boxes)
        mirrored.push_back({-box.xHigh, -box.xLow, box.yLow, box.yHigh});
    const SlopeRange rising = nonNegativeSlopes(boxes);
    const SlopeRange falling = nonNegativeSlopes(mirrored);
    if (rising.empty() && falling.empty()) {
        result.status = SlopeBoundsStatus::NoLine;
        return result;
    }
    if ((!rising.empty() && std::isinf(rising.high)) ||
        (!falling.empty() && std::isinf(falling.high))) {
        result.status = SlopeBoundsStatus::Unbounded;
        return result;
    }
    result.steepest = !rising.empty() ? middleLine(rising, rising.high, 1)
                                      : middleLine(falling, falling.low, -1);
    result.flattest = !falling.empty() ? middleLine(falling, falling.high, -1)
                                       : middleLine(rising, rising.low, 1);
    return result;
}

std::vector<Box> uncertaintyBoxes(std::span<const long double> x, std::span<const long double> y,
                                  std::span<const long double> ux, std::span<const long double> uy)
{
    std::vector<Box> boxes;
    const std::size_t n = std::min({x.size(), y.size(), ux.size(), uy.size()});
    boxes.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const long double dx = std::fabs(ux[i]), dy = std::fabs(uy[i]);
        boxes.push_back({x[i] - dx, x[i] + dx, y[i] - dy, y[i] + dy});
    }
    return boxes;
}

} // namespace tallox::stats
