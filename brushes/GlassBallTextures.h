#pragma once
// The glass ball's generated textures: the bump map of a hemisphere, the round mask and the
// backdrop gradient. Each texel's value is a function of its own, so it is checked without a
// device.
#include <d3d9.h>
#include <cstdint>

#include "base/ComHolder.h"

struct BumpTexel {
    int16_t u;
    int16_t v;
};

// The hemisphere of radius 128 over the 256 × 256 map: its slopes to the right and downwards
// as angles scaled to 16-bit values; the last column is flat.
BumpTexel BallBumpTexel(int x, int y);
// The 1024 × 1024 mask: opaque outside the disc of radius 508 about the centre, clear inside.
uint8_t BallMaskAlpha(int column, int row);
// Row y (0 at the top, 255 at the bottom) of the gradient between two stored colours (red in
// the low byte), as ARGB with alpha 0.
D3DCOLOR GradientRow(uint32_t top, uint32_t bottom, int y);

// Managed textures of one level on CurrentDevice. A texture the device cannot make leaves the
// holder empty and returns the failure.
HRESULT CreateBumpTexture(ComHolder<IDirect3DTexture9>& texture);
HRESULT CreateMaskTexture(ComHolder<IDirect3DTexture9>& texture);
// One level only, so a minified backdrop never samples levels nobody wrote.
HRESULT CreateGradientTexture(uint32_t top, uint32_t bottom, ComHolder<IDirect3DTexture9>& texture);
