#include "brushes/QV_BendFX.h"

#include "document/FieldArchive.h"
#include <cmath>

#include "player/ValueNoise.h"

QV_BendFX::QV_BendFX() {
    amplitudeA.SetScaled(0, 0.002f);
    amplitudeB.SetScaled(0, 0.002f);
    bend.SetScaled(0, 0.02f);
    speed.SetScaled(0, 0.02f);
}

void QV_BendFX::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_BendFX::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_BendFX::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_BendFX", kRecordVersion)); }

void QV_BendFX::Fields(FieldArchive ar) {
    for (UINTSclaleTo<float>* value : {&amplitudeA, &amplitudeB, &bend}) ar.Notified(*value);
    ar.Param(mode);
    QV_CentralBased::TaggedFields(ar);
}

QV_FX_Constructor* QV_BendFX::Clone() const { return new QV_BendFX(*this); }

void QV_BendFX::OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) {
    QV_CentralBased::OnCreate(maskHolder);
    if (SUCCEEDED(BuildGridMesh(2, 2))) BuildMesh();
}

float QV_BendFX::BendAngle(float phase, float a, float b, int mode) {
    float e = std::sin(phase) * (a + b) * 0.5f + (a - b) * 0.5f;
    if (mode == kNoisy) e *= 1.0f + std::sin(float(FractalNoise1D(50.0 * phase, 75.0, 0.5, 3)));
    return e;
}

void QV_BendFX::Update(float time) {
    QV_FX_Constructor::Update(time);
    bendAngle = BendAngle(Phase(), amplitudeA.Result(), amplitudeB.Result(), mode.Value());
}

void QV_BendFX::RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) {
    ApplyCenterParams(layer);
    effect.SetFloat("Angle", Opacity() * bendAngle);
    effect.SetFloat("Bend", bend.Result());
    DrawWithTechnique(layer);
}
