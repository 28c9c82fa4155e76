#pragma once
// The name of one stored file: a path (or module name, or record name) and a 64-bit stamp
// (modification time, resource id, or counter value).
#include <cstdint>
#include <string>

struct FileKey {
    std::wstring path;
    int64_t stamp = 0;

    FileKey() = default;
    FileKey(std::wstring p, int64_t s) : path(std::move(p)), stamp(s) {}
};

// Paths code unit by code unit (unsigned 16-bit), a prefix first; then the signed stamp.
bool operator<(const FileKey& a, const FileKey& b);
bool operator==(const FileKey& a, const FileKey& b);
inline bool operator!=(const FileKey& a, const FileKey& b) { return !(a == b); }

// The text from the last "." to the end, lower-cased in the ASCII range; empty without a dot.
std::wstring ExtensionOfPath(const std::wstring& path);
// A link whose extension is ".dll" names a resource of that module, with the stamp as its id.
inline bool IsModuleLink(const FileKey& key) { return ExtensionOfPath(key.path) == L".dll"; }
