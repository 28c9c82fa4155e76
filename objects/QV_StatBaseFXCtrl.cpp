#include "objects/QV_StatBaseFXCtrl.h"

#include <algorithm>

#include "document/ParamArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/QV_FXObj.h"
#include "document/PictureLayout.h"

QV_StatBaseFXCtrl::QV_StatBaseFXCtrl() {
    const PictureLayout& layout = CurrentPictureLayout();
    position.SetSilently(D3DXVECTOR3(float(layout.pictureWidth) / 2.0f, float(layout.pictureHeight) / 2.0f, 0.0f));
}

void QV_StatBaseFXCtrl::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_StatBaseFXCtrl", int32_t(kRecordVersion));
    WriteVectorParam(archive, position);
    WriteUIntParam(archive, height);
    WriteUIntParam(archive, width);
    QV_BaseFXCtrl::Save(archive);
}

QV_ABObj* QV_StatBaseFXCtrl::CreateObject() { return new QV_FXObj(Clone()); }

void QV_StatBaseFXCtrl::LoadWithTag(QV_IOF_Virtual& archive) {
    const uint32_t version = archive.ReadSectionHead();
    ReadVectorParam(archive, position);
    if (version >= 2) {
        ReadUIntParam(archive, height);
        ReadUIntParam(archive, width);
        height.SetSilently(std::min(height.Value(), kMaxExtent));
        width.SetSilently(std::min(width.Value(), kMaxExtent));
    }
    QV_BaseFXCtrl::LoadWithTag(archive);
}
