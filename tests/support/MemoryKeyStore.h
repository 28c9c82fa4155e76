#pragma once
// Settings values held in memory, keyed by key path and value name exactly as given.
#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsKeyStore.h"

namespace vgtest {

class MemoryKeyStore : public SettingsKeyStore {
public:
    struct Value {
        DWORD type;
        std::vector<BYTE> bytes;
    };
    using Key = std::pair<std::wstring, std::wstring>;

    bool Read(const wchar_t* keyPath, const wchar_t* name, DWORD type, void* data,
              DWORD size) override {
        ++reads;
        auto it = values.find({keyPath, name});
        if (it == values.end() || it->second.type != type || it->second.bytes.size() != size)
            return false;
        std::copy(it->second.bytes.begin(), it->second.bytes.end(), static_cast<BYTE*>(data));
        return true;
    }
    bool Write(const wchar_t* keyPath, const wchar_t* name, DWORD type, const void* data,
               DWORD size) override {
        const BYTE* bytes = static_cast<const BYTE*>(data);
        values[{keyPath, name}] = Value{type, std::vector<BYTE>(bytes, bytes + size)};
        return true;
    }
    void PutDword(const std::wstring& keyPath, const std::wstring& name, DWORD value) {
        Write(keyPath.c_str(), name.c_str(), REG_DWORD, &value, sizeof value);
    }
    bool GetDword(const std::wstring& keyPath, const std::wstring& name, DWORD& value) const {
        auto it = values.find({keyPath, name});
        if (it == values.end() || it->second.bytes.size() != sizeof(DWORD)) return false;
        std::copy(it->second.bytes.begin(), it->second.bytes.end(),
                  reinterpret_cast<BYTE*>(&value));
        return true;
    }

    std::map<Key, Value> values;
    int reads = 0;
};

}  // namespace vgtest
