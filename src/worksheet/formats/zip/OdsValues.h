#pragma once
// The value texts of OpenDocument cells (office:value, office:date-value, office:time-value and
// repeat counts), read and written without the C library's locale.
#include <QString>
#include <QStringView>

#include <optional>

namespace tallox::ods {

// A positive decimal integer; a larger one is clamped to `cap`. False for anything else (zero,
// a sign, blanks, other characters).
bool readRepeatCount(QStringView text, qint64 cap, qint64& count);

// A date or date and time ("2024-03-15", "2024-03-15T12:30:00.5") as a spreadsheet's serial
// number: days since 1899-12-30, the time of day as the fraction.
std::optional<double> readDateSerial(QStringView text);

// An ISO duration ("PT12H30M00S", "-P1DT2H", "PT0.5S") in days, as a spreadsheet holds a time.
std::optional<double> readDurationInDays(QStringView text);

} // namespace tallox::ods
