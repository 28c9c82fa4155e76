#include "objects/QV_GlowingObj.h"

#include "base/CurrentDevice.h"
#include "document/MediaColor.h"
#include "document/QV_DocResManager.h"
#include "objects/QV_GlowEffectCtrl.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"
#include "base/RenderTargetPair.h"

QV_GlowingObj::QV_GlowingObj(QV_GlowEffectCtrl* description)
    : QV_ABObj(description), description_(description), targetKey_(GuidKey::MakeFresh()) {
    Bind(description);
    description->Prepare();
    // A new key's pair is made kTargetSide square.
    if (CurrentDocResManager) targets_ = &CurrentDocResManager->GetGuidImage(targetKey_);
}

void QV_GlowingObj::Render(QV_2D_Light& layer) {
    ID3DXEffect* effect = description_->effect.Get();
    if (!effect || !targets_ || !targets_->Current()) {
        layer.PassSceneThrough();
        return;
    }
    DrawHalo(layer, *effect);
    Composite(layer, *effect);
    DrawSprites(layer, *effect);
}

void QV_GlowingObj::DrawHalo(QV_2D_Light& layer, ID3DXEffect& effect) {
    effect.SetTexture("Texture1", description_->glowTextureA.Get());
    effect.SetTechnique("Blend_Max");
    targets_->BeginRender(*targets_);
    layer.PushTarget(*targets_, PictureView::kTargetPass);
    CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00000000, 1.0f, 0);
    // A missing picture is null: the pass still runs, with no texture bound.
    if (QuadsBuilt()) layer.DrawColouredMeshWithEffect(*this, &effect);
    targets_->EndRender();
    layer.PopTarget();
}

void QV_GlowingObj::Composite(QV_2D_Light& layer, ID3DXEffect& effect) {
    const ComHolder<IDirect3DTexture9>& scene = layer.GetSceneTexture();
    if (!scene) return;  // no picture and no copy: the white clear is still there
    QV_GlowEffectCtrl& d = *description_;
    const D3DXVECTOR4 blend = BlendColor(d.glowColour.Value(), d.glowAmount.Result() * d.TimeLine().GetOpacity());
    effect.SetTechnique(d.blendMode.Value() == 1 ? "Blend_Screen" : "Blend_Normal");
    effect.SetFloatArray("BlendColor", &blend.x, 4);
    effect.SetTexture("Texture1", scene.Get());
    effect.SetTexture("Texture2", targets_->Current().Get());
    layer.DrawWithEffect(layer.GetPictureQuad(), &effect);
}

void QV_GlowingObj::DrawSprites(QV_2D_Light& layer, ID3DXEffect& effect) {
    effect.SetTechnique("Common");
    effect.SetTexture("Texture1", description_->glowTextureB.Get());
    // Without its picture the sprites would show as opaque black quads over the scene.
    if (description_->glowTextureB && QuadsBuilt()) layer.DrawColouredMeshWithEffect(*this, &effect);
}

void QV_GlowingObj::Hook(void*, void*) {}

void QV_GlowingObj::OnScreenChanged() {}

bool QV_GlowingObj::NeedsBackground() { return true; }

void QV_GlowingObj::Update(float localTime) {
    description_->OnFrame();
    ParticleGeomArray::Update(localTime);
}

D3DXVECTOR4 QV_GlowingObj::BlendColor(unsigned long colour, float glow) {
    return D3DXVECTOR4(ColourChannel(colour, 0), ColourChannel(colour, 1), ColourChannel(colour, 2), glow);
}
