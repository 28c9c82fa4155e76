#include "shell/Win32ShellPlatform.h"

#include <mmsystem.h>

#include "shell/CSaverFramework.h"

const wchar_t* Win32ShellPlatform::CommandLine() { return GetCommandLineW(); }

void Win32ShellPlatform::SetIdlePriority() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_IDLE);
}

IDirect3D9* Win32ShellPlatform::CreateDirect3D() { return Direct3DCreate9(D3D_SDK_VERSION); }

bool Win32ShellPlatform::EnumDisplayDevice(DWORD index, DISPLAY_DEVICEW& device) {
    device = DISPLAY_DEVICEW();
    device.cb = sizeof device;
    return EnumDisplayDevicesW(nullptr, index, &device, 0) != FALSE;
}

bool Win32ShellPlatform::FirstMonitorOf(const wchar_t* deviceName, DISPLAY_DEVICEW& monitor) {
    monitor = DISPLAY_DEVICEW();
    monitor.cb = sizeof monitor;
    return EnumDisplayDevicesW(deviceName, 0, &monitor, 0) != FALSE;
}

bool Win32ShellPlatform::CurrentDisplaySettings(const wchar_t* deviceName, DEVMODEW& mode) {
    mode = DEVMODEW();
    mode.dmSize = sizeof mode;
    return EnumDisplaySettingsW(deviceName, ENUM_CURRENT_SETTINGS, &mode) != FALSE;
}

HMONITOR Win32ShellPlatform::MonitorFromRectangle(const RECT& rect) {
    return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL);
}

HMONITOR Win32ShellPlatform::MonitorOfWindow(HWND window) {
    return MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
}

bool Win32ShellPlatform::MonitorRectangle(HMONITOR monitor, RECT& rect) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return false;
    rect = info.rcMonitor;
    return true;
}

bool Win32ShellPlatform::RegisterSaverClass(HINSTANCE instance, const wchar_t* className,
                                            WNDPROC procedure) {
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = className;
    return RegisterClassW(&windowClass) != 0;
}

HWND Win32ShellPlatform::CreateSaverWindow(DWORD exStyle, const wchar_t* className,
                                           const wchar_t* title, DWORD style, const RECT& rect,
                                           HWND parent, HINSTANCE instance) {
    return CreateWindowExW(exStyle, className, title, style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                           instance, nullptr);
}

bool Win32ShellPlatform::IsWindowHandle(HWND window) {
    return window != nullptr && IsWindow(window) != FALSE;
}

bool Win32ShellPlatform::ClientRectangle(HWND window, RECT& rect) {
    return GetClientRect(window, &rect) != FALSE;
}

void Win32ShellPlatform::AdjustRectangle(RECT& rect, DWORD style) {
    AdjustWindowRect(&rect, style, FALSE);
}

void Win32ShellPlatform::PlaceTopmost(HWND window, const RECT& rect) {
    SetWindowPos(window, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOACTIVATE);
}

void Win32ShellPlatform::ScreenToClientRect(HWND window, RECT& rect) {
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
}

void Win32ShellPlatform::InvalidateWithoutErase(HWND window, const RECT& rect) {
    InvalidateRect(window, &rect, FALSE);
}

void Win32ShellPlatform::UpdateWindowNow(HWND window) { UpdateWindow(window); }

void Win32ShellPlatform::HideWindow(HWND window) { ShowWindow(window, SW_HIDE); }

LRESULT Win32ShellPlatform::DefaultProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32ShellPlatform::HideCursor() { SetCursor(nullptr); }

void Win32ShellPlatform::StartTimer(HWND window, UINT_PTR id, UINT milliseconds) {
    SetTimer(window, id, milliseconds, nullptr);
}

void Win32ShellPlatform::StopTimer(HWND window, UINT_PTR id) { KillTimer(window, id); }

void Win32ShellPlatform::Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PostMessageW(window, message, wParam, lParam);
}

int Win32ShellPlatform::WaitForMessage(MSG& message, HWND window) {
    return static_cast<int>(GetMessageW(&message, window, 0, 0));
}

bool Win32ShellPlatform::TakeMessage(MSG& message) {
    return PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
}

void Win32ShellPlatform::TranslateAndDispatch(const MSG& message) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32ShellPlatform::PostQuit() { PostQuitMessage(0); }

void Win32ShellPlatform::Pause(DWORD milliseconds) { Sleep(milliseconds); }

bool Win32ShellPlatform::PerformanceFrequency(LONGLONG& frequency) {
    LARGE_INTEGER value;
    if (!QueryPerformanceFrequency(&value)) return false;
    frequency = value.QuadPart;
    return true;
}

LONGLONG Win32ShellPlatform::PerformanceCounter() {
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return value.QuadPart;
}

DWORD Win32ShellPlatform::Milliseconds() { return timeGetTime(); }

void Win32ShellPlatform::SetScreensaverRunning(bool running) {
    BOOL previous = FALSE;
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, running ? TRUE : FALSE, &previous, 0);
}

int Win32ShellPlatform::LoadText(HINSTANCE instance, UINT id, wchar_t* buffer, int length) {
    return LoadStringW(instance, id, buffer, length);
}

void Win32ShellPlatform::ShowMessageBox(HWND owner, const wchar_t* text,
                                        const wchar_t* caption) {
    MessageBoxW(owner, text, caption, MB_ICONERROR);
}

HDC Win32ShellPlatform::BeginPainting(HWND window, PAINTSTRUCT& paint) {
    return BeginPaint(window, &paint);
}

void Win32ShellPlatform::EndPainting(HWND window, const PAINTSTRUCT& paint) {
    EndPaint(window, &paint);
}

void Win32ShellPlatform::FillWithWindowColour(HDC dc, const RECT& rect) {
    FillRect(dc, &rect, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)));
}

void Win32ShellPlatform::FillBlack(HDC dc, const RECT& rect) {
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void Win32ShellPlatform::FrameBlack(HDC dc, const RECT& rect) {
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

int Win32ShellPlatform::MeasureWrappedText(HDC dc, const wchar_t* text, const RECT& rect) {
    RECT measured = rect;
    DrawTextW(dc, text, -1, &measured, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    return measured.bottom - measured.top;
}

void Win32ShellPlatform::DrawWrappedText(HDC dc, const wchar_t* text, const RECT& rect) {
    RECT target = rect;
    DrawTextW(dc, text, -1, &target, DT_WORDBREAK | DT_CENTER);
}

void Win32ShellPlatform::ExcludeFromClip(HDC dc, const RECT& rect) {
    ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}
