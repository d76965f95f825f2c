#pragma once
#include "stats/MessageText.h"

#include <optional>

namespace tallox::stats {

struct PlanningResult {
    // The smallest number of measurements, (t*s/d)^2 rounded half up and at least 1;
    // nothing when the estimate is refused (accuracy 0, or too small for any count).
    std::optional<long double> count;
};

// How many measurements a series needs so that its mean reaches the required accuracy.
//   tStudent: the t-Student coefficient for the chosen confidence level
//   stdDevSingle: standard deviation of a single measurement of a trial series
//   accuracy: the required accuracy of the mean (its sign does not matter)
PlanningResult planMeasurements(long double tStudent, long double stdDevSingle, long double accuracy);

// The message boxes of the planning page.
MessageText planningNoDataMessage();     // the column holds no number
MessageText planningBadTStudentMessage(); // the t-Student text is not a number
MessageText planningBadAccuracyMessage(); // the accuracy text is not a number
MessageText planningZeroAccuracyMessage(); // the estimate is refused

} // namespace tallox::stats
