#pragma once
// File names that the document supplies and the player turns into files of its own folders.
#include <string>

// A name that stays one plain file inside whatever folder it is put in: no separators, drive
// or stream colons, wildcards or control characters, not only dots and spaces, and no device
// name (CON, NUL, COM1...) with or without an extension.
bool IsPlainFileName(const std::wstring& name);
// Names compared as the file system compares them, without case.
bool SameFileName(const std::wstring& a, const std::wstring& b);
// The name in the case-free form under which it is kept in maps of taken names.
std::wstring FileNameKey(const std::wstring& name);
