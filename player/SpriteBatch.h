#pragma once
// What the layer draws of a sprite system, as the system hands it over: its quads, how many
// the description asks for, the picture's current frame and the optional second picture,
// and how the quads blend.
#include <d3d9.h>

#include "base/ComHolder.h"
#include "player/QV_IndexedMesh.h"
#include "player/VertexFormats.h"

struct SpriteBatch {
    QV_IndexedMesh<DX_V::PCT>& quads;
    IDirect3DTexture9* frame;  // null: nothing to draw
    UINT count;
    ComHolder<IDirect3DTexture9> second;
    int blendMode;  // 0 alpha blending, 1 additive
};
