#include "brushes/QV_RadialWaveFX.h"

#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "player/QV_2D_Light.h"

QV_RadialWaveFX::QV_RadialWaveFX() {
    amplitude.SetScaled(50, 0.00025f);
    wavelength.SetScaled(50, 0.0001f, 0.001f);
    backgroundScale.SetScaled(50, 1.0f, 25.0f);
    speed.SetScaled(50, 1.0f);
    effectLink.SetSilently(builtin::Link(builtin::kRadialWaveEffect));
    TimeLine().SetEditorValue(0, 1);
    TimeLine().SetEditorValue(1, 1);
    TimeLine().SetEditorValue(2, 0);
}

void QV_RadialWaveFX::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_RadialWaveFX::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_RadialWaveFX::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_RadialWaveFX", kRecordVersion)); }

void QV_RadialWaveFX::Fields(FieldArchive ar) {
    if (ar.Version() > 1) {
        for (UINTSclaleTo<float>* value : {&amplitude, &wavelength, &backgroundScale}) ar.Notified(*value);
        ar.Param(directionFlag);
    }
    QV_CentralBased::TaggedFields(ar);
}

QV_FX_Constructor* QV_RadialWaveFX::Clone() const { return new QV_RadialWaveFX(*this); }

void QV_RadialWaveFX::RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) {
    // The picture's height over its width; the scale's offset keeps it from 0.
    const float heightOverWidth = 1.0f / PictureAspect(layer.GetPictureWidth(), layer.GetPictureHeight());
    const float scale[2] = {1.0f, 75.0f / backgroundScale.Result() * heightOverWidth};
    effect.SetFloatArray("bg_scale_factor", scale, 2);
    float centre[2];
    CenterFraction(centre);
    effect.SetFloatArray("center", centre, 2);
    effect.SetFloat("frequency", 1.0f / wavelength.Result());
    effect.SetFloat("amplitude", amplitude.Result() * Opacity());
    effect.SetFloat("time", (directionFlag.Value() != 0 ? 0.08f : -0.08f) * Phase());
    ApplyCommonParams(layer);
}
