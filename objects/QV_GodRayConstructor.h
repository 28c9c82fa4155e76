#pragma once
// Tall light shafts over the whole picture height, sheared by a tilt, drifting sideways and
// pulsing; a shaft that fades below alpha min starts again somewhere else.
#include "objects/QV_ParticleSystemCtrl.h"

class QV_GodRayConstructor : public QV_ParticleSystemCtrl {
public:
    static constexpr uint32_t kRecordVersion = 1;

    QV_GodRayConstructor() = default;
    QV_GodRayConstructor(const QV_GodRayConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    void InitParticle(SpriteParticle& sprite) override;
    void UpdateParticle(SpriteParticle& sprite) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version (not looked at): the tilt, then the sprite section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // The up axis's lean for a tilt in degrees. A tilt of 0 or 180 would lie flat (an
    // infinite shear): such a ray stands upright instead.
    static float ShearOfTilt(unsigned int tilt);

    MediaParamT<unsigned int> tilt{80};  // degrees
};
