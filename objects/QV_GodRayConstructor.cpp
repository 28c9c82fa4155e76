#include "objects/QV_GodRayConstructor.h"

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"
#include "document/PictureLayout.h"

void QV_GodRayConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_GodRayConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_GodRayConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_GodRayConstructor", kRecordVersion));
}

void QV_GodRayConstructor::Fields(FieldArchive ar) {
    ar.Param(tilt);
    QV_BaseSpriteProp::TaggedFields(ar);
}

float QV_GodRayConstructor::ShearOfTilt(unsigned int tilt) {
    if (tilt % 180 == 0) return 0.0f;
    return ShearOfAngle(tilt < 180 ? 180.0f - float(tilt) : 360.0f - float(tilt));
}

void QV_GodRayConstructor::InitParticle(SpriteParticle& sprite) {
    const float left = GetLeftPx(), right = GetRightPx();
    sprite.position.x = left + SharedRandom::NextUnit() * (right - left);
    // Half the rectangle's height: its middle only when it starts at the picture's top.
    sprite.position.y = (GetBottomPx() - GetTopPx()) * 0.5f;
    sprite.position.z = 0.0f;
    sprite.factor = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    sprite.motion[0] = SharedRandom::NextUnit() * 20.0f - 10.0f;
    sprite.motion[1] = sprite.motion[2] = 0.0f;
    sprite.halfWidth = float(size.Value()) * 0.5f;
    sprite.halfHeight = float(GetScreenInfo().pictureHeight) * 0.5f;
    sprite.up = D3DXVECTOR3(ShearOfTilt(tilt.Value()), 1.0f, 0.0f);
    sprite.alpha = SharedRandom::NextUnit();
}

void QV_GodRayConstructor::UpdateParticle(SpriteParticle& sprite) {
    if (ScaledTime() - sprite.lastChange > 0.25f) {
        sprite.lastChange = ScaledTime();
        if (SharedRandom::Next() % 2) {
            sprite.motion[0] = RandomRange(-10.0f, 10.0f);
            sprite.motion[1] = sprite.motion[2] = 0.0f;
        }
    }
    sprite.position.x += ScaledStep() * sprite.motion[0];
    sprite.position.y += ScaledStep() * sprite.motion[1];
    sprite.StepPulse(*this, true);
    sprite.UpdateColor(*this);
}

QV_ParticleSystemCtrl* QV_GodRayConstructor::Clone() const { return new QV_GodRayConstructor(*this); }
