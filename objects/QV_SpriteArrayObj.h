#pragma once
// The runtime object of every sprite system: the description's clone, its sprites and quads,
// the frames of its picture and the optional second picture. The render surface draws it
// (QV_2D_Light::DrawSpriteArray).
#include <windows.h>

#include "base/ComHolder.h"
#include "document/QV_ABObj.h"
#include "objects/AnimatedTexture.h"
#include "objects/ParticleGeomArray.h"
#include "player/SpriteBatch.h"

class QV_BaseSpriteProp;

class QV_SpriteArrayObj : public QV_ABObj, public AnimatedTexture<ParticleGeomArray> {
public:
    // Takes ownership of the clone; its picture's frames are looked up now and its sprites
    // made for its count.
    explicit QV_SpriteArrayObj(QV_BaseSpriteProp* description);

    void Render(QV_2D_Light& layer) override;
    void Hook(void* first, void* second) override;
    void OnScreenChanged() override;
    bool NeedsBackground() override;
    int GetKind() override;
    bool HitTest(POINT point) override;
    // Moves the sprites, steps a multi-frame image, and rewrites the quads unless they only
    // follow frame switches and none happened.
    void Update(float localTime) override;

    // The second picture, or null; the holder carries its own reference.
    ComHolder<IDirect3DTexture9> GetSecondaryTexture() const { return secondTexture_; }
    // What the layer draws: the quads with the current frame, the count and the blending.
    SpriteBatch Batch();

private:
    ComHolder<IDirect3DTexture9> secondTexture_;
};
