// The frame loop: timing, rendering every unit, device loss and reset, frame statistics.
#include <cstdio>

#include "shell/CSaverFramework.h"
#include "shell/TextBuffer.h"

HRESULT CSaverFramework::FrameLoop() {
    timer_.Start();
    if (!errorMode) {
        HRESULT hr = InitOnce();
        if (FAILED(hr)) return hr;
        hr = OpenScreenUnits();
        if (FAILED(hr)) return hr;
    }
    if (mode == FullScreen) platform_.SetScreensaverRunning(true);

    MSG message = {};
    while (message.message != WM_QUIT) {
        if (platform_.TakeMessage(message)) {
            platform_.TranslateAndDispatch(message);
            continue;
        }
        platform_.Pause(30);
        if (errorMode)
            StepErrorBox();
        else
            RenderFrame();
    }
    return S_OK;
}

HRESULT CSaverFramework::RenderFrame() {
    appTime = timer_.ApplicationTime();
    elapsedTime = timer_.ElapsedTime();
    UpdateFrame();
    UpdateFrameStats();

    for (UINT i = 0; i < unitCount; ++i) {
        MakeUnitCurrent(i);
        ScreenUnit& unit = units[i];
        if (!unit.device) continue;
        const HRESULT level = unit.device->TestCooperativeLevel();
        // A lost device: skip the whole frame and try again on the next idle turn.
        if (level == D3DERR_DEVICELOST) return S_OK;
        if (level == D3DERR_DEVICENOTRESET) {
            AdapterRecord& adapter = *adapters[unit.adapterIndex];
            if (windowed) d3d->GetAdapterDisplayMode(unit.adapterIndex, &adapter.desktopMode);
            if (unit.objectsRestored) {
                InvalidateUnitObjects();
                unit.objectsRestored = FALSE;
            }
            if (SUCCEEDED(unit.device->Reset(&unit.presentParameters)) &&
                SUCCEEDED(RestoreUnitObjects()))
                unit.objectsRestored = TRUE;
            else
                errorMode = TRUE;
        }
        RenderCurrentUnit();
    }
    for (UINT i = 0; i < unitCount; ++i) {
        MakeUnitCurrent(i);
        if (units[i].device) units[i].device->Present(nullptr, nullptr, nullptr, nullptr);
    }
    return S_OK;
}

void CSaverFramework::UpdateFrameStats() {
    const float now = timer_.AbsoluteTime();
    ++framesSinceStats_;
    const float passed = now - lastStatsTime_;
    if (passed <= 1.0f) return;
    framesPerSecond = static_cast<float>(framesSinceStats_) / passed;
    framesSinceStats_ = 0;
    lastStatsTime_ = now;

    for (UINT i = 0; i < unitCount; ++i) {
        ScreenUnit& unit = units[i];
        D3DDISPLAYMODE mode = {};
        d3d->GetAdapterDisplayMode(unit.adapterIndex, &mode);
        wchar_t text[80];
        std::swprintf(text, 80, L"%.02f fps (%dx%dx%d)", framesPerSecond,
                      static_cast<int>(mode.Width), static_cast<int>(mode.Height),
                      mode.Format == D3DFMT_X8R8G8B8 ? 32 : 16);
        CopyText(unit.frameStats, 40, text);
        if (!useDepthBuffer || unit.adapterIndex >= adapterCount) continue;
        const AdapterRecord& adapter = *adapters[unit.adapterIndex];
        const DeviceTypeRecord& type = adapter.deviceTypes[adapter.chosenDeviceType];
        switch (type.modes[type.chosenMode].depthFormat) {
        case D3DFMT_D16: AppendText(unit.frameStats, 40, L" (D16)"); break;
        case D3DFMT_D15S1: AppendText(unit.frameStats, 40, L" (D15S1)"); break;
        case D3DFMT_D24X8: AppendText(unit.frameStats, 40, L" (D24X8)"); break;
        case D3DFMT_D24S8: AppendText(unit.frameStats, 40, L" (D24S8)"); break;
        case D3DFMT_D24X4S4: AppendText(unit.frameStats, 40, L" (D24X4S4)"); break;
        case D3DFMT_D32: AppendText(unit.frameStats, 40, L" (D32)"); break;
        default: break;
        }
    }
}
