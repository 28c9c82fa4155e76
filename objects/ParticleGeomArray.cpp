#include "objects/ParticleGeomArray.h"

#include <utility>

#include "objects/QV_BaseSpriteProp.h"

void ParticleGeomArray::Bind(QV_BaseSpriteProp* description) {
    description_ = description;
    ConnectParamObserver(observers_, &ParticleGeomArray::OnCountChanged, description->count);
}

void ParticleGeomArray::OnCountChanged(unsigned int n) {
    if (n == 0) return;
    CreateQuads(n);
    quadsBuilt_ = false;
    QV_BaseSpriteProp& d = *description_;
    while (sprites_.size() < n) {
        SpriteParticle sprite;
        sprite.Init(d);
        sprite.InitPulse(d);
        sprites_.push_back(sprite);
        d.InitParticle(sprites_.back());
    }
}

void ParticleGeomArray::Update(float localTime) {
    StepClocks(localTime);
    MoveSprites(true);
}

void ParticleGeomArray::StepClocks(float localTime) {
    description_->StepTime(localTime);
    description_->speed.Advance(localTime);
}

// Each quad is written right after its sprite moved, while the sprite is still in the cache:
// a large system is walked once a frame instead of twice. A quad depends on its own sprite
// and the description's clocks only, so the quads are those BuildQuads writes after the moves.
void ParticleGeomArray::MoveSprites(bool writeQuads) {
    QV_BaseSpriteProp& d = *description_;
    const bool writing = writeQuads && BeginQuads(d);
    const size_t quads = writing ? d.count.Value() : 0;
    for (size_t i = 0; i < sprites_.size(); ++i) {
        d.UpdateParticle(sprites_[i]);
        if (i < quads) WriteQuad(UINT(i), sprites_[i], d);
    }
    if (writing) EndQuads();
}

void ParticleGeomArray::BuildQuads(QV_BaseSpriteProp& d) {
    if (!BeginQuads(d)) return;
    for (UINT i = 0; i < d.count.Value(); ++i) WriteQuad(i, sprites_[i], d);
    EndQuads();
}

bool ParticleGeomArray::BeginQuads(QV_BaseSpriteProp& d) {
    const unsigned int count = d.count.Value();
    if (vertexCount / 4 != count || count > sprites_.size()) return false;
    if (!Lock()) return false;
    if (d.sheet) StepSheetFrame(d);
    return true;
}

void ParticleGeomArray::EndQuads() {
    Unlock();
    quadsBuilt_ = true;
}

void ParticleGeomArray::StepSheetFrame(QV_BaseSpriteProp& d) {
    const float now = d.ScaledTime();
    if (1.0f / d.frameRate < now - lastSheetSwitch_) {
        sheetFrame_ = d.NextFrame(sheetFrame_);
        lastSheetSwitch_ = now;
    } else if (lastSheetSwitch_ > now) {
        lastSheetSwitch_ = 0.0f;  // the clock went back
    }
}

void ParticleGeomArray::WriteQuad(UINT i, const SpriteParticle& sprite, QV_BaseSpriteProp& d) {
    const D3DXVECTOR3 c = sprite.GetCorner();
    const D3DXVECTOR3 r = 2.0f * sprite.halfWidth * sprite.right;
    const D3DXVECTOR3 u = 2.0f * sprite.halfHeight * sprite.up;
    const D3DXVECTOR3 corners[4] = {c + u, c, c + r + u, c + r};
    const D3DCOLOR colour = d.ApplyTimeLineAlpha(sprite.colour);
    std::pair<float, float> vRange{sprite.va, sprite.vb};
    std::pair<float, float> uRange{sprite.ua, sprite.ub};
    if (d.sheet) {
        const float step = 1.0f / float(d.frameCount);
        uRange = {float(sheetFrame_) * step, float(sheetFrame_ + 1) * step};
    }
    if (d.flipVertical.Value()) std::swap(vRange.first, vRange.second);
    if (d.flipHorizontal.Value()) std::swap(uRange.first, uRange.second);
    // Vertex 0 (u start, v end), 1 (u start, v start), 2 (u end, v end), 3 (u end, v start).
    // Each vertex is stored once and whole: the buffer's lines were just read by the
    // device's thread, and every store to them costs.
    const float us[4] = {uRange.first, uRange.first, uRange.second, uRange.second};
    const float vs[4] = {vRange.second, vRange.first, vRange.second, vRange.first};
    DX_V::PCT* quad = locked + 4 * i;
    for (int k = 0; k < 4; ++k) quad[k] = {corners[k].x, corners[k].y, corners[k].z, colour, us[k], vs[k]};
    quadCoverage.Record(i, corners);
}
