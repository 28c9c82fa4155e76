#include "document/MediaRectangle.h"

#include "document/FieldArchive.h"
#include "player/PictureLayout.h"

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

bool MediaRectangle::Contains(float x, float y) const {
    const PictureLayout& layout = CurrentPictureLayout();
    const D3DXVECTOR3 point = MapRectToScreen(x * layout.scaleX, y * layout.scaleY, 0.0f);
    return ContainsPicturePoint(point.x, point.y);
}

void MediaRectangle::Read(QV_IOF_Virtual& archive) {
    FieldArchive ar = FieldArchive::Reader(archive, 0);
    Fields(ar);
}

void MediaRectangle::Write(QV_IOF_Virtual& archive) {
    FieldArchive ar = FieldArchive::Writer(archive);
    Fields(ar);
}
