#include "objects/QV_FXParticleSystemCtrl.h"

#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"

void QV_FXParticleSystemCtrl::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_FXParticleSystemCtrl", int32_t(kRecordVersion));
    effectLink.Save(archive);
    QV_BaseSpriteProp::Save(archive);
}

void QV_FXParticleSystemCtrl::Prepare() {
    effect.Attach(CurrentDocResManager ? CurrentDocResManager->GetEffect(effectLink.Value()) : nullptr);
}

ComHolder<IDirect3DTexture9> QV_FXParticleSystemCtrl::CurrentFrameOf(const QV_FileLink3& link) {
    if (!CurrentDocResManager) return {};
    return CurrentDocResManager->GetTextures(link.Value()).CurrentFrame();
}

void QV_FXParticleSystemCtrl::LoadWithTag(QV_IOF_Virtual& archive) {
    archive.ReadSectionHead();
    effectLink.Load(archive);
    QV_BaseSpriteProp::LoadWithTag(archive);
}
