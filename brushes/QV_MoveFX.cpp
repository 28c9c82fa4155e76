#include "brushes/QV_MoveFX.h"

#include <cmath>

#include "document/BuiltinResources.h"
#include "document/ParamArchive.h"
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

void QV_MoveFX::Load(QV_IOF_Virtual& archive, uint32_t version) {
    ReadLongParam(archive, mode);
    if (version > 1) ReadUIntParamNotified(archive, amplitude2);
    QV_DirectionBased::LoadWithTag(archive);
    if (version < 2) amplitude2.CopyFrom(strength);
}

void QV_MoveFX::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_MoveFX", kRecordVersion);
    WriteLongParam(archive, mode);
    WriteUIntParam(archive, amplitude2);
    QV_DirectionBased::Save(archive);
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
