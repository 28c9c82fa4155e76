#pragma once
// The quads every particle generator writes into its layers: four vertices v0, v1, v2, v3
// drawn as the triangles (v0, v1, v2) and (v2, v1, v3), and the colour rule they share.
#include <d3dx9math.h>

#include "player/VertexFormats.h"

struct PctQuad {
    DX_V::PCT v[4];
};

// Red, green and blue of a COLORREF (red in the low byte) over 255 with the given alpha,
// converted as D3DXCOLOR converts: at or above 1 gives 255, at or below 0 (or NaN) gives 0,
// otherwise (int)(c × 255 + 0.5); packed A, R, G, B from the high byte down.
D3DCOLOR VertexColour(unsigned long colourRef, float alpha);

// v0 = c + (−w/2, +h/2), v1 = c + (−w/2, −h/2), v2 = c + (+w/2, +h/2), v3 = c + (+w/2, −h/2);
// white, default texture coordinates.
PctQuad BuildCenteredQuad(const D3DXVECTOR3& centre, float width, float height);
// A quad of side s on the half-axis directions right and up; white, default coordinates.
PctQuad BuildAxisQuad(const D3DXVECTOR3& centre, const D3DXVECTOR3& right, const D3DXVECTOR3& up, float size);
// From start along the segment d of length `length`, w0 wide at the start and w1 at the end,
// across n = (−d.y, d.x)/length; a segment of no length gives a quad of no area. White,
// texture coordinates not set.
PctQuad BuildSegmentQuad(const D3DXVECTOR3& start, const D3DXVECTOR3& d, float length, float w0, float w1);
// v0 = corner 1, v1 = corner 0, v2 = corner 3, v3 = corner 2; white, default coordinates.
PctQuad BuildQuadFromCorners(const D3DXVECTOR3 corners[4]);

// v0 (u0, vb), v1 (u0, va), v2 (u1, vb), v3 (u1, va); the default is (0, 1, 0, 1).
void SetQuadUV(PctQuad& quad, float u0, float u1, float va, float vb);
// mirrorU swaps u between v1 and v3 and between v0 and v2; mirrorV swaps v between v0 and v3
// and between v1 and v2.
void FlipQuadUV(PctQuad& quad, bool mirrorU, bool mirrorV);
// next.v0 and previous.v2 meet at their midpoint, and so do next.v1 and previous.v3.
void WeldQuads(PctQuad& next, PctQuad& previous);
void SetQuadColour(PctQuad& quad, D3DCOLOR colour);

// The unit vector along v; a zero vector stays zero.
D3DXVECTOR3 NormalizedOrZero(const D3DXVECTOR3& v);
