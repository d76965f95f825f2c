#include "stats/LineFitCore.h"

#include "stats/CompensatedSum.h"

#include <algorithm>
#include <cmath>

namespace tallox::stats::detail {

namespace {

// Weighted mean of v, refined by a second pass over the deviations from the first estimate.
long double weightedMean(std::span<const long double> v, std::span<const long double> w,
                         long double weightSum)
{
    auto weight = [&w](std::size_t i) { return w.empty() ? 1.0L : w[i]; };
    CompensatedSum sum;
    for (std::size_t i = 0; i < v.size(); ++i)
        sum.add(weight(i) * v[i]);
    long double mean = sum.value() / weightSum;
    CompensatedSum error;
    for (std::size_t i = 0; i < v.size(); ++i)
        error.add(weight(i) * (v[i] - mean));
    return mean + error.value() / weightSum;
}

// True when every point that carries weight has the same value: such a set has no spread
// at all, which must be seen exactly rather than through rounded sums.
bool constantWhereWeighted(std::span<const long double> v, std::span<const long double> w)
{
    std::optional<long double> first;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (!w.empty() && w[i] == 0)
            continue;
        if (!first)
            first = v[i];
        else if (v[i] != *first)
            return false;
    }
    return true;
}

} // namespace

std::optional<LineFit> fitLine(std::span<const long double> x, std::span<const long double> y,
                               std::span<const long double> w, SlopeSpread spread)
{
    const std::size_t n = std::min(x.size(), y.size());
    x = x.first(n);
    y = y.first(n);
    if (!w.empty())
        w = w.first(std::min(n, w.size()));
    if (!w.empty() && w.size() < n)
        return std::nullopt;
    auto weight = [&w](std::size_t i) { return w.empty() ? 1.0L : w[i]; };

    CompensatedSum weights;
    for (std::size_t i = 0; i < n; ++i)
        weights.add(weight(i));
    const long double s = weights.value();
    if (!(s > 0) || !std::isfinite(s) || constantWhereWeighted(x, w) || constantWhereWeighted(y, w))
        return std::nullopt;

    const long double meanX = weightedMean(x, w, s);
    const long double meanY = weightedMean(y, w, s);
    CompensatedSum sxx, syy, sxy;
    for (std::size_t i = 0; i < n; ++i) {
        const long double dx = x[i] - meanX, dy = y[i] - meanY;
        sxx.add(weight(i) * dx * dx);
        syy.add(weight(i) * dy * dy);
        sxy.add(weight(i) * dx * dy);
    }
    const long double cxx = sxx.value(), cyy = syy.value(), cxy = sxy.value();
    if (!(cxx > 0) || !(cyy > 0))
        return std::nullopt;

    LineFit fit;
    fit.a = cxy / cxx;
    fit.b = meanY - fit.a * meanX;
    fit.r = std::clamp(cxy / (std::sqrt(cxx) * std::sqrt(cyy)), -1.0L, 1.0L);
    if (n <= 2)
        return fit;

    // The residual sum from the residuals themselves: never negative, exact for a perfect line.
    CompensatedSum residuals;
    for (std::size_t i = 0; i < n; ++i) {
        const long double e = (y[i] - meanY) - fit.a * (x[i] - meanX);
        residuals.add(weight(i) * e * e);
    }
    const long double freedom = static_cast<long double>(n - 2);
    const long double chi = residuals.value() / freedom;
    const long double sa = spread == SlopeSpread::FromResiduals ? std::sqrt(chi / cxx)
                                                                : std::sqrt(1 / cxx);
    // sqrt(sum w x^2 / S) written with the centred sum: sqrt(Sxx/S + mean^2).
    fit.sa = sa;
    fit.sb = sa * std::sqrt(cxx / s + meanX * meanX);
    fit.chiSquared = chi;
    return fit;
}

} // namespace tallox::stats::detail
