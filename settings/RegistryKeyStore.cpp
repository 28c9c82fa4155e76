#include "settings/RegistryKeyStore.h"

#include <cstring>
#include <vector>

namespace {

HKEY OpenKey(const wchar_t* keyPath) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

bool RegistryKeyStore::Read(const wchar_t* keyPath, const wchar_t* name, DWORD type, void* data,
                            DWORD size) {
    HKEY key = OpenKey(keyPath);
    if (!key) return false;
    // Read into a scratch buffer so that a value of another size leaves the caller's alone.
    std::vector<BYTE> scratch(size);
    DWORD got = size, stored = REG_NONE;
    const bool ok = RegQueryValueExW(key, name, nullptr, &stored, scratch.data(), &got) ==
                        ERROR_SUCCESS &&
                    stored == type && got == size;
    RegCloseKey(key);
    if (ok) std::memcpy(data, scratch.data(), size);
    return ok;
}

bool RegistryKeyStore::Write(const wchar_t* keyPath, const wchar_t* name, DWORD type,
                             const void* data, DWORD size) {
    HKEY key = OpenKey(keyPath);
    if (!key) return false;
    const bool ok = RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size) ==
                    ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}
