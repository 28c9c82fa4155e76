#pragma once
// Picture files made at test time with D3DX: a solid colour or a pattern at a given size,
// saved in a format.
#include <d3d9.h>
#include <d3dx9tex.h>
#include <cstdint>
#include <functional>
#include <vector>

namespace vgtest {

// The ARGB colour of pixel (x, y).
using PixelPattern = std::function<D3DCOLOR(UINT x, UINT y)>;

std::vector<uint8_t> MakePicture(IDirect3DDevice9* device, UINT width, UINT height,
                                 D3DXIMAGE_FILEFORMAT format, D3DCOLOR colour);
std::vector<uint8_t> MakePatternPicture(IDirect3DDevice9* device, UINT width, UINT height,
                                        D3DXIMAGE_FILEFORMAT format, const PixelPattern& pattern);

}  // namespace vgtest
