#pragma once
// The sprites of a sprite system and their quads: quad q of the indexed mesh is sprite q of
// the list. The list grows with the description's count and never shrinks; the quads are
// rewritten in place in the locked buffer, so steady frames allocate nothing.
#include <vector>

#include "document/ParamObserverList.h"
#include "objects/SpriteParticle.h"
#include "player/QV_IndexedMesh.h"
#include "player/VertexFormats.h"

class QV_BaseSpriteProp;

class ParticleGeomArray : public QV_SpriteArrayT<DX_V::PCT> {
public:
    ParticleGeomArray() { observers_.SetTarget(this); }
    ParticleGeomArray(const ParticleGeomArray&) = delete;
    ParticleGeomArray& operator=(const ParticleGeomArray&) = delete;

    // Follows the description's count from now on; connecting creates the sprites.
    void Bind(QV_BaseSpriteProp* description);
    // Buffers for n quads and sprites up to n, each placed by the emitter.
    void OnCountChanged(unsigned int n);
    // The description's clocks, then every sprite of the list moved by one frame and its
    // quad written in the same pass.
    void Update(float localTime);
    void StepClocks(float localTime);
    // Every sprite moved by one frame; with writeQuads the quads too, as BuildQuads writes
    // them, in the same pass.
    void MoveSprites(bool writeQuads);
    // Writes the first count quads from the sprites; nothing while the buffers do not match
    // the count or will not lock. A sprite sheet steps its frame here.
    void BuildQuads(QV_BaseSpriteProp& d);

    QV_BaseSpriteProp* SpriteDescription() const { return description_; }
    std::vector<SpriteParticle>& Sprites() { return sprites_; }
    const std::vector<SpriteParticle>& Sprites() const { return sprites_; }
    int SheetFrame() const { return sheetFrame_; }
    // Quads were written since the buffers were last made.
    bool QuadsBuilt() const { return quadsBuilt_; }

private:
    // Locks the buffers for writing count quads and steps the sheet frame; false (nothing
    // locked) while the buffers do not match the count or will not lock.
    bool BeginQuads(QV_BaseSpriteProp& d);
    void EndQuads();
    // The sheet frame all quads of this build show.
    void StepSheetFrame(QV_BaseSpriteProp& d);
    void WriteQuad(UINT i, const SpriteParticle& sprite, QV_BaseSpriteProp& d);

    QV_BaseSpriteProp* description_ = nullptr;
    ParamObserverList<ParticleGeomArray> observers_;
    std::vector<SpriteParticle> sprites_;
    float lastSheetSwitch_ = 0.0f;
    int sheetFrame_ = 0;
    bool quadsBuilt_ = false;
};
