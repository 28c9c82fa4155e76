#include "objects/QV_StatObjConstructor.h"

#include <cmath>

#include "document/FieldArchive.h"
#include "document/NumericHelpers.h"
#include "document/QV_IOF_Virtual.h"
#include "document/ScreenQuad.h"
#include "player/PictureMapping.h"

void QV_StatObjConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_StatObjConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_StatObjConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_StatObjConstructor", kRecordVersion));
}

void QV_StatObjConstructor::Fields(FieldArchive ar) {
    spriteRect.Fields(ar);
    ar.Param(rotation);
    // Later versions keep the flips in the sprite section, which reads them again.
    if (ar.Version() < 2) {
        ar.Param(flipVertical);
        ar.Param(flipHorizontal);
    }
    QV_BaseSpriteProp::TaggedFields(ar);
}

void QV_StatObjConstructor::GetScreenQuad(ScreenQuad& quad) {
    const float left = float(spriteRect.left.Value()), top = float(spriteRect.top.Value());
    quad = ScreenQuad::FromRect(left, top, float(spriteRect.right.Value()) - left,
                                float(spriteRect.bottom.Value()) - top);
}

bool QV_StatObjConstructor::HitTest(float x, float y) { return ContainsWindowPoint(spriteRect, x, y); }

void QV_StatObjConstructor::InitParticle(SpriteParticle& sprite) {
    sprite.position = D3DXVECTOR3(float(spriteRect.further1.Value()), float(spriteRect.further2.Value()), 0.0f);
    sprite.ComputeHalfExtents(size.Value());
    sprite.UpdateColor(*this);
    D3DXMatrixRotationZ(&turn, -float(rotation.Value()) * kSinglePi / 180.0f);
    const D3DXVECTOR3 x(1.0f, 0.0f, 0.0f), y(0.0f, 1.0f, 0.0f);
    D3DXVec3TransformCoord(&sprite.right, &x, &turn);
    D3DXVec3TransformCoord(&sprite.up, &y, &turn);
    SyncRectangle(sprite);
}

void QV_StatObjConstructor::SyncRectangle(const SpriteParticle& sprite) {
    const D3DXVECTOR3& r = sprite.right;
    const D3DXVECTOR3& u = sprite.up;
    const float hw = sprite.halfWidth, hh = sprite.halfHeight;
    const float x = sprite.position.x, y = sprite.position.y;
    const float spanX = std::fabs(r.x * hw) + std::fabs(u.x * hh);
    const float spanY = std::fabs(u.y * hh) + std::fabs(r.y * hw);
    spriteRect.left.Assign(TruncateToInt(x - spanX), nullptr);
    spriteRect.right.Assign(TruncateToInt(x + spanX), nullptr);
    spriteRect.top.Assign(TruncateToInt(y - spanY), nullptr);
    spriteRect.bottom.Assign(TruncateToInt(y + spanY), nullptr);
}

QV_ParticleSystemCtrl* QV_StatObjConstructor::Clone() const { return new QV_StatObjConstructor(*this); }
