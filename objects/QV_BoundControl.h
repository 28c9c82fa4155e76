#pragma once
// What a flow's sprite does at one edge of the flow's rectangle: fade out and come back in at
// the opposite edge after a random pause (wrap), bounce back in (bounce), or wait outside for
// a random pause and turn back (hold outside). While an edge handles a sprite it owns it, and
// no other edge looks at that sprite.
#include <cstdint>

#include "document/MediaParamT.h"
#include "document/PixelSides.h"
#include "document/QV_IOF_Item.h"
#include "objects/SpriteParticle.h"

class FieldArchive;
class QV_BaseSpriteProp;

class QV_BoundControl : public QV_IOF_Item {
public:
    enum Edge { kTop = 0, kBottom = 1, kLeft = 2, kRight = 3 };
    enum Mode { kWrap = 0, kBounce = 1, kHoldOutside = 2 };
    static constexpr uint32_t kRecordVersion = 1;

    QV_BoundControl() = default;
    QV_BoundControl(const QV_BoundControl&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // The section: tag, version (not looked at), mode and the four times.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // Which edge this is; an edge outside 1 to 3 acts as the top edge.
    void SetEdge(int edge);
    // Once per sprite and frame, edges in order until one answers true: continues the
    // reaction of the edge that owns the sprite, or starts one when no edge owns it. `area`
    // is the flow's rectangle in pixels, read once for all four edges.
    bool React(SpriteParticle& sprite, const QV_BaseSpriteProp& flow, const PixelSides& area);

    int EdgeIndex() const { return edge_; }

    MediaParamT<int> mode;
    MediaParamT<unsigned int> fadeOutTime;  // milliseconds
    MediaParamT<unsigned int> fadeInTime;
    MediaParamT<unsigned int> minDelay;
    MediaParamT<unsigned int> maxDelay;

private:
    // The sprite's position, half extent and factor on this edge's axis, and the area's
    // bounds there.
    struct Axis {
        float& position;
        float halfExtent;
        float& factor;
        float low, high;
    };

    Axis AxisOf(SpriteParticle& sprite, const PixelSides& area) const;
    // The whole sprite lies beyond this edge; it reaches over it.
    bool Outside(const SpriteParticle& sprite, const PixelSides& area) const;
    bool Crossing(const SpriteParticle& sprite, const PixelSides& area) const;
    bool FirstReaction(SpriteParticle& sprite, const QV_BaseSpriteProp& flow, const PixelSides& area);
    void Continue(SpriteParticle& sprite, const QV_BaseSpriteProp& flow, const PixelSides& area);
    void PlaceBeyondOppositeEdge(SpriteParticle& sprite, const PixelSides& area) const;
    void FadeOut(SpriteParticle& sprite, const QV_BaseSpriteProp& flow) const;
    void ComeBack(SpriteParticle& sprite, const QV_BaseSpriteProp& flow);
    void Bounce(SpriteParticle& sprite, const PixelSides& area);
    void HoldOutside(SpriteParticle& sprite, const QV_BaseSpriteProp& flow, const PixelSides& area);
    // RandomRange(min delay, max delay) in seconds of scaled time.
    float RandomDelay() const;

    int edge_ = -1;  // until SetEdge it tests like the top edge
};
