#pragma once
// Wandering sprites: each has its own velocity within the maximum speeds, changes it at
// random about once a second, turns back once it has left the rectangle sideways (facing its
// new way) and bounces at the top and bottom.
#include "objects/QV_ParticleSystemCtrl.h"

class QV_FishConstructor : public QV_ParticleSystemCtrl {
public:
    static constexpr uint32_t kRecordVersion = 1;

    QV_FishConstructor() = default;
    QV_FishConstructor(const QV_FishConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    void InitParticle(SpriteParticle& sprite) override;
    void UpdateParticle(SpriteParticle& sprite) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version (not looked at): the two speeds, then the sprite section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    // The section the bird and the ghost follow their own head with.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    float maxSpeedX = 80.0f;  // pixels per unit of scaled time
    float maxSpeedY = 50.0f;
};
