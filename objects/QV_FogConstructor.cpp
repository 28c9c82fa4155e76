#include "objects/QV_FogConstructor.h"

#include <cmath>

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"

namespace {
constexpr float kMaxSpin = 0.004f;  // radians a frame
}  // namespace

QV_FogConstructor::QV_FogConstructor() {
    alphaMin = 0.2f;
    alphaMax = 1.0f;
    transparency.Assign(50, nullptr);
    TimeLine().TimeMode().Assign(QV_TimeLineControl::kAlphaByOpacity, nullptr);
}

void QV_FogConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_FogConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_FogConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_FogConstructor", kRecordVersion));
}

void QV_FogConstructor::Fields(FieldArchive ar) {
    ar.Value(maxSpeedX);
    ar.Value(maxSpeedY);
    QV_BaseSpriteProp::TaggedFields(ar);
}

void QV_FogConstructor::InitParticle(SpriteParticle& sprite) {
    sprite.position = RandomPointInRect();
    sprite.motion[0] = RandomRange(-maxSpeedX, maxSpeedX);
    sprite.motion[1] = RandomRange(-maxSpeedY, maxSpeedY);
    sprite.alpha = SharedRandom::NextUnit();
    D3DXMatrixRotationZ(&sprite.spin, SharedRandom::NextUnit() * 2.0f * kMaxSpin - kMaxSpin);
}

void QV_FogConstructor::UpdateParticle(SpriteParticle& sprite) {
    float& vx = sprite.motion[0];
    float& vy = sprite.motion[1];
    sprite.position.x += ScaledStep() * vx;
    sprite.position.y += ScaledStep() * vy;
    sprite.StepPulse(*this, false);
    // Only the puff's centre crossing an edge turns it back.
    if (GetBottomPx() < sprite.position.y) vy = -std::fabs(vy);
    if (GetTopPx() > sprite.position.y) vy = std::fabs(vy);
    if (GetLeftPx() > sprite.position.x) vx = std::fabs(vx);
    if (GetRightPx() < sprite.position.x) vx = -std::fabs(vx);
    // The same turn every frame, whatever the frame's length.
    const D3DXVECTOR3 right = sprite.right, up = sprite.up;
    D3DXVec3TransformCoord(&sprite.right, &right, &sprite.spin);
    D3DXVec3TransformCoord(&sprite.up, &up, &sprite.spin);
    sprite.UpdateColor(*this);
}

QV_ParticleSystemCtrl* QV_FogConstructor::Clone() const { return new QV_FogConstructor(*this); }
