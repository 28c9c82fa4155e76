#include "player/ScreenPlayerContext.h"

#include "audio/AudioSettings.h"
#include "audio/MusicPlayback.h"
#include "base/CurrentDevice.h"
#include "document/DocResourceCache.h"
#include "document/QV_DocResManager.h"
#include "base/RenderTargetPair.h"
#include "player/SceneDocument.h"
#include "player/StateList.h"
#include "settings/SettingsAccess.h"

namespace {
constexpr int kSplashPictureId = 5;
constexpr long kMediaComplete = 1;  // EC_COMPLETE
}  // namespace

ScreenPlayerContext::ScreenPlayerContext(MusicPlayback* music, MusicFolder* musicFolder)
    : music_(music), musicFolder_(musicFolder), openScene_(static_cast<SceneOpener>(&LoadSceneDocument)) {}

// The show goes before the manager whose device objects it draws with.
ScreenPlayerContext::~ScreenPlayerContext() {
    scene_.reset();
    manager_.reset();
}

void ScreenPlayerContext::BuildSplashQuad() {
    ComHolder<IDirect3DTexture9> texture;
    LoadTextureFromResource(kSplashPictureId, false, texture);
    const D3DSURFACE_DESC backBuffer = GetBackBufferDesc();
    const int W = int(backBuffer.Width), H = int(backBuffer.Height);
    const float side = float(H) * 2 / 3;
    const float left = (float(W) - side) / 2, top = (float(H) - side) / 2;
    splash_.BuildWithTexture(texture, ScreenQuad::FromRect(left, top, side, side));
}

void ScreenPlayerContext::DrawSplash() {
    IDirect3DDevice9* d = CurrentDevice;
    if (!d) return;
    BuildSplashQuad();
    splash_.SetAlpha(255, 1.0f);
    if (FAILED(d->BeginScene())) return;
    d->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00000000, 1.0f, 0);
    ApplyStates({SamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR), SamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR)});
    d->SetTexture(0, splash_.texture.Get());
    splash_.SetStream();
    d->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
    d->EndScene();
    splashDrawn_ = true;
}

HRESULT ScreenPlayerContext::Start() {
    started_ = true;
    if (scene_) {
        scene_->RestoreDeviceObjects();
        AdvancePlaylist();
        return S_OK;
    }
    QV_SlideShow_Light* scene = nullptr;
    const HRESULT hr = openScene_(&scene);
    if (FAILED(hr)) return hr;
    scene_.reset(scene);
    scene_->PrepareSlides();
    manager_.reset(CurrentDocResManager);
    scene_->SetFitMode(int(GetPicturePosition()));
    playlistPosition_ = 0;
    AdvancePlaylist();
    ApplyStoredSoundVolume();
    return S_OK;
}

void ScreenPlayerContext::AdvancePlaylist() {
    const auto& files = scene_->AudioFiles();
    if (playlistPosition_ >= files.size()) {
        if (files.size() == 1) {
            if (music_) music_->RestartAudio();
            return;
        }
        playlistPosition_ = 0;
    }
    if (playlistPosition_ >= files.size()) return;
    QV_AudioFile& file = *files[playlistPosition_].Get();
    // Written when its turn comes: thousands of tracks would take seconds to write at once.
    if (musicFolder_) file.ExtractToTempFile(*musicFolder_);
    if (music_) music_->PlayAudioFile(file);
    AudioSettings& settings = SharedAudioSettings();
    settings.Read();
    if (music_) music_->SetAudioVolume(settings.Muted(), settings.soundVolume);
    ++playlistPosition_;
}

void ScreenPlayerContext::OnMediaEvent(long code) {
    if (code == kMediaComplete && scene_) AdvancePlaylist();
}

void ScreenPlayerContext::DrawScene() {
    if (!scene_ || !CurrentDevice || FAILED(CurrentDevice->BeginScene())) return;
    scene_->Render(false);
    CurrentDevice->EndScene();
}

void ScreenPlayerContext::StopSounds() {
    if (scene_) scene_->StopSounds();
}

void ScreenPlayerContext::InvalidateDeviceObjects() {
    if (scene_) scene_->InvalidateDeviceObjects();
    started_ = false;
}
