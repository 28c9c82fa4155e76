#pragma once
// The Windows calls the screensaver framework makes, behind one interface so that its
// decisions can be driven by a fake in tests. Win32ShellPlatform is the real one.
#include <windows.h>
#include <d3d9.h>

class ShellPlatform {
public:
    virtual ~ShellPlatform() = default;

    // Process
    virtual const wchar_t* CommandLine() = 0;
    virtual void SetIdlePriority() = 0;
    // Direct3DCreate9: null when Direct3D 9 is missing.
    virtual IDirect3D9* CreateDirect3D() = 0;

    // Display devices and monitors
    virtual bool EnumDisplayDevice(DWORD index, DISPLAY_DEVICEW& device) = 0;
    virtual bool FirstMonitorOf(const wchar_t* deviceName, DISPLAY_DEVICEW& monitor) = 0;
    virtual bool CurrentDisplaySettings(const wchar_t* deviceName, DEVMODEW& mode) = 0;
    virtual HMONITOR MonitorFromRectangle(const RECT& rect) = 0;  // null when none
    virtual HMONITOR MonitorOfWindow(HWND window) = 0;           // the nearest
    virtual bool MonitorRectangle(HMONITOR monitor, RECT& rect) = 0;

    // Windows
    virtual bool RegisterSaverClass(HINSTANCE instance, const wchar_t* className,
                                    WNDPROC procedure) = 0;
    virtual HWND CreateSaverWindow(DWORD exStyle, const wchar_t* className,
                                   const wchar_t* title, DWORD style, const RECT& rect,
                                   HWND parent, HINSTANCE instance) = 0;
    virtual bool IsWindowHandle(HWND window) = 0;
    virtual bool ClientRectangle(HWND window, RECT& rect) = 0;
    virtual void AdjustRectangle(RECT& rect, DWORD style) = 0;
    virtual void PlaceTopmost(HWND window, const RECT& rect) = 0;
    virtual void ScreenToClientRect(HWND window, RECT& rect) = 0;
    virtual void InvalidateWithoutErase(HWND window, const RECT& rect) = 0;
    virtual void UpdateWindowNow(HWND window) = 0;
    virtual void HideWindow(HWND window) = 0;
    virtual LRESULT DefaultProcedure(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) = 0;
    virtual void HideCursor() = 0;
    virtual void StartTimer(HWND window, UINT_PTR id, UINT milliseconds) = 0;
    virtual void StopTimer(HWND window, UINT_PTR id) = 0;

    // Messages
    virtual void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // GetMessageW for one window: >0 a message, 0 the quit message, -1 an error.
    virtual int WaitForMessage(MSG& message, HWND window) = 0;
    // PeekMessageW with PM_REMOVE over every window of the thread.
    virtual bool TakeMessage(MSG& message) = 0;
    virtual void TranslateAndDispatch(const MSG& message) = 0;
    virtual void PostQuit() = 0;
    virtual void Pause(DWORD milliseconds) = 0;

    // Clock
    virtual bool PerformanceFrequency(LONGLONG& frequency) = 0;
    virtual LONGLONG PerformanceCounter() = 0;
    virtual DWORD Milliseconds() = 0;  // timeGetTime

    // System
    virtual void SetScreensaverRunning(bool running) = 0;
    virtual int LoadText(HINSTANCE instance, UINT id, wchar_t* buffer, int length) = 0;
    virtual void ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption) = 0;

    // Painting
    virtual HDC BeginPainting(HWND window, PAINTSTRUCT& paint) = 0;
    virtual void EndPainting(HWND window, const PAINTSTRUCT& paint) = 0;
    virtual void FillWithWindowColour(HDC dc, const RECT& rect) = 0;
    virtual void FillBlack(HDC dc, const RECT& rect) = 0;
    virtual void FrameBlack(HDC dc, const RECT& rect) = 0;
    // Height of the text word-wrapped and centred in the rectangle's width.
    virtual int MeasureWrappedText(HDC dc, const wchar_t* text, const RECT& rect) = 0;
    virtual void DrawWrappedText(HDC dc, const wchar_t* text, const RECT& rect) = 0;
    virtual void ExcludeFromClip(HDC dc, const RECT& rect) = 0;
};
