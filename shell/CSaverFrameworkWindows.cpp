// The saver windows, the window procedure, ending on user input and the error display.
#include <windowsx.h>

#include "shell/CSaverFramework.h"

namespace {

constexpr UINT_PTR kPreviewTimer = 1;
constexpr int kMovesBeforeEnding = 5;

RECT BoxRect(const MonitorRecord& monitor) {
    RECT box;
    box.left = static_cast<LONG>(monitor.boxX);
    box.top = static_cast<LONG>(monitor.boxY);
    box.right = static_cast<LONG>(monitor.boxX + monitor.boxWidth);
    box.bottom = static_cast<LONG>(monitor.boxY + monitor.boxHeight);
    return box;
}

}  // namespace

HRESULT CSaverFramework::OpenSaverWindows() {
    platform_.RegisterSaverClass(instance, kSaverWindowClass, SaverWindowThunk);
    if (mode == Preview) {
        RECT rect = {};
        platform_.ClientRectangle(commandLineWindow, rect);
        const DWORD style = WS_CHILD | WS_VISIBLE;
        platform_.AdjustRectangle(rect, style);
        mainWindow = platform_.CreateSaverWindow(0, kSaverWindowClass, title, style, rect,
                                                 commandLineWindow, instance);
        monitors[0].window = mainWindow;
    } else if (mode == FullScreen) {
        for (UINT m = 0; m < monitorCount; ++m) {
            MonitorRecord& monitor = monitors[m];
            if (!monitor.monitor) continue;
            monitor.window = platform_.CreateSaverWindow(
                WS_EX_TOPMOST, kSaverWindowClass, title, WS_POPUP | WS_VISIBLE,
                monitor.screenRect, mainWindow, instance);
            if (!monitor.window) return E_FAIL;
            if (!mainWindow) mainWindow = monitor.window;
        }
    } else if (mode == TestWindow) {
        const DWORD style = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        RECT rect = {50, 50, 650, 450};
        platform_.AdjustRectangle(rect, style);
        mainWindow = platform_.CreateSaverWindow(0, kSaverWindowClass, title, style, rect,
                                                 nullptr, instance);
        monitors[0].window = mainWindow;
    }
    if ((mode == Preview || mode == TestWindow) && mainWindow) {
        platform_.ClientRectangle(mainWindow, clientRect);
        renderRect = clientRect;
    }
    return mainWindow ? S_OK : E_FAIL;
}

LRESULT CALLBACK CSaverFramework::SaverWindowThunk(HWND window, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
    try {
        if (!TheSaver) return DefWindowProcW(window, message, wParam, lParam);
        return TheSaver->WindowProcedure(window, message, wParam, lParam);
    } catch (...) {
        return 1;
    }
}

LRESULT CSaverFramework::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        if (mode == Preview || mode == TestWindow) StopSaver();
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint = {};
        HDC dc = platform_.BeginPainting(window, paint);
        if (errorMode || mode != Preview) {
            PaintErrorBox(window, dc);
        } else {
            RECT client = {};
            platform_.ClientRectangle(window, client);
            platform_.FillBlack(dc, client);
        }
        platform_.EndPainting(window, paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_ACTIVATEAPP:
        if (wParam) break;
        if (mode != TestWindow) EndOnUserInput();
        break;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (mode != TestWindow) EndOnUserInput();
        break;
    case WM_MOUSEMOVE:
        if (mode != TestWindow) {
            const POINT position = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (position.x != lastMousePosition_.x || position.y != lastMousePosition_.y) {
                lastMousePosition_ = position;
                if (++mouseMoveCount > kMovesBeforeEnding) EndOnUserInput();
            }
        }
        break;
    case WM_SETCURSOR:
        if (mode == FullScreen) {
            platform_.HideCursor();
            return 1;
        }
        break;
    case WM_SYSCOMMAND:
        if (mode == FullScreen && (wParam == SC_NEXTWINDOW || wParam == SC_PREVWINDOW ||
                                   wParam == SC_CLOSE || wParam == SC_SCREENSAVE))
            return 0;
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMSUSPEND) EndOnUserInput();
        break;
    case WM_USER:
        platform_.StartTimer(window, kPreviewTimer, 500);
        break;
    case WM_TIMER:
        previewWait = FALSE;
        platform_.StopTimer(window, kPreviewTimer);
        break;
    case WM_APP:
        OnMediaEvent(music_ ? music_->GetAudioEvent() : -1);
        break;
    default:
        break;
    }
    return platform_.DefaultProcedure(window, message, wParam, lParam);
}

void CSaverFramework::EndOnUserInput() {
    if (mode != FullScreen && mode != TestWindow) return;
    EndSaver();
}

void CSaverFramework::StopSaver() { EndSaver(); }

// The windows go first, so the desktop is back at once whatever the rest takes.
void CSaverFramework::EndSaver() {
    if (mode == FullScreen) platform_.SetScreensaverRunning(false);
    for (UINT m = 0; m < monitorCount; ++m)
        if (monitors[m].window) platform_.HideWindow(monitors[m].window);
    OnSaverEnding();
    ReleaseScreenUnits();
    OnSaverEnd();
    platform_.PostQuit();
}

void CSaverFramework::StepErrorBox() {
    if (unitCount > 0) ReleaseScreenUnits();
    const DWORD now = platform_.Milliseconds();
    const float dt = lastBoxStep_ == 0 ? 0.0f : static_cast<float>(now - lastBoxStep_) / 1000.0f;
    lastBoxStep_ = now;
    if (errorText[0] == L'\0') GetErrorText(errorCode, errorText, 400);

    for (UINT m = 0; m < monitorCount; ++m) {
        MonitorRecord& monitor = monitors[m];
        if (!monitor.window) continue;
        RECT area = clientRect;
        if (mode == FullScreen) {
            area = monitor.screenRect;
            platform_.ScreenToClientRect(monitor.window, area);
        }
        const float left = static_cast<float>(area.left), top = static_cast<float>(area.top);
        const float right = static_cast<float>(area.right);
        const float bottom = static_cast<float>(area.bottom);
        if (monitor.boxWidth == 0) {
            if (mode == Preview) {
                monitor.boxX = 0;
                monitor.boxY = 0;
                monitor.boxWidth = right - left;
                monitor.boxHeight = bottom - top;
                monitor.boxSpeedX = monitor.boxSpeedY = 0;
                platform_.InvalidateWithoutErase(monitor.window, BoxRect(monitor));
                platform_.UpdateWindowNow(monitor.window);
            } else {
                monitor.boxWidth = 300;
                monitor.boxHeight = 150;
                monitor.boxX = (left + right - 300) / 2;
                monitor.boxY = (top + bottom - 150) / 2;
                monitor.boxSpeedX = (right - left) / 10;
                monitor.boxSpeedY = (bottom - top) / 20;
                // The whole area once: whatever the devices drew there (the splash) turns black.
                platform_.InvalidateWithoutErase(monitor.window, area);
                platform_.UpdateWindowNow(monitor.window);
            }
            continue;
        }
        if (mode == Preview) continue;
        if ((monitor.boxSpeedX > 0 && monitor.boxX + monitor.boxWidth + monitor.boxSpeedX * dt > right) ||
            (monitor.boxSpeedX < 0 && monitor.boxX + monitor.boxSpeedX * dt < left))
            monitor.boxSpeedX = -monitor.boxSpeedX;
        if ((monitor.boxSpeedY > 0 && monitor.boxY + monitor.boxHeight + monitor.boxSpeedY * dt > bottom) ||
            (monitor.boxSpeedY < 0 && monitor.boxY + monitor.boxSpeedY * dt < top))
            monitor.boxSpeedY = -monitor.boxSpeedY;
        const RECT before = BoxRect(monitor);
        monitor.boxX += monitor.boxSpeedX * dt;
        monitor.boxY += monitor.boxSpeedY * dt;
        const RECT after = BoxRect(monitor);
        if (before.left != after.left || before.top != after.top) {
            platform_.InvalidateWithoutErase(monitor.window, before);
            platform_.InvalidateWithoutErase(monitor.window, after);
            platform_.UpdateWindowNow(monitor.window);
        }
    }
}

void CSaverFramework::PaintErrorBox(HWND window, HDC dc) {
    const HMONITOR handle = platform_.MonitorOfWindow(window);
    MonitorRecord* monitor = nullptr;
    for (UINT m = 0; m < monitorCount && !monitor; ++m)
        if (monitors[m].monitor == handle) monitor = &monitors[m];
    if (!monitor) return;

    const RECT box = BoxRect(*monitor);
    platform_.FillWithWindowColour(dc, box);
    platform_.FrameBlack(dc, box);
    const int textHeight = platform_.MeasureWrappedText(dc, errorText, box);
    RECT textRect = box;
    textRect.top = (box.top + box.bottom - textHeight) / 2;
    platform_.DrawWrappedText(dc, errorText, textRect);
    platform_.ExcludeFromClip(dc, box);
    RECT screen = monitor->screenRect;
    platform_.ScreenToClientRect(window, screen);
    platform_.FillBlack(dc, screen);
}
