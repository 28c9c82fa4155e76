#include "objects/QV_FlowConstructor.h"

#include <algorithm>
#include <cmath>

#include "document/FieldArchive.h"
#include "document/NumericHelpers.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"

namespace {

// +1 or -1 by the sign bit, so that -0 counts as leftward or upward.
float SignOf(float value) { return std::signbit(value) ? -1.0f : 1.0f; }

}  // namespace

QV_FlowConstructor::QV_FlowConstructor() {
    driftAmplitude.SetScale(kDriftAmplitudeScale);
    driftAmplitude.OnParamChanged(nullptr);
    driftRate.SetScale(kDriftRateScale);
    driftRate.OnParamChanged(nullptr);
    ConnectDirection();
}

void QV_FlowConstructor::ConnectDirection() {
    observers_.SetTarget(this);
    ConnectParamObserver(observers_, &QV_FlowConstructor::OnDirectionChanged, angle);
    for (int i = 0; i < 4; ++i) edges[i].SetEdge(i);
}

void QV_FlowConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_FlowConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_FlowConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_FlowConstructor", kRecordVersion));
}

void QV_FlowConstructor::Fields(FieldArchive ar) {
    ar.Param(angle);
    ar.Param(driftAmplitude);
    ar.Param(driftRate);
    ar.Value(flowSpeed);
    if (ar.Version() == 2) {
        // Version 2 stores only whether the sprites lie along the flow.
        long alongFlow = 0;
        ar.Value(alongFlow);
        orientation.SetSilently(alongFlow != 0 ? kAlongFlow : kUpright);
    } else if (ar.Version() >= 3) {
        ar.Param(orientation);
    }
    if (ar.Version() >= 4)
        for (QV_BoundControl& edge : edges) edge.TaggedFields(ar);
    QV_BaseSpriteProp::TaggedFields(ar);
}

void QV_FlowConstructor::OnDirectionChanged(unsigned int degrees) {
    // The difference is taken as a signed number, so angles above 360 turn the other way.
    D3DXMatrixRotationZ(&rotation, DegreesToRadians(float(int(360 - degrees))));
    const D3DXVECTOR4 along(flowSpeed, 0.0f, 0.0f, 0.0f), across(0.0f, 1.0f, 0.0f, 0.0f);
    D3DXVec4Transform(&flow, &along, &rotation);
    D3DXVec4Transform(&side, &across, &rotation);
}

void QV_FlowConstructor::ApplyOrientation(SpriteParticle& sprite) {
    sprite.ComputeHalfExtents(size.Value());
    sprite.UpdateColor(*this);
    const D3DXVECTOR3 x(1.0f, 0.0f, 0.0f), y(0.0f, 1.0f, 0.0f);
    if (orientation.Value() == kAlongFlow) {
        D3DXVec3TransformCoord(&sprite.right, &x, &rotation);
        D3DXVec3TransformCoord(&sprite.up, &y, &rotation);
    } else if (orientation.Value() == kUpright) {
        sprite.right = x;
        sprite.up = y;
    }
}

void QV_FlowConstructor::InitParticle(SpriteParticle& sprite) {
    sprite.motion[2] = 2.0f * SharedRandom::NextUnit() - 1.0f;
    sprite.factor = D3DXVECTOR3(1.0f, 1.0f, 0.0f);
    sprite.motion[0] = sprite.motion[1] = 0.0f;
    sprite.position = RandomPointInRect();
    ApplyOrientation(sprite);
}

void QV_FlowConstructor::UpdateParticle(SpriteParticle& sprite) {
    const float d = sprite.motion[2], a = driftAmplitude.Result();
    const float vx = (side.x * d * a + flow.x * sprite.factor.x) * sprite.scale;
    const float vy = (flow.y * sprite.factor.y + side.y * d * a) * sprite.scale;
    if (!sprite.frozen) {
        sprite.position.x += ScaledStep() * vx;
        sprite.position.y += ScaledStep() * vy;
    }
    const PixelSides area = GetPixelSides();
    for (QV_BoundControl& edge : edges)
        if (edge.React(sprite, *this, area)) break;
    if (orientation.Value() == kMirrorLeftward) {
        sprite.right = D3DXVECTOR3(SignOf(vx), 0.0f, 0.0f);
        sprite.up = D3DXVECTOR3(0.0f, 1.0f, 0.0f);
    } else if (orientation.Value() == kMirrorUpward) {
        sprite.right = D3DXVECTOR3(1.0f, 0.0f, 0.0f);
        sprite.up = D3DXVECTOR3(0.0f, SignOf(vy), 0.0f);
    }
    // A rate of 0 makes 1 / r infinite: the drift never changes.
    if (1.0f / driftRate.Result() < ScaledTime() - sprite.lastChange) {
        sprite.lastChange = ScaledTime();
        if (SharedRandom::Next() % 2) sprite.motion[2] = RandomRange(-1.0f, 1.0f);
    }
    sprite.UpdateColor(*this);
}

unsigned int QV_FlowConstructor::GetCount() {
    const unsigned int n = count.Value();
    if (n <= 1) return n;
    // An opacity above 1 or not a number must not draw more sprites than there are.
    const float opacity = TimeLine().GetOpacity();
    if (!(opacity > 0.0f)) return 0;
    return opacity >= 1.0f ? n : std::min(n, unsigned(opacity * float(n)));
}

QV_ParticleSystemCtrl* QV_FlowConstructor::Clone() const { return new QV_FlowConstructor(*this); }
