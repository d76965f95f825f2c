#include "stats/WeightedMean.h"

#include "stats/CompensatedSum.h"

#include <cmath>

namespace tallox::stats {

namespace {

constexpr std::string_view errorCaption = "Błąd Średniej Ważonej!";
constexpr std::string_view warningCaption = "Ostrzezenie Średniej Ważonej!";

} // namespace

MessageText weightedMeanMessage(WeightedMeanNoticeKind kind)
{
    using K = WeightedMeanNoticeKind;
    switch (kind) {
    case K::NoData:
        return {errorCaption, "Brak danych w kolumnie! Lub niepoprawny format numeryczny!"};
    case K::IncompletePair:
        return {errorCaption, "Jedna z par jest niepelna! Uzupelnij Dane !"};
    case K::ZeroValue:
        return {warningCaption, "Zerowa wartosc danych "};
    case K::ZeroUncertainty:
        return {warningCaption, "Zerowa wartosc niepewnosci"};
    case K::BadValue:
    case K::BadUncertainty:
        return {errorCaption, "Niepoprawny format numerycznych danej"};
    case K::ZeroWeightSum:
        return {errorCaption, "Suma wag wynosi zero"};
    }
    return {};
}

WeightedMeanOutcome weightedMean(std::span<const Cell> values, std::span<const Cell> uncertainties)
{
    using K = WeightedMeanNoticeKind;
    WeightedMeanOutcome out;
    auto note = [&out](K kind, std::size_t index) {
        out.notices.push_back({kind, static_cast<int>(index + 1)});
    };
    auto uncertaintyAt = [&uncertainties](std::size_t i) {
        return i < uncertainties.size() ? uncertainties[i] : Cell{};
    };

    std::size_t count = 0, last = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i].isNumber())
            ++count, last = i + 1;
    if (count == 0) {
        out.notices.push_back({K::NoData, 0});
        return out;
    }

    CompensatedSum weights, weighted;
    for (std::size_t i = 0; i < last; ++i) {
        const Cell x = values[i], u = uncertaintyAt(i);
        if (x.isEmpty() != u.isEmpty()) {
            note(K::IncompletePair, i);
            return out;
        }
        if (x.isEmpty())
            continue;
        if (x.isNumber() && x.value == 0)
            note(K::ZeroValue, i);
        else if (!x.isNumber())
            note(K::BadValue, i);
        if (u.isNumber() && u.value == 0)
            note(K::ZeroUncertainty, i);
        else if (!u.isNumber())
            note(K::BadUncertainty, i);
        if (x.isNumber() && u.isNumber() && x.value != 0 && u.value != 0) {
            const long double w = 1 / (u.value * u.value);
            weights.add(w);
            weighted.add(x.value * w);
        }
    }
    const long double w = weights.value();
    if (!(w > 0) || !std::isfinite(w)) {
        out.notices.push_back({K::ZeroWeightSum, 0});
        return out;
    }

    WeightedMeanResult result;
    result.count = count;
    result.mean = weighted.value() / w;
    result.stdDev = std::sqrt(1 / w);

    // A zero value is kept out of the mean but its deviation still counts in chi-squared,
    // and the warnings of the first pass come again.
    CompensatedSum chi;
    for (std::size_t i = 0; i < last; ++i) {
        const Cell x = values[i], u = uncertaintyAt(i);
        if (x.isNumber() && x.value == 0)
            note(K::ZeroValue, i);
        if (u.isNumber()) {
            if (u.value != 0 && x.isNumber()) {
                const long double d = (x.value - result.mean) / u.value;
                chi.add(d * d);
            }
            if (u.value == 0)
                note(K::ZeroUncertainty, i);
        }
    }
    result.chiSquared = chi.value();
    if (count > 1)
        result.reducedChiSquared = result.chiSquared / static_cast<long double>(count - 1);
    out.result = result;
    return out;
}

} // namespace tallox::stats
