#include "brushes/QV_UnderwaterFX.h"

#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "player/QV_2D_Light.h"

QV_UnderwaterFX::QV_UnderwaterFX() {
    effectLink.SetSilently(builtin::Link(builtin::kUnderwaterEffect));
    speed.SetScaled(25, 1.0f);
    amplitude.SetScaled(50, 0.000125f);
    wavelength.SetScaled(50, 0.002f, 0.001f);
}

QV_UnderwaterFX& QV_UnderwaterFX::operator=(const QV_UnderwaterFX& other) {
    QV_FX_Constructor::operator=(other);
    amplitude.CopyFrom(other.amplitude);
    wavelength.CopyFrom(other.wavelength);
    return *this;
}

void QV_UnderwaterFX::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_UnderwaterFX::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_UnderwaterFX::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_UnderwaterFX", kRecordVersion)); }

void QV_UnderwaterFX::Fields(FieldArchive ar) {
    ar.Notified(amplitude);
    ar.Notified(wavelength);
    QV_FX_Constructor::TaggedFields(ar);
}

QV_FX_Constructor* QV_UnderwaterFX::Clone() const { return new QV_UnderwaterFX(*this); }

void QV_UnderwaterFX::RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) {
    const float f = 1.0f / wavelength.Result();
    const float frequency[2] = {PictureAspect(layer.GetPictureWidth(), layer.GetPictureHeight()) * f, f};
    effect.SetFloatArray("frequency", frequency, 2);
    effect.SetFloat("amplitude", amplitude.Result());
    effect.SetFloat("time", 0.08f * Phase());
    ApplyCommonParams(layer);
}
