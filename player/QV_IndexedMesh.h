#pragma once
// A simple mesh with a 16-bit index buffer, drawn as a triangle list.
#include <cstdint>

#include "player/QV_SimpleMesh.h"
#include "player/QuadCoverage.h"

template <class V>
class QV_IndexedMesh : public QV_SimpleMesh<V> {
public:
    // `vertices` vertices and room for indices / 3 triangles. The index buffer is made with
    // 16 bytes a triangle, more than the 6 it needs, as stored meshes expect.
    HRESULT Create(UINT vertices, UINT indices) {
        HRESULT hr = this->CreateVertexBuffer(vertices);
        this->primitiveType = D3DPT_TRIANGLELIST;
        this->primitiveCount = 0;
        triangleCount = indices / 3;
        if (FAILED(hr)) return hr;
        return CreateIndexBuffer(triangleCount);
    }
    // n quads: 4n vertices, indices 4q + {0, 1, 2, 2, 1, 3}, each quad covering nothing until
    // its writer records it.
    HRESULT CreateQuads(UINT n) {
        quadCoverage.Resize(n);
        HRESULT hr = Create(4 * n, 6 * n);
        if (FAILED(hr)) return hr;
        uint16_t* index = LockIndices();
        if (!index) return E_FAIL;
        for (UINT q = 0; q < n; ++q) {
            const uint16_t base = uint16_t(4 * q);
            const uint16_t pattern[6] = {0, 1, 2, 2, 1, 3};
            for (int i = 0; i < 6; ++i) *index++ = uint16_t(base + pattern[i]);
        }
        UnlockIndices();
        return S_OK;
    }
    HRESULT CreateIndexBuffer(UINT triangles) {
        indexBuffer.Reset();
        triangleCount = triangles;
        if (!CurrentDevice) return E_FAIL;
        return CurrentDevice->CreateIndexBuffer(triangles * 16, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                                D3DPOOL_MANAGED, indexBuffer.Receive(), nullptr);
    }
    uint16_t* LockIndices() {
        void* data = nullptr;
        if (!indexBuffer || FAILED(indexBuffer->Lock(0, 0, &data, 0))) return nullptr;
        lockedIndices = static_cast<uint16_t*>(data);
        return lockedIndices;
    }
    void UnlockIndices() {
        if (lockedIndices) indexBuffer->Unlock();
        lockedIndices = nullptr;
    }

    ComHolder<IDirect3DIndexBuffer9> indexBuffer;
    UINT triangleCount = 0;
    uint16_t* lockedIndices = nullptr;
    // What each quad made by CreateQuads covers, as its writer recorded it.
    QuadCoverage quadCoverage;
};

// c vertices a row, r rows: two triangles a cell, (v, v+1, w) and (w, v+1, w+1).
template <class V>
HRESULT CreateGridIndexBuffer(QV_IndexedMesh<V>& mesh, UINT c, UINT r) {
    const UINT triangles = c > 1 && r > 1 ? 2 * (c - 1) * (r - 1) : 0;
    HRESULT hr = mesh.CreateIndexBuffer(triangles);
    if (FAILED(hr) || triangles == 0) return hr;
    uint16_t* index = mesh.LockIndices();
    if (!index) return E_FAIL;
    for (UINT j = 0; j + 1 < r; ++j)
        for (UINT k = 0; k + 1 < c; ++k) {
            const uint16_t v = uint16_t(c * j + k), w = uint16_t(c * (j + 1) + k);
            const uint16_t cell[6] = {v, uint16_t(v + 1), w, w, uint16_t(v + 1), uint16_t(w + 1)};
            for (uint16_t i : cell) *index++ = i;
        }
    mesh.UnlockIndices();
    return S_OK;
}

// A quad mesh of particles with its texture and one value copied with it.
template <class V>
class QV_SpriteArrayT : public QV_IndexedMesh<V> {
public:
    ComHolder<IDirect3DTexture9> texture;
    uint32_t value = 0;
};
