#include "objects/QV_GlowEffectCtrl.h"

#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/QV_GlowingObj.h"

QV_GlowEffectCtrl::QV_GlowEffectCtrl() {
    glowColour.SetSilently(0);
    glowAmount.SetScaled(kDefaultAmount, kAmountScale);
}

void QV_GlowEffectCtrl::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

QV_ABObj* QV_GlowEffectCtrl::CreateObject() { return new QV_GlowingObj(Clone()); }

void QV_GlowEffectCtrl::Prepare() {
    QV_FXParticleSystemCtrl::Prepare();
    glowTextureA = CurrentFrameOfLink(secondImage.Value());
    glowTextureB = CurrentFrameOfLink(image.Value());
}

void QV_GlowEffectCtrl::OnFrame() {}

void QV_GlowEffectCtrl::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_GlowEffectCtrl", kRecordVersion));
}

void QV_GlowEffectCtrl::Fields(FieldArchive ar) {
    ar.Param(glowColour);
    ar.Notified(glowAmount);
    QV_FXParticleSystemCtrl::TaggedFields(ar);
}
