#pragma once
// A mesh ready for drawing: managed-pool buffers with position, normal and one texture
// coordinate (32 bytes a vertex) and its bounding sphere. Vertex count 0 means "not loaded".
#include <d3d9.h>
#include <cstdint>
#include <string>

#include "base/ComHolder.h"

struct MeshEntry {
    ComHolder<IDirect3DVertexBuffer9> vertices;
    ComHolder<IDirect3DIndexBuffer9> indices;
    uint32_t vertexCount = 0;
    uint32_t faceCount = 0;
    float radius = 0.0f;
    float centre[3] = {0.0f, 0.0f, 0.0f};

    bool Loaded() const { return vertexCount != 0; }
};

// .x bytes through the whole chain: load, clone to XYZ|NORMAL|TEX1, normals, optimise, copy
// into managed buffers, bounding sphere. Failure leaves an empty entry.
MeshEntry LoadMeshFromMemory(const void* bytes, uint32_t size, uint32_t vertexSize);
MeshEntry LoadMeshFromResource(HMODULE module, int id, uint32_t vertexSize);
// A path the document names: only an ordinary file of at most 16 MiB is read.
MeshEntry LoadMeshFromFile(const std::wstring& path, uint32_t vertexSize);
