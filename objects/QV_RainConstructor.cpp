#include "objects/QV_RainConstructor.h"

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"

QV_RainConstructor::QV_RainConstructor() {
    angle.Assign(kDefaultAngle, nullptr);
    flowSpeed = kDefaultSpeed;
    driftAmplitude.Assign(0, nullptr);
    scaleMin = 0.5f;
    scaleMax = 1.0f;
    orientation.Assign(kAlongFlow, nullptr);
    D3DXMatrixRotationZ(&rainTurn, 3.0f * D3DX_PI / 2.0f);
}

void QV_RainConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_RainConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_RainConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_RainConstructor", kRecordVersion));
}

void QV_RainConstructor::Fields(FieldArchive ar) { QV_FlowConstructor::TaggedFields(ar); }

void QV_RainConstructor::InitParticle(SpriteParticle& sprite) {
    QV_FlowConstructor::InitParticle(sprite);
    sprite.alpha = SharedRandom::NextUnit();
    ApplyOrientation(sprite);
    if (orientation.Value() != kAlongFlow) return;
    const D3DXVECTOR3 right = sprite.right, up = sprite.up;
    D3DXVec3TransformCoord(&sprite.right, &right, &rainTurn);
    D3DXVec3TransformCoord(&sprite.up, &up, &rainTurn);
}

void QV_RainConstructor::UpdateParticle(SpriteParticle& sprite) {
    // What the edge rules would fade is set back: a drop comes back only through its pulse.
    const float kept = sprite.alpha;
    sprite.alpha = 1.0f;
    QV_FlowConstructor::UpdateParticle(sprite);
    sprite.alpha = kept;
    sprite.StepPulse(*this, true);
    sprite.UpdateColor(*this);
}

QV_ParticleSystemCtrl* QV_RainConstructor::Clone() const { return new QV_RainConstructor(*this); }
