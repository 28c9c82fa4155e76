#pragma once
// Picture files made at test time with D3DX: a solid colour at a given size, saved in a format.
#include <d3d9.h>
#include <d3dx9tex.h>
#include <cstdint>
#include <functional>
#include <vector>

namespace vgtest {

std::vector<uint8_t> MakePicture(IDirect3DDevice9* device, UINT width, UINT height,
                                 D3DXIMAGE_FILEFORMAT format, D3DCOLOR colour);
// The same with each pixel's colour (ARGB) from its position.
std::vector<uint8_t> MakePicture(IDirect3DDevice9* device, UINT width, UINT height,
                                 D3DXIMAGE_FILEFORMAT format, const std::function<D3DCOLOR(UINT x, UINT y)>& colour);

}  // namespace vgtest
