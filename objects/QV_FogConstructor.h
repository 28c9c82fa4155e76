#pragma once
// Puffs drifting within the maximum speeds, turning slowly, pulsing between alpha min and
// max, and turned back when their centre crosses an edge of the rectangle.
#include "objects/QV_ParticleSystemCtrl.h"

class QV_FogConstructor : public QV_ParticleSystemCtrl {
public:
    static constexpr uint32_t kRecordVersion = 1;

    QV_FogConstructor();
    QV_FogConstructor(const QV_FogConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    void InitParticle(SpriteParticle& sprite) override;
    void UpdateParticle(SpriteParticle& sprite) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version (not looked at): the two speeds, then the sprite section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    float maxSpeedX = 40.0f;  // pixels per unit of scaled time
    float maxSpeedY = 40.0f;
};
