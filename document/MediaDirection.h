#pragma once
// An angle in degrees with its two axis vectors, built by its owner.
#include <d3dx9math.h>

#include "document/MediaParamT.h"

class MediaDirection : public MediaParamT<unsigned int> {
public:
    // First axis (cos a, sin a, 0, 0), second (−sin a, cos a, 0, 0).
    void UpdateAxes();

    const D3DXVECTOR4& FirstAxis() const { return firstAxis_; }
    const D3DXVECTOR4& SecondAxis() const { return secondAxis_; }

private:
    D3DXVECTOR4 firstAxis_{0.0f, 0.0f, 0.0f, 0.0f};
    D3DXVECTOR4 secondAxis_{0.0f, 0.0f, 0.0f, 0.0f};
};
