// The framework object, the command line, start-up and running the chosen mode.
#include "shell/CSaverFramework.h"

#include "shell/PasswordChange.h"

#include <cwctype>

CSaverFramework* TheSaver = nullptr;

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// A window number as the command line gives it. Window handles carry 32 significant bits;
// a number beyond that names no window.
HWND ReadWindowNumber(const wchar_t* p) {
    while (*p && !IsDigit(*p)) ++p;
    if (!*p) return nullptr;
    unsigned long long value = 0;
    for (; IsDigit(*p); ++p) {
        value = value * 10 + static_cast<unsigned>(*p - L'0');
        if (value > 0xFFFFFFFFull) return nullptr;
    }
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(value));
}

struct ErrorEntry {
    HRESULT code;
    UINT stringId;
};

constexpr UINT kUnknownErrorString = 2100;
constexpr ErrorEntry kErrorTable[] = {
    {E_FAIL, 2100},
    {kNoDirect3D, 2101},
    {static_cast<HRESULT>(0x82000007), 2102},
    {kNoDevice, 2103},
    {kNoCompatibleDevice, 2104},
    {kNoSuitableDeviceType, 2105},
    {static_cast<HRESULT>(0x82000006), 2106},
    {static_cast<HRESULT>(0x82000009), 2107},
    {kMissingMedia, 2108},
    {static_cast<HRESULT>(0x8200000C), 2109},
    {E_OUTOFMEMORY, 2110},
    {D3DERR_OUTOFVIDEOMEMORY, 2111},
    {kNoPreview, 2112},
};

}  // namespace

CSaverFramework::CSaverFramework(ShellPlatform& platform)
    : platform_(platform), timer_(platform) {
    TheSaver = this;
}

CSaverFramework::~CSaverFramework() {
    ReleaseScreenUnits();
    ReleaseAdapterRecords();
    if (TheSaver == this) TheSaver = nullptr;
}

SaverMode CSaverFramework::ParseSwitches(const wchar_t* commandLine) {
    commandLineWindow = nullptr;
    const wchar_t* p = commandLine ? commandLine : L"";
    // Skip the program name.
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
        if (*p) ++p;
    }
    while (*p && *p != L'/' && *p != L'-') ++p;
    if (!*p) return Config;
    ++p;
    const wchar_t letter = *p ? static_cast<wchar_t>(std::towupper(*p)) : L'\0';
    const wchar_t* afterLetter = *p ? p + 1 : p;
    switch (letter) {
    case L'A':
        commandLineWindow = ReadWindowNumber(afterLetter);
        return ChangePassword;
    case L'C':
        commandLineWindow = ReadWindowNumber(afterLetter);
        return Config;
    case L'P':
        commandLineWindow = ReadWindowNumber(afterLetter);
        return Preview;
    case L'R':
        return None;
    case L'T':
        return TestWindow;
    default:
        return FullScreen;
    }
}

void CSaverFramework::EnterErrorMode(HRESULT code) {
    errorMode = TRUE;
    errorCode = code;
}

HRESULT CSaverFramework::Initialize(HINSTANCE moduleInstance) {
    platform_.SetIdlePriority();
    instance = moduleInstance;
    mode = ParseSwitches(platform_.CommandLine());
    // A preview needs a parent to live in; without one there is nothing to show.
    if (mode == Preview && !platform_.IsWindowHandle(commandLineWindow)) mode = None;
    ListMonitors();

    if (mode == Preview || mode == FullScreen || mode == TestWindow) {
        const HRESULT hr = OpenSaverWindows();
        if (FAILED(hr)) EnterErrorMode(hr);
    }
    if (mode == Preview && mainWindow) {
        // The main window's timer clears the flag after half a second.
        previewWait = TRUE;
        platform_.Post(mainWindow, WM_USER, 0, 0);
        MSG message;
        while (previewWait) {
            const int got = platform_.WaitForMessage(message, mainWindow);
            if (got == 0) platform_.PostQuit();
            if (got <= 0) break;
            platform_.TranslateAndDispatch(message);
        }
    }

    d3d = platform_.CreateDirect3D();
    if (!d3d) {
        EnterErrorMode(kNoDirect3D);
        return S_OK;
    }
    HRESULT hr = BeforeEnumeration();
    if (FAILED(hr)) {
        EnterErrorMode(hr);
        return S_OK;
    }
    hr = EnumerateAdapters();
    if (FAILED(hr)) {
        EnterErrorMode(hr);
        return S_OK;
    }
    bool anyUsable = false;
    for (UINT i = 0; i < adapterCount; ++i)
        if (adapters[i]->halUsable || adapters[i]->swUsable) anyUsable = true;
    if (!anyUsable) {
        EnterErrorMode(kNoCompatibleDevice);
        return S_OK;
    }
    LoadSettings();
    return S_OK;
}

int CSaverFramework::Execute() {
    switch (mode) {
    case Config:
        if (errorMode)
            ShowError(errorCode);
        else
            ShowConfigDialog();
        break;
    case Preview:
    case FullScreen:
    case TestWindow: {
        const HRESULT hr = FrameLoop();
        if (FAILED(hr)) ShowError(hr);
        break;
    }
    case ChangePassword:
        ChangeSaverPassword(commandLineWindow);
        break;
    case None:
        break;
    }
    ReleaseAdapterRecords();
    if (d3d) {
        d3d->Release();
        d3d = nullptr;
    }
    return 0;
}

void CSaverFramework::ReleaseAdapterRecords() {
    for (UINT i = 0; i < adapterCount; ++i) {
        delete adapters[i];
        adapters[i] = nullptr;
    }
    adapterCount = 0;
}

bool CSaverFramework::GetErrorText(HRESULT code, wchar_t* text, int length) {
    UINT id = kUnknownErrorString;
    for (const ErrorEntry& entry : kErrorTable)
        if (entry.code == code) id = entry.stringId;
    if (length > 0) {
        text[0] = L'\0';
        platform_.LoadText(instance, id, text, length);
    }
    return id != kUnknownErrorString;
}

HRESULT CSaverFramework::ShowError(HRESULT code) {
    wchar_t text[512];
    GetErrorText(code, text, 512);
    platform_.ShowMessageBox(mainWindow, text, title);
    return code;
}
