#pragma once
#include <cmath>

namespace tallox::stats {

// Neumaier's compensated sum: keeps the low-order bits that plain long double
// addition drops, so long columns of nearly equal readings still sum exactly
// enough for the certified reference sets.
class CompensatedSum {
public:
    void add(long double v)
    {
        const long double t = sum_ + v;
        if (std::fabs(sum_) >= std::fabs(v))
            carry_ += (sum_ - t) + v;
        else
            carry_ += (v - t) + sum_;
        sum_ = t;
    }
    long double value() const { return sum_ + carry_; }

private:
    long double sum_ = 0;
    long double carry_ = 0;
};

} // namespace tallox::stats
