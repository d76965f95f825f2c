#pragma once
// What the benchmarks share: the median of the runs, a picker chosen as a user chooses it, and
// message boxes answered and counted instead of shown (the first one printed, to see why).
#include "common/Messages.h"

#include <QComboBox>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

inline void choose(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Every box is answered OK and counted in `shown`; the first is printed.
inline void countMessageBoxes(int& shown)
{
    tallox::setMessageHandler([&shown](const tallox::Message& m) {
        if (++shown == 1)
            std::printf("first box: %s | %s\n", qPrintable(m.caption), qPrintable(m.text));
        return tallox::MessageAnswer::Ok;
    });
}

} // namespace bench
