#pragma once
// A frame carrying one vertex buffer of V, drawn as `primitiveType` with `primitiveCount`
// primitives. Buffers are write-only and managed, so they survive a device reset.
#include <d3d9.h>

#include "base/ComHolder.h"
#include "base/CurrentDevice.h"
#include "player/QV_Frame.h"
#include "player/VertexFormats.h"

template <class V>
class QV_SimpleMesh : public QV_Frame {
public:
    // Releases the old buffer, records n and makes a buffer of n vertices.
    HRESULT CreateVertexBuffer(UINT n, DWORD usage = D3DUSAGE_WRITEONLY, D3DPOOL pool = D3DPOOL_MANAGED) {
        vertexBuffer.Reset();
        vertexCount = n;
        if (!CurrentDevice) return E_FAIL;
        return CurrentDevice->CreateVertexBuffer(n * sizeof(V), usage, V::kFvf, pool,
                                                 vertexBuffer.Receive(), nullptr);
    }
    // Takes a 4-vertex buffer as a strip of two triangles.
    void AttachQuadBuffer(IDirect3DVertexBuffer9* buffer) {
        if (buffer) buffer->AddRef();
        vertexBuffer.Attach(buffer);
        vertexCount = 4;
        primitiveType = D3DPT_TRIANGLESTRIP;
        primitiveCount = 2;
    }
    // Null when there is no buffer or it will not lock.
    V* Lock() {
        void* data = nullptr;
        if (!vertexBuffer || FAILED(vertexBuffer->Lock(0, 0, &data, 0))) return nullptr;
        locked = static_cast<V*>(data);
        return locked;
    }
    void Unlock() {
        if (locked) vertexBuffer->Unlock();
        locked = nullptr;
    }
    // No vertex shader, V's format, stream 0 = this buffer.
    void SetStream() const {
        CurrentDevice->SetVertexShader(nullptr);
        CurrentDevice->SetFVF(V::kFvf);
        CurrentDevice->SetStreamSource(0, vertexBuffer.Get(), 0, sizeof(V));
    }

    ComHolder<IDirect3DVertexBuffer9> vertexBuffer;
    V* locked = nullptr;
    UINT vertexCount = 0;
    D3DPRIMITIVETYPE primitiveType = D3DPT_TRIANGLESTRIP;
    UINT primitiveCount = 0;
};

// The stream set-ups by vertex type.
inline void SetTexVertexStream(const QV_SimpleMesh<TexVertex>& mesh) { mesh.SetStream(); }
inline void SetScreenTexVertexStream(const QV_SimpleMesh<ScreenTexVertex>& mesh) { mesh.SetStream(); }
inline void SetScreenColourVertexStream(const QV_SimpleMesh<ScreenColourVertex>& mesh) { mesh.SetStream(); }
inline void SetPctVertexStream(const QV_SimpleMesh<DX_V::PCT>& mesh) { mesh.SetStream(); }
inline void SetMeshVertexStream(const QV_SimpleMesh<MeshVertex>& mesh) { mesh.SetStream(); }

// The vertex-buffer makers by vertex type (callers pass write-only and managed).
inline HRESULT CreateTexVertexBuffer(QV_SimpleMesh<TexVertex>& mesh, UINT n, DWORD usage, D3DPOOL pool) {
    return mesh.CreateVertexBuffer(n, usage, pool);
}
inline HRESULT CreatePctVertexBuffer(QV_SimpleMesh<DX_V::PCT>& mesh, UINT n, DWORD usage, D3DPOOL pool) {
    return mesh.CreateVertexBuffer(n, usage, pool);
}
inline HRESULT CreateScreenTexVertexBuffer(QV_SimpleMesh<ScreenTexVertex>& mesh, UINT n, DWORD usage,
                                           D3DPOOL pool) {
    return mesh.CreateVertexBuffer(n, usage, pool);
}
inline HRESULT CreateScreenColourVertexBuffer(QV_SimpleMesh<ScreenColourVertex>& mesh, UINT n, DWORD usage,
                                              D3DPOOL pool) {
    return mesh.CreateVertexBuffer(n, usage, pool);
}
inline HRESULT CreateColourVertexBuffer(QV_SimpleMesh<ColourVertex>& mesh, UINT n, DWORD usage, D3DPOOL pool) {
    return mesh.CreateVertexBuffer(n, usage, pool);
}

// A fresh 4-vertex write-only managed buffer attached as a strip of two triangles.
template <class V>
HRESULT CreateQuad(QV_SimpleMesh<V>& mesh) {
    QV_SimpleMesh<V> made;
    HRESULT hr = made.CreateVertexBuffer(4);
    if (FAILED(hr)) return hr;
    mesh.AttachQuadBuffer(made.vertexBuffer.Get());
    return S_OK;
}
inline HRESULT CreateScreenTexQuad(QV_SimpleMesh<ScreenTexVertex>& mesh) { return CreateQuad(mesh); }
inline HRESULT CreateScreenColourQuad(QV_SimpleMesh<ScreenColourVertex>& mesh) { return CreateQuad(mesh); }
inline HRESULT CreateColourQuad(QV_SimpleMesh<ColourVertex>& mesh) { return CreateQuad(mesh); }
