#include "document/MediaSector.h"

#include "document/NumericHelpers.h"
#include "document/SharedRandom.h"

D3DXVECTOR3 MediaSector::RandomDirection() const {
    float spread = float(spread_.Value());
    float unit = SharedRandom::NextUnit();
    float offset = -spread + unit * (2.0f * spread);
    float degrees = float(Value()) + offset;
    D3DXMATRIX rotation;
    D3DXMatrixRotationZ(&rotation, DegreesToRadians(360.0f - degrees));
    D3DXVECTOR3 unitX(1.0f, 0.0f, 0.0f);
    D3DXVECTOR3 direction;
    D3DXVec3TransformCoord(&direction, &unitX, &rotation);
    return direction;
}
