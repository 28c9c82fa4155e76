#include "objects/QV_FXParticleSystemCtrl.h"

#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"

void QV_FXParticleSystemCtrl::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_FXParticleSystemCtrl", int32_t(kRecordVersion));
    effectLink.Save(archive);
    QV_BaseSpriteProp::Save(archive);
}

void QV_FXParticleSystemCtrl::Prepare() {
    effect = CurrentEffectOfLink(effectLink.Value());
}

void QV_FXParticleSystemCtrl::LoadWithTag(QV_IOF_Virtual& archive) {
    archive.ReadSectionHead();
    effectLink.Load(archive);
    QV_BaseSpriteProp::LoadWithTag(archive);
}
