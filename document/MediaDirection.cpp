#include "document/MediaDirection.h"

#include "document/NumericHelpers.h"

void MediaDirection::UpdateAxes() {
    D3DXMATRIX rotation;
    D3DXMatrixRotationZ(&rotation, DegreesToRadians(float(Value())));
    const D3DXVECTOR4 unitX(1.0f, 0.0f, 0.0f, 0.0f);
    const D3DXVECTOR4 unitY(0.0f, 1.0f, 0.0f, 0.0f);
    D3DXVec4Transform(&firstAxis_, &unitX, &rotation);
    D3DXVec4Transform(&secondAxis_, &unitY, &rotation);
}
