#pragma once
// Named values under keys of the current user: the registry in the product
// (RegistryKeyStore), a map in tests. Keys are created when missing.
#include <windows.h>

class SettingsKeyStore {
public:
    virtual ~SettingsKeyStore() = default;
    // Fills data only when the value exists with exactly that type and size: a value of
    // another type (the number 1 stored as the text "1") is no value of the setting.
    virtual bool Read(const wchar_t* keyPath, const wchar_t* name, DWORD type, void* data,
                      DWORD size) = 0;
    virtual bool Write(const wchar_t* keyPath, const wchar_t* name, DWORD type,
                       const void* data, DWORD size) = 0;
};
