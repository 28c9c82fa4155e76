#pragma once
// Wandering sprites kept fast: a slow vertical speed becomes a downward glide, a slow
// horizontal one a fast one the same way.
#include "objects/QV_FishConstructor.h"

class QV_BirdConstructor : public QV_FishConstructor {
public:
    static constexpr uint32_t kRecordVersion = 1;
    // Below this share of the maximum speed a bird speeds up.
    static constexpr float kSlowShare = 0.7f;

    void Save(QV_IOF_Virtual& archive) override;
    void UpdateParticle(SpriteParticle& sprite) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version: the whole tagged fish record.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
};
