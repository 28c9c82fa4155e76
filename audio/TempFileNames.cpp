#include "audio/TempFileNames.h"

#include <windows.h>
#include <cwchar>
#include <cwctype>

namespace {

const wchar_t kGeneratedStem[] = L"VelmoraGlow music";

bool SameName(const std::wstring& a, const std::wstring& b) {
    // The file system compares names without case.
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, with any extension, open a device.
bool IsDeviceName(const std::wstring& name) {
    std::wstring stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') stem.pop_back();
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL"}) {
        if (SameName(stem, device)) return true;
    }
    if (stem.size() == 4 && stem[3] >= L'1' && stem[3] <= L'9') {
        std::wstring prefix = stem.substr(0, 3);
        if (SameName(prefix, L"COM") || SameName(prefix, L"LPT")) return true;
    }
    return false;
}

// Names that stay a plain file inside the folder: no separators, drive or stream colons,
// wildcards or control characters, not only dots and spaces ("." and ".." included).
bool IsSafeFileName(const std::wstring& name) {
    bool onlyDotsAndSpaces = true;
    for (wchar_t c : name) {
        if (c < 32 || std::wcschr(L"/\\:*?\"<>|", c)) return false;
        if (c != L'.' && c != L' ') onlyDotsAndSpaces = false;
    }
    return !onlyDotsAndSpaces && !IsDeviceName(name);
}

// ".mp3" of "a/b.mp3", so the replacement keeps the type DirectShow looks for.
std::wstring SafeExtension(const std::wstring& name) {
    size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos) return {};
    std::wstring extension = name.substr(dot);
    if (extension.size() < 2 || extension.size() > 9) return {};
    for (size_t i = 1; i < extension.size(); ++i) {
        if (extension[i] > 127 || !std::iswalnum(extension[i])) return {};
    }
    return extension;
}

}  // namespace

bool TempFileNames::IsTaken(const std::wstring& name) const {
    for (const std::wstring& other : taken_) {
        if (SameName(other, name)) return true;
    }
    return false;
}

std::wstring TempFileNames::Claim(const std::wstring& storedPath) {
    size_t slash = storedPath.rfind(L'\\');
    std::wstring name = slash == std::wstring::npos ? storedPath : storedPath.substr(slash + 1);
    if (!IsSafeFileName(name)) name = kGeneratedStem + SafeExtension(name);

    std::wstring candidate = name;
    size_t dot = name.rfind(L'.');
    std::wstring stem = dot == std::wstring::npos ? name : name.substr(0, dot);
    std::wstring extension = dot == std::wstring::npos ? std::wstring() : name.substr(dot);
    // At most one number per name taken so far, so this ends.
    for (size_t number = 2; IsTaken(candidate); ++number) {
        candidate = stem + L" (" + std::to_wstring(number) + L")" + extension;
    }
    taken_.push_back(candidate);
    return candidate;
}
