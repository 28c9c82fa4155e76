#include "player/ScreenSpriteArray.h"

#include <algorithm>

HRESULT ScreenSpriteChunk::BuildQuads(UINT k) {
    HRESULT hr = CreateQuads(k);
    if (FAILED(hr)) return hr;
    ScreenTexVertex* v = Lock();
    if (!v) return E_FAIL;
    const float uv[4][2] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}};
    for (UINT i = 0; i < 4 * k; ++i) v[i] = {0, 0, 0, 1, 0, uv[i % 4][0], uv[i % 4][1]};
    Unlock();
    return S_OK;
}

void ScreenSpriteChunk::SetQuadUV(float u0, float u1, float v0, float v1, UINT i) {
    if (!locked || i >= vertexCount / 4) return;
    ScreenTexVertex* q = locked + 4 * i;
    q[0].u = u0, q[0].v = v1;
    q[1].u = u0, q[1].v = v0;
    q[2].u = u1, q[2].v = v1;
    q[3].u = u1, q[3].v = v0;
}

ScreenSpriteArray::ScreenSpriteArray() : chunks_(1) {}

void ScreenSpriteArray::Resize(UINT n) {
    const size_t count = std::max<size_t>(1, (size_t(n) + ScreenSpriteChunk::kMaxQuads - 1) / ScreenSpriteChunk::kMaxQuads);
    chunks_.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const UINT first = UINT(i) * ScreenSpriteChunk::kMaxQuads;
        chunks_[i].BuildQuads(std::min(ScreenSpriteChunk::kMaxQuads, n - std::min(n, first)));
    }
    for (ScreenSpriteChunk& chunk : chunks_) chunk.texture = chunks_[0].texture;
    quads_ = n;
}

void ScreenSpriteArray::LockAll() {
    for (ScreenSpriteChunk& chunk : chunks_) chunk.Lock();
}

void ScreenSpriteArray::UnlockAll() {
    for (ScreenSpriteChunk& chunk : chunks_) chunk.Unlock();
}

ScreenTexVertex* ScreenSpriteArray::QuadVertices(UINT i) {
    if (i >= quads_) return nullptr;
    ScreenSpriteChunk& chunk = chunks_[i / ScreenSpriteChunk::kMaxQuads];
    return chunk.locked ? chunk.locked + 4 * (i % ScreenSpriteChunk::kMaxQuads) : nullptr;
}

void ScreenSpriteArray::SetQuad(UINT i, const D3DXVECTOR3& c, const D3DXVECTOR3& r, const D3DXVECTOR3& u) {
    ScreenTexVertex* q = QuadVertices(i);
    if (!q) return;
    const D3DXVECTOR3 corners[4] = {c - r + u, c - r - u, c + r + u, c + r - u};
    for (int k = 0; k < 4; ++k) {
        q[k].x = corners[k].x;
        q[k].y = corners[k].y;
        q[k].z = corners[k].z;
        q[k].rhw = 1.0f;
    }
}

void ScreenSpriteArray::SetQuadColour(UINT i, D3DCOLOR colour) {
    ScreenTexVertex* q = QuadVertices(i);
    if (!q) return;
    for (int k = 0; k < 4; ++k) q[k].diffuse = colour;
}

void ScreenSpriteArray::SetQuadUV(UINT i, float u0, float u1, float v0, float v1) {
    if (i >= quads_) return;
    chunks_[i / ScreenSpriteChunk::kMaxQuads].SetQuadUV(u0, u1, v0, v1, i % ScreenSpriteChunk::kMaxQuads);
}

void ScreenSpriteArray::SetTexture(const ComHolder<IDirect3DTexture9>& texture) {
    for (ScreenSpriteChunk& chunk : chunks_) chunk.texture = texture;
}

void ScreenSpriteArray::Draw() {
    IDirect3DDevice9* device = CurrentDevice;
    for (ScreenSpriteChunk& chunk : chunks_) {
        if (!chunk.vertexBuffer || !chunk.indexBuffer) continue;
        device->SetTexture(0, chunk.texture.Get());
        device->SetIndices(chunk.indexBuffer.Get());
        chunk.SetStream();
        device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, chunk.vertexCount, 0, chunk.triangleCount);
    }
}
