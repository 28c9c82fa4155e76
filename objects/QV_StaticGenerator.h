#pragma once
// A texture generator placed at an origin point (picture pixels).
#include "objects/QV_TexParticleGenerator.h"

class QV_StaticGenerator : public QV_TexParticleGenerator {
public:
    static constexpr int32_t kSectionVersion = 1;

    void Save(QV_IOF_Virtual& archive) override;
    // Tag and version, the origin, then the texture generator's section.
    void LoadWithTag(QV_IOF_Virtual& archive);

    MediaParamT<D3DXVECTOR3> origin;
};
