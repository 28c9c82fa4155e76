// Monitors, adapters, device selection and the screen units.
#include <algorithm>
#include <cwchar>

#include "settings/SettingsAccess.h"
#include "shell/CSaverFramework.h"
#include "shell/SaverSettings.h"
#include "shell/TextBuffer.h"

namespace {

bool IsSixteenBitFormat(D3DFORMAT format) {
    return format == D3DFMT_R5G6B5 || format == D3DFMT_X1R5G5B5 || format == D3DFMT_A1R5G5B5;
}

bool IsSixteenBitModeFormat(D3DFORMAT format) {
    return IsSixteenBitFormat(format) || format == D3DFMT_A4R4G4B4 ||
           format == D3DFMT_X4R4G4B4;
}

// What one format of a device type needs to run: vertex processing and depth format.
struct FormatChoice {
    D3DFORMAT format = D3DFMT_UNKNOWN;
    bool usable = false;
    DWORD behaviourFlags = 0;
    D3DFORMAT depthFormat = D3DFMT_UNKNOWN;
};

}  // namespace

void CSaverFramework::ListMonitors() {
    monitorCount = 0;
    DISPLAY_DEVICEW device;
    for (DWORD i = 0; monitorCount < kMaxMonitors && platform_.EnumDisplayDevice(i, device);
         ++i) {
        if (device.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER) continue;
        MonitorRecord& record = monitors[monitorCount++];
        record = MonitorRecord();
        CopyText(record.adapterText, 128, device.DeviceString);
        DISPLAY_DEVICEW monitor;
        if (platform_.FirstMonitorOf(device.DeviceName, monitor))
            CopyText(record.monitorText, 128, monitor.DeviceString);
        if (!(device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP)) continue;
        DEVMODEW settings = {};
        if (!platform_.CurrentDisplaySettings(device.DeviceName, settings)) continue;
        RECT rect = {};
        if (!(device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE)) {
            rect.left = settings.dmPosition.x;
            rect.top = settings.dmPosition.y;
        }
        rect.right = rect.left + static_cast<LONG>(settings.dmPelsWidth);
        rect.bottom = rect.top + static_cast<LONG>(settings.dmPelsHeight);
        record.screenRect = rect;
        record.monitor = platform_.MonitorFromRectangle(rect);
    }
}

int CSaverFramework::CompareDisplayModes(const D3DDISPLAYMODE& a, const D3DDISPLAYMODE& b) {
    if (a.Width != b.Width) return a.Width < b.Width ? -1 : 1;
    if (a.Height != b.Height) return a.Height < b.Height ? -1 : 1;
    if (a.Format != b.Format) return a.Format > b.Format ? -1 : 1;
    return 0;
}

bool CSaverFramework::ChooseBehaviourFlags(const D3DCAPS9& caps, D3DFORMAT format,
                                           DWORD& flags) {
    DWORD candidates[4];
    int count = 0;
    if (caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT) {
        if (caps.DevCaps & D3DDEVCAPS_PUREDEVICE)
            candidates[count++] = D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_PUREDEVICE;
        candidates[count++] = D3DCREATE_HARDWARE_VERTEXPROCESSING;
        candidates[count++] = D3DCREATE_MIXED_VERTEXPROCESSING;
    }
    candidates[count++] = D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    for (int i = 0; i < count; ++i) {
        if (SUCCEEDED(AcceptDevice(caps, candidates[i], format))) {
            flags = candidates[i];
            if (multithreaded) flags |= D3DCREATE_MULTITHREADED;
            return true;
        }
    }
    return false;
}

HRESULT CSaverFramework::EnumerateAdapters() {
    D3DDEVTYPE typeList[3] = {D3DDEVTYPE_HAL, D3DDEVTYPE_SW, D3DDEVTYPE_REF};
    const UINT typeCount = allowReference ? 3 : 2;
    const UINT count = std::min<UINT>(d3d->GetAdapterCount(), kMaxAdapters);
    for (UINT i = 0; i < count; ++i) {
        AdapterRecord* adapter = new (std::nothrow) AdapterRecord();
        if (!adapter) return E_OUTOFMEMORY;
        adapters[adapterCount++] = adapter;
        d3d->GetAdapterIdentifier(i, 0, &adapter->identifier);
        d3d->GetAdapterDisplayMode(i, &adapter->desktopMode);

        const HMONITOR adapterMonitor = d3d->GetAdapterMonitor(i);
        for (UINT m = 0; m < monitorCount; ++m) {
            if (monitors[m].monitor == adapterMonitor) {
                monitors[m].adapterIndex = static_cast<int>(i);
                adapter->monitorIndex = static_cast<int>(m);
                break;
            }
        }

        // Distinct modes of at least 640 x 400 and the formats they use, desktop first.
        D3DDISPLAYMODE modes[kMaxAdapterModes];
        UINT modeCount = 0;
        D3DFORMAT formats[kMaxAdapterModes + 1];
        UINT formatCount = 0;
        formats[formatCount++] = adapter->desktopMode.Format;
        const UINT listed = d3d->GetAdapterModeCount(i, D3DFMT_X8R8G8B8);
        for (UINT j = 0; j < listed && modeCount < kMaxAdapterModes; ++j) {
            D3DDISPLAYMODE mode = {};
            if (FAILED(d3d->EnumAdapterModes(i, D3DFMT_X8R8G8B8, j, &mode))) continue;
            if (mode.Width < 640 || mode.Height < 400) continue;
            mode.RefreshRate = 0;
            bool known = false;
            for (UINT k = 0; k < modeCount; ++k)
                if (CompareDisplayModes(modes[k], mode) == 0) known = true;
            if (known) continue;
            modes[modeCount++] = mode;
            bool formatKnown = false;
            for (UINT k = 0; k < formatCount; ++k)
                if (formats[k] == mode.Format) formatKnown = true;
            if (!formatKnown) formats[formatCount++] = mode.Format;
        }
        std::sort(modes, modes + modeCount, [](const D3DDISPLAYMODE& a, const D3DDISPLAYMODE& b) {
            return CompareDisplayModes(a, b) < 0;
        });

        for (UINT t = 0; t < typeCount; ++t) {
            DeviceTypeRecord& record = adapter->deviceTypes[adapter->deviceTypeCount];
            record = DeviceTypeRecord();
            record.type = typeList[t];
            d3d->GetDeviceCaps(i, record.type, &record.caps);

            FormatChoice choices[kMaxAdapterModes + 1];
            for (UINT f = 0; f < formatCount; ++f) {
                FormatChoice& choice = choices[f];
                choice.format = formats[f];
                if (FAILED(d3d->CheckDeviceType(i, record.type, choice.format, choice.format,
                                                FALSE)))
                    continue;
                if (record.type == D3DDEVTYPE_SW) adapter->swPresent = TRUE;
                if (record.type == D3DDEVTYPE_HAL) adapter->halPresent = TRUE;
                if (!ChooseBehaviourFlags(record.caps, choice.format, choice.behaviourFlags))
                    continue;
                if (useDepthBuffer &&
                    !PickDepthStencilFormat(i, record.type, choice.format, choice.depthFormat))
                    continue;
                choice.usable = true;
            }

            for (UINT m = 0; m < modeCount && record.modeCount < DeviceTypeRecord::kMaxModes;
                 ++m) {
                for (UINT f = 0; f < formatCount; ++f) {
                    if (choices[f].format != modes[m].Format || !choices[f].usable) continue;
                    DisplayModeRecord& mode = record.modes[record.modeCount++];
                    mode.width = modes[m].Width;
                    mode.height = modes[m].Height;
                    mode.format = modes[m].Format;
                    mode.behaviourFlags = choices[f].behaviourFlags;
                    mode.depthFormat = choices[f].depthFormat;
                    break;
                }
            }

            // The first 640 x 480 mode in 16 bits, else the last 640 x 480 one.
            for (UINT m = 0; m < record.modeCount; ++m) {
                const DisplayModeRecord& mode = record.modes[m];
                if (mode.width != 640 || mode.height != 480) continue;
                record.chosenMode = m;
                if (IsSixteenBitFormat(mode.format)) break;
            }

            if (choices[0].usable) record.desktopFormatUsable = TRUE;
            if (record.modeCount > 0) {
                ++adapter->deviceTypeCount;
                if (record.type == D3DDEVTYPE_SW) adapter->swUsable = TRUE;
                if (record.type == D3DDEVTYPE_HAL) adapter->halUsable = TRUE;
            }
        }
    }
    return S_OK;
}

bool CSaverFramework::PickDepthStencilFormat(UINT adapter, D3DDEVTYPE type, D3DFORMAT format,
                                             D3DFORMAT& depthFormat) {
    struct DepthCandidate {
        D3DFORMAT format;
        DWORD depthBits;
        DWORD stencilBits;
    };
    static constexpr DepthCandidate kCandidates[] = {
        {D3DFMT_D16, 16, 0},   {D3DFMT_D15S1, 15, 1},   {D3DFMT_D24X8, 24, 0},
        {D3DFMT_D24S8, 24, 8}, {D3DFMT_D24X4S4, 24, 4}, {D3DFMT_D32, 32, 0},
    };
    for (const DepthCandidate& candidate : kCandidates) {
        if (minDepthBits > candidate.depthBits || minStencilBits > candidate.stencilBits)
            continue;
        if (SUCCEEDED(d3d->CheckDeviceFormat(adapter, type, format, D3DUSAGE_DEPTHSTENCIL,
                                             D3DRTYPE_SURFACE, candidate.format)) &&
            SUCCEEDED(d3d->CheckDepthStencilMatch(adapter, type, format, format,
                                                  candidate.format))) {
            depthFormat = candidate.format;
            return true;
        }
    }
    return false;
}

HRESULT CSaverFramework::TryWindowedFormat(ScreenUnit& unit, const AdapterRecord& adapter) {
    D3DPRESENT_PARAMETERS& parameters = unit.presentParameters;
    const DeviceTypeRecord& type = adapter.deviceTypes[adapter.chosenDeviceType];
    if (FAILED(d3d->CheckDeviceType(unit.adapterIndex, type.type, adapter.desktopMode.Format,
                                    parameters.BackBufferFormat, TRUE)))
        return E_FAIL;
    if (!ChooseBehaviourFlags(type.caps, parameters.BackBufferFormat, unit.behaviourFlags))
        return E_FAIL;
    if (useDepthBuffer &&
        !PickDepthStencilFormat(unit.adapterIndex, type.type, parameters.BackBufferFormat,
                                parameters.AutoDepthStencilFormat))
        return E_FAIL;
    return S_OK;
}

bool CSaverFramework::PickBestAdapter(UINT& adapterIndex) {
    bool found = false;
    for (UINT m = 0; m < monitorCount; ++m) {
        const int index = monitors[m].adapterIndex;
        if (index < 0 || static_cast<UINT>(index) >= adapterCount) continue;
        const AdapterRecord& adapter = *adapters[index];
        if (adapter.halUsable) {
            adapterIndex = static_cast<UINT>(index);
            return true;
        }
        if (adapter.swUsable) {
            adapterIndex = static_cast<UINT>(index);
            found = true;
        }
    }
    return found;
}

HRESULT CSaverFramework::OpenScreenUnits() {
    if (mode == Preview || mode == TestWindow) {
        windowed = TRUE;
        platform_.ClientRectangle(mainWindow, clientRect);
        renderRect = clientRect;
        UINT best = 0;
        if (!PickBestAdapter(best)) {
            EnterErrorMode(kNoDevice);
        } else {
            adapters[best]->deviceWindow = mainWindow;
            ScreenUnit& unit = units[unitCount++];
            unit = ScreenUnit();
            unit.adapterIndex = best;
            if (FAILED(OpenWindowedUnit(unit))) {
                --unitCount;
                EnterErrorMode(mode == Preview ? kNoPreview : kNoDevice);
            }
        }
    } else {
        windowed = FALSE;
        if (oneScreenOnly) {
            for (UINT i = 0; i < adapterCount; ++i) adapters[i]->leaveBlack = TRUE;
            UINT best = 0;
            if (PickBestAdapter(best))
                adapters[best]->leaveBlack = FALSE;
            else
                EnterErrorMode(kNoCompatibleDevice);
        }
        for (UINT m = 0; m < monitorCount; ++m) {
            const int index = monitors[m].adapterIndex;
            if (index < 0 || static_cast<UINT>(index) >= adapterCount) continue;
            AdapterRecord& adapter = *adapters[index];
            if (adapter.disableHardware && !adapter.swUsable && !allowReference)
                adapter.leaveBlack = TRUE;
            if (adapter.leaveBlack || adapter.deviceTypeCount == 0 || unitCount >= kMaxUnits)
                continue;
            adapter.deviceWindow = monitors[m].window;
            ScreenUnit& unit = units[unitCount++];
            unit = ScreenUnit();
            unit.adapterIndex = static_cast<UINT>(index);
            if (FAILED(OpenFullscreenUnit(unit))) {
                --unitCount;
                EnterErrorMode(kNoDevice);
            }
        }
    }

    for (UINT m = 0; m < monitorCount; ++m) {
        MonitorRecord& monitor = monitors[m];
        if (monitor.monitor) platform_.MonitorRectangle(monitor.monitor, monitor.screenRect);
        if (mode == FullScreen && monitor.window)
            platform_.PlaceTopmost(monitor.window, monitor.screenRect);
    }
    if (mode == FullScreen && unitCount > 0) {
        RECT all = {};
        for (UINT i = 0; i < unitCount; ++i) {
            const int m = units[i].monitorIndex;
            if (m < 0) continue;
            RECT both;
            UnionRect(&both, &all, &monitors[m].screenRect);
            all = both;
        }
        clientRect = all;
    }

    if (!errorMode) {
        for (UINT i = 0; i < unitCount; ++i) {
            MakeUnitCurrent(i);
            if (FAILED(CreateUnitObjects())) {
                EnterErrorMode(kUnitObjectsFailed);
                continue;
            }
            units[i].objectsCreated = TRUE;
            if (FAILED(RestoreUnitObjects())) {
                EnterErrorMode(kUnitObjectsFailed);
                continue;
            }
            units[i].objectsRestored = TRUE;
        }
        DescribeUnits();
    }
    // Moves made while the devices were being made do not count.
    mouseMoveCount = 0;
    return S_OK;
}

HRESULT CSaverFramework::OpenWindowedUnit(ScreenUnit& unit) {
    AdapterRecord& adapter = *adapters[unit.adapterIndex];
    unit.monitorIndex = adapter.monitorIndex;

    int chosen = -1;
    int software = -1;
    int reference = -1;
    for (UINT t = 0; t < adapter.deviceTypeCount && chosen < 0; ++t) {
        const DeviceTypeRecord& type = adapter.deviceTypes[t];
        if (!type.desktopFormatUsable) continue;
        if (type.type == D3DDEVTYPE_HAL && !adapter.disableHardware) chosen = static_cast<int>(t);
        if (type.type == D3DDEVTYPE_SW && software < 0) software = static_cast<int>(t);
        if (type.type == D3DDEVTYPE_REF && reference < 0) reference = static_cast<int>(t);
    }
    if (chosen < 0) chosen = software;
    if (chosen < 0 && allowReference) chosen = reference;
    if (chosen < 0) return kNoSuitableDeviceType;
    adapter.chosenDeviceType = static_cast<UINT>(chosen);
    unit.deviceType = adapter.deviceTypes[chosen].type;

    D3DPRESENT_PARAMETERS& parameters = unit.presentParameters;
    parameters = D3DPRESENT_PARAMETERS();
    const D3DFORMAT backBufferFormats[] = {adapter.desktopMode.Format, D3DFMT_A8R8G8B8,
                                           D3DFMT_X8R8G8B8, D3DFMT_A1R5G5B5, D3DFMT_R5G6B5};
    bool found = false;
    for (D3DFORMAT format : backBufferFormats) {
        parameters.BackBufferFormat = format;
        if (SUCCEEDED(TryWindowedFormat(unit, adapter))) {
            found = true;
            break;
        }
    }
    if (!found) return E_FAIL;

    parameters.BackBufferWidth = 0;
    parameters.BackBufferHeight = 0;
    parameters.BackBufferCount = 1;
    parameters.MultiSampleType = D3DMULTISAMPLE_NONE;
    parameters.SwapEffect = windowedSwapEffect;
    parameters.hDeviceWindow = adapter.deviceWindow;
    parameters.Windowed = TRUE;
    parameters.EnableAutoDepthStencil = useDepthBuffer;
    if (!useDepthBuffer) parameters.AutoDepthStencilFormat = D3DFMT_UNKNOWN;
    parameters.Flags = 0;
    parameters.FullScreen_RefreshRateInHz = 0;
    parameters.PresentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
    return d3d->CreateDevice(unit.adapterIndex, unit.deviceType, mainWindow, unit.behaviourFlags,
                             &parameters, &unit.device);
}

HRESULT CSaverFramework::OpenFullscreenUnit(ScreenUnit& unit) {
    if (unit.adapterIndex >= adapterCount) return E_FAIL;
    AdapterRecord& adapter = *adapters[unit.adapterIndex];
    if (adapter.deviceTypeCount == 0) return E_FAIL;
    unit.monitorIndex = adapter.monitorIndex;

    int chosen = -1;
    int software = -1;
    int reference = -1;
    for (UINT t = 0; t < adapter.deviceTypeCount; ++t) {
        const D3DDEVTYPE type = adapter.deviceTypes[t].type;
        if (type == D3DDEVTYPE_HAL && !adapter.disableHardware && chosen < 0)
            chosen = static_cast<int>(t);
        if (type == D3DDEVTYPE_SW && software < 0) software = static_cast<int>(t);
        if (type == D3DDEVTYPE_REF && reference < 0) reference = static_cast<int>(t);
    }
    if (chosen < 0) chosen = software;
    if (chosen < 0 && allowReference) chosen = reference;
    if (chosen < 0) return kNoSuitableDeviceType;
    adapter.chosenDeviceType = static_cast<UINT>(chosen);
    DeviceTypeRecord& type = adapter.deviceTypes[chosen];

    int pick = -1;
    if (adapter.userWidth != 0) {
        for (UINT m = 0; m < type.modeCount && pick < 0; ++m) {
            const DisplayModeRecord& mode = type.modes[m];
            if (mode.width == adapter.userWidth && mode.height == adapter.userHeight &&
                mode.format == adapter.userFormat)
                pick = static_cast<int>(m);
        }
    }
    if (pick < 0 && type.type == D3DDEVTYPE_SW) {
        // The smallest height other than 400; at equal heights a later one wins unless
        // the pick is 16-bit.
        for (UINT m = 0; m < type.modeCount; ++m) {
            const DisplayModeRecord& mode = type.modes[m];
            if (mode.height == 400) continue;
            if (pick < 0 || mode.height < type.modes[pick].height) {
                pick = static_cast<int>(m);
            } else if (mode.height == type.modes[pick].height &&
                       !IsSixteenBitModeFormat(type.modes[pick].format)) {
                pick = static_cast<int>(m);
            }
        }
    } else if (pick < 0) {
        for (UINT m = 0; m < type.modeCount; ++m) {
            const DisplayModeRecord& mode = type.modes[m];
            if (mode.width != adapter.desktopMode.Width ||
                mode.height != adapter.desktopMode.Height)
                continue;
            if (pick < 0) pick = static_cast<int>(m);
            if (IsFullColourFormat(mode.format)) {
                pick = static_cast<int>(m);
                break;
            }
        }
    }
    type.chosenMode = pick < 0 ? 0 : static_cast<UINT>(pick);

    bool steppedDown = false;
    for (;;) {
        const DisplayModeRecord& mode = type.modes[type.chosenMode];
        D3DPRESENT_PARAMETERS& parameters = unit.presentParameters;
        parameters = D3DPRESENT_PARAMETERS();
        parameters.BackBufferWidth = mode.width;
        parameters.BackBufferHeight = mode.height;
        parameters.BackBufferFormat = mode.format;
        parameters.BackBufferCount = 1;
        parameters.MultiSampleType = D3DMULTISAMPLE_NONE;
        parameters.SwapEffect = fullscreenSwapEffect;
        parameters.hDeviceWindow = adapter.deviceWindow;
        parameters.Windowed = FALSE;
        parameters.EnableAutoDepthStencil = useDepthBuffer;
        parameters.AutoDepthStencilFormat = useDepthBuffer ? mode.depthFormat : D3DFMT_UNKNOWN;
        parameters.Flags = 0;
        parameters.FullScreen_RefreshRateInHz = 0;
        parameters.PresentationInterval = D3DPRESENT_INTERVAL_ONE;
        unit.deviceType = type.type;
        unit.behaviourFlags = mode.behaviourFlags;
        HRESULT hr = d3d->CreateDevice(unit.adapterIndex, type.type, mainWindow,
                                       unit.behaviourFlags, &parameters, &unit.device);
        if (SUCCEEDED(hr)) {
            hr = AcceptCreatedDevice(unit.device);
            if (SUCCEEDED(hr)) break;
        }
        if (unit.device) {
            unit.device->Release();
            unit.device = nullptr;
        }
        if (!type.StepDownMode()) return hr;
        steppedDown = true;
    }
    if (steppedDown) StoreSteppedDownMode(adapter, type.modes[type.chosenMode]);
    return S_OK;
}

void CSaverFramework::StoreSteppedDownMode(AdapterRecord& adapter,
                                           const DisplayModeRecord& mode) {
    adapter.userWidth = mode.width;
    adapter.userHeight = mode.height;
    adapter.userFormat = mode.format;
    if (SaverKeyPath[0] == L'\0') return;
    wchar_t keyPath[260];
    ScreenKeyPath(SaverKeyPath, adapter.monitorIndex, keyPath, 260);
    SettingsKeyStore& store = ActiveKeyStore();
    const DWORD width = mode.width, height = mode.height;
    const DWORD format = static_cast<DWORD>(mode.format);
    store.Write(keyPath, kWidthValue, REG_DWORD, &width, sizeof width);
    store.Write(keyPath, kHeightValue, REG_DWORD, &height, sizeof height);
    store.Write(keyPath, kFormatValue, REG_DWORD, &format, sizeof format);
    store.Write(keyPath, kAdapterIdValue, REG_BINARY, &adapter.identifier.DeviceIdentifier,
                sizeof(GUID));
}

void CSaverFramework::MakeUnitCurrent(UINT index) {
    ScreenUnit& unit = units[index];
    currentDevice = unit.device;
    if (mode == FullScreen && unit.monitorIndex >= 0)
        renderRect = monitors[unit.monitorIndex].screenRect;
    if (unit.device) {
        IDirect3DSurface9* backBuffer = nullptr;
        if (SUCCEEDED(unit.device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer)) &&
            backBuffer) {
            backBuffer->GetDesc(&backBufferDesc);
            backBuffer->Release();
        }
    }
    CopyText(unitDescription, 90, unit.description);
    CopyText(frameStats, 40, unit.frameStats);
    OnUnitSelected(index);
}

void CSaverFramework::DescribeUnits() {
    for (UINT i = 0; i < unitCount; ++i) {
        ScreenUnit& unit = units[i];
        const bool simulated = unit.deviceType != D3DDEVTYPE_HAL;
        const wchar_t* name = unit.deviceType == D3DDEVTYPE_HAL   ? L"HAL"
                              : unit.deviceType == D3DDEVTYPE_REF ? L"REF"
                                                                  : L"SW";
        const wchar_t* processing = L"";
        const DWORD flags = unit.behaviourFlags;
        if ((flags & D3DCREATE_HARDWARE_VERTEXPROCESSING) && (flags & D3DCREATE_PUREDEVICE))
            processing = simulated ? L" (simulated pure hw vp)" : L" (pure hw vp)";
        else if (flags & D3DCREATE_HARDWARE_VERTEXPROCESSING)
            processing = simulated ? L" (simulated hw vp)" : L" (hw vp)";
        else if (flags & D3DCREATE_MIXED_VERTEXPROCESSING)
            processing = simulated ? L" (simulated mixed vp)" : L" (mixed vp)";
        else if (flags & D3DCREATE_SOFTWARE_VERTEXPROCESSING)
            processing = L" (sw vp)";
        wchar_t adapterName[300] = L"";
        if (!simulated && unit.adapterIndex < adapterCount) {
            const char* description = adapters[unit.adapterIndex]->identifier.Description;
            const int length = static_cast<int>(strnlen(description, 299));
            const int got =
                MultiByteToWideChar(CP_ACP, 0, description, length, adapterName, 299);
            adapterName[got > 0 ? got : 0] = L'\0';
        }
        CopyText(unit.description, 90, name);
        AppendText(unit.description, 90, processing);
        if (!simulated) {
            AppendText(unit.description, 90, L": ");
            AppendText(unit.description, 90, adapterName);
        }
    }
}

void CSaverFramework::ReleaseScreenUnits() {
    for (UINT i = 0; i < unitCount; ++i) {
        ScreenUnit& unit = units[i];
        MakeUnitCurrent(i);
        if (unit.objectsRestored) {
            InvalidateUnitObjects();
            unit.objectsRestored = FALSE;
        }
        if (unit.objectsCreated) {
            DeleteUnitObjects();
            unit.objectsCreated = FALSE;
        }
        if (unit.device) {
            unit.device->Release();
            unit.device = nullptr;
        }
    }
    unitCount = 0;
    currentDevice = nullptr;
    if (d3d) {
        d3d->Release();
        d3d = nullptr;
    }
}
