#pragma once
// One Direct3D device type of an adapter with the display modes it can run.
#include <windows.h>
#include <d3d9.h>

struct DisplayModeRecord {
    UINT width = 0, height = 0;
    D3DFORMAT format = D3DFMT_UNKNOWN;
    DWORD behaviourFlags = 0;                   // D3DCREATE vertex-processing flags
    D3DFORMAT depthFormat = D3DFMT_UNKNOWN;     // 0 without a depth buffer
};

struct DeviceTypeRecord {
    static constexpr UINT kMaxModes = 150;

    D3DDEVTYPE type = D3DDEVTYPE_HAL;
    D3DCAPS9 caps = {};
    BOOL desktopFormatUsable = FALSE;  // can run windowed
    UINT modeCount = 0;
    DisplayModeRecord modes[kMaxModes];
    UINT chosenMode = 0;

    // Picks the next smaller mode after a failed creation: the same size in a 16-bit
    // format first, else the largest smaller area (32-bit preferred). False: none left.
    bool StepDownMode();
};

// The formats counted as 32-bit when stepping down and choosing modes.
bool IsFullColourFormat(D3DFORMAT format);
