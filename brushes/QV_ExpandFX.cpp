#include "brushes/QV_ExpandFX.h"

#include <cmath>

#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"

QV_ExpandFX::QV_ExpandFX() {
    amplitudeA.SetScaled(50, 0.005f);
    amplitudeB.SetScaled(0, 0.005f);
    speed.SetScaled(50, 0.02f);
    effectLink.SetSilently(builtin::Link(builtin::kExpandEffect));
    TimeLine().SetEditorValue(0, 1);
    TimeLine().SetEditorValue(1, 1);
    TimeLine().SetEditorValue(2, 0);
}

void QV_ExpandFX::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_ExpandFX::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_ExpandFX::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_ExpandFX", kRecordVersion)); }

void QV_ExpandFX::Fields(FieldArchive ar) {
    ar.Notified(amplitudeA);
    ar.Notified(amplitudeB);
    ar.Param(mode);
    QV_CentralBased::TaggedFields(ar);
}

QV_FX_Constructor* QV_ExpandFX::Clone() const { return new QV_ExpandFX(*this); }

float QV_ExpandFX::Swing(float phase, int mode) {
    if (mode != kTriangle) return std::sin(phase);
    const float x = phase / 6.2831854820251465f;
    float f = x - std::floor(x);
    if (f > 0.5f) f = 1.0f - f;
    return (f - 0.25f) * 4.0f;
}

void QV_ExpandFX::Update(float time) {
    QV_FX_Constructor::Update(time);
    const float a = amplitudeA.Result(), b = amplitudeB.Result();
    expansion = (Swing(Phase(), mode.Value()) * (a + b) * 0.5f + (a - b) * 0.5f) * Opacity();
}

void QV_ExpandFX::RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) {
    const float amplitude[2] = {expansion > 0.0f ? expansion : 0.0f, expansion > 0.0f ? 0.0f : std::abs(expansion)};
    effect.SetFloatArray("amplitude", amplitude, 2);
    float centre[2];
    CenterFraction(centre);
    effect.SetFloatArray("center", centre, 2);
    ApplyCommonParams(layer);
}
