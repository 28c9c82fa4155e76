#include "brushes/QV_CentralBased.h"

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/PictureLayout.h"

QV_CentralBased::QV_CentralBased() : center(PictureCentre()) {}

D3DXVECTOR3 QV_CentralBased::PictureCentre() {
    const PictureLayout& layout = CurrentPictureLayout();
    return D3DXVECTOR3(float(layout.pictureWidth) * 0.5f, float(layout.pictureHeight) * 0.5f, 0.0f);
}

void QV_CentralBased::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_CentralBased::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_CentralBased", kRecordVersion)); }

void QV_CentralBased::Fields(FieldArchive ar) {
    ar.Param(center);
    QV_FX_Constructor::TaggedFields(ar);
}

void QV_CentralBased::OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) {
    if (!Enabled()) {
        SetEnabled(1);
        const D3DXVECTOR3 centre = PictureCentre();
        center.SetSilently(centre);
        center.NotifyChanged(nullptr);
    }
    QV_FX_Constructor::OnCreate(maskHolder);
}

void QV_CentralBased::ApplyCenterParams(QV_2D_Light& layer) {
    ApplyCommonParams4(layer);
    float fraction[2];
    CenterFraction(fraction);
    effect->SetFloatArray("Center", fraction, 2);
}

void QV_CentralBased::CenterFraction(float fraction[2]) const {
    const PictureLayout& layout = CurrentPictureLayout();
    const D3DXVECTOR3& c = center.Value();
    // A picture without size gives the origin rather than a division by zero.
    fraction[0] = layout.pictureWidth > 0 ? c.x / float(layout.pictureWidth) : 0.0f;
    fraction[1] = layout.pictureHeight > 0 ? c.y / float(layout.pictureHeight) : 0.0f;
}
