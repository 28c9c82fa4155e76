#pragma once
// A fast downward flow whose streaks lie along the flow and whose alpha pulses; a drop whose
// pulse falls below alpha min starts again at a random point of the rectangle.
#include "objects/QV_FlowConstructor.h"

class QV_RainConstructor : public QV_FlowConstructor {
public:
    static constexpr uint32_t kRecordVersion = 1;
    static constexpr unsigned int kDefaultAngle = 270;
    static constexpr float kDefaultSpeed = 2000.0f;

    QV_RainConstructor();
    QV_RainConstructor(const QV_RainConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    void InitParticle(SpriteParticle& sprite) override;
    // The flow's move without its edge fading, then the pulse.
    void UpdateParticle(SpriteParticle& sprite) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version (not looked at): the whole tagged flow record.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // A quarter turn that lays the picture's up axis along the flow.
    D3DXMATRIX rainTurn;
};
