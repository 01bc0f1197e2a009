// SPDX-License-Identifier: MIT
// The spread of a benchmark's timed samples, as every timing row of the performance table prints it.
#pragma once

#include <algorithm>
#include <vector>

struct Spread {
    double median;
    double min;
    double p90;
    double max;
};

inline Spread spread(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms[ms.size() * 9 / 10], ms.back()};
}
