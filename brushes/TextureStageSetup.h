#pragma once
// A texture stage's colour and alpha operations as data, applied in one call, so that every
// pass of an effect background states the whole stage it draws with.
#include <d3d9.h>

struct TextureStageSetup {
    D3DTEXTUREOP colourOp;
    DWORD colourArg1;
    DWORD colourArg2;
    D3DTEXTUREOP alphaOp;
    DWORD alphaArg1;
    DWORD alphaArg2 = D3DTA_CURRENT;
};

// The layers' resting stage 0: the texture's colour and alpha alone.
constexpr TextureStageSetup kTextureAlone{D3DTOP_SELECTARG1, D3DTA_TEXTURE, D3DTA_CURRENT, D3DTOP_SELECTARG1,
                                         D3DTA_TEXTURE};
// The texture tinted by the vertex colour, alpha times alpha: sprites and glyphs.
constexpr TextureStageSetup kTextureTimesDiffuse{D3DTOP_MODULATE, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_MODULATE,
                                                D3DTA_TEXTURE, D3DTA_DIFFUSE};
// A stage that ends the cascade.
constexpr TextureStageSetup kStageOff{D3DTOP_DISABLE, D3DTA_TEXTURE, D3DTA_CURRENT, D3DTOP_DISABLE, D3DTA_TEXTURE};

// Sets the stage's operations and arguments on CurrentDevice.
void ApplyTextureStage(DWORD stage, const TextureStageSetup& setup);
