#include "document/FileKey.h"

bool operator<(const FileKey& a, const FileKey& b) {
    // wchar_t is an unsigned 16-bit unit on Windows, so the string order is the code-unit order.
    int order = a.path.compare(b.path);
    if (order != 0) return order < 0;
    return a.stamp < b.stamp;
}

bool operator==(const FileKey& a, const FileKey& b) {
    return a.stamp == b.stamp && a.path == b.path;
}

std::wstring ExtensionOfPath(const std::wstring& path) {
    size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos) return std::wstring();
    std::wstring extension = path.substr(dot);
    for (wchar_t& unit : extension)
        if (unit >= L'A' && unit <= L'Z') unit = wchar_t(unit - L'A' + L'a');
    return extension;
}
