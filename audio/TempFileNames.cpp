#include "audio/TempFileNames.h"

#include <cwctype>

#include "document/PlainFileName.h"

namespace {

const wchar_t kGeneratedStem[] = L"VelmoraGlow music";

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

std::wstring TempFileNames::Claim(const std::wstring& storedPath) {
    size_t slash = storedPath.rfind(L'\\');
    std::wstring name = slash == std::wstring::npos ? storedPath : storedPath.substr(slash + 1);
    if (!IsPlainFileName(name)) name = kGeneratedStem + SafeExtension(name);

    std::wstring candidate = name;
    size_t dot = name.rfind(L'.');
    std::wstring stem = dot == std::wstring::npos ? name : name.substr(0, dot);
    std::wstring extension = dot == std::wstring::npos ? std::wstring() : name.substr(dot);
    // Numbering goes on from where the last copy of this name stopped, so thousands of
    // tracks of one name take thousands of steps, not millions.
    size_t& number = nextNumber_.try_emplace(FileNameKey(name), 2).first->second;
    while (taken_.count(FileNameKey(candidate))) {
        candidate = stem + L" (" + std::to_wstring(number) + L")" + extension;
        ++number;
    }
    taken_.insert(FileNameKey(candidate));
    return candidate;
}
