#include "GuardedBytes.h"

#include <cstring>

namespace vgtest {

GuardedBytes::GuardedBytes(const std::vector<uint8_t>& bytes) : size_(bytes.size()) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const size_t page = info.dwPageSize;
    const size_t dataPages = (size_ + page - 1) / page + 1;
    region_ = VirtualAlloc(nullptr, (dataPages + 1) * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    auto* guard = static_cast<uint8_t*>(region_) + dataPages * page;
    DWORD old;
    VirtualProtect(guard, page, PAGE_NOACCESS, &old);
    data_ = guard - size_;
    if (size_) std::memcpy(data_, bytes.data(), size_);
}

GuardedBytes::~GuardedBytes() { VirtualFree(region_, 0, MEM_RELEASE); }

}  // namespace vgtest
