#pragma once
// The Direct3D 9 screensaver framework: command-line modes, monitors, adapters and device
// selection, the saver windows, the frame loop with device loss, ending on user input and
// the error display. The application derives from it and overrides the hooks it needs.
#include <windows.h>
#include <d3d9.h>

#include "player/SceneDocument.h"
#include "shell/AdapterRecord.h"
#include "shell/FrameTimer.h"
#include "shell/MonitorRecord.h"
#include "shell/SaverMode.h"
#include "shell/SaverMusic.h"
#include "shell/ScreenUnit.h"
#include "shell/ShellPlatform.h"

// The shell's own failure codes.
inline constexpr HRESULT kNoDirect3D = static_cast<HRESULT>(0x82000001);
inline constexpr HRESULT kNoCompatibleDevice = static_cast<HRESULT>(0x82000003);
inline constexpr HRESULT kNoSuitableDeviceType = static_cast<HRESULT>(0x82000005);
inline constexpr HRESULT kMissingMedia = kSceneDocumentFailure;
inline constexpr HRESULT kUnitObjectsFailed = static_cast<HRESULT>(0x8200000D);
inline constexpr HRESULT kNoDevice = static_cast<HRESULT>(0x8200000E);
inline constexpr HRESULT kNoPreview = static_cast<HRESULT>(0x8200000F);

inline constexpr const wchar_t* kSaverWindowClass = L"GlowSaverWndClass";
inline constexpr UINT kIconId = 101;

class CSaverFramework {
public:
    static constexpr UINT kMaxMonitors = 9;
    static constexpr UINT kMaxUnits = 9;
    static constexpr UINT kMaxAdapters = 9;
    static constexpr UINT kMaxAdapterModes = 100;

    explicit CSaverFramework(ShellPlatform& platform);
    CSaverFramework(const CSaverFramework&) = delete;
    CSaverFramework& operator=(const CSaverFramework&) = delete;

    // Hooks, in their fixed slot order.
    virtual HRESULT Initialize(HINSTANCE instance);
    virtual int Execute();
    virtual void ShowConfigDialog() {}
    virtual void LoadSettings() {}
    virtual void PaintErrorBox(HWND window, HDC dc);
    virtual LRESULT WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual INT_PTR SoundDialogProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
    virtual void DescribeUnits();
    virtual void UpdateFrameStats();
    virtual bool GetErrorText(HRESULT code, wchar_t* text, int length);
    virtual void OnUnitSelected(UINT) {}
    virtual HRESULT BeforeEnumeration() { return S_OK; }
    virtual HRESULT AcceptDevice(const D3DCAPS9&, DWORD, D3DFORMAT) { return S_OK; }
    virtual HRESULT AcceptCreatedDevice(IDirect3DDevice9*) { return S_OK; }
    virtual HRESULT InitOnce() { return S_OK; }
    virtual HRESULT CreateUnitObjects() { return S_OK; }
    virtual HRESULT RestoreUnitObjects() { return S_OK; }
    virtual HRESULT UpdateFrame() { return S_OK; }
    virtual HRESULT RenderCurrentUnit() { return S_OK; }
    virtual HRESULT InvalidateUnitObjects() { return S_OK; }
    virtual HRESULT DeleteUnitObjects() { return S_OK; }
    // The saver is about to end: before its screen units are released, what plays can stop.
    virtual void OnSaverEnding() {}
    virtual void OnSaverEnd() {}
    virtual void OnMediaEvent(long) {}
    virtual ~CSaverFramework();

    // Command line and modes
    SaverMode ParseSwitches(const wchar_t* commandLine);
    HRESULT ShowError(HRESULT code);

    // Monitors, adapters and device selection
    void ListMonitors();
    HRESULT EnumerateAdapters();
    bool PickDepthStencilFormat(UINT adapter, D3DDEVTYPE type, D3DFORMAT format,
                                D3DFORMAT& depthFormat);
    HRESULT TryWindowedFormat(ScreenUnit& unit, const AdapterRecord& adapter);
    bool PickBestAdapter(UINT& adapterIndex);
    HRESULT OpenScreenUnits();
    HRESULT OpenWindowedUnit(ScreenUnit& unit);
    HRESULT OpenFullscreenUnit(ScreenUnit& unit);
    static int CompareDisplayModes(const D3DDISPLAYMODE& a, const D3DDISPLAYMODE& b);
    void MakeUnitCurrent(UINT index);
    void ReleaseScreenUnits();

    // Frame loop
    HRESULT FrameLoop();
    HRESULT RenderFrame();

    // Windows, input, ending and the error box
    HRESULT OpenSaverWindows();
    static LRESULT CALLBACK SaverWindowThunk(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    void EndOnUserInput();
    void StopSaver();
    void StepErrorBox();

    void EnterErrorMode(HRESULT code);
    void SetMusic(SaverMusic* music) { music_ = music; }

    // Fields
    SaverMode mode = Config;
    DWORD allScreensSame = 0;
    HWND mainWindow = nullptr;
    HWND commandLineWindow = nullptr;
    HINSTANCE instance = nullptr;
    BOOL previewWait = FALSE;
    int mouseMoveCount = 0;
    BOOL windowed = FALSE;
    BOOL errorMode = FALSE;
    HRESULT errorCode = S_OK;
    wchar_t errorText[400] = L"";
    MonitorRecord monitors[kMaxMonitors];
    UINT monitorCount = 0;
    ScreenUnit units[kMaxUnits];
    UINT unitCount = 0;
    AdapterRecord* adapters[kMaxAdapters] = {};
    UINT adapterCount = 0;
    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* currentDevice = nullptr;  // the current unit's device, not owned
    RECT clientRect = {};
    RECT renderRect = {};
    D3DSURFACE_DESC backBufferDesc = {};
    wchar_t title[200] = L"Screen Saver";
    // Configuration the application sets before Initialize.
    BOOL allowReference = FALSE;
    BOOL useDepthBuffer = FALSE;
    BOOL multithreaded = FALSE;
    BOOL oneScreenOnly = FALSE;
    wchar_t SaverKeyPath[200] = L"";
    DWORD minDepthBits = 16;
    DWORD minStencilBits = 0;
    D3DSWAPEFFECT fullscreenSwapEffect = D3DSWAPEFFECT_DISCARD;
    D3DSWAPEFFECT windowedSwapEffect = D3DSWAPEFFECT_COPY;
    float appTime = 0;
    float elapsedTime = 0;
    float framesPerSecond = 0;
    wchar_t unitDescription[90] = L"";
    wchar_t frameStats[40] = L"";

protected:
    ShellPlatform& platform_;

private:
    bool ChooseBehaviourFlags(const D3DCAPS9& caps, D3DFORMAT format, DWORD& flags);
    void EndSaver();
    void FinishScreenUnits();
    void StoreSteppedDownMode(AdapterRecord& adapter, const DisplayModeRecord& mode);
    void ReleaseAdapterRecords();

    SaverMusic* music_ = nullptr;
    FrameTimer timer_;
    // Frame statistics
    DWORD framesSinceStats_ = 0;
    float lastStatsTime_ = 0;
    // Input
    POINT lastMousePosition_ = {-1, -1};
    DWORD lastBoxStep_ = 0;
};

// The one framework of the process, for the window and dialog procedures.
extern CSaverFramework* TheSaver;
