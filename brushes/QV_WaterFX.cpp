#include "brushes/QV_WaterFX.h"

#include <algorithm>
#include <cmath>

#include "brushes/BrushAngles.h"
#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"

QV_WaterFX::QV_WaterFX() : angle(40), color(0xFFFFFF), bumpLink(builtin::Link(builtin::kWaterBump)) {
    effectLink.SetSilently(builtin::Link(builtin::kWaterEffect));
    speed.SetScaled(50, 0.02f);
    effectScale.Assign(30, nullptr);
    pFactor.SetScaled(20, 0.0001f);
    bumpScale.SetScaled(20, 0.001f);
    direction2Scale.SetScaled(20, 0.00025f);
    direction1Divisor.SetScaled(20, 0.0005f, 0.001f);
    shadows.SetScaled(0, 0.01f);
    halfZ.SetScaled(0, 0.1f);
    ObserveAngle();
}

void QV_WaterFX::ObserveAngle() {
    observers_.SetTarget(this);
    HookParamChange(observers_, &QV_WaterFX::UpdateDirection, angle);
    UpdateDirection();
}

void QV_WaterFX::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_WaterFX::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_WaterFX::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_WaterFX", kRecordVersion)); }

void QV_WaterFX::Fields(FieldArchive ar) {
    for (UINTSclaleTo<float>* shape : {&pFactor, &bumpScale, &direction2Scale, &direction1Divisor}) ar.Notified(*shape);
    ar.Param(angle);
    ar.Notified(shadows);
    ar.Notified(halfZ);
    ar.Param(color);
    bumpLink.Fields(ar);
    QV_FX_Constructor::TaggedFields(ar);
}

QV_FX_Constructor* QV_WaterFX::Clone() const { return new QV_WaterFX(*this); }

void QV_WaterFX::OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) {
    bumpTexture = CurrentFrameOfLink(bumpLink.Value());
    QV_FX_Constructor::OnCreate(maskHolder);
}

void QV_WaterFX::UpdateDirection() {
    flowDirection = TurnAboutZ(D3DXVECTOR4(1.0f, 0.0f, 0.0f, 0.0f), BrushRadians(angle.Value()));
}

void QV_WaterFX::Update(float time) {
    QV_FX_Constructor::Update(time);
    BumpTransform(Phase(), bumpScale.Result(), bumpTransform);
}

void QV_WaterFX::BumpTransform(float phase, float radius, float out[4]) {
    const float a = 4.5f * phase;
    out[0] = radius * std::cos(a);
    out[1] = -radius * std::sin(a);
    out[2] = radius * std::sin(a);
    out[3] = radius * std::cos(a);
}

void QV_WaterFX::HighlightShape(float pFactor, float p1[3], float p2[3]) {
    float a = pFactor;
    if (!(a > 0.0f)) a = kLowestPFactor;
    if (a == 1.0f || a > 2.0f) a = kBelowOnePFactor;
    const float q = 2.0f / a - 1.0f;
    p1[0] = a - 1.0f;
    p1[1] = -1.0f;
    p1[2] = a - 1.0f;
    p2[0] = 1.0f;
    p2[1] = (std::sqrt(q) + q) / (q - 1.0f);
    p2[2] = 1.0f;
}

void QV_WaterFX::SetFlowParams(ID3DXEffect& effect) {
    effect.SetTexture("BumpMap", bumpTexture.Get());
    effect.SetFloatArray("BampTrans", bumpTransform, 4);
    float p1[3], p2[3];
    HighlightShape(pFactor.Result(), p1, p2);
    effect.SetFloatArray("P1", p1, 3);
    effect.SetFloatArray("P2", p2, 3);
    effect.SetFloat("Time", 2.0f * Phase());
    const D3DXVECTOR4& d = flowDirection;
    const float divisor = direction1Divisor.Result(), scale2 = direction2Scale.Result();
    const float direction1[2] = {-d.x * 0.5f / divisor, -d.y * 0.5f / divisor};
    effect.SetFloatArray("Direction1", direction1, 2);
    const float direction2[2] = {-d.x * 0.5f * scale2, -d.y * 0.5f * scale2};
    effect.SetFloatArray("Direction2", direction2, 2);
}

void QV_WaterFX::SetLightParams(ID3DXEffect& effect) {
    effect.SetFloat("Shadows", shadows.Result());
    D3DXVECTOR3 half(1.0f, 2.0f, halfZ.Result());
    D3DXVec3Normalize(&half, &half);
    effect.SetFloatArray("Vhalf", &half.x, 3);
    const unsigned long c = color.Value();
    const float rgb[3] = {float(c & 0xFF) / 255.0f, float((c >> 8) & 0xFF) / 255.0f, float((c >> 16) & 0xFF) / 255.0f};
    effect.SetFloatArray("Color", rgb, 3);
}

void QV_WaterFX::RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) {
    SetFlowParams(effect);
    SetLightParams(effect);
    ApplyCommonParams(layer);
}
