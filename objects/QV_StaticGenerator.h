#pragma once
// A texture generator placed at an origin point (picture pixels).
#include "objects/QV_TexParticleGenerator.h"

class FieldArchive;

class QV_StaticGenerator : public QV_TexParticleGenerator {
public:
    static constexpr int32_t kSectionVersion = 1;

    void Save(QV_IOF_Virtual& archive) override;
    // Tag and version, the origin, then the texture generator's section.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    MediaParamT<D3DXVECTOR3> origin;
};
