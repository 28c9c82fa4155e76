#pragma once
// A scene document opened on CurrentDevice as the player opens it: the slide show and the
// resource manager read with it, owned together, and the steady-state frame of the show.
#include <windows.h>
#include <cstdint>
#include <memory>
#include <vector>

#include "document/QV_DocResManager.h"
#include "player/QV_SlideShow_Light.h"

namespace bench {

class BenchScene {
public:
    BenchScene() = default;
    BenchScene(const BenchScene&) = delete;
    BenchScene& operator=(const BenchScene&) = delete;
    ~BenchScene() { Close(); }

    // The program's own document (resource 107), or a document's bytes.
    HRESULT OpenOwnDocument();
    HRESULT OpenBytes(const std::vector<uint8_t>& bytes);
    // Activates every slide once, as the player does after opening.
    void PrepareSlides() { show_->PrepareSlides(); }
    void SetFitMode(int mode) { show_->SetFitMode(mode); }
    // FrameMove, then Render between BeginScene and EndScene; no Present.
    void DrawFrame(float t);
    void Close();

    // The bytes of every picture the document embeds, in the manager's order.
    std::vector<std::vector<uint8_t>> EmbeddedPictures() const;

private:
    HRESULT Adopt(HRESULT result, QV_SlideShow_Light* show);

    std::unique_ptr<QV_SlideShow_Light> show_;
    std::unique_ptr<QV_DocResManager> manager_;
};

}  // namespace bench
