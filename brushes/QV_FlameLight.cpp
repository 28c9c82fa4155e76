#include "brushes/QV_FlameLight.h"

#include <memory>

#include "base/CurrentDevice.h"
#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "player/PictureView.h"
#include "player/StateList.h"

// The flame's resting state: both windings, unlit, no depth, blended by the source's alpha,
// the texture alone on stage 0 with stage 1 off, linear sampling on the first four samplers
// and clamped coordinates on the first.
constexpr DeviceState kFlameRestingStates[] = {
    RenderState(D3DRS_CULLMODE, D3DCULL_NONE),
    RenderState(D3DRS_LIGHTING, FALSE),
    StageState(1, D3DTSS_TEXCOORDINDEX, 1),
    StageState(0, D3DTSS_TEXCOORDINDEX, 0),
    StageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE),
    StageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT),
    StageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE),
    StageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1),
    StageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE),
    SamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),
    SamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR),
    SamplerState(1, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),
    SamplerState(1, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR),
    SamplerState(2, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),
    SamplerState(2, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR),
    SamplerState(3, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),
    SamplerState(3, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR),
    RenderState(D3DRS_ALPHABLENDENABLE, TRUE),
    RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
    RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA),
    SamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP),
    SamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP),
    RenderState(D3DRS_ZENABLE, FALSE),
};

QV_FlameLight::QV_FlameLight() : FireOn(1), DistortionOn(1) {
    Fire.patternLink.SetSilently(builtin::Link(builtin::kFlamePattern));
    Fire.noiseLink.SetSilently(builtin::Link(builtin::kTileableNoise));
    restingStates_ = kFlameRestingStates;
}

void QV_FlameLight::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_FlameLight::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_FlameLight::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_FlameLight", kRecordVersion)); }

void QV_FlameLight::Fields(FieldArchive ar) {
    ar.Param(FireOn);
    ar.Param(DistortionOn);
    ar.Param(FireHeight);
    if (ar.Version() < 2) ar.Notified(Fire.speed);
    Distortion.BumpImage.Fields(ar);
    Distortion.EffectLink.Fields(ar);
    for (UINTSclaleTo<float>* value : {static_cast<UINTSclaleTo<float>*>(&Distortion.Speed), &Distortion.Strength,
                                       &Distortion.BumpScale})
        ar.Notified(*value);
    if (ar.Version() >= 2) {
        QV_FX_Constructor::EmbeddedFields(ar, Fire);
    } else {
        // The fire's links of that version: read and dropped.
        QV_ImageFileLink dropped;
        dropped.Fields(ar);
        dropped.Fields(ar);
    }
    QV_2D_Light::TaggedFields(ar);
}

void QV_FlameLight::CreateDeviceObjects() {
    QV_2D_Light::CreateDeviceObjects();
    const float band[20] = {0, 0, 0, 0, 0, 800, 0, 0, 1, 0, 0, 600, 0, 0, 0.95f, 800, 600, 0, 1, 0.95f};
    FireQuad.CreateWithVertices(band);
    if (!Distortion.CreateResources()) DistortionOn.SetSilently(0);
    Reload();
    Fire.OnCreate(nullptr);
}

void QV_FlameLight::Reload() {
    QV_2D_Light::Reload();
    const float w = float(GetPictureWidth()), h = float(GetPictureHeight());
    Distortion.SetSize(w, h);
    const float bottom = FlameBandBottom(h, FireHeight.Value()), top = bottom - kBandHeight * h;
    const float positions[12] = {0, top, 0, w, top, 0, 0, bottom, 0, w, bottom, 0};
    FireQuad.SetCorners(positions);
}

void QV_FlameLight::RestoreLayerDeviceObjects() {
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    CurrentDevice->SetTransform(D3DTS_WORLD, &identity);
    Resize(Width(), Height());
}

void QV_FlameLight::FrameMove(float t) {
    Fire.Update(t);
    QV_2D_Light::FrameMove(t);
    Distortion.Update(t);
}

void QV_FlameLight::DrawBackground(bool) {
    QV_2D_Light::DrawBackground(false);
    if (FireOn.Value() == 0 || !Fire.HasEffect()) return;
    Fire.ApplyNoiseParams(FireQuad.world);
    Fire.effect->SetTechnique("AsEffect");
    DrawWithEffect(FireQuad, Fire.effect.Get());
}

void QV_FlameLight::EndRender(bool nested) {
    if (UsesPostEffects()) {
        RenderTargetPair& pair = BeginTargetPass(false);
        // Without target textures the slide was drawn straight onto the back buffer.
        if (pair.Current()) Distortion.Draw(*this, pair.Current().Get());
    }
    ApplyStates({RenderState(D3DRS_CULLMODE, D3DCULL_NONE)});
    if (!nested) GetPictureView().DrawBorders();
    ApplyStates({RenderState(D3DRS_ALPHABLENDENABLE, TRUE)});
}
