#pragma once
// Bytes placed so that they end exactly where an inaccessible page begins: a read past
// their end faults at once instead of silently reading neighbouring memory.
#include <windows.h>
#include <cstdint>
#include <vector>

namespace vgtest {

class GuardedBytes {
public:
    explicit GuardedBytes(const std::vector<uint8_t>& bytes);
    ~GuardedBytes();
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    const uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

private:
    void* region_ = nullptr;
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

}  // namespace vgtest
