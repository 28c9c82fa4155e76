#include "objects/QV_SparkleConstructor.h"

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"

void QV_SparkleConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_SparkleConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_SparkleConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_SparkleConstructor", kRecordVersion));
}

void QV_SparkleConstructor::Fields(FieldArchive ar) { QV_BaseSpriteProp::TaggedFields(ar); }

void QV_SparkleConstructor::InitParticle(SpriteParticle& sprite) {
    sprite.motion[0] = SharedRandom::NextUnit() * 50.0f - 25.0f;
    sprite.motion[1] = SharedRandom::NextUnit() * 50.0f - 25.0f;
    sprite.motion[2] = 0.0f;
    sprite.factor = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    sprite.position = RandomPointInRect();
    sprite.alpha = SharedRandom::NextUnit();
}

void QV_SparkleConstructor::UpdateParticle(SpriteParticle& sprite) {
    sprite.position.x += ScaledStep() * sprite.motion[0];
    sprite.position.y += ScaledStep() * sprite.motion[1];
    sprite.StepPulse(*this, true);
    sprite.UpdateColor(*this);
    // Square whatever the image's aspect.
    const float full = sprite.scale * float(size.Value()) * 0.5f;
    sprite.halfWidth = sprite.halfHeight = full * 0.5f * (1.0f + sprite.alpha);
}

QV_ParticleSystemCtrl* QV_SparkleConstructor::Clone() const { return new QV_SparkleConstructor(*this); }
