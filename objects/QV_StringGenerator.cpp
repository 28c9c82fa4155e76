#include "objects/QV_StringGenerator.h"

#include "document/FieldArchive.h"

void QV_StringGenerator::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_StringGenerator::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_StringGenerator", kSectionVersion));
}

void QV_StringGenerator::Fields(FieldArchive ar) {
    ar.Param(start);
    ar.Param(end);
    QV_TexParticleGenerator::TaggedFields(ar);
}
