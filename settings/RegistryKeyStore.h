#pragma once
// Settings values in HKEY_CURRENT_USER; each access opens (creating) the key and closes it.
#include "settings/SettingsKeyStore.h"

class RegistryKeyStore : public SettingsKeyStore {
public:
    bool Read(const wchar_t* keyPath, const wchar_t* name, DWORD type, void* data,
              DWORD size) override;
    bool Write(const wchar_t* keyPath, const wchar_t* name, DWORD type, const void* data,
               DWORD size) override;
};
