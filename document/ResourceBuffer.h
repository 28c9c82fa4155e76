#pragma once
// A bounded memory cursor over a locked resource (or any byte range) of the scene document.
// Every read is checked against the end: a read that would pass it copies nothing and marks
// the buffer failed, and a failed buffer refuses every further read.
#include <windows.h>
#include <cstddef>
#include <cstdint>

class ResourceBuffer {
public:
    ResourceBuffer() = default;
    ResourceBuffer(const void* data, size_t size) { SetMemory(data, size); }

    // Points the cursor at resource `id` of type "KDV" in `module`; false when it is missing,
    // empty, not loadable or not lockable (the buffer then has no source).
    bool OpenResource(HMODULE module, int id);
    void SetMemory(const void* data, size_t size);

    bool HasSource() const { return cursor_ != nullptr; }
    bool Failed() const { return failed_; }
    void MarkFailed() { failed_ = true; }
    // The cursor stays where the failing read began.
    size_t BytesLeft() const { return cursor_ ? size_t(end_ - cursor_) : 0; }

    // Copies n bytes and advances; on overrun (or without a source) the target is untouched.
    bool ReadBytes(void* target, size_t n);
    bool Skip(size_t n) { return Take(n) != nullptr; }
    // The next n bytes in place, then advances past them; null on overrun.
    const BYTE* Take(size_t n);

    template <class T>
    bool ReadValue(T& value) { return ReadBytes(&value, sizeof(T)); }

private:
    const BYTE* cursor_ = nullptr;
    const BYTE* end_ = nullptr;
    bool failed_ = false;
};
