#include "BenchClock.h"

#include <windows.h>

#include <algorithm>

namespace bench {

namespace {

double Seconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return double(value.QuadPart) * 1e-7;
}

}  // namespace

double WallSeconds() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart);
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return double(count.QuadPart) / frequency;
}

double ThreadCpuSeconds() {
    FILETIME creation, exit, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &creation, &exit, &kernel, &user)) return 0;
    return Seconds(kernel) + Seconds(user);
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    if (values.size() % 2) return values[middle];
    const double upper = values[middle];
    return (upper + *std::max_element(values.begin(), values.begin() + middle)) / 2;
}

}  // namespace bench
