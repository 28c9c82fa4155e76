#include "objects/QV_FlowerConstructor.h"

#include <cmath>

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"

QV_FlowerConstructor::QV_FlowerConstructor() {
    TimeLine().TimeMode().Assign(QV_TimeLineControl::kRunAtOpacity, nullptr);
}

void QV_FlowerConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_FlowerConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_FlowerConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_FlowerConstructor", kRecordVersion));
}

void QV_FlowerConstructor::Fields(FieldArchive ar) {
    ar.Value(sway);
    QV_StatObjConstructor::TaggedFields(ar);
}

void QV_FlowerConstructor::UpdateParticle(SpriteParticle& sprite) {
    const float s = std::sin(ScaledTime() + sprite.motion[1]);
    const float lean = s * sway + 90.0f;
    const float shear = ShearOfAngle(180.0f - lean);
    const D3DXVECTOR3 leaning(shear, 1.0f, 0.0f);
    D3DXVec3TransformCoord(&sprite.up, &leaning, &turn);
    // The foot stays on the rectangle's centre line while the top sways.
    const float shift = sprite.halfHeight * shear;
    sprite.position.x = float(spriteRect.further1.Value()) - sprite.right.x * shift;
    sprite.position.y = float(spriteRect.further2.Value()) - sprite.right.y * shift;
}

D3DCOLOR QV_FlowerConstructor::ApplyTimeLineAlpha(D3DCOLOR colour) { return ApplyTimeLineAlphaInAlphaMode(colour); }

QV_ParticleSystemCtrl* QV_FlowerConstructor::Clone() const { return new QV_FlowerConstructor(*this); }
