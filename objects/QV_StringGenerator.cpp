#include "objects/QV_StringGenerator.h"

#include "document/ParamArchive.h"

void QV_StringGenerator::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_StringGenerator", kSectionVersion);
    WriteVectorParam(archive, start);
    WriteVectorParam(archive, end);
    QV_TexParticleGenerator::Save(archive);
}

void QV_StringGenerator::LoadWithTag(QV_IOF_Virtual& archive) {
    archive.ReadSectionHead();
    ReadVectorParam(archive, start);
    ReadVectorParam(archive, end);
    QV_TexParticleGenerator::LoadWithTag(archive);
}
