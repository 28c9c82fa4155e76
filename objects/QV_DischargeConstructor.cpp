#include "objects/QV_DischargeConstructor.h"

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"

void QV_DischargeConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_DischargeConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_DischargeConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_DischargeConstructor", kRecordVersion));
}

void QV_DischargeConstructor::Fields(FieldArchive ar) { QV_StatObjConstructor::TaggedFields(ar); }

int QV_DischargeConstructor::NextFrame(int frame) {
    if (frameCount < 2) return frame;
    int next = frame;
    while (next == frame) next = int(uint32_t(SharedRandom::Next()) % frameCount);
    return next;
}

QV_ParticleSystemCtrl* QV_DischargeConstructor::Clone() const { return new QV_DischargeConstructor(*this); }
