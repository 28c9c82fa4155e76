#include "objects/QV_GlowEffectCtrl.h"

#include "document/ParamArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/QV_GlowingObj.h"

QV_GlowEffectCtrl::QV_GlowEffectCtrl() {
    glowColour.SetSilently(0);
    glowAmount.SetScaled(kDefaultAmount, kAmountScale);
}

void QV_GlowEffectCtrl::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_GlowEffectCtrl", int32_t(kRecordVersion));
    int32_t rgb = int32_t(glowColour.Value());
    archive.WriteInt(rgb);
    WriteUIntParam(archive, glowAmount);
    QV_FXParticleSystemCtrl::Save(archive);
}

QV_ABObj* QV_GlowEffectCtrl::CreateObject() { return new QV_GlowingObj(Clone()); }

void QV_GlowEffectCtrl::Prepare() {
    QV_FXParticleSystemCtrl::Prepare();
    glowTextureA = CurrentFrameOfLink(secondImage.Value());
    glowTextureB = CurrentFrameOfLink(image.Value());
}

void QV_GlowEffectCtrl::OnFrame() {}

void QV_GlowEffectCtrl::LoadWithTag(QV_IOF_Virtual& archive) {
    archive.ReadSectionHead();
    LoadFields(archive);
}

void QV_GlowEffectCtrl::LoadFields(QV_IOF_Virtual& archive) {
    int32_t rgb = int32_t(glowColour.Value());
    archive.ReadInt(rgb);
    glowColour.SetSilently(uint32_t(rgb));
    ReadUIntParamNotified(archive, glowAmount);
    QV_FXParticleSystemCtrl::LoadWithTag(archive);
}
