#include "stats/SeriesMean.h"

#include "stats/CompensatedSum.h"

#include <cmath>

namespace tallox::stats {

MessageText seriesNoDataMessage()
{
    return {"Błąd Średniej Ważonej z Serii!",
            "Brak danych w jednej z kolumn ! Lub niepoprawny format numeryczny!"};
}

SeriesMean seriesWeightedMean(std::span<const StandardMean> series)
{
    SeriesMean out;
    CompensatedSum weights, weighted;
    for (const StandardMean& s : series) {
        weights.add(s.weight);
        weighted.add(s.mean * s.weight);
    }
    out.weightSum = weights.value();
    if (out.weightSum != 0) {
        out.mean = weighted.value() / out.weightSum;
        out.stdDev = 1 / std::sqrt(out.weightSum);
    }
    CompensatedSum chi;
    for (const StandardMean& s : series) {
        if (s.stdDevMean == 0)
            continue;
        const long double d = (s.mean - out.mean) / s.stdDevMean;
        chi.add(d * d);
    }
    out.chiSquared = chi.value();
    return out;
}

} // namespace tallox::stats
