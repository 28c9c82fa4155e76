#include "RunningScene.h"

#include "base/CurrentDevice.h"
#include "document/ResourceBuffer.h"
#include "player/SceneDocument.h"

namespace vgtest {

HRESULT RunningScene::OpenOwnDocument() {
    Close();
    QV_SlideShow_Light* show = nullptr;
    const HRESULT result = LoadSceneDocument(&show);
    return Adopt(result, show);
}

HRESULT RunningScene::OpenBytes(const std::vector<uint8_t>& bytes) {
    Close();
    ResourceBuffer buffer(bytes.data(), bytes.size());
    QV_SlideShow_Light* show = nullptr;
    const HRESULT result = LoadSceneDocument(buffer, &show);
    return Adopt(result, show);
}

HRESULT RunningScene::Adopt(HRESULT result, QV_SlideShow_Light* show) {
    if (FAILED(result)) return result;
    show_.reset(show);
    manager_.reset(CurrentDocResManager);
    return result;
}

void RunningScene::DrawFrame(float t) {
    show_->FrameMove(t);
    CurrentDevice->BeginScene();
    show_->Render(false);
    CurrentDevice->EndScene();
}

float RunningScene::RoundSeconds() const {
    float seconds = 0.0f;
    for (unsigned i = 0; i < show_->SlideCount(); ++i) {
        const QV_SlideContainer& slide = *show_->SlideAt(i).Get();
        seconds += float(slide.FadeIn() + slide.ShowTime() + slide.FadeOut());
    }
    return seconds;
}

void RunningScene::Close() {
    // The show's objects hold textures of the manager: the show goes first.
    show_.reset();
    manager_.reset();
}

}  // namespace vgtest
