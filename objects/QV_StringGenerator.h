#pragma once
// A texture generator stretched between a start and an end point (picture pixels).
#include "objects/QV_TexParticleGenerator.h"

class FieldArchive;

class QV_StringGenerator : public QV_TexParticleGenerator {
public:
    static constexpr int32_t kSectionVersion = 1;

    void Save(QV_IOF_Virtual& archive) override;
    // Tag and version, start and end, then the texture generator's section.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    MediaParamT<D3DXVECTOR3> start;
    MediaParamT<D3DXVECTOR3> end;
};
