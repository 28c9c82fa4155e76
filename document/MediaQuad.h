#pragma once
// Four free corners, (0, 0, 0) by default.
#include "document/MediaParamT.h"

class FieldArchive;
class QV_IOF_Virtual;

class MediaQuad : public MediaParam {
public:
    static constexpr int kCorners = 4;

    // Twelve floats: corner 0 x, y, z, then corners 1, 2 and 3; stored without notification.
    void Fields(FieldArchive& ar);

    MediaParamTB<D3DXVECTOR3> corners[kCorners];
};
