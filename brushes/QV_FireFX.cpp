#include "brushes/QV_FireFX.h"

#include <algorithm>

#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "player/GridMesh.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"

QV_FireFX::QV_FireFX()
    : color1(0x00FFFF),
      color2(0x0000FF),
      patternLink(builtin::Link(builtin::kFirePattern)),
      noiseLink(builtin::Link(builtin::kTileableNoise)) {
    effectLink.SetSilently(builtin::Link(builtin::kFireEffect));
    speed.SetScaled(50, 0.02f);
    density.SetScaled(100, 0.01f, -1.0f);
    brightness.SetScaled(15, 0.02f);
    tiling.SetScaled(100, 0.01f);
}

QV_FireFX& QV_FireFX::operator=(const QV_FireFX& other) {
    if (this == &other) return *this;
    QV_FX_Constructor::operator=(other);
    color1.Assign(other.color1.Value(), nullptr);
    color2.Assign(other.color2.Value(), nullptr);
    fireSpareInt.Assign(other.fireSpareInt.Value(), nullptr);
    patternLink.Assign(other.patternLink.Value(), nullptr);
    noiseLink.Assign(other.noiseLink.Value(), nullptr);
    density.CopyFrom(other.density);
    brightness.CopyFrom(other.brightness);
    tiling.CopyFrom(other.tiling);
    patternTexture = other.patternTexture;
    noiseTexture = other.noiseTexture;
    return *this;
}

void QV_FireFX::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_FireFX::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_FireFX::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_FireFX", kRecordVersion)); }

void QV_FireFX::Fields(FieldArchive ar) {
    if (ar.Version() == 2) region.Fields(ar);
    if (ar.Version() >= 2) {
        ar.Param(color1);
        ar.Param(color2);
        ar.Param(fireSpareInt);
        patternLink.Fields(ar);
        noiseLink.Fields(ar);
    }
    if (ar.Version() == 2) ar.Param(spareInt);
    if (ar.Version() >= 2)
        for (UINTSclaleTo<float>* value : {&density, &brightness, &tiling}) ar.Notified(*value);
    QV_FX_Constructor::TaggedFields(ar);
}

QV_FX_Constructor* QV_FireFX::Clone() const { return new QV_FireFX(*this); }

void QV_FireFX::OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) {
    QV_FX_Constructor::OnCreate(maskHolder);
    patternTexture = CurrentFrameOfLink(patternLink.Value());
    noiseTexture = CurrentFrameOfLink(noiseLink.Value());
    if (SUCCEEDED(BuildGridMesh(8, 8))) BuildMesh();
}

void QV_FireFX::BuildMesh() {
    const float u = 1.0f / std::max(tiling.Result(), kMinTiling);
    const float uv[MediaQuad::kCorners][2] = {{0.0f, 0.0f}, {0.0f, 1.0f}, {u, 0.0f}, {u, 1.0f}};
    TexVertex corners[MediaQuad::kCorners];
    for (int k = 0; k < MediaQuad::kCorners; ++k) {
        const D3DXVECTOR3& p = region.corners[k].Value();
        corners[k] = {p.x, p.y, p.z, uv[k][0], uv[k][1]};
    }
    FillGridMesh(brushMesh, brushMesh.columns, brushMesh.rows, corners);
}

void QV_FireFX::ApplyNoiseParams(const D3DXMATRIX& world) {
    if (!effect) return;
    const PictureView& view = GetPictureView();
    D3DXMATRIX matrix;
    view.GetWorldViewProjection(world, matrix);
    effect->SetMatrix("WorldViewProj", &matrix);
    view.GetViewProjection(matrix);
    effect->SetMatrix("ViewProj", &matrix);
    effect->SetTexture("Noise", noiseTexture.Get());
    effect->SetTexture("Pattern", patternTexture.Get());
    const float p = Phase();
    const float c11[2] = {0.0f, 1.3f * p}, c12[2] = {0.0f, 2.1f * p}, c13[2] = {0.0f, 2.3f * p};
    effect->SetFloatArray("c11", c11, 2);
    effect->SetFloatArray("c12", c12, 2);
    effect->SetFloatArray("c13", c13, 2);
}

void QV_FireFX::SetColours(ID3DXEffect& fx) {
    float low[3], high[3];
    ColourFloats(color2.Value(), low);
    ColourFloats(color1.Value(), high);
    for (int k = 0; k < 3; ++k) high[k] -= low[k];
    fx.SetFloatArray("ColorK1", low, 3);
    fx.SetFloatArray("ColorK2", high, 3);
}

void QV_FireFX::RenderEffect(QV_2D_Light& layer, ID3DXEffect& fx) {
    ApplyNoiseParams(brushMesh.world);
    SetColours(fx);
    const PictureView& view = GetPictureView();
    const bool targetPass = view.ViewType() == PictureView::kTargetPass;
    const float scale[2] = {targetPass ? 1.0f : view.AreaToFitX(), targetPass ? 1.0f : view.AreaToFitY()};
    fx.SetFloatArray("bg_scale_factor", scale, 2);
    BindFrame(layer);
    const float o = Opacity();
    fx.SetFloat("Brightness", FadedBrightness(brightness.Result(), o));
    fx.SetFloat("Density", FadedDensity(density.Result(), o));
    RestoreSceneUnderMesh(layer);
    fx.SetTechnique("Main");
    layer.DrawIndexedWithEffect(brushMesh, &fx);
}
