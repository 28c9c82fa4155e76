#include "brushes/QV_WavesFX.h"

#include "brushes/BrushAngles.h"
#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"

QV_WavesFX::QV_WavesFX() {
    effectLink.SetSilently(builtin::Link(builtin::kWavesEffect));
    speed.SetScaled(25, 1.0f);
    amplitude.SetScaled(50, 0.00025f);
    wavelength.SetScaled(50, 0.0005f, 0.001f);
    TimeLine().SetEditorValue(0, 1);
    TimeLine().SetEditorValue(1, 1);
    TimeLine().SetEditorValue(2, 0);
    ObserveVectors();
}

void QV_WavesFX::ObserveVectors() {
    observers_.SetTarget(this);
    HookParamChange(observers_, &QV_WavesFX::UpdateDirections, angle);
    HookParamChange(observers_, &QV_WavesFX::UpdateDirections, normalMode);
    UpdateDirections();
}

void QV_WavesFX::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_WavesFX::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_WavesFX::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_WavesFX", kRecordVersion)); }

void QV_WavesFX::Fields(FieldArchive ar) {
    ar.Notified(amplitude);
    ar.Notified(wavelength);
    ar.Param(angle);
    ar.Param(normalMode);
    QV_FX_Constructor::TaggedFields(ar);
}

QV_FX_Constructor* QV_WavesFX::Clone() const { return new QV_WavesFX(*this); }

void QV_WavesFX::UpdateDirections() {
    waveDirection = TurnByDirectionAngle(D3DXVECTOR4(1.0f, 0.0f, 0.0f, 0.0f), angle.Value());
    const D3DXVECTOR4 normal = normalMode.Value() == 0 ? D3DXVECTOR4(0.0f, 1.0f, 0.0f, 0.0f)
                                                       : D3DXVECTOR4(-1.0f, 0.0f, 0.0f, 0.0f);
    waveNormal = TurnByDirectionAngle(normal, angle.Value());
}

void QV_WavesFX::RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) {
    const float direction[2] = {-waveDirection.x, -waveDirection.y};
    effect.SetFloatArray("direction", direction, 2);
    const float normal[2] = {waveNormal.x, waveNormal.y};
    effect.SetFloatArray("direction_n", normal, 2);
    effect.SetFloat("frequency", 1.0f / wavelength.Result());
    effect.SetFloat("amplitude", amplitude.Result() * Opacity());
    effect.SetFloat("time", 0.08f * Phase());
    ApplyCommonParams(layer);
}
