#pragma once
// Picture files made at test time with D3DX: a solid colour at a given size, saved in a format.
#include <d3d9.h>
#include <d3dx9tex.h>
#include <cstdint>
#include <vector>

namespace vgtest {

std::vector<uint8_t> MakePicture(IDirect3DDevice9* device, UINT width, UINT height,
                                 D3DXIMAGE_FILEFORMAT format, D3DCOLOR colour);

}  // namespace vgtest
