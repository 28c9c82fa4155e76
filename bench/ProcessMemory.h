#pragma once
// The process's memory as Windows reports it, in MiB of 1024 x 1024 bytes.
#include <windows.h>

namespace bench {

struct ProcessMemory {
    double working = 0;  // the working set now
    double peak = 0;     // the most the process has had in memory so far
};

ProcessMemory CurrentProcessMemory();
// The same for another process (a handle with query and read rights).
ProcessMemory MemoryOfProcess(HANDLE process);

}  // namespace bench
