#pragma once
// The application: the framework connected to one scene player per screen unit, with the
// sound device, the music graph and the settings.
#include <windows.h>

#include "audio/MusicFolder.h"
#include "audio/MusicGraph.h"
#include "player/ScreenPlayerContext.h"
#include "shell/CSaverFramework.h"
#include "shell/SettingsTable.h"

class CGlowScreensaver : public CSaverFramework {
public:
    static constexpr UINT kContexts = 10;

    explicit CGlowScreensaver(ShellPlatform& platform);
    ~CGlowScreensaver() override;

    void ShowConfigDialog() override;
    void LoadSettings() override;
    INT_PTR SoundDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnUnitSelected(UINT index) override;
    HRESULT AcceptDevice(const D3DCAPS9& caps, DWORD behaviour, D3DFORMAT adapterFormat) override;
    HRESULT RestoreUnitObjects() override;
    HRESULT UpdateFrame() override { return S_OK; }
    HRESULT RenderCurrentUnit() override;
    HRESULT InvalidateUnitObjects() override;
    HRESULT DeleteUnitObjects() override;
    void OnSaverEnding() override;
    void OnMediaEvent(long code) override;

    // WinMain destroys the contexts after Execute, while the devices they used are known.
    void DestroyContexts();
    // After Execute: what runs threads of its own stops, in order, before the process ends.
    void ShutDown();

    ScreenPlayerContext& Context(UINT index) { return *contexts_[index]; }
    ScreenPlayerContext* CurrentContext() const { return current_; }
    MusicGraph& Music() { return music_; }

private:
    // The sound device, and in the modes with music the graph, when they are not there yet.
    void OpenAudio();

    // The framework reaches the graph for its events through this.
    class FrameworkMusic : public SaverMusic {
    public:
        explicit FrameworkMusic(MusicGraph& graph) : graph_(graph) {}
        long GetAudioEvent() override { return graph_.GetAudioEvent(); }

    private:
        MusicGraph& graph_;
    };

    // Before the graph, so that it goes after it: the graph keeps the files it plays open.
    MusicFolder musicFolder_;
    MusicGraph music_;
    FrameworkMusic frameworkMusic_{music_};
    ScreenPlayerContext* contexts_[kContexts] = {};
    ScreenPlayerContext* current_ = nullptr;
    SettingsTable settingsTable_;
};

// The application of the process, for the configuration dialog.
extern CGlowScreensaver* TheApp;
