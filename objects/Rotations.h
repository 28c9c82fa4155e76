#pragma once
// Rotations and translations as D3DX matrices, angles in degrees (× π / 180).
#include <d3dx9math.h>

#include "document/NumericHelpers.h"

inline D3DXMATRIX RotationX(float degrees) {
    D3DXMATRIX m;
    return *D3DXMatrixRotationX(&m, DegreesToRadians(degrees));
}
inline D3DXMATRIX RotationY(float degrees) {
    D3DXMATRIX m;
    return *D3DXMatrixRotationY(&m, DegreesToRadians(degrees));
}
inline D3DXMATRIX RotationZ(float degrees) {
    D3DXMATRIX m;
    return *D3DXMatrixRotationZ(&m, DegreesToRadians(degrees));
}
inline D3DXMATRIX Scaling(float x, float y, float z) {
    D3DXMATRIX m;
    return *D3DXMatrixScaling(&m, x, y, z);
}
inline D3DXMATRIX Translation(float x, float y, float z) {
    D3DXMATRIX m;
    return *D3DXMatrixTranslation(&m, x, y, z);
}
