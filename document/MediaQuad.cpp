#include "document/MediaQuad.h"

#include "document/QV_IOF_Virtual.h"

void MediaQuad::Read(QV_IOF_Virtual& archive) {
    for (MediaParamTB<D3DXVECTOR3>& corner : corners) {
        D3DXVECTOR3 value = corner.Value();
        archive.ReadFloat(value.x);
        archive.ReadFloat(value.y);
        archive.ReadFloat(value.z);
        corner.SetSilently(value);
    }
}

void MediaQuad::Write(QV_IOF_Virtual& archive) const {
    for (const MediaParamTB<D3DXVECTOR3>& corner : corners) {
        D3DXVECTOR3 value = corner.Value();
        archive.WriteFloat(value.x);
        archive.WriteFloat(value.y);
        archive.WriteFloat(value.z);
    }
}
