#include "brushes/QV_CentralBased.h"

#include "document/QV_IOF_Virtual.h"
#include "document/PictureLayout.h"

QV_CentralBased::QV_CentralBased() : center(PictureCentre()) {}

D3DXVECTOR3 QV_CentralBased::PictureCentre() {
    const PictureLayout& layout = CurrentPictureLayout();
    return D3DXVECTOR3(float(layout.pictureWidth) * 0.5f, float(layout.pictureHeight) * 0.5f, 0.0f);
}

void QV_CentralBased::LoadWithTag(QV_IOF_Virtual& archive) { LoadFields(archive, archive.ReadSectionHead()); }

void QV_CentralBased::LoadFields(QV_IOF_Virtual& archive, uint32_t) {
    D3DXVECTOR3 value = center.Value();
    archive.ReadFloat(value.x);
    archive.ReadFloat(value.y);
    archive.ReadFloat(value.z);
    center.SetSilently(value);
    QV_FX_Constructor::LoadWithTag(archive);
}

void QV_CentralBased::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_CentralBased", kRecordVersion);
    D3DXVECTOR3 value = center.Value();
    archive.WriteFloat(value.x);
    archive.WriteFloat(value.y);
    archive.WriteFloat(value.z);
    QV_FX_Constructor::Save(archive);
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
