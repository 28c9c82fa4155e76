#pragma once
// Screen-space sprites in chunks of at most 16383 quads, so that 16-bit indices reach every
// vertex of a chunk.
#include <d3dx9math.h>

#include <vector>

#include "player/QV_IndexedMesh.h"

class ScreenSpriteChunk : public QV_SpriteArrayT<ScreenTexVertex> {
public:
    static constexpr UINT kMaxQuads = 16383;

    HRESULT CreateBuffers(UINT vertices, UINT indices) { return Create(vertices, indices); }
    // k quads at the origin, rhw 1, diffuse 0, unit texture coordinates.
    HRESULT BuildQuads(UINT k);
    void SetQuadUV(float u0, float u1, float v0, float v1, UINT i);
};

class ScreenSpriteArray {
public:
    ScreenSpriteArray();

    void Resize(UINT n);
    void LockAll();
    void UnlockAll();
    // Corners C - R + U, C - R - U, C + R + U, C + R - U. Only between LockAll and UnlockAll.
    void SetQuad(UINT i, const D3DXVECTOR3& centre, const D3DXVECTOR3& r, const D3DXVECTOR3& u);
    void SetQuadColour(UINT i, D3DCOLOR colour);
    // Quad i's texture coordinates, u0..u1 across and v0..v1 down; only while locked.
    void SetQuadUV(UINT i, float u0, float u1, float v0, float v1);
    void SetTexture(const ComHolder<IDirect3DTexture9>& texture);
    void Draw();

    const std::vector<ScreenSpriteChunk>& Chunks() const { return chunks_; }
    UINT QuadCount() const { return quads_; }

private:
    ScreenTexVertex* QuadVertices(UINT i);

    std::vector<ScreenSpriteChunk> chunks_;
    UINT quads_ = 0;
};
