// The layer's render targets: nested targets, the passes over the scene beneath an object, and
// the walk over the objects that decides them.
#include "player/QV_2D_Light.h"

#include <algorithm>

#include "base/CurrentDevice.h"
#include "player/PictureView.h"
#include "player/TargetSizeStack.h"

void QV_2D_Light::PushTarget(RenderTargetPair& target, int viewType) {
    savedFitMode_ = GetPictureView().ViewType();
    GetTargetSizeStack().Push(uint32_t(width_), uint32_t(height_));
    nested_ = true;
    width_ = int(target.Width());
    height_ = int(target.Height());
    SetupView(width_, height_, viewType, true);
}

void QV_2D_Light::PopTarget() {
    TargetSizeStack& stack = GetTargetSizeStack();
    if (stack.Count() == 0) return;  // only ever after a matching push
    const auto [width, height] = stack.Pop();
    width_ = int(width);
    height_ = int(height);
    if (stack.Count() == 0) nested_ = false;
    SetupView(width_, height_, savedFitMode_, false);
}

void QV_2D_Light::RenderObjects(std::vector<CountedHolder<QV_ABObj>>& objects, int passes) {
    sceneTexture_ = pictureQuad_.picture.texture;
    const double screen = double(width_) * double(height_);
    frameBudget_ = kFrameBudgetScreens * screen;
    frameCover_ = largestObjectCover_ = 0;
    for (auto object = objects.rbegin(); object != objects.rend(); ++object) {
        QV_ABObj* runtime = object->Get();
        if (!runtime) continue;
        if (runtime->NeedsBackground() && targetsActive_) {
            --passes;
            sceneTexture_ = passes > 0 ? GetTargetTexture() : BeginTargetPass(false).Current();
        }
        objectBudget_ = kObjectBudgetScreens * screen;
        objectCover_ = 0;
        if (runtime->Enabled()) runtime->Render(*this);
        largestObjectCover_ = std::max(largestObjectCover_, objectCover_);
        sceneTexture_ = pictureQuad_.picture.texture;
    }
    frameBudget_ = objectBudget_ = kUnlimited;
}

void QV_2D_Light::PrepareTargets() {
    fitMode_ = GetPictureView().ViewType();
    // Without render-target textures the frame stays on the back buffer.
    targetsActive_ = bool(targets_.Current());
    if (!targetsActive_) return;
    targets_.BeginRender(targets_);
    SetupView(width_, height_, PictureView::kTargetPass, false);
}

ComHolder<IDirect3DTexture9> QV_2D_Light::GetTargetTexture() { return targets_.Flip(); }

RenderTargetPair& QV_2D_Light::BeginTargetPass(bool clear) {
    SetupView(width_, height_, fitMode_, false);
    if (targetsActive_) targets_.EndRender();
    targetsActive_ = false;
    if (clear) CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
    return targets_;
}
