#pragma once
// A scripted Windows for the framework: display devices, windows, a message queue that
// dispatches into the framework, a clock that moves only when told, and a call log.
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "shell/CSaverFramework.h"
#include "shell/ShellPlatform.h"

namespace vgtest {

struct FakeDisplay {
    std::wstring name = L"\\\\.\\DISPLAY1";
    std::wstring adapterText = L"Fake Display Adapter";
    std::wstring monitorText = L"Fake Monitor";
    DWORD flags = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE;
    RECT rect = {0, 0, 1600, 1200};
    HMONITOR monitor = nullptr;  // set by AddDisplay
};

struct FakeWindow {
    DWORD exStyle = 0, style = 0;
    RECT rect = {};    // as created
    RECT client = {};  // client area from (0, 0)
    HWND parent = nullptr;
    std::wstring title;
};

struct PaintCall {
    std::string what;
    RECT rect;
};

class FakeShellPlatform : public ShellPlatform {
public:
    static constexpr int kCaption = 26, kBorder = 3;

    HMONITOR AddDisplay(FakeDisplay display) {
        display.monitor = reinterpret_cast<HMONITOR>(static_cast<UINT_PTR>(0x5000 + displays.size()));
        displays.push_back(display);
        return display.monitor;
    }
    // A window that exists outside the saver, such as a preview parent.
    HWND AddForeignWindow(LONG width, LONG height) {
        HWND window = NewHandle();
        FakeWindow record;
        record.client = {0, 0, width, height};
        windows[window] = record;
        return window;
    }
    void Log(const std::string& entry) { log.push_back(entry); }

    const wchar_t* CommandLine() override { return commandLine.c_str(); }
    void SetIdlePriority() override { Log("SetIdlePriority"); }
    IDirect3D9* CreateDirect3D() override {
        Log("CreateDirect3D");
        if (direct3D) direct3D->AddRef();
        return direct3D;
    }

    bool EnumDisplayDevice(DWORD index, DISPLAY_DEVICEW& device) override {
        if (index >= displays.size()) return false;
        device = DISPLAY_DEVICEW();
        device.cb = sizeof device;
        wcsncpy(device.DeviceName, displays[index].name.c_str(), 31);
        wcsncpy(device.DeviceString, displays[index].adapterText.c_str(), 127);
        device.StateFlags = displays[index].flags;
        return true;
    }
    bool FirstMonitorOf(const wchar_t* deviceName, DISPLAY_DEVICEW& monitor) override {
        const FakeDisplay* display = Find(deviceName);
        if (!display) return false;
        monitor = DISPLAY_DEVICEW();
        wcsncpy(monitor.DeviceString, display->monitorText.c_str(), 127);
        return true;
    }
    bool CurrentDisplaySettings(const wchar_t* deviceName, DEVMODEW& mode) override {
        const FakeDisplay* display = Find(deviceName);
        if (!display) return false;
        mode.dmPosition.x = display->rect.left;
        mode.dmPosition.y = display->rect.top;
        mode.dmPelsWidth = display->rect.right - display->rect.left;
        mode.dmPelsHeight = display->rect.bottom - display->rect.top;
        return true;
    }
    HMONITOR MonitorFromRectangle(const RECT& rect) override {
        for (const FakeDisplay& display : displays)
            if (EqualRect(&display.rect, &rect) &&
                (display.flags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP))
                return display.monitor;
        return nullptr;
    }
    HMONITOR MonitorOfWindow(HWND window) override {
        auto it = windowMonitors.find(window);
        if (it != windowMonitors.end()) return it->second;
        return displays.empty() ? nullptr : displays[0].monitor;
    }
    bool MonitorRectangle(HMONITOR monitor, RECT& rect) override {
        for (const FakeDisplay& display : displays)
            if (display.monitor == monitor) {
                rect = display.rect;
                return true;
            }
        return false;
    }

    bool RegisterSaverClass(HINSTANCE, const wchar_t* className, WNDPROC) override {
        Log("RegisterSaverClass " + Narrow(className));
        return true;
    }
    HWND CreateSaverWindow(DWORD exStyle, const wchar_t*, const wchar_t* title, DWORD style,
                           const RECT& rect, HWND parent, HINSTANCE) override {
        Log("CreateSaverWindow");
        if (failWindowCreation) return nullptr;
        FakeWindow record;
        record.exStyle = exStyle;
        record.style = style;
        record.rect = rect;
        record.parent = parent;
        record.title = title;
        RECT client = rect;
        if (style & WS_CAPTION) {
            client.left += kBorder;
            client.right -= kBorder;
            client.top += kCaption;
            client.bottom -= kBorder;
        }
        record.client = {0, 0, client.right - client.left, client.bottom - client.top};
        HWND window = NewHandle();
        windows[window] = record;
        created.push_back(window);
        return window;
    }
    bool IsWindowHandle(HWND window) override { return windows.count(window) != 0; }
    bool ClientRectangle(HWND window, RECT& rect) override {
        auto it = windows.find(window);
        if (it == windows.end()) return false;
        rect = it->second.client;
        return true;
    }
    void AdjustRectangle(RECT& rect, DWORD style) override {
        if (!(style & WS_CAPTION)) return;
        rect.left -= kBorder;
        rect.right += kBorder;
        rect.top -= kCaption;
        rect.bottom += kBorder;
    }
    void PlaceTopmost(HWND window, const RECT& rect) override {
        placedTopmost[window] = rect;
    }
    void ScreenToClientRect(HWND window, RECT& rect) override {
        auto it = windows.find(window);
        if (it == windows.end()) return;
        OffsetRect(&rect, -it->second.rect.left, -it->second.rect.top);
    }
    void InvalidateWithoutErase(HWND, const RECT& rect) override { invalidated.push_back(rect); }
    void UpdateWindowNow(HWND) override { ++updates; }
    void HideWindow(HWND) override { Log("HideWindow"); }
    LRESULT DefaultProcedure(HWND, UINT message, WPARAM, LPARAM) override {
        defaultHandled.push_back(message);
        return 0;
    }
    void HideCursor() override { ++cursorHidden; }
    void StartTimer(HWND window, UINT_PTR id, UINT milliseconds) override {
        Log("StartTimer " + std::to_string(milliseconds));
        timers.insert(id);
        // The timer fires as soon as the queue is read again.
        Post(window, WM_TIMER, id, 0);
    }
    void StopTimer(HWND, UINT_PTR id) override {
        Log("StopTimer");
        timers.erase(id);
    }

    void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        MSG msg = {};
        msg.hwnd = window;
        msg.message = message;
        msg.wParam = wParam;
        msg.lParam = lParam;
        queue.push_back(msg);
    }
    int WaitForMessage(MSG& message, HWND) override {
        if (queue.empty() || queue.front().message == WM_QUIT) return 0;
        message = queue.front();
        queue.pop_front();
        return 1;
    }
    bool TakeMessage(MSG& message) override {
        if (queue.empty()) return false;
        message = queue.front();
        queue.pop_front();
        return true;
    }
    void TranslateAndDispatch(const MSG& message) override {
        if (message.message == WM_QUIT) return;
        dispatched.push_back(message.message);
        CSaverFramework::SaverWindowThunk(message.hwnd, message.message, message.wParam,
                                          message.lParam);
    }
    void PostQuit() override {
        Log("PostQuit");
        Post(nullptr, WM_QUIT, 0, 0);
    }
    void Pause(DWORD milliseconds) override {
        ++pauses;
        milliseconds_ += milliseconds;
        counter += static_cast<LONGLONG>(milliseconds) * frequency / 1000;
        if (onPause) onPause(pauses);
    }

    bool PerformanceFrequency(LONGLONG& value) override {
        ++frequencyQueries;
        if (!hasCounter) return false;
        value = frequency;
        return true;
    }
    LONGLONG PerformanceCounter() override { return counter; }
    DWORD Milliseconds() override { return milliseconds_; }

    void SetScreensaverRunning(bool running) override {
        Log(running ? "ScreensaverRunning on" : "ScreensaverRunning off");
    }
    int LoadText(HINSTANCE, UINT id, wchar_t* buffer, int length) override {
        const std::wstring text = L"text " + std::to_wstring(id);
        wcsncpy(buffer, text.c_str(), length - 1);
        buffer[length - 1] = L'\0';
        return static_cast<int>(wcslen(buffer));
    }
    void ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption) override {
        Log("MessageBox " + Narrow(text));
        messageBoxOwner = owner;
        messageBoxCaption = caption;
    }

    HDC BeginPainting(HWND, PAINTSTRUCT&) override {
        return reinterpret_cast<HDC>(static_cast<UINT_PTR>(0xDC));
    }
    void EndPainting(HWND, const PAINTSTRUCT&) override {}
    void FillWithWindowColour(HDC, const RECT& rect) override { paints.push_back({"box", rect}); }
    void FillBlack(HDC, const RECT& rect) override { paints.push_back({"black", rect}); }
    void FrameBlack(HDC, const RECT& rect) override { paints.push_back({"frame", rect}); }
    int MeasureWrappedText(HDC, const wchar_t*, const RECT&) override { return textHeight; }
    void DrawWrappedText(HDC, const wchar_t* text, const RECT& rect) override {
        paints.push_back({"text " + Narrow(text), rect});
    }
    void ExcludeFromClip(HDC, const RECT& rect) override { paints.push_back({"exclude", rect}); }

    static std::string Narrow(const wchar_t* text) {
        std::string out;
        for (; text && *text; ++text) out += static_cast<char>(*text < 128 ? *text : '?');
        return out;
    }

    std::wstring commandLine = L"VelmoraGlow.scr";
    std::vector<FakeDisplay> displays;
    IDirect3D9* direct3D = nullptr;
    std::map<HWND, FakeWindow> windows;
    std::map<HWND, HMONITOR> windowMonitors;
    std::vector<HWND> created;
    std::map<HWND, RECT> placedTopmost;
    std::vector<RECT> invalidated;
    int updates = 0;
    std::vector<UINT> defaultHandled;
    std::vector<UINT> dispatched;
    int cursorHidden = 0;
    std::set<UINT_PTR> timers;
    std::deque<MSG> queue;
    bool failWindowCreation = false;
    int pauses = 0;
    std::function<void(int)> onPause;
    bool hasCounter = true;
    LONGLONG frequency = 1000000;
    LONGLONG counter = 5000000;
    int frequencyQueries = 0;
    HWND messageBoxOwner = nullptr;
    std::wstring messageBoxCaption;
    std::vector<PaintCall> paints;
    int textHeight = 32;
    std::vector<std::string> log;

private:
    HWND NewHandle() { return reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x100 + 4 * ++handles_)); }
    const FakeDisplay* Find(const wchar_t* name) const {
        for (const FakeDisplay& display : displays)
            if (display.name == name) return &display;
        return nullptr;
    }
    int handles_ = 0;
    DWORD milliseconds_ = 100000;
};

}  // namespace vgtest
