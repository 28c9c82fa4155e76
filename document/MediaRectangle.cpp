#include "document/MediaRectangle.h"

#include "document/FieldArchive.h"

void MediaRectangle::Fields(FieldArchive& ar) {
    ar.Param(left);
    ar.Param(right);
    ar.Param(top);
    ar.Param(bottom);
    ar.Param(further1);
    ar.Param(further2);
}

bool MediaRectangle::ContainsPicturePoint(float x, float y) const {
    return float(left.Value()) <= x && x <= float(right.Value()) && float(top.Value()) <= y &&
           y <= float(bottom.Value());
}
