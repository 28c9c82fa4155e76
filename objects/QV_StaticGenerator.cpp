#include "objects/QV_StaticGenerator.h"

#include "document/FieldArchive.h"

void QV_StaticGenerator::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_StaticGenerator::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_StaticGenerator", kSectionVersion));
}

void QV_StaticGenerator::Fields(FieldArchive ar) {
    ar.Param(origin);
    QV_TexParticleGenerator::TaggedFields(ar);
}
