#include "objects/QV_DischargeConstructor.h"

#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"

void QV_DischargeConstructor::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_DischargeConstructor", int32_t(kRecordVersion));
    SaveStatObj(archive);
}

void QV_DischargeConstructor::Load(QV_IOF_Virtual& archive, uint32_t) { QV_StatObjConstructor::LoadWithTag(archive); }

int QV_DischargeConstructor::NextFrame(int frame) {
    if (frameCount < 2) return frame;
    int next = frame;
    while (next == frame) next = int(uint32_t(SharedRandom::Next()) % frameCount);
    return next;
}

QV_ParticleSystemCtrl* QV_DischargeConstructor::Clone() const { return new QV_DischargeConstructor(*this); }
