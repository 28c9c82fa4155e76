#pragma once
// A rectangle in pixels of the background picture, plus two values whose meaning is the
// owner's (a centre point, for instance). Its own observer list stays unused.
#include "document/MediaParamT.h"

class FieldArchive;
class QV_IOF_Virtual;

class MediaRectangle : public MediaParam {
public:
    MediaRectangle() = default;
    MediaRectangle(const MediaRectangle&) = default;

    // Six int32 in the order left, right, top, bottom, further value 1, further value 2,
    // stored without notification.
    void Fields(FieldArchive& ar);

    // Whether a point already mapped into picture pixels lies inside, bounds included; a point
    // of the layer's window is mapped first by ContainsWindowPoint.
    bool ContainsPicturePoint(float x, float y) const;

    MediaParamT<int> left;
    MediaParamT<int> right;
    MediaParamT<int> top;
    MediaParamT<int> bottom;
    MediaParamTB<int> further1;
    MediaParamTB<int> further2;
};
