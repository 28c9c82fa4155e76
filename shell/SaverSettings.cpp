#include "shell/SaverSettings.h"

#include <cwchar>

#include "settings/SettingsAccess.h"

namespace {

constexpr size_t kKeyPathCapacity = 260;

void ReadFlag(const wchar_t* keyPath, const wchar_t* name, BOOL& flag) {
    DWORD value = 0;
    if (ReadDwordValue(keyPath, name, value)) flag = value != 0;
}

void ReadDisplayMode(const wchar_t* keyPath, AdapterRecord& adapter) {
    DWORD width = adapter.userWidth, height = adapter.userHeight;
    DWORD format = static_cast<DWORD>(adapter.userFormat);
    ReadDwordValue(keyPath, kWidthValue, width);
    ReadDwordValue(keyPath, kHeightValue, height);
    ReadDwordValue(keyPath, kFormatValue, format);
    if (width == 0 || height == 0 || format == 0) width = height = format = 0;
    adapter.userWidth = width;
    adapter.userHeight = height;
    adapter.userFormat = static_cast<D3DFORMAT>(format);
}

}  // namespace

void ScreenKeyPath(const wchar_t* keyPath, int monitorIndex, wchar_t* path, size_t capacity) {
    std::swprintf(path, capacity, L"%lsScreen %d", keyPath, monitorIndex + 1);
}

AdapterRecord* AdapterOfMonitor(const CSaverFramework& saver, UINT monitorIndex) {
    if (monitorIndex >= saver.monitorCount) return nullptr;
    const int index = saver.monitors[monitorIndex].adapterIndex;
    if (index < 0 || static_cast<UINT>(index) >= saver.adapterCount) return nullptr;
    return saver.adapters[index];
}

void LoadDisplaySettings(CSaverFramework& saver, const wchar_t* keyPath) {
    BOOL allScreensSame = saver.allScreensSame != 0;
    ReadFlag(keyPath, kAllScreensSameValue, allScreensSame);
    saver.allScreensSame = allScreensSame ? 1 : 0;
    for (UINT m = 0; m < saver.monitorCount; ++m) {
        AdapterRecord* adapter = AdapterOfMonitor(saver, m);
        if (!adapter) continue;
        wchar_t screenKey[kKeyPathCapacity];
        ScreenKeyPath(keyPath, static_cast<int>(m), screenKey, kKeyPathCapacity);
        GUID storedAdapter = {};
        ActiveKeyStore().Read(screenKey, kAdapterIdValue, REG_BINARY, &storedAdapter, sizeof storedAdapter);
        ReadFlag(screenKey, kLeaveBlackValue, adapter->leaveBlack);
        // The other choices belong to the adapter they were made for.
        if (storedAdapter != GUID() && storedAdapter != adapter->identifier.DeviceIdentifier)
            continue;
        ReadFlag(screenKey, kDisableHardwareValue, adapter->disableHardware);
        ReadDisplayMode(screenKey, *adapter);
    }
}

void SaveDisplaySettings(const CSaverFramework& saver, const wchar_t* keyPath) {
    WriteDwordValue(keyPath, kAllScreensSameValue, saver.allScreensSame);
    for (UINT m = 0; m < saver.monitorCount; ++m) {
        const AdapterRecord* adapter = AdapterOfMonitor(saver, m);
        if (!adapter) continue;
        wchar_t screenKey[kKeyPathCapacity];
        ScreenKeyPath(keyPath, static_cast<int>(m), screenKey, kKeyPathCapacity);
        WriteDwordValue(screenKey, kLeaveBlackValue, adapter->leaveBlack ? 1 : 0);
        WriteDwordValue(screenKey, kDisableHardwareValue, adapter->disableHardware ? 1 : 0);
        WriteDwordValue(screenKey, kWidthValue, adapter->userWidth);
        WriteDwordValue(screenKey, kHeightValue, adapter->userHeight);
        WriteDwordValue(screenKey, kFormatValue, static_cast<DWORD>(adapter->userFormat));
        ActiveKeyStore().Write(screenKey, kAdapterIdValue, REG_BINARY,
                               &adapter->identifier.DeviceIdentifier, sizeof(GUID));
    }
}

void LoadAllSettings(CSaverFramework& saver) { LoadDisplaySettings(saver, saver.SaverKeyPath); }

void SaveAllSettings(const CSaverFramework& saver, const SettingsTable& table) {
    table.Save(saver.SaverKeyPath);
    SaveDisplaySettings(saver, saver.SaverKeyPath);
}
