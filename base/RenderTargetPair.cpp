#include "base/RenderTargetPair.h"

#include <d3dx9.h>

#include "base/CurrentDevice.h"

namespace {

ComHolder<IDirect3DSurface9> LevelZero(IDirect3DTexture9* texture) {
    ComHolder<IDirect3DSurface9> surface;
    if (texture) texture->GetSurfaceLevel(0, surface.Receive());
    return surface;
}

}  // namespace

void CreateRenderTargetTexture(ComHolder<IDirect3DTexture9>& holder, uint32_t width, uint32_t height) {
    holder.Reset();
    CurrentDevice->CreateTexture(width, height, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8,
                                 D3DPOOL_DEFAULT, holder.Receive(), nullptr);
}

void CopyLevelZero(IDirect3DTexture9* source, IDirect3DTexture9* target) {
    ComHolder<IDirect3DSurface9> from = LevelZero(source);
    ComHolder<IDirect3DSurface9> to = LevelZero(target);
    if (from && to)
        D3DXLoadSurfaceFromSurface(to.Get(), nullptr, nullptr, from.Get(), nullptr, nullptr,
                                   D3DX_FILTER_TRIANGLE, 0);
}

void CopyTexture(const ComHolder<IDirect3DTexture9>& source, uint32_t width, uint32_t height,
                 D3DFORMAT format, ComHolder<IDirect3DTexture9>& result) {
    if (!source) return;
    if (FAILED(D3DXCreateTexture(CurrentDevice, width, height, 0, 0, format, D3DPOOL_MANAGED,
                                 result.Receive())))
        return;
    CopyLevelZero(source.Get(), result.Get());
}

void CopySquareTexture(const ComHolder<IDirect3DTexture9>& source, uint32_t n,
                       ComHolder<IDirect3DTexture9>& result) {
    const uint32_t side = 128u << n;
    CopyTexture(source, side, side, D3DFMT_UNKNOWN, result);
}

D3DSURFACE_DESC GetBackBufferDesc() {
    D3DSURFACE_DESC desc = {};
    ComHolder<IDirect3DSurface9> backBuffer;
    if (CurrentDevice &&
        SUCCEEDED(CurrentDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, backBuffer.Receive())))
        backBuffer->GetDesc(&desc);
    return desc;
}

void RenderTargetPair::Resize(uint32_t width, uint32_t height) {
    width_ = width;
    height_ = height;
    if (width == 0 || height == 0) return;
    ReleaseTextures();
    CreateRenderTargetTexture(textures_[0], width, height);
    CreateRenderTargetTexture(textures_[1], width, height);
    current_ = textures_[index_];
    D3DSURFACE_DESC desc;
    if (current_ && SUCCEEDED(current_->GetLevelDesc(0, &desc))) {
        width_ = desc.Width;
        height_ = desc.Height;
    }
}

ComHolder<IDirect3DTexture9>& RenderTargetPair::Flip() {
    index_ = (index_ + 1) % 2;
    current_ = textures_[index_];
    ComHolder<IDirect3DSurface9> target = LevelZero(current_.Get());
    CurrentDevice->SetRenderTarget(0, target.Get());
    CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    return textures_[1 - index_];
}

void RenderTargetPair::BeginRender(RenderTargetPair& source) {
    CurrentDevice->GetRenderTarget(0, savedTarget_.Receive());
    CurrentDevice->GetDepthStencilSurface(savedDepthStencil_.Receive());
    ComHolder<IDirect3DSurface9> target = LevelZero(source.current_.Get());
    CurrentDevice->SetRenderTarget(0, target.Get());
    CurrentDevice->SetDepthStencilSurface(nullptr);
}

void RenderTargetPair::EndRender() {
    CurrentDevice->SetRenderTarget(0, savedTarget_.Get());
    CurrentDevice->SetDepthStencilSurface(savedDepthStencil_.Get());
    savedTarget_.Reset();
    savedDepthStencil_.Reset();
}

void RenderTargetPair::CopyFrom(IDirect3DTexture9* source, uint32_t width, uint32_t height) {
    Resize(width, height);
    if (!source) return;
    width_ = width;
    height_ = height;
    CopyLevelZero(source, current_.Get());
}

void RenderTargetPair::ReleaseTextures() {
    current_.Reset();
    textures_[0].Reset();
    textures_[1].Reset();
}
