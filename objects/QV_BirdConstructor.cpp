#include "objects/QV_BirdConstructor.h"

#include <cmath>

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"

void QV_BirdConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_BirdConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_BirdConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_BirdConstructor", kRecordVersion));
}

void QV_BirdConstructor::Fields(FieldArchive ar) { QV_FishConstructor::TaggedFields(ar); }

void QV_BirdConstructor::UpdateParticle(SpriteParticle& sprite) {
    QV_FishConstructor::UpdateParticle(sprite);
    float& vx = sprite.motion[0];
    float& vy = sprite.motion[1];
    // Every slow vertical speed maps to a downward one between 0.4 and 1.0 of the maximum.
    if (std::fabs(vy) < kSlowShare * maxSpeedY) vy = kSlowShare * maxSpeedY + vy * (1.0f - kSlowShare) / kSlowShare;
    if (std::fabs(vx) < kSlowShare * maxSpeedX) vx = std::copysign(RandomRange(kSlowShare * maxSpeedX, maxSpeedX), vx);
}

QV_ParticleSystemCtrl* QV_BirdConstructor::Clone() const { return new QV_BirdConstructor(*this); }
