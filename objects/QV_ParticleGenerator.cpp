#include "objects/QV_ParticleGenerator.h"

#include "document/FieldArchive.h"

void QV_ParticleGenerator::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_ParticleGenerator::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_ParticleGenerator", kSectionVersion));
}

void QV_ParticleGenerator::Fields(FieldArchive ar) { QV_ABObj_Constructor::TaggedFields(ar); }
