#include "objects/QV_FXParticleSystemCtrl.h"

#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"

void QV_FXParticleSystemCtrl::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_FXParticleSystemCtrl::Prepare() {
    effect = CurrentEffectOfLink(effectLink.Value());
}

void QV_FXParticleSystemCtrl::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_FXParticleSystemCtrl", kRecordVersion));
}

void QV_FXParticleSystemCtrl::Fields(FieldArchive ar) {
    effectLink.Fields(ar);
    QV_BaseSpriteProp::TaggedFields(ar);
}
