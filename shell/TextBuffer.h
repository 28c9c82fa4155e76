#pragma once
// Fixed-size UTF-16 text fields: copies and appends that truncate and stay terminated.
#include <cstddef>
#include <cwchar>

inline void CopyText(wchar_t* target, size_t capacity, const wchar_t* source) {
    if (capacity == 0) return;
    std::wcsncpy(target, source, capacity - 1);
    target[capacity - 1] = L'\0';
}

inline void AppendText(wchar_t* target, size_t capacity, const wchar_t* source) {
    const size_t used = std::wcslen(target);
    if (used + 1 >= capacity) return;
    CopyText(target + used, capacity - used, source);
}
