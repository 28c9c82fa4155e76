#include "objects/StreamAnimParams.h"

#include <d3dx9math.h>

#include "objects/Rotations.h"

namespace {
// (1, 0, 0, 0) turned about Z, with y negated for the screen's downward y.
void ScreenAxis(float degrees, float out[4]) {
    const D3DXMATRIX turn = RotationZ(degrees);
    const D3DXVECTOR4 x(1.0f, 0.0f, 0.0f, 0.0f);
    D3DXVECTOR4 turned;
    D3DXVec4Transform(&turned, &x, &turn);
    out[0] = turned.x;
    out[1] = -turned.y;
    out[2] = turned.z;
    out[3] = turned.w;
}
}  // namespace

void DirectionVectors::SetAngle(int32_t degrees) {
    angle = degrees;
    const float a = float(uint32_t(degrees));
    ScreenAxis(a, direction);
    ScreenAxis(a + 90.0f, perpendicular);
}
