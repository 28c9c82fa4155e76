#include "objects/ParticleQuad.h"

#include <d3dx9.h>

#include <cstdint>
#include <utility>

namespace {

constexpr D3DCOLOR kWhite = 0xFFFFFFFF;

uint32_t ColourChannel(float c) {
    if (!(c > 0.0f)) return 0;
    if (c >= 1.0f) return 255;
    return uint32_t(int(c * 255.0f + 0.5f));
}

DX_V::PCT Vertex(const D3DXVECTOR3& position, float u, float v) {
    return DX_V::PCT{position.x, position.y, position.z, kWhite, u, v};
}

// Corners in quad order with the default texture coordinates.
PctQuad UnitQuad(const D3DXVECTOR3& v0, const D3DXVECTOR3& v1, const D3DXVECTOR3& v2, const D3DXVECTOR3& v3) {
    return PctQuad{{Vertex(v0, 0, 1), Vertex(v1, 0, 0), Vertex(v2, 1, 1), Vertex(v3, 1, 0)}};
}

D3DXVECTOR3 Position(const DX_V::PCT& vertex) { return D3DXVECTOR3(vertex.x, vertex.y, vertex.z); }

void SetPosition(DX_V::PCT& vertex, const D3DXVECTOR3& position) {
    vertex.x = position.x;
    vertex.y = position.y;
    vertex.z = position.z;
}

void Weld(DX_V::PCT& a, DX_V::PCT& b) {
    const D3DXVECTOR3 middle = (Position(a) + Position(b)) * 0.5f;
    SetPosition(a, middle);
    SetPosition(b, middle);
}

}  // namespace

D3DCOLOR VertexColour(unsigned long colourRef, float alpha) {
    const float red = float(colourRef & 0xFF) / 255.0f;
    const float green = float((colourRef >> 8) & 0xFF) / 255.0f;
    const float blue = float((colourRef >> 16) & 0xFF) / 255.0f;
    return ColourChannel(alpha) << 24 | ColourChannel(red) << 16 | ColourChannel(green) << 8 | ColourChannel(blue);
}

PctQuad BuildCenteredQuad(const D3DXVECTOR3& c, float width, float height) {
    const float w = width / 2, h = height / 2;
    return UnitQuad(c + D3DXVECTOR3(-w, h, 0), c + D3DXVECTOR3(-w, -h, 0), c + D3DXVECTOR3(w, h, 0),
                    c + D3DXVECTOR3(w, -h, 0));
}

PctQuad BuildAxisQuad(const D3DXVECTOR3& c, const D3DXVECTOR3& right, const D3DXVECTOR3& up, float size) {
    const D3DXVECTOR3 r = right * (size / 2), u = up * (size / 2);
    return UnitQuad(c + u - r, c - u - r, c + r + u, c + r - u);
}

PctQuad BuildSegmentQuad(const D3DXVECTOR3& start, const D3DXVECTOR3& d, float length, float w0, float w1) {
    const D3DXVECTOR3 n = length > 0.0f ? D3DXVECTOR3(-d.y, d.x, 0) / length : D3DXVECTOR3(0, 0, 0);
    const D3DXVECTOR3 end = start + d;
    return UnitQuad(start + n * (w0 / 2), start - n * (w0 / 2), end + n * (w1 / 2), end - n * (w1 / 2));
}

PctQuad BuildQuadFromCorners(const D3DXVECTOR3 corners[4]) {
    return UnitQuad(corners[1], corners[0], corners[3], corners[2]);
}

void SetQuadUV(PctQuad& quad, float u0, float u1, float va, float vb) {
    const float uv[4][2] = {{u0, vb}, {u0, va}, {u1, vb}, {u1, va}};
    for (int i = 0; i < 4; ++i) {
        quad.v[i].u = uv[i][0];
        quad.v[i].v = uv[i][1];
    }
}

void FlipQuadUV(PctQuad& quad, bool mirrorU, bool mirrorV) {
    if (mirrorU) {
        std::swap(quad.v[1].u, quad.v[3].u);
        std::swap(quad.v[0].u, quad.v[2].u);
    }
    if (mirrorV) {
        std::swap(quad.v[0].v, quad.v[3].v);
        std::swap(quad.v[1].v, quad.v[2].v);
    }
}

void WeldQuads(PctQuad& next, PctQuad& previous) {
    Weld(next.v[0], previous.v[2]);
    Weld(next.v[1], previous.v[3]);
}

void SetQuadColour(PctQuad& quad, D3DCOLOR colour) {
    for (DX_V::PCT& vertex : quad.v) vertex.diffuse = colour;
}

D3DXVECTOR3 NormalizedOrZero(const D3DXVECTOR3& v) {
    const float length = D3DXVec3Length(&v);
    return length > 0.0f ? v / length : D3DXVECTOR3(0, 0, 0);
}
