#include "document/ResourceBuffer.h"

#include <cstring>

#include "document/ModuleResource.h"

bool ResourceBuffer::OpenResource(HMODULE module, int id) {
    ModuleResource resource = FindModuleResource(module, id, L"KDV");
    if (!resource.bytes) return false;
    SetMemory(resource.bytes, resource.size);
    return true;
}

void ResourceBuffer::SetMemory(const void* data, size_t size) {
    cursor_ = static_cast<const BYTE*>(data);
    end_ = cursor_ ? cursor_ + size : nullptr;
    failed_ = false;
}

bool ResourceBuffer::ReadBytes(void* target, size_t n) {
    const BYTE* bytes = Take(n);
    if (!bytes) return false;
    if (n) std::memcpy(target, bytes, n);
    return true;
}

const BYTE* ResourceBuffer::Take(size_t n) {
    if (failed_ || !cursor_) return nullptr;
    if (n > size_t(end_ - cursor_)) {
        failed_ = true;
        return nullptr;
    }
    const BYTE* start = cursor_;
    cursor_ += n;
    return start;
}
