#pragma once
// Flashes: a sprite flashes at a random place with a random turn, flickers, fades, and waits
// a pause drawn from the time line's hidden range before the next flash. The time line only
// supplies the pauses; it does not fade the flashes.
#include "objects/QV_ParticleSystemCtrl.h"

class QV_LightingConstructor : public QV_ParticleSystemCtrl {
public:
    static constexpr uint32_t kRecordVersion = 1;
    static constexpr float kFadeRate = 6.0f;        // alpha per unit of scaled time
    static constexpr float kFlickerPeriod = 0.15f;  // units of scaled time

    QV_LightingConstructor();
    QV_LightingConstructor(const QV_LightingConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    void InitParticle(SpriteParticle& sprite) override;
    void UpdateParticle(SpriteParticle& sprite) override;
    D3DCOLOR ApplyTimeLineAlpha(D3DCOLOR colour) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version (not looked at): the sprite section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
};
