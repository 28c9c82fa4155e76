#include "document/MeshEntry.h"

#include <d3dx9.h>

#include <algorithm>
#include <cstring>

#include "base/CurrentDevice.h"
#include "document/ModuleResource.h"
#include "document/OrdinaryFile.h"

namespace {

constexpr DWORD kMeshFvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;

// Copies `bytes` bytes from a locked source into a new managed buffer made by `create`.
template <class Buffer, class Create>
bool FillBuffer(ComHolder<Buffer>& target, const void* source, UINT bytes, Create create) {
    if (FAILED(create(target.Receive()))) return false;
    void* locked = nullptr;
    if (FAILED(target->Lock(0, 0, &locked, 0))) return false;
    std::memcpy(locked, source, bytes);
    target->Unlock();
    return true;
}

MeshEntry FinishMesh(ID3DXMesh* loaded, ID3DXBuffer* adjacency, uint32_t vertexSize) {
    MeshEntry entry;
    ComHolder<ID3DXMesh> clone;
    if (FAILED(loaded->CloneMeshFVF(D3DXMESH_SYSTEMMEM, kMeshFvf, CurrentDevice, clone.Receive())))
        return entry;
    D3DXComputeNormals(clone.Get(), nullptr);
    clone->OptimizeInplace(D3DXMESHOPT_COMPACT | D3DXMESHOPT_ATTRSORT | D3DXMESHOPT_VERTEXCACHE,
                           static_cast<const DWORD*>(adjacency->GetBufferPointer()), nullptr,
                           nullptr, nullptr);
    const uint32_t vertexCount = clone->GetNumVertices();
    const uint32_t faceCount = clone->GetNumFaces();

    void* indexData = nullptr;
    if (FAILED(clone->LockIndexBuffer(D3DLOCK_READONLY, &indexData))) return entry;
    const bool indicesMade = FillBuffer(entry.indices, indexData, faceCount * 6, [&](auto** out) {
        return CurrentDevice->CreateIndexBuffer(faceCount * 6, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                                D3DPOOL_MANAGED, out, nullptr);
    });
    clone->UnlockIndexBuffer();

    void* vertexData = nullptr;
    if (!indicesMade || FAILED(clone->LockVertexBuffer(D3DLOCK_READONLY, &vertexData))) return MeshEntry();
    const UINT vertexBytes = vertexCount * vertexSize;
    // The clone's vertices are 32 bytes; a caller's larger stride would read past them.
    const UINT copied = vertexCount * std::min<UINT>(vertexSize, D3DXGetFVFVertexSize(kMeshFvf));
    const bool verticesMade = FillBuffer(entry.vertices, vertexData, copied, [&](auto** out) {
        return CurrentDevice->CreateVertexBuffer(vertexBytes, D3DUSAGE_WRITEONLY, 0,
                                                 D3DPOOL_MANAGED, out, nullptr);
    });
    D3DXVECTOR3 centre(0, 0, 0);
    D3DXComputeBoundingSphere(static_cast<const D3DXVECTOR3*>(vertexData), vertexCount,
                              D3DXGetFVFVertexSize(clone->GetFVF()), &centre, &entry.radius);
    clone->UnlockVertexBuffer();
    if (!verticesMade) return MeshEntry();

    entry.vertexCount = vertexCount;
    entry.faceCount = faceCount;
    entry.centre[0] = centre.x;
    entry.centre[1] = centre.y;
    entry.centre[2] = centre.z;
    return entry;
}

template <class Load>
MeshEntry LoadMesh(uint32_t vertexSize, Load load) {
    ComHolder<ID3DXBuffer> adjacency, materials, effects;
    ComHolder<ID3DXMesh> mesh;
    DWORD materialCount = 0;
    if (!CurrentDevice ||
        FAILED(load(adjacency.Receive(), materials.Receive(), effects.Receive(), &materialCount,
                    mesh.Receive())) ||
        !mesh || !adjacency)
        return MeshEntry();
    return FinishMesh(mesh.Get(), adjacency.Get(), vertexSize);
}

}  // namespace

MeshEntry LoadMeshFromMemory(const void* bytes, uint32_t size, uint32_t vertexSize) {
    if (!bytes || size == 0) return MeshEntry();
    return LoadMesh(vertexSize, [&](auto... out) {
        return D3DXLoadMeshFromXInMemory(bytes, size, D3DXMESH_SYSTEMMEM, CurrentDevice, out...);
    });
}

MeshEntry LoadMeshFromFile(const std::wstring& path, uint32_t vertexSize) {
    // Far above any mesh a scene draws; the loader holds several copies of what it reads.
    constexpr uint64_t kMaxMeshFileBytes = 16ull << 20;
    const std::vector<BYTE> bytes = ReadOrdinaryFile(path, kMaxMeshFileBytes);
    return LoadMeshFromMemory(bytes.data(), uint32_t(bytes.size()), vertexSize);
}

MeshEntry LoadMeshFromResource(HMODULE module, int id, uint32_t vertexSize) {
    ModuleResource resource = FindModuleResource(module, id, L"KDV");
    if (!resource.bytes) return MeshEntry();
    return LoadMeshFromMemory(resource.bytes, resource.size, vertexSize);
}
