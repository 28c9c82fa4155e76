#pragma once
// Root of the particle generators. It has no fields; its section stands between the texture
// generator's and the description base's.
#include "document/QV_ABObj_Constructor.h"

class FieldArchive;

class QV_ParticleGenerator : public QV_ABObj_Constructor {
public:
    static constexpr int32_t kSectionVersion = 1;

    void Save(QV_IOF_Virtual& archive) override;
    // Tag and version, then the description base's section.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
};
