#pragma once
// Direct3D 9 as the framework sees it, answered from a table of fake adapters: modes,
// caps, which formats each device type accepts, and devices with scripted cooperative
// levels. Every call the framework makes on a device goes into a shared log.
#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "StubDirect3D9.h"
#include "StubDirect3DDevice9.h"
#include "StubDirect3DSurface9.h"

namespace vgtest {

class FakeSurface : public StubDirect3DSurface9 {
public:
    HRESULT STDMETHODCALLTYPE GetDesc(D3DSURFACE_DESC* desc) override {
        *desc = description;
        return D3D_OK;
    }
    D3DSURFACE_DESC description = {};
};

class FakeDevice : public StubDirect3DDevice9 {
public:
    FakeDevice(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}

    HRESULT STDMETHODCALLTYPE TestCooperativeLevel() override {
        HRESULT level = D3D_OK;
        if (!levels.empty()) {
            level = levels.front();
            levels.pop_front();
        }
        log_.push_back(name_ + " TestCooperativeLevel");
        return level;
    }
    HRESULT STDMETHODCALLTYPE Reset(D3DPRESENT_PARAMETERS*) override {
        log_.push_back(name_ + " Reset");
        return resetResult;
    }
    HRESULT STDMETHODCALLTYPE Present(const RECT*, const RECT*, HWND, const RGNDATA*) override {
        log_.push_back(name_ + " Present");
        return D3D_OK;
    }
    HRESULT STDMETHODCALLTYPE GetBackBuffer(UINT, UINT, D3DBACKBUFFER_TYPE,
                                            IDirect3DSurface9** surface) override {
        backBuffer.AddRef();
        *surface = &backBuffer;
        return D3D_OK;
    }
    const std::string& Name() const { return name_; }

    std::deque<HRESULT> levels;  // answers of TestCooperativeLevel, then D3D_OK
    HRESULT resetResult = D3D_OK;
    FakeSurface backBuffer;

private:
    std::string name_;
    std::vector<std::string>& log_;
};

struct FakeDeviceType {
    D3DDEVTYPE type = D3DDEVTYPE_HAL;
    DWORD devCaps = D3DDEVCAPS_HWTRANSFORMANDLIGHT | D3DDEVCAPS_PUREDEVICE;
    std::set<D3DFORMAT> formats = {D3DFMT_X8R8G8B8};   // accepted by CheckDeviceType
    std::set<D3DFORMAT> depthFormats = {D3DFMT_D24S8};  // accepted for every format
};

struct FakeAdapter {
    std::string description = "Fake HAL adapter";
    GUID deviceIdentifier = {0x1234, 0x5678, 0x9abc, {1, 2, 3, 4, 5, 6, 7, 8}};
    D3DDISPLAYMODE desktop = {1600, 1200, 60, D3DFMT_X8R8G8B8};
    HMONITOR monitor = nullptr;
    std::vector<D3DDISPLAYMODE> modes;
    std::vector<FakeDeviceType> types = {FakeDeviceType()};
};

struct CreateCall {
    UINT adapter;
    D3DDEVTYPE type;
    HWND focus;
    DWORD behaviour;
    D3DPRESENT_PARAMETERS parameters;
};

class FakeDirect3D9 : public StubDirect3D9 {
public:
    explicit FakeDirect3D9(std::vector<std::string>& sharedLog) : log(sharedLog) {}

    UINT STDMETHODCALLTYPE GetAdapterCount() override { return static_cast<UINT>(adapters.size()); }
    HRESULT STDMETHODCALLTYPE GetAdapterIdentifier(UINT adapter, DWORD,
                                                   D3DADAPTER_IDENTIFIER9* identifier) override {
        *identifier = D3DADAPTER_IDENTIFIER9();
        strncpy(identifier->Description, adapters[adapter].description.c_str(), 511);
        identifier->DeviceIdentifier = adapters[adapter].deviceIdentifier;
        return D3D_OK;
    }
    UINT STDMETHODCALLTYPE GetAdapterModeCount(UINT adapter, D3DFORMAT) override {
        return static_cast<UINT>(adapters[adapter].modes.size());
    }
    HRESULT STDMETHODCALLTYPE EnumAdapterModes(UINT adapter, D3DFORMAT, UINT index,
                                               D3DDISPLAYMODE* mode) override {
        *mode = adapters[adapter].modes[index];
        return D3D_OK;
    }
    HRESULT STDMETHODCALLTYPE GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) override {
        ++displayModeReads;
        *mode = adapters[adapter].desktop;
        return D3D_OK;
    }
    HRESULT STDMETHODCALLTYPE CheckDeviceType(UINT adapter, D3DDEVTYPE type, D3DFORMAT display,
                                              D3DFORMAT backBuffer, WINBOOL) override {
        checkedTypes.push_back({type, backBuffer});
        const FakeDeviceType* record = Type(adapter, type);
        if (!record || !record->formats.count(display) || !record->formats.count(backBuffer))
            return D3DERR_NOTAVAILABLE;
        return D3D_OK;
    }
    HRESULT STDMETHODCALLTYPE CheckDeviceFormat(UINT adapter, D3DDEVTYPE type, D3DFORMAT,
                                                DWORD usage, D3DRESOURCETYPE,
                                                D3DFORMAT check) override {
        const FakeDeviceType* record = Type(adapter, type);
        if (usage == D3DUSAGE_DEPTHSTENCIL) depthTried.push_back(check);
        if (!record || (usage == D3DUSAGE_DEPTHSTENCIL && !record->depthFormats.count(check)))
            return D3DERR_NOTAVAILABLE;
        return D3D_OK;
    }
    HRESULT STDMETHODCALLTYPE CheckDepthStencilMatch(UINT adapter, D3DDEVTYPE type, D3DFORMAT,
                                                     D3DFORMAT, D3DFORMAT depth) override {
        const FakeDeviceType* record = Type(adapter, type);
        return record && record->depthFormats.count(depth) ? D3D_OK : D3DERR_NOTAVAILABLE;
    }
    HRESULT STDMETHODCALLTYPE GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS9* caps) override {
        *caps = D3DCAPS9();
        caps->AdapterOrdinal = adapter;
        caps->DeviceType = type;
        const FakeDeviceType* record = Type(adapter, type);
        if (record) caps->DevCaps = record->devCaps;
        return record ? D3D_OK : D3DERR_NOTAVAILABLE;
    }
    HMONITOR STDMETHODCALLTYPE GetAdapterMonitor(UINT adapter) override {
        return adapters[adapter].monitor;
    }
    HRESULT STDMETHODCALLTYPE CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focus,
                                           DWORD behaviour, D3DPRESENT_PARAMETERS* parameters,
                                           IDirect3DDevice9** device) override {
        creates.push_back({adapter, type, focus, behaviour, *parameters});
        const HRESULT hr = createResult ? createResult(creates.back()) : D3D_OK;
        if (FAILED(hr)) {
            *device = nullptr;
            return hr;
        }
        devices.push_back(std::make_unique<FakeDevice>(
            "device" + std::to_string(devices.size()), log));
        if (onDeviceCreated) onDeviceCreated(*devices.back());
        *device = devices.back().get();
        return D3D_OK;
    }

    const FakeDeviceType* Type(UINT adapter, D3DDEVTYPE type) const {
        if (adapter >= adapters.size()) return nullptr;
        for (const FakeDeviceType& record : adapters[adapter].types)
            if (record.type == type) return &record;
        return nullptr;
    }

    std::vector<FakeAdapter> adapters;
    std::vector<CreateCall> creates;
    std::function<HRESULT(const CreateCall&)> createResult;
    std::function<void(FakeDevice&)> onDeviceCreated;
    std::vector<std::unique_ptr<FakeDevice>> devices;
    std::vector<std::pair<D3DDEVTYPE, D3DFORMAT>> checkedTypes;
    std::vector<D3DFORMAT> depthTried;
    int displayModeReads = 0;
    std::vector<std::string>& log;
};

// Common display modes, with the duplicate and too-small entries drivers report.
inline std::vector<D3DDISPLAYMODE> TypicalModes() {
    return {
        {640, 480, 60, D3DFMT_X8R8G8B8},   {320, 240, 60, D3DFMT_X8R8G8B8},
        {800, 600, 60, D3DFMT_X8R8G8B8},   {800, 600, 75, D3DFMT_X8R8G8B8},
        {1024, 768, 60, D3DFMT_X8R8G8B8},  {1600, 1200, 60, D3DFMT_X8R8G8B8},
        {640, 400, 60, D3DFMT_X8R8G8B8},   {1280, 1024, 60, D3DFMT_X8R8G8B8},
        {1600, 1200, 60, D3DFMT_R5G6B5},   {1024, 768, 60, D3DFMT_R5G6B5},
        {600, 800, 60, D3DFMT_X8R8G8B8},
    };
}

}  // namespace vgtest
