#include "stats/Planning.h"

#include <cmath>

namespace tallox::stats {

namespace {
constexpr std::string_view caption = "Błąd Szacowania !";
}

MessageText planningNoDataMessage()
{
    return {caption, "Brak danych w kolumnie !  Lub niepoprawny format numeryczny!"};
}
MessageText planningBadTStudentMessage() { return {caption, "Błędny zapis poziomu ufności !"}; }
MessageText planningBadAccuracyMessage() { return {caption, "Niepoprawny format dokładności !"}; }
MessageText planningZeroAccuracyMessage()
{
    return {caption, "Dokładność pomiaru musi być różna od zera !"};
}

PlanningResult planMeasurements(long double tStudent, long double stdDevSingle, long double accuracy)
{
    if (accuracy == 0 || !std::isfinite(accuracy))
        return {};
    // (t*s/d)^2 rather than (t*s)^2/d^2: the same number, but a very small accuracy cannot
    // underflow d^2 to zero.
    const long double ratio = tStudent * stdDevSingle / accuracy;
    const long double q = ratio * ratio;
    if (!std::isfinite(q))
        return {};
    const long double whole = std::floor(q);
    long double count = q - whole >= 0.5L ? whole + 1 : whole;
    if (count == 0)
        count = 1;
    return {count};
}

} // namespace tallox::stats
