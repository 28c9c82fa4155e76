#pragma once
// One device shown on one monitor or window.
#include <windows.h>
#include <d3d9.h>

struct ScreenUnit {
    UINT adapterIndex = 0;
    int monitorIndex = -1;
    D3DDEVTYPE deviceType = D3DDEVTYPE_HAL;
    DWORD behaviourFlags = 0;
    IDirect3DDevice9* device = nullptr;  // owned
    D3DPRESENT_PARAMETERS presentParameters = {};
    BOOL objectsCreated = FALSE;
    BOOL objectsRestored = FALSE;
    wchar_t description[90] = L"";
    wchar_t frameStats[40] = L"";
};
