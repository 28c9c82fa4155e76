#include "brushes/GlassBallTextures.h"

#include <d3dx9tex.h>

#include <cmath>

#include "base/CurrentDevice.h"

namespace {

constexpr int kBumpSide = 256;
constexpr int kMaskSide = 1024;
constexpr int kGradientSide = 256;
// 51200 / π in single precision: a right angle becomes 25600.
constexpr float kSlopeScale = 16297.4658203125f;

float HemisphereHeight(int x, int y) {
    const int r2 = (x - 128) * (x - 128) + (y - 128) * (y - 128);
    return r2 <= 16384 ? std::sqrt(float(16384 - r2)) : 0.0f;
}

int16_t Slope(float from, float to) { return int16_t(std::trunc(std::atan(from - to) * kSlopeScale)); }

// Level 0 of a new one-level managed texture, written row by row at its pitch.
template <class Row>
HRESULT WriteTexture(ComHolder<IDirect3DTexture9>& texture, int side, D3DFORMAT format, Row writeRow) {
    texture.Reset();
    if (!CurrentDevice ||
        FAILED(CurrentDevice->CreateTexture(side, side, 1, 0, format, D3DPOOL_MANAGED, texture.Receive(), nullptr)))
        return E_FAIL;
    D3DLOCKED_RECT locked;
    if (FAILED(texture->LockRect(0, &locked, nullptr, 0))) {
        texture.Reset();
        return E_FAIL;
    }
    for (int y = 0; y < side; ++y) writeRow(static_cast<BYTE*>(locked.pBits) + size_t(y) * locked.Pitch, y);
    texture->UnlockRect(0);
    return S_OK;
}

int Channel(uint32_t colour, int shift) { return int((colour >> shift) & 0xFF); }

int Blend(int from, int to, int y) { return int(std::trunc(float(from) + float(to - from) * float(y) / 255.0f)); }

}  // namespace

BumpTexel BallBumpTexel(int x, int y) {
    if (x == kBumpSide - 1) return {0, 0};
    const float h = HemisphereHeight(x, y);
    return {Slope(h, HemisphereHeight(x + 1, y)), Slope(h, HemisphereHeight(x, y + 1))};
}

uint8_t BallMaskAlpha(int column, int row) {
    const int r2 = (row - 512) * (row - 512) + (column - 512) * (column - 512);
    return r2 > 258064 ? 0xFF : 0x00;
}

D3DCOLOR GradientRow(uint32_t top, uint32_t bottom, int y) {
    return D3DCOLOR_ARGB(0, Blend(Channel(top, 0), Channel(bottom, 0), y), Blend(Channel(top, 8), Channel(bottom, 8), y),
                         Blend(Channel(top, 16), Channel(bottom, 16), y));
}

HRESULT CreateBumpTexture(ComHolder<IDirect3DTexture9>& texture) {
    return WriteTexture(texture, kBumpSide, D3DFMT_V16U16, [](BYTE* row, int y) {
        auto* texels = reinterpret_cast<BumpTexel*>(row);
        for (int x = 0; x < kBumpSide; ++x) texels[x] = BallBumpTexel(x, y);
    });
}

HRESULT CreateMaskTexture(ComHolder<IDirect3DTexture9>& texture) {
    return WriteTexture(texture, kMaskSide, D3DFMT_A8, [](BYTE* row, int y) {
        for (int x = 0; x < kMaskSide; ++x) row[x] = BallMaskAlpha(x, y);
    });
}

HRESULT CreateGradientTexture(uint32_t top, uint32_t bottom, ComHolder<IDirect3DTexture9>& texture) {
    return WriteTexture(texture, kGradientSide, D3DFMT_A8R8G8B8, [&](BYTE* row, int y) {
        auto* texels = reinterpret_cast<D3DCOLOR*>(row);
        const D3DCOLOR colour = GradientRow(top, bottom, y);
        for (int x = 0; x < kGradientSide; ++x) texels[x] = colour;
    });
}
