#pragma once
// Sprites at random places, drifting slowly, whose size follows their alpha pulse: half size
// at alpha 0, full size at alpha 1.
#include "objects/QV_ParticleSystemCtrl.h"

class QV_SparkleConstructor : public QV_ParticleSystemCtrl {
public:
    static constexpr uint32_t kRecordVersion = 1;

    void Save(QV_IOF_Virtual& archive) override;
    void InitParticle(SpriteParticle& sprite) override;
    void UpdateParticle(SpriteParticle& sprite) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version (not looked at): the sprite section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
};
