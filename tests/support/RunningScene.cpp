#include "RunningScene.h"

#include "document/CurrentDevice.h"
#include "document/SceneDocument.h"

namespace vgtest {

bool RunningScene::Open(int fitMode) {
    QV_SlideShow_Light* raw = nullptr;
    if (FAILED(LoadSceneDocument(&raw))) return false;
    show.reset(raw);
    manager.reset(CurrentDocResManager);
    show->PrepareSlides();
    show->SetFitMode(fitMode);
    return true;
}

void RunningScene::Frame(float t) {
    show->FrameMove(t);
    CurrentDevice->BeginScene();
    show->Render(false);
    CurrentDevice->EndScene();
}

}  // namespace vgtest
