#pragma once
// A framework over the fake platform and fake Direct3D, whose hooks log what they are
// asked and answer as a test sets them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FakeDirect3D.h"
#include "FakeShellPlatform.h"
#include "shell/CSaverFramework.h"

namespace vgtest {

class RecordingSaver : public CSaverFramework {
public:
    RecordingSaver(FakeShellPlatform& platform, std::vector<std::string>& log)
        : CSaverFramework(platform), log_(log) {}

    void ShowConfigDialog() override { log_.push_back("ShowConfigDialog"); }
    void LoadSettings() override { log_.push_back("LoadSettings"); }
    void OnUnitSelected(UINT index) override { selected.push_back(index); }
    HRESULT BeforeEnumeration() override {
        log_.push_back("BeforeEnumeration");
        return beforeEnumerationResult;
    }
    HRESULT AcceptDevice(const D3DCAPS9& caps, DWORD behaviour, D3DFORMAT format) override {
        return acceptDevice ? acceptDevice(caps, behaviour, format) : S_OK;
    }
    HRESULT AcceptCreatedDevice(IDirect3DDevice9* device) override {
        return acceptCreated ? acceptCreated(device) : S_OK;
    }
    HRESULT InitOnce() override {
        log_.push_back("InitOnce");
        return initOnceResult;
    }
    HRESULT CreateUnitObjects() override { return Hook("CreateUnitObjects", createResult); }
    HRESULT RestoreUnitObjects() override { return Hook("RestoreUnitObjects", restoreResult); }
    HRESULT UpdateFrame() override {
        log_.push_back("UpdateFrame");
        return S_OK;
    }
    HRESULT RenderCurrentUnit() override { return Hook("RenderCurrentUnit", S_OK); }
    HRESULT InvalidateUnitObjects() override { return Hook("InvalidateUnitObjects", S_OK); }
    HRESULT DeleteUnitObjects() override { return Hook("DeleteUnitObjects", S_OK); }
    void OnSaverEnding() override { log_.push_back("OnSaverEnding"); }
    void OnSaverEnd() override { log_.push_back("OnSaverEnd"); }
    void OnMediaEvent(long code) override { mediaEvents.push_back(code); }

    HRESULT beforeEnumerationResult = S_OK;
    HRESULT initOnceResult = S_OK;
    HRESULT createResult = S_OK;
    HRESULT restoreResult = S_OK;
    std::function<HRESULT(const D3DCAPS9&, DWORD, D3DFORMAT)> acceptDevice;
    std::function<HRESULT(IDirect3DDevice9*)> acceptCreated;
    std::vector<UINT> selected;
    std::vector<long> mediaEvents;

private:
    HRESULT Hook(const char* name, HRESULT result) {
        std::string device = "none";
        if (currentDevice) device = static_cast<FakeDevice*>(currentDevice)->Name();
        log_.push_back(std::string(name) + " " + device);
        return result;
    }
    std::vector<std::string>& log_;
};

// The fakes and a framework over them; a fixture, or a fresh one inside a table loop.
struct SaverWorld {
    SaverWorld() { platform.direct3D = &d3d; }
    SaverWorld(const SaverWorld&) = delete;
    SaverWorld& operator=(const SaverWorld&) = delete;

    // One monitor of 1600 x 1200 driven by one HAL adapter with the typical modes.
    void OneMonitor() {
        FakeAdapter adapter;
        adapter.monitor = platform.AddDisplay(FakeDisplay());
        adapter.modes = TypicalModes();
        d3d.adapters.push_back(adapter);
    }
    // A second monitor to the right of the first, with its own adapter.
    void SecondMonitor() {
        FakeDisplay display;
        display.name = L"\\\\.\\DISPLAY2";
        display.flags = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
        display.rect = {1600, 0, 2624, 768};
        FakeAdapter adapter;
        adapter.description = "Second adapter";
        adapter.desktop = {1024, 768, 60, D3DFMT_X8R8G8B8};
        adapter.monitor = platform.AddDisplay(display);
        adapter.modes = TypicalModes();
        d3d.adapters.push_back(adapter);
    }
    void Start(const std::wstring& arguments) {
        platform.commandLine = L"VelmoraGlow.scr " + arguments;
        saver.Initialize(nullptr);
    }
    bool Logged(const std::string& entry) const { return Count(entry) > 0; }
    int Count(const std::string& entry) const {
        int n = 0;
        for (const std::string& e : platform.log) n += e == entry;
        return n;
    }

    FakeShellPlatform platform;
    FakeDirect3D9 d3d{platform.log};
    RecordingSaver saver{platform, platform.log};
};

class SaverFixture : public ::testing::Test, public SaverWorld {};

}  // namespace vgtest
