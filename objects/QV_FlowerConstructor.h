#pragma once
// A placed sprite that sways from its foot: all its sprites lean together on the scaled clock.
#include "objects/QV_StatObjConstructor.h"

class QV_FlowerConstructor : public QV_StatObjConstructor {
public:
    static constexpr uint32_t kRecordVersion = 1;

    QV_FlowerConstructor();
    QV_FlowerConstructor(const QV_FlowerConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    void UpdateParticle(SpriteParticle& sprite) override;
    // Faded by the time line only when its alpha follows the opacity (time mode 1).
    D3DCOLOR ApplyTimeLineAlpha(D3DCOLOR colour) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version: the sway, then the whole tagged static-sprite record.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    float sway = 1.5f;  // degrees of lean
};
