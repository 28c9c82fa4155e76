#pragma once
// One display device that is not a mirroring driver, with its saver window and error box.
#include <windows.h>

struct MonitorRecord {
    wchar_t adapterText[128] = L"";
    wchar_t monitorText[128] = L"";
    HMONITOR monitor = nullptr;  // null when the device is not attached to the desktop
    RECT screenRect = {};
    int adapterIndex = -1;       // -1: no Direct3D adapter drives it
    HWND window = nullptr;
    // The error box in the window's client coordinates; width 0 means not placed yet.
    float boxX = 0, boxY = 0, boxWidth = 0, boxHeight = 0;
    float boxSpeedX = 0, boxSpeedY = 0;  // pixels per second
};
