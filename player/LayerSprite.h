#pragma once
// What the layer's single-sprite drawing needs of a sprite: a step that prepares it for the
// caller's argument, and the textured quad it then shows.
#include "player/TexturedQuad.h"

class LayerSprite {
public:
    virtual ~LayerSprite() = default;
    virtual void Prepare(void* argument) = 0;

    TexturedQuad<TexVertex> quad;
};
