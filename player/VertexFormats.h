#pragma once
// The six vertex layouts the player draws with, with their fixed-function formats.
#include <d3d9.h>

namespace DX_V {
// Position, colour, one texture coordinate: particles and coloured meshes.
struct PCT {
    static constexpr DWORD kFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;
    float x, y, z;
    D3DCOLOR diffuse;
    float u, v;
};
}  // namespace DX_V

struct TexVertex {
    static constexpr DWORD kFvf = D3DFVF_XYZ | D3DFVF_TEX1;
    float x, y, z;
    float u, v;
};

struct ScreenTexVertex {
    static constexpr DWORD kFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;
    float x, y, z, rhw;
    D3DCOLOR diffuse;
    float u, v;
};

struct ScreenColourVertex {
    static constexpr DWORD kFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE;
    float x, y, z, rhw;
    D3DCOLOR diffuse;
};

struct ColourVertex {
    static constexpr DWORD kFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE;
    float x, y, z;
    D3DCOLOR diffuse;
};

struct MeshVertex {
    static constexpr DWORD kFvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;
    float x, y, z;
    float nx, ny, nz;
    float u, v;
};

static_assert(sizeof(DX_V::PCT) == 24 && sizeof(TexVertex) == 20 && sizeof(ScreenTexVertex) == 28 &&
              sizeof(ScreenColourVertex) == 20 && sizeof(ColourVertex) == 16 && sizeof(MeshVertex) == 32);
