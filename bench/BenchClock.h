#pragma once
// The clocks the benchmarks read, and the median they report.
#include <vector>

namespace bench {

// Elapsed time from the performance counter.
double WallSeconds();
// User plus kernel time of the calling thread. Wine counts it in scheduler ticks (10 ms), so
// only spans of many frames give usable figures.
double ThreadCpuSeconds();
double Median(std::vector<double> values);

}  // namespace bench
