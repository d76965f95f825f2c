#pragma once
// Reads NIST StRD reference files: certified values from the header, data from line 61 on.
#include <cmath>
#include <string>
#include <vector>

namespace tallox::stats::testing {

struct NistFile {
    std::vector<std::string> lines; // without line ends
};

NistFile readNistFile(const std::string& name); // name like "Lew.dat", from tests/data/nist; throws when missing

// The first number after the last ':' of the first header line that starts (after blanks)
// with `label`; NaN when there is none.
long double certifiedAfterColon(const NistFile& file, const std::string& label);

// The numbers of the first header line that starts (after blanks) with `label` and holds any.
std::vector<long double> numbersOfLine(const NistFile& file, const std::string& label);

// Column `column` (0-based) of the data lines 61 to the end.
std::vector<long double> dataColumn(const NistFile& file, int column);

// NIST's log relative error: -log10(|computed - certified| / |certified|), capped at 20 for
// an exact match.
inline double logRelativeError(long double computed, long double certified)
{
    const long double error = std::fabs(computed - certified);
    if (error == 0)
        return 20;
    return static_cast<double>(-std::log10(error / std::fabs(certified)));
}

} // namespace tallox::stats::testing
