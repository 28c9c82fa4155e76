#pragma once
// Counts every operator new of the binary that links the counter in (the platform's DLLs
// allocate through their own heaps and are not counted).
namespace vgtest {
long AllocationCount();
}  // namespace vgtest
