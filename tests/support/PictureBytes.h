#pragma once
// Picture files made at test time with D3DX, saved in a format: a solid colour, or a colour
// per pixel.
#include <d3d9.h>
#include <d3dx9tex.h>
#include <cstdint>
#include <functional>
#include <vector>

namespace vgtest {

std::vector<uint8_t> MakePicture(IDirect3DDevice9* device, UINT width, UINT height,
                                 D3DXIMAGE_FILEFORMAT format, D3DCOLOR colour);
std::vector<uint8_t> MakePicture(IDirect3DDevice9* device, UINT width, UINT height,
                                 D3DXIMAGE_FILEFORMAT format,
                                 const std::function<D3DCOLOR(UINT x, UINT y)>& colourAt);

}  // namespace vgtest
