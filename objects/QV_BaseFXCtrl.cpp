#include "objects/QV_BaseFXCtrl.h"

#include "document/QV_IOF_Virtual.h"

void QV_BaseFXCtrl::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_BaseFXCtrl", int32_t(kRecordVersion));
    QV_FXParticleSystemCtrl::Save(archive);
}

void QV_BaseFXCtrl::LoadWithTag(QV_IOF_Virtual& archive) {
    archive.ReadSectionHead();
    QV_FXParticleSystemCtrl::LoadWithTag(archive);
}
