#include "objects/QV_StatBaseFXCtrl.h"

#include <algorithm>

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/QV_FXObj.h"
#include "document/PictureLayout.h"

QV_StatBaseFXCtrl::QV_StatBaseFXCtrl() {
    const PictureLayout& layout = CurrentPictureLayout();
    position.SetSilently(D3DXVECTOR3(float(layout.pictureWidth) / 2.0f, float(layout.pictureHeight) / 2.0f, 0.0f));
}

void QV_StatBaseFXCtrl::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

QV_ABObj* QV_StatBaseFXCtrl::CreateObject() { return new QV_FXObj(Clone()); }

void QV_StatBaseFXCtrl::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_StatBaseFXCtrl", kRecordVersion));
}

void QV_StatBaseFXCtrl::Fields(FieldArchive ar) {
    ar.Param(position);
    if (ar.Version() >= 2) {
        ar.Param(height);
        ar.Param(width);
        if (ar.Reading()) {
            height.SetSilently(std::min(height.Value(), kMaxExtent));
            width.SetSilently(std::min(width.Value(), kMaxExtent));
        }
    }
    QV_BaseFXCtrl::TaggedFields(ar);
}
