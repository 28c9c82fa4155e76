#include "brushes/QV_FlameLight.h"

#include <memory>

#include "base/CurrentDevice.h"
#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "player/PictureView.h"

QV_FlameLight::QV_FlameLight() : FireOn(1), DistortionOn(1) {
    Fire.patternLink.SetSilently(builtin::Link(builtin::kFlamePattern));
    Fire.noiseLink.SetSilently(builtin::Link(builtin::kTileableNoise));
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
    ar.Reading() ? LoadFromArchive(ar.Archive()) : SaveToArchive(ar.Archive());
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

void QV_FlameLight::RestoreDeviceObjects() {
    IDirect3DDevice9* d = CurrentDevice;
    if (!d) return;
    d->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    d->SetRenderState(D3DRS_LIGHTING, FALSE);
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    d->SetTransform(D3DTS_WORLD, &identity);
    d->SetTextureStageState(1, D3DTSS_TEXCOORDINDEX, 1);
    d->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, 0);
    d->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    d->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT);
    d->SetTextureStageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    d->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    d->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    for (DWORD sampler = 0; sampler < 4; ++sampler) {
        d->SetSamplerState(sampler, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
        d->SetSamplerState(sampler, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    }
    d->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    d->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    d->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
    d->SetRenderState(D3DRS_ZENABLE, FALSE);
    Resize(Width(), Height());
    // Without the manager's reset, the effects and the GUID targets of glow, lightning and
    // text objects would stay lost after a device reset on this slide.
    RestoreSharedDeviceObjects();
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
    IDirect3DDevice9* d = CurrentDevice;
    if (UsesPostEffects()) {
        RenderTargetPair& pair = BeginTargetPass(false);
        // Without target textures the slide was drawn straight onto the back buffer.
        if (pair.Current()) Distortion.Draw(*this, pair.Current().Get());
    }
    d->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    if (!nested) GetPictureView().DrawBorders();
    d->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
}
