#include "stats/Regression.h"

#include "stats/CompensatedSum.h"
#include "stats/LineFitCore.h"

#include <algorithm>
#include <cmath>

namespace tallox::stats {

namespace {

Cell cellAt(std::span<const Cell> cells, std::size_t i)
{
    return i < cells.size() ? cells[i] : Cell{};
}

// The uncertainty of point i on one axis; an axis without uncertainties, or an empty cell,
// gives 0.
long double uncertaintyOf(const AxisData& axis, std::size_t i)
{
    switch (axis.kind) {
    case UncertaintyKind::None: return 0;
    case UncertaintyKind::Common: return axis.commonValue;
    case UncertaintyKind::PerPoint: return cellAt(axis.uncertainties, i).value;
    }
    return 0;
}

bool pointsSuffice(std::size_t n, FitOutcome& out)
{
    if (const auto notice = checkFigure(n, true)) {
        out.notices.push_back(*notice);
        return false;
    }
    return true;
}

// Warns about zero readings and zero uncertainties of one axis and sums its relative
// uncertainties |u/x| (magnitudes, so that signs cannot cancel). An axis without
// uncertainties adds nothing and says nothing. False when the run must stop: a common
// uncertainty of 0.
bool checkAxis(const AxisData& axis, Axis which, std::size_t n, FitOutcome& out,
               long double& relativeSum)
{
    CompensatedSum sum;
    auto warn = [&](FitNoticeKind kind, std::size_t i) {
        out.notices.push_back({kind, which, static_cast<int>(i + 1),
                               axis.kind == UncertaintyKind::PerPoint});
    };
    switch (axis.kind) {
    case UncertaintyKind::None:
        break;
    case UncertaintyKind::PerPoint:
        for (std::size_t i = 0; i < n; ++i) {
            const Cell x = cellAt(axis.data, i), u = cellAt(axis.uncertainties, i);
            if ((x.value == 0 && !x.isEmpty()) || (u.value == 0 && !u.isEmpty())) {
                if (x.value == 0)
                    warn(FitNoticeKind::ZeroData, i);
                if (u.value == 0)
                    warn(FitNoticeKind::ZeroUncertainty, i);
            } else if (x.value != 0 && u.value != 0) {
                sum.add(std::fabs(u.value / x.value));
            }
        }
        break;
    case UncertaintyKind::Common:
        if (axis.commonValue == 0) {
            out.notices.push_back({FitNoticeKind::ZeroCommonUncertainty, which, 0, false});
            return false;
        }
        for (std::size_t i = 0; i < n; ++i) {
            const Cell x = cellAt(axis.data, i);
            if (x.value == 0 && !x.isEmpty())
                warn(FitNoticeKind::ZeroData, i);
            else if (x.value != 0)
                sum.add(std::fabs(axis.commonValue / x.value));
        }
        break;
    }
    relativeSum = sum.value();
    return true;
}

void refuseAsAmbiguous(FitOutcome& out)
{
    out.notices.push_back({FitNoticeKind::Ambiguous});
}

} // namespace

FitOutcome classicalFit(std::span<const long double> x, std::span<const long double> y)
{
    FitOutcome out;
    const std::size_t n = std::min(x.size(), y.size());
    if (!pointsSuffice(n, out))
        return out;
    out.fit = detail::fitLine(x.first(n), y.first(n), {}, detail::SlopeSpread::FromResiduals);
    if (!out.fit)
        refuseAsAmbiguous(out);
    return out;
}

FitOutcome weightedFit(std::span<const long double> x, std::span<const long double> y,
                       const AxisData& xAxis, const AxisData& yAxis)
{
    FitOutcome out;
    const std::size_t n = std::min(x.size(), y.size());
    if (!pointsSuffice(n, out))
        return out;
    long double rx = 0, ry = 0;
    if (!checkAxis(xAxis, Axis::X, n, out, rx) || !checkAxis(yAxis, Axis::Y, n, out, ry))
        return out;
    // Weighting by one axis alone is fair only when that axis's relative uncertainties
    // outweigh the other's by more than a factor of ten.
    if (!(rx > 10 * ry || ry > 10 * rx)) {
        out.notices.push_back({FitNoticeKind::NoDominantAxis});
        return out;
    }
    out.weightedBy = ry > rx ? Axis::Y : Axis::X;
    const AxisData& dominant = out.weightedBy == Axis::Y ? yAxis : xAxis;

    std::vector<long double> weights(n);
    for (std::size_t i = 0; i < n; ++i) {
        const long double u = uncertaintyOf(dominant, i);
        weights[i] = u != 0 ? 1 / (u * u) : 1; // a point without its uncertainty counts once
    }
    out.fit = detail::fitLine(x.first(n), y.first(n), weights, detail::SlopeSpread::FromResiduals);
    if (!out.fit)
        refuseAsAmbiguous(out);
    return out;
}

FitOutcome effectiveFit(std::span<const long double> x, std::span<const long double> y,
                        const AxisData& xAxis, const AxisData& yAxis)
{
    FitOutcome out;
    const std::size_t n = std::min(x.size(), y.size());
    if (!pointsSuffice(n, out))
        return out;
    long double unused = 0;
    if (!checkAxis(xAxis, Axis::X, n, out, unused) || !checkAxis(yAxis, Axis::Y, n, out, unused))
        return out;

    const auto classical =
        detail::fitLine(x.first(n), y.first(n), {}, detail::SlopeSpread::FromResiduals);
    if (!classical) {
        refuseAsAmbiguous(out);
        return out;
    }
    // The X uncertainty enters through the line's slope: a shift ux along x moves the point
    // a0*ux away from the line, so the point's variance about it is uy^2 + a0^2 ux^2.
    const long double a0 = classical->a;
    std::vector<long double> weights(n);
    bool anyWeight = false;
    for (std::size_t i = 0; i < n; ++i) {
        const long double ux = uncertaintyOf(xAxis, i), uy = uncertaintyOf(yAxis, i);
        const long double p = uy * uy + a0 * a0 * ux * ux;
        weights[i] = p > 0 ? 1 / p : 0;
        anyWeight = anyWeight || weights[i] > 0;
    }
    if (!anyWeight) { // no uncertainty anywhere: nothing to weigh by
        out.fit = classical;
        return out;
    }
    out.fit = detail::fitLine(x.first(n), y.first(n), weights, detail::SlopeSpread::FromWeights);
    if (!out.fit)
        refuseAsAmbiguous(out);
    return out;
}

} // namespace tallox::stats
