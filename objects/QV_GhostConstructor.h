#pragma once
// Wandering sprites that fade with the time line and are placed anew while it is hidden, so
// each ghost shows up somewhere else at every fade-in.
#include "objects/QV_FishConstructor.h"

class QV_GhostConstructor : public QV_FishConstructor {
public:
    static constexpr uint32_t kRecordVersion = 2;

    QV_GhostConstructor();
    QV_GhostConstructor(const QV_GhostConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    void InitParticle(SpriteParticle& sprite) override;
    void UpdateParticle(SpriteParticle& sprite) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version: the whole tagged fish record; before version 2 the time line
    // becomes a cycle of 1.5-second fades with no hidden or visible time.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
};
