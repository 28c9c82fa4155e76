#include "objects/QV_LightingConstructor.h"

#include "document/FieldArchive.h"
#include "document/NumericHelpers.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"

QV_LightingConstructor::QV_LightingConstructor() {
    blendMode.Assign(1, nullptr);
    QV_TimeLineControl& timeLine = TimeLine();
    timeLine.Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
    timeLine.HiddenMin().Assign(100, nullptr);
    timeLine.HiddenMax().Assign(500, nullptr);
    timeLine.TimeMode().Assign(QV_TimeLineControl::kPlain, nullptr);
}

void QV_LightingConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_LightingConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_LightingConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_LightingConstructor", kRecordVersion));
}

void QV_LightingConstructor::Fields(FieldArchive ar) { QV_BaseSpriteProp::TaggedFields(ar); }

void QV_LightingConstructor::InitParticle(SpriteParticle& sprite) {
    sprite.ComputeHalfExtents(size.Value());
    sprite.position = RandomPointInRectInset(sprite.halfWidth, sprite.halfHeight);
    const float turn = SharedRandom::NextUnit() * kSinglePi / 4.0f - kSinglePi / 8.0f;
    const float mirror = SharedRandom::Next() % 2 ? -1.0f : 1.0f;
    D3DXMATRIX rotation;
    D3DXMatrixRotationZ(&rotation, turn);
    const D3DXVECTOR3 right(mirror, 0.0f, 0.0f), up(0.0f, 1.0f, 0.0f);
    D3DXVec3TransformCoord(&sprite.right, &right, &rotation);
    D3DXVec3TransformCoord(&sprite.up, &up, &rotation);
    sprite.alpha = 0.0f;
}

void QV_LightingConstructor::UpdateParticle(SpriteParticle& sprite) {
    // The flicker runs on the scaled clock, the pause on the local time.
    if (sprite.alpha != 0.0f) {
        sprite.alpha -= ScaledStep() * kFadeRate;
        if (ScaledTime() - sprite.lastChange > kFlickerPeriod) {
            sprite.lastChange = ScaledTime();
            if (SharedRandom::Next() % 2) sprite.alpha = 1.0f;
        }
    }
    if (sprite.alpha == 0.0f && sprite.pause < LastTime() - sprite.lastChange) {
        InitParticle(sprite);
        sprite.alpha = 1.0f;
        sprite.lastChange = ScaledTime();
    }
    if (sprite.alpha < 0.0f) {
        sprite.alpha = 0.0f;
        sprite.lastChange = LastTime();
        // The hidden range's ends in either order give a pause within them.
        sprite.pause = TimeLine().DrawHiddenDuration();
    }
    sprite.UpdateColor(*this);
}

D3DCOLOR QV_LightingConstructor::ApplyTimeLineAlpha(D3DCOLOR colour) { return colour; }

QV_ParticleSystemCtrl* QV_LightingConstructor::Clone() const { return new QV_LightingConstructor(*this); }
