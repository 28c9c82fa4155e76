#include "document/PlainFileName.h"

#include <windows.h>
#include <cwchar>

namespace {

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, with any extension, open a device.
bool IsDeviceName(const std::wstring& name) {
    std::wstring stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') stem.pop_back();
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL"}) {
        if (SameFileName(stem, device)) return true;
    }
    if (stem.size() == 4 && stem[3] >= L'1' && stem[3] <= L'9') {
        std::wstring prefix = stem.substr(0, 3);
        if (SameFileName(prefix, L"COM") || SameFileName(prefix, L"LPT")) return true;
    }
    return false;
}

}  // namespace

bool IsPlainFileName(const std::wstring& name) {
    bool onlyDotsAndSpaces = true;
    for (wchar_t c : name) {
        if (c < 32 || std::wcschr(L"/\\:*?\"<>|", c)) return false;
        if (c != L'.' && c != L' ') onlyDotsAndSpaces = false;
    }
    return !onlyDotsAndSpaces && !IsDeviceName(name);
}

bool SameFileName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::wstring FileNameKey(const std::wstring& name) {
    std::wstring key = name;
    if (!key.empty()) CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
    return key;
}
