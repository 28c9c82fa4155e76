#include "objects/QV_StaticGenerator.h"

#include "document/ParamArchive.h"

void QV_StaticGenerator::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_StaticGenerator", kSectionVersion);
    WriteVectorParam(archive, origin);
    QV_TexParticleGenerator::Save(archive);
}

void QV_StaticGenerator::LoadWithTag(QV_IOF_Virtual& archive) {
    archive.ReadSectionHead();
    ReadVectorParam(archive, origin);
    QV_TexParticleGenerator::LoadWithTag(archive);
}
