// The process entry of the saver.
#include <windows.h>
#include <ole2.h>  // GDI+ needs the OLE types that lean Windows headers leave out
#include <gdiplus.h>

#include "shell/CGlowScreensaver.h"
#include "shell/Win32ShellPlatform.h"

HINSTANCE SaverInstance = nullptr;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    SaverInstance = instance;
    // Started once for the configuration dialog's picture; never shut down.
    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);

    Win32ShellPlatform platform;
    CGlowScreensaver saver(platform);
    const HRESULT hr = saver.Initialize(instance);
    if (FAILED(hr)) {
        saver.ShowError(hr);
        return 0;
    }
    const int result = saver.Execute();
    saver.DestroyContexts();
    return result;
}
