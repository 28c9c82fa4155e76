#pragma once
// A scene document opened on CurrentDevice as the player opens it: the slide show and the
// resource manager read with it, owned together, and one frame of the show. Tests and
// benchmarks share it.
#include <windows.h>
#include <cstdint>
#include <memory>
#include <vector>

#include "document/QV_DocResManager.h"
#include "player/QV_SlideShow_Light.h"

namespace vgtest {

class RunningScene {
public:
    RunningScene() = default;
    RunningScene(const RunningScene&) = delete;
    RunningScene& operator=(const RunningScene&) = delete;
    ~RunningScene() { Close(); }

    // The program's own document (resource 107), or a document's bytes.
    HRESULT OpenOwnDocument();
    HRESULT OpenBytes(const std::vector<uint8_t>& bytes);
    // Activates every slide once, as the player does after opening.
    void PrepareSlides() { show_->PrepareSlides(); }
    void SetFitMode(int mode) { show_->SetFitMode(mode); }
    // FrameMove, then Render between BeginScene and EndScene; no Present.
    void DrawFrame(float t);
    void Close();

    QV_SlideShow_Light* Show() const { return show_.get(); }
    QV_DocResManager* Manager() const { return manager_.get(); }
    // Seconds of one round through every slide: fade-in, show and fade-out of each.
    float RoundSeconds() const;

private:
    HRESULT Adopt(HRESULT result, QV_SlideShow_Light* show);

    std::unique_ptr<QV_SlideShow_Light> show_;
    std::unique_ptr<QV_DocResManager> manager_;
};

}  // namespace vgtest
