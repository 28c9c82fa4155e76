#include "brushes/QV_RotationFX.h"

#include "document/FieldArchive.h"
#include <d3dx9math.h>

#include "brushes/BrushAngles.h"

QV_RotationFX::QV_RotationFX() {
    axisRatio.SetScaled(0, 0.001f);
    speed.SetScaled(0, 0.005f);
    TimeLine().TimeMode().SetSilently(QV_TimeLineControl::kRunAtOpacity);
    TimeLine().SetEditorValue(0, 1);
    TimeLine().SetEditorValue(1, 6);
    TimeLine().SetEditorValue(2, 0);
}

void QV_RotationFX::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_RotationFX::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_RotationFX::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_RotationFX", kRecordVersion)); }

void QV_RotationFX::Fields(FieldArchive ar) {
    ar.Notified(axisRatio);
    ar.Param(angle);
    ar.Param(directionFlag);
    QV_CentralBased::TaggedFields(ar);
}

QV_FX_Constructor* QV_RotationFX::Clone() const { return new QV_RotationFX(*this); }

void QV_RotationFX::Update(float time) {
    QV_FX_Constructor::Update(time);
    rotation = directionFlag.Value() == 0 ? Phase() : -Phase();
}

void QV_RotationFX::EllipseTurn(float rotation, float z, unsigned int degrees, float out[4]) {
    if (!(z > 0.0f)) z = 1.0f;
    D3DXMATRIX core, toAxes, fromAxes;
    D3DXMatrixRotationZ(&core, rotation);
    core._12 *= z;
    core._21 /= z;
    const float theta = BrushRadians(degrees);
    D3DXMatrixRotationZ(&toAxes, -theta);
    D3DXMatrixRotationZ(&fromAxes, theta);
    D3DXMATRIX m;
    D3DXMatrixMultiply(&m, &toAxes, &core);
    D3DXMatrixMultiply(&m, &m, &fromAxes);
    out[0] = m._11;
    out[1] = m._12;
    out[2] = m._21;
    out[3] = m._22;
}

void QV_RotationFX::RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) {
    float transform[4];
    EllipseTurn(rotation, axisRatio.Result(), angle.Value(), transform);
    effect.SetFloatArray("coord_transf", transform, 4);
    float centre[2];
    CenterFraction(centre);
    const float offset[2] = {-centre[0], -centre[1]};
    effect.SetFloatArray("offset", offset, 2);
    const bool fades = TimeLine().TimeMode().Value() == QV_TimeLineControl::kAlphaByOpacity;
    const float mix[4] = {1.0f, 1.0f, 1.0f, fades ? Opacity() : 1.0f};
    effect.SetFloatArray("mix_color", mix, 4);
    ApplyCommonParams(layer);
}
