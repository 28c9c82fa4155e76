#include "document/MediaRectangle.h"

#include "document/ParamArchive.h"
#include "player/PictureLayout.h"

void MediaRectangle::Read(QV_IOF_Virtual& archive) {
    ReadLongParam(archive, left);
    ReadLongParam(archive, right);
    ReadLongParam(archive, top);
    ReadLongParam(archive, bottom);
    ReadLongParam(archive, further1);
    ReadLongParam(archive, further2);
}

void MediaRectangle::Write(QV_IOF_Virtual& archive) const {
    WriteLongParam(archive, left);
    WriteLongParam(archive, right);
    WriteLongParam(archive, top);
    WriteLongParam(archive, bottom);
    WriteLongParam(archive, further1);
    WriteLongParam(archive, further2);
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
