#pragma once
// Blades standing on the bottom of the rectangle, swaying by a sine wave that runs across the
// picture; each blade's foot stays where it grew.
#include "objects/QV_ParticleSystemCtrl.h"

class QV_GrassConstructor : public QV_ParticleSystemCtrl {
public:
    static constexpr uint32_t kRecordVersion = 1;

    QV_GrassConstructor();
    QV_GrassConstructor(const QV_GrassConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    void InitParticle(SpriteParticle& sprite) override;
    void UpdateParticle(SpriteParticle& sprite) override;
    // Faded by the time line only when its alpha follows the opacity (time mode 1).
    D3DCOLOR ApplyTimeLineAlpha(D3DCOLOR colour) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version (not looked at): the sway, then the sprite section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    float sway = 3.0f;  // degrees of lean
};
