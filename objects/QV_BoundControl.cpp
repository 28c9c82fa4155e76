#include "objects/QV_BoundControl.h"

#include <algorithm>

#include "document/FieldArchive.h"
#include "document/SharedRandom.h"
#include "objects/QV_BaseSpriteProp.h"
#include "objects/SpriteParticle.h"

namespace {

constexpr float kSecondsPerMillisecond = 0.001f;

// The change of alpha over a step of dt in a fade of `milliseconds` (not 0).
float FadeStep(float dt, unsigned int milliseconds) { return dt * 1000.0f / float(milliseconds); }

}  // namespace

void QV_BoundControl::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_BoundControl::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_BoundControl", kRecordVersion)); }

void QV_BoundControl::Fields(FieldArchive ar) {
    ar.Param(mode);
    for (auto* time : {&fadeOutTime, &fadeInTime, &minDelay, &maxDelay}) ar.Param(*time);
}

void QV_BoundControl::SetEdge(int edge) { edge_ = edge; }

bool QV_BoundControl::React(SpriteParticle& sprite, const QV_BaseSpriteProp& flow, const PixelSides& area) {
    if (sprite.owningEdge == -1) return FirstReaction(sprite, flow, area);
    if (sprite.owningEdge != edge_) return false;
    Continue(sprite, flow, area);
    return true;
}

QV_BoundControl::Axis QV_BoundControl::AxisOf(SpriteParticle& sprite, const PixelSides& area) const {
    if (edge_ == kLeft || edge_ == kRight)
        return {sprite.position.x, sprite.halfWidth, sprite.factor.x, area.left, area.right};
    return {sprite.position.y, sprite.halfHeight, sprite.factor.y, area.top, area.bottom};
}

bool QV_BoundControl::Outside(const SpriteParticle& sprite, const PixelSides& area) const {
    switch (edge_) {
        case kBottom:
            return sprite.IsBelowArea(area);
        case kLeft:
            return sprite.IsLeftOfArea(area);
        case kRight:
            return sprite.IsRightOfArea(area);
        default:
            return sprite.IsAboveArea(area);
    }
}

bool QV_BoundControl::Crossing(const SpriteParticle& sprite, const PixelSides& area) const {
    switch (edge_) {
        case kBottom:
            return sprite.CrossesBottom(area);
        case kLeft:
            return sprite.CrossesLeft(area);
        case kRight:
            return sprite.CrossesRight(area);
        default:
            return sprite.CrossesTop(area);
    }
}

bool QV_BoundControl::FirstReaction(SpriteParticle& sprite, const QV_BaseSpriteProp& flow, const PixelSides& area) {
    const int current = mode.Value();
    const bool outside = Outside(sprite, area);
    if (current == kWrap && outside) {
        if (!(sprite.alpha > 0.0f)) PlaceBeyondOppositeEdge(sprite, area);
    } else if (current == kBounce && Crossing(sprite, area)) {
        AxisOf(sprite, area).factor *= -1.0f;
    } else if (current == kHoldOutside && outside) {
        AxisOf(sprite, area).factor *= -1.0f;
        sprite.delayDeadline = flow.ScaledTime() + RandomDelay();
        sprite.delayTimer = flow.ScaledTime();
        sprite.frozen = true;
    } else {
        return false;
    }
    sprite.owningEdge = edge_;
    return true;
}

void QV_BoundControl::PlaceBeyondOppositeEdge(SpriteParticle& sprite, const PixelSides& area) const {
    switch (edge_) {
        case kBottom:
            sprite.position.y = area.top - sprite.halfHeight + 1.0f;
            break;
        case kLeft:
            sprite.position.x = area.right + sprite.halfWidth - 1.0f;
            break;
        case kRight:
            sprite.position.x = area.left - sprite.halfWidth + 1.0f;
            break;
        default:
            sprite.position.y = area.bottom + sprite.halfHeight - 1.0f;
    }
    if (edge_ == kLeft || edge_ == kRight)
        sprite.position.y = RandomRange(area.top, area.bottom);
    else
        sprite.position.x = RandomRange(area.left, area.right);
    sprite.reentry = 1;
}

void QV_BoundControl::Continue(SpriteParticle& sprite, const QV_BaseSpriteProp& flow, const PixelSides& area) {
    switch (mode.Value()) {
        case kWrap:
            if (sprite.reentry)
                ComeBack(sprite, flow);
            else
                FadeOut(sprite, flow);
            break;
        case kBounce:
            Bounce(sprite, area);
            break;
        case kHoldOutside:
            HoldOutside(sprite, flow, area);
            break;
    }
}

void QV_BoundControl::FadeOut(SpriteParticle& sprite, const QV_BaseSpriteProp& flow) const {
    if (sprite.alpha > 0.0f) {
        const unsigned int time = fadeOutTime.Value();
        sprite.alpha = time == 0 ? 0.0f : std::max(0.0f, sprite.alpha - FadeStep(flow.ScaledStep(), time));
        return;
    }
    // Faded out: free again, frozen until the pause is over; the next first reaction finds
    // the sprite outside with alpha 0 and places it beyond the opposite edge.
    sprite.owningEdge = -1;
    sprite.delayDeadline = flow.ScaledTime() + RandomDelay();
    sprite.frozen = true;
    sprite.delayTimer = flow.ScaledTime();
}

void QV_BoundControl::ComeBack(SpriteParticle& sprite, const QV_BaseSpriteProp& flow) {
    sprite.delayTimer += flow.ScaledStep();
    if (!(sprite.delayDeadline < sprite.delayTimer)) return;
    sprite.frozen = false;
    if (sprite.alpha < 1.0f) {
        const unsigned int time = fadeInTime.Value();
        sprite.alpha = time == 0 ? 1.0f : std::min(1.0f, sprite.alpha + FadeStep(flow.ScaledStep(), time));
        return;
    }
    sprite.owningEdge = -1;
    sprite.reentry = 0;
}

void QV_BoundControl::Bounce(SpriteParticle& sprite, const PixelSides& area) {
    Axis axis = AxisOf(sprite, area);
    if (axis.position > axis.high - axis.halfExtent) axis.position = axis.high - axis.halfExtent - 1.0f;
    if (axis.position < axis.low + axis.halfExtent) axis.position = axis.low + axis.halfExtent + 1.0f;
    if (!Crossing(sprite, area)) sprite.owningEdge = -1;
}

void QV_BoundControl::HoldOutside(SpriteParticle& sprite, const QV_BaseSpriteProp& flow, const PixelSides& area) {
    Axis axis = AxisOf(sprite, area);
    if (axis.position > axis.high + axis.halfExtent) axis.position = axis.high + axis.halfExtent - 1.0f;
    if (axis.position < axis.low - axis.halfExtent) axis.position = axis.low - axis.halfExtent + 1.0f;
    sprite.delayTimer += flow.ScaledStep();
    if (!(sprite.delayDeadline < sprite.delayTimer)) return;
    sprite.frozen = false;
    if (!Outside(sprite, area)) sprite.owningEdge = -1;
}

float QV_BoundControl::RandomDelay() const {
    return RandomRange(float(minDelay.Value()) * kSecondsPerMillisecond, float(maxDelay.Value()) * kSecondsPerMillisecond);
}
