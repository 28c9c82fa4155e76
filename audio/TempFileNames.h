#pragma once
// The file names that one document's music takes in its folder. A stored path gives the text
// after its last backslash (the whole text when it has none); a name that could reach outside
// the folder or name a device is replaced by a generated one; and a name that another track
// of the document took already gets a number, so no track overwrites another.
#include <map>
#include <set>
#include <string>

class TempFileNames {
public:
    // The file name (no folder) for the track stored at storedPath, now taken.
    std::wstring Claim(const std::wstring& storedPath);

private:
    // Names taken so far, in FileNameKey form.
    std::set<std::wstring> taken_;
    // For each name asked for, the number its next copy tries first.
    std::map<std::wstring, size_t> nextNumber_;
};
