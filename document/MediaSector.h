#pragma once
// A direction sector: the angle (the value, degrees) and the spread about it (degrees).
#include <d3dx9math.h>

#include "document/MediaParamT.h"

class MediaSector : public MediaParamT<unsigned int> {
public:
    MediaSector() = default;
    MediaSector(const MediaSector&) = default;

    // A unit vector at angle + u, u uniform in [−spread, +spread] from one shared draw; the
    // angle counts counter-clockwise on the screen, so 90 points up: (cos a, −sin a, 0).
    D3DXVECTOR3 RandomDirection() const;

    MediaParamT<unsigned int>& Spread() { return spread_; }
    const MediaParamT<unsigned int>& Spread() const { return spread_; }

private:
    MediaParamT<unsigned int> spread_;
};
