// The saver executable itself under the test display: each mode is started as its own
// process, driven with window messages from here, and its windows and exit code checked.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "resources/SaverDialogs.h"

namespace {

const wchar_t kSaverClass[] = L"GlowSaverWndClass";

std::wstring Widen(const char* text) { return std::wstring(text, text + strlen(text)); }

// Waits for the condition while keeping this thread's windows responsive.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

class SaverProcess {
public:
    SaverProcess(const std::wstring& program, const std::wstring& arguments) {
        std::wstring line = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, nullptr, &startup, &info_) != FALSE;
    }
    ~SaverProcess() {
        if (!started_) return;
        if (Running()) TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    bool Started() const { return started_; }
    bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
    // True once the saver's thread takes messages: a message sent to its window returns.
    static bool ReachesItsLoop(HWND window) {
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result) != 0;
    }
    bool Exits(DWORD& code) const {
        if (!WaitFor([this] { return !Running(); })) return false;
        GetExitCodeProcess(info_.hProcess, &code);
        return true;
    }
    // The process's top-level windows of the given class.
    std::vector<HWND> Windows(const wchar_t* className) const {
        struct Search {
            DWORD pid;
            const wchar_t* className;
            std::vector<HWND> found;
        } search = {info_.dwProcessId, className, {}};
        EnumWindows(
            [](HWND window, LPARAM context) -> BOOL {
                auto* s = reinterpret_cast<Search*>(context);
                DWORD pid = 0;
                GetWindowThreadProcessId(window, &pid);
                wchar_t name[64] = L"";
                GetClassNameW(window, name, 64);
                if (pid == s->pid && wcscmp(name, s->className) == 0) s->found.push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    // The saver's window once its thread takes messages; null when it never gets there.
    HWND LoopingWindow() const {
        if (!Started()) return nullptr;
        HWND window = WaitForWindow(kSaverClass);
        return window && ReachesItsLoop(window) ? window : nullptr;
    }
    HWND WaitForWindow(const wchar_t* className) const {
        HWND window = nullptr;
        WaitFor([&] {
            std::vector<HWND> found = Windows(className);
            if (!found.empty()) window = found[0];
            return window != nullptr || !Running();
        });
        return window;
    }

private:
    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
};

std::wstring Saver() { return Widen(VG_SAVER_PATH); }

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// Every monitor's picture as GDI sees it, Direct3D output included: 0x00RRGGBB, in screen
// coordinates.
class ScreenShot {
public:
    ScreenShot()
        : left_(GetSystemMetrics(SM_XVIRTUALSCREEN)), top_(GetSystemMetrics(SM_YVIRTUALSCREEN)),
          width_(GetSystemMetrics(SM_CXVIRTUALSCREEN)), height_(GetSystemMetrics(SM_CYVIRTUALSCREEN)) {
        pixels_ = Copy(GetDC(nullptr), left_, top_, width_, height_, true);
    }
    // A drawing of the given size made by draw in a memory DC, read the same way.
    static std::vector<uint32_t> Draw(int width, int height, const std::function<void(HDC)>& draw) {
        HDC memory = CreateCompatibleDC(nullptr);
        return Copy(memory, 0, 0, width, height, false, draw);
    }
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Right() const { return left_ + width_; }
    int Bottom() const { return top_ + height_; }
    uint32_t At(int x, int y) const { return pixels_[size_t(y - top_) * width_ + (x - left_)]; }
    std::vector<uint32_t> Region(int left, int top, int width, int height) const {
        std::vector<uint32_t> region;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x) region.push_back(At(x, y));
        return region;
    }

private:
    static std::vector<uint32_t> Copy(HDC source, int left, int top, int width, int height,
                                      bool screen, const std::function<void(HDC)>& draw = {}) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC target = screen ? CreateCompatibleDC(source) : source;
        HGDIOBJ old = SelectObject(target, bitmap);
        if (screen)
            BitBlt(target, 0, 0, width, height, source, left, top, SRCCOPY);
        else
            draw(target);
        GdiFlush();
        std::vector<uint32_t> pixels(static_cast<const uint32_t*>(bits),
                                     static_cast<const uint32_t*>(bits) + size_t(width) * height);
        for (uint32_t& pixel : pixels) pixel &= 0xFFFFFFu;
        SelectObject(target, old);
        DeleteDC(target);
        if (screen) ReleaseDC(nullptr, source);
        DeleteObject(bitmap);
        return pixels;
    }

    int left_, top_, width_, height_;
    std::vector<uint32_t> pixels_;
};

int ChannelDistance(uint32_t a, uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}
// A picture's pixel: neither the black around the splash nor a white clear.
bool IsPicture(uint32_t pixel) {
    return ChannelDistance(pixel, 0) > 16 && ChannelDistance(pixel, 0xFFFFFF) > 16;
}

TEST(SaverProcess, TheExecutableCarriesItsTitleTextsAndIcon) {
    HMODULE saver = LoadLibraryExW(Saver().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(saver, nullptr);
    const std::pair<UINT, const wchar_t*> strings[] = {
        {1000, L"Velmora Glow"},
        {2100, L"There was an unspecified problem with this screen saver."},
        {2101, L"Direct3D 8.0 could not be initialized.  Please install the latest version of DirectX."},
        {2108, L"Could not load required media."},
        {2112, L"No preview available"},
    };
    for (const auto& [id, text] : strings) {
        wchar_t loaded[300] = L"";
        LoadStringW(saver, id, loaded, 300);
        EXPECT_STREQ(loaded, text) << id;
    }
    HICON icon = static_cast<HICON>(LoadImageW(saver, MAKEINTRESOURCEW(101), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(icon && GetIconInfo(icon, &info));
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    FreeLibrary(saver);
}

TEST(SaverProcess, TestWindowOpensItsWindowAndRendersUntilClosed) {
    SaverProcess saver(Saver(), L"/t");
    HWND window = saver.LoopingWindow();
    ASSERT_NE(window, nullptr);
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 400);
    EXPECT_TRUE(IsWindowVisible(window));
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(origin.x, 50);
    EXPECT_EQ(origin.y, 50);
    // Input does not end the test window.
    SendMessageW(window, WM_KEYDOWN, 'A', 0);
    SendMessageW(window, WM_LBUTTONDOWN, 0, 0);
    EXPECT_TRUE(saver.Running());
    // The device rendered: no error box in the middle of the window.
    EXPECT_NE(ScreenPixel(origin.x + 300, origin.y + 200), GetSysColor(COLOR_WINDOW));
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
}

TEST(SaverProcess, FullScreenCoversTheDisplayAndEndsOnAKey) {
    SaverProcess saver(Saver(), L"/s");
    HWND window = saver.LoopingWindow();
    ASSERT_NE(window, nullptr);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(saver.Running());
    PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
}

// Points near the edges and in the middle of an area: past the splash (a centred square with
// black at the sides) the scene fills it.
std::vector<uint32_t> Samples(const ScreenShot& shot, const RECT& area) {
    const int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
    const POINT points[] = {{area.left + 4, cy}, {area.right - 5, cy}, {cx, cy}, {cx, area.top + 4},
                            {(area.left + cx) / 2, area.bottom - 5}};
    std::vector<uint32_t> samples;
    for (const POINT& p : points) samples.push_back(shot.At(p.x, p.y));
    return samples;
}

// Waits until every area shows the scene, then until each area's picture has moved on.
void ExpectMovingScenes(const SaverProcess& saver, const std::vector<RECT>& areas) {
    std::vector<std::vector<uint32_t>> first(areas.size());
    ASSERT_TRUE(WaitFor([&] {
        const ScreenShot shot;
        bool all = true;
        for (size_t i = 0; i < areas.size(); ++i) {
            first[i] = Samples(shot, areas[i]);
            all = all && std::all_of(first[i].begin(), first[i].end(), IsPicture);
        }
        return all || !saver.Running();
    })) << "no scene over every area";
    ASSERT_TRUE(saver.Running());
    for (size_t i = 0; i < areas.size(); ++i)
        EXPECT_TRUE(WaitFor([&] { return Samples(ScreenShot(), areas[i]) != first[i]; }))
            << "the picture stands still in area " << i;
}

// The first slide's camera keeps the picture moving.
TEST(SaverProcess, FullScreenShowsTheMovingSceneAndEndsOnAKey) {
    SaverProcess saver(Saver(), L"/s");
    HWND window = saver.LoopingWindow();
    ASSERT_NE(window, nullptr);
    ExpectMovingScenes(saver, {RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}});
    PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
}

// Waits until the scene shows on the whole screen: the document is read and the music written.
bool SceneShows(const SaverProcess& saver) {
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return WaitFor([&] {
        const std::vector<uint32_t> samples = Samples(ScreenShot(), screen);
        return std::all_of(samples.begin(), samples.end(), IsPicture) || !saver.Running();
    }) && saver.Running();
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

// The saver writes its music to a folder of its own in the temporary folder, which this
// process shares with it, and removes it when it ends; what an earlier run left is removed.
TEST(SaverProcess, FullScreenLeavesNoMusicFilesBehind) {
    wchar_t temp[MAX_PATH + 1] = L"";
    GetTempPathW(MAX_PATH, temp);
    const std::wstring base = std::wstring(temp) + L"Velmora Glow\\";
    const std::wstring left = base + L"run 4000000-0\\";
    CreateDirectoryW(base.c_str(), nullptr);
    CreateDirectoryW(left.c_str(), nullptr);
    HANDLE stale = CreateFileW((left + L"night.wav").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(stale, INVALID_HANDLE_VALUE);
    CloseHandle(stale);

    SaverProcess saver(Saver(), L"/s");
    HWND window = saver.LoopingWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(SceneShows(saver));
    const std::vector<std::wstring> runs = FolderEntries(base);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].compare(0, 4, L"run "), 0) << "the folder left before is still there";
    EXPECT_EQ(FolderEntries(base + runs[0] + L"\\").size(), 2u);  // the track that plays, and in use
    PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(GetFileAttributesW(base.c_str()), INVALID_FILE_ATTRIBUTES);
}

// A copy of the saver without the built-in module beside it, and a module of that name on the
// search path whose entry point would leave a marker file: the saver runs no code of it.
TEST(SaverProcess, AModuleOnTheSearchPathRunsNoCode) {
    const std::wstring lonely = Widen(VG_LONELY_SAVER_DIR);
    CreateDirectoryW(lonely.c_str(), nullptr);
    const std::wstring copy = lonely + L"\\VelmoraGlow.scr";
    ASSERT_TRUE(CopyFileW(Saver().c_str(), copy.c_str(), FALSE));
    wchar_t temp[MAX_PATH + 1] = L"";
    GetTempPathW(MAX_PATH, temp);
    const std::wstring marker = std::wstring(temp) + L"vg-saver-module-marker";
    DeleteFileW(marker.c_str());
    wchar_t path[8192] = L"";
    GetEnvironmentVariableW(L"PATH", path, 8192);
    const std::wstring savedPath = path;
    SetEnvironmentVariableW(L"PATH", (Widen(VG_MARKER_ELSEWHERE_DIR) + L";" + savedPath).c_str());
    SetEnvironmentVariableW(L"VG_MODULE_MARKER", marker.c_str());
    {
        SaverProcess saver(copy, L"/s");
        HWND window = saver.LoopingWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(SceneShows(saver));
        PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
        DWORD code = 1;
        EXPECT_TRUE(saver.Exits(code));
        EXPECT_EQ(code, 0u);
    }
    SetEnvironmentVariableW(L"PATH", savedPath.c_str());
    SetEnvironmentVariableW(L"VG_MODULE_MARKER", nullptr);
    EXPECT_EQ(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES) << "the module's code ran";
    DeleteFileW(marker.c_str());
}

std::vector<RECT> MonitorRects() {
    std::vector<RECT> rects;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT rect, LPARAM context) -> BOOL {
            reinterpret_cast<std::vector<RECT>*>(context)->push_back(*rect);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&rects));
    return rects;
}

// On the one-monitor display one window; on the two-monitor display one on each.
TEST(SaverProcess, FullScreenCoversEveryMonitorWithItsOwnWindow) {
    SaverProcess saver(Saver(), L"/s");
    ASSERT_TRUE(saver.Started());
    const std::vector<RECT> monitors = MonitorRects();
    ASSERT_FALSE(monitors.empty());
    std::vector<HWND> windows;
    ASSERT_TRUE(WaitFor([&] {
        windows = saver.Windows(kSaverClass);
        return windows.size() >= monitors.size() || !saver.Running();
    }));
    ASSERT_EQ(windows.size(), monitors.size());
    for (HWND window : windows) ASSERT_TRUE(SaverProcess::ReachesItsLoop(window));
    for (const RECT& monitor : monitors) {
        bool covered = false;
        for (HWND window : windows) {
            RECT rect = {};
            GetWindowRect(window, &rect);
            covered = covered || EqualRect(&rect, &monitor);
        }
        EXPECT_TRUE(covered) << monitor.left << "," << monitor.top;
        // A device on every monitor: no error box in the middle of any.
        EXPECT_NE(ScreenPixel((monitor.left + monitor.right) / 2, (monitor.top + monitor.bottom) / 2),
                  GetSysColor(COLOR_WINDOW));
    }
    PostMessageW(windows.back(), WM_KEYDOWN, VK_SPACE, 0);
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
}

// Each monitor plays its own copy of the show on its own device.
TEST(SaverProcess, FullScreenPlaysTheShowOnEachOfTwoMonitors) {
    // The two-monitor session says so; Wine may take a moment to see its second monitor.
    wchar_t twoMonitors[4] = L"";
    GetEnvironmentVariableW(L"VG_TWO_MONITORS", twoMonitors, 4);
    if (wcscmp(twoMonitors, L"1") == 0)
        ASSERT_TRUE(WaitFor([] { return GetSystemMetrics(SM_CMONITORS) == 2; }, 10000))
            << "VG_TWO_MONITORS=1, but Wine sees " << GetSystemMetrics(SM_CMONITORS) << " monitor(s)";
    if (GetSystemMetrics(SM_CMONITORS) != 2)
        GTEST_SKIP() << "needs a display with two monitors (a whole scripts/test run, as root, runs "
                        "it again under VG_TWO_MONITORS=1); this one has "
                     << GetSystemMetrics(SM_CMONITORS);
    SaverProcess saver(Saver(), L"/s");
    ASSERT_TRUE(saver.Started());
    const std::vector<RECT> monitors = MonitorRects();
    ASSERT_EQ(monitors.size(), 2u);
    std::vector<HWND> windows;
    ASSERT_TRUE(WaitFor([&] {
        windows = saver.Windows(kSaverClass);
        return windows.size() >= 2 || !saver.Running();
    }));
    ASSERT_EQ(windows.size(), 2u);
    for (HWND window : windows) ASSERT_TRUE(SaverProcess::ReachesItsLoop(window));
    ExpectMovingScenes(saver, monitors);
    PostMessageW(windows.back(), WM_KEYDOWN, VK_SPACE, 0);
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
}

TEST(SaverProcess, FullScreenEndsOnTheSixthDistinctMouseMove) {
    SaverProcess saver(Saver(), L"/s");
    HWND window = saver.LoopingWindow();
    ASSERT_NE(window, nullptr);
    // The first move is where the pointer is, so a move the display itself reports there
    // is the same position and counts once with it.
    POINT pointer = {};
    GetCursorPos(&pointer);
    ScreenToClient(window, &pointer);
    const POINT moves[6] = {pointer, {pointer.x + 5, pointer.y}, {pointer.x + 5, pointer.y + 5},
                            {3, 3}, {40, 7}, {100, 100}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(saver.Running()) << "ended before move " << i + 1;
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_MOUSEMOVE, 0, MAKELPARAM(moves[i].x, moves[i].y),
                            SMTO_NORMAL, 5000, &result);
        // A repeat of the last position never counts.
        SendMessageTimeoutW(window, WM_MOUSEMOVE, 0, MAKELPARAM(moves[i].x, moves[i].y),
                            SMTO_NORMAL, 5000, &result);
    }
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
}

LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(SaverProcess, PreviewDrawsIntoAChildOfTheGivenParent) {
    WNDCLASSW parentClass = {};
    parentClass.lpfnWndProc = ParentProcedure;
    parentClass.hInstance = GetModuleHandleW(nullptr);
    parentClass.lpszClassName = L"VelmoraGlowPreviewParent";
    RegisterClassW(&parentClass);
    HWND parent = CreateWindowExW(0, parentClass.lpszClassName, L"parent",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 100, 320, 260, nullptr,
                                  nullptr, parentClass.hInstance, nullptr);
    ASSERT_NE(parent, nullptr);
    RECT parentClient = {};
    GetClientRect(parent, &parentClient);

    SaverProcess saver(Saver(), L"/p " + std::to_wstring(reinterpret_cast<UINT_PTR>(parent)));
    ASSERT_TRUE(saver.Started());
    HWND child = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        child = FindWindowExW(parent, nullptr, kSaverClass, nullptr);
        return child != nullptr || !saver.Running();
    }));
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(saver.Windows(kSaverClass).empty());  // no top-level window of its own
    RECT childClient = {};
    GetClientRect(child, &childClient);
    EXPECT_TRUE(EqualRect(&childClient, &parentClient));
    EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_CHILD);
    // Input to the preview does nothing.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(child, WM_KEYDOWN, 'A', 0, SMTO_NORMAL, 20000, &result);
    SendMessageTimeoutW(child, WM_LBUTTONDOWN, 0, 0, SMTO_NORMAL, 20000, &result);
    EXPECT_TRUE(SaverProcess::ReachesItsLoop(child));
    EXPECT_TRUE(saver.Running());
    // Destroying the parent destroys the preview, which ends the saver.
    DestroyWindow(parent);
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
}

TEST(SaverProcess, PreviewWithoutAParentWindowExitsWithoutAWindow) {
    SaverProcess saver(Saver(), L"/p 4294967295");
    ASSERT_TRUE(saver.Started());
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
}

// A copy of the saver beside a d3d9.dll without Direct3D. Wine prefers its own d3d9 unless
// told otherwise for this program name, in the test session's own prefix.
std::wstring SaverWithoutDirect3D() {
    const wchar_t kName[] = L"VelmoraGlowNoDirect3D.scr";
    HKEY key = nullptr;
    const std::wstring path = std::wstring(L"Software\\Wine\\AppDefaults\\") + kName + L"\\DllOverrides";
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        const wchar_t native[] = L"native";
        RegSetValueExW(key, L"d3d9", 0, REG_SZ, reinterpret_cast<const BYTE*>(native),
                       sizeof native);
        RegCloseKey(key);
    }
    const std::wstring copy = Widen(VG_NO_DIRECT3D_DIR) + L"/" + kName;
    CopyFileW(Saver().c_str(), copy.c_str(), FALSE);
    return copy;
}
const wchar_t kNoDirect3DText[] =
    L"Direct3D 8.0 could not be initialized.  Please install the latest version of DirectX.";

TEST(SaverProcess, ConfigWithoutDirect3DShowsItsTextInAMessageBox) {
    SaverProcess saver(SaverWithoutDirect3D(), L"/c");
    ASSERT_TRUE(saver.Started());
    HWND box = saver.WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    // The box may still be filling in when it is first seen.
    auto texts = [box] {
        std::vector<std::wstring> found;
        EnumChildWindows(
            box,
            [](HWND control, LPARAM context) -> BOOL {
                wchar_t text[300] = L"";
                GetWindowTextW(control, text, 300);
                reinterpret_cast<std::vector<std::wstring>*>(context)->push_back(text);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    };
    EXPECT_TRUE(WaitFor([&] {
        const std::vector<std::wstring> found = texts();
        return std::find(found.begin(), found.end(), kNoDirect3DText) != found.end();
    }, 5000));
    wchar_t caption[100] = L"";
    GetWindowTextW(box, caption, 100);
    EXPECT_STREQ(caption, L"Velmora Glow");  // the saver's title, string 1000
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
}

TEST(SaverProcess, FullScreenWithoutDirect3DShowsTheErrorBoxAndEndsOnAKey) {
    SaverProcess saver(SaverWithoutDirect3D(), L"/s");
    HWND window = saver.LoopingWindow();
    ASSERT_NE(window, nullptr);
    // The box starts in the middle of the screen and moves slowly from there.
    const int cx = GetSystemMetrics(SM_CXSCREEN) / 2, cy = GetSystemMetrics(SM_CYSCREEN) / 2;
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(cx, cy - 40) == GetSysColor(COLOR_WINDOW); }, 5000));
    EXPECT_EQ(ScreenPixel(5, 5), RGB(0, 0, 0));
    PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
}

// The error box as the saver paints it: 300 x 150, the window colour, a black frame and the
// text wrapped and centred in the system font.
constexpr int kBoxWidth = 300, kBoxHeight = 150;
std::vector<uint32_t> ErrorBoxWith(const wchar_t* text) {
    return ScreenShot::Draw(kBoxWidth, kBoxHeight, [text](HDC dc) {
        RECT box = {0, 0, kBoxWidth, kBoxHeight};
        FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
        FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        RECT measured = box;
        DrawTextW(dc, text, -1, &measured, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        RECT target = box;
        target.top = (box.bottom - (measured.bottom - measured.top)) / 2;
        DrawTextW(dc, text, -1, &target, DT_WORDBREAK | DT_CENTER);
    });
}

// Where on the screen a drawing of the box stands, if anywhere.
bool FindBox(const ScreenShot& shot, const std::vector<uint32_t>& box, POINT& found) {
    const uint32_t black = 0, inside = box[size_t(1) * kBoxWidth + 1];
    for (int y = shot.Top(); y + kBoxHeight <= shot.Bottom(); ++y)
        for (int x = shot.Left(); x + kBoxWidth <= shot.Right(); ++x) {
            if (shot.At(x, y) != black || shot.At(x + 1, y + 1) != inside ||
                shot.At(x + kBoxWidth - 1, y + 1) != black || shot.At(x + 1, y + kBoxHeight - 1) != black ||
                shot.At(x + kBoxWidth - 2, y + kBoxHeight - 2) != inside)
                continue;
            if (shot.Region(x, y, kBoxWidth, kBoxHeight) != box) continue;
            found = {x, y};
            return true;
        }
    return false;
}

// Whether every pixel of the shot but those of the box at `box` is black.
bool BlackAround(const ScreenShot& shot, POINT box) {
    for (int y = shot.Top(); y < shot.Bottom(); ++y)
        for (int x = shot.Left(); x < shot.Right(); ++x) {
            const bool inBox = x >= box.x && x < box.x + kBoxWidth && y >= box.y && y < box.y + kBoxHeight;
            if (!inBox && shot.At(x, y) != 0) return false;
        }
    return true;
}

std::wstring SaverWithoutScene() { return Widen(VG_SAVER_WITHOUT_SCENE_PATH); }

TEST(SaverProcess, FullScreenWithoutItsSceneShowsTheMediaErrorUntilAKey) {
    const std::vector<uint32_t> mediaBox = ErrorBoxWith(L"Could not load required media.");
    // The comparison tells texts apart.
    ASSERT_NE(mediaBox, ErrorBoxWith(L"There was an unspecified problem with this screen saver."));
    ASSERT_NE(mediaBox, ErrorBoxWith(L""));

    SaverProcess saver(SaverWithoutScene(), L"/s");
    HWND window = saver.LoopingWindow();
    ASSERT_NE(window, nullptr);
    POINT first = {}, later = {};
    ASSERT_TRUE(WaitFor([&] { return FindBox(ScreenShot(), mediaBox, first) || !saver.Running(); }))
        << "no box with the media text";
    // The splash drawn before the document failed is gone: all is black but the box.
    EXPECT_TRUE(WaitFor([&] {
        const ScreenShot shot;
        POINT box = {};
        return (FindBox(shot, mediaBox, box) && BlackAround(shot, box)) || !saver.Running();
    }, 5000)) << "more than the box on the screen";
    // It bounces on, and the saver with it, until input.
    EXPECT_TRUE(WaitFor([&] {
        return (FindBox(ScreenShot(), mediaBox, later) && (later.x != first.x || later.y != first.y)) ||
               !saver.Running();
    })) << "the box stands still";
    EXPECT_TRUE(saver.Running());
    PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    DWORD code = 1;
    ASSERT_TRUE(saver.Exits(code));
    EXPECT_EQ(code, 0u);
}

// The settings key of the test session's prefix, which this process shares with the saver.
const wchar_t kSettingsKey[] = L"Software\\Larkspire\\Glimmerforge\\Screensaver";
const wchar_t kPicturePosition[] = L"\"PicPos\"";

bool StoredPicturePosition(DWORD& position) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD size = sizeof position, type = 0;
    const bool found = RegQueryValueExW(key, kPicturePosition, nullptr, &type,
                                        reinterpret_cast<BYTE*>(&position), &size) == ERROR_SUCCESS &&
                       type == REG_DWORD && size == sizeof position;
    RegCloseKey(key);
    return found;
}

void StorePicturePosition(DWORD position) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, kPicturePosition, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&position),
                   sizeof position);
    RegCloseKey(key);
}

// The configuration dialog of the saver: the saver's title and its picture-position list.
HWND WaitForConfigDialog(const SaverProcess& saver) {
    HWND dialog = nullptr;
    WaitFor([&] {
        for (HWND candidate : saver.Windows(L"#32770")) {
            wchar_t caption[100] = L"";
            GetWindowTextW(candidate, caption, 100);
            if (wcscmp(caption, L"Velmora Glow") == 0 && GetDlgItem(candidate, IDC_PICTURE_POSITION) &&
                IsWindowVisible(candidate))
                dialog = candidate;
        }
        return dialog != nullptr || !saver.Running();
    });
    return dialog;
}

TEST(SaverProcess, ConfigDialogStoresItsChoiceOnOkOnlyAndTheSaverEnds) {
    const struct {
        int button;
        DWORD chosen;
        DWORD stored;
    } cases[] = {
        {IDCANCEL, 0, 1},
        {IDOK, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button == IDOK ? "OK" : "Cancel");
        StorePicturePosition(1);
        SaverProcess saver(Saver(), L"/c");
        ASSERT_TRUE(saver.Started());
        HWND dialog = WaitForConfigDialog(saver);
        ASSERT_NE(dialog, nullptr);
        HWND positions = GetDlgItem(dialog, IDC_PICTURE_POSITION);
        EXPECT_EQ(SendMessageW(positions, CB_GETCURSEL, 0, 0), 1);  // the stored one
        SendMessageW(positions, CB_SETCURSEL, c.chosen, 0);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, c.button)));
        DWORD code = 1;
        ASSERT_TRUE(saver.Exits(code));
        EXPECT_EQ(code, 0u);
        DWORD position = 99;
        EXPECT_TRUE(StoredPicturePosition(position));
        EXPECT_EQ(position, c.stored);
    }
}

}  // namespace
