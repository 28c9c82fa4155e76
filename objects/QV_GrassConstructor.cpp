#include "objects/QV_GrassConstructor.h"

#include <cmath>

#include "document/FieldArchive.h"
#include "document/NumericHelpers.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"
#include "document/PictureLayout.h"

namespace {

// Where the sway's wave stands at picture x: a full turn across the picture's width. A
// picture without width has no wave across it, and every blade sways by its own phase.
float WavePhaseAt(float x) {
    const int32_t width = GetScreenInfo().pictureWidth;
    return width == 0 ? 0.0f : x / float(width) * 2.0f * kSinglePi;
}

}  // namespace

QV_GrassConstructor::QV_GrassConstructor() {
    TimeLine().TimeMode().Assign(QV_TimeLineControl::kRunAtOpacity, nullptr);
}

void QV_GrassConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_GrassConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_GrassConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_GrassConstructor", kRecordVersion));
}

void QV_GrassConstructor::Fields(FieldArchive ar) {
    ar.Value(sway);
    QV_BaseSpriteProp::TaggedFields(ar);
}

void QV_GrassConstructor::InitParticle(SpriteParticle& sprite) {
    const float left = GetLeftPx(), right = GetRightPx();
    sprite.position.x = left + SharedRandom::NextUnit() * (right - left);
    sprite.position.y = GetBottomPx() - sprite.halfHeight;
    sprite.motion[2] = sprite.position.x;
    sprite.motion[1] = SharedRandom::NextUnit() * kSinglePi / 2.0f;
    sprite.right = D3DXVECTOR3(SharedRandom::Next() % 2 ? -1.0f : 1.0f, 0.0f, 0.0f);
}

void QV_GrassConstructor::UpdateParticle(SpriteParticle& sprite) {
    const float s = std::sin(ScaledTime() + sprite.motion[1] + WavePhaseAt(sprite.position.x));
    const float lean = s * sway + 90.0f;
    sprite.up = D3DXVECTOR3(ShearOfAngle(180.0f - lean), 1.0f, 0.0f);
    // The foot stays at the base while the top sways.
    sprite.position.x = sprite.motion[2] - sprite.up.x * sprite.halfHeight;
}

D3DCOLOR QV_GrassConstructor::ApplyTimeLineAlpha(D3DCOLOR colour) { return ApplyTimeLineAlphaInAlphaMode(colour); }

QV_ParticleSystemCtrl* QV_GrassConstructor::Clone() const { return new QV_GrassConstructor(*this); }
