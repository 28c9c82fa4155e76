// The process entry of the saver.
#include <windows.h>
#include <ole2.h>  // GDI+ needs the OLE types that lean Windows headers leave out
#include <gdiplus.h>

#include "shell/CGlowScreensaver.h"
#include "shell/Win32ShellPlatform.h"

HINSTANCE SaverInstance = nullptr;

namespace {

int RunSaver(HINSTANCE instance) {
    Win32ShellPlatform platform;
    CGlowScreensaver saver(platform);
    const HRESULT hr = saver.Initialize(instance);
    if (FAILED(hr)) {
        saver.ShowError(hr);
        return 0;
    }
    const int result = saver.Execute();
    saver.ShutDown();
    return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    SaverInstance = instance;
    // For the configuration dialog's picture; shut down once the saver is gone.
    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);
    const int result = RunSaver(instance);
    Gdiplus::GdiplusShutdown(gdiplusToken);
    return result;
}
