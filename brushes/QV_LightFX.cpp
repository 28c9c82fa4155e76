#include "brushes/QV_LightFX.h"

#include <cmath>

#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "player/ValueNoise.h"

QV_LightFX::QV_LightFX() {
    effectLink.SetSilently(builtin::Link(builtin::kLightEffect));
    speed.SetScaled(40, 1.0f);
    intensity.SetScaled(40, 0.01f);
    TimeLine().SetEditorValue(0, 1);
    TimeLine().SetEditorValue(1, 1);
    TimeLine().SetEditorValue(2, 0);
}

void QV_LightFX::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_LightFX::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_LightFX::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_LightFX", kRecordVersion)); }

void QV_LightFX::Fields(FieldArchive ar) {
    ar.Notified(intensity);
    ar.Param(mode);
    QV_FX_Constructor::TaggedFields(ar);
}

QV_FX_Constructor* QV_LightFX::Clone() const { return new QV_LightFX(*this); }

float QV_LightFX::Brightness(float phase, int mode) {
    if (mode >= kFlicker) return float((FractalNoise1D(10.0 * phase, 75.0, 0.5, 2) + 1.0) * 0.5);
    const float pulse = (std::sin(0.2f * phase) + 1.0f) * 0.5f;
    if (mode == kBlink) return pulse > 0.5f ? 1.0f : 0.0f;
    return pulse;
}

void QV_LightFX::RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) {
    effect.SetFloat("multiplier", intensity.Result() * Brightness(Phase(), mode.Value()) * Opacity());
    ApplyCommonParams(layer);
}
