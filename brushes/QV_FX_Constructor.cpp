#include "brushes/QV_FX_Constructor.h"

#include "brushes/QV_BrushObj.h"
#include "document/ArchiveValues.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "player/GridMesh.h"
#include "document/PictureLayout.h"
#include "player/QV_2D_Light.h"

QV_FX_Constructor::QV_FX_Constructor() : maskKey(GuidKey::MakeFresh()) {
    effectScale.SetScaled(50, 0.02f);
}

QV_FX_Constructor& QV_FX_Constructor::operator=(const QV_FX_Constructor& other) {
    if (this == &other) return *this;
    AssignDescription(other);
    speed.CopyFrom(other.speed);
    fxMode.Assign(other.fxMode.Value(), nullptr);
    effectLink.Assign(other.effectLink.Value(), nullptr);
    effectScale.CopyFrom(other.effectScale);
    for (int k = 0; k < MediaQuad::kCorners; ++k) region.corners[k].Assign(other.region.corners[k].Value(), nullptr);
    spareInt.Assign(other.spareInt.Value(), nullptr);
    maskKey = other.maskKey;
    mask = other.mask;
    effect = other.effect;
    brushMesh = other.brushMesh;
    return *this;
}

void QV_FX_Constructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_FX_Constructor::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_FX_Constructor", kRecordVersion)); }

void QV_FX_Constructor::Fields(FieldArchive ar) {
    ar.Notified(speed);
    ar.Param(fxMode);
    ar.Key(maskKey);
    effectLink.Fields(ar);
    if (ar.Version() > 1) ar.Notified(effectScale);
    if (ar.Version() > 2) {
        region.Fields(ar);
        ar.Param(spareInt);
    }
    QV_ABObj_Constructor::TaggedFields(ar);
}

QV_ABObj* QV_FX_Constructor::CreateObject() { return new QV_BrushObj(Clone()); }

void QV_FX_Constructor::NewIdentity() {
    mask.Reset();
    maskKey = GuidKey::MakeFresh();
}

void QV_FX_Constructor::OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) {
    effect = CurrentEffectOfLink(effectLink.Value());
    SetMask(maskHolder);
}

void QV_FX_Constructor::SetMask(ComHolder<IDirect3DTexture9>* holder) {
    if (holder == &mask) return;
    if (holder)
        mask = *holder;
    else
        mask.Reset();
}

void QV_FX_Constructor::BuildMesh() {
    const PictureLayout& layout = CurrentPictureLayout();
    // A picture without size gives texture coordinates 0 rather than a division by zero.
    const float toU = layout.pictureWidth > 0 ? 1.0f / float(layout.pictureWidth) : 0.0f;
    const float toV = layout.pictureHeight > 0 ? 1.0f / float(layout.pictureHeight) : 0.0f;
    TexVertex corners[MediaQuad::kCorners];
    for (int k = 0; k < MediaQuad::kCorners; ++k) {
        const D3DXVECTOR3& p = region.corners[k].Value();
        corners[k] = {p.x, p.y, p.z, p.x * toU, p.y * toV};
    }
    FillGridMesh(brushMesh, brushMesh.columns, brushMesh.rows, corners);
}

HRESULT QV_FX_Constructor::BuildGridMesh(UINT columns, UINT rows) {
    brushMesh.columns = columns;
    brushMesh.rows = rows;
    HRESULT hr = CreateTexVertexBuffer(brushMesh, (columns + 1) * (rows + 1), D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
    brushMesh.primitiveType = D3DPT_TRIANGLELIST;
    brushMesh.primitiveCount = 0;
    if (FAILED(hr)) return hr;
    return CreateGridIndexBuffer(brushMesh, columns + 1, rows + 1);
}

void QV_FX_Constructor::Update(float time) { speed.Advance(time); }

void QV_FX_Constructor::Render(QV_2D_Light& layer) {
    if (effect) RenderEffect(layer, *effect.Get());
}

float QV_FX_Constructor::PictureAspect(uint32_t width, uint32_t height) {
    return width == 0 || height == 0 ? 1.0f : float(width) / float(height);
}

float QV_FX_Constructor::UsableEffectScale(float stored) { return stored > 0.0f ? stored : kMinEffectScale; }

void QV_FX_Constructor::ColourFloats(unsigned long colour, float rgb[3]) {
    for (int k = 0; k < 3; ++k) rgb[k] = float((colour >> (8 * k)) & 0xFF) / 255.0f;
}

void QV_FX_Constructor::TextureScale(QV_2D_Light& layer, float scale[4]) const {
    const float s = UsableEffectScale(effectScale.Result());
    const float aspect = PictureAspect(layer.GetPictureWidth(), layer.GetPictureHeight());
    scale[0] = aspect / s;
    scale[1] = 1.0f / s;
    scale[2] = s / aspect;
    scale[3] = s;
}

void QV_FX_Constructor::BindFrame(QV_2D_Light& layer) {
    effect->SetTexture("Mask", mask.Get());
    effect->SetTexture("Background", layer.GetSceneTexture().Get());
}

void QV_FX_Constructor::ApplyCommonParams(QV_2D_Light& layer) {
    effect->SetTechnique(Technique());
    float scale[4];
    TextureScale(layer, scale);
    effect->SetFloatArray("Scale", scale, 2);
    BindFrame(layer);
    layer.DrawWithEffect(layer.GetPictureQuad(), effect.Get());
}

void QV_FX_Constructor::ApplyCommonParams4(QV_2D_Light& layer) {
    float scale[4];
    TextureScale(layer, scale);
    effect->SetFloatArray("Scale", scale, 4);
    BindFrame(layer);
    effect->SetTechnique(Technique());
}

void QV_FX_Constructor::DrawWithTechnique(QV_2D_Light& layer) {
    effect->SetTechnique(Technique());
    if (IsPostEffect())
        layer.DrawWithEffect(layer.GetPictureQuad(), effect.Get());
    else
        layer.DrawIndexedWithEffect(brushMesh, effect.Get());
}

void QV_FX_Constructor::RestoreSceneUnderMesh(QV_2D_Light& layer) {
    if (IsPostEffect()) layer.PassSceneThrough();
}
