#pragma once
// Two equal render-target textures used in turn: while one is the target the other holds the
// previous pass. The pair also keeps the surfaces that were current before it took over.
#include <d3d9.h>
#include <cstdint>

#include "base/ComHolder.h"

class RenderTargetPair {
public:
    // Sets the recorded size; a size with a 0 keeps the textures. Otherwise both textures are
    // made again and the size becomes what the device actually created.
    void Resize(uint32_t width, uint32_t height);
    // The other texture becomes the (cleared) target; returns the previous pass's texture.
    ComHolder<IDirect3DTexture9>& Flip();
    // Saves the current target and depth-stencil, then draws into source's current texture.
    void BeginRender(RenderTargetPair& source);
    void EndRender();
    void CopyFrom(IDirect3DTexture9* source, uint32_t width, uint32_t height);
    // Before a device reset: the textures go, the recorded size stays.
    void ReleaseTextures();

    const ComHolder<IDirect3DTexture9>& Current() const { return current_; }
    const ComHolder<IDirect3DTexture9>& Texture(int i) const { return textures_[i]; }
    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }
    int Index() const { return index_; }

private:
    ComHolder<IDirect3DTexture9> current_;
    ComHolder<IDirect3DTexture9> textures_[2];
    ComHolder<IDirect3DSurface9> savedTarget_;
    ComHolder<IDirect3DSurface9> savedDepthStencil_;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    int index_ = 0;
};

// A default-pool A8R8G8B8 render-target texture of one level; the holder's old one goes first.
void CreateRenderTargetTexture(ComHolder<IDirect3DTexture9>& holder, uint32_t width, uint32_t height);
// A managed copy of level 0 of source; an empty source leaves the result empty.
void CopyTexture(const ComHolder<IDirect3DTexture9>& source, uint32_t width, uint32_t height,
                 D3DFORMAT format, ComHolder<IDirect3DTexture9>& result);
// CopyTexture with side 128 * 2^n, the format left to D3DX.
void CopySquareTexture(const ComHolder<IDirect3DTexture9>& source, uint32_t n,
                       ComHolder<IDirect3DTexture9>& result);
// Back buffer 0 of the current device; all zero when there is none.
D3DSURFACE_DESC GetBackBufferDesc();
// Level 0 of source drawn into level 0 of target with triangle filtering.
void CopyLevelZero(IDirect3DTexture9* source, IDirect3DTexture9* target);
