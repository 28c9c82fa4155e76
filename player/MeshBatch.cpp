#include "player/MeshBatch.h"

void TakeMeshEntry(QV_SpriteArrayT<MeshVertex>& mesh, const MeshEntry& entry) {
    mesh.vertexBuffer = entry.vertices;
    mesh.indexBuffer = entry.indices;
    mesh.vertexCount = entry.vertexCount;
    mesh.triangleCount = entry.faceCount;
    mesh.primitiveType = D3DPT_TRIANGLELIST;
    mesh.radius = entry.radius;
    for (int i = 0; i < 3; ++i) mesh.centre[i] = entry.centre[i];
}
