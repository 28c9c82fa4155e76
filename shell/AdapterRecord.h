#pragma once
// One Direct3D adapter: its identity, desktop mode, device types and the user's choices.
#include "shell/DeviceTypeRecord.h"

struct AdapterRecord {
    static constexpr UINT kMaxDeviceTypes = 3;

    int monitorIndex = -1;
    D3DADAPTER_IDENTIFIER9 identifier = {};
    D3DDISPLAYMODE desktopMode = {};
    UINT deviceTypeCount = 0;
    DeviceTypeRecord deviceTypes[kMaxDeviceTypes];
    BOOL halPresent = FALSE, halUsable = FALSE, swPresent = FALSE, swUsable = FALSE;
    // The user's display mode for this monitor; all 0 means automatic.
    DWORD userWidth = 0, userHeight = 0;
    D3DFORMAT userFormat = D3DFMT_UNKNOWN;
    BOOL leaveBlack = FALSE;
    BOOL disableHardware = FALSE;
    UINT chosenDeviceType = 0;
    HWND deviceWindow = nullptr;
};
