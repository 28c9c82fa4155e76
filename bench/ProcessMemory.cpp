#include "ProcessMemory.h"

#include <windows.h>
#include <psapi.h>

namespace bench {

ProcessMemory CurrentProcessMemory() { return MemoryOfProcess(GetCurrentProcess()); }

ProcessMemory MemoryOfProcess(HANDLE process) {
    constexpr double kMiB = 1024.0 * 1024.0;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    return {double(counters.WorkingSetSize) / kMiB, double(counters.PeakWorkingSetSize) / kMiB};
}

}  // namespace bench
