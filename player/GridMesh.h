#pragma once
// The vertex grid that FX brushes distort: (d1 + 1) x (d2 + 1) TexVertex points spread over a
// quad, indexed by CreateGridIndexBuffer with c = d1 + 1 and r = d2 + 1.
#include "player/QV_SimpleMesh.h"

// All five floats times s.
TexVertex ScaleTexVertex(const TexVertex& v, float s);
// Vertex i + (d1 + 1) j interpolates, in all five floats, between the edge c0..c2 and the edge
// c1..c3: d1 divisions from c0 towards c1, d2 from c0 towards c2.
void FillGridMesh(QV_SimpleMesh<TexVertex>& mesh, UINT d1, UINT d2, const TexVertex corners[4]);
