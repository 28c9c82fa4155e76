#pragma once
// A framework with hand-made monitor and adapter records over an in-memory key store, as
// the settings and their dialogs see them after start-up. The dialog resources are this
// test binary's own.
#include <gtest/gtest.h>

#include <cwchar>

#include "FakeShellPlatform.h"
#include "MemoryKeyStore.h"
#include "settings/SettingsAccess.h"
#include "shell/CSaverFramework.h"
#include "shell/SoundSettingsDialog.h"

namespace vgtest {

inline constexpr wchar_t kSaverKey[] = L"Software\\Larkspire\\Glimmerforge\\Screensaver\\";

// As the application does: the sound dialog's messages go to its procedure.
class DialogSaver : public CSaverFramework {
public:
    explicit DialogSaver(ShellPlatform& platform) : CSaverFramework(platform) {}
    INT_PTR SoundDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override {
        return SoundSettingsDialogProc(dialog, message, wParam, lParam);
    }
};

struct AdapterShape {
    bool halPresent = true, halUsable = true, swPresent = false, swUsable = false;
    GUID id = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};
};

struct DialogWorld {
    DialogWorld() {
        UseKeyStore(&store);
        std::wcscpy(saver.SaverKeyPath, kSaverKey);
        std::wcscpy(::SaverKeyPath, kSaverKey);
        saver.instance = GetModuleHandleW(nullptr);
        std::wcscpy(saver.title, L"Velmora Glow");
    }
    ~DialogWorld() {
        UseKeyStore(nullptr);
        ::SaverKeyPath[0] = L'\0';
    }
    DialogWorld(const DialogWorld&) = delete;
    DialogWorld& operator=(const DialogWorld&) = delete;

    // A monitor record without an adapter (a display device no Direct3D adapter drives).
    void AddBareMonitor(const wchar_t* adapterText) {
        MonitorRecord& monitor = saver.monitors[saver.monitorCount++];
        std::wcscpy(monitor.adapterText, adapterText);
    }
    // A monitor with its adapter; the HAL type (or SW, without a usable HAL) lists the
    // modes 640 x 480 16-bit, 800 x 600 32-bit and 1024 x 768 32-bit.
    AdapterRecord& AddMonitor(const wchar_t* adapterText, AdapterShape shape = {}) {
        const UINT m = saver.monitorCount++;
        MonitorRecord& monitor = saver.monitors[m];
        std::wcscpy(monitor.adapterText, adapterText);
        monitor.monitor = reinterpret_cast<HMONITOR>(static_cast<UINT_PTR>(0x7000 + m));
        monitor.adapterIndex = static_cast<int>(saver.adapterCount);
        AdapterRecord* adapter = new AdapterRecord();
        saver.adapters[saver.adapterCount++] = adapter;
        adapter->monitorIndex = static_cast<int>(m);
        adapter->identifier.DeviceIdentifier = shape.id;
        adapter->halPresent = shape.halPresent;
        adapter->halUsable = shape.halUsable;
        adapter->swPresent = shape.swPresent;
        adapter->swUsable = shape.swUsable;
        if (shape.halUsable || shape.swUsable) {
            DeviceTypeRecord& type = adapter->deviceTypes[adapter->deviceTypeCount++];
            type.type = shape.halUsable ? D3DDEVTYPE_HAL : D3DDEVTYPE_SW;
            type.modes[0] = {640, 480, D3DFMT_R5G6B5, D3DCREATE_SOFTWARE_VERTEXPROCESSING, D3DFMT_D16};
            type.modes[1] = {800, 600, D3DFMT_X8R8G8B8, D3DCREATE_SOFTWARE_VERTEXPROCESSING, D3DFMT_D16};
            type.modes[2] = {1024, 768, D3DFMT_X8R8G8B8, D3DCREATE_SOFTWARE_VERTEXPROCESSING, D3DFMT_D16};
            type.modeCount = 3;
        }
        return *adapter;
    }
    std::wstring ScreenKey(int monitor) const {
        return std::wstring(kSaverKey) + L"Screen " + std::to_wstring(monitor + 1);
    }
    bool StoredDword(const std::wstring& key, const wchar_t* name, DWORD& value) const {
        return store.GetDword(key, name, value);
    }

    MemoryKeyStore store;
    FakeShellPlatform platform;
    DialogSaver saver{platform};
};

}  // namespace vgtest
