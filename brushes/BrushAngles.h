#pragma once
// Angles as the brushes turn them: degrees times the single-precision π over 180, computed in
// double precision, and vectors turned about Z as D3DX turns row vectors.
#include <d3dx9math.h>

#include "document/NumericHelpers.h"

inline float BrushRadians(double degrees) { return float(degrees * double(kSinglePi) / 180.0); }

inline D3DXVECTOR4 TurnAboutZ(const D3DXVECTOR4& vector, float radians) {
    D3DXMATRIX rotation;
    D3DXMatrixRotationZ(&rotation, radians);
    D3DXVECTOR4 turned;
    D3DXVec4Transform(&turned, &vector, &rotation);
    return turned;
}

// A stored direction angle counts counter-clockwise on the screen, where y grows downwards:
// the vector is turned by 360 - angle (an integer difference), so 90 points up, (0, -1).
inline D3DXVECTOR4 TurnByDirectionAngle(const D3DXVECTOR4& vector, unsigned int angle) {
    return TurnAboutZ(vector, BrushRadians(int(360u - angle)));
}
