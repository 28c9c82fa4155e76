#include "objects/QV_Plant.h"

#include "document/FieldArchive.h"
#include "objects/QV_ParticlesObj.h"
#include "player/QV_2D_Light.h"

QV_Plant::QV_Plant() {
    speed.SetRule(kSpeedUnit);
    frequency.SetRule(kFrequencyUnit);
    wMagnitude.SetRule(kMagnitudeUnit);
    bMagnitude.SetRule(kMagnitudeUnit);
}

void QV_Plant::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_Plant::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_Plant::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_Plant", kRecordVersion)); }

void QV_Plant::Fields(FieldArchive ar) {
    for (UINTSclaleTo<float>* param : StoredParams()) ar.Notified(*param);
    QV_SingleRectGN::TaggedFields(ar);
}

std::array<UINTSclaleTo<float>*, 4> QV_Plant::StoredParams() { return {&speed, &frequency, &wMagnitude, &bMagnitude}; }

void QV_Plant::Update(float time, QV_ParticlesObj&) { speed.Advance(time); }

void QV_Plant::Render(QV_2D_Light& layer, QV_ParticlesObj& object) {
    ID3DXEffect* effect = Effect();
    IDirect3DTexture9* texture = GetLayerTexture(0);
    if (!effect || !texture || object.QuadCount(0) == 0) return;
    const QV_TimeLineControl& timeLine = TimeLine();
    const float alpha = timeLine.TimeMode().Value() == QV_TimeLineControl::kAlphaByOpacity ? timeLine.GetOpacity() : 1.0f;
    effect->SetTechnique("Main");
    effect->SetTexture("Texture", texture);
    effect->SetFloat("Time", speed.Time());
    effect->SetFloat("Frequency", frequency.Result());
    effect->SetFloat("WMagnitude", wMagnitude.Result());
    effect->SetFloat("BMagnitude", bMagnitude.Result());
    const float colour[4] = {1.0f, 1.0f, 1.0f, alpha};
    effect->SetFloatArray("color", colour, 4);
    layer.DrawColouredMesh(object.Layer(0), effect, 2 * object.QuadCount(0), 0.0f);
}

bool QV_Plant::NeedsBackground() { return false; }

QV_TexParticleGenerator* QV_Plant::Clone() const { return new QV_Plant(*this); }
