#include "brushes/QV_MoveFX.h"

#include <cmath>

#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "player/ValueNoise.h"

QV_MoveFX::QV_MoveFX() {
    strength.SetScaled(50, 0.0002f);
    amplitude2.SetScaled(0, 0.0002f);
    speed.SetScaled(50, 0.02f);
    effectLink.SetSilently(builtin::Link(builtin::kMoveEffect));
    TimeLine().SetEditorValue(0, 1);
    TimeLine().SetEditorValue(1, 1);
    TimeLine().SetEditorValue(2, 0);
}

void QV_MoveFX::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_MoveFX::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_MoveFX::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_MoveFX", kRecordVersion)); }

void QV_MoveFX::Fields(FieldArchive ar) {
    ar.Param(mode);
    if (ar.Version() > 1) ar.Notified(amplitude2);
    QV_DirectionBased::TaggedFields(ar);
    if (ar.Version() < 2) amplitude2.CopyFrom(strength);
}

QV_FX_Constructor* QV_MoveFX::Clone() const { return new QV_MoveFX(*this); }

float QV_MoveFX::Swing(float phase, int mode) {
    if (mode == kNoise) return float(FractalNoise1D(50.0 * phase, 75.0, 0.5, 1));
    return std::sin(phase);
}

float QV_MoveFX::Displacement(float swing, float a, float b, float opacity) {
    return -(swing * (a + b) * 0.5f + (a - b) * 0.5f) * opacity;
}

void QV_MoveFX::Update(float time) {
    QV_FX_Constructor::Update(time);
    const float s = Displacement(Swing(Phase(), mode.Value()), strength.Result(), amplitude2.Result(), Opacity());
    shift[0] = s * direction.x;
    shift[1] = s * direction.y;
}

void QV_MoveFX::RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) {
    effect.SetFloatArray("Direction", shift, 2);
    ApplyCommonParams(layer);
}
