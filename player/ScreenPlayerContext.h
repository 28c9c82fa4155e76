#pragma once
// What the shell drives for one screen unit: the splash on the first frame, the unit's own
// copy of the scene and the music on the second, and the slide show from then on. It also
// keeps the unit's place in the music playlist.
#include <windows.h>

#include <memory>

#include "player/QV_SlideShow_Light.h"
#include "player/TexturedQuad.h"

class MusicFolder;
class MusicPlayback;
class QV_DocResManager;

class ScreenPlayerContext {
public:
    // How the unit's document is opened: the running module's scene, or a test's own.
    using SceneOpener = HRESULT (*)(QV_SlideShow_Light** scene);

    // music may be null: then nothing plays (modes without music, tests of the scene alone).
    // Each track is written to musicFolder when it is about to play; without a folder the
    // tracks keep their stored paths.
    explicit ScreenPlayerContext(MusicPlayback* music = nullptr, MusicFolder* musicFolder = nullptr);
    ScreenPlayerContext(const ScreenPlayerContext&) = delete;
    ScreenPlayerContext& operator=(const ScreenPlayerContext&) = delete;
    ~ScreenPlayerContext();

    // Picture resource 5 as a centred square of two thirds of the screen height.
    void DrawSplash();
    // Opens the document on the first start (0x8200000B when it cannot be read); after a
    // device reset restores the current slide instead. Either way the playlist moves on.
    HRESULT Start();
    void DrawScene();
    // Code 1, the end of a track, plays the next one; other codes are ignored.
    void OnMediaEvent(long code);
    // Before a device reset: the show releases its render targets, the next frame restarts.
    void InvalidateDeviceObjects();
    // Every sound of the scene stops, as when their slides are left.
    void StopSounds();
    void SetMusic(MusicPlayback* music) { music_ = music; }
    void SetSceneOpener(SceneOpener opener) { openScene_ = opener; }

    bool Started() const { return started_; }
    bool SplashDrawn() const { return splashDrawn_; }
    QV_SlideShow_Light* Scene() const { return scene_.get(); }
    QV_DocResManager* Manager() const { return manager_.get(); }
    const TexturedQuad<ScreenTexVertex>& SplashQuad() const { return splash_; }
    size_t PlaylistPosition() const { return playlistPosition_; }

private:
    void BuildSplashQuad();
    void AdvancePlaylist();

    TexturedQuad<ScreenTexVertex> splash_;
    MusicPlayback* music_;
    MusicFolder* musicFolder_;
    SceneOpener openScene_;
    std::unique_ptr<QV_SlideShow_Light> scene_;
    std::unique_ptr<QV_DocResManager> manager_;
    size_t playlistPosition_ = 0;
    bool started_ = false;
    bool splashDrawn_ = false;
};
