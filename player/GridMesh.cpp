#include "player/GridMesh.h"

namespace {

TexVertex Add(const TexVertex& a, const TexVertex& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z, a.u + b.u, a.v + b.v};
}

TexVertex Lerp(const TexVertex& a, const TexVertex& b, float t) {
    return Add(a, ScaleTexVertex(Add(b, ScaleTexVertex(a, -1.0f)), t));
}

}  // namespace

TexVertex ScaleTexVertex(const TexVertex& v, float s) { return {v.x * s, v.y * s, v.z * s, v.u * s, v.v * s}; }

void FillGridMesh(QV_SimpleMesh<TexVertex>& mesh, UINT d1, UINT d2, const TexVertex corners[4]) {
    if (d1 == 0 || d2 == 0 || mesh.vertexCount < (d1 + 1) * (d2 + 1)) return;
    TexVertex* v = mesh.Lock();
    if (!v) return;
    for (UINT j = 0; j <= d2; ++j) {
        const float tj = float(j) / float(d2);
        const TexVertex a = Lerp(corners[0], corners[2], tj);
        const TexVertex b = Lerp(corners[1], corners[3], tj);
        for (UINT i = 0; i <= d1; ++i) v[i + (d1 + 1) * j] = Lerp(a, b, float(i) / float(d1));
    }
    mesh.Unlock();
}
