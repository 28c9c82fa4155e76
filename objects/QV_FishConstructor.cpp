#include "objects/QV_FishConstructor.h"

#include <cmath>

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"

void QV_FishConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_FishConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_FishConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_FishConstructor", kRecordVersion));
}

void QV_FishConstructor::Fields(FieldArchive ar) {
    ar.Value(maxSpeedX);
    ar.Value(maxSpeedY);
    QV_BaseSpriteProp::TaggedFields(ar);
}

void QV_FishConstructor::InitParticle(SpriteParticle& sprite) {
    sprite.motion[0] = RandomRange(-maxSpeedX, maxSpeedX);
    sprite.motion[1] = RandomRange(-maxSpeedY, maxSpeedY);
    sprite.factor = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    sprite.motion[2] = 0.0f;
    sprite.position = RandomPointInRect();
    sprite.ComputeHalfExtents(size.Value());
    sprite.UpdateColor(*this);
    if (sprite.motion[0] < 0.0f) sprite.halfWidth = -sprite.halfWidth;
}

void QV_FishConstructor::UpdateParticle(SpriteParticle& sprite) {
    float& vx = sprite.motion[0];
    float& vy = sprite.motion[1];
    sprite.position.x += ScaledStep() * vx;
    sprite.position.y += ScaledStep() * vy;
    const PixelSides area = GetPixelSides();
    if (sprite.IsLeftOfArea(area)) {
        vx = std::fabs(vx);
        sprite.halfWidth = std::fabs(sprite.halfWidth);
    } else if (sprite.IsRightOfArea(area)) {
        vx = -std::fabs(vx);
        sprite.halfWidth = -std::fabs(sprite.halfWidth);
    }
    if (sprite.CrossesTop(area))
        vy = std::fabs(vy);
    else if (sprite.CrossesBottom(area))
        vy = -std::fabs(vy);
    // At most once a second of local time; the new horizontal speed keeps the old sign, so
    // the sprite keeps facing its way.
    if (LastTime() - sprite.lastChange > 1.0f) {
        sprite.lastChange = LastTime();
        if (SharedRandom::Next() % 2) {
            vx = std::copysign(RandomRange(-maxSpeedX, maxSpeedX), vx);
            vy = RandomRange(-maxSpeedY, maxSpeedY);
            sprite.motion[2] = 0.0f;
        }
    }
}

QV_ParticleSystemCtrl* QV_FishConstructor::Clone() const { return new QV_FishConstructor(*this); }
