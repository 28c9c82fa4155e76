#pragma once
// One mesh drawn at many frames: the mesh's buffers, counts, bounds and texture, a flag that
// draws it blended and two-sided, and the frames it is drawn at (not owned).
#include <vector>

#include "document/MeshEntry.h"
#include "document/PictureHeader.h"
#include "player/QV_IndexedMesh.h"

// Each instance of a mesh object costs draw calls every frame, so the counts documents ask
// for are clamped to this where they are read.
constexpr unsigned int kMaxMeshInstances = 1000;
// The size a mesh object's record stores (a clock's pixels across, the falling objects'
// pixels across, a butterfly's percent of its meshes, which are tens of pixels across at 100)
// is kept within the longest extent that can show.
constexpr unsigned int kMaxMeshSize = unsigned(kMaxShownExtent);

class MeshBatch : public QV_SpriteArrayT<MeshVertex> {
public:
    bool Transparent() const { return value != 0; }
    void SetTransparent(bool transparent) { value = transparent ? 1 : 0; }

    std::vector<QV_Frame*> drawList;
};

// The mesh takes a reference to the entry's buffers, its counts as a triangle list, and its
// bounding sphere as the frame's bounds. An entry that is not loaded leaves no buffers.
void TakeMeshEntry(QV_SpriteArrayT<MeshVertex>& mesh, const MeshEntry& entry);

// Whether the mesh has what a draw needs; one without buffers draws nothing.
inline bool HasMeshBuffers(const QV_IndexedMesh<MeshVertex>& mesh) {
    return mesh.vertexBuffer && mesh.indexBuffer && mesh.vertexCount != 0 && mesh.triangleCount != 0;
}
