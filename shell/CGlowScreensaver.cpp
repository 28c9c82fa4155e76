#include "shell/CGlowScreensaver.h"

#include <commctrl.h>

#include "audio/AudioSettings.h"
#include "audio/SoundDevice.h"
#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "player/PictureView.h"
#include "settings/SettingsAccess.h"
#include "shell/ConfigDialog.h"
#include "shell/SaverSettings.h"
#include "shell/SoundSettingsDialog.h"

CGlowScreensaver* TheApp = nullptr;

namespace {
constexpr const wchar_t* kKeyPath = L"Software\\Larkspire\\Glimmerforge\\Screensaver\\";
constexpr UINT kTitleString = 1000;
}  // namespace

CGlowScreensaver::CGlowScreensaver(ShellPlatform& platform) : CSaverFramework(platform) {
    for (auto*& context : contexts_) context = new ScreenPlayerContext(&music_, &musicFolder_);
    TheApp = this;
    InitCommonControls();
    wcsncpy(CSaverFramework::SaverKeyPath, kKeyPath, 199);
    wcsncpy(::SaverKeyPath, kKeyPath, 199);
    platform_.LoadText(GetModuleHandleW(nullptr), kTitleString, title, 200);
    useDepthBuffer = TRUE;
    SetMusic(&frameworkMusic_);
}

CGlowScreensaver::~CGlowScreensaver() {
    DestroyContexts();
    if (TheApp == this) TheApp = nullptr;
}

void CGlowScreensaver::ShowConfigDialog() { ConfigDialog(*this, settingsTable_).Show(); }

void CGlowScreensaver::LoadSettings() { LoadAllSettings(*this); }

INT_PTR CGlowScreensaver::SoundDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return SoundSettingsDialogProc(dialog, message, wParam, lParam);
}

void CGlowScreensaver::DestroyContexts() {
    for (auto*& context : contexts_) {
        delete context;
        context = nullptr;
    }
    current_ = nullptr;
}

void CGlowScreensaver::OnUnitSelected(UINT index) {
    if (index >= kContexts) return;
    current_ = contexts_[index];
    CurrentDevice = currentDevice;
    if (current_->Manager()) CurrentDocResManager = current_->Manager();
}

HRESULT CGlowScreensaver::AcceptDevice(const D3DCAPS9& caps, DWORD, D3DFORMAT adapterFormat) {
    if (!(caps.TextureOpCaps & D3DTEXOPCAPS_BUMPENVMAP)) return E_FAIL;
    if (!d3d || FAILED(d3d->CheckDeviceFormat(caps.AdapterOrdinal, caps.DeviceType, adapterFormat, 0,
                                              D3DRTYPE_TEXTURE, D3DFMT_V8U8)))
        return E_FAIL;
    return S_OK;
}

HRESULT CGlowScreensaver::RenderCurrentUnit() {
    if (!current_) return S_OK;
    if (current_->Started()) {
        current_->Scene()->FrameMove(appTime);
        current_->DrawScene();
    } else if (current_->SplashDrawn()) {
        // Only now, with the splash on the screen: the first frame needs no sound.
        if (!current_->Scene()) OpenAudio();
        const HRESULT hr = current_->Start();
        if (FAILED(hr)) EnterErrorMode(hr);
    } else {
        current_->DrawSplash();
    }
    return S_OK;
}

HRESULT CGlowScreensaver::InvalidateUnitObjects() {
    SoundDevice& sound = SoundDevice::Shared();
    if (IDirectSoundBuffer* primary = sound.PrimaryBuffer()) {
        primary->SetVolume(0);
        primary->Stop();
    }
    if (music_.HasGraph()) {
        music_.StopAudio();
        music_.ReleaseAudioGraph();
    }
    if (current_) {
        current_->InvalidateDeviceObjects();
        if (current_->Manager()) current_->Manager()->OnLostDevice();
    }
    return S_OK;
}

void CGlowScreensaver::OpenAudio() {
    SoundDevice::Shared().InitDirectSound(mainWindow);
    if ((mode == FullScreen || mode == TestWindow) && !music_.HasGraph()) music_.InitAudioGraph(mainWindow);
}

// The sound device and the music graph are made before the unit's first start, not here:
// this runs once before the first frame, then after every reset.
HRESULT CGlowScreensaver::RestoreUnitObjects() {
    try {
        if (current_ && current_->Scene()) {
            // After a reset: the sound comes back at the stored level, the music graph anew.
            OpenAudio();
            if (IDirectSoundBuffer* primary = SoundDevice::Shared().PrimaryBuffer()) primary->Play(0, 0, DSBPLAY_LOOPING);
            ApplyStoredSoundVolume();
        }
    } catch (...) {
        EnterErrorMode(kMissingMedia);
    }
    return S_OK;
}

HRESULT CGlowScreensaver::DeleteUnitObjects() {
    // The view's border quads hold the device; without them it goes with the scene's objects.
    GetPictureView().ReleaseDeviceObjects(currentDevice);
    return S_OK;
}

// Before the units go: releasing anything of the sound device waits on its mixer, which takes
// long over thousands of playing sounds and little over none.
void CGlowScreensaver::OnSaverEnding() {
    for (ScreenPlayerContext* context : contexts_)
        if (context) context->StopSounds();
}

void CGlowScreensaver::ShutDown() {
    // The scenes with their sound buffers and device objects: Direct3D's threads end with
    // the last reference to each device.
    DestroyContexts();
    music_.StopAudio();
    music_.ReleaseAudioGraph();
    musicFolder_.Remove();
    // The mixer's thread and the audio driver's.
    SoundDevice& sound = SoundDevice::Shared();
    sound.ReleasePrimaryBuffer();
    sound.ReleaseDevice();
}

void CGlowScreensaver::OnMediaEvent(long code) {
    if (current_) current_->OnMediaEvent(code);
}
