#pragma once
// Named values under keys of the current user: the registry in the product
// (RegistryKeyStore), a map in tests. Keys are created when missing.
#include <windows.h>

class SettingsKeyStore {
public:
    virtual ~SettingsKeyStore() = default;
    // Fills data only when the value exists with exactly size bytes.
    virtual bool Read(const wchar_t* keyPath, const wchar_t* name, void* data, DWORD size) = 0;
    virtual bool Write(const wchar_t* keyPath, const wchar_t* name, DWORD type,
                       const void* data, DWORD size) = 0;
};
