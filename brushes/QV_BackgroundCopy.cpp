#include "brushes/QV_BackgroundCopy.h"

#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "player/QV_2D_Light.h"

QV_BackgroundCopy::QV_BackgroundCopy() { effectLink.SetSilently(builtin::Link(builtin::kBackgroundCopyEffect)); }

void QV_BackgroundCopy::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_BackgroundCopy::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_BackgroundCopy::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_BackgroundCopy", kRecordVersion)); }

void QV_BackgroundCopy::Fields(FieldArchive ar) {
    rect.Fields(ar);
    ar.Param(wrapY);
    ar.Param(wrapX);
    QV_FX_Constructor::TaggedFields(ar);
}

QV_FX_Constructor* QV_BackgroundCopy::Clone() const { return new QV_BackgroundCopy(*this); }

void QV_BackgroundCopy::CopyOffset(int shiftX, int shiftY, bool wrapX, bool wrapY, uint32_t width,
                                   uint32_t height, float out[2]) {
    out[0] = (width > 0 ? float(shiftX) / float(width) : 0.0f) + (wrapX ? 1.0f : 0.0f);
    out[1] = (height > 0 ? float(shiftY) / float(height) : 0.0f) + (wrapY ? 1.0f : 0.0f);
}

void QV_BackgroundCopy::RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) {
    float offset[2];
    CopyOffset(rect.further1.Value(), rect.further2.Value(), wrapX.Value() != 0, wrapY.Value() != 0,
               layer.GetPictureWidth(), layer.GetPictureHeight(), offset);
    effect.SetFloatArray("offset", offset, 2);
    ApplyCommonParams(layer);
}
