#include "PictureBytes.h"

#include <d3dx9.h>

namespace vgtest {

std::vector<uint8_t> MakePicture(IDirect3DDevice9* device, UINT width, UINT height,
                                 D3DXIMAGE_FILEFORMAT format, D3DCOLOR colour) {
    return MakePatternPicture(device, width, height, format, [colour](UINT, UINT) { return colour; });
}

std::vector<uint8_t> MakePatternPicture(IDirect3DDevice9* device, UINT width, UINT height,
                                        D3DXIMAGE_FILEFORMAT format, const PixelPattern& pattern) {
    std::vector<uint8_t> bytes;
    IDirect3DTexture9* texture = nullptr;
    if (FAILED(device->CreateTexture(width, height, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                                     &texture, nullptr)))
        return bytes;
    D3DLOCKED_RECT locked;
    if (SUCCEEDED(texture->LockRect(0, &locked, nullptr, 0))) {
        for (UINT y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<D3DCOLOR*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
            for (UINT x = 0; x < width; ++x) row[x] = pattern(x, y);
        }
        texture->UnlockRect(0);
    }
    ID3DXBuffer* file = nullptr;
    if (SUCCEEDED(D3DXSaveTextureToFileInMemory(&file, format, texture, nullptr))) {
        const auto* data = static_cast<const uint8_t*>(file->GetBufferPointer());
        bytes.assign(data, data + file->GetBufferSize());
        file->Release();
    }
    texture->Release();
    return bytes;
}

}  // namespace vgtest
