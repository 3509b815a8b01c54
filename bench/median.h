#pragma once
// The median of repeated timings, as the benchmarks report them.

#include <algorithm>
#include <vector>

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
