#pragma once
// Ellipse regions of a picture that FX brushes of the default scene paint through: each is a
// GUID mask picture and the brush's base section that names it.
#include <cstdint>

#include "BrushRecords.h"
#include "DocumentRecords.h"

struct MaskRegion {
    const char* guid;
    double cx, cy, rx, ry;  // fractions of the picture
};

// The region's mask: smaller than the picture (the effects stretch it over it), soft-edged.
scenewriter::GuidImage MaskPicture(const MaskRegion& region);

// A brush base of a module effect, masked by the region.
scenewriter::FxBaseRecord MaskedFx(const MaskRegion& region, int32_t effect, uint32_t speed, int32_t fxMode = 0);
