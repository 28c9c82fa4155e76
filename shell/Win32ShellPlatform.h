#pragma once
// The framework's Windows calls, made for real.
#include "shell/ShellPlatform.h"

class Win32ShellPlatform : public ShellPlatform {
public:
    const wchar_t* CommandLine() override;
    void SetIdlePriority() override;
    IDirect3D9* CreateDirect3D() override;

    bool EnumDisplayDevice(DWORD index, DISPLAY_DEVICEW& device) override;
    bool FirstMonitorOf(const wchar_t* deviceName, DISPLAY_DEVICEW& monitor) override;
    bool CurrentDisplaySettings(const wchar_t* deviceName, DEVMODEW& mode) override;
    HMONITOR MonitorFromRectangle(const RECT& rect) override;
    HMONITOR MonitorOfWindow(HWND window) override;
    bool MonitorRectangle(HMONITOR monitor, RECT& rect) override;

    bool RegisterSaverClass(HINSTANCE instance, const wchar_t* className,
                            WNDPROC procedure) override;
    HWND CreateSaverWindow(DWORD exStyle, const wchar_t* className, const wchar_t* title,
                           DWORD style, const RECT& rect, HWND parent,
                           HINSTANCE instance) override;
    bool IsWindowHandle(HWND window) override;
    bool ClientRectangle(HWND window, RECT& rect) override;
    void AdjustRectangle(RECT& rect, DWORD style) override;
    void PlaceTopmost(HWND window, const RECT& rect) override;
    void ScreenToClientRect(HWND window, RECT& rect) override;
    void InvalidateWithoutErase(HWND window, const RECT& rect) override;
    void UpdateWindowNow(HWND window) override;
    void HideWindow(HWND window) override;
    LRESULT DefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void HideCursor() override;
    void StartTimer(HWND window, UINT_PTR id, UINT milliseconds) override;
    void StopTimer(HWND window, UINT_PTR id) override;

    void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    int WaitForMessage(MSG& message, HWND window) override;
    bool TakeMessage(MSG& message) override;
    void TranslateAndDispatch(const MSG& message) override;
    void PostQuit() override;
    void Pause(DWORD milliseconds) override;

    bool PerformanceFrequency(LONGLONG& frequency) override;
    LONGLONG PerformanceCounter() override;
    DWORD Milliseconds() override;

    void SetScreensaverRunning(bool running) override;
    int LoadText(HINSTANCE instance, UINT id, wchar_t* buffer, int length) override;
    void ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption) override;

    HDC BeginPainting(HWND window, PAINTSTRUCT& paint) override;
    void EndPainting(HWND window, const PAINTSTRUCT& paint) override;
    void FillWithWindowColour(HDC dc, const RECT& rect) override;
    void FillBlack(HDC dc, const RECT& rect) override;
    void FrameBlack(HDC dc, const RECT& rect) override;
    int MeasureWrappedText(HDC dc, const wchar_t* text, const RECT& rect) override;
    void DrawWrappedText(HDC dc, const wchar_t* text, const RECT& rect) override;
    void ExcludeFromClip(HDC dc, const RECT& rect) override;
};
