#include "objects/QV_ParticleGenerator.h"

#include "document/QV_IOF_Virtual.h"

void QV_ParticleGenerator::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_ParticleGenerator", kSectionVersion);
    QV_ABObj_Constructor::Save(archive);
}

void QV_ParticleGenerator::LoadWithTag(QV_IOF_Virtual& archive) {
    archive.ReadSectionHead();
    QV_ABObj_Constructor::LoadWithTag(archive);
}
